#include "TextInputStream.h"

#include <QIODevice>

#include <cstring>

namespace fw {

namespace {

constexpr std::size_t blockSize = 1 << 20;
constexpr char utf8Bom[] = "\xEF\xBB\xBF";
constexpr std::size_t utf8BomSize = 3;

} // namespace

TextInputStream::TextInputStream(std::unique_ptr<QIODevice> device) : device_(std::move(device))
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
    // Drop what has been read, so the buffer holds at most the current line and one block.
    if (pos_ > 0) {
        buffer_.erase(0, pos_);
        pos_ = 0;
    }
    const std::size_t old = buffer_.size();
    buffer_.resize(old + blockSize);
    const qint64 count = device_->read(buffer_.data() + old, static_cast<qint64>(blockSize));
    buffer_.resize(old + static_cast<std::size_t>(count > 0 ? count : 0));
    if (count < 0) {
        error_ = device_->errorString();
    }
    if (count <= 0) {
        atEnd_ = true;
    }
    if (!startChecked_ && (buffer_.size() >= utf8BomSize || atEnd_)) {
        startChecked_ = true;
        if (buffer_.compare(0, utf8BomSize, utf8Bom) == 0) {
            pos_ = utf8BomSize;
        }
    }
    return count > 0;
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
