#include "MarketSettings.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

const char* const kFilesGroup = "marketFiles";

// One group per file, named by a hash of its absolute path: a path holds
// characters a settings key cannot.
QString GroupOf(const QString& chartFile)
{
    const QString path = QFileInfo(chartFile).absoluteFilePath();
    return QString::fromLatin1(kFilesGroup) + '/' +
           QString::fromLatin1(QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex());
}

void ForgetOldest(QSettings& settings)
{
    settings.beginGroup(kFilesGroup);
    QStringList groups = settings.childGroups();
    if (groups.size() > MarketSettings::kMaxFiles) {
        std::vector<std::pair<qint64, QString>> used;
        for (const QString& group : groups)
            used.emplace_back(settings.value(group + "/used").toLongLong(), group);
        std::sort(used.begin(), used.end());
        for (std::size_t i = 0; i + MarketSettings::kMaxFiles < used.size(); ++i)
            settings.remove(used[i].second);
    }
    settings.endGroup();
}

// A value outside what the swing panel offers (a settings file edited by
// hand) falls back to the panel's own default.
double Within(const QSettings& settings, const char* key, double low, double high, double otherwise)
{
    bool ok = false;
    const double value = settings.value(key).toDouble(&ok);
    return ok && value > low && value <= high ? value : otherwise;
}

SwingMethod MethodOf(const QSettings& settings)
{
    constexpr double kMaxPivotBars = 100000;
    SwingMethod method;
    const int by = settings.value("by").toInt();
    method.by = by >= 0 && by <= 2 ? static_cast<SwingMethod::By>(by) : SwingMethod::By::Percent;
    method.percent = Within(settings, "percent", 0, 100, 10);
    method.amount = Within(settings, "amount", 0, std::numeric_limits<float>::max(), 1);
    method.left = static_cast<int>(Within(settings, "left", -1, kMaxPivotBars, 5));
    method.right = static_cast<int>(Within(settings, "right", -1, kMaxPivotBars, 5));
    method.onCloses = settings.value("onCloses").toBool();
    return method;
}

} // namespace

namespace MarketSettings {

std::optional<MarketFileSettings> Load(const QString& chartFile)
{
    if (chartFile.isEmpty())
        return std::nullopt;
    QSettings settings;
    settings.beginGroup(GroupOf(chartFile));
    if (!settings.contains("symbol"))
        return std::nullopt;
    MarketFileSettings file;
    file.symbol = settings.value("symbol").toString().toStdString();
    file.method = MethodOf(settings);
    const double first = settings.value("first").toDouble();
    const double last = settings.value("last").toDouble();
    if (std::isfinite(first) && std::isfinite(last) && first < last)
        file.span.emplace(first, last);
    const int style = settings.value("style").toInt();
    file.style = style >= 0 && style <= 2 ? static_cast<PaneStyle>(style) : PaneStyle::Candles;
    file.log = settings.value("log").toBool();
    return file;
}

void Store(const QString& chartFile, const MarketFileSettings& file)
{
    if (chartFile.isEmpty())
        return;
    QSettings settings;
    settings.remove(GroupOf(chartFile));
    settings.beginGroup(GroupOf(chartFile));
    settings.setValue("path", QFileInfo(chartFile).absoluteFilePath());
    settings.setValue("used", QDateTime::currentMSecsSinceEpoch());
    settings.setValue("symbol", QString::fromStdString(file.symbol));
    settings.setValue("by", static_cast<int>(file.method.by));
    settings.setValue("percent", file.method.percent);
    settings.setValue("amount", file.method.amount);
    settings.setValue("left", file.method.left);
    settings.setValue("right", file.method.right);
    settings.setValue("onCloses", file.method.onCloses);
    if (file.span) {
        settings.setValue("first", file.span->first);
        settings.setValue("last", file.span->second);
    }
    settings.setValue("style", static_cast<int>(file.style));
    settings.setValue("log", file.log);
    settings.endGroup();
    ForgetOldest(settings);
}

} // namespace MarketSettings
