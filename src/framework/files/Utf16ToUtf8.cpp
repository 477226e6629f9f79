#include "Utf16ToUtf8.h"

#include <QtGlobal>

namespace fw {

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

/// Writes the UTF-8 of @p c at @p to; returns the end of what it wrote.
char* PutCodePoint(char32_t c, char* to)
{
    if (c < 0x80) {
        *to++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *to++ = static_cast<char>(0xC0 | (c >> 6));
        *to++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *to++ = static_cast<char>(0xE0 | (c >> 12));
        *to++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *to++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *to++ = static_cast<char>(0xF0 | (c >> 18));
        *to++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *to++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *to++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return to;
}

} // namespace

void Utf16ToUtf8::Append(std::string_view bytes, std::string& out)
{
    const auto unitOf = [this](std::uint8_t first, std::uint8_t second) {
        return static_cast<char16_t>(bigEndian_ ? (first << 8) | second : (second << 8) | first);
    };
    const auto byteAt = [&bytes](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
    // A code unit gives at most three bytes of UTF-8 (a surrogate pair four for two), and a
    // high surrogate left by the last block at most three more.
    const std::size_t old = out.size();
    out.resize(old + (bytes.size() + 1) / 2 * 3 + 3);
    char* to = out.data() + old;
    std::size_t i = 0;
    if (hasPendingByte_ && !bytes.empty()) {
        hasPendingByte_ = false;
        to = putUnit(unitOf(pendingByte_, byteAt(0)), to);
        i = 1;
    }
    for (; i + 1 < bytes.size(); i += 2) {
        to = putUnit(unitOf(byteAt(i), byteAt(i + 1)), to);
    }
    if (i < bytes.size()) {
        pendingByte_ = byteAt(i);
        hasPendingByte_ = true;
    }
    Q_ASSERT(to <= out.data() + out.size());
    out.resize(static_cast<std::size_t>(to - out.data()));
}

void Utf16ToUtf8::Finish(std::string& out)
{
    char replacement[3];
    const std::string_view text(replacement, PutCodePoint(replacementCharacter, replacement));
    if (pendingHigh_ != 0) {
        pendingHigh_ = 0;
        out += text;
    }
    if (hasPendingByte_) {
        hasPendingByte_ = false;
        out += text;
    }
}

char* Utf16ToUtf8::putUnit(char16_t unit, char* to)
{
    if (pendingHigh_ != 0) {
        const char16_t high = pendingHigh_;
        pendingHigh_ = 0;
        if (IsLowSurrogate(unit)) {
            // Each surrogate holds ten bits of the code point less 0x10000.
            const char32_t bits = (char32_t{high} & 0x3FF) << 10 | (char32_t{unit} & 0x3FF);
            return PutCodePoint(0x10000 + bits, to);
        }
        to = PutCodePoint(replacementCharacter, to);
    }
    if (IsHighSurrogate(unit)) {
        pendingHigh_ = unit;
        return to;
    }
    return PutCodePoint(IsLowSurrogate(unit) ? replacementCharacter : unit, to);
}

} // namespace fw
