#pragma once

#include <string_view>

namespace Glycan {

/// @brief Writes the first nine characters of @p code into GlyCode(0) to GlyCode(8).
///
/// Element k takes the value of the code's (k + 1)-th character (a UTF-8 code point) when it
/// is a decimal digit; a non-digit character or a position past the end gives 0.
/// GlyCode(9) is left alone. @p afterEachDigit, when given, runs once after each of the nine
/// elements is written (the drawing loop yields to the framework there).
void SetCodeDigits(std::string_view code, void (*afterEachDigit)() = nullptr);

} // namespace Glycan
