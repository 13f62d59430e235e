#include "national_annex/nad_param_edit.h"

#include "national_annex/nad_current.h"
#include "national_annex/nad_list.h"
#include "national_annex/nad_param_sheets.h"
#include "national_annex/nad_paths.h"
#include "national_annex/nad_set.h"
#include "national_annex/nad_set_files.h"
#include "national_annex/nad_sheet_common.h"
#include "platform/env/vyk_message.h"
#include "platform/os/paths.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "sheets/view_area_input.h"
#include "sheets/view_areas.h"

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr int kWidth = 420, kHeight = 560;
constexpr int kCodeArea = 1, kCodeOk = 2, kCodeCancel = 3;

void build_page(int area, int eurocode, int editable)
{
    NadSet& s = nad_current_set;
    switch (eurocode) {
    case 0: nad_ec0_sheet(area, &s.ec0, editable); break;
    case 2: nad_ec2_sheet(area, &s.ec2, editable); break;
    case 3: nad_ec3_sheet(area, &s.ec3, editable); break;
    case 5: nad_ec5_sheet(area, &s.ec5, editable); break;
    case 6: nad_ec6_sheet(area, &s.ec6, editable); break;
    case 9: nad_ec9_sheet(area, &s.ec9, editable); break;
    default: break;
    }
}

const char* title_of(int eurocode)
{
    switch (eurocode) {
    case 0: return "EN 1990 (Eurocode 0)";
    case 2: return "EN 1992 (Eurocode 2)";
    case 3: return "EN 1993 (Eurocode 3)";
    case 5: return "EN 1995 (Eurocode 5)";
    case 6: return "EN 1996 (Eurocode 6)";
    case 9: return "EN 1999 (Eurocode 9)";
    default: return "";
    }
}

// The user set file number of the active set, 0 for a built-in set.
int active_file_number()
{
    const char* name = nad_active_name();
    for (int i = 0; i < nad_list.count; ++i)
        if (nad_list.names[i] && name && strcmp(nad_list.names[i], name) == 0) return nad_list.file_numbers[i];
    return 0;
}

} // namespace

int nad_parameter_sheet(int eurocode)
{
    nad_part_ec5();   // the first access prepares the current set
    const int number = active_file_number();
    const int editable = number > 0;
    const auto before = std::make_unique<NadSet>(nad_current_set);

    int r[4] = {NPIXEL_X / 2 - kWidth / 2, NPIXEL_Y / 2 - kHeight / 2, NPIXEL_X / 2 + kWidth / 2 - 1,
                NPIXEL_Y / 2 + kHeight / 2 - 1};
    Check_Prop_Sheet_Frames(r);
    const std::string title = std::string(nad_active_name()) + ": " + title_of(eurocode);
    Define_Prop_Sheet(r[0], r[1], r[2], r[3], 1, 0, title.c_str(), 0, 0);
    Add_Single_Button_to_PS(r[0] + 16, r[3] - 34, 1, kCodeCancel, nullptr, SYMBOLIC_BREAK_RASTER, 1);
    Add_Single_Button_to_PS(r[2] - 60, r[3] - 34, 1, kCodeOk, nullptr, SYMBOLIC_OK_RASTER, 1);
    const int ax1 = r[0] + 8, ay1 = r[1] + 40, ax2 = r[2] - 8, ay2 = r[3] - 44;
    Add_Escape_Area_to_PS(ax1, ay1, ax2, ay2, 0, kCodeArea);
    const int area = sva_create(ax1, ay1, ax2, ay2, 0, 1);
    Activate_Prop_Sheet();
    if (area >= 0) build_page(area, eurocode, editable);

    int code = 0;
    for (;;) {
        code = Edit_Prop_Sheet();
        if (code == kCodeOk || code == kCodeCancel) break;
        // A changed toggle may open or close a section: the page is built again.
        if (code != kCodeArea || area < 0) continue;
        const int edited = sva_edit(area);
        // Typed numbers are taken (or refused with a message) before the page is built again.
        if (nad_sheet_take_numbers(area) || edited) build_page(area, eurocode, editable);
    }
    if (area >= 0) nad_sheet_clear(area);
    if (area >= 0) sva_delete(area);
    Undefine_Prop_Sheet();

    if (code != kCodeOk || !editable) {
        nad_current_set = *before;
        return 0;
    }
    if (nad_store_user_set(number, &nad_current_set)) return 1;
    // The values stay current for this run; the user is told that the file keeps the old ones.
    std::error_code ec;
    const std::string dram = nadpath::folder("DRAM");
    std::string path = dram.empty() ? std::string("NADS/") + std::to_string(number) + ".NAD"
                                    : path_join(dram, "NADS/" + std::to_string(number) + ".NAD");
    const auto absolute = std::filesystem::absolute(path, ec);
    if (!ec) path = absolute.lexically_normal().string();
    Init_Message();
    Set_Message_Title("Nationaler Anhang");
    Set_Message_Symbol(3, 0, 0, 0);
    Fill_Message(("Der Parametersatz \"" + std::string(nad_current_set.set_name) + "\" konnte nicht gespeichert werden:").c_str());
    Fill_Message(path.c_str());
    if (dram.empty()) Fill_Message("Das DRAM-Verzeichnis ist nicht gesetzt.");
    else if (!nad_set_name_storable(nad_current_set.set_name))
        Fill_Message("Der Name des Satzes ist leer, l\204nger als 99 Zeichen oder enth\204lt ein Steuerzeichen.");
    Fill_Message("Die Datei beh\204lt ihre bisherigen Werte.");
    Draw_Message();
    return -1;
}
