#include "render/StrokeRepaint.h"

#include "render/ConnectorLines.h"
#include "render/DamageSet.h"
#include "render/SceneMirror.h"
#include "toolkit/Color.h"

#include <algorithm>
#include <unordered_map>

namespace {

// Windows are drawn on a scratch picture of at most this many pixels.
constexpr qsizetype kScratchPixels = 1 << 16;

// A picture of w x h pixels on this thread's scratch buffer (its pixels are left as they were).
QImage &scratchPicture(int w, int h, QImage::Format format)
{
    thread_local std::vector<std::uint32_t> buffer(kScratchPixels);
    thread_local std::unordered_map<quint64, QImage> pictures;
    if (pictures.size() > 4096)
        pictures.clear(); // sizes seen long ago
    QImage &picture = pictures[quint64(format) << 40 | quint64(w) << 20 | quint64(h)];
    if (picture.isNull())
        picture = QImage(reinterpret_cast<uchar *>(buffer.data()), w, h, w * 4, format);
    return picture;
}

} // namespace

void StrokeRepaint::collect(const QImage &image, const std::vector<PixelBox> &boxes)
{
    // A pixel of a removed stroke that no longer shows the stroke was painted over by a later
    // item: it keeps its colour, unless that item changed too, and then the item's box or stroke
    // holds the pixel.
    const auto *sheet = reinterpret_cast<const std::uint32_t *>(image.bits());
    const qsizetype stride = image.bytesPerLine() / 4;
    const std::uint32_t strokeColour = toQRgb(clLineStroke), white = toQRgb(clWhite);
    for (const DamageSet::Stroke &stroke : m_damage.strokes()) {
        if (!stroke.removed) {
            m_mask.addStroke(stroke.ends, [](Coord, Coord, bool) { return true; });
            continue;
        }
        const std::uint32_t gap = stroke.marked ? white : strokeColour;
        m_mask.addStroke(stroke.ends, [&](Coord x, Coord y, bool even) {
            return sheet[y * stride + x] == (even ? strokeColour : gap);
        });
    }
    for (const PixelBox &box : boxes)
        m_mask.exclude(box);
}

