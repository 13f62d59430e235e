// Pictures of the side view, the national-annex flags and the dialog buttons live in a static
// library: register them before first use.
#pragma once
void panel_init_resources();
