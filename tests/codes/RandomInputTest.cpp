// Both readers on random input: they must end, report no error and give only codes.
#include "CodesTestSupport.h"

#include "CodeFileReader.h"
#include "LibraryReader.h"

#include <QRegularExpression>

#include <random>

using namespace Qt::StringLiterals;

namespace {

using RandomInput = CodesTest;

// Pieces weighted towards what the readers look at, with NUL, invalid UTF-8, a byte-order
// mark and Unicode white space among them.
QByteArray RandomText(std::mt19937& random)
{
    static const QByteArray pieces[] = {"\n",
                                        "\r",
                                        "\r\n",
                                        " ",
                                        "\t",
                                        "\xC2\xA0",
                                        "3",
                                        "1",
                                        "0",
                                        "6",
                                        "7",
                                        "9",
                                        "<string>",
                                        "</string>",
                                        ">",
                                        "<",
                                        "string",
                                        QByteArray(1, '\0'),
                                        "\x80",
                                        "\xFF",
                                        "\xEF\xBB\xBF",
                                        "\xE2\x80\x83",
                                        "x"};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 20000);
    QByteArray text;
    for (int n = length(random); n > 0; --n) {
        text += pieces[pick(random)];
    }
    return text;
}

TEST_F(RandomInput, GivesOnlyCodes)
{
    const QRegularExpression code(u"^[3-9][01][01][0-6][0-6][0-6][0-6]"_s);
    const QRegularExpression digits(u"^[0-9]*$"_s);
    const QRegularExpression whiteSpace(u"\\s"_s, QRegularExpression::UseUnicodePropertiesOption);
    std::mt19937 random(20240601);
    fw::FolderItem folder = TempFolder();
    fw::FolderItem file(TempPath(codes::LibraryFileName));
    qsizetype codeCount = 0;
    qsizetype libraryCount = 0;
    for (int round = 0; round < 40; ++round) {
        WriteBytes(file.Path(), RandomText(random));

        const codes::CodeFileLoad load = codes::ReadCodeFile(file);
        ASSERT_EQ(load.error, QString()) << "round " << round;
        codeCount += load.codes.size();
        for (const QString& text : load.codes) {
            EXPECT_TRUE(text.isEmpty() || code.match(text).hasMatch()) << "round " << round;
            EXPECT_FALSE(text.contains(whiteSpace)) << "round " << round;
        }

        const codes::LibraryLoad library = codes::ReadLibrary(folder);
        ASSERT_EQ(library.error, QString()) << "round " << round;
        libraryCount += library.codes.size();
        for (const QString& text : library.codes) {
            EXPECT_TRUE(digits.match(text).hasMatch()) << "round " << round;
        }
    }
    // The input is not so random that nothing is accepted.
    EXPECT_GT(codeCount, 0);
    EXPECT_GT(libraryCount, 0);
}

} // namespace
