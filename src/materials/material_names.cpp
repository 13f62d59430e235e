#include "materials/material_names.h"

#include "materials/alu_grades.h"
#include "materials/annex_link.h"
#include "materials/board_values.h"
#include "materials/fastener_records.h"
#include "materials/fastener_type_names.h"
#include "materials/ijoist_catalogue.h"
#include "materials/material_codes.h"
#include "materials/screw_catalogues.h"
#include "materials/steel_grades.h"
#include "materials/timber_grades.h"
#include "platform/os/c_numeric.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const kUndefined = "nicht definiertes Material";

const char* const kClassNames[19] = {
    "Nadelholz", "Laubholz", "Brettschicht EC", "Brettschicht DIN", "OSB", "Gipskarton",
    "Sperrholz", "Spanplatte", "Faserplatte", "Fermacell", "Kerto-S", "Kerto-Q", "Stahlblech",
    "Furnierschichtholz", "Frei", "Ohne", "Aluminiumblech", "Baubuche GL75", "Baubuche Platte",
};

// Board sub-types by code 4-11, 18 and 19/-11 (0xF3/0xF2: "<=" and ">=" in code page 437).
const char* const kOsb[] = {"OSB 2", "OSB 3", "OSB 4"};
const char* const kGypsum[] = {"GKB", "GKF", "GKBi"};
const char* const kPlywood[] = {"F20/10", "F20/15", "F25/10", "F40/30", "F50/25", "F60/10"};
const char* const kParticle[] = {"Typ P4", "Typ P5", "Typ P6", "Typ P7"};
const char* const kFibre[] = {"Hart", "Mittelhart"};
const char* const kFermacell[] = {"10 mm", "12,5 mm", "15 mm", "18 mm", "25 mm"};
const char* const kKertoS[] = {"21-75 mm"};
const char* const kKertoQ[] = {"21-24 mm", "27-69 mm"};
const char* const kBeech[] = {"S 40 mm", "S 60 mm", "Q 40 mm"};
const char* const kLvl[] = {"R", "X t\xF3" "24", "X t\xF2" "27"};

struct SubTypes {
    const char* const* texts;
    int count;
};

SubTypes sub_types(int code)
{
    switch (code) {
    case MAT_OSB: return {kOsb, 3};
    case MAT_PLASTERBOARD: return {kGypsum, 3};
    case MAT_PLYWOOD: return {kPlywood, 6};
    case MAT_PARTICLEBOARD: return {kParticle, 4};
    case MAT_FIBREBOARD: return {kFibre, 2};
    case MAT_GYPSUM_FIBREBOARD: return {kFermacell, 5};
    case MAT_KERTO_S: return {kKertoS, 1};
    case MAT_KERTO_Q: return {kKertoQ, 2};
    case MAT_BEECH_BOARD: return {kBeech, 3};
    case MAT_LVL:
    case MAT_GLVL: return {kLvl, 3};
    default: return {nullptr, 0};
    }
}

// Sub-type text, or null for an index outside the list.
const char* sub_type(int code, int grade)
{
    SubTypes s = sub_types(code);
    return (grade >= 0 && grade < s.count) ? s.texts[grade] : nullptr;
}

// All lists, built once.
struct Lists {
    MaterialListEntry classes[19];
    MaterialListEntry service[4];
    MaterialListEntry directions[4];
    MaterialListEntry soft_ec[12], soft_din[12], hard_ec[8], hard_din[6];
    MaterialListEntry glulam_ec[14], glulam_din[8], gl75[2];
    MaterialListEntry boards[8][6];  // codes 4-11
    MaterialListEntry beech[3], lvl[3];
    MaterialListEntry steel[2];
    MaterialListEntry alu[ALU_BUILTIN_COUNT];
    MaterialListEntry wall[8], joist[18];
    MaterialListEntry placeholder[1];
    std::string class_copies[19];
    std::string wall_copies[8], joist_copies[18];
};

Lists* lists = nullptr;

