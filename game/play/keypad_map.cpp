#include "keypad_map.h"
#include <Qt>

namespace {

// Holes of the digits 1..9: the keypad's bottom row is the board's bottom row.
constexpr int kDigitHole[] = {6, 7, 8, 3, 4, 5, 0, 1, 2};

// What the keypad's digits send with NumLock off, in digit order 1..9.
constexpr int kNavigationKeys[] = {Qt::Key_End,  Qt::Key_Down,  Qt::Key_PageDown, Qt::Key_Left, Qt::Key_Clear,
                                   Qt::Key_Right, Qt::Key_Home, Qt::Key_Up,       Qt::Key_PageUp};

} // namespace

int keypad_hole(int qt_key, bool from_keypad)
{
    if (qt_key >= Qt::Key_1 && qt_key <= Qt::Key_9)
        return kDigitHole[qt_key - Qt::Key_1];
    if (!from_keypad)
        return -1;
    for (int digit = 0; digit < 9; ++digit)
        if (kNavigationKeys[digit] == qt_key)
            return kDigitHole[digit];
    return -1;
}
