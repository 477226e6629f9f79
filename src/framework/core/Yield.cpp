#include "Yield.h"

#include "CooperativeYield.h"

#include <chrono>

namespace fw {
namespace {

qint64 SteadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

CooperativeYield& ProgramYield()
{
    static CooperativeYield yield(&SteadyMilliseconds);
    return yield;
}

} // namespace

void YieldToFramework() { ProgramYield().Yield(); }

unsigned long long YieldedTurns() { return ProgramYield().Turns(); }

} // namespace fw
