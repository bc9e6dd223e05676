#pragma once

// Which hole a key strikes: the numeric keypad laid out like the board (7 8 9 on
// the top row), with NumLock on or off; the main-row digits 1-9 strike the same
// holes for keyboards without a keypad. -1 for any other key.
int keypad_hole(int qt_key, bool from_keypad);
