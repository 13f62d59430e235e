#include "sheets/wrapped_text.h"

#include "environment/text_wrap.h"
#include "sheets/view_areas.h"

#include <string>

void wrap_text_into_view_area(int area, int x, int width, int* y, const char* text, int font, int colour,
                              int step)
{
    if (!y || !text) return;
    for (const char* p = text; *p;) {
        const char* next = p;
        int length = wrap_line_length(p, width, &next);
        if (length > 0) sva_add_text(area, x, *y, std::string(p, size_t(length)).c_str(), font, colour, 0);
        *y += step;
        p = next;
    }
}
