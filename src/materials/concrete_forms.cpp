#include "materials/concrete_forms.h"

#include "helpers/rebar_arithmetic.h"
#include "platform/os/c_numeric.h"
#include "platform/screen/fonts.h"
#include "platform/screen/input.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "sheets/form_fields.h"
#include "sheets/form_sheets.h"
#include "sheets/form_state.h"
#include "sheets/view_areas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Characters of the window library's font.
const char kAlpha[] = "\xBA";
const char kEpsilon[] = "\xBE";
const char kPerMille[] = "\x89";
const char kKgPerM3[] = "kg/m\xFA";
const char kMNPerM2[] = "MN/m\xFD";

constexpr int kRowStep = 23;        // pixels between rows of a grade row and a page
constexpr int kFieldColumn = 75;    // from the labels to the fields and lists
constexpr int kMinusOffset = 8;     // the minus sign stands this far before its field
constexpr int kUnitGap = 3;
constexpr int kToggleGap = 15;      // from the E_cm unit to its toggle
constexpr int kConcretePageHeight = 183, kRebarPageHeight = 107;
constexpr int kConcretePageFirstRow = 57;   // the page's first row below its origin

constexpr double kToMN = 0.001;     // kN/m² shown as MN/m²
constexpr double kPerMilleCompression = -1000;   // compression strains shown positive in ‰
constexpr double kPerMilleTension = 1000;

// Starting grades of the free definitions.
constexpr int kC25_30 = 3, kBSt500A = 0;

constexpr int kLinkConcrete = 1, kLinkRebar = 2;   // identities of the two links

int link_mode = 0;
int link_trigger = 0;   // set by a click on a link; tested at the row's next build
int row_state = 1;      // the rows' activity: active

int blue() { return Nearest_RGB_Color(0, 0, 255); }

bool drawing_area() { return form_current_sheet() >= 0; }

// The list as the toolkit's choice fields take it; its separators are the disabled entries.
static_assert(GRADE_FLAG_SEPARATOR == FORM_CHOICE_DISABLED, "separators are the choice's disabled entries");
GradeChoiceSource choice_source(const GradeList* list)
{
    return GradeChoiceSource{list->count, list->width, list->names, list->colours, list->flags};
}

// A current entry outside the list counts as its nearest end.
void keep_in_list(const GradeList* list, int* current)
{
    *current = std::clamp(*current, 0, std::max(0, list->count - 1));
}

// A unit after a field that ends at x_end; returns where the unit ends.
int unit_after(int x_end, int y, const char* unit)
{
    if (!drawing_area()) return x_end;
    return x_end + kUnitGap + form_label(x_end + kUnitGap, y, unit, &row_state);
}

// A labelled float row of a page: label (with a subscript) at x, field at x + 75, unit after it.
int page_row(int x, int y, const char* symbol, const char* subscript, double* value, double factor, int decimals,
             const char* unit, const int* state, bool minus = false)
{
    if (drawing_area()) {
        form_label_subscript(x, y, symbol, subscript, &row_state);
        if (minus) form_label(x + kFieldColumn - kMinusOffset, y, "-", &row_state);
    }
    const int w = form_float_field(x + kFieldColumn, y, value, factor, 8, decimals, state);
    return unit && *unit ? unit_after(x + kFieldColumn + w, y, unit) : x + kFieldColumn + w;
}

void page_picture(int area, const char* file, int x1, int y1, int x2, int y2)
{
    if (!drawing_area()) return;
    sva_add_bitmap(area >= 0 ? area : form_current_sheet(), file, x1, y1, x2, y2, Nearest_RGB_Color(239, 253, 238));
}

// E_cm follows f_ck while e_auto is on. The fields show both in MN/m² and hold the shown values
// while the sheet is open, so the modulus is computed from f_ck in kN/m² and written in the unit
// the field holds. Returns f_ck's field width.
int fck_row_with_modulus(int x, int y, ConcreteGradeRecord* r)
{
    const double before = r->f_ck;
    const int w = page_row(x, y, "f", "ck", &r->f_ck, kToMN, 2, kMNPerM2, &row_state);
    // The field scales its value when it registers it; unchanged, it was registered before.
    const bool shown_scaled = drawing_area() && r->f_ck == before && before != 0;
    if (r->e_auto) {
        const double f_ck = shown_scaled ? r->f_ck / kToMN : before;
        r->e_cm = concrete_e_modulus(f_ck) * (shown_scaled ? kToMN : 1.0);
    }
    return w;
}

