#include "support/TableEdits.h"
#include "bench/SchemeGenerator.h"

#include "editor/ColorItems.h"
#include "model/TableOps.h"

#include <QRandomGenerator>
#include <QStringList>

namespace {

QString caption(QRandomGenerator &rng)
{
    static const QStringList words{"Idea", "Task", "Note", "Plan", "Step",
                                   "Goal", "Risk", "Data", "Test", "Node"};
    return words.at(rng.bounded(int(words.size()))) + QLatin1Char(' ') + QString::number(rng.bounded(1000));
}

} // namespace

void generateScheme(ElementTables &tables, const SchemeOptions &options)
{
    ClearSelectedTable(tables.HGrid);
    ClearSelectedTable(tables.PGrid);
    ClearSelectedTable(tables.EGrid);
    QRandomGenerator rng(options.seed);
    QStringList names;
    names.reserve(options.elements);
    int rects = 0, points = 0;
    const QStringList &colours = colorBoxItems();
    for (int i = 0; i < options.elements; ++i) {
        const bool rect = rng.bounded(2) == 0;
        const QString name = rect ? QStringLiteral("R%1").arg(++rects) : QStringLiteral("P%1").arg(++points);
        names << name;
        appendRow(rect ? tables.HGrid : tables.PGrid,
                  {name, QString::number(rng.bounded(options.sheet.width())),
                   QString::number(rng.bounded(options.sheet.height())), caption(rng),
                   colours.at(rng.bounded(int(colours.size())))});
    }
    if (names.size() < 2)
        return;
    for (int i = 0; i < options.lines; ++i) {
        const int a = rng.bounded(int(names.size()));
        int b = rng.bounded(int(names.size()) - 1);
        if (b >= a)
            ++b;
        const QString text = rng.bounded(2) ? QStringLiteral("t%1").arg(i) : QString();
        appendRow(tables.EGrid, {names.at(a) + QLatin1Char('-') + names.at(b), QString(), QString(), text});
    }
}
