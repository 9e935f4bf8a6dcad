#pragma once

#include "toolkit/Color.h"

// Every colour the sheet and the overlay are drawn in besides the elements' own, named once.
// The hit test tells what lies under the pointer by these colours: a colour changed here
// changes what a click there selects. The sheet itself is clWhite, outlines and captions of
// elements clBlack (toolkit/Color.h).

// The sheet's frame, the frame around a point's caption and the grid's dots.
constexpr TColor clFrameGrey = 0x00808080;
// A point's fill (cream) and the outline of a point's ghost while it is dragged (navy).
constexpr TColor clPointFill = 0x00F0FBFF;
constexpr TColor clPointGhostPen = 0x00800000;
// A connector line: its stroke, its arrow head's outline and fill, and its text.
constexpr TColor clLineStroke = 0x00616161;
constexpr TColor clArrowOutline = 0x00A3A3A3;
constexpr TColor clArrowFill = 0x00D2D2D2;
constexpr TColor clLineText = 0x004B4B4B;
