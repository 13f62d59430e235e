#include "sheets/table_editor.h"

#include "platform/screen/fonts.h"
#include "platform/screen/input.h"
#include "platform/os/c_numeric.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "sheets/sheet_images.h"
#include "sheets/typed_numbers.h"
#include "sheets/view_area_drawing.h"
#include "sheets/view_area_input.h"
#include "sheets/view_areas.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <initializer_list>

namespace {

constexpr int kPointerHand = 18;
constexpr int kCommentFont = 0x41006;
constexpr int kRowNumberFont = 4096;
constexpr int kColumnReach = 25;   // column buttons sit this far above the first row

void sort_ascending() { table_sort_column_asc(); }
void sort_descending() { table_sort_column_desc(); }
void fill_column() { table_fill_column_sheet(); }

MenueEntry g_sort_entries[2] = {{"aufsteigend", 1, nullptr, " ", 0, sort_ascending},
                                {"absteigend", 1, nullptr, " ", 0, sort_descending}};
MenueRecord g_sort_menu = {2, 11, 1, 0, 1, g_sort_entries, 0, 0};
MenueEntry g_column_entries[2] = {{"Spalte sortieren", 1, &g_sort_menu, " ", 0, nullptr},
                                  {"Spalte belegen", 1, nullptr, " ", 0, fill_column}};
MenueRecord g_column_menu = {2, 16, 1, 0, 1, g_column_entries, 0, 0};

void set_colours(TreeViewImage& image, std::initializer_list<int> colours)
{
    int k = 0;
    for (int c : colours) image.colours[k++] = c;
}

bool limit_reached(const EditTable* t) { return t->row_limit > 0 && t->row_count >= t->row_limit; }

void add_click(int area, int x1, int y1, int x2, int y2, int value, int* target, const char* comment)
{
    sva_add_icon_button(area, x1, y1, x2, y2, value, target);
    sva_set_last_icon_value(area, kPointerHand);
    if (comment) sva_set_last_icon_comment(area, comment, kCommentFont, BLACK_CI, 0);
}

TableRow* row_at(const EditTable* t, int index)
{
    TableRow* r = t->first_row;
    for (int i = 1; r && i < index; ++i) r = r->next;
    return index > 0 ? r : nullptr;
}

TableColumn* column_at(const EditTable* t, int index)
{
    TableColumn* c = t->first_column;
    for (int i = 1; c && i < index; ++i) c = c->next;
    return index > 0 ? c : nullptr;
}

// Whether the mouse lies on the table (with its column buttons above it).
bool on_table(const EditTable* t, int ox, int oy, int sx, int sy)
{
    int rows = t->row_count + (t->append_icon.on ? 1 : 0);
    int top = oy + t->top - sy - (t->first_column ? kColumnReach : 0);
    int bottom = oy + t->top - sy + rows * t->row_height;
    return M_XPOS >= ox + t->left - sx && M_XPOS <= ox + t->right - sx && M_YPOS >= top && M_YPOS <= bottom;
}

void wait_release()
{
    while (M_LEFT)
        if (!Get_Mouse_Event()) break;
}

int run_column_menu(EditTable* t)
{
    TableColumn* column = t->clicked_column;
    table_set_current(t, column);
    g_column_entries[0].enabled = column->sortable;
    g_column_entries[1].enabled = column->fillable;
    Menue_Manager(&g_column_menu);
    t->clicked_column = nullptr;
    table_set_current(nullptr, nullptr);
    sva_update(t->view_area);
    return 1;
}

// Moves the simulated press one row up (-1) or down (+1), scrolling when it leaves the view.
void step_row(EditTable* t, int direction, int oy, int h, int sy)
{
    M_LEFT = 1;
    M_YPOS += direction * t->row_height;
    bool scroll = direction < 0 ? !(M_YPOS > oy + 9 || sy == 0) : M_YPOS > oy + h - t->row_height + 10;
    if (!scroll) return;
    int dx = 0, dy = direction * t->row_height;
    sva_scroll_by(t->view_area, &dx, &dy);
    M_YPOS -= dy;
    sva_update(t->view_area);
}

// A label of the fill sheet at its place, moved left where the font is too wide for the room
// before its control, so that it never runs into it.
constexpr int kLabelGap = 6;
void label_before(int x, int y, const char* text, int control_x)
{
    Pop_RFont(4096);
    int xs[4], ys[4];
    pxQTxX(text, (int)std::strlen(text), 0, 0, xs, ys);
    Push_RFont();
    int width = xs[1] - xs[0];
    Draw_Funny_Text_to_PS(std::min(x, control_x - kLabelGap - width), y, text, 4096, 2);
}

// A row number of the fill sheet: a whole number its five places can show. Anything else is
// refused with the range, and the field shows the number it had.
constexpr double kRowNumberMin = 1, kRowNumberMax = 99999;
bool keep_row_number(double* value, double* kept, int field, int state)
{
    if (form_check_number(*value, kRowNumberMin, kRowNumberMax) == FORM_NUMBER_OK && *value == std::floor(*value)) {
        *kept = *value;
        return true;
    }
    char typed[64];
    c_snprintf(typed, sizeof typed, "%.15g", *value);
    form_refuse_number(typed, FORM_NUMBER_OUT_OF_RANGE, kRowNumberMin, kRowNumberMax, 0);
    *value = *kept;
    Change_Activity_PS(field, state);
    return false;
}

} // namespace

