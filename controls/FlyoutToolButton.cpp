#include "FlyoutToolButton.h"

#include <QAction>
#include <QStyleOptionToolButton>
#include <QToolBar>

CFlyoutToolButton::CFlyoutToolButton(QWidget* parent)
    : QToolButton(parent)
    , m_flyout(new QToolBar(this))
{
    // A popup closes by itself when the user clicks elsewhere.
    m_flyout->setWindowFlags(Qt::Popup);
    m_flyout->setOrientation(Qt::Vertical);
    connect(this, &QToolButton::clicked, this, &CFlyoutToolButton::showFlyout);
}

void CFlyoutToolButton::SetEntries(const QList<QAction*>& entries)
{
    for (QAction* entry : std::as_const(m_entries))
        disconnect(entry, nullptr, this, nullptr);
    m_flyout->clear();
    m_entries = entries;
    for (int i = 0; i < m_entries.size(); ++i) {
        m_flyout->addAction(m_entries[i]);
        connect(m_entries[i], &QAction::triggered, this, [this, i] { choose(i); });
    }
    m_index = 0;
    if (!m_entries.isEmpty())
        setIcon(m_entries.front()->icon());
}

void CFlyoutToolButton::initStyleOption(QStyleOptionToolButton* option) const
{
    QToolButton::initStyleOption(option);
    option->features |= QStyleOptionToolButton::HasMenu;
}

void CFlyoutToolButton::showFlyout()
{
    m_flyout->setIconSize(iconSize());
    m_flyout->adjustSize();
    m_flyout->move(mapToGlobal(rect().bottomLeft()));
    m_flyout->show();
}

void CFlyoutToolButton::choose(int index)
{
    m_flyout->hide();
    m_index = index;
    setIcon(m_entries[index]->icon());
    emit currentIndexChanged(index);
}
