// The window's compiled-in pictures live in a static library: register them before first use.
#pragma once
void gui_init_resources();
