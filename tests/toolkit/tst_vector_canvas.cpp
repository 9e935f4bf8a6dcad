#include "CanvasTestUtil.h"

#include "toolkit/Errors.h"
#include "toolkit/VectorCanvas.h"
#include "toolkit/VectorPicture.h"

#include <QPainter>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include <functional>

using Drawing = std::function<void(CanvasOps &)>;
Q_DECLARE_METATYPE(Drawing)

namespace {

constexpr Coord kFar = Coord(1) << 50;

void penAndBrush(CanvasOps &c)
{
    c.setPenColor(kPen);
    c.setBrushColor(kFill);
}

} // namespace

// VectorCanvas painted by Qt's own rasteriser must set Canvas's pixels wherever no edge is
// slanted or curved. Shapes are painted 4 times enlarged, each pixel a block of 4 x 4 that must
// be of one colour: at 1:1 Qt draws pens one pixel wide without joins, leaving corners open.
class TestVectorCanvas : public QObject {
    Q_OBJECT
private slots:
    void rasterisedLikeCanvas_data()
    {
        QTest::addColumn<Drawing>("draw");
        QTest::addColumn<QList<QRect>>("ignored"); // curved corners
        QTest::addColumn<int>("scale");
        const QList<QRect> none;
        QTest::newRow("rectangle") << Drawing([](CanvasOps &c) {
            penAndBrush(c);
            c.Rectangle(10, 10, 50, 30);
        }) << none << 4;
        QTest::newRow("reversed corners, clear brush") << Drawing([](CanvasOps &c) {
            penAndBrush(c);
            c.setBrushStyle(BrushStyle::Clear);
            c.Rectangle(60, 40, 20, 15);
        }) << none << 4;
        QTest::newRow("one pixel wide and two high") << Drawing([](CanvasOps &c) {
            penAndBrush(c);
            c.Rectangle(30, 20, 31, 60);
            c.Rectangle(40, 20, 70, 22);
        }) << none << 4;
        QTest::newRow("fill") << Drawing([](CanvasOps &c) {
            penAndBrush(c);
            c.FillRect(95, 12, 5, 5);
        }) << none << 4;
        QTest::newRow("polyline leaves out its last point") << Drawing([](CanvasOps &c) {
            c.setPenColor(kPen);
            c.MoveTo(5, 50);
            c.LineTo(90, 50);
            c.LineTo(90, 10);
            c.LineTo(20, 10);
        }) << none << 4;
        QTest::newRow("round rectangle's straight edges") << Drawing([](CanvasOps &c) {
            penAndBrush(c);
            c.RoundRect(10, 10, 60, 40, 10, 10);
        }) << QList<QRect>{{10, 10, 5, 5}, {55, 10, 5, 5}, {10, 35, 5, 5}, {55, 35, 5, 5}}
                                                          << 4;
        QTest::newRow("far-reaching shapes") << Drawing([](CanvasOps &c) {
            penAndBrush(c);
            c.FillRect(-kFar, -kFar, 20, 20);
            c.Rectangle(-kFar, 30, kFar, 40);
            c.RoundRect(50, -kFar, 70, kFar, 10, 10);
            c.MoveTo(kFar, 60);
            c.LineTo(-kFar, 60);
            c.MoveTo(80, -kFar);
            c.LineTo(80, kFar);
        }) << none << 4;
        QTest::newRow("text on a solid brush, text cut at both ends") << Drawing([](CanvasOps &c) {
            penAndBrush(c);
            c.setFontColor(kPen);
            c.TextOut(10, 5, QString::fromUtf8("Store №2"));
            c.setBrushStyle(BrushStyle::Clear);
            c.TextOut(-3'000'000, 40, QStringLiteral("0123456789").repeated(60'000));
        }) << none << 1;
    }

    void rasterisedLikeCanvas()
    {
        QFETCH(Drawing, draw);
        QFETCH(QList<QRect>, ignored);
        QFETCH(int, scale);
        QImage expected = blankImage(100, 70);
        Canvas canvas(&expected);
        draw(canvas);

        QImage actual = blankImage(expected.width() * scale, expected.height() * scale);
        {
            QPainter painter(&actual);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(scale, scale);
            VectorCanvas vector(painter, expected.width(), expected.height());
            draw(vector);
            QCOMPARE(vector.penPos(), canvas.penPos());
        }
        for (int y = 0; y < actual.height(); ++y)
            for (int x = 0; x < actual.width(); ++x) {
                const QPoint p(x / scale, y / scale);
                const bool skip = std::any_of(ignored.begin(), ignored.end(),
                                              [&](const QRect &r) { return r.contains(p); });
                if (!skip && at(actual, x, y) != at(expected, p.x(), p.y()))
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, not %4")
                                         .arg(p.x())
                                         .arg(p.y())
                                         .arg(at(actual, x, y), 6, 16, QLatin1Char('0'))
                                         .arg(at(expected, p.x(), p.y()), 6, 16, QLatin1Char('0'))));
            }
    }