// The link that runs a parameter form, 23 pixels below the row.
int link_row(int x, int y, const char* text, int identity)
{
    const int previous = form_get_text_colour();
    form_set_text_colour(blue());
    form_label_with_icon(x, y + kRowStep, text, identity, &link_trigger, &row_state);
    form_set_text_colour(previous);
    return kRowStep;
}

// The form runners' pages draw on the record of the form now running.
ConcreteGradeRecord* form_concrete = nullptr;
RebarGradeRecord* form_rebar = nullptr;

void concrete_form_page(int view, int) { concrete_param_page(view, 20, 0, form_concrete); }
void rebar_form_page(int view, int) { rebar_param_page(view, 20, 15, form_rebar); }

int run_one_page_form(const char* title, int height, int width, const char* page_name, void (*fill)(int, int))
{
    SheetDescriptor d;
    form_register_defaults(&d);
    c_snprintf(d.title, sizeof d.title, "%s", title);
    d.content_height = height;
    d.content_width = width;
    PageDescriptor page;
    form_pages_init(1, &page);
    c_snprintf(page.tab_text, sizeof page.tab_text, "%s", page_name);
    page.fill = fill;
    return form_run(&d, &page);
}

} // namespace

void concrete_pages_link_mode(int mode) { link_mode = mode; }

int concrete_param_page(int area, int x, int y, ConcreteGradeRecord* r)
{
    if (!r) return kConcretePageHeight;
    page_picture(area, "tools\\bemop_fcd.bmp", x + 200, y, x + 420, y + 192);
    int row = y + kConcretePageFirstRow;
    if (drawing_area()) {
        form_label(x, row, "Rohdichte", &row_state);
        const int w = form_add_limited_float(x + kFieldColumn, row, &r->density, &row_state);
        unit_after(x + kFieldColumn + w, row, kKgPerM3);
    }
    row += kRowStep;
    page_row(x, row, kAlpha, "c", &r->alpha, 1, 3, "", &row_state);
    row += kRowStep;
    fck_row_with_modulus(x, row, r);
    row += kRowStep;
    page_row(x, row, kEpsilon, "c2", &r->eps_c2, kPerMilleCompression, 3, kPerMille, &row_state, true);
    row += kRowStep;
    page_row(x, row, kEpsilon, "c2u", &r->eps_c2u, kPerMilleCompression, 3, kPerMille, &row_state, true);
    row += kRowStep;
    page_row(x, row, "n", "c", &r->n, 1, 2, "", &row_state);
    row += kRowStep + 12;   // the modulus stands apart from the curve's values
    static int read_only = -1;
    const int end = page_row(x, row, "E", "cm", &r->e_cm, kToMN, 1, kMNPerM2, r->e_auto ? &read_only : &row_state);
    form_toggle(end + kToggleGap, row, "E-Modul automatisch ermitteln", &r->e_auto, &row_state);
    return kConcretePageHeight;
}

int rebar_param_page(int area, int x, int y, RebarGradeRecord* r)
{
    if (!r) return kRebarPageHeight;
    page_picture(area, "tools\\bemop_fyk.bmp", x + 220, y, x + 436, y + 141);
    page_row(x, y + kRowStep, "f", "yk", &r->f_yk, kToMN, 2, kMNPerM2, &row_state);
    page_row(x, y + 2 * kRowStep, "f", "tk", &r->f_tk, kToMN, 2, kMNPerM2, &row_state);
    page_row(x, y + 3 * kRowStep, kEpsilon, "su", &r->eps_su, kPerMilleTension, 3, kPerMille, &row_state);
    page_row(x, y + 4 * kRowStep, "E", "s", &r->e_s, kToMN, 1, kMNPerM2, &row_state);
    return kRebarPageHeight;
}

namespace {

// What follows the concrete list: the free definition's page or link, the density and alpha rows.
int concrete_row_rest(int area, int x, int y, ConcreteGradeRecord* record, GradeList* list, int* current)
{
    int code = -1, flags = 0;
    grade_list_code_at(list, *current, &code, &flags);
    if (code == CONCRETE_CODE_FREE) {
        if (link_mode == 0) {
            concrete_param_page(area, x - kFieldColumn, y + kRowStep - kConcretePageFirstRow, record);
            return kConcretePageHeight;
        }
        return link_row(x - kFieldColumn, y, "-> Betonparameter definieren", kLinkConcrete);
    }
    int used = 0;
    if (record && (flags & GRADE_FLAG_LIGHTWEIGHT)) {
        used += kRowStep;
        if (drawing_area()) {
            form_label(x - kFieldColumn, y + used, "Rohdichte", &row_state);
            const int w = form_add_limited_float(x, y + used, &record->density, &row_state);
            unit_after(x + w, y + used, kKgPerM3);
        }
    }
    if (record && list->show_alpha) {
        used += kRowStep;
        if (drawing_area()) form_label_subscript(x - kFieldColumn, y + used, kAlpha, "c", &row_state);
        form_float_field(x, y + used, &record->alpha, 1, 8, 3, &row_state);
    }
    return used;
}

// The grade choice of a row: false without a list (then only the label, when one is given, is drawn);
// otherwise keeps *current inside the list and gives the list as the choice's source.
bool grade_choice(GradeList* list, int* current, int x, int y, const char* label, GradeChoiceSource* source)
{
    if (!list || !current || list->count < 1) {
        if (label && drawing_area()) form_label(x, y, label, &row_state);
        return false;
    }
    keep_in_list(list, current);
    *source = choice_source(list);
    return true;
}

bool run_concrete_link(ConcreteGradeRecord* record)
{
    if (link_trigger != kLinkConcrete) return false;
    link_trigger = 0;
    if (record) concrete_params_form(record);
    return true;
}

} // namespace