const MenueRecord* table_column_menu(void) { return &g_column_menu; }

void table_prepare_images(void)
{
    set_colours(tree_image_delete(), {Nearest_Color_Index(0, 0, 0), Nearest_Color_Index(255, 255, 255),
                                      Nearest_Color_Index(255, 255, 0), Nearest_Color_Index(239, 195, 0),
                                      Nearest_Color_Index(224, 160, 64)});
    set_colours(tree_image_duplicate(), {Nearest_RGB_Color(0, 0, 0), Nearest_RGB_Color(255, 255, 255),
                                         Nearest_RGB_Color(0, 0, 255), Nearest_RGB_Color(255, 138, 138),
                                         Nearest_RGB_Color(187, 187, 187), Nearest_RGB_Color(255, 0, 0)});
    set_colours(tree_image_duplicate_unavailable(),
                {Nearest_Color_Index(208, 208, 208), Nearest_Color_Index(240, 240, 240), Nearest_Color_Index(64, 160, 192),
                 Nearest_Color_Index(128, 192, 192), Nearest_Color_Index(176, 176, 176)});
    set_colours(tree_image_append(),
                {Nearest_Color_Index(0, 0, 0), Nearest_Color_Index(255, 255, 255), Nearest_Color_Index(255, 0, 0)});
    set_colours(tree_image_column_button(),
                {Nearest_Color_Index(0, 0, 0), Nearest_Color_Index(255, 255, 255), Nearest_Color_Index(0, 0, 255),
                 Nearest_Color_Index(0, 128, 128), Nearest_Color_Index(128, 128, 128),
                 Nearest_Color_Index(200, 200, 170), Nearest_Color_Index(0, 160, 192)});
}

