#include "helpers/list_sheets.h"

#include "platform/os/paths.h"
#include "platform/screen/screen.h"
#include "platform/viewer/oli_table_sheet.h"
#include "platform/viewer/rpc_picture.h"

#include <string>
#include <unistd.h>

namespace {

bool colours_adjusted = false;
bool record_filled = false;
int error_sheet_record[OLI_TABLE_RECORD_WORDS];

std::string picture_folder;

// The error sheet covers the screen but for a margin of 5 pixels at the top left and 12 at the
// bottom right; its centre is kept beside the rectangle.
void fill_error_sheet_record()
{
    const int words[OLI_TABLE_RECORD_WORDS] = {512, 5, 5, NPIXEL_X - 12, NPIXEL_Y - 12,
                                               (NPIXEL_X - 7) / 2, (NPIXEL_Y - 7) / 2, 0, 0, 0, 0};
    for (int i = 0; i < OLI_TABLE_RECORD_WORDS; ++i) error_sheet_record[i] = words[i];
}

// Picture places on the screen: the pale face below the title row and the picture inside it.
constexpr int kFaceX1 = 7, kFaceY1 = 42, kFaceInsetRight = 8, kFaceInsetBottom = 8;
constexpr int kPictureX1 = 5, kPictureY1 = 40, kPictureInsetRight = 6, kPictureInsetBottom = 6;
constexpr int kCentredTransparent = 210;
constexpr int kNameInsetRight = 71, kNameInsetBottom = 10;

} // namespace

void oli_table_colours_once(void)
{
    if (colours_adjusted) return;
    colours_adjusted = true;
    int colours[OLI_TABLE_COLOURS];
    if (!getOLITableColours(colours)) return;
    colours[OLI_TABLE_TITLE_FACE] = colours[OLI_TABLE_BODY_FACE] = Nearest_RGB_Color(240, 240, 240);
    colours[OLI_TABLE_FRAME] = BUTTON_CI;
    setOLITableColours(colours);
}

int error_list_show(FILE* stream)
{
    if (!stream) return 0;
    std::fseek(stream, 0, SEEK_END);
    std::fputs("#END_OF_TEXT\n", stream);
    std::rewind(stream);
    if (!record_filled) {
        oli_table_colours_once();
        fill_error_sheet_record();
        record_filled = true;
    }
    OLITable* table = readOLITableFromFILE(stream);
    if (!table) return 0;
    OLITablePropSheet("Fehlermeldungen", 0, table, error_sheet_record);
    deleteOLITable(table);
    return 1;
}

void set_picture_folder(const char* folder) { picture_folder = folder ? folder : ""; }

void show_picture_file(const char* name, double a, double b)
{
    const std::string base = name ? name : "";
    const int fg = pxQFgc();
    pxFgc(Nearest_RGB_Color(235, 245, 225));
    pxRect(kFaceX1, kFaceY1, NPIXEL_X - kFaceInsetRight, NPIXEL_Y - kFaceInsetBottom);
    const int x2 = NPIXEL_X - kPictureInsetRight, y2 = NPIXEL_Y - kPictureInsetBottom;
    const std::string bitmap = picture_folder.empty() ? base + ".BMP" : path_join(native_path(picture_folder),
                                                                                  base + ".BMP");
    if (access(bitmap.c_str(), F_OK) == 0) {
        pxDrawTransparentDIB(bitmap.c_str(), kPictureX1, kPictureY1, x2, y2, kCentredTransparent, -1, -1, -1, -1);
    } else {
        int vx1, vy1, vx2, vy2;
        pxQVwp(&vx1, &vy1, &vx2, &vy2);
        pxView(kPictureX1, kPictureY1, x2, y2);
        const std::string plot = picture_folder.empty() ? base + ".RPC" : path_join(native_path(picture_folder),
                                                                                    base + ".RPC");
        Draw_RPC_File(plot.c_str(), a, b);
        pxView(vx1, vy1, vx2, vy2);
    }
    pxFgc(Nearest_RGB_Color(170, 170, 170));
    pxText(NPIXEL_X - kNameInsetRight, NPIXEL_Y - kNameInsetBottom, base.c_str(), int(base.size()));
    pxFgc(fg);
}