void fill(MaterialListEntry* e, const TimberGradeRow* rows, int n)
{
    for (int i = 0; i < n; ++i)
        e[i] = {0, rows[i].name};
}

void build_lists()
{
    static Lists storage;
    Lists& l = storage;
    for (int i = 0; i < 19; ++i) {
        l.class_copies[i] = kClassNames[i];
        l.classes[i] = {0, l.class_copies[i].c_str()};
    }
    l.service[0] = {0, " 1"};
    l.service[1] = {0, " 2"};
    l.service[2] = {0, " 3"};
    l.service[3] = {0, ""};
    const char* const dirs[4] = {"Platte parallel", "Platte senkrecht", "Scheibe parallel", "Scheibe senkrecht"};
    for (int i = 0; i < 4; ++i)
        l.directions[i] = {0, dirs[i]};
    fill(l.soft_ec, SoftwoodGradesEc, 12);
    fill(l.soft_din, SoftwoodGradesDin, 12);
    fill(l.hard_ec, HardwoodGradesEc, 8);
    fill(l.hard_din, HardwoodGradesDin, 6);
    fill(l.glulam_ec, GlulamGradesEc, 14);
    fill(l.glulam_din, GlulamGradesDin, 8);
    fill(l.gl75, Gl75Grades, 2);
    for (int code = MAT_OSB; code <= MAT_KERTO_Q; ++code) {
        SubTypes s = sub_types(code);
        for (int i = 0; i < s.count; ++i)
            l.boards[code - 4][i] = {0, s.texts[i]};
    }
    for (int i = 0; i < 3; ++i) {
        l.beech[i] = {0, kBeech[i]};
        l.lvl[i] = {0, kLvl[i]};
    }
    l.steel[0] = {0, steel_grade_name(5)};
    l.steel[1] = {0, steel_grade_name(7)};
    for (int i = 0; i < ALU_BUILTIN_COUNT; ++i)
        l.alu[i] = {0, alu_grade_name(i)};
    for (int i = 0; i < ijoist_wall_series.size_count && i < 8; ++i) {
        l.wall_copies[i] = ijoist_wall_series.sizes[i].name;
        l.wall[i] = {0, l.wall_copies[i].c_str()};
    }
    for (int i = 0; i < ijoist_joist_series.size_count && i < 18; ++i) {
        l.joist_copies[i] = ijoist_joist_series.sizes[i].name;
        l.joist[i] = {0, l.joist_copies[i].c_str()};
    }
    l.placeholder[0] = {0, "-----"};
    lists = &l;
}

void colour_all(int colour)
{
    Lists& l = *lists;
    auto paint = [colour](MaterialListEntry* e, int n) {
        for (int i = 0; i < n; ++i)
            e[i].colour = colour;
    };
    paint(l.classes, 19);
    paint(l.service, 4);
    paint(l.directions, 4);
    paint(l.soft_ec, 12);
    paint(l.soft_din, 12);
    paint(l.hard_ec, 8);
    paint(l.hard_din, 6);
    paint(l.glulam_ec, 14);
    paint(l.glulam_din, 8);
    paint(l.gl75, 2);
    for (int c = 0; c < 8; ++c)
        paint(l.boards[c], 6);
    paint(l.beech, 3);
    paint(l.lvl, 3);
    paint(l.steel, 2);
    paint(l.alu, ALU_BUILTIN_COUNT);
    paint(l.wall, 8);
    paint(l.joist, 18);
    paint(l.placeholder, 1);
}

char long_buffer[512];
char short_buffer[512];
char display_buffer[512];

const char* put_long(const char* prefix, const char* name)
{
    c_snprintf(long_buffer, sizeof long_buffer, "%s%s", prefix, name ? name : "");
    return long_buffer;
}

const char* put_short(const char* text)
{
    c_snprintf(short_buffer, sizeof short_buffer, "%s", text ? text : "");
    return short_buffer;
}

// Steel plate grade of a plate index: 0 the grade code 5, 1-3 code 7, from 4 on the index itself.
int steel_plate_code(int grade)
{
    if (grade == 0)
        return 5;
    if (grade >= 1 && grade <= 3)
        return 7;
    return grade;
}