int concrete_grade_row(int area, int x, int y, ConcreteGradeRecord* record, GradeList* list, int* current)
{
    run_concrete_link(record);
    GradeChoiceSource source;
    if (!grade_choice(list, current, x, y, nullptr, &source)) return 0;
    form_choice_list_enabled(x, y, &source, current, &row_state);
    return concrete_row_rest(area, x, y, record, list, current);
}

int concrete_material_sheet(int area, int x, int y, ConcreteGradeRecord* record, GradeList* list, int* current)
{
    run_concrete_link(record);
    GradeChoiceSource source;
    if (!grade_choice(list, current, x, y, "Betong\x81" "te", &source)) return 0;
    form_concrete_grade_choice(0, x, y, 0, &source, current);
    return concrete_row_rest(area, x + kFieldColumn, y, record, list, current);
}

int rebar_grade_row(int area, int x, int y, RebarGradeRecord* record, GradeList* list, int* current)
{
    if (link_trigger == kLinkRebar) {
        link_trigger = 0;
        if (record) rebar_params_form(record);
    }
    GradeChoiceSource source;
    if (!grade_choice(list, current, x, y, "Stahlg\x81" "te", &source)) return 0;
    form_steel_grade_choice(0, x, y, 0, &source, current);
    int code = -1;
    grade_list_code_at(list, *current, &code, nullptr);
    if (code != REBAR_CODE_FREE) return 0;
    if (link_mode == 0) {
        rebar_param_page(area, x, y, record);
        return kRebarPageHeight;
    }
    return link_row(x, y, "-> Stahlparameter definieren", kLinkRebar);
}

int concrete_params_form(ConcreteGradeRecord* record)
{
    if (!record) return 0;
    concrete_grade_din1045_1(record, kC25_30, 0, CONCRETE_NORMAL_DENSITY);
    const ConcreteGradeRecord kept = *record;
    ConcreteGradeRecord* outer = form_concrete;
    form_concrete = record;
    const int result = run_one_page_form("Freie Definition des Betons", 220, 440, "Betonparameter",
                                         concrete_form_page);
    form_concrete = outer;
    if (result == 0) *record = kept;
    return result;
}

int rebar_params_form(RebarGradeRecord* record)
{
    if (!record) return 0;
    rebar_grade_din1045_1(record, kBSt500A);
    const RebarGradeRecord kept = *record;
    RebarGradeRecord* outer = form_rebar;
    form_rebar = record;
    const int result = run_one_page_form("Freie Definition des Stahls", 170, 470, "Stahlparameter", rebar_form_page);
    form_rebar = outer;
    if (result == 0) *record = kept;
    return result;
}

// ---- the area sheet ----

