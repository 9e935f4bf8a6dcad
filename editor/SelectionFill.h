#pragma once

#include "editor/Selection.h"
#include "model/ElementTables.h"
#include "toolkit/Color.h"

// The fill of the selected rectangle or point on the overlay: CurrentColor, or the element's own
// colour when its colour text is not one of the colour list's items (a hand-edited file), as
// selecting such an element leaves CurrentColor at an earlier colour.
TColor selectionFillColor(const Selection &selection, const ElementTables &tables);