void rtrim(std::string& s)
{
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
}

// Connection-means list: texts of 50 bytes.
MaterialListEntry means_entries[20];
char means_texts[20][50];

// Length texts of one fastener table row.
MaterialListEntry length_entries[FASTENER_TABLE_LENGTHS];
char length_texts[FASTENER_TABLE_LENGTHS][50];

const FastenerTable* table_of_kind(int kind)
{
    if (kind == FT_NAIL) return &fastener_table_nagel;
    if (kind == FT_STAPLE) return &fastener_table_klammer;
    if (kind >= FT_WOOD_SCREW_1A && kind <= FT_WOOD_SCREW_3C) return &fastener_table_schraube;
    if (kind == FT_SPAX_S_TG) return &fastener_table_spax_s_tg;
    if (kind == FT_SPAX_T_TG) return &fastener_table_spax_t_tg;
    if (kind == FT_SPAX_S_VG) return &fastener_table_spax_s_vg;
    if (kind == FT_ASSY_VG_Z) return &fastener_table_assy_plus_vg_z;
    if (kind == FT_ASSY_VG_S) return &fastener_table_assy_plus_vg_s;
    if ((kind >= FT_SPECIAL_NAIL_1A && kind <= FT_SPECIAL_NAIL_3C) ||
        (kind >= FT_SPECIAL_NAIL_1D && kind <= FT_SPECIAL_NAIL_3F)) return &fastener_table_sondernagel;
    return nullptr;
}

MaterialListEntry3 board_materials[7];
MaterialListEntry3 board_classes[10];
char* board_class_copies[10];

} // namespace

void material_lists_init()
{
    screw_catalogue_lists_build();
    ijoist_table_wall(1000);
    ijoist_table_joist(1000);
    if (!lists)
        build_lists();
}

MaterialListEntry* material_grade_list(int selector, int* width_out, int* count_out, int colour)
{
    material_lists_init();
    colour_all(colour);
    Lists& l = *lists;
    int width = 0, count = 0;
    MaterialListEntry* list = nullptr;
    bool ec = ec5_current();
    switch (selector) {
    case -1:
    case -5:
        list = l.classes, width = 14, count = 4;
        if (selector == -5)
            l.classes[2].colour = MATERIAL_LIST_GREY;
        break;
    case -2: list = l.service, width = 2, count = 4; break;
    case -3: list = l.classes, width = 14, count = 9; break;
    case -4: list = l.directions, width = 14, count = 4; break;
    case 0: list = ec ? l.soft_ec : l.soft_din, width = 7, count = 12; break;
    case 1:
        list = ec ? l.hard_ec : l.hard_din, width = 3, count = ec ? 8 : 6;
        break;
    case 2: list = l.glulam_ec, width = 10, count = 14; break;
    case 3: list = l.glulam_din, width = 10, count = 8; break;
    case 4: case 5: case 6: case 7: case 8: case 9: case 10: case 11: {
        static const int widths[8] = {6, 6, 6, 7, 7, 5, 7, 7};
        list = l.boards[selector - 4];
        width = widths[selector - 4];
        count = sub_types(selector).count;
        break;
    }
    case 12: list = l.steel, width = 9, count = 2; break;
    case 14:
    case 15: list = l.placeholder, width = 4, count = 1; break;
    case 16: list = l.alu, width = 15, count = ALU_BUILTIN_COUNT; break;
    case 17: list = l.gl75, width = 8, count = 2; break;
    case 18: list = l.beech, width = 11, count = 3; break;
    case 19:
    case -11: list = l.lvl, width = 7, count = 3; break;
    case -12: list = l.wall, width = 16, count = ijoist_wall_series.size_count; break;
    case -13: list = l.joist, width = 17, count = ijoist_joist_series.size_count; break;
    case -999: width = 4, count = 1; break;
    default:
        return nullptr;
    }
    if (width_out)
        *width_out = width;
    if (count_out)
        *count_out = count;
    return list;
}

