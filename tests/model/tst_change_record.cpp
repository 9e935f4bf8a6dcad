// A packed record gives back every change exactly, in either order.
#include "model/ChangeRecord.h"

#include <QTest>

namespace {

SchemeChange cell(TableId table, int row, int col, const QString &before, const QString &after)
{
    SchemeChange c;
    c.table = table;
    c.row = row;
    c.col = col;
    c.before = before;
    c.after = after;
    return c;
}

SchemeChange rowChange(SchemeChange::Kind kind, int row, const QStringList &cells)
{
    SchemeChange c;
    c.kind = kind;
    c.table = TableId::Lines;
    c.row = row;
    c.cells = cells;
    return c;
}

bool same(const SchemeChange &a, const SchemeChange &b)
{
    return a.kind == b.kind && a.table == b.table && a.row == b.row && a.col == b.col &&
           a.before == b.before && a.after == b.after && a.cells == b.cells && a.sizeBefore == b.sizeBefore &&
           a.sizeAfter == b.sizeAfter;
}

} // namespace

class TestChangeRecord : public QObject {
    Q_OBJECT
private slots:
    void everyChangeComesBackInEitherOrder()
    {
        SchemeChange size;
        size.kind = SchemeChange::Kind::SheetSize;
        size.sizeBefore = QSize(842, 595);
        size.sizeAfter = QSize(892, 595);
        // Whole numbers and their differences at the int range's ends, texts that only look like
        // numbers, one-byte and two-byte texts, empty ones, rows going down and up.
        const ChangeList changes{
            cell(TableId::Points, 7, 1, QStringLiteral("120"), QStringLiteral("121")),
            cell(TableId::Points, 3, 2, QStringLiteral("-2147483648"), QStringLiteral("2147483647")),
            cell(TableId::Rectangles, 100000, 1, QStringLiteral("007"), QStringLiteral("-0")),
            cell(TableId::Rectangles, 0, 3, QStringLiteral("+5"), QStringLiteral(" 5")),
            cell(TableId::Lines, 2, 3, QString(), QStringLiteral("caf\u00e9 \u0436\u00ff")),
            cell(TableId::Lines, 2, 9, QStringLiteral("99999999999"), QStringLiteral("$00FF00FF")),
            rowChange(SchemeChange::Kind::InsertRow, 5,
                      {QStringLiteral("R1-P2"), QStringLiteral("12"), QString(), QStringLiteral("\u2192")}),
            rowChange(SchemeChange::Kind::RemoveRow, 1, {}),
            size,
        };
        ChangeRecord record;
        for (const SchemeChange &c : changes)
            record.append(c);
        QCOMPARE(record.size(), size_t(changes.size()));
        QVERIFY(record.resizesSheet());
        for (bool forward : {true, false}) {
            size_t i = forward ? 0 : changes.size();
            record.forEach(forward, [&](const SchemeChange &c) {
                const SchemeChange &expected = changes[forward ? i++ : --i];
                QVERIFY2(same(c, expected),
                         qPrintable(QStringLiteral("row %1 col %2").arg(expected.row).arg(expected.col)));
            });
            QCOMPARE(i, forward ? changes.size() : size_t(0));
        }
        // A one-pixel move of a coordinate packs into a few bytes.
        ChangeRecord move;
        move.append(changes[0]);
        QVERIFY(move.bytes() - qint64(sizeof(ChangeRecord)) <= 16);
    }
};

QTEST_GUILESS_MAIN(TestChangeRecord)
#include "tst_change_record.moc"
