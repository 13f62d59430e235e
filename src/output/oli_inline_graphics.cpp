#include "output/oli_inline_graphics.h"
#include "helpers/print_helpers.h"
#include "platform/layout/oli_layout.h"

#include <algorithm>
#include <string>

namespace {

std::string& folder()
{
    static std::string f;
    return f;
}

double clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
int cell_colour(int filled, int colour)
{
    if (colour > 64 || colour < 0) colour = 0;
    return filled ? colour + 3840 : colour;
}

void picture_head(FILE* stream, double width, double height)
{
    fprintf_if_open(stream, "\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n");
    fprintf_if_open(stream, "-1\n");
    fprintf_if_open(stream, "0 %.1lf 0 %.1lf\n", width, height);
}

} // namespace

void oli_cell_bar(FILE* stream, double x, double y, double w, double h)
{
    fprintf_if_open(stream, " \xCE{\xCEL 0 %f %f %f %f } ", x, y, clamp01(w), clamp01(h));
}

void oli_cell_bar_full(FILE* stream, double f)
{
    f = clamp01(f);
    fprintf_if_open(stream, " \xCE{\xCEL 0 -1 -1 %f %f }", f, f);
}

void oli_cell_bar_pair(FILE* stream, double f)
{
    f = clamp01(f);
    fprintf_if_open(stream, " \xCE{\xCEL 0 -1 -1 %f %f } ", f - 0.1, f - 0.1);
    fprintf_if_open(stream, " \xCE{\xCEL 0 -1 -1 %f %f } ", f + 0.1, f + 0.1);
}

void oli_cell_rect(FILE* stream, int filled, int colour, double x, double y, double w, double h)
{
    w = clamp01(w);
    h = clamp01(h);
    fprintf_if_open(stream, " \xCE{\xCER %d %f %f %f %f } ", cell_colour(filled, colour), x, y, std::min(w, h),
                    std::max(w, h));
}

void oli_cell_rect_full(FILE* stream, int filled, int colour)
{
    fprintf_if_open(stream, " \xCE{\xCER %d -1 -1 -1 -1} ", cell_colour(filled, colour));
}

void oli_set_picture_folder(const char* path)
{
    folder() = path ? path : "";
    if (folder().size() > 99) folder().resize(99);
}

void oli_picture_block(FILE* stream, double width, double height, const char* name)
{
    if (!stream) return;
    picture_head(stream, width, height);
    fprintf_if_open(stream, " 27 0 %.1lf %%FONT%%\\%s%s\n", height, folder().c_str(), name ? name : "");
    fprintf_if_open(stream, "-1\n");
    OLI_setYPositionCM(stream, 1, -0.3f);
}

void oli_picture_block_framed(FILE* stream, double width, double height, const char* name)
{
    if (!stream) return;
    picture_head(stream, width, height);
    fprintf_if_open(stream, " 27 0 %.1lf %%FONT%%\\%s\n", height, name ? name : "");
    fprintf_if_open(stream, " 1  %lf %lf %lf %lf\n", 0.0, 0.0, 0.0, height);
    fprintf_if_open(stream, " 1  %lf %lf %lf %lf\n", 0.0, height, width, height);
    fprintf_if_open(stream, " 1  %lf %lf %lf %lf\n", width, height, width, 0.0);
    fprintf_if_open(stream, " 1  %lf %lf %lf %lf\n", width, 0.0, 0.0, 0.0);
    fprintf_if_open(stream, "-1\n");
    OLI_setYPositionCM(stream, 1, -0.3f);
}