namespace {

constexpr int kDiameters[REBAR_AREA_ROWS] = {6, 8, 10, 12, 14, 16, 20, 25, 28};   // mm
constexpr double kMmToM = 0.001;
constexpr double kM2ToCm2 = 10000;
constexpr int kMaxCount = 99;

constexpr int kSheetWidth = 218, kSheetHeight = 330;
constexpr int kFirstRow = PS_TITLE_ROW + 12;   // from the sheet's top to the first row's top
constexpr int kRowPitch = 25;
constexpr int kLabelX = 12, kFieldX = 80, kAreaX = 112;   // from the sheet's left edge
constexpr int kCodeCancel = 1, kCodeAccept = 2, kCodeCount = 10;   // count fields: 10 + row

double counts[REBAR_AREA_ROWS] = {};
bool centre_set = false;
int centre_x = 0, centre_y = 0;

struct AreaSheet {
    int x1, y1;
    double areas[REBAR_AREA_ROWS];   // m²
    double total;                    // m²
};

void compute(AreaSheet& s)
{
    s.total = 0;
    for (int i = 0; i < REBAR_AREA_ROWS; ++i) {
        counts[i] = std::clamp(std::trunc(counts[i]), 0.0, double(kMaxCount));
        s.areas[i] = bars_area(int(counts[i]), kDiameters[i] * kMmToM);
        s.total += s.areas[i];
    }
}

// Writes a text on the sheet's face, clearing the place of the longest such text first.
void face_text(int x, int y, const char* text, int clear_chars)
{
    Pop_RFont(4096);
    const int top = y - font_ascent();
    const int fg = pxQFgc();
    pxFgc(GetVYKColor(-1));
    pxRect(x, top, x + clear_chars * (RFONT_WIDTH + RFONT_SPACE) + 8, top + font_height() - 1);
    pxFgc(BLACK_CI);
    pxText(x, y, text, int(std::strlen(text)));
    pxFgc(fg);
    Push_RFont();
}

int row_top(const AreaSheet& s, int i) { return s.y1 + kFirstRow + i * kRowPitch; }
int baseline(int top) { return top + 13; }

void draw_areas(const AreaSheet& s)
{
    char text[32];
    for (int i = 0; i < REBAR_AREA_ROWS; ++i) {
        c_snprintf(text, sizeof text, "%6.2f cm\xFD", s.areas[i] * kM2ToCm2);
        face_text(s.x1 + kAreaX, baseline(row_top(s, i)), text, 12);
    }
    std::snprintf(text, sizeof text, "%6.2f cm\xFD", s.total * kM2ToCm2);
    face_text(s.x1 + kAreaX, baseline(row_top(s, REBAR_AREA_ROWS) + 6), text, 12);
    pxFlsh();
}

void draw_labels(const AreaSheet& s)
{
    char text[32];
    for (int i = 0; i < REBAR_AREA_ROWS; ++i) {
        c_snprintf(text, sizeof text, "\x8C%3d =", kDiameters[i]);
        face_text(s.x1 + kLabelX, baseline(row_top(s, i)), text, 0);
    }
    const int rule = row_top(s, REBAR_AREA_ROWS) + 1;
    const int fg = pxQFgc();
    pxFgc(BLACK_CI);
    pxLine(s.x1 + kLabelX, rule, s.x1 + kSheetWidth - kLabelX, rule);
    pxFgc(fg);
    face_text(s.x1 + kLabelX + 24, baseline(row_top(s, REBAR_AREA_ROWS) + 6), "\xB2 =", 0);
}

} // namespace

double* rebar_area_counts(void) { return counts; }

double rebar_area_sheet(void)
{
    if (!centre_set) {
        centre_x = NPIXEL_X / 2, centre_y = NPIXEL_Y / 2;
        centre_set = true;
    }
    int c[4] = {centre_x - kSheetWidth / 2, centre_y - kSheetHeight / 2, 0, 0};
    c[2] = c[0] + kSheetWidth - 1;
    c[3] = c[1] + kSheetHeight - 1;
    Check_Prop_Sheet_Frames(c);
    Define_Prop_Sheet(c[0], c[1], c[2], c[3], 1, 0, "Bew.fl\x84" "che Stabstahl", 0, 1);
    AreaSheet s{c[0], c[1], {}, 0};
    for (int i = 0; i < REBAR_AREA_ROWS; ++i)
        Add_Float_to_PS(s.x1 + kFieldX, row_top(s, i), 2, "%2.0f", 0, kCodeCount + i, &counts[i]);
    const int buttons_y = c[3] - 10 - PS_BUTTON_HEIGHT;
    const int cancel = Add_Single_Button_to_PS(s.x1 + 12, buttons_y, 1, kCodeCancel, "abbrechen", nullptr, 0);
    Add_Single_Button_to_PS(s.x1 + 112, buttons_y, 1, kCodeAccept, "\x81" "bernehmen", nullptr, 0);
    Set_Windows_Break_Button(kCodeCancel);
    Move_Mouse_Cursor_to_Button_of_PS(cancel, 0, 0);
    Activate_Prop_Sheet();
    draw_labels(s);
    compute(s);
    draw_areas(s);

    int code = 0;
    while ((code = Edit_Prop_Sheet()) != kCodeCancel && code != kCodeAccept && code != 0) {
        compute(s);
        draw_areas(s);
        Activate_Prop_Sheet();   // the fields show the counts as whole numbers
        draw_labels(s);
        draw_areas(s);
    }
    compute(s);
    int dx = 0, dy = 0;
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    centre_x += dx;
    centre_y += dy;
    Undefine_Prop_Sheet();
    return code == kCodeAccept ? s.total : -1;
}
