#include "TextInputStream.h"
#include "TextStreamSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct LinesCase {
    const char* name;
    QByteArray bytes;
    QStringList lines;
};

class TextInputStreamLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(TextInputStreamLines, SplitsAndDecodes)
{
    const auto stream = StreamOver(GetParam().bytes);
    EXPECT_EQ(ReadAll(*stream), GetParam().lines);
    EXPECT_TRUE(stream->Eof());
    EXPECT_EQ(stream->ReadLine(), QString());
    EXPECT_FALSE(stream->HasError());
}

const QString nulLine = QString("a") + QChar(0) + "b";

INSTANTIATE_TEST_SUITE_P(
    LineEnds, TextInputStreamLines,
    ::testing::Values(LinesCase{"Empty", "", {""}},
                      LinesCase{"Lf", "3100202\n3011111\n", {"3100202", "3011111"}},
                      LinesCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                      LinesCase{"Cr", "a\rb\r", {"a", "b"}},
                      LinesCase{"Mixed", "a\n\r\nb\r\rc\n", {"a", "", "b", "", "c"}},
                      LinesCase{"NoFinalLineEnd", "a\nb", {"a", "b"}},
                      LinesCase{"OnlyLineEnds", "\n\n", {"", ""}},
                      LinesCase{"Bom",
                                "\xEF\xBB\xBF"
                                "3100202\n",
                                {"3100202"}},
                      LinesCase{"BomOnly", "\xEF\xBB\xBF", {""}},
                      LinesCase{"Utf8",
                                "Gal\xCE\xB2"
                                "1-4\n",
                                {QString::fromUtf8("Gal\u03B2"
                                                   "1-4")}},
                      LinesCase{"InvalidUtf8",
                                "a\xFF"
                                "b\n\xC3\n",
                                {QString("a\uFFFDb"), "\uFFFD"}},
                      LinesCase{"Nul", QByteArray("a\0b\nc", 5), {nulLine, "c"}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(TextInputStream, CrLfSplitAcrossReadBlocksIsOneLineEnd)
{
    for (const int blockEdge : {1 << 20, (1 << 20) + 1}) {
        QByteArray bytes(blockEdge - 1, 'x');
        bytes += "\r\ny";
        const auto stream = StreamOver(bytes);
        const QStringList lines = ReadAll(*stream);
        ASSERT_EQ(lines.size(), 2) << blockEdge;
        EXPECT_EQ(lines[0].size(), blockEdge - 1);
        EXPECT_EQ(lines[1], "y");
    }
}

/// A sequential device of @p size bytes that repeat @p pattern; counts the reads asked of it.
class PatternDevice : public QIODevice {
  public:
    PatternDevice(QByteArray pattern, qint64 size, int& reads)
        : pattern_(std::move(pattern)), size_(size), reads_(reads)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        ++reads_;
        const qint64 count = std::min(maxSize, size_ - pos_);
        for (qint64 i = 0; i < count; ++i) {
            data[i] = pattern_[(pos_ + i) % pattern_.size()];
        }
        pos_ += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    QByteArray pattern_;
    qint64 size_;
    qint64 pos_ = 0;
    int& reads_;
};

constexpr qint64 megabyte = 1 << 20;

/// Reads enough for @p size bytes in blocks of a megabyte: one per block, and a few more
/// at the start and the end.
qint64 BlockReads(qint64 size) { return size / megabyte + 4; }

// Lines are cut from large blocks: the device is asked for a block at a time, never for a
// line at a time, however short or long the lines are.
TEST(TextInputStream, ManyLinesAndLongLinesAreReadInWholeBlocks)
{
    // Nine-byte lines straddle the block edges, some of them between CR and LF.
    constexpr int lineCount = 350'000;
    int reads = 0;
    fw::TextInputStream many(std::make_unique<PatternDevice>("3100202\r\n", 9 * lineCount, reads));
    int count = 0;
    while (!many.Eof()) {
        ASSERT_EQ(many.ReadLine(), "3100202") << count;
        ++count;
    }
    EXPECT_EQ(count, lineCount);
    EXPECT_LE(reads, BlockReads(9 * lineCount));

    reads = 0;
    constexpr qint64 longSize = 5 * megabyte + 1;
    fw::TextInputStream longLine(std::make_unique<PatternDevice>("7", longSize, reads));
    EXPECT_EQ(longLine.ReadLine(), QString(longSize, QLatin1Char('7')));
    EXPECT_TRUE(longLine.Eof());
    EXPECT_LE(reads, BlockReads(longSize));
}

/// A device whose every read fails.
class FailingDevice : public QIODevice {
  public:
    FailingDevice() { open(QIODevice::ReadOnly); }

  protected:
    qint64 readData(char*, qint64) override
    {
        setErrorString("Input/output error");
        return -1;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
};

TEST(TextInputStream, AReadErrorEndsTheStreamAndIsReported)
{
    fw::TextInputStream stream(std::make_unique<FailingDevice>());
    EXPECT_EQ(stream.ReadLine(), QString());
    EXPECT_TRUE(stream.Eof());
    EXPECT_TRUE(stream.HasError());
    EXPECT_EQ(stream.ErrorString(), "Input/output error");
}

} // namespace
