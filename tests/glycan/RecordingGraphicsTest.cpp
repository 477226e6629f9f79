#include "RecordingGraphics.h"

#include <gtest/gtest.h>

TEST(RecordingGraphics, MetricsFollowTheStoredTextSize)
{
    RecordingGraphics g;
    g.TextSize(10.0f);
    EXPECT_DOUBLE_EQ(g.StringWidth("Manβ1"), 25.0); // five code points
    EXPECT_EQ(g.TextHeight(), 12);
    g.TextSize(6.6666665f);
    EXPECT_EQ(g.TextHeight(), 8);
}

TEST(RecordingGraphics, RecordsCallsInTraceFormat)
{
    RecordingGraphics g;
    g.ForeColor(RGB(1, 2, 3));
    g.FillPolygon({0, 10, 20, 30});
    OvalShape oval;
    oval.Width = 12.5;
    oval.Height = 12.5;
    g.DrawObject(oval, 4, 5);
    g.TextSize(7.5f);
    g.StringWidth("not recorded");
    ASSERT_EQ(g.calls().size(), 4u);
    EXPECT_EQ(g.calls()[0], "ForeColor 1 2 3");
    EXPECT_EQ(g.calls()[1], "FillPolygon 10 20 30");
    EXPECT_EQ(g.calls()[2].rfind("DrawObject Oval 4 5 12.5 12.5 0 0 0", 0), 0u);
    EXPECT_EQ(g.calls()[3], "TextSize 7.5");
}
