#include "toolkit/SheetImage.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

constexpr size_t kHugePage = size_t(2) << 20;

void releasePixels(void *pixels)
{
    std::free(pixels);
}

} // namespace

QImage newSheetImage(int width, int height, bool white)
{
    if (width <= 0 || height <= 0)
        return {};
    const size_t bytesPerLine = size_t(width) * 4;
    if (bytesPerLine > size_t(std::numeric_limits<qsizetype>::max()) / size_t(height))
        return {};
    const size_t bytes = bytesPerLine * size_t(height);
    const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void *pixels = bytes >= kHugePage ? std::aligned_alloc(kHugePage, rounded) : nullptr;
    if (!pixels) {
        QImage image(width, height, QImage::Format_RGB32);
        if (white)
            image.fill(Qt::white);
        return image;
    }
#ifdef MADV_HUGEPAGE
    madvise(pixels, rounded, MADV_HUGEPAGE);
#endif
    if (white)
        std::memset(pixels, 0xFF, bytes);
    return QImage(static_cast<uchar *>(pixels), width, height, qsizetype(bytesPerLine), QImage::Format_RGB32,
                  releasePixels, pixels);
}
