#include "render/SceneRedraw.h"
#include "toolkit/CaptionFont.h"

#include "render/ConnectorLines.h"
#include "render/ElementDrawing.h"
#include "render/ElementIndex.h"
#include "render/ItemExtents.h"
#include "render/LineParts.h"
#include "render/Palette.h"
#include "render/ParallelRedraw.h"
#include "render/Relief.h"
#include "render/SelectionNames.h"
#include "render/SheetBands.h"
#include "toolkit/ColorText.h"
#include "toolkit/TextFace.h"

#include <QHash>

#include <algorithm>
#include <climits>
#include <exception>
#include <optional>
#include <vector>

namespace {

struct LineItem {
    int row;
    QString text;
    LineEnds ends;
    bool selected;
    ArrowHead head;
    Coord strokeTop, strokeBottom; // rows the stroke may paint, bottom excluded
    Coord headTop, headBottom;     // rows the arrow head and text may paint
};

struct ElementItem {
    QString caption;
    Coord x, y;
    TColor colour;
    bool marked;
    ElementKind kind;
    Coord top, bottom;
};

void drawLine(CanvasOps &canvas, const LineItem &l)
{
    canvas.setFontName(captionFontName());
    DrawLineArrow(l.text, canvas, l.ends.x1, l.ends.y1, l.ends.x2, l.ends.y2, l.selected);
}

// A line's entry in the list of a band: its ends, so that drawing its stroke in the band reads
// nothing else, and which of its pieces can show in the band.
struct BandLine {
    LineEnds ends;
    int item;
    bool stroke, head, selected;
};

// The pieces of a line that can show in a band whose row 0 is sheet row y0, on a band canvas
// whose font is the caption font.
void drawLineInBand(Canvas &band, const BandLine &l, const std::vector<LineItem> &lines, Coord y0)
{
    if (l.stroke)
        drawLineStroke(band, l.ends.x1, l.ends.y1 - y0, l.ends.x2, l.ends.y2 - y0, l.selected);
    if (l.head) {
        const LineItem &line = lines[size_t(l.item)];
        ArrowHead shifted = line.head;
        shifted.py -= y0;
        drawArrowHeadAndText(band, shifted, line.text, l.selected);
    }
}

void drawElement(CanvasOps &canvas, const ElementItem &e, Coord dy)
{
    DrawToolElement(e.x, e.y - dy, e.caption, canvas, e.colour, clBlack, e.marked, false, e.kind);
}

// Everything the redraw will draw, in drawing order, with every cell converted once. A cell
// that does not convert ends the collection there; the failure is kept for the caller.
// Measuring every text caches its glyphs, so drawing them afterwards only reads the face.
class SceneItems {
public:
    SceneItems(const ElementTables &tables, const CanvasOps &canvas, const TextList &multiSelection,
               int threads)
        : m_selection(multiSelection), m_face(TextFace::get(captionFontName(), canvas.font().pixelSize))
    {
        try {
            // Both tables' coordinates are read at once; then one thread indexes the names while
            // another collects the elements, which need only the coordinates.
            std::optional<TableCoords> rects, points;
            runInParallel(2, threads, [&](int t) {
                if (t == 0)
                    rects.emplace(tables.HGrid);
                else
                    points.emplace(tables.PGrid);
            });
            std::optional<ElementIndex> index;
            std::exception_ptr elementFailure;
            runInParallel(2, threads, [&](int t) {
                if (t == 0) {
                    index.emplace(tables, *rects, *points);
                    return;
                }
                try {
                    collectElements(tables.HGrid, *rects, ElementKind::Rectangle);
                    collectElements(tables.PGrid, *points, ElementKind::Point);
                } catch (...) {
                    elementFailure = std::current_exception();
                }
            });
            // A failure among the lines comes first: nothing after it is drawn.
            try {
                collectLines(tables.EGrid, *index, threads);
            } catch (...) {
                elements.clear();
                throw;
            }
            if (elementFailure)
                std::rethrow_exception(elementFailure);
        } catch (...) {
            failure = std::current_exception();
        }
    }

