#pragma once

#include "model/SheetLimits.h"
#include "toolkit/Canvas.h"

#include <QImage>

// The sheet bitmap: an RGB image holding the complete picture of the scheme.
class SheetBitmap {
public:
    SheetBitmap();
    SheetBitmap(const SheetBitmap &) = delete;
    SheetBitmap &operator=(const SheetBitmap &) = delete;

    // Replaces the sheet by a white bitmap of that size with its grey frame.
    void CreateBitmap(int width, int height);

    // The picture is drawn through canvas() only, so that damage() knows every change.
    const QImage &image() const { return m_image; }
    Canvas &canvas() { return m_canvas; }
    const Canvas &canvas() const { return m_canvas; }
    // Where the sheet changed since the log was last cleared (all of it after CreateBitmap).
    DamageLog &damage() { return m_damage; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

private:
    QImage m_image;
    DamageLog m_damage{&m_image};
    Canvas m_canvas;
};
