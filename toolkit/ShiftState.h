#pragma once

// Mouse buttons and the shift state of a mouse event. Shift-state tests compare whole sets.
enum MouseButton { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

enum ShiftFlag : unsigned {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
    ssDouble = 1u << 6,
};
using ShiftState = unsigned;
