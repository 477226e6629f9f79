#pragma once

namespace fw {

/// @brief Lets the framework deliver pending events during a long loop; call it once per
/// iteration.
///
/// Costs next to nothing: only about every 40 ms of run time does it process the pending
/// events other than user input. It does nothing while a Paint event runs (painting is never
/// re-entered) and while a yield is already under way (it never nests).
void YieldToFramework();

/// @brief How many times a yield has let the framework deliver events so far.
///
/// While it stays the same, no event has run from a yield: what only events change (a
/// window's selection, its being open) is as it was.
unsigned long long YieldedTurns();

} // namespace fw
