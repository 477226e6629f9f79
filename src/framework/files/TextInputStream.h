#pragma once

#include "Utf16ToUtf8.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>

class QIODevice;

namespace fw {

/// @brief Reads a text file line by line, in UTF-8 or, after its byte-order mark, UTF-16.
///
/// A file that begins with FF FE is UTF-16 little-endian, one that begins with FE FF is
/// UTF-16 big-endian; any other file is UTF-8, and a UTF-8 byte-order mark at its start is
/// dropped. A line ends at LF, CR LF or CR; the line end is not part of the line. Invalid
/// UTF-8, a UTF-16 surrogate without its partner and an odd last byte of UTF-16 become
/// U+FFFD; NUL characters are kept. The file is read in blocks (1 MiB, unless the build sets
/// TAMBERLO_TEXT_BLOCK_SIZE), so a long file or a very long line costs time in proportion to
/// its size; a character, a line end or the byte-order mark cut by a block's end is read
/// whole.
///
/// After the last line ReadLine returns "" and Eof is true; an empty file reads as one "".
/// A read error ends the stream: Eof becomes true and ErrorString says what happened.
/// The end of a file is named Eof because <cstdio> defines EOF as a macro.
class TextInputStream {
  public:
    /// Takes an open, readable device; reads it in blocks of the build's size.
    explicit TextInputStream(std::unique_ptr<QIODevice> device);
    /// Takes an open, readable device; reads it @p blockSize bytes at a time (at least 1).
    TextInputStream(std::unique_ptr<QIODevice> device, std::size_t blockSize);
    ~TextInputStream();
    TextInputStream(const TextInputStream&) = delete;
    TextInputStream& operator=(const TextInputStream&) = delete;

    /// @brief The next line without its line end; "" at the end of the stream.
    QString ReadLine();
    /// @brief True when every line has been read.
    bool Eof();
    /// @brief Closes the file; the stream then is at its end.
    void Close();

    bool HasError() const { return !error_.isEmpty(); }
    /// @brief What went wrong while reading; empty when nothing did.
    QString ErrorString() const { return error_; }

  private:
    /// Appends the next block, as UTF-8, to the buffer; false when the device has no more.
    bool fill();
    /// Reads until the byte-order mark can be told, and picks the encoding.
    bool readStart();
    bool readUtf8Block();
    bool readUtf16Block();
    /// Reads at most @p size bytes to @p to; at the device's end or on an error, 0, and the
    /// stream is at its end.
    std::size_t readDevice(char* to, std::size_t size);

    std::unique_ptr<QIODevice> device_;
    std::size_t blockSize_;
    /// UTF-8 text; the current line starts at pos_.
    std::string buffer_;
    std::size_t pos_ = 0;
    bool atEnd_ = false;
    bool startRead_ = false;
    /// Set when the file is UTF-16; its blocks go through block_ on their way to buffer_.
    std::optional<Utf16ToUtf8> utf16_;
    std::string block_;
    QString error_;
};

} // namespace fw
