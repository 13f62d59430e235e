#include "gui/panel_resources.h"
#include <QtGlobal>

static void init_panel_images() { Q_INIT_RESOURCE(panel_images); }

void panel_init_resources()
{
    static bool done = false;
    if (!done) {
        init_panel_images();
        done = true;
    }
}
