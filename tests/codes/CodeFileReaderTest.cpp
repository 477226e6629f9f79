#include "CodesTestSupport.h"

#include "CodeFileReader.h"
#include "CodeList.h"
#include "CooperativeYield.h"
#include "Yield.h"

#include <chrono>
#include <thread>

using namespace Qt::StringLiterals;
using codes::ReadCodeFile;

namespace {

struct CodeFileRow {
    std::string name;
    /// A committed fixture, or empty for `bytes` written to a temporary file.
    QString fixture;
    QByteArray bytes;
    QStringList codes;
};

void PrintTo(const CodeFileRow& row, std::ostream* out) { *out << row.name; }

class CodeFileRows : public CodesTestWithParam<CodeFileRow> {};

// The codes of codes-mixed.txt and codes-unicode.txt, also read from their UTF-16 twins.
const QStringList mixedCodes{u"3100202"_s,           u"3100202"_s,  u"4110000"_s, u""_s,
                             u"3100202999comment"_s, u"31002029"_s, u"5000000x"_s};
const QStringList unicodeCodes{u"3100202"_s, u"4110000\U0001F600"_s, u""_s, u"5000000\u03B2-Gal"_s,
                               u"9016666"_s};

TEST_P(CodeFileRows, ReadsTheAcceptedCodes)
{
    const CodeFileRow& row = GetParam();
    fw::FolderItem file(row.fixture.isEmpty() ? TempPath(u"codes.txt"_s) : DataPath(row.fixture));
    if (row.fixture.isEmpty()) {
        WriteBytes(file.Path(), row.bytes);
    }
    const codes::CodeFileLoad load = ReadCodeFile(file);
    EXPECT_EQ(load.error, QString());
    EXPECT_EQ(load.codes, row.codes);
    EXPECT_EQ(load.leftOut, 0);
    EXPECT_EQ(load.fileName, file.Name());
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CodeFileRows,
    ::testing::Values(
        // The end is tested after a line: an empty file is one empty code.
        CodeFileRow{"EmptyFile", {}, "", {u""_s}},
        CodeFileRow{"WhiteSpaceOnly", {}, " \t \n", {u""_s}},
        CodeFileRow{"TrailingEmptyLine", {}, "3100202\n\n", {u"3100202"_s, u""_s}},
        // CR LF, CR, LF and a last line without a line end.
        CodeFileRow{"LineEnds",
                    {},
                    "3100202\r\n4110000\r5000000\n6000000",
                    {u"3100202"_s, u"4110000"_s, u"5000000"_s, u"6000000"_s}},
        // Blanks, tabs, skipped lines, a code followed by more text kept whole.
        CodeFileRow{"MixedFixture", u"codes-mixed.txt"_s, {}, mixedCodes},
        // UTF-16 with its byte-order mark, little-endian with CR LF, big-endian with LF.
        CodeFileRow{"MixedFixtureUtf16Le", u"codes-mixed-utf16le.txt"_s, {}, mixedCodes},
        CodeFileRow{"MixedFixtureUtf16Be", u"codes-mixed-utf16be.txt"_s, {}, mixedCodes},
        // No-break and em spaces are white space; a letter or a character outside the Basic
        // Multilingual Plane before the code rejects a line, after it is kept.
        CodeFileRow{"UnicodeFixture", u"codes-unicode.txt"_s, {}, unicodeCodes},
        CodeFileRow{"UnicodeFixtureUtf16Le", u"codes-unicode-utf16le.txt"_s, {}, unicodeCodes},
        CodeFileRow{"UnicodeFixtureUtf16Be", u"codes-unicode-utf16be.txt"_s, {}, unicodeCodes},
        CodeFileRow{"ByteOrderMark", u"codes-bom.txt"_s, {}, {u"3100202"_s, u"4110000"_s}},
        // Latin-1 letters are invalid UTF-8 and read as U+FFFD.
        CodeFileRow{"Latin1Fixture",
                    u"codes-latin1.txt"_s,
                    {},
                    {u"3100202caf\uFFFD"_s, u"5000000\uFFFD"_s}},
        CodeFileRow{"InvalidUtf8",
                    {},
                    "31\xff"
                    "00202\n3100202\xfe\n",
                    {u"3100202\uFFFD"_s}},
        // Tab, UTF-8 no-break space and em space are white space; a Latin-1 0xA0 is not.
        CodeFileRow{"TabsAndNoBreakSpaces",
                    {},
                    "3\t1\xC2\xA0"
                    "0 0\t2\xE2\x80\x83"
                    "02\n3\xA0"
                    "100202\n",
                    {u"3100202"_s}},
        // NUL is not white space: it ends the code inside the first seven characters, and
        // is kept after them.
        CodeFileRow{"NulBytes",
                    {},
                    Bytes("3100\0"
                          "202\n3100202\0x\n\0\n"),
                    {u"3100202\0x"_s}},
        CodeFileRow{
            "BinaryBytes",
            {},
            Bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\n3 1 0 0 2 0 2\n\xff\xd8\xff\xe0\0\x10JFIF\0"),
            {u"3100202"_s}}),
    ::testing::PrintToStringParamName());

struct CapacityRow {
    std::string name;
    qsizetype accepted;
};

void PrintTo(const CapacityRow& row, std::ostream* out) { *out << row.name; }

class CodeFileCapacity : public CodesTestWithParam<CapacityRow> {};

// Rejected lines between the codes do not count towards the capacity.
TEST_P(CodeFileCapacity, KeepsTheFirstCodesAndCountsTheRest)
{
    const qsizetype accepted = GetParam().accepted;
    fw::FolderItem file(TempPath(u"many.txt"_s));
    WriteLines(file.Path(), 2 * accepted, [](qsizetype i) {
        return i % 2 == 0 ? "3 100000" + QByteArray::number(i / 2) : QByteArray("2100000");
    });
    const codes::CodeFileLoad load = ReadCodeFile(file);
    ASSERT_EQ(load.error, QString());
    ASSERT_EQ(load.codes.size(), codes::CodeListCapacity);
    EXPECT_EQ(load.codes.front(), u"31000000"_s);
    EXPECT_EQ(load.codes.back(), u"310000010000"_s);
    EXPECT_EQ(load.leftOut, accepted - codes::CodeListCapacity);
}

INSTANTIATE_TEST_SUITE_P(Codes, CodeFileCapacity,
                         ::testing::Values(CapacityRow{"Exactly10001", 10001},
                                           CapacityRow{"OneTooMany", 10002},
                                           CapacityRow{"ManyTooMany", 12345}),
                         ::testing::PrintToStringParamName());

using CodeFileLarge = CodesTest;

TEST_F(CodeFileLarge, FarMoreLinesThanTheCodeListHolds)
{
    fw::FolderItem file(TempPath(u"many.txt"_s));
    // Four kinds of line in turn: a code with blanks, a code, a rejected line, an empty line.
    WriteLines(file.Path(), 100'000, [](qsizetype i) {
        static const QByteArray kinds[] = {"4 1 1 0 0 0 0", "3100202", "3700000", ""};
        return kinds[i % 4];
    });
    const codes::CodeFileLoad load = ReadCodeFile(file);
    ASSERT_EQ(load.error, QString());
    ASSERT_EQ(load.codes.size(), codes::CodeListCapacity);
    EXPECT_EQ(load.codes.mid(0, 4), (QStringList{u"4110000"_s, u"3100202"_s, u""_s, u"4110000"_s}));
    EXPECT_EQ(load.codes.back(), u"3100202"_s); // line 13334, the 10001st taken
    EXPECT_EQ(load.leftOut, 75'000 - codes::CodeListCapacity);
}

// A line of several read blocks arrives whole, without its blanks.
TEST_F(CodeFileLarge, LineLongerThanManyReadBlocks)
{
    fw::FolderItem file(TempPath(u"long.txt"_s));
    constexpr qsizetype size = 8 * 1024 * 1024;
    QByteArray line("3 1 0 0 2 0 2");
    line.reserve(size + 1);
    while (line.size() < size) {
        line += line.size() % 1000 == 0 ? ' ' : '5';
    }
    const qsizetype blanks = line.count(' ');
    WriteBytes(file.Path(), line);
    line.clear();

    const codes::CodeFileLoad load = ReadCodeFile(file);
    ASSERT_EQ(load.error, QString());
    ASSERT_EQ(load.codes.size(), 1);
    EXPECT_EQ(load.codes.front().size(), size - blanks);
    EXPECT_TRUE(load.codes.front().startsWith(u"3100202555"_s));
    EXPECT_FALSE(load.codes.front().contains(u' '));
}

using CodeFileYields = CodesTest;

// The reader yields once per line: once the yield's interval has passed, an event posted
// before the load is delivered within the first lines.
TEST_F(CodeFileYields, EventsPostedBeforeALoadAreDeliveredDuringIt)
{
    fw::FolderItem file(TempPath(u"codes.txt"_s));
    WriteLines(file.Path(), 2 * fw::CooperativeYield::CheckEvery,
               [](qsizetype) { return QByteArray("3100202"); });
    for (unsigned i = 0; i < fw::CooperativeYield::CheckEvery; ++i) {
        fw::YieldToFramework(); // the yield has looked at the clock since its last turn
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(fw::CooperativeYield::IntervalMs));
    const auto delivered = std::make_shared<bool>(false);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [delivered] { *delivered = true; }, Qt::QueuedConnection);
    const auto turns = fw::YieldedTurns();
    const codes::CodeFileLoad load = ReadCodeFile(file);
    EXPECT_TRUE(*delivered);
    EXPECT_GT(fw::YieldedTurns(), turns);
    EXPECT_EQ(load.codes.size(), 2 * fw::CooperativeYield::CheckEvery);
}

class CodeFileErrors : public CodesTestWithParam<UnreadableFile> {};

// A file that cannot be opened or read gives no codes and says which file and why.
TEST_P(CodeFileErrors, ReportTheFileAndGiveNoCodes)
{
    const QString path = TempPath(u"codes.txt"_s);
    if (!GetParam().make(path)) {
        GTEST_SKIP() << "not possible here";
    }
    fw::FolderItem file(path);
    const codes::CodeFileLoad load = ReadCodeFile(file);
    EXPECT_TRUE(load.codes.isEmpty());
    EXPECT_EQ(load.leftOut, 0);
    EXPECT_EQ(load.fileName, file.Name());
    EXPECT_TRUE(load.error.contains(path)) << load.error.toStdString();
    EXPECT_TRUE(load.error.contains(GetParam().reason)) << load.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Codes, CodeFileErrors,
                         ::testing::ValuesIn(UnreadableFiles(/*withMissing=*/true)),
                         ::testing::PrintToStringParamName());

} // namespace
