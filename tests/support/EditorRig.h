#pragma once

#include "editor/Editor.h"
#include "model/TableOps.h"
#include "support/FakeUi.h"

#include <QSize>
#include <QStringList>

// An editor driven through FakeUi, on a blank sheet or on a scheme it takes over, with helpers
// that fill the tables the way the tools do and press, click and drag the way the mouse does.
struct EditorRig {
    FakeUi ui;
    Editor e{ui};

    explicit EditorRig(int width = 842, int height = 595)
    {
        e.doc().sheet().CreateBitmap(width, height);
        e.refreshOverlay();
    }
    // The scheme of `tables` on a sheet of that size, drawn, with nothing selected.
    EditorRig(ElementTables &&tables, QSize sheet)
    {
        e.doc().adoptTables(std::move(tables));
        e.doc().createSheet(sheet.width(), sheet.height());
        e.UpdateImageModel();
    }

    int addRect(const QString &name, int x, int y, const QString &caption = QStringLiteral("Name"),
                const QString &color = QStringLiteral("$0099FFFF"))
    {
        return e.doc().appendRow(e.doc().rectangles(),
                                 {name, QString::number(x), QString::number(y), caption, color});
    }
    int addPoint(const QString &name, int x, int y, const QString &caption = QStringLiteral("Pt"),
                 const QString &color = QStringLiteral("$00CCFFCC"))
    {
        return e.doc().appendRow(e.doc().points(),
                                 {name, QString::number(x), QString::number(y), caption, color});
    }
    int addLine(const QString &name, const QString &text = QString())
    {
        return e.doc().appendRow(e.doc().lines(), {name, QString(), QString(), text});
    }

    // A cell of the element with that name.
    QString cell(const QString &name, int col) const
    {
        return e.doc().tables().tableForName(name).Cells(col, GetRowObjByName(e.doc().tables(), name));
    }
    QPoint centre(const QString &name) const { return {cell(name, ColX).toInt(), cell(name, ColY).toInt()}; }

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
