#include "CaptionOption.h"

#include "ChartCaption.h"

#include <QCommandLineParser>
#include <QDate>

namespace CaptionOption {
namespace {

bool Wanted(const QCommandLineParser& parser, const std::string& path)
{
    if (parser.isSet("caption"))
        return parser.value("caption") == QLatin1String("on");
    return QString::fromStdString(path).endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

} // namespace

void Add(QCommandLineParser& parser)
{
    parser.addOption({"caption", "render: on or off, the chart's kind, parameters and the date printed below it "
                                 "(default on for .pdf, off for .png and .svg).", "on|off"});
}

bool Check(const QCommandLineParser& parser, const QString& command, std::string& error)
{
    if (!parser.isSet("caption"))
        return true;
    const QString value = parser.value("caption");
    if (value != QLatin1String("on") && value != QLatin1String("off"))
        error = "--caption takes on or off";
    else if (command != QLatin1String("render"))
        error = "--caption goes with render";
    return error.empty();
}

std::vector<std::string> Lines(const QCommandLineParser& parser, CBaseDraw& chart, const std::string& path,
                               const std::string& instrument)
{
    if (!Wanted(parser, path))
        return {};
    const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
    return ChartCaption(chart, {instrument, {}, today});
}

} // namespace CaptionOption
