#include "SkyEventTableModel.h"

#include <QString>

#include <iterator>

namespace {

enum Column { Local, Ut, Event, Longitude, ColumnCount };

// "2024-03-20T11:06:00" as "2024-03-20 11:06": events are found to the minute.
QString MinuteText(const std::string& iso) { return QString::fromStdString(iso.substr(0, 16)).replace('T', ' '); }

QString AspectName(int angle)
{
    switch (angle) {
    case 0: return CSkyEventTableModel::tr("合");
    case 30: return CSkyEventTableModel::tr("半六合");
    case 45: return CSkyEventTableModel::tr("半刑");
    case 60: return CSkyEventTableModel::tr("六合");
    case 90: return CSkyEventTableModel::tr("刑");
    case 120: return CSkyEventTableModel::tr("拱");
    case 135: return CSkyEventTableModel::tr("补八分");
    case 150: return CSkyEventTableModel::tr("梅花");
    default: return CSkyEventTableModel::tr("冲");
    }
}

QString SignName(int sign)
{
    static const char* const names[12] = {QT_TRANSLATE_NOOP("CSkyEventTableModel", "白羊座"),
        QT_TRANSLATE_NOOP("CSkyEventTableModel", "金牛座"), QT_TRANSLATE_NOOP("CSkyEventTableModel", "双子座"),
        QT_TRANSLATE_NOOP("CSkyEventTableModel", "巨蟹座"), QT_TRANSLATE_NOOP("CSkyEventTableModel", "狮子座"),
        QT_TRANSLATE_NOOP("CSkyEventTableModel", "处女座"), QT_TRANSLATE_NOOP("CSkyEventTableModel", "天秤座"),
        QT_TRANSLATE_NOOP("CSkyEventTableModel", "天蝎座"), QT_TRANSLATE_NOOP("CSkyEventTableModel", "射手座"),
        QT_TRANSLATE_NOOP("CSkyEventTableModel", "摩羯座"), QT_TRANSLATE_NOOP("CSkyEventTableModel", "水瓶座"),
        QT_TRANSLATE_NOOP("CSkyEventTableModel", "双鱼座")};
    return CSkyEventTableModel::tr(names[sign]);
}

} // namespace

QString CSkyEventTableModel::BodyName(int body)
{
    static const char* const names[kBodyCount] = {QT_TR_NOOP("太阳"), QT_TR_NOOP("月亮"), QT_TR_NOOP("水星"),
        QT_TR_NOOP("金星"), QT_TR_NOOP("火星"), QT_TR_NOOP("木星"), QT_TR_NOOP("土星"), QT_TR_NOOP("天王星"),
        QT_TR_NOOP("海王星"), QT_TR_NOOP("冥王星")};
    return tr(names[body]);
}

QString CSkyEventTableModel::Words(const SkyEvent& e)
{
    switch (e.kind) {
    case SkyEvent::Kind::Ingress: return tr("%1进入%2").arg(BodyName(e.body), SignName(e.angle / 30));
    case SkyEvent::Kind::Station:
        return e.retrograde ? tr("%1留，转逆行").arg(BodyName(e.body)) : tr("%1留，转顺行").arg(BodyName(e.body));
    case SkyEvent::Kind::Aspect: break;
    }
    const QString aspect = tr("%1%2%3").arg(BodyName(e.body), AspectName(e.angle), BodyName(e.other));
    if (!e.applying)
        return aspect;
    return *e.applying ? tr("%1，入相").arg(aspect) : tr("%1，出相").arg(aspect);
}

void CSkyEventTableModel::SetEvents(const std::vector<SkyEvent>& events, const SkyClock& clock)
{
    beginResetModel();
    m_events = events;
    m_clock = clock;
    endResetModel();
}

int CSkyEventTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_events.size());
}

int CSkyEventTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant CSkyEventTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return Text(m_events[static_cast<std::size_t>(index.row())], index.column());
    if (role == Qt::TextAlignmentRole && index.column() == Longitude)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QString CSkyEventTableModel::Text(const SkyEvent& e, int column) const
{
    switch (column) {
    case Local: return MinuteText(SkyEventTable::LocalText(e, m_clock));
    case Ut: return MinuteText(SkyEventTable::UtText(e));
    case Event: return Words(e);
    case Longitude: return QString::number(e.longitude, 'f', 4);
    default: return {};
    }
}

QVariant CSkyEventTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    const char* const titles[ColumnCount] = {QT_TR_NOOP("当地时间"), QT_TR_NOOP("世界时"), QT_TR_NOOP("事件"),
                                             QT_TR_NOOP("经度")};
    return section >= 0 && section < ColumnCount ? tr(titles[section]) : QVariant();
}
