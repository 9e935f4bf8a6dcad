// Align and distribute the drawn boxes of the multi-selection's rectangles and points.
#include "editor/CoordMath.h"
#include "editor/Editor.h"

#include "model/TableOps.h"
#include "toolkit/IntText.h"

#include <algorithm>

void Editor::align(Alignment how)
{
    struct Member {
        const StringGrid *table;
        int row;
        PixelBox box;
    };
    std::vector<Member> members;
    for (const QString &name : m_multi.items()) {
        if (name.isEmpty() || name.contains(QLatin1Char('-')))
            continue;
        const int row = GetRowObjByName(m_doc.tables(), name);
        const StringGrid &table = m_doc.tables().tableForName(name);
        if (row >= 0 && rowInUse(table, row))
            members.push_back({&table, row, elementExtent(row, table)});
    }
    const bool distribute = how == Alignment::Horizontal || how == Alignment::Vertical;
    if (locked() || members.size() < (distribute ? 3u : 2u))
        return;

    // Each member's move; boxes move with their centres.
    std::vector<QPoint> moves(members.size());
    PixelBox all = members.front().box;
    for (const Member &m : members)
        all = all.united(m.box);
    for (size_t i = 0; i < members.size(); ++i) {
        const PixelBox &b = members[i].box;
        switch (how) {
        case Alignment::Left:
            moves[i].rx() = int(all.l - b.l);
            break;
        case Alignment::Right:
            moves[i].rx() = int(all.r - b.r);
            break;
        case Alignment::Centre:
            moves[i].rx() = int((all.l + all.r) / 2 - (b.l + b.r) / 2);
            break;
        case Alignment::Top:
            moves[i].ry() = int(all.t - b.t);
            break;
        case Alignment::Bottom:
            moves[i].ry() = int(all.b - b.b);
            break;
        case Alignment::Middle:
            moves[i].ry() = int((all.t + all.b) / 2 - (b.t + b.b) / 2);
            break;
        case Alignment::Horizontal:
        case Alignment::Vertical:
            break;
        }
    }
    if (distribute) {
        // Equal gaps between the boxes in their present order; the outer two stay.
        const bool across = how == Alignment::Horizontal;
        const auto lo = [across](const PixelBox &b) { return across ? b.l : b.t; };
        const auto hi = [across](const PixelBox &b) { return across ? b.r : b.b; };
        std::vector<size_t> order(members.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return lo(members[a].box) < lo(members[b].box); });
        const Coord start = lo(members[order.front()].box);
        const Coord end = hi(members[order.back()].box);
        Coord lengths = 0;
        for (size_t i : order)
            lengths += hi(members[i].box) - lo(members[i].box);
        const qint64 gaps = qint64(order.size()) - 1;
        const Coord free = end - start - lengths;
        Coord before = 0; // lengths of the boxes before this one
        for (size_t k = 0; k < order.size(); ++k) {
            const size_t i = order[k];
            // Whole pixels: the k-th box starts after k shares of the free space.
            const Coord share = free * qint64(k);
            const Coord target = start + before + (share >= 0 ? share / gaps : -((-share + gaps - 1) / gaps));
            (across ? moves[i].rx() : moves[i].ry()) = int(target - lo(members[i].box));
            before += hi(members[i].box) - lo(members[i].box);
        }
    }

    const Document::Step step(m_doc, distribute ? tr("Distribute") : tr("Align"));
    for (size_t i = 0; i < members.size(); ++i) {
        if (moves[i].isNull())
            continue;
        const StringGrid &t = *members[i].table;
        const int row = members[i].row;
        m_doc.setCell(t, ColX, row,
                      IntToStr(clampToInt(qint64(StrToInt(t.Cells(ColX, row))) + moves[i].x())));
        m_doc.setCell(t, ColY, row,
                      IntToStr(clampToInt(qint64(StrToInt(t.Cells(ColY, row))) + moves[i].y())));
    }
    UpdateImageModel();
    // The single selection follows its element to its new place.
    if (m_sel.elementSelected()) {
        const int row = GetRowObjByName(m_doc.tables(), m_sel.foundName);
        if (row >= 0)
            selectElementRow(row, m_doc.tables().tableForName(m_sel.foundName));
    }
}
