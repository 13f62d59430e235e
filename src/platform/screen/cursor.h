// The mouse pointer's shape: 0 the normal pointer, 6 the wait cursor, 18 the hand.
#pragma once

// Sets the shape on the screen's view and returns the previous one. Every change is logged.
int setMouseCursor(int shape);
int mouse_cursor_shape(void);
