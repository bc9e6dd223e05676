#pragma once

// What screen readers are told of the main window's own widgets, which Qt cannot
// know by itself: the board as a grid of nine cells that can be pressed, the time
// gauge as a progress bar, the title plate and the title panel as buttons, the
// splash as a window and the announcer as a notification. Installed once, before
// the first of them is asked for.
namespace board_accessible {

void install();

} // namespace board_accessible
