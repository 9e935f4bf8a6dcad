#pragma once

#include "model/ElementTables.h"
#include "model/SchemeChange.h"
#include "render/DamageSet.h"
#include "render/SceneMirror.h"
#include "render/SceneRepaint.h"
#include "toolkit/Canvas.h"
#include "toolkit/TextList.h"

#include <QString>

#include <future>
#include <optional>
#include <vector>

// The sheet picture kept up to date by redrawing only what changed. It mirrors every row of
// the three tables as drawn last (SceneMirror) and follows the changes made to the tables
// since. A redraw brings the changed items up to date, which collects their old and new
// extents (DamageSet), and repaints those (SceneRepaint): each box is cleared and everything
// meeting it is drawn again, clipped to it, in the order and with the pixels of the full redraw;
// a changed line's stroke is repainted pixel by pixel.
class IncrementalScene {
public:
    enum class Outcome {
        Drawn,      // the sheet is up to date
        FullRedraw, // too much changed: the caller redraws everything; the mirror stays valid
        Rebuild,    // the caller redraws everything and then calls rebuild()
    };
    using Midpoint = SceneMirror::Midpoint;

    IncrementalScene() = default;
    IncrementalScene(const IncrementalScene &) = delete;
    IncrementalScene &operator=(const IncrementalScene &) = delete;
    ~IncrementalScene();

    bool valid() const { return !building() && m_mirror.valid(); }
    // Forgets the mirror: the next redraw is a full one.
    void invalidate();
    // Mirrors the tables just drawn in full on the canvas, with that multi-selection marked.
    void rebuild(const ElementTables &tables, const Canvas &canvas, const TextList &multiSelection);
    // The same on another thread. Until settle() has returned, the tables must not change and
    // only building() and topRectangleAt() may be called; every other call settles first.
    // The texts must have been measured on the canvas's face (as the full redraw does); when
    // one needs shaping, the mirror is dropped and the next rebuild is done on the caller's thread.
    void rebuildInBackground(const ElementTables &tables, const Canvas &canvas,
                             const TextList &multiSelection);
    bool building() const { return m_building.valid(); }
    // Waits for a rebuild on another thread to end.
    void settle();

    // A change just made to the tables, made again (forward) or taken back.
    void noteChange(const SchemeChange &change, bool forward = true);
    // Something was drawn on the sheet for that row outside a redraw: the row is drawn again.
    void touchRow(TableId table, int row);

    // Brings the sheet up to date with the changes noted since the last redraw. When it draws,
    // the lines whose midpoints may have changed are listed with their ends; the caller stores
    // them as the full redraw does.
    Outcome redraw(Canvas &canvas, const TextList &multiSelection, std::vector<Midpoint> &midpoints);

    // The last in-use row of the rectangles whose caption box around its centre (edges
    // included) holds (x, y), or -1; captions measured at that pixel size. Nothing when the
    // mirror is not up to date with the table (or is being built).
    std::optional<int> topRectangleAt(Coord x, Coord y, const StringGrid &rectangles, int pixelSize) const;

    // The rows of the lines whose name has `name` before or after its first '-', ascending;
    // nothing when the mirror cannot tell (not built, or changes wait for a redraw).
    std::optional<std::vector<int>> lineRowsAttachedTo(const QString &name) const;

    // Pixels the last redraw repainted.
    qint64 lastRedrawPixels() const { return m_lastPixels; }

private:
    // Mirrors the tables on this thread or another; returns what the mirror says of it.
    SceneMirror::Built build(const ElementTables &tables, SceneMirror::SheetFacts sheet,
                             const TextList &multiSelection, bool offThread);
    // Forgets the mirror (invalidate() without settling first).
    void clear();

    DamageSet m_damage;
    SceneMirror m_mirror{m_damage};
    SceneRepaint m_repaint{m_mirror, m_damage};
    std::future<void> m_building;
    bool m_buildHere = false; // the next rebuild stays on the caller's thread
    qint64 m_lastPixels = 0;
};
