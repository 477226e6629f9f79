#include "CodeDigits.h"
#include "GlycanTestSupport.h"

#include <array>

using namespace Glycan;

namespace {

using Digits = std::array<std::int32_t, 9>;

Digits FirstNine()
{
    Digits digits{};
    std::copy_n(GlyCode.begin(), digits.size(), digits.begin());
    return digits;
}

} // namespace

TEST(CodeDigits, EachCharacterGivesItsDigitOrZero)
{
    const std::vector<std::pair<std::string, Digits>> cases{
        {"3100202", {3, 1, 0, 0, 2, 0, 2, 0, 0}},
        {"912345678999", {9, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"", {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"3a-0 .2+9", {3, 0, 0, 0, 0, 0, 2, 0, 9}},
        // A character outside ASCII is one character, not one per byte.
        {"3β1202", {3, 0, 1, 2, 0, 2, 0, 0, 0}},
    };
    for (const auto& [code, digits] : cases) {
        GlyCode.fill(7);
        SetCodeDigits(code);
        EXPECT_EQ(FirstNine(), digits) << "\"" << code << "\"";
        EXPECT_EQ(GlyCode[9], 7) << "element 9 is not the code's";
    }
}

namespace {

// What the callback saw, call by call: element n - 1 as it stood at the n-th call.
std::vector<std::int32_t> seenAtEachCall;

void RecordLastWritten()
{
    const std::size_t calls = seenAtEachCall.size();
    seenAtEachCall.push_back(GlyCode[calls]);
}

} // namespace

TEST(CodeDigits, CallbackRunsOnceAfterEachOfTheNineElements)
{
    for (const std::string code : {"3100202", "912345678999", "", "3β1"}) {
        GlyCode.fill(7);
        seenAtEachCall.clear();
        SetCodeDigits(code, RecordLastWritten);
        const Digits written = FirstNine();
        EXPECT_EQ(seenAtEachCall, std::vector<std::int32_t>(written.begin(), written.end()))
            << "\"" << code << "\"";
    }
}