void StrokeRepaint::collectDraws(const PixelBox &rows, std::vector<MaskedDraw> &out) const
{
    const std::vector<DamageSet::Stroke> &strokes = m_damage.strokes();
    const std::vector<PixelBox> &boxesAlong = m_damage.strokeBoxes();
    const TileGrid &elementGrid = m_mirror.elementGrid(), &lineGrid = m_mirror.lineGrid();
    // Items found for the current stroke carry its mark.
    thread_local std::vector<std::uint32_t> seen;
    thread_local std::uint32_t mark = 0;
    thread_local std::vector<int> tiles;
    thread_local std::vector<PixelBox> within;
    thread_local std::vector<StrokeSpan> spans;
    seen.resize(m_mirror.itemCount(), 0);
    // Whether an element drawn later paints every pixel of the window.
    const auto hidden = [&](qint64 key, const PixelBox &w) {
        for (SceneItemId id :
             elementGrid.items(elementGrid.row(w.t) * elementGrid.columns() + elementGrid.column(w.l))) {
            const ItemShape &shape = m_mirror.shape(id);
            const Box32 &opaque = shape.extra;
            if (opaque.l <= w.l && opaque.t <= w.t && w.r <= opaque.r && w.b <= opaque.b &&
                (key >> 60 == 0 || shape.key > key))
                return true;
        }
        return false;
    };
    // The strokes of one line (its old and new ones) are handled together: each item near them
    // is found once, and its windows for each are joined when they nearly coincide.
    for (size_t first = 0, end = 0; first < strokes.size(); first = end) {
        end = first + 1;
        while (end < strokes.size() && strokes[end].line == strokes[first].line)
            ++end;
        bool meets = false;
        // The mask holds a removed stroke's pixels only where nothing drawn later painted over
        // them, so for removed strokes alone looking for elements that hide a window is wasted.
        bool onlyRemoved = true;
        for (size_t k = first; k < end; ++k) {
            meets = meets || strokeBounds(strokes[k].ends).meets(rows);
            onlyRemoved = onlyRemoved && strokes[k].removed;
        }
        if (!meets)
            continue;
        spans.clear();
        for (size_t k = first; k < end; ++k)
            spans.emplace_back(strokes[k].ends);
        if (++mark == 0) {
            std::fill(seen.begin(), seen.end(), 0);
            mark = 1;
        }
        // The windows of the item at hand, by part, joined while they nearly coincide.
        PixelBox pending[5];
        SceneItemId pendingId = 0;
        const auto flush = [&](std::uint8_t parts) {
            PixelBox &w = pending[parts];
            if (w.empty())
                return;
            const qint64 key = m_mirror.shape(pendingId).key;
            if (m_mask.any(w) && (onlyRemoved || !hidden(key, w)))
                out.push_back({key, pendingId, parts, std::uint32_t(first), std::uint32_t(end), w});
            w = {};
        };
        const auto add = [&](std::uint8_t parts, PixelBox w) {
            w = w.clipped(rows);
            if (w.empty())
                return;
            // Windows start at even rows and columns, where dotted outlines keep their pattern.
            w.l -= w.l & 1;
            w.t -= w.t & 1;
            PixelBox &p = pending[parts];
            if (!p.empty() && p.united(w).area() > p.area() + w.area() + 256)
                flush(parts);
            p = p.empty() ? w : p.united(w);
        };
        for (const TileGrid *grid : {&lineGrid, &elementGrid}) {
            const bool line = grid == &lineGrid;
            tiles.clear();
            for (size_t k = first; k < end; ++k) {
                const LineEnds &e = strokes[k].ends;
                grid->segmentTiles(e.x1, e.y1, e.x2, e.y2, tiles);
            }
            if (end - first > 1) {
                std::sort(tiles.begin(), tiles.end());
                tiles.erase(std::unique(tiles.begin(), tiles.end()), tiles.end());
            }
            for (int tile : tiles) {
                // Whatever an item could repaint lies in the tiles it shares with the strokes. Here
                // only items that may paint a pixel of the mask in this tile are looked at; any
                // other is found through a tile holding such a pixel, if there is one.
                const QRect r = grid->tileRect(tile);
                const PixelBox here =
                    PixelBox{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}.clipped(rows);
                const PixelBox hot = here.empty() ? PixelBox{} : m_mask.bounds(here);
                if (hot.empty())
                    continue;
                for (SceneItemId id : grid->items(tile)) {
                    if (seen[id] == mark)
                        continue;
                    const ItemShape &shape = m_mirror.shape(id);
                    const PixelBox box = shape.box.box();
                    if (!box.meets(hot) && !(line && strokeMayMeet(shape.ends(), hot)))
                        continue;
                    seen[id] = mark;
                    pendingId = id;
                    for (size_t k = first; k < end; ++k) {
                        const DamageSet::Stroke &stroke = strokes[k];
                        const LineEnds &e = stroke.ends;
                        if (line) {
                            bool parallel = false;
                            const PixelBox w = crossingWindow(shape.ends(), e, parallel);
                            if (!parallel) {
                                add(SceneItem::Stroke, w);
                            } else {
                                // Alongside the stroke: the boxes along it that the line meets.
                                const PixelBox bounds = strokeBounds(shape.ends());
                                for (size_t i = stroke.firstBox; i < stroke.endBox; ++i) {
                                    const PixelBox &b = boxesAlong[i];
                                    if (b.meets(bounds) && b.meets(rows) &&
                                        StrokeSpan(m_mirror.item(id).ends).meets(b))
                                        add(SceneItem::Stroke, b);
                                }
                            }
                        }
                        if (spans[k - first].meets(box)) {
                            // The stroke's pixels within the box.
                            within.clear();
                            strokeBoxes(e, box.clipped(rows), Coord(1) << 40, within);
                            for (const PixelBox &w : within)
                                add(line ? SceneItem::HeadAndText : SceneItem::Body, w.clipped(box));
                        }
                    }
                    flush(SceneItem::Stroke);
                    flush(line ? SceneItem::HeadAndText : SceneItem::Body);
                }
            }
        }
    }
}

