#include "CodeDigits.h"

#include "Glycan.h"

#include <cstddef>

namespace Glycan {

void SetCodeDigits(std::string_view code, void (*afterEachDigit)())
{
    constexpr std::size_t digitCount = 9;
    const auto written = [afterEachDigit] {
        if (afterEachDigit != nullptr) {
            afterEachDigit();
        }
    };
    std::size_t element = 0;
    for (std::size_t i = 0; i < code.size() && element < digitCount; ++i) {
        const auto byte = static_cast<unsigned char>(code[i]);
        // Continuation bytes belong to the character already counted.
        if ((byte & 0xC0) == 0x80) {
            continue;
        }
        GlyCode[element] = byte >= '0' && byte <= '9' ? static_cast<std::int32_t>(byte - '0') : 0;
        ++element;
        written();
    }
    for (; element < digitCount; ++element) {
        GlyCode[element] = 0;
        written();
    }
}

} // namespace Glycan