const char* material_long_name(int code, int grade)
{
    material_lists_init();
    if (is_graded_timber_material(code)) {
        static const char* const prefix[] = {"Nadelvollholz", "Laubholz", "Brettschichtholz EC",
                                             "Brettschichtholz DIN"};
        const char* p = code == MAT_GL75 ? "Baubuche GL75" : prefix[code];
        const TimberGradeRow* row = timber_grade_row(code, grade);
        if (!row)
            return put_long(p, "");
        c_snprintf(long_buffer, sizeof long_buffer, "%s, %s", p, row->name);
        return long_buffer;
    }
    switch (code) {
    case MAT_OSB: {
        const char* s = sub_type(MAT_OSB, grade);
        return put_long("", s ? s : "OSB");
    }
    case MAT_PLASTERBOARD: return put_long("Gipskarton ", sub_type(MAT_PLASTERBOARD, grade));
    case MAT_PLYWOOD: return put_long("Sperrholz ", sub_type(MAT_PLYWOOD, grade));
    case MAT_PARTICLEBOARD: return put_long("Spanplatte ", sub_type(MAT_PARTICLEBOARD, grade));
    case MAT_FIBREBOARD: return put_long("Faserplatte ", sub_type(MAT_FIBREBOARD, grade));
    case MAT_GYPSUM_FIBREBOARD: return put_long("Fermacell ", sub_type(MAT_GYPSUM_FIBREBOARD, grade));
    case MAT_KERTO_S: return put_long("Kerto-S ", sub_type(MAT_KERTO_S, grade));
    case MAT_KERTO_Q: return put_long("Kerto-Q ", sub_type(MAT_KERTO_Q, grade));
    case MAT_STEEL_PLATE:
        if (grade < 0)
            return put_long("Stahlblech ", "");
        return put_long("Stahlblech ", steel_grade_name(steel_plate_code(grade)));
    case MAT_VENEER_LUMBER: return put_long(kUndefined, "");
    case MAT_FREE: return put_long("frei ", "");
    case MAT_NONE: return put_long("ohne", "");
    case MAT_ALU_PLATE: return put_long("Aluminiumblech ", alu_grade_name(grade));
    case MAT_BEECH_BOARD: return put_long("Baubuche ", sub_type(MAT_BEECH_BOARD, grade));
    case MAT_LVL: return put_long("Steico LVL ", sub_type(MAT_LVL, grade));
    case MAT_GLVL: return put_long("Steico GLVL ", sub_type(MAT_GLVL, grade));
    case MAT_IJOIST_WALL:
    case MAT_IJOIST_JOIST: {
        const IJoistSeries* s = ijoist_series_of_code(code);
        const char* name = (grade >= 0 && grade < s->size_count) ? s->sizes[grade].name : nullptr;
        return put_long(code == MAT_IJOIST_WALL ? "Steico Wall " : "Steico Joist ", name);
    }
    default:
        return put_long(kUndefined, "");
    }
}

const char* material_short_name(int code, int grade)
{
    material_lists_init();
    if (is_graded_timber_material(code)) {
        const TimberGradeRow* row = timber_grade_row(code, grade);
        return put_short(row ? row->name : "");
    }
    switch (code) {
    case MAT_OSB: case MAT_PLASTERBOARD: case MAT_PLYWOOD: case MAT_PARTICLEBOARD: case MAT_FIBREBOARD:
    case MAT_GYPSUM_FIBREBOARD: case MAT_KERTO_S: case MAT_KERTO_Q: case MAT_BEECH_BOARD: case MAT_LVL:
    case MAT_GLVL:
        return put_short(sub_type(code, grade));
    case MAT_STEEL_PLATE: return put_short(steel_grade_name(grade));
    case MAT_FREE: return put_short("frei ");
    case MAT_NONE: return put_short("--- ");
    default: return put_short(kUndefined);
    }
}

