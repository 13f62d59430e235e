#include "gui/gui_resources.h"
#include <QtGlobal>

static void init_images() { Q_INIT_RESOURCE(gui_images); }

void gui_init_resources()
{
    static bool done = false;
    if (!done) {
        init_images();
        done = true;
    }
}