void table_draw(int table)
{
    EditTable* t = table_slot(table);
    if (!t) return;
    int area = t->view_area;
    int row_colour = Nearest_Color_Index(232, 232, 232);
    int number_colour = Nearest_Color_Index(130, 130, 130);
    int y = t->top, index = 1;
    for (TableRow* r = t->first_row; r; r = r->next, ++index, y += t->row_height) {
        sva_add_box(area, t->left, r == t->first_row ? y - 6 : y, t->right, y + t->row_height, row_colour);
        if (t->row_callback) t->row_callback(1, area, t->left, y, r->data);
        const TableIcon& del = t->delete_icon;
        if (del.on) {
            int x = t->left + del.dx, iy = y + del.dy;
            sva_add_icon(area, &tree_image_delete(), x, iy, x + 14, iy + 16, BLACK_CI);
            add_click(area, x, iy, x + 14, iy + 16, index, &t->clicked_delete, "Zeile l\x94schen");
        }
        const TableIcon& dup = t->duplicate_icon;
        if (dup.on) {
            int x = t->left + dup.dx, iy = y + dup.dy;
            if (limit_reached(t)) {
                sva_add_icon(area, &tree_image_duplicate_unavailable(), x, iy, x + 18, iy + 16, BLACK_CI);
            } else {
                sva_add_icon(area, &tree_image_duplicate(), x, iy, x + 18, iy + 16, BLACK_CI);
                add_click(area, x, iy, x + 18, iy + 16, index, &t->clicked_duplicate, "Zeile duplizieren");
            }
        }
        if (t->row_numbers.on) {
            char number[16];
            std::snprintf(number, sizeof number, "%d:", index);
            sva_add_text(area, t->left + t->row_numbers.dx, y + t->row_numbers.dy, number, kRowNumberFont,
                         number_colour, 1);
        }
    }
    if (t->append_icon.on && !limit_reached(t)) {
        sva_add_box(area, t->left, y, t->right, y + t->row_height - 5, row_colour);
        int x = t->left + t->append_icon.dx, iy = y + t->append_icon.dy;
        sva_add_icon(area, &tree_image_append(), x, iy, x + 35, iy + 16, BLACK_CI);
        add_click(area, x, iy, x + 35, iy + 16, 1, &t->append_requested, "neue Zeile anf\x81gen");
    }
    index = 1;
    for (TableColumn* c = t->first_column; c; c = c->next, ++index) {
        sva_add_icon(area, &tree_image_column_button(), c->x - 14, c->y - 8, c->x + 14, c->y + 8, BLACK_CI);
        add_click(area, c->x - 14, c->y - 8, c->x + 14, c->y + 8, index, &t->clicked_column_number, nullptr);
    }
}

int table_edit(int table)
{
    EditTable* t = table_slot(table);
    if (!t) return 0;
    int area = t->view_area;
    if (!M_LEFT) sva_hover(area);
    if (!M_LEFT) return 0;
    for (;;) {
        int ox = 0, oy = 0, sx = 0, sy = 0, w = 0, h = 0;
        sva_get_screen_origin(area, &ox, &oy);
        sva_inquire_scroll(area, &sx, &sy);
        sva_get_view_size(area, &w, &h);
        if (!on_table(t, ox, oy, sx, sy)) return 0;
        LAST_SHEET_EDIT_KEY = 0;
        t->clicked_delete = t->clicked_duplicate = t->clicked_column_number = 0;
        if (sva_edit(area) == 0) {
            wait_release();
            return 1;
        }
        t->row_to_delete = row_at(t, t->clicked_delete);
        t->row_to_duplicate = row_at(t, t->clicked_duplicate);
        t->clicked_column = column_at(t, t->clicked_column_number);
        if (t->delete_icon.on && t->row_to_delete) {
            TableRow* row = t->row_to_delete;
            t->row_to_delete = nullptr;
            return table_delete_row(t, row);
        }
        if (t->duplicate_icon.on && t->row_to_duplicate) {
            TableRow* row = t->row_to_duplicate;
            t->row_to_duplicate = nullptr;
            return table_duplicate_row(t, row);
        }
        if (t->append_icon.on && t->append_requested) return table_append_template(t);
        if (t->first_column && t->clicked_column) return run_column_menu(t);
        if (LAST_SHEET_EDIT_KEY == KEY_UP) step_row(t, -1, oy, h, sy);
        else if (LAST_SHEET_EDIT_KEY == KEY_DOWN) step_row(t, 1, oy, h, sy);
        else return 1;
    }
}