void StrokeRepaint::draw(const Canvas &canvas, QImage &image, const PixelBox &rows) const
{
    const std::vector<DamageSet::Stroke> &strokes = m_damage.strokes();
    auto *sheet = reinterpret_cast<std::uint32_t *>(image.bits());
    const qsizetype stride = image.bytesPerLine() / 4;
    const std::uint32_t white = toQRgb(clWhite);
    for (const DamageSet::Stroke &stroke : strokes)
        m_mask.forEachPixel(stroke.ends, rows,
                            [&](Coord x, Coord y, bool) { sheet[y * stride + x] = white; });

    // What may paint the mask's pixels in these rows, in drawing order; a line's stroke before
    // its head and text.
    thread_local std::vector<MaskedDraw> draws;
    thread_local std::vector<std::pair<qint64, std::uint64_t>> order;
    draws.clear();
    collectDraws(rows, draws);
    order.clear();
    for (size_t k = 0; k < draws.size(); ++k)
        order.emplace_back(draws[k].key, std::uint64_t(draws[k].parts) << 32 | k);
    std::sort(order.begin(), order.end());

    Canvas c = canvas;
    c.setDamageLog(nullptr);
    c.setFontName(QStringLiteral("tahoma"));
    thread_local std::vector<QPoint> pixels;
    for (const auto &o : order) {
        const MaskedDraw &d = draws[size_t(o.second & 0xFFFFFFFF)];
        const PixelBox &window = d.window;
        const SceneItem &item = m_mirror.item(d.id);
        if (d.parts == SceneItem::Stroke) {
            paintStroke(sheet, stride, item.ends, item.marked, window);
            continue;
        }
        // Large windows are drawn in pieces that fit the scratch picture, starting at even rows
        // and columns.
        const Coord pieceW = std::min<Coord>(window.r - window.l, 1024);
        const Coord pieceH = std::max<Coord>(2, (kScratchPixels / pieceW) & ~Coord(1));
        for (Coord t = window.t; t < window.b; t += pieceH) {
            for (Coord l = window.l; l < window.r; l += pieceW) {
                const PixelBox piece{l, t, std::min(window.r, l + pieceW), std::min(window.b, t + pieceH)};
                // The stroke's pixels there: the item is drawn on a scratch picture holding them as
                // they are, and they are copied back.
                pixels.clear();
                for (std::uint32_t k = d.firstStroke; k < d.endStroke; ++k)
                    m_mask.strokePixels(strokes[k].ends, piece, pixels);
                if (pixels.empty())
                    continue;
                const int w = int(piece.r - piece.l), h = int(piece.b - piece.t);
                QImage &scratch = scratchPicture(w, h, image.format());
                auto *bits = reinterpret_cast<std::uint32_t *>(scratch.bits());
                for (const QPoint &p : pixels)
                    bits[p.y() * w + p.x()] = sheet[(piece.t + p.y()) * stride + piece.l + p.x()];
                c.setImage(&scratch);
                c.setBrushColor(clWhite);
                item.draw(c, d.parts, piece);
                for (const QPoint &p : pixels)
                    sheet[(piece.t + p.y()) * stride + piece.l + p.x()] = bits[p.y() * w + p.x()];
            }
        }
    }
}

void StrokeRepaint::paintStroke(std::uint32_t *sheet, qsizetype stride, const LineEnds &e, bool marked,
                                const PixelBox &window) const
{
    // As drawLineStroke paints: a marked line's dotted pass leaves every other pixel, from the
    // first, in the stroke's colour and paints the others with the brush, white for lines.
    const std::uint32_t colour = toQRgb(clLineStroke), gap = marked ? toQRgb(clWhite) : colour;
    m_mask.forEachPixel(e, window,
                        [&](Coord x, Coord y, bool even) { sheet[y * stride + x] = even ? colour : gap; });
}
