#include "render/ScenePrint.h"

#include "render/SceneRedraw.h"
#include "toolkit/CaptionFont.h"
#include "toolkit/VectorCanvas.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSheetDpi = 96; // sheet pixels per inch at actual size

// Draws the whole scheme in sheet pixels through the painter's transformation and clip.
void drawScheme(QPainter &painter, const ElementTables &tables, int width, int height)
{
    painter.setFont(captionFont(captionFontName(), kCaptionPixelSize));
    VectorCanvas canvas(painter, width, height);
    UpdateImageModel(tables, canvas, TextList());
}

} // namespace

int printScheme(QPagedPaintDevice &device, const ElementTables &tables, int width, int height,
                PrintScale scale)
{
    const int dpi = device.logicalDpiX();
    const QRect page = device.pageLayout().paintRectPixels(dpi);
    QPainter painter(&device);
    if (scale == PrintScale::FitToPage) {
        const double factor = std::min(double(page.width()) / width, double(page.height()) / height);
        painter.translate(page.width() - width * factor > 0 ? (page.width() - width * factor) / 2 : 0, 0);
        painter.scale(factor, factor);
        painter.setClipRect(QRectF(0, 0, width, height));
        drawScheme(painter, tables, width, height);
        return 1;
    }
    // Actual size: each page shows the next piece of the sheet, a page's size in sheet pixels.
    const double factor = dpi / kSheetDpi;
    const double pieceW = page.width() / factor, pieceH = page.height() / factor;
    const int across = std::max(1, int(std::ceil(width / pieceW - 1e-9)));
    const int down = std::max(1, int(std::ceil(height / pieceH - 1e-9)));
    for (int row = 0; row < down; ++row)
        for (int column = 0; column < across; ++column) {
            if (row > 0 || column > 0)
                device.newPage();
            painter.resetTransform();
            painter.scale(factor, factor);
            painter.translate(-column * pieceW, -row * pieceH);
            painter.setClipRect(QRectF(column * pieceW, row * pieceH, pieceW, pieceH) &
                                QRectF(0, 0, width, height));
            drawScheme(painter, tables, width, height);
        }
    return across * down;
}
