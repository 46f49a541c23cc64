// The price pane widget driven offscreen: the wheel zooms about the pointer,
// a drag pans, Home shows all, a click on a swing names it, and the readout
// follows the pointer; the sky's events at their moments on the exchange's
// clock.

#include "PaneReadout.h"
#include "PaneWidget.h"
#include "BarZone.h"
#include "SkyEventMarks.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr std::int64_t kDay = 86400;

std::shared_ptr<const BarSeries> Daily(std::size_t count)
{
    auto series = std::make_shared<BarSeries>();
    double price = 100;
    for (std::size_t i = 0; i < count; ++i) {
        const double next = price + std::sin(static_cast<double>(i) / 9) * 2;
        const std::int64_t day = 18000 + static_cast<std::int64_t>(i + i / 5 * 2); // weekends left out
        series->bars.push_back(
            Bar{day * kDay, price, std::max(price, next) + 1, std::min(price, next) - 1, next, 1000.0 + i, {}});
        price = next;
    }
    return series;
}

// The pane's mapping as the widget has it: its plot and span, prices
// fitted to the bars shown.
CPaneView ViewOf(const CPaneWidget& pane, const BarSeries& series)
{
    CPaneView view;
    view.SetRect(CPanePainter::PlotRect(pane.PaneRect()));
    view.SetTimes(pane.Span().first, pane.Span().second);
    view.FitPrices(CPaneColumns(series));
    return view;
}

void Wheel(QWidget& widget, QPoint at, int delta)
{
    QWheelEvent wheel(at, widget.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&widget, &wheel);
}

TEST(PaneWidget, ZoomsPansShowsAllAndNamesWhatIsUnderThePointer)
{
    CPaneWidget pane;
    pane.resize(800, 400);
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    QSignalSpy changed(&pane, &CPaneWidget::viewChanged);
    QSignalSpy readouts(&pane, &CPaneWidget::readoutChanged);
    QSignalSpy clicks(&pane, &CPaneWidget::swingClicked);
    const QPoint at(300, 150);
    const auto copyEnabled = [&pane] {
        const QList<QAction*> actions = pane.findChildren<QAction*>();
        return std::any_of(actions.begin(), actions.end(),
                           [](const QAction* a) { return a->text() == QStringLiteral("复制") && a->isEnabled(); });
    };

    // Empty, it neither zooms nor offers what needs bars.
    Wheel(pane, at, 120);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(copyEnabled());
    const std::shared_ptr<const BarSeries> series = Daily(400);
    pane.SetSeries(series);
    EXPECT_TRUE(copyEnabled());
    const std::pair<double, double> all = pane.Span();

    // Three wheel notches in keep the time under the pointer there.
    const double before = ViewOf(pane, *series).TimeOfX(at.x());
    changed.clear();
    Wheel(pane, at, 360);
    EXPECT_LT(pane.Span().second - pane.Span().first, all.second - all.first);
    EXPECT_NEAR(ViewOf(pane, *series).TimeOfX(at.x()), before, 1e-6 * kDay);
    EXPECT_EQ(changed.count(), 1);

    // A drag to the right brings earlier times in by the pixels dragged;
    // it is no click.
    const CPaneView zoomed = ViewOf(pane, *series);
    QTest::mousePress(&pane, Qt::LeftButton, {}, QPoint(400, 200));
    QTest::mouseMove(&pane, QPoint(450, 200));
    QTest::mouseMove(&pane, QPoint(500, 200));
    QTest::mouseRelease(&pane, Qt::LeftButton, {}, QPoint(500, 200));
    EXPECT_NEAR(pane.Span().first, zoomed.TimeOfX(zoomed.GetRect().left - 100), 1e-6 * kDay);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(clicks.count(), 0);

    // A span set is held within the history and five bars wide at least;
    // Home shows every bar again.
    pane.SetSpan(all.first - 100 * kDay, all.first - 99 * kDay);
    EXPECT_EQ(pane.Span().first, all.first);
    EXPECT_NEAR(pane.Span().second - pane.Span().first, 5 * CPaneView::Slot(*series), 1e-6);
    QTest::keyClick(&pane, Qt::Key_Home);
    EXPECT_EQ(pane.Span(), all);

    // A click near the second swing's point names it.
    std::vector<Swing> swings(2);
    for (const std::size_t i : {0, 1}) {
        const Bar& bar = series->bars[100 + 150 * i];
        swings[i].time = bar.time;
        swings[i].price = bar.high;
    }
    pane.SetSwings(swings);
    const CPaneView view = ViewOf(pane, *series);
    const QPoint swing(int(view.XOfTime(double(swings[1].time))) + 2, int(view.YOfPrice(swings[1].price)) - 2);
    QTest::mouseClick(&pane, Qt::LeftButton, {}, swing);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 1);

    // The readout names the bar under the pointer, nothing over the axes.
    const Bar& bar = series->bars[123];
    QTest::mouseMove(&pane, QPoint(int(view.XOfTime(double(bar.time))), 100));
    ASSERT_FALSE(readouts.isEmpty());
    EXPECT_EQ(readouts.last().at(0).toString().toStdString(), PaneReadout::Text(bar, false));
    QTest::mouseMove(&pane, QPoint(pane.width() - 10, 100));
    EXPECT_EQ(readouts.last().at(0).toString(), QString());
}

// The March 2024 equinox, 03:06 UT on the 20th, is the evening of the 19th
// on New York's clocks (daylight time, UT-4), and stays at UT without a zone.
TEST(PaneWidget, MarksTheSkysEventsOnTheExchangesClockWithShortLabels)
{
    const std::int64_t equinox = 19802 * kDay + 3 * 3600 + 6 * 60;
    std::vector<SkyEvent> events(3);
    events[0].time = 2440587.5 + double(equinox) / kDay;
    events[1].kind = SkyEvent::Kind::Station;
    events[1].body = 2;
    events[1].retrograde = true;
    events[2].kind = SkyEvent::Kind::Aspect;
    events[2].body = 5;
    events[2].other = 6;
    events[2].angle = 90;
    Result<CBarZone> york = CBarZone::Find("America/New_York");
    ASSERT_TRUE(york.Ok());
    const std::vector<PaneEvent> civil = SkyEventMarks::Of(events, &york.Value());
    EXPECT_EQ(civil[0].time, 19801 * kDay + 23 * 3600 + 6 * 60);
    EXPECT_EQ(SkyEventMarks::Of(events, nullptr)[0].time, equinox);
    std::vector<std::string> labels;
    for (const PaneEvent& e : civil)
        labels.push_back(e.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"Sun 0\xC2\xB0", "Mercury R", "Jupiter 90\xC2\xB0 Saturn"}));
}

} // namespace