    // A failure while drawing leaves through the painter and the document writer.
    void failureWhileDrawingPassesThrough()
    {
        for (VectorFormat format : {VectorFormat::Svg, VectorFormat::Pdf})
            QVERIFY_THROWS_EXCEPTION(ConvertError, vectorPicture(format, 50, 50, [](CanvasOps &c) {
                                         c.Rectangle(5, 5, 20, 20);
                                         throw ConvertError(QStringLiteral("'x' is not a colour"));
                                     }));
    }

    // A text is one well-formed <text> element holding all of it, as find-in-page and copying
    // need, whatever its characters; those XML does not allow show as U+FFFD. A text off the
    // sheet is left out.
    void svgTextIsOneElement_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("x");
        QTest::newRow("mixed scripts") << QString::fromUtf8("Отдел IT") << QString::fromUtf8("Отдел IT") << 5;
        QTest::newRow("needs shaping")
            << QString::fromUtf8("שלום a\u0301") << QString::fromUtf8("שלום a\u0301") << 5;
        QTest::newRow("control characters")
            << QString::fromUtf8("a\x01\x07\x1f\nb") << QString::fromUtf8("a\uFFFD\uFFFD\uFFFD\uFFFDb") << 5;
        QTest::newRow("unpaired surrogate")
            << QString::fromUtf16(u"x\xD800y") << QString::fromUtf16(u"x\xFFFDy") << 5;
        QTest::newRow("tab") << QString::fromUtf8("tab\there") << QString::fromUtf8("tab\there") << 5;
        QTest::newRow("markup") << QString::fromUtf8("<&>\"'") << QString::fromUtf8("<&>\"'") << 5;
        QTest::newRow("empty") << QString() << QString() << 5;
        QTest::newRow("right of the sheet") << QString::fromUtf8("far\taway") << QString() << 260;
        QTest::newRow("left of the sheet") << QString::fromUtf8("far\taway") << QString() << -300;
    }

    void svgTextIsOneElement()
    {
        QFETCH(QString, text);
        QFETCH(QString, written);
        QFETCH(int, x);
        QXmlStreamReader xml(
            vectorPicture(VectorFormat::Svg, 200, 40, [&](CanvasOps &c) { c.TextOut(x, 5, text); }));
        QStringList texts;
        while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError())
            if (xml.isStartElement() && xml.name() == QLatin1String("text"))
                texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(texts, written.isEmpty() ? QStringList() : QStringList{written});
    }

    // Only the part of a long text and line that can show goes into the document.
    void farPartsLeftOut()
    {
        const QString longText(1'000'000, QLatin1Char('x'));
        const QByteArray svg = vectorPicture(VectorFormat::Svg, 200, 100, [&](CanvasOps &c) {
            c.TextOut(-2'000'000, 10, longText);
            c.MoveTo(-kFar, 50);
            c.LineTo(kFar, 50);
            c.Ellipse(kFar, kFar, kFar + 12, kFar + 12);
        });
        QVERIFY2(svg.size() < 8000, QByteArray::number(svg.size()));
        QVERIFY(svg.contains(">x</tspan>"));
        // No coordinate far from the surface.
        QVERIFY(!QString::fromUtf8(svg).contains(QRegularExpression(QStringLiteral("(?<![#\\d])\\d{6}"))));
    }
};

QTEST_MAIN(TestVectorCanvas)
#include "tst_vector_canvas.moc"
