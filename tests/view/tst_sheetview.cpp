#define QTEST_QPA_MOUSE_HANDLING
#include "view/SheetView.h"

#include <QTest>

#include <stdexcept>

namespace {

QString flags(ShiftState s)
{
    QStringList out;
    const std::pair<ShiftFlag, const char *> names[] = {
        {ssShift, "Shift"}, {ssAlt, "Alt"},       {ssCtrl, "Ctrl"},    {ssLeft, "Left"},
        {ssRight, "Right"}, {ssMiddle, "Middle"}, {ssDouble, "Double"}};
    for (const auto &[flag, name] : names)
        if (s & flag)
            out << QString::fromLatin1(name);
    return out.join(QLatin1Char('+'));
}

// The log without pointer moves (the test driver moves the pointer before each click).
QStringList withoutMoves(const QStringList &log)
{
    QStringList out;
    for (const QString &line : log)
        if (!line.startsWith(QLatin1String("move")))
            out << line;
    return out;
}

struct Probe {
    QWidget top;
    SheetView *view;
    QStringList log;
    QImage image{200, 100, QImage::Format_RGB32};

    Probe()
    {
        top.resize(300, 200);
        view = new SheetView(&top);
        view->setGeometry(10, 10, 200, 100);
        image.fill(Qt::white);
        view->setImage(&image);
        view->onDblClick = [this] { log << QStringLiteral("dbl"); };
        view->onMouseDown = [this](MouseButton b, ShiftState s, int x, int y) {
            log << QStringLiteral("down %1 %2 %3,%4").arg(int(b)).arg(flags(s)).arg(x).arg(y);
        };
        view->onMouseMove = [this](ShiftState s, int x, int y) {
            log << QStringLiteral("move %1 %2,%3").arg(flags(s)).arg(x).arg(y);
        };
        view->onMouseUp = [this](MouseButton b, ShiftState s, int x, int y) {
            log << QStringLiteral("up %1 %2 %3,%4").arg(int(b)).arg(flags(s)).arg(x).arg(y);
        };
        top.show();
    }
};

} // namespace

class TestSheetView : public QObject {
    Q_OBJECT
private slots:
    void doubleClickOrder();
    void rightDoubleClickHasNoDblClick();
    void shiftStateOfPressAndRelease();
    void failingDblClickSkipsItsPress();
    void showsTheImage();
};

void TestSheetView::doubleClickOrder()
{
    Probe p;
    QVERIFY(QTest::qWaitForWindowExposed(&p.top));
    QTest::mouseDClick(p.view, Qt::LeftButton, {}, QPoint(20, 30));
    const QStringList expected{QStringLiteral("down 0 Left 20,30"), QStringLiteral("up 0  20,30"),
                               QStringLiteral("dbl"), QStringLiteral("down 0 Left+Double 20,30"),
                               QStringLiteral("up 0  20,30")};
    QCOMPARE(withoutMoves(p.log), expected);
}

void TestSheetView::rightDoubleClickHasNoDblClick()
{
    Probe p;
    QVERIFY(QTest::qWaitForWindowExposed(&p.top));
    QTest::mouseDClick(p.view, Qt::RightButton, {}, QPoint(5, 6));
    const QStringList expected{QStringLiteral("down 1 Right 5,6"), QStringLiteral("up 1  5,6"),
                               QStringLiteral("down 1 Right+Double 5,6"), QStringLiteral("up 1  5,6")};
    QCOMPARE(withoutMoves(p.log), expected);
}

void TestSheetView::shiftStateOfPressAndRelease()
{
    Probe p;
    QVERIFY(QTest::qWaitForWindowExposed(&p.top));
    QTest::mousePress(p.view, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(7, 8));
    QTest::mouseMove(p.view, QPoint(9, 10));
    QTest::mouseRelease(p.view, Qt::LeftButton, Qt::ShiftModifier, QPoint(9, 10));
    QTest::mouseClick(p.view, Qt::MiddleButton, Qt::AltModifier, QPoint(1, 2));
    QCOMPARE(withoutMoves(p.log).value(0), QStringLiteral("down 0 Shift+Ctrl+Left 7,8"));
    QVERIFY(p.log.contains(QStringLiteral("move Left 9,10")) ||
            p.log.contains(QStringLiteral("move Shift+Ctrl+Left 9,10")));
    // A release reports the state after the button went up: exactly Shift.
    QVERIFY(p.log.contains(QStringLiteral("up 0 Shift 9,10")));
    QVERIFY(p.log.contains(QStringLiteral("down 2 Alt+Middle 1,2")));
    QVERIFY(p.log.contains(QStringLiteral("up 2 Alt 1,2")));
}

void TestSheetView::failingDblClickSkipsItsPress()
{
    Probe p;
    QStringList failures;
    p.view->boundary = [&failures](const std::function<void()> &handling) {
        try {
            handling();
        } catch (const std::exception &e) {
            failures << QString::fromLatin1(e.what());
        }
    };
    p.view->onDblClick = [] { throw std::runtime_error("no line"); };
    QVERIFY(QTest::qWaitForWindowExposed(&p.top));
    QTest::mouseDClick(p.view, Qt::LeftButton, {}, QPoint(3, 4));
    QCOMPARE(failures, QStringList{QStringLiteral("no line")});
    QCOMPARE(withoutMoves(p.log).count(QStringLiteral("down 0 Left 3,4")), 1);
    QVERIFY(!p.log.contains(QStringLiteral("down 0 Left+Double 3,4")));
}

void TestSheetView::showsTheImage()
{
    Probe p;
    p.image.setPixel(5, 7, qRgb(255, 0, 0));
    p.image.setPixel(199, 99, qRgb(0, 0, 255));
    QVERIFY(QTest::qWaitForWindowExposed(&p.top));
    const QImage shown = p.view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(200, 100));
    QCOMPARE(shown.pixel(5, 7), qRgb(255, 0, 0));
    QCOMPARE(shown.pixel(199, 99), qRgb(0, 0, 255));
    QCOMPARE(shown.pixel(6, 7), qRgb(255, 255, 255));

    // At 150 % view pixel v shows image pixel floor(v / 1.5): pixel 5 covers columns 8 to 8,
    // pixel 7 rows 11 to 11, pixel 199 column 299.
    p.view->setScaleSource([] { return ViewScale{3, 2}; }, nullptr);
    const QImage big = p.view->render(QRect(0, 0, 300, 150));
    for (int v = 0; v < 300; ++v)
        QCOMPARE(big.pixel(v, 11) == qRgb(255, 0, 0), 2 * v / 3 == 5);
    QCOMPARE(big.pixel(299, 149), qRgb(0, 0, 255));
    QCOMPARE(big.pixel(298, 149), qRgb(255, 255, 255));
}

QTEST_MAIN(TestSheetView)
#include "tst_sheetview.moc"
