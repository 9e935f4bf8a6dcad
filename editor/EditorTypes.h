#pragma once

// The armed tool: the cursor selects, the others create on the next press.
enum class Tool { Cursor, Rectangle, Point, Line };

// A keyboard move or scroll direction.
enum class Direction { Left, Up, Right, Down };

// What applying the toolbar to the selection writes besides the position: a keyboard move keeps
// caption and colour; Enter writes the focused caption box; a colour choice also the colour.
// Only a chosen colour is written, so a colour text that is not in the colour list stays as it is.
enum class ApplyStyle { Keep, Caption, CaptionAndColour };

// The four sheet-size buttons: which side changes, and which way.
enum class SheetEdge { HeightMinus, HeightPlus, WidthMinus, WidthPlus };
