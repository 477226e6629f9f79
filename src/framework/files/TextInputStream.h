#pragma once

#include <QString>

#include <memory>
#include <string>

class QIODevice;

namespace fw {

/// @brief Reads a text file line by line, in UTF-8.
///
/// A line ends at LF, CR LF or CR; the line end is not part of the line. Invalid UTF-8
/// becomes U+FFFD, a UTF-8 byte-order mark at the start of the file is dropped and NUL
/// characters are kept. The file is read in large blocks, so a long file or a very long
/// line costs time in proportion to its size.
///
/// After the last line ReadLine returns "" and Eof is true; an empty file reads as one "".
/// A read error ends the stream: Eof becomes true and ErrorString says what happened.
/// The end of a file is named Eof because <cstdio> defines EOF as a macro.
class TextInputStream {
  public:
    /// Takes an open, readable device.
    explicit TextInputStream(std::unique_ptr<QIODevice> device);
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
    /// Appends the next block to the buffer; false when the device has no more.
    bool fill();

    std::unique_ptr<QIODevice> device_;
    std::string buffer_;
    std::size_t pos_ = 0;
    bool atEnd_ = false;
    bool startChecked_ = false;
    QString error_;
};

} // namespace fw