    std::vector<LineItem> lines;
    std::vector<ElementItem> elements;
    std::exception_ptr failure;
    bool shapedText = false; // some text is drawn by QPainter rather than from cached glyphs

private:
    // Lines are looked up in chunks of rows on several threads; the chunks are then joined in
    // order up to the first failure, and their texts measured.
    void collectLines(const StringGrid &grid, const ElementIndex &index, int threads)
    {
        struct Chunk {
            std::vector<LineItem> lines;
            std::exception_ptr failure;
        };
        const int rows = grid.RowCount();
        const int chunkCount = threads > 1 ? std::clamp((rows - 1) / 512, 1, 4 * threads) : 1;
        std::vector<Chunk> chunks(static_cast<size_t>(chunkCount));
        runInParallel(chunkCount, threads, [&](int c) {
            Chunk &chunk = chunks[size_t(c)];
            const int from = 1 + int(qint64(rows - 1) * c / chunkCount);
            const int to = 1 + int(qint64(rows - 1) * (c + 1) / chunkCount);
            chunk.lines.reserve(size_t(to - from));
            try {
                for (int r = from; r < to; ++r) {
                    const QString &name = grid.Cells(ColName, r);
                    if (name.isEmpty())
                        continue;
                    const LineEnds e = index.ends(name);
                    const ArrowHead head = arrowHeadOf(e.x1, e.y1, e.x2, e.y2);
                    // The rows of the head and text are set once the text is measured.
                    chunk.lines.push_back(
                        LineItem{r, grid.Cells(ColCaption, r), e, m_selection.contains(name), head,
                                 std::min<Coord>(e.y1, e.y2), std::max<Coord>(e.y1, e.y2) + 1, 0, 0});
                }
            } catch (...) {
                chunk.failure = std::current_exception();
            }
        });
        lines.reserve(static_cast<size_t>(rows));
        for (Chunk &chunk : chunks) {
            for (LineItem &l : chunk.lines) {
                const Text t = measure(l.text);
                const PixelBox box = headAndTextBox(l.head, t.w, t.h, t.reach);
                l.headTop = box.t;
                l.headBottom = box.b;
                lines.push_back(std::move(l));
            }
            if (chunk.failure)
                std::rethrow_exception(chunk.failure);
        }
    }

    void collectElements(const StringGrid &grid, const TableCoords &coords, ElementKind kind)
    {
        for (int r = 1; r < grid.RowCount(); ++r) {
            const QString &name = grid.Cells(ColName, r);
            if (name.isEmpty())
                continue;
            const QPoint centre = coords.centreOfRow(r);
            const TColor colour = colourOf(grid.Cells(ColColor, r));
            const QString &caption = grid.Cells(ColCaption, r);
            const Text t = measure(caption);
            const PixelBox box = elementBox(kind, centre.x(), centre.y(), t.w, t.h, t.reach);
            elements.push_back(ElementItem{caption, centre.x(), centre.y(), colour,
                                           m_selection.contains(name), kind, box.t, box.b});
        }
    }

    // A text's cell and how far its glyphs reach beyond it.
    struct Text {
        Coord w = 0, h = 0, reach = 0;
    };
    Text measure(const QString &text)
    {
        if (text.isEmpty())
            return {};
        const TextFace::Measure m = m_face.measure(text);
        shapedText |= !m.simple;
        return {std::min<Coord>(m.width, INT_MAX), m_face.height(), m_face.inkReach(text)};
    }

    // Colour texts repeat (the colour list has nine), so each distinct text is converted once.
    TColor colourOf(const QString &text)
    {
        const auto it = m_colours.constFind(text);
        if (it != m_colours.constEnd())
            return *it;
        const TColor colour = StringToColor(text);
        m_colours.insert(text, colour);
        return colour;
    }

    SelectionNames m_selection;
    TextFace &m_face;
    QHash<QString, TColor> m_colours;
};

// For every band, the items that can show in it, in drawing order.
struct BandLists {
    BandLists(const SceneItems &items, int height, int bandRows)
        : lines(size_t((height + bandRows - 1) / bandRows)), elements(lines.size()), m_rows(bandRows),
          m_height(height)
    {
        for (size_t i = 0; i < items.lines.size(); ++i) {
            const LineItem &l = items.lines[i];
            const auto [first, last] =
                bands(std::min(l.strokeTop, l.headTop), std::max(l.strokeBottom, l.headBottom));
            for (Coord b = first; b <= last; ++b) {
                const Coord y0 = b * m_rows;
                const Coord y1 = std::min<Coord>(y0 + m_rows, m_height);
                const bool stroke = l.strokeTop < y1 && l.strokeBottom > y0;
                const bool head = l.headTop < y1 && l.headBottom > y0;
                if (stroke || head)
                    lines[size_t(b)].push_back(BandLine{l.ends, int(i), stroke, head, l.selected});
            }
        }
        for (size_t i = 0; i < items.elements.size(); ++i) {
            const auto [first, last] = bands(items.elements[i].top, items.elements[i].bottom);
            for (Coord b = first; b <= last; ++b)
                elements[size_t(b)].push_back(int(i));
        }
    }

    std::vector<std::vector<BandLine>> lines;
    std::vector<std::vector<int>> elements;

private:
    // The first and last band that rows [top, bottom) of the sheet meet (none when first > last).
    std::pair<Coord, Coord> bands(Coord top, Coord bottom) const
    {
        if (bottom <= 0 || top >= m_height)
            return {0, -1};
        return {std::max<Coord>(top, 0) / m_rows, (std::min<Coord>(bottom, m_height) - 1) / m_rows};
    }

