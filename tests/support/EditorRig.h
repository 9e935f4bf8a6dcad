#pragma once

#include "editor/Editor.h"
#include "model/TableOps.h"
#include "support/FakeUi.h"

#include <QStringList>

// An editor on a blank start-up sheet driven through plain fields, with helpers that fill the
// tables the way the tools do.
struct EditorRig {
    FakeUi ui;
    Editor e{ui};

    explicit EditorRig(int width = 842, int height = 595)
    {
        e.doc.sheet().CreateBitmap(width, height);
        e.refreshOverlay();
    }

    int addRect(const QString &name, int x, int y, const QString &caption = QStringLiteral("Name"),
                const QString &color = QStringLiteral("$0099FFFF"))
    {
        return e.doc.appendRow(e.doc.rectangles(), {name, QString::number(x), QString::number(y), caption, color});
    }
    int addPoint(const QString &name, int x, int y, const QString &caption = QStringLiteral("Pt"),
                 const QString &color = QStringLiteral("$00CCFFCC"))
    {
        return e.doc.appendRow(e.doc.points(), {name, QString::number(x), QString::number(y), caption, color});
    }
    int addLine(const QString &name, const QString &text = QString())
    {
        return e.doc.appendRow(e.doc.lines(), {name, QString(), QString(), text});
    }

    QPoint centre(const QString &name) const
    {
        const StringGrid &t = e.doc.tables().tableForName(name);
        const int row = GetRowObjByName(e.doc.tables(), name);
        return {t.Cells(ColX, row).toInt(), t.Cells(ColY, row).toInt()};
    }

    // A full left click (press and release at the same place).
    void click(int x, int y, ShiftState keys = 0)
    {
        e.sheetPress(mbLeft, keys | ssLeft, x, y);
        e.sheetRelease(mbLeft, keys, x, y);
    }
    void press(MouseButton b, int x, int y, ShiftState keys = 0)
    {
        const ShiftState held = b == mbLeft ? ssLeft : b == mbRight ? ssRight : ssMiddle;
        e.sheetPress(b, keys | held, x, y);
    }
    // A left drag from one place to another through the given number of moves, then release.
    void drag(int x0, int y0, int x1, int y1, ShiftState keys = 0, int steps = 3)
    {
        e.sheetPress(mbLeft, keys | ssLeft, x0, y0);
        for (int i = 1; i <= steps; ++i)
            e.sheetMove(keys | ssLeft, x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps);
        e.sheetRelease(mbLeft, keys, x1, y1);
    }
};
