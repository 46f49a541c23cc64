#pragma once

#include "Bar.h"
#include "Geometry.h"
#include "Swing.h"

#include <cstddef>
#include <optional>
#include <vector>

class CPaneColumns;

// What the price pane shows of a series: a span of time and of prices mapped
// onto a rectangle of pixels, time left to right, prices bottom to top, the
// prices linear or logarithmic. Times are bar times (see Bar) as doubles, so
// that a zoom may fall between seconds.
class CPaneView {
public:
    // The smallest span a zoom reaches: one second, and on a log axis the
    // prices of a positive range only.
    static constexpr double kMinSpan = 1.0;

    void SetRect(const Rect& rc) { m_rc = rc; }
    const Rect& GetRect() const { return m_rc; }
    void SetTimes(double first, double last);
    void SetPrices(double low, double high);
    // A log axis needs positive prices: a range reaching zero or below stays
    // linear.
    void SetLog(bool log) { m_log = log; }
    bool IsLog() const { return m_log && m_low > 0; }

    double FirstTime() const { return m_first; }
    double LastTime() const { return m_last; }
    double LowPrice() const { return m_low; }
    double HighPrice() const { return m_high; }

    // Pixel x of a time: the first time at the rectangle's left edge, the last
    // at its right; TimeOfX inverts it.
    double XOfTime(double time) const;
    double TimeOfX(double x) const;
    // Pixel y of a price: the high at the top edge, the low at the bottom.
    double YOfPrice(double price) const;
    double PriceOfY(double y) const;

    // The room one bar of series stands in: the average spacing of its
    // bars, one second for a single bar.
    static double Slot(const BarSeries& series);

    // The swing whose point (its time and price) lies nearest pixel (x, y)
    // within reach pixels, among those inside the time span; none when
    // none is that near.
    std::optional<std::size_t> SwingAt(const std::vector<Swing>& swings, double x, double y, double reach) const;

    // Every bar of the series, each in the middle of its slot, its prices
    // with a margin of a twentieth above and below; an empty series keeps
    // the view.
    void ShowAll(const CPaneColumns& columns);
    // The prices between the lowest low and the highest high of the bars in
    // the time span, with the same margin: the log of the bars, so that a
    // pan or zoom of a long history refits at once.
    void FitPrices(const CPaneColumns& columns);
    // Narrows the time span by factor (above 1 zooms in) keeping the time
    // under pixel x where it is.
    void ZoomAbout(double x, double factor);
    // Moves the span by dx pixels: the picture follows a drag to the right.
    void Pan(double dx);

private:
    double PriceScale(double price) const;
    double ScaledPrice(double value) const;

    Rect m_rc{0, 0, 1, 1};
    double m_first = 0;
    double m_last = kMinSpan;
    double m_low = 0;
    double m_high = 1;
    bool m_log = false;
};
