#include "TextInputStream.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace fw {

namespace {

#ifdef TAMBERLO_TEXT_BLOCK_SIZE
constexpr std::size_t defaultBlockSize = TAMBERLO_TEXT_BLOCK_SIZE;
#else
constexpr std::size_t defaultBlockSize = 1 << 20;
#endif
constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view utf16LeBom = "\xFF\xFE";
constexpr std::string_view utf16BeBom = "\xFE\xFF";

} // namespace

TextInputStream::TextInputStream(std::unique_ptr<QIODevice> device)
    : TextInputStream(std::move(device), defaultBlockSize)
{
}

TextInputStream::TextInputStream(std::unique_ptr<QIODevice> device, std::size_t blockSize)
    : device_(std::move(device)), blockSize_(std::max<std::size_t>(blockSize, 1))
{
    if (device_ == nullptr || !device_->isReadable()) {
        atEnd_ = true;
        if (device_ != nullptr) {
            error_ = device_->errorString();
        }
    }
}

TextInputStream::~TextInputStream() = default;

bool TextInputStream::fill()
{
    if (atEnd_) {
        return false;
    }
    // Drop what has been read, so the buffer holds at most the current line and one block's
    // text.
    if (pos_ > 0) {
        buffer_.erase(0, pos_);
        pos_ = 0;
    }
    if (!startRead_) {
        return readStart();
    }
    return utf16_ ? readUtf16Block() : readUtf8Block();
}

bool TextInputStream::readStart()
{
    startRead_ = true;
    // The longest mark has three bytes, and a block may hold fewer.
    bool read = false;
    while (buffer_.size() < utf8Bom.size() && readUtf8Block()) {
        read = true;
    }
    const std::string_view start(buffer_);
    if (start.starts_with(utf8Bom)) {
        pos_ = utf8Bom.size();
    } else if (start.starts_with(utf16LeBom) || start.starts_with(utf16BeBom)) {
        utf16_.emplace(start.starts_with(utf16BeBom));
        // What was read is UTF-16: it moves to block_, and its text comes back as UTF-8.
        block_.swap(buffer_);
        buffer_.clear();
        utf16_->Append(std::string_view(block_).substr(utf16LeBom.size()), buffer_);
        if (atEnd_) {
            utf16_->Finish(buffer_);
        }
    }
    return read;
}

bool TextInputStream::readUtf8Block()
{
    const std::size_t old = buffer_.size();
    buffer_.resize(old + blockSize_);
    const std::size_t count = readDevice(buffer_.data() + old, blockSize_);
    buffer_.resize(old + count);
    return count > 0;
}

bool TextInputStream::readUtf16Block()
{
    block_.resize(blockSize_);
    const std::size_t count = readDevice(block_.data(), blockSize_);
    utf16_->Append(std::string_view(block_.data(), count), buffer_);
    if (atEnd_) {
        utf16_->Finish(buffer_);
    }
    return count > 0;
}

std::size_t TextInputStream::readDevice(char* to, std::size_t size)
{
    const qint64 count = device_->read(to, static_cast<qint64>(size));
    if (count < 0) {
        error_ = device_->errorString();
    }
    if (count <= 0) {
        atEnd_ = true;
        return 0;
    }
    return static_cast<std::size_t>(count);
}

QString TextInputStream::ReadLine()
{
    // Bytes after pos_ that are known to hold no line end.
    std::size_t scanned = 0;
    for (;;) {
        const char* line = buffer_.data() + pos_;
        const char* end = buffer_.data() + buffer_.size();
        const char* from = line + scanned;
        const auto* lf = static_cast<const char*>(std::memchr(from, '\n', end - from));
        const char* limit = lf != nullptr ? lf : end;
        const auto* cr = static_cast<const char*>(std::memchr(from, '\r', limit - from));
        const char* stop = cr != nullptr ? cr : lf;

        if (stop != nullptr && !(stop == cr && stop + 1 == end && !atEnd_)) {
            QString text = QString::fromUtf8(line, stop - line);
            pos_ = static_cast<std::size_t>(stop - buffer_.data()) + 1;
            if (stop == cr && pos_ < buffer_.size() && buffer_[pos_] == '\n') {
                ++pos_;
            }
            return text;
        }
        if (stop == nullptr && atEnd_) {
            QString text = QString::fromUtf8(line, end - line);
            pos_ = buffer_.size();
            return text;
        }
        // Either no line end yet, or a CR at the end of the buffer that an LF may follow.
        scanned = static_cast<std::size_t>((stop != nullptr ? stop : end) - line);
        fill();
    }
}

bool TextInputStream::Eof()
{
    while (pos_ >= buffer_.size() && fill()) {
    }
    return pos_ >= buffer_.size() && atEnd_;
}

void TextInputStream::Close()
{
    if (device_ != nullptr) {
        device_->close();
    }
    buffer_.clear();
    pos_ = 0;
    atEnd_ = true;
}

} // namespace fw
