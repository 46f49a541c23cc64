#include "PaletteToolBar.h"

#include <QAction>
#include <QColorDialog>
#include <QIconEngine>
#include <QPainter>

#include <array>

namespace {

struct Swatch {
    int red, green, blue;
    const char* name;
};

const std::array<Swatch, CPaletteToolBar::SwatchCount> kSwatches = {{
    {128, 128, 128, QT_TRANSLATE_NOOP("CPaletteToolBar", "灰色")},
    {128, 0, 0, QT_TRANSLATE_NOOP("CPaletteToolBar", "栗色")},
    {255, 0, 0, QT_TRANSLATE_NOOP("CPaletteToolBar", "红色")},
    {255, 255, 0, QT_TRANSLATE_NOOP("CPaletteToolBar", "黄色")},
    {0, 128, 0, QT_TRANSLATE_NOOP("CPaletteToolBar", "绿色")},
    {128, 255, 0, QT_TRANSLATE_NOOP("CPaletteToolBar", "黄绿色")},
    {0, 128, 128, QT_TRANSLATE_NOOP("CPaletteToolBar", "蓝绿色")},
    {0, 255, 255, QT_TRANSLATE_NOOP("CPaletteToolBar", "青色")},
    {0, 0, 255, QT_TRANSLATE_NOOP("CPaletteToolBar", "蓝色")},
    {128, 0, 128, QT_TRANSLATE_NOOP("CPaletteToolBar", "紫色")},
    {128, 128, 0, QT_TRANSLATE_NOOP("CPaletteToolBar", "橄榄色")},
    {128, 255, 128, QT_TRANSLATE_NOOP("CPaletteToolBar", "浅绿色")},
    {0, 128, 255, QT_TRANSLATE_NOOP("CPaletteToolBar", "天蓝色")},
    {0, 64, 128, QT_TRANSLATE_NOOP("CPaletteToolBar", "深蓝色")},
    {128, 128, 255, QT_TRANSLATE_NOOP("CPaletteToolBar", "浅蓝色")},
    {255, 0, 128, QT_TRANSLATE_NOOP("CPaletteToolBar", "玫红色")},
    {128, 64, 64, QT_TRANSLATE_NOOP("CPaletteToolBar", "棕色")},
    {255, 128, 64, QT_TRANSLATE_NOOP("CPaletteToolBar", "橙色")},
}};

// Paints a framed colour swatch at whatever size and pixel ratio the toolbar
// asks for, so that swatches stay sharp on high-DPI screens. The custom
// colour's swatch carries a corner mark that says "pick".
class SwatchIconEngine : public QIconEngine {
public:
    SwatchIconEngine(const QColor& color, bool custom)
        : m_color(color)
        , m_custom(custom)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const QRect box = rect.adjusted(1, 1, -2, -2);
        const QColor frame(64, 64, 64);
        painter->save();
        painter->fillRect(box, mode == QIcon::Disabled ? QColor(200, 200, 200) : m_color);
        painter->setPen(frame);
        painter->drawRect(box);
        if (m_custom) {
            const int d = box.height() / 2;
            const QPoint corner = box.bottomRight();
            const QPolygon mark({corner, corner - QPoint(d, 0), corner - QPoint(0, d)});
            painter->setBrush(Qt::white);
            painter->drawPolygon(mark);
        }
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter painter(&pm);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pm;
    }

    QIconEngine* clone() const override { return new SwatchIconEngine(m_color, m_custom); }

private:
    QColor m_color;
    bool m_custom;
};

QIcon SwatchIcon(const QColor& color, bool custom)
{
    return QIcon(new SwatchIconEngine(color, custom));
}

QColor AskColor(const QColor& initial, QWidget* parent)
{
    return QColorDialog::getColor(initial, parent, CPaletteToolBar::tr("自定义颜色"));
}

} // namespace

CPaletteToolBar::CPaletteToolBar(const QString& title, QWidget* parent)
    : QToolBar(title, parent)
    , m_chooser(AskColor)
{
    setIconSize(QSize(16, 15));
    for (int i = 0; i < SwatchCount; ++i) {
        const QString tip = tr("画线颜色：%1").arg(tr(kSwatches[i].name));
        QAction* action = addAction(SwatchIcon(SwatchColor(i), false), tip);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, i] { select(i); });
        m_swatches.push_back(action);
    }
    m_customAction = addAction(SwatchIcon(m_custom, true), tr("自定义颜色..."));
    m_customAction->setCheckable(true);
    connect(m_customAction, &QAction::triggered, this, &CPaletteToolBar::chooseCustomColor);
}

QColor CPaletteToolBar::SwatchColor(int index)
{
    const Swatch& s = kSwatches.at(index);
    return QColor(s.red, s.green, s.blue);
}

QColor CPaletteToolBar::CurrentColor() const
{
    if (m_index == CustomIndex)
        return m_custom;
    return SwatchColor(m_index == NoSelection ? 0 : m_index);
}

void CPaletteToolBar::select(int index)
{
    m_index = index;
    showSelection();
    emit colorChanged(CurrentColor());
}

// A cancelled dialog keeps the previous selection, custom colour included.
void CPaletteToolBar::chooseCustomColor()
{
    const QColor chosen = m_chooser(m_custom, this);
    if (!chosen.isValid()) {
        showSelection();
        return;
    }
    m_custom = chosen.toRgb();
    m_custom.setAlpha(255);
    m_customAction->setIcon(SwatchIcon(m_custom, true));
    select(CustomIndex);
}

// Clicking a checkable button toggles it on its own; this puts every button
// back in step with the remembered selection.
void CPaletteToolBar::showSelection()
{
    for (int i = 0; i < SwatchCount; ++i)
        m_swatches[i]->setChecked(i == m_index);
    m_customAction->setChecked(m_index == CustomIndex);
}
