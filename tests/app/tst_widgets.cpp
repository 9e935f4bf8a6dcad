#include "app/ColorBox.h"
#include "app/Glyphs.h"
#include "app/ModalProvider.h"
#include "toolkit/ColorText.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QTest>

class TestWidgets : public QObject {
    Q_OBJECT
private slots:
    void fileFilter_data();
    void fileFilter();
    void glyphTransparency_data();
    void glyphTransparency();
    void colorItems();
    void closedBoxShowsSwatch();
    void droppedItemsAreSwatches();
};

void TestWidgets::fileFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qt");
    QTest::newRow("scheme") << "Gravelink file (*.grvlk)|*.grvlk"
                            << "Gravelink file (*.grvlk)";
    QTest::newRow("bitmap") << "Bitmap (*.bmp)|*.bmp"
                            << "Bitmap (*.bmp)";
    QTest::newRow("name without patterns") << "Pictures|*.bmp;*.png"
                                           << "Pictures (*.bmp *.png)";
    QTest::newRow("two pairs") << "A (*.a)|*.a|All|*.*"
                               << "A (*.a);;All (*.*)";
    QTest::newRow("empty") << ""
                           << "";
}

void TestWidgets::fileFilter()
{
    QFETCH(QString, filter);
    QFETCH(QString, qt);
    QCOMPARE(qtFileFilter(filter), qt);
}

void TestWidgets::glyphTransparency_data()
{
    QTest::addColumn<int>("glyph");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRgb>("key");
    const QRgb grey = qRgb(0xC0, 0xC0, 0xC0);
    QTest::newRow("menu") << int(Glyph::Menu) << QSize(7, 7) << qRgb(0, 0xFF, 0xFF);
    const std::pair<Glyph, const char *> others[] = {
        {Glyph::Cursor, "cursor"},       {Glyph::Rectangle, "rectangle"}, {Glyph::Point, "point"},
        {Glyph::Line, "line"},           {Glyph::Delete, "delete"},       {Glyph::ChangeLine, "change line"},
        {Glyph::TriangleUp, "up"},       {Glyph::TriangleDown, "down"},   {Glyph::TriangleLeft, "left"},
        {Glyph::TriangleRight, "right"}, {Glyph::NewPage, "new"},         {Glyph::OpenFolder, "open"},
        {Glyph::Save, "save"},           {Glyph::SaveAs, "save as"},      {Glyph::CopyImage, "copy image"},
    };
    for (const auto &[g, name] : others)
        QTest::newRow(name) << int(g) << QSize(16, 16) << grey;
}

void TestWidgets::glyphTransparency()
{
    QFETCH(int, glyph);
    QFETCH(QSize, size);
    QFETCH(QRgb, key);
    const QImage painted = glyphImage(Glyph(glyph)).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(painted.size(), size);
    QCOMPARE(painted.pixel(0, size.height() - 1), key);
    const QImage shown = withBottomLeftTransparent(painted);
    int keyPixels = 0, opaque = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const bool isKey = painted.pixel(x, y) == key;
            keyPixels += isKey;
            opaque += qAlpha(shown.pixel(x, y)) == 255;
            // Exactly the key-coloured pixels become transparent.
            QCOMPARE(qAlpha(shown.pixel(x, y)) == 0, isKey);
        }
    QVERIFY(keyPixels > 0);
    QVERIFY(opaque > 0);
}

void TestWidgets::colorItems()
{
    ColorBox box;
    QCOMPARE(box.count(), 9);
    QCOMPARE(box.itemText(0), QStringLiteral("$0099FFFF"));
    QCOMPARE(box.itemText(8), QStringLiteral("$0099CCFF"));
    // "$0099FFFF" is red 255, green 255, blue 153.
    QCOMPARE(toQRgb(box.itemColor(0)), qRgb(255, 255, 153));
    QCOMPARE(toQRgb(box.itemColor(2)), qRgb(153, 204, 255));
    QCOMPARE(box.currentIndex(), 0);
    QCOMPARE(box.maxVisibleItems(), 9);
    for (int i = 0; i < box.count(); ++i)
        QCOMPARE(ColorToString(box.itemColor(i)), box.itemText(i));
}

void TestWidgets::closedBoxShowsSwatch()
{
    ColorBox box;
    box.resize(39, 22);
    box.setIndex(3);
    const QImage shot = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int swatch = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            swatch += shot.pixel(x, y) == qRgb(255, 204, 204);
    QVERIFY2(swatch >= 20, qPrintable(QString::number(swatch)));
}

void TestWidgets::droppedItemsAreSwatches()
{
    ColorBox box;
    QAbstractItemView *view = box.view();
    QCOMPARE(view->sizeHintForRow(0), ColorBox::kItemHeight);
    // One item drawn into a 30 x 16 cell: white margin of 2, black outline, colour inside.
    QImage cell(30, 16, QImage::Format_RGB32);
    cell.fill(Qt::gray);
    {
        QPainter p(&cell);
        box.drawSwatch(p, cell.rect(), 1);
    }
    QCOMPARE(cell.pixel(1, 1), QColor(Qt::gray).rgb());
    QCOMPARE(cell.pixel(2, 2), qRgb(0, 0, 0));
    QCOMPARE(cell.pixel(27, 13), qRgb(0, 0, 0));
    QCOMPARE(cell.pixel(28, 14), QColor(Qt::gray).rgb());
    QCOMPARE(cell.pixel(15, 8), qRgb(204, 255, 204));
    QCOMPARE(cell.pixel(3, 3), qRgb(204, 255, 204));
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
