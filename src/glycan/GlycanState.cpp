#include "Glycan.h"

namespace Glycan {

std::array<std::int32_t, 10> GlyCode{};
std::int32_t symbolSet = SymbolSetCFG;
double userMag = 10.0;
double Pi = 3.14159265349;

void InitializeState()
{
    GlyCode.fill(0);
    userMag = 10.0;
    symbolSet = SymbolSetCFG;
    Pi = 3.14159265349;
}

} // namespace Glycan
