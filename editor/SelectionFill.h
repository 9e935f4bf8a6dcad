#pragma once

#include "toolkit/Color.h"

class Editor;

// The fill of the selected rectangle or point on the overlay: CurrentColor, or the element's own
// colour when its colour text is not one of the colour list's items (a hand-edited file), as
// selecting such an element leaves CurrentColor at an earlier colour.
TColor selectionFillColor(const Editor &editor);