    Coord m_rows;
    Coord m_height;
};

void drawFrame(CanvasOps &canvas, const QRect &sheet)
{
    DrawRelief(canvas, sheet, clFrameGrey, clFrameGrey, 1, 1, 2);
}

bool directPixels(QImage::Format f)
{
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

void drawSheetFrame(CanvasOps &canvas, const QRect &sheet)
{
    drawFrame(canvas, sheet);
}

void redrawSheetInBands(const ElementTables &tables, CanvasOps &sheetCanvas, const TextList &multiSelection,
                        int bandRows, int threads, const SheetBandDone &bandDone, BandPixels where,
                        const LineEndsFound &linesFound)
{
    // Only a pixel canvas is drawn in bands; any other canvas gets everything in one pass.
    Canvas *pixels = dynamic_cast<Canvas *>(&sheetCanvas);
    QImage *image = pixels ? pixels->image() : nullptr;
    bandRows += bandRows % 2;
    const bool inBands = image && !image->isNull() && bandRows > 0 && directPixels(image->format());
    const bool scratch = inBands && bandDone && where == BandPixels::Scratch;
    // The whole sheet is repainted (bands draw on views of it, which no damage log watches).
    if (pixels)
        pixels->markAllDamaged();
    // In bands each band is filled white just before it is drawn, while it is in the cache.
    sheetCanvas.setBrushColor(clWhite);
    if (!inBands)
        sheetCanvas.FillRect(0, 0, sheetCanvas.width(), sheetCanvas.height());

    const SceneItems items(tables, sheetCanvas, multiSelection, inBands ? threads : 1);
    // The tables are read no more: the lines are told while the bands are drawn.
    const auto tellLines = [&] {
        if (linesFound)
            for (const LineItem &l : items.lines)
                linesFound(l.row, l.ends);
    };

    if (inBands) {
        const int height = image->height();
        const BandLists lists(items, height, bandRows);
        uchar *bits = image->bits();
        const qsizetype stride = image->bytesPerLine();
        // Each band has its own canvas and draws only its own rows. Text that needs shaping goes
        // through QPainter and its font engine, which stay on the calling thread.
        runInParallel(
            int(lists.lines.size()), items.shapedText ? 1 : threads,
            [&](int b) {
                const int y0 = b * bandRows;
                const int rows = std::min(bandRows, height - y0);
                thread_local QImage buffer;
                if (scratch && (buffer.width() != image->width() || buffer.height() < rows ||
                                buffer.format() != image->format()))
                    buffer = QImage(image->width(), bandRows, image->format());
                QImage view =
                    scratch
                        ? QImage(buffer.bits(), image->width(), rows, buffer.bytesPerLine(), image->format())
                        : QImage(bits + y0 * stride, image->width(), rows, stride, image->format());
                Canvas band = *pixels;
                band.setImage(&view);
                band.setFontName(captionFontName());
                band.FillRect(0, 0, view.width(), rows);
                for (const BandLine &l : lists.lines[size_t(b)])
                    drawLineInBand(band, l, items.lines, y0);
                for (int i : lists.elements[size_t(b)])
                    drawElement(band, items.elements[size_t(i)], y0);
                if (bandDone && !items.failure) {
                    // The frame's part in the band, as the frame drawn over the whole sheet below.
                    drawFrame(band, QRect(0, -y0, image->width(), height));
                    bandDone(view, y0);
                }
            },
            tellLines);
    } else {
        tellLines();
        for (const LineItem &l : items.lines)
            drawLine(sheetCanvas, l);
        for (const ElementItem &e : items.elements)
            drawElement(sheetCanvas, e, 0);
    }

    // Leave pen, brush and font as the last drawing in one pass leaves them.
    Canvas replay;
    replay.setState(sheetCanvas.state());
    if (!items.elements.empty())
        drawElement(replay, items.elements.back(), 0);
    else if (!items.lines.empty())
        drawLine(replay, items.lines.back());
    sheetCanvas.setState(replay.state());

    if (items.failure)
        std::rethrow_exception(items.failure);
    if (scratch) {
        // The bands had their frame; only the canvas state follows the frame drawn here.
        replay.setState(sheetCanvas.state());
        drawFrame(replay, QRect(0, 0, sheetCanvas.width(), sheetCanvas.height()));
        sheetCanvas.setState(replay.state());
    } else {
        drawFrame(sheetCanvas, QRect(0, 0, sheetCanvas.width(), sheetCanvas.height()));
    }
    if (bandDone && !inBands && image && !image->isNull())
        bandDone(*image, 0);
}

void UpdateImageModel(const ElementTables &tables, CanvasOps &sheetCanvas, const TextList &multiSelection,
                      const LineEndsFound &linesFound)
{
    redrawSheetInBands(tables, sheetCanvas, multiSelection, kSheetBandRows, redrawThreadCount(), {},
                       BandPixels::Sheet, linesFound);
}
