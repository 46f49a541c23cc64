#pragma once

#include <QColor>
#include <QToolBar>

#include <functional>
#include <vector>

class QAction;

// The colour palette of the drawing tools: eighteen fixed swatches and one
// custom colour picked with the colour dialog. It remembers the selection.
// Before any choice no swatch is pressed and the first swatch's colour is in
// effect, so the tools always have a colour.
class CPaletteToolBar : public QToolBar {
    Q_OBJECT

public:
    static constexpr int SwatchCount = 18;
    static constexpr int NoSelection = -1;
    static constexpr int CustomIndex = SwatchCount;

    // Returns the chosen colour, or an invalid one when the user cancels.
    using ColorChooser = std::function<QColor(const QColor& initial, QWidget* parent)>;

    explicit CPaletteToolBar(const QString& title, QWidget* parent = nullptr);

    static QColor SwatchColor(int index);

    // NoSelection, a swatch index, or CustomIndex.
    int CurrentIndex() const { return m_index; }
    QColor CurrentColor() const;
    QColor CustomColor() const { return m_custom; }

    QAction* SwatchAction(int index) const { return m_swatches.at(index); }
    QAction* CustomAction() const { return m_customAction; }

    // Replaces the colour dialog, so that tests need no modal window.
    void SetColorChooser(ColorChooser chooser) { m_chooser = std::move(chooser); }

signals:
    void colorChanged(const QColor& color);

private:
    void select(int index);
    void chooseCustomColor();
    void showSelection();

    std::vector<QAction*> m_swatches;
    QAction* m_customAction = nullptr;
    QColor m_custom = Qt::black; // the one colour the fixed swatches lack
    int m_index = NoSelection;
    ColorChooser m_chooser;
};
