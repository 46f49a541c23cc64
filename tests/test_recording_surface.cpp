// The recording surface: what it logs, the state it tracks, its fixed text
// metrics and forwarding to an inner surface. That selections hand back the
// previous object shows in every chart test that expects the surface restored.

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

// Chart tests compare with default-constructed values; these are what a
// fresh surface holds.
TEST(RecordingSurface, LogsOperationsWithTheStateInEffect)
{
    CRecordingSurface dc;
    EXPECT_EQ(dc.CurrentPen(), (Pen{PenStyle::Solid, 1, Colors::Black}));
    EXPECT_EQ(dc.CurrentBrush(), (Brush{false, Colors::White}));
    EXPECT_EQ(dc.TextColor(), Colors::Black);
    EXPECT_EQ(dc.BackgroundMode(), BkMode::Opaque);
    dc.SelectPen({PenStyle::Solid, 2, Colors::Green});
    dc.MoveTo(1, 2);
    dc.LineTo(10, 20);
    dc.LineTo(30, 40);
    dc.FillSolidRect({0, 0, 5, 5}, Colors::Yellow);
    dc.Draw3dRect({0, 0, 5, 5}, Colors::White, Colors::Black);

    const auto& ops = dc.Ops();
    ASSERT_EQ(ops.size(), 5u);
    EXPECT_EQ(ops[1].kind, SurfaceOp::Kind::LineTo);
    EXPECT_EQ(ops[1].from, (Point{1, 2}));
    EXPECT_EQ(ops[2].from, (Point{10, 20})); // line-to moved the current position
    EXPECT_EQ(ops[2].pen.color, Colors::Green);
    EXPECT_EQ(ops[3].color, Colors::Yellow);
    EXPECT_EQ(dc.BkColor(), Colors::Yellow); // a solid fill sets the background colour
    EXPECT_EQ(ops[4].color2, Colors::Black);
    EXPECT_EQ(dc.CurrentPosition(), (Point{30, 40}));
}

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

TEST(RecordingSurface, ForwardsToAnInnerSurfaceAndReportsItsMetrics)
{
    CRecordingSurface inner;
    CRecordingSurface outer(&inner);
    outer.SelectFont(FontOfHeight(30));
    outer.SetTextColor(Colors::Red);
    outer.MoveTo(5, 5);
    outer.LineTo(6, 6);
    outer.FillRect({0, 0, 1, 1}, Brush::Solid(Colors::Blue));
    Rect rc{0, 0, 0, 0};
    EXPECT_EQ(outer.DrawText("x", rc, TextFlags::CalcRect), 30);

    ASSERT_EQ(inner.Ops().size(), outer.Ops().size());
    for (size_t i = 0; i < inner.Ops().size(); ++i)
        EXPECT_EQ(inner.Ops()[i].kind, outer.Ops()[i].kind);
    EXPECT_EQ(inner.TextColor(), Colors::Red);
    EXPECT_EQ(inner.CurrentFont().height, 30);
    EXPECT_EQ(outer.Ops().back().rect, inner.Ops().back().rect);
}
