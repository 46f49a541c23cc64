// Build tool: renders an SVG icon as a square PNG of the given size, for the
// icon theme of the installed program.
//
//   quadrix-icon-png ICON.svg SIZE OUT.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

namespace {

// The largest size an icon theme asks for is 512; more would be a typing slip.
const int kMaxSize = 1024;

bool WritePng(const QString& svgPath, int size, const QString& outPath)
{
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "quadrix-icon-png: %s: not a usable SVG picture\n", qPrintable(svgPath));
        return false;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QSaveFile file(outPath);
    if (file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit())
        return true;
    std::fprintf(stderr, "quadrix-icon-png: cannot write %s\n", qPrintable(outPath));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // No display is needed to draw into images.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool isNumber = false;
    const int size = args.value(2).toInt(&isNumber);
    if (args.size() != 4 || !isNumber || size < 1 || size > kMaxSize) {
        std::fprintf(stderr, "usage: quadrix-icon-png ICON.svg SIZE OUT.png (SIZE 1 to %d)\n", kMaxSize);
        return 2;
    }
    return WritePng(args[1], size, args[3]) ? 0 : 1;
}
