#include "TextInputStream.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <chrono>

namespace {

std::unique_ptr<fw::TextInputStream> StreamOver(const QByteArray& bytes)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return std::make_unique<fw::TextInputStream>(std::move(buffer));
}

/// Reads the way the program does: a line first, the end tested after it.
QStringList ReadAll(fw::TextInputStream& stream)
{
    QStringList lines;
    do {
        lines.append(stream.ReadLine());
    } while (!stream.Eof());
    return lines;
}

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

TEST(TextInputStream, ManyLinesAndLongLinesReadInLinearTime)
{
    QByteArray many;
    for (int i = 0; i < 1'000'000; ++i) {
        many += "3100202\n";
    }
    const auto start = std::chrono::steady_clock::now();
    const auto stream = StreamOver(many);
    int count = 0;
    while (!stream->Eof()) {
        ASSERT_EQ(stream->ReadLine(), "3100202");
        ++count;
    }
    EXPECT_EQ(count, 1'000'000);
    const auto longLine = StreamOver(QByteArray(64 << 20, '7'));
    EXPECT_EQ(longLine->ReadLine().size(), 64 << 20);
    EXPECT_TRUE(longLine->Eof());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
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
