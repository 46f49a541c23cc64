// The QPainter surface probed pixel by pixel, its text layout, and the exports.

#include "ChartExport.h"
#include "DrawSquareOfNine.h"
#include "GridChart.h"
#include "PainterSurface.h"
#include "QtConversions.h"
#include "SvgPaintDevice.h"
#include "TextBlock.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextOption>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <csignal>
#include <functional>
#include <optional>

namespace {

const QColor kWhite(Qt::white);

// A white image of w x h pixels with draw run on its painter.
QImage Painted(int w, int h, const std::function<void(QPainter&)>& draw)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter);
    return image;
}

// The same with draw run on a surface at zoom.
QImage Paint(int w, int h, double zoom, const std::function<void(CPainterSurface&)>& draw)
{
    return Painted(w, h, [&](QPainter& painter) {
        CPainterSurface dc(painter, zoom);
        draw(dc);
    });
}

// The bounds of the pixels not white, or of one colour (null for none).
QRect Ink(const QImage& image, std::optional<QColor> only = std::nullopt)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (only ? image.pixelColor(x, y) == *only : image.pixelColor(x, y) != kWhite)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

int CountColor(const QImage& image, const QColor& color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

// Painted pixels along row y from x0 to x1 (exclusive) as '#' and '.'.
std::string Row(const QImage& image, int y, int x0, int x1)
{
    std::string row;
    for (int x = x0; x < x1; ++x)
        row += image.pixelColor(x, y) == kWhite ? '.' : '#';
    return row;
}

Font TestFont(int height)
{
    return {height, 0, 0, 0, 400, false, false, false, 0, 0, 0, 3, 0x20, "DejaVu Sans"}; // unantialiased, sans serif
}

// Measures text with flags | CalcRect from rc; returns the height and sets rc.
int Measure(const std::string& text, Rect& rc, unsigned flags, const Font& font = TestFont(-20), double zoom = 1)
{
    QImage image(4, 4, QImage::Format_RGB32);
    QPainter painter(&image);
    CPainterSurface dc(painter, zoom);
    dc.SelectFont(font);
    return dc.DrawText(text, rc, flags | TextFlags::CalcRect);
}

// text drawn black on white in rc with flags, over green where the mode is opaque.
QImage DrawnText(const std::string& text, Rect rc, unsigned flags, const Font& font = TestFont(-20), double zoom = 1,
                 BkMode mode = BkMode::Transparent)
{
    return Paint(rc.right, rc.bottom, zoom, [&](CPainterSurface& dc) {
        dc.SelectFont(font);
        dc.SetBkColor(Colors::Green);
        dc.SetBkMode(mode);
        dc.DrawText(text, rc, flags);
    });
}

} // namespace

