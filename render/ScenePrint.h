#pragma once

#include "model/ElementTables.h"

class QPagedPaintDevice;

// How Print puts the sheet on paper.
enum class PrintScale {
    FitToPage,  // the whole sheet on one page, as large as it fits, keeping its proportions
    ActualSize, // one sheet pixel = 1/96 inch, over as many pages as it needs
};

// Prints the scheme of a width x height sheet on the device's pages (its page layout and
// resolution as they are set): what the full redraw draws, nothing marked, drawn as vectors so
// that it prints sharp. At actual size the pages follow each other left to right, then top to
// bottom. Returns the number of pages. A cell that does not convert throws ConvertError.
int printScheme(QPagedPaintDevice &device, const ElementTables &tables, int width, int height,
                PrintScale scale);
