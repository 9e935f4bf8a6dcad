// Temporary definitions of what is not built yet; each is removed when it is implemented.
#include "render/ConnectorLines.h"
#include "render/ElementDrawing.h"
#include "render/SceneRedraw.h"

void DrawToolElement(Coord, Coord, const QString &, Canvas &, TColor, TColor, bool, bool, int) {}
LineEnds get_2points(const ElementTables &, const QString &) { return {}; }
void DrawLineTool(ElementTables &, Canvas &, const QString &, const QString &, int, bool) {}
void DrawLineArrow(const QString &, Canvas &, Coord, Coord, Coord, Coord, bool) {}
QPoint getPixelLine(const Canvas &, int, int) { return {-1, -1}; }
void UpdateImageModel(ElementTables &, Canvas &, const TextList &) {}
void PaintBox1Paint(Canvas &, const OverlayState &) {}
void DrawPixelsOnPaintBox(Canvas &, int) {}