TEST(PainterSurfaceShapes, FillsFramesAndLinesCoverTheirPixelsPensScaleItemsPastTheLimitNone)
{
    const QImage two = Paint(60, 60, 2, [](CPainterSurface& dc) {
        dc.FillSolidRect({10, 10, 20, 15}, Colors::Blue);
        dc.FillRect({0, 0, 30, 30}, Brush::Hollow()); // draws nothing over it
        EXPECT_EQ(dc.BkColor(), Colors::Blue);
    });
    EXPECT_EQ(Ink(two), QRect(QPoint(20, 20), QPoint(39, 29)));

    const QImage tiled = Paint(30, 10, 0.6, [](CPainterSurface& dc) {
        for (int x = 0; x < 45; x += 7)
            dc.FillRect({x, 0, x + 7, 10}, Brush::Solid(x % 14 ? Colors::Red : Colors::Blue));
    });
    EXPECT_EQ(Row(tiled, 3, 0, 27), std::string(27, '#'));

    // Filled, outlined over a hollow brush, and both, side by side.
    const QImage ellipses = Paint(100, 40, 1, [&](CPainterSurface& dc) {
        dc.FillEllipse({10, 10, 30, 30}, Brush::Solid(0));
        dc.SelectBrush(Brush::Hollow());
        dc.Ellipse({40, 10, 60, 30});
        dc.SelectPen({PenStyle::Solid, 0, Colors::Red});
        dc.SelectBrush(Brush::Solid(Colors::Blue));
        dc.Ellipse({70, 10, 90, 30});
    });
    EXPECT_TRUE(QRect(10, 10, 20, 20).contains(Ink(ellipses.copy(0, 0, 35, 40))));
    EXPECT_TRUE(ellipses.pixelColor(20, 20) == QColor(Qt::black) && ellipses.pixelColor(10, 10) == kWhite); // no corner
    EXPECT_EQ(Ink(ellipses.copy(35, 0, 30, 40)), QRect(5, 10, 20, 20));
    EXPECT_EQ(ellipses.pixelColor(50, 20), kWhite); // the hollow brush leaves the inside alone
    EXPECT_TRUE(ellipses.pixelColor(80, 20) == QColor(Qt::blue) && ellipses.pixelColor(70, 20) == QColor(Qt::red));

    const QImage frame = Paint(20, 20, 1, [](CPainterSurface& dc) {
        dc.Draw3dRect({2, 2, 12, 10}, Colors::Red, Colors::Blue);
        EXPECT_EQ(dc.BkColor(), Colors::White); // unlike a solid fill, the frame leaves it
    });
    // Blue on the right and bottom with the corners they share with red ones.
    EXPECT_EQ(Ink(frame, QColor(Qt::red)), QRect(QPoint(2, 2), QPoint(10, 8)));
    EXPECT_EQ(Ink(frame, QColor(Qt::blue)), QRect(QPoint(2, 2), QPoint(11, 9)));
    EXPECT_EQ(CountColor(frame, Qt::red) + CountColor(frame, Qt::blue), 32);

    // What bounds vector exports: past its limit a surface draws nothing and says so.
    bool leftOut = false;
    const QImage limited = Paint(40, 10, 1, [&](CPainterSurface& dc) {
        dc.LimitItems(3);
        for (int x = 0; x < 40; x += 8)
            dc.FillRect({x, 0, x + 4, 4}, Brush::Solid(Colors::Red));
        Rect box{0, 0, 40, 10};
        dc.DrawText("W", box, 0);
        leftOut = dc.LeftItemsOut();
    });
    // Right and bottom edges left out; 0x0000FF is red.
    EXPECT_TRUE(leftOut && Ink(limited) == QRect(0, 0, 20, 4) && Ink(limited, QColor(Qt::red)) == Ink(limited));

    // Lines leave out their end point.
    const QImage image = Paint(30, 30, 1, [](CPainterSurface& dc) {
        dc.SelectPen({PenStyle::Solid, 0, Colors::Black});
        dc.MoveTo(5, 5);
        dc.LineTo(15, 5);
        dc.LineTo(15, 20);
    });
    EXPECT_EQ(Row(image, 5, 3, 17), "..###########."); // (15, 5) starts the second line
    EXPECT_TRUE(image.pixelColor(15, 19) == QColor(Qt::black) && image.pixelColor(15, 20) == kWhite);

    // Width 0 is one device pixel at any zoom, others scale with it; dots show
    // only while a pen is at most one device pixel wide.
    const struct {
        int width;
        double zoom;
        int pixels;
        bool dotted;
    } rows[] = {{0, 3, 1, true}, {0, 2, 1, true}, {1, 1, 1, true}, {2, 0.5, 1, true}, {2, 1, 2, false},
        {1, 2, 2, false}, {2, 3, 6, false}};
    for (const auto& row : rows) {
        const auto line = [&](PenStyle style) {
            return Paint(100, 100, row.zoom, [&](CPainterSurface& dc) {
                dc.SelectPen({style, row.width, Colors::Black});
                dc.MoveTo(5, 10);
                dc.LineTo(30, 10);
            });
        };
        EXPECT_EQ(Ink(line(PenStyle::Solid)).height(), row.pixels) << row.width << " at " << row.zoom;
        const int from = static_cast<int>(10 * row.zoom); // along y = 10 from x = 10
        const std::string dots = Row(line(PenStyle::Dot), from, from, static_cast<int>(25 * row.zoom));
        EXPECT_TRUE((dots.find('.') != std::string::npos) == row.dotted && dots.find('#') != std::string::npos)
            << row.width << " at " << row.zoom;
    }
}