int table_fill_column_sheet(void)
{
    EditTable* t = table_current();
    TableColumn* column = table_current_column();
    if (!t || !column) return 0;
    form_install_number_reader();
    static int centre_x = -1, centre_y = -1;
    if (centre_x < 0) {
        centre_x = NPIXEL_X / 2;
        centre_y = NPIXEL_Y / 2;
    }
    int corners[4] = {centre_x - 163, centre_y - 119, centre_x + 163, centre_y + 119};
    Check_Prop_Sheet_Frames(corners);
    centre_x = (corners[0] + corners[2]) / 2;
    centre_y = (corners[1] + corners[3]) / 2;
    int x0 = corners[0], y0 = corners[1];
    int buffering = pxBuff(-1);
    Define_Prop_Sheet(corners[0], corners[1], corners[2], corners[3], 1, 1, "Tabellenspalte belegen", 11, 1);
    label_before(x0 + 21, y0 + 60, "anwenden auf", x0 + 110);
    label_before(x0 + 21, y0 + 104, "erste Zeile", x0 + 90);
    label_before(x0 + 168, y0 + 104, "letzte Zeile", x0 + 237);
    Draw_Funny_Text_to_PS(x0 + 21, y0 + 141, "Startwert", 4096, 2);
    Draw_Funny_Text_to_PS(x0 + 22, y0 + 153, "(f\x81r erste Zeile)", 4098, 2);
    Draw_Funny_Text_to_PS(x0 + 21, y0 + 173, "Inkrement", 4096, 2);
    Draw_Funny_Text_to_PS(x0 + 22, y0 + 185, "(Zuwachs f\x81r jede weitere Zeile)", 4098, 2);
    double first = 1, last = 1000, start = 1.0, step = 0.0;
    int choice = 1;
    int first_field = Add_Float_to_PS(x0 + 90, y0 + 91, 5, "%5.0f", -1, 4, &first);
    int last_field = Add_Float_to_PS(x0 + 237, y0 + 91, 5, "%5.0f", -1, 5, &last);
    int whole = Add_Radio_Button_to_PS(x0 + 110, y0 + 50, 3, 1, &choice);
    int part = Add_Radio_Button_to_PS(x0 + 110, y0 + 67, 3, 2, &choice);
    Add_Aligned_Connected_Text_to_Button_of_PS(whole, x0 + 128, y0 + 61, "gesamte Spalte", 4096, BLACK_CI);
    Add_Aligned_Connected_Text_to_Button_of_PS(part, x0 + 128, y0 + 78, "Zeilenausschnitt", 4096, BLACK_CI);
    char printed[64];
    int width = c_snprintf(printed, sizeof printed, column->format, 1.0);
    Add_Float_to_PS(x0 + 197, y0 + 133, width, column->format, -1, 0, &start);
    Add_Float_to_PS(x0 + 197, y0 + 165, width, column->format, -1, 0, &step);
    Add_Single_Button_to_PS(x0 + 19, y0 + 210, 1, 2, nullptr, SYMBOLIC_BREAK_RASTER, 0);
    Add_Help_to_PS(x0 + 152, y0 + 210, 1, 0, 0, "");
    Add_Single_Button_to_PS(x0 + 285, y0 + 210, 1, 1, nullptr, SYMBOLIC_OK_RASTER, 0);
    msStCu(x0 + 27, y0 + 218);
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Activate_Prop_Sheet();
    pxBuff(buffering);
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    int code;
    int row_state = 1;
    double kept_first = first, kept_last = last;
    for (;;) {
        code = Edit_Prop_Sheet();
        // Row numbers are checked as typed, before they are compared or turned into ints.
        bool first_ok = keep_row_number(&first, &kept_first, first_field, row_state);
        bool last_ok = keep_row_number(&last, &kept_last, last_field, row_state);
        if (code == 1 && !(first_ok && last_ok)) continue;
        if (code == 1 || code == 2) break;
        if (code == 3) {
            row_state = choice == 2 ? 1 : -1;
            Change_Activity_PS(first_field, row_state);
            Change_Activity_PS(last_field, row_state);
            code = 4;
        }
        if (code == 4 || code == 5) {
            double old_last = last, old_first = first;
            table_fill_order_range(code, &first, &last);
            if (last != old_last) Change_Activity_PS(last_field, 1);
            if (first != old_first) Change_Activity_PS(first_field, 1);
            kept_first = first;
            kept_last = last;
        }
    }
    centre_x += dx;
    centre_y += dy;
    Undefine_Prop_Sheet();
    if (code != 1) return 0;
    table_fill_column(t, column, choice == 1, (int)first, (int)last, start, step);
    return 1;
}
