#include "render/SheetBitmap.h"

#include "render/SceneRedraw.h"
#include "toolkit/SheetImage.h"

SheetBitmap::SheetBitmap() : m_canvas(&m_image)
{
    m_canvas.setDamageLog(&m_damage);
}

void SheetBitmap::CreateBitmap(int width, int height)
{
    if (m_image.width() != width || m_image.height() != height)
        m_image = newSheetImage(width, height); // white
    else
        m_image.fill(Qt::white);
    m_canvas = Canvas(&m_image);
    m_canvas.setDamageLog(&m_damage);
    m_damage.addAll();
    drawSheetFrame(m_canvas, QRect(0, 0, width, height));
}
