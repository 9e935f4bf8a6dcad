#include "render/SceneRepaint.h"

#include "render/ConnectorLines.h"
#include "render/DamageSet.h"
#include "render/ElementDrawing.h"
#include "render/ParallelRedraw.h"
#include "render/SceneMirror.h"
#include "render/SceneRedraw.h"

#include <QScopeGuard>

#include <algorithm>

namespace {

// Length of the boxes along a stroke that the damage log is given.
constexpr Coord kLoggedStrokeChunk = 8;
// Damage smaller than this many pixels is drawn on the calling thread alone.
constexpr qint64 kParallelArea = 16384;
// Stripes each thread takes in turn when damage is drawn on several threads.
constexpr int kStripesPerThread = 4;

bool directPixels(QImage::Format f)
{
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

bool SceneRepaint::fits(const Canvas &canvas) const
{
    const QImage *image = canvas.image();
    return image && !image->isNull() && directPixels(image->format()) && image->width() == m_mirror.width() &&
           image->height() == m_mirror.height() && canvas.font().pixelSize == m_mirror.fontSize();
}

void SceneRepaint::repaint(Canvas &canvas, const std::vector<PixelBox> &boxes, qint64 area)
{
    QImage &image = *canvas.image();
    m_strokes.collect(image, boxes);
    // The strokes' pixels are for this redraw only, whatever happens.
    const auto forget = qScopeGuard([this] { m_strokes.clear(); });

    // On several threads each takes a stripe of rows and draws the parts of the boxes and the
    // strokes in it, so that no two threads write the same pixel. Text that needs shaping is
    // drawn by QPainter, which stays on the calling thread.
    const int threads = m_mirror.shapedCount() > 0 || area < kParallelArea ? 1 : redrawThreadCount();
    const std::vector<PixelBox> *const damaged[] = {&boxes, &m_damage.strokeBoxes()};
    Coord top = m_mirror.height(), bottom = 0;
    for (const std::vector<PixelBox> *list : damaged) {
        for (const PixelBox &box : *list) {
            top = std::min(top, box.t);
            bottom = std::max(bottom, box.b);
        }
    }
    uchar *bits = image.bits();
    // Damage is rarely spread evenly over its rows, so each thread takes several stripes in turn.
    const int stripes = threads == 1 ? 1 : threads * kStripesPerThread;
    runInParallel(stripes, threads, [&](int stripe) {
        // Stripes start at even rows, where dotted outlines keep their pattern.
        const auto edge = [&](int s) {
            return s == stripes ? bottom : (top + (bottom - top) * s / stripes) & ~Coord(1);
        };
        const PixelBox rows{0, edge(stripe), m_mirror.width(), edge(stripe + 1)};
        for (const PixelBox &box : boxes) {
            const PixelBox part = box.clipped(rows);
            if (!part.empty())
                drawArea(canvas, bits, image, part);
        }
        if (!m_strokes.empty() && !rows.empty())
            m_strokes.draw(canvas, image, rows);
    });
    DamageLog *log = canvas.damageLog();
    if (log && log->watched() == &image) {
        for (const PixelBox &box : boxes)
            log->add(box.l, box.t, box.r, box.b);
        // Strokes are logged as short boxes along them, which hold far fewer pixels to copy.
        std::vector<PixelBox> along;
        for (const DamageSet::Stroke &stroke : m_damage.strokes())
            strokeBoxes(stroke.ends, m_damage.sheet(), kLoggedStrokeChunk, along);
        for (const PixelBox &box : along)
            log->add(box.l, box.t, box.r, box.b);
    }
}

void SceneRepaint::drawArea(const Canvas &canvas, uchar *bits, const QImage &image,
                            const PixelBox &area) const
{
    const Coord x0 = area.l, y0 = area.t;
    const qsizetype stride = image.bytesPerLine();
    QImage view(bits + y0 * stride + x0 * 4, int(area.r - area.l), int(area.b - area.t), stride,
                image.format());
    Canvas c = canvas;
    c.setImage(&view);
    c.setDamageLog(nullptr);
    c.setBrushColor(clWhite);
    c.setFontName(QStringLiteral("tahoma"));
    c.FillRect(0, 0, view.width(), view.height());

    struct Found {
        qint64 key;
        SceneItemId id;
        std::uint8_t parts;
    };
    thread_local std::vector<Found> found;
    found.clear();
    for (const TileGrid *grid : {&m_mirror.lineGrid(), &m_mirror.elementGrid()}) {
        const int columns = grid->columns();
        for (int row = grid->row(area.t); row <= grid->row(area.b - 1); ++row) {
            for (int col = grid->column(area.l); col <= grid->column(area.r - 1); ++col) {
                for (SceneItemId id : grid->items(row * columns + col)) {
                    if (const std::uint8_t parts = m_mirror.item(id).partsMeeting(m_mirror.shape(id), area))
                        found.push_back({m_mirror.shape(id).key, id, parts});
                }
            }
        }
    }
    // An item meeting several tiles of the area is found in each; keys are unique per item.
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) { return a.key < b.key; });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const Found &a, const Found &b) { return a.key == b.key; }),
                found.end());
    for (const Found &f : found)
        m_mirror.item(f.id).draw(c, f.parts, area);
    drawSheetFrame(c, QRect(int(-x0), int(-y0), m_mirror.width(), m_mirror.height()));
}

void SceneRepaint::replayLastDrawing(Canvas &canvas) const
{
    Canvas replay = canvas;
    replay.setImage(nullptr);
    const SceneItem *last = nullptr;
    for (TableId t : {TableId::Points, TableId::Rectangles, TableId::Lines}) {
        const std::vector<SceneItemId> &rows = m_mirror.rows(t);
        for (auto it = rows.rbegin(); it != rows.rend() && !last; ++it)
            if (m_mirror.item(*it).drawn)
                last = &m_mirror.item(*it);
        if (last)
            break;
    }
    if (last && last->kind == ElementKind::Line) {
        replay.setFontName(QStringLiteral("tahoma"));
        const LineEnds &e = last->ends;
        DrawLineArrow(last->caption, replay, e.x1, e.y1, e.x2, e.y2, last->marked);
    } else if (last) {
        DrawToolElement(last->x, last->y, last->caption, replay, last->colour, clBlack, last->marked, false,
                        last->kind);
    }
    drawSheetFrame(replay, QRect(0, 0, m_mirror.width(), m_mirror.height()));
    replay.setImage(canvas.image());
    canvas = replay;
}