const char* material_display_name(int code, int grade, const char* user_material_name)
{
    if (code == MAT_USER || code == MAT_FREE || grade == -999) {
        if (!user_material_name)
            return nullptr;
        std::string name = user_material_name;
        rtrim(name);
        std::string text = name + " (benutzerdefiniert)";
        rtrim(text);
        c_snprintf(display_buffer, sizeof display_buffer, "%s", text.c_str());
        return display_buffer;
    }
    return material_long_name(code, grade);
}

MaterialListEntry* fastener_type_list(int mask, int colour, int* count_out, int* codes_out)
{
    material_lists_init();
    struct Means {
        int group;
        int code;   // connection code
        int type;   // fastener type code
    };
    static const Means kMeans[] = {
        {0x20, 0, -2}, {0x10, 1, -1},
        {0x01, 2, 0}, {0x01, 3, 1}, {0x01, 4, 2}, {0x01, 5, 11}, {0x01, 6, 12}, {0x01, 7, 13},
        {0x01, 8, 14}, {0x01, 9, 15}, {0x01, 10, 16},
        {0x02, 15, 29}, {0x02, 16, 30},
        {0x04, 11, 25}, {0x04, 12, 26}, {0x04, 13, 27}, {0x04, 14, 28},
        {0x08, 17, 31}, {0x08, 18, 32}, {0x08, 19, 33},
    };
    int n = 0;
    for (const Means& m : kMeans) {
        if (!(mask & m.group) || n >= 20)
            continue;
        // The wood screw appears under its long name "Holzschraube".
        const char* text = fastener_type_name(m.type, m.type == FT_WOOD_SCREW_1A ? 1 : 0);
        c_snprintf(means_texts[n], sizeof means_texts[n], "%s", text ? text : "");
        means_entries[n] = {colour, means_texts[n]};
        if (codes_out)
            codes_out[n] = m.code;
        ++n;
    }
    if (count_out)
        *count_out = n;
    return means_entries;
}

MaterialListEntry3* board_material_list(int* width_out, int* count_out, int colour)
{
    material_lists_init();
    static const int codes[7] = {4, 5, 6, 7, 8, 9, 19};
    for (int i = 0; i < 7; ++i) {
        // Code 19 has no entry in the class list: it shows its long-name prefix.
        const char* text = codes[i] == 19 ? "Steico LVL" : lists->classes[codes[i]].text;
        board_materials[i] = {colour, text, codes[i]};
    }
    if (width_out)
        *width_out = 11;
    if (count_out)
        *count_out = 7;
    return board_materials;
}

MaterialListEntry3* board_class_list(int* width_out, int* count_out, int colour)
{
    material_lists_init();
    static const int codes[10] = {4, 5, 6, 7, 8, 9, 10, 11, 14, 15};
    for (int i = 0; i < 10; ++i) {
        std::free(board_class_copies[i]);
        const char* src = kClassNames[codes[i]];
        size_t n = std::strlen(src) + 1;
        board_class_copies[i] = static_cast<char*>(std::malloc(n));
        if (board_class_copies[i])
            std::memcpy(board_class_copies[i], src, n);
        board_classes[i] = {colour, board_class_copies[i] ? board_class_copies[i] : "", codes[i]};
    }
    if (width_out)
        *width_out = 11;
    if (count_out)
        *count_out = 10;
    return board_classes;
}

MaterialListEntry* fastener_length_list(int fastener_kind, int row, int colour, int* count_out)
{
    const CNumericScope c_numbers;
    material_lists_init();
    int n = 0;
    const FastenerTable* t = table_of_kind(fastener_kind);
    if (t && row >= 0 && row < t->row_count && row < FASTENER_TABLE_ROWS) {
        const FastenerRow& r = t->rows[row];
        int nl = r.n_l;
        if (nl > FASTENER_TABLE_LENGTHS)
            nl = FASTENER_TABLE_LENGTHS;
        for (int i = 0; i < nl; ++i) {
            c_snprintf(length_texts[i], sizeof length_texts[i], "%3.0lf mm", r.lengths[i]);
            length_entries[i] = {colour, length_texts[i]};
            ++n;
        }
    }
    if (count_out)
        *count_out = n;
    return length_entries;
}
