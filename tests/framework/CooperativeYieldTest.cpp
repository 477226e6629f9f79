#include "CooperativeYield.h"
#include "EventScope.h"
#include "FrameworkCoreSupport.h"

#include <QTimer>

#include <algorithm>

namespace {

using fw::CooperativeYield;

/// A clock that moves only when told to (or by `step` at each reading), and counts readings.
struct ManualClock {
    qint64 now = 0;
    qint64 step = 0;
    int readings = 0;

    CooperativeYield::Clock Function()
    {
        return [this] {
            ++readings;
            now += step;
            return now;
        };
    }
};

/// As many calls as make exactly one look at the clock.
void CallsForOneLook(CooperativeYield& yield)
{
    for (unsigned i = 0; i < CooperativeYield::CheckEvery; ++i) {
        yield.Yield();
    }
}

using CooperativeYieldTest = FrameworkTest;

TEST_F(CooperativeYieldTest, LooksAtTheClockOnlyOnEverySixtyFourthCall)
{
    ManualClock clock;
    CooperativeYield yield(clock.Function());
    for (int i = 0; i < 64 * 1000 - 1; ++i) {
        yield.Yield();
    }
    EXPECT_EQ(clock.readings, 999);
    yield.Yield();
    EXPECT_EQ(clock.readings, 1000);
    EXPECT_EQ(yield.Turns(), 0U); // the clock stood still
}

TEST_F(CooperativeYieldTest, TakesATurnOnceTheIntervalHasPassedSinceTheLastOne)
{
    ManualClock clock;
    CooperativeYield yield(clock.Function());
    int delivered = 0;
    const QObject context; // drops what is still queued when the test ends
    QTimer::singleShot(0, &context, [&delivered] { ++delivered; });

    CallsForOneLook(yield); // the first look only starts the interval
    clock.now = 39;
    CallsForOneLook(yield);
    EXPECT_EQ(yield.Turns(), 0U);
    EXPECT_EQ(delivered, 0);

    clock.now = 40;
    CallsForOneLook(yield);
    EXPECT_EQ(yield.Turns(), 1U);
    EXPECT_EQ(delivered, 1);

    // The next interval counts from the end of that turn.
    QTimer::singleShot(0, &context, [&delivered] { ++delivered; });
    clock.now = 79;
    CallsForOneLook(yield);
    EXPECT_EQ(delivered, 1);
    clock.now = 80;
    CallsForOneLook(yield);
    EXPECT_EQ(yield.Turns(), 2U);
    EXPECT_EQ(delivered, 2);
}

TEST_F(CooperativeYieldTest, EventsThatYieldDuringATurnDoNotNestAnotherTurn)
{
    ManualClock clock;
    clock.step = 1000; // every look finds the interval passed
    CooperativeYield yield(clock.Function());
    int depth = 0;
    int deepest = 0;
    int delivered = 0;
    const QObject context;
    for (int i = 0; i < 3; ++i) {
        QTimer::singleShot(0, &context, [&] {
            ++delivered;
            deepest = std::max(deepest, ++depth);
            for (int j = 0; j < 10; ++j) {
                CallsForOneLook(yield);
            }
            --depth;
        });
    }
    CallsForOneLook(yield);
    CallsForOneLook(yield);
    EXPECT_EQ(delivered, 3);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(yield.Turns(), 1U);
}

TEST_F(CooperativeYieldTest, NothingHappensWhilePainting)
{
    ManualClock clock;
    clock.step = 1000;
    CooperativeYield yield(clock.Function());
    bool delivered = false;
    const QObject context;
    QTimer::singleShot(0, &context, [&delivered] { delivered = true; });
    {
        const fw::PaintScope painting;
        for (int i = 0; i < 10; ++i) {
            CallsForOneLook(yield);
        }
        EXPECT_EQ(clock.readings, 0);
        EXPECT_EQ(yield.Turns(), 0U);
        EXPECT_FALSE(delivered);
    }
    CallsForOneLook(yield);
    CallsForOneLook(yield);
    EXPECT_EQ(yield.Turns(), 1U);
    EXPECT_TRUE(delivered);
}

} // namespace
