// The recording surface's fixed text metrics, which the chart tests rest on;
// its logging shows in every chart test.

#include "RecordingSurface.h"

#include <gtest/gtest.h>

namespace {

Font FontOfHeight(int height)
{
    Font font;
    font.height = height;
    return font;
}

} // namespace

TEST(RecordingSurface, FixedMetricsMeasureLinesAndWords)
{
    CRecordingSurface dc;
    dc.SelectFont(FontOfHeight(20)); // 20 per line, 10 per character

    Rect rc{0, 0, 0, 0};
    EXPECT_EQ(dc.DrawText("abc\nde", rc, TextFlags::CalcRect), 40);
    EXPECT_EQ(rc, (Rect{0, 0, 30, 40}));

    rc = {0, 0, 50, 0}; // "aaa bbb" does not fit in 50: two lines
    EXPECT_EQ(dc.DrawText("aaa bbb", rc, TextFlags::CalcRect | TextFlags::WordBreak), 40);
    rc = {0, 0, 30, 0}; // one word wider than the box widens it
    EXPECT_EQ(dc.DrawText("abcdef", rc, TextFlags::CalcRect | TextFlags::WordBreak), 20);
    EXPECT_EQ(rc.Width(), 60);

    rc = {0, 0, 100, 100}; // centred measuring keeps the centre
    dc.DrawText("ab", rc, TextFlags::CalcRect | TextFlags::Center);
    EXPECT_EQ(rc, (Rect{40, 0, 60, 20}));

    rc = {0, 0, 0, 0}; // characters, not bytes
    dc.DrawText("价格", rc, TextFlags::CalcRect);
    EXPECT_EQ(rc.Width(), 20);

    dc.SelectFont(FontOfHeight(-20)); // character height: more room per line
    EXPECT_EQ(dc.DrawText("x", rc, TextFlags::CalcRect), 24);
}
