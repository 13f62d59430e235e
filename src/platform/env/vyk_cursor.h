// The mouse cursor of the environment library: 0 the normal cursor, 6 the wait cursor.
#pragma once

// Sets the cursor shape and returns the previous one. Every change is logged.
int setMouseCursor(int shape);