TEST(PainterSurfaceText, BackgroundCentringAndMeasuresWithWordBreaks)
{
    const auto draw = [](BkMode mode) { return DrawnText("Wide", {10, 10, 190, 50}, 0, TestFont(-20), 1, mode); };
    // The box covers the text only, not the whole rectangle.
    const QImage opaque = draw(BkMode::Opaque);
    EXPECT_TRUE(CountColor(opaque, QColor(0, 128, 0)) > 100 && opaque.pixelColor(180, 45) == kWhite);
    EXPECT_EQ(CountColor(draw(BkMode::Transparent), QColor(0, 128, 0)), 0);

    const Rect rc{0, 0, 200, 100};
    EXPECT_LT(Ink(DrawnText("ab", rc, 0)).left(), 5);
    const QRect centred = Ink(DrawnText("ab", rc, TextFlags::Center));
    EXPECT_TRUE(std::abs(centred.center().x() - 100) <= 3 && centred.top() < 20) << centred.center().x();
    EXPECT_NEAR(Ink(DrawnText("ab", rc, TextFlags::Center | TextFlags::VCenter)).center().y(), 50, 4);
    // Several lines start at the top, vertical centre or not.
    EXPECT_LT(Ink(DrawnText("ab\ncd", rc, TextFlags::Center | TextFlags::VCenter)).top(), 20);

    // Each line is centred on its own.
    EXPECT_NEAR(Ink(DrawnText("W\nWWWWW", rc, TextFlags::Center).copy(0, 0, 200, 20)).center().x(), 100, 3);

    // CalcRect measures lines, wraps words and draws nothing.
    Rect one{5, 5, 5, 5}, two = one, crlf{};
    const int h = Measure("Hello", one, 0);
    EXPECT_TRUE(h > 15 && one == (Rect{5, 5, one.right, 5 + h}) && one.Width() > 30) << h;
    EXPECT_TRUE(Measure("Hello\nHello", two, 0) == 2 * h && two.Width() == one.Width());
    EXPECT_EQ(Measure("Hello\r\nHello", crlf, 0), 2 * h);
    EXPECT_TRUE(Ink(DrawnText("Hello", {0, 0, 100, 100}, TextFlags::CalcRect)).isNull());

    // Word-break wraps at the width; long words widen the box; an empty box
    // takes the natural size.
    Rect natural{}, empty{}, tooNarrow{0, 0, 10, 0}, cell{0, 0, 12, 0};
    EXPECT_TRUE(Measure("aaa bbb ccc", natural, 0) == h && Measure("aaa bbb ccc", empty, TextFlags::WordBreak) == h);
    EXPECT_TRUE(Measure("Supercalifragilistic", tooNarrow, TextFlags::WordBreak) == h && tooNarrow.Width() > 100);
    Rect narrow{0, 0, natural.Width() / 2, 0}, unbroken = narrow;
    EXPECT_TRUE(Measure("aaa bbb ccc", narrow, TextFlags::WordBreak) == 3 * h && narrow.Width() <= natural.Width() / 2);
    // Without word-break: one line.
    EXPECT_TRUE(Measure("aaa bbb ccc", unbroken, 0) == h && unbroken.Width() == natural.Width());

    // Breaks go at spaces only: a date label stays whole in a narrow cell.
    EXPECT_EQ(Measure("100.25\n1/16\n384", cell, TextFlags::WordBreak | TextFlags::Center), 3 * h);
}

