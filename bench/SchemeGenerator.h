#pragma once

#include "model/ElementTables.h"

#include <QSize>

#include <cstdint>

// Reproducible random schemes for benchmarks: the same options and seed give the same tables.
struct SchemeOptions {
    int elements = 100;              // rectangles and points together, about half each
    int lines = 100;                 // lines between random pairs of distinct elements
    QSize sheet = QSize(2380, 3368); // A0 at 72 dots per inch
    std::uint32_t seed = 20240601;
};

// Fills the tables (which are cleared first) with elements at random places on the sheet,
// short captions, the nine colours of the colour list, and lines with short texts.
void generateScheme(ElementTables &tables, const SchemeOptions &options);
