#pragma once

#include <QList>
#include <QToolButton>

class QAction;
class QToolBar;

// A tool button whose click opens a small vertical toolbar of entries (a
// flyout). The button shows the icon of the entry chosen last and remembers
// that entry's index, starting at the first.
class CFlyoutToolButton : public QToolButton {
    Q_OBJECT

public:
    explicit CFlyoutToolButton(QWidget* parent = nullptr);

    // The entries stay owned by the caller, who also connects their triggers.
    void SetEntries(const QList<QAction*>& entries);

    int CurrentIndex() const { return m_index; }
    QToolBar* Flyout() const { return m_flyout; }

signals:
    void currentIndexChanged(int index);

protected:
    // Draws the small arrow of a button that opens something.
    void initStyleOption(QStyleOptionToolButton* option) const override;

private:
    void showFlyout();
    void choose(int index);

    QToolBar* m_flyout = nullptr;
    QList<QAction*> m_entries;
    int m_index = 0;
};