TEST(PainterSurfaceFonts, HeightsAreCellOrCharacterAbsurdOnesCappedMissingGlyphsFallBack)
{
    const auto height = [](int size, double zoom = 1) {
        Rect rc{};
        return Measure("Hg", rc, 0, TestFont(size), zoom);
    };
    const int cell = height(30);
    EXPECT_TRUE(cell >= 27 && cell <= 31) << cell;
    EXPECT_GT(height(-30), cell); // the cell adds the internal leading
    // Heights scale with the zoom, so measured chart units hardly change.
    EXPECT_NEAR(height(30, 2.5), cell, 2);
    EXPECT_GT(height(0), 8);

    // Absurd sizes are capped, not allocated.
    for (int size : {INT_MAX, INT_MIN, -INT_MAX}) {
        const Font font = TestFont(size);
        EXPECT_LE(ToQFont(font, 1).pixelSize(), kMaxFontPixels) << size;
        EXPECT_TRUE(height(size) > 0 && height(size) <= 2 * kMaxFontPixels) << size;
        const QImage image = Paint(100, 100, 1, [&](CPainterSurface& dc) {
            dc.SelectFont(font);
            Rect rc{0, 0, 100, 100};
            dc.DrawText("W", rc, 0);
            dc.SelectPen({PenStyle::Solid, INT_MAX, Colors::Red});
            dc.MoveTo(0, 50);
            dc.LineTo(100, 50);
        });
        EXPECT_FALSE(Ink(image).isNull());
    }

    // Labels ask for "monaco", which is seldom installed; Chinese notes need a
    // face with its glyphs.
    Font monaco = TestFont(-24);
    monaco.face = "monaco";
    EXPECT_EQ(ToQFont(monaco, 1).styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
    const auto draw = [&](const char* text) { return DrawnText(text, {0, 0, 100, 40}, 0, monaco); };
    EXPECT_GT(Ink(draw("100.25")).width(), 20);
    // Two different characters drawn alike would be the missing-glyph box.
    const QImage zhong = draw("中");
    EXPECT_TRUE(!Ink(zhong).isNull() && zhong != draw("文"));
}

// To the pixel, at fractional and negative origins, in italics (which overhang
// their advance) and where a line falls back to a second font.
TEST(PainterSurfaceText, GlyphsLandAsQtsLayoutPutsThemInNoteBoxesAndOnlyAsFarAsCanBeSeen)
{
    for (bool italic : {false, true}) {
        for (int pixels : {11, 14, 20}) {
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(pixels);
            font.setItalic(italic);
            font.setStyleStrategy(QFont::NoAntialias);
            for (const char* text : {"141\n5/18\n141", "98\n4/5\n98", "Italic 阻力 text"}) {
                CTextBlock block(font, QString::fromUtf8(text), 0);
                QStaticText reference(QString::fromUtf8(text).replace(QLatin1Char('\n'), QChar::LineSeparator));
                reference.setTextFormat(Qt::PlainText);
                QTextOption option(Qt::AlignHCenter);
                option.setWrapMode(QTextOption::NoWrap);
                reference.setTextOption(option);
                reference.setTextWidth(block.Width());
                // Origins from -10 to 10 pixels in steps of 7/128.
                for (int step = -1280; step < 1280; step += 7) {
                    const double x = step / 128.0;
                    const QPointF origin(x, 2.5 + std::abs(x) / 3);
                    const QImage ours = Painted(200, 80, [&](QPainter& painter) { block.Draw(painter, origin, true); });
                    const QImage qts = Painted(200, 80, [&](QPainter& painter) {
                        painter.setFont(font);
                        painter.drawStaticText(origin, reference);
                    });
                    EXPECT_TRUE(ours == qts) << text << " at " << x << ", " << pixels << " px, italic " << italic;
                }
            }
        }
    }

    // Note boxes hold every glyph, also where fallback glyphs fill or overhang
    // their advance: the boxed text covers as many pixels as with room to spare.
    constexpr Color kInk = 0x123456;
    for (const char* text : {"价格目标", "Target", "Wg\n价j"}) {
        for (const int height : {-9, -12, -20}) {
            for (const double zoom : {0.6, 1.0, 1.5}) {
                CGridChart chart;
                chart.m_fZoom = static_cast<float>(zoom);
                chart.m_Comments.emplace(12, Comments{text, Colors::Yellow, height, 0, 0, 0, "DejaVu Sans", {}, kInk});
                Font font;
                const QImage boxed = Paint(260, 220, zoom, [&](CPainterSurface& dc) {
                    CRecordingSurface log(&dc);
                    chart.DrawComments(log);
                    font = log.Ops().at(1).font;
                });
                const QImage free = DrawnText(text, {0, 0, 300, 200}, TextFlags::Center, font, zoom);
                EXPECT_EQ(CountColor(boxed, ToQColor(kInk)), CountColor(free, Qt::black))
                    << text << " " << height << " at " << zoom;
            }
        }
    }

    // Long texts are laid out only as far as can be seen.
    std::string storage, shortText = "ab\ncd";
    EXPECT_EQ(CTextBlock::LaidOutPart(shortText, storage).data(), shortText.data());

    // Cut between characters, never inside one.
    const std::string wide = QString(20000, QChar(0x4EF7)).toStdString();
    const QString cut = QString::fromStdString(std::string(CTextBlock::LaidOutPart(wide + "\nnext", storage)));
    EXPECT_EQ(cut, QString(CTextBlock::kMaxLineChars, QChar(0x4EF7)) + QStringLiteral("\nnext"));

    std::string many = std::string(400000, 'x') + "\n" + std::string(400000, 'x');
    for (int i = 0; i < 40; ++i)
        many += "\n" + std::string(10000, 'y');
    const std::string_view total = CTextBlock::LaidOutPart(many, storage);
    EXPECT_EQ(total.size() - static_cast<size_t>(std::count(total.begin(), total.end(), '\n')),
              CTextBlock::kMaxChars);

    // A note of five million lines (15 MB): boxed as its visible part needs,
    // its text kept whole.
    CGridChart chart;
    chart.m_fZoom = 1.0f;
    Comments note{"", Colors::Yellow, -12, 0, 0, 0, "DejaVu Sans", {}, 0};
    for (int i = 0; i < 5000000; ++i)
        note.m_strText += "ab\n";
    chart.m_Comments.emplace(1, note);
    Rect one{};
    const int lineHeight = Measure("ab", one, 0, TestFont(-12));
    const QImage image = Paint(200, 200, 1, [&](CPainterSurface& dc) { chart.DrawComments(dc); });
    const Comments& drawn = chart.m_Comments.begin()->second;
    // Centred on its anchor, 20 units below the cell's centre.
    EXPECT_TRUE(drawn.m_strText == note.m_strText && drawn.m_rcBox.Center().y == 40) << drawn.m_rcBox.Center().y;
    EXPECT_NEAR(drawn.m_rcBox.Height(), lineHeight * static_cast<int>(CTextBlock::kMaxLines), 3);
    EXPECT_GT(CountColor(image, QColor(Qt::yellow)), 2000);
    // Line after line of "ab", each as high as one line alone.
    EXPECT_NE(Row(image, 40, 25, 55).find('#'), std::string::npos);
    for (int y = 0; y + lineHeight < 200; ++y)
        ASSERT_EQ(Row(image, y, 25, 55), Row(image, y + lineHeight, 25, 55)) << y;
}

// The clip path is for viewers that honour one.
TEST(PainterSurfaceSvg, WrittenAsPaintedWithTextClippedAndShapesWhereTheyLandInAnImage)
{
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    {
        CSvgPaintDevice device(svg, QSize(200, 100), "t<&>");
        QPainter painter(&device);
        painter.translate(5, 0);
        CPainterSurface dc(painter, 1);
        dc.SelectFont(TestFont(-20));
        dc.SetBkMode(BkMode::Transparent);
        Rect rc{50, 20, 70, 40};
        dc.DrawText("WWWW<&>", rc, TextFlags::Center);
        rc = {0, 60, 200, 100};
        dc.DrawText("after\x01", rc, TextFlags::Center);
        // More than the device gathers before it writes: some of it is out
        // before the painter ends.
        for (int i = 0; i < 2000; ++i)
            dc.FillRect({0, 0, 1, 1}, Brush::Solid(Colors::Red));
        EXPECT_GT(svg.size(), 0);
    }
    const QByteArray data = svg.data();
    QXmlStreamReader xml(data);
    QStringList texts;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            texts << xml.readElementText();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    // Whatever fonts are installed: some have glyphs for control characters.
    EXPECT_EQ(texts, QStringList({"WWWW<&>", "after"}));
    EXPECT_EQ(CTextBlock(QFont("DejaVu Sans"), "after\x01\x7f", 0).Lines()[0].text, QString("after"));
    EXPECT_TRUE(data.contains("<clipPath id=\"c0\"><path d=\"M55,20L75,20L75,40L55,40L55,20\"/></clipPath>"));
    const qsizetype clipped = data.indexOf("WWWW"), closed = data.indexOf("</g>"), after = data.indexOf("after");
    EXPECT_TRUE(clipped < closed && closed < after);

    // One page of a chart printed over many holds only its part: the rest
    // is left out, not merely clipped. Shapes count their pen's width.
    QBuffer page;
    page.open(QIODevice::WriteOnly);
    {
        CSvgPaintDevice device(page, QSize(200, 100), "t");
        QPainter painter(&device);
        painter.translate(-100, 0);
        CPainterSurface dc(painter, 1);
        dc.SelectFont(TestFont(-20));
        dc.ShowOnly(QRectF(0, 0, 200, 100));
        for (const int x : {0, 150, 400}) {
            Rect box{x, 20, x + 40, 40};
            dc.DrawText("at" + std::to_string(x), box, TextFlags::Center);
            dc.MoveTo(x, 50);
            dc.LineTo(x + 40, 55);
            dc.Ellipse({x, 60, x + 20, 80});
            dc.FillRect({x, 80, x + 40, 85}, Brush::Solid(Colors::Red));
            dc.Draw3dRect({x, 90, x + 40, 95}, Colors::Blue, Colors::Blue);
        }
        dc.MoveTo(0, 99); // across the page from outside to outside
        dc.LineTo(400, 99);
        dc.MoveTo(80, 10); // ten units short of the page: cosmetic, then wide
        dc.LineTo(90, 10);
        dc.SelectPen({PenStyle::Solid, 12, Colors::Black});
        dc.LineTo(90, 0);
    }
    EXPECT_FALSE(page.data().contains(">at0<"));
    EXPECT_TRUE(page.data().contains(">at150<"));
    EXPECT_FALSE(page.data().contains(">at400<"));
    // At 150 the text's background and clip path, line, ellipse, fill and
    // frame's four edges; the line across; the wide line.
    const QByteArray& shown = page.data();
    EXPECT_EQ(shown.count("<path") + shown.count("<rect") + shown.count("<ellipse"), 2 + 3 + 4 + 1 + 1)
        << shown.toStdString();

    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    CSvgPaintDevice failing(readOnly, QSize(10, 10), "t");
    QPainter painter(&failing);
    painter.fillRect(0, 0, 5, 5, Qt::red);
    EXPECT_FALSE(painter.end());

    // Transforms, cosmetic and wide pens, dotted lines, ellipses and fills.
    const auto draw = [](QPainter& painter) {
        painter.translate(7, 3);
        CPainterSurface dc(painter, 1.5);
        dc.FillRect({2, 2, 20, 12}, Brush::Solid(Colors::Blue));
        dc.SelectPen({PenStyle::Solid, 4, Colors::Red});
        dc.MoveTo(10, 30);
        dc.LineTo(60, 30);
        dc.SelectPen({PenStyle::Dot, 0, Colors::Black});
        dc.MoveTo(10, 40);
        dc.LineTo(60, 40);
        dc.SelectBrush(Brush::Solid(Colors::Green));
        dc.Ellipse({40, 2, 60, 22});
    };
    const QImage image = Painted(120, 80, draw);
    QBuffer shapes;
    shapes.open(QIODevice::WriteOnly);
    {
        CSvgPaintDevice device(shapes, QSize(120, 80), "t");
        QPainter painter(&device);
        draw(painter);
    }
    QSvgRenderer renderer(shapes.data());
    const QImage rendered = Painted(120, 80, [&](QPainter& painter) { renderer.render(&painter); });
    for (const QColor color : {QColor(Qt::blue), QColor(Qt::red), QColor(0, 128, 0)}) {
        const QRect ours = Ink(image, color), theirs = Ink(rendered, color);
        EXPECT_LE((ours.topLeft() - theirs.topLeft()).manhattanLength(), 2) << color.name().toStdString();
        EXPECT_LE((ours.bottomRight() - theirs.bottomRight()).manhattanLength(), 2) << color.name().toStdString();
    }
    EXPECT_NE(Row(rendered, 64, 20, 90).find('.'), std::string::npos); // the dotted line has gaps
}

// Failures first, while the folder must stay empty. Pictures reach the disk
// as chart files do: the old file whole when the disk fills up while a PDF is
// written (its writer ignores a short write), no temporary file left.
TEST(ChartExport, WritesPngSvgAndPdfByExtensionOrFailsWithAMessageWritingNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto chart = MakeChart<CDrawSquareOfNine>(3, {20, 20, 280, 280});
    const auto path = [&](const char* name) { return dir.filePath(name).toStdString(); };
    const auto contents = [&](const char* name) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };

    std::string error;
    EXPECT_TRUE(!ExportChart(*chart, path("chart.bmp"), 300, 1, error) && error.find("chart.bmp") != std::string::npos
                && error.find(".png") != std::string::npos && error.find('\n') == std::string::npos) << error;
    EXPECT_TRUE(!ExportChart(*chart, path("missing/chart.png"), 300, 1, error)
                && error.find("missing/chart.png") != std::string::npos) << error;
    error.clear();
    EXPECT_TRUE(!ExportChart(*chart, path("chart.png"), 300, 0, error) && !error.empty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());

    const std::pair<const char*, QByteArray> cases[] = {{"chart.png", "\x89PNG\r\n"}, {"chart.SVG", "<?xml"},
        {"chart.pdf", "%PDF-"}};
    for (const auto& [name, header] : cases) {
        ASSERT_TRUE(ExportChart(*chart, path(name), 300, 0.5, error)) << name << ": " << error;
        EXPECT_TRUE(contents(name).startsWith(header)) << name;
    }
    const QImage png(dir.filePath("chart.png"));
    EXPECT_TRUE(png.size() == QSize(150, 150) && !Ink(png).isNull());
    // Vector files keep the labels as text, to search and copy.
    EXPECT_TRUE(contents("chart.SVG").contains(">25</text>"));
    // The clipboard's picture is scaled down to its limit, not refused.
    EXPECT_EQ(ChartImage(*chart, 300, 0.5, 200, error).size(), QSize(150, 150));
    const QImage capped = ChartImage(*chart, 300, 2, 200, error);
    EXPECT_EQ(capped.size(), QSize(200, 200));
    EXPECT_NEAR(Ink(capped).width(), Ink(png).width() * 4 / 3, 3);

    // A disk that fills up: writes past the limit fail, their signal ignored.
    const QByteArray before = contents("chart.pdf");
    const auto larger = MakeChart<CDrawSquareOfNine>(12, {20, 20, 980, 980});
    rlimit previous {};
    getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit diskFull {static_cast<rlim_t>(before.size()), previous.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &diskFull);
    const bool exported = ExportChart(*larger, path("chart.pdf"), 1000, 1, error);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);
    EXPECT_TRUE(!exported && error.find("chart.pdf: File too large") != std::string::npos) << error;
    EXPECT_EQ(contents("chart.pdf"), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 3);
}
