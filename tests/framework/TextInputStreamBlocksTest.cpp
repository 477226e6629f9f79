// The text stream's decoding, in blocks of 1 to 8 bytes and in one block: whatever block
// boundary cuts a byte-order mark, a character or a CR LF, the lines are the same.
#include "TextInputStream.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <string_view>

namespace {

constexpr std::size_t oneMebibyte = 1 << 20;

std::unique_ptr<fw::TextInputStream> StreamOver(const QByteArray& bytes, std::size_t blockSize)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return std::make_unique<fw::TextInputStream>(std::move(buffer), blockSize);
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

QString Text(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

struct DecodingRow {
    std::string name;
    QByteArray bytes;
    QStringList lines;
};

// Two, three and four bytes of UTF-8.
const QStringList wideLines{Text(u"Gal\u03B2\u00A0\u2713"), Text(u"\U0001F600x"),
                            Text(u"\U00010400")};

const QList<DecodingRow> rows{
    {"ShorterThanAnyBom", "\xFF", {"\uFFFD"}},
    {"Utf8BomCut", "\xEF\xBB", {"\uFFFD\uFFFD"}},
    {"Utf8Wide",
     "\xEF\xBB\xBFGal\xCE\xB2\xC2\xA0\xE2\x9C\x93\r\n\xF0\x9F\x98\x80x\n\xF0\x90\x90\x80",
     wideLines},
    {"Utf8CrBeforeCrLf", "a\r\r\nb\r", {"a", "", "b"}},
    {"Utf8InvalidAcrossLines", "a\xF0\x9F\n\x98\x80", {"a\uFFFD\uFFFD", "\uFFFD\uFFFD"}},
};

struct BlockCase {
    DecodingRow row;
    std::size_t blockSize;
};

void PrintTo(const BlockCase& param, std::ostream* out)
{
    *out << param.row.name << "_Block" << param.blockSize;
}

class TextInputStreamBlocks : public ::testing::TestWithParam<BlockCase> {};

TEST_P(TextInputStreamBlocks, GiveTheSameLines)
{
    const auto stream = StreamOver(GetParam().row.bytes, GetParam().blockSize);
    EXPECT_EQ(ReadAll(*stream), GetParam().row.lines);
    EXPECT_TRUE(stream->Eof());
    EXPECT_EQ(stream->ReadLine(), QString());
    EXPECT_FALSE(stream->HasError());
}

QList<BlockCase> EveryRowInSmallAndLargeBlocks()
{
    QList<BlockCase> cases;
    for (const DecodingRow& row : rows) {
        for (const std::size_t blockSize : {1, 2, 3, 4, 5, 6, 7, 8}) {
            cases.append({row, blockSize});
        }
        cases.append({row, oneMebibyte});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Decoding, TextInputStreamBlocks,
                         ::testing::ValuesIn(EveryRowInSmallAndLargeBlocks()),
                         ::testing::PrintToStringParamName());

// A block size of 0 would read nothing: it counts as 1.
TEST(TextInputStreamBlockSize, ZeroReadsAByteAtATime)
{
    const auto stream = StreamOver("a\r\nb", 0);
    EXPECT_EQ(ReadAll(*stream), (QStringList{"a", "b"}));
}

} // namespace
