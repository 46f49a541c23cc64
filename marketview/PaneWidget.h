#pragma once
#include "Bar.h"
#include "PanePainter.h"
#include <QWidget>
#include <memory>
class CPaneWidget : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void SetSeries(std::shared_ptr<const BarSeries>) {}
    void SetSwings(std::vector<Swing>) {}
    void SetTargets(std::vector<Target>) {}
    void SetStyle(PaneStyle) {}
    void SetLog(bool) {}
    PaneStyle Style() const { return PaneStyle::Candles; }
    bool IsLog() const { return false; }
    void ShowAll() {}
    std::pair<double, double> Span() const { return {0, 1}; }
    void SetSpan(double, double) {}
signals:
    void readoutChanged(const QString& text);
    void swingClicked(int index);
    void viewChanged();
};
