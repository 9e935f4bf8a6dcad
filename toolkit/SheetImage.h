#pragma once

#include <QImage>

// A new white Format_RGB32 image for a large drawing surface. On Linux its pixels lie in memory
// aligned for transparent huge pages and advised to use them, which makes drawing long lines
// across a large sheet (a new page per pixel of a steep line) markedly cheaper. It behaves as any
// QImage: copies share it implicitly and detach into ordinary memory.
// Unless `white`, the pixels are left as they are, for a picture that is drawn whole anyway.
QImage newSheetImage(int width, int height, bool white = true);
