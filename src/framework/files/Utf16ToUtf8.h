#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

/// @brief Turns UTF-16 bytes of one byte order into UTF-8, a block at a time.
///
/// A code unit or a surrogate pair cut by the end of a block is completed by the next one.
/// A surrogate without its partner, and a last byte without its pair, become U+FFFD.
class Utf16ToUtf8 {
  public:
    explicit Utf16ToUtf8(bool bigEndian) : bigEndian_(bigEndian) {}

    /// @brief Appends the UTF-8 of @p bytes to @p out; an unfinished character waits.
    void Append(std::string_view bytes, std::string& out);
    /// @brief Ends the input: an unfinished character left over becomes U+FFFD.
    void Finish(std::string& out);

  private:
    /// Writes the UTF-8 of @p unit at @p to; returns the end of what it wrote.
    char* putUnit(char16_t unit, char* to);

    bool bigEndian_;
    /// The first byte of a code unit that the block ended in.
    std::uint8_t pendingByte_ = 0;
    bool hasPendingByte_ = false;
    /// A high surrogate waiting for its low one; 0 when none.
    char16_t pendingHigh_ = 0;
};

} // namespace fw
