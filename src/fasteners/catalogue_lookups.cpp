#include "fasteners/catalogue_lookups.h"

#include "fasteners/fastener_tables.h"
#include "national_annex/nad_ec5_block.h"
#include "platform/os/c_numeric.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
const FastenerTable* fastener_table_of(int type)
{
    if (type == FT_NAIL) return &fastener_table_nagel;
    if (type == FT_STAPLE) return &fastener_table_klammer;
    if (type >= FT_WOOD_SCREW_1A && type <= FT_WOOD_SCREW_3C) return &fastener_table_schraube;
    switch (type) {
    case FT_SPAX_S_TG: return &fastener_table_spax_s_tg;
    case FT_SPAX_T_TG: return &fastener_table_spax_t_tg;
    case FT_SPAX_S_VG: return &fastener_table_spax_s_vg;
    case FT_ASSY_VG_Z: return &fastener_table_assy_plus_vg_z;
    case FT_ASSY_VG_S: return &fastener_table_assy_plus_vg_s;
    default: break;
    }
    if ((type >= FT_SPECIAL_NAIL_1A && type <= FT_SPECIAL_NAIL_3C) ||
        (type >= FT_SPECIAL_NAIL_1D && type <= FT_SPECIAL_NAIL_3F)) return &fastener_table_sondernagel;
    return nullptr;
}

const ConnectorTable* connector_table_of(int type)
{
    switch (type) {
    case FT_RING_A1: return &connector_table_ringduebel_a1;
    case FT_CONNECTOR_C1: return &connector_table_schduebel_c1;
    case FT_CONNECTOR_C5: return &connector_table_schduebel_c5;
    case FT_CONNECTOR_C10: return &connector_table_schduebel_c10;
    case FT_CONNECTOR_B1: return &connector_table_schduebel_B1;
    case FT_CONNECTOR_C2: return &connector_table_schduebel_c2;
    case FT_CONNECTOR_C11: return &connector_table_schduebel_c11;
    default: return nullptr;
    }
}

const DiameterTable* diameter_table_of(int type)
{
    if (type == FT_DOWEL) return &diameter_table_dowel;
    if (type == FT_BOLT) return &diameter_table_bolt;
    return nullptr;
}

// Rows and lengths outside the filled part of a table answer 0 instead of reading past it.
const FastenerRow* fastener_row(int type, int n)
{
    const FastenerTable* t = fastener_table_of(type);
    if (!t || n < 0 || n >= t->row_count || n >= FASTENER_TABLE_ROWS) return nullptr;
    return &t->rows[n];
}

const ConnectorRow* connector_row(int type, int n)
{
    const ConnectorTable* t = connector_table_of(type);
    if (!t || n < 0 || n >= t->row_count || n >= FASTENER_TABLE_ROWS) return nullptr;
    return &t->rows[n];
}

bool length_in_row(const FastenerRow* r, int j)
{
    return r && j >= 0 && j < r->n_l && j < FASTENER_TABLE_LENGTHS;
}

char list_texts[2][50][50];
ChoiceEntry lists[2][50];

ChoiceEntry* fill_list(int which, int type, int value, int* count_out)
{
    const CNumericScope c_numbers;
    ChoiceEntry* list = lists[which];
    for (int i = 0; i < 50; ++i) list[i].text = list_texts[which][i];
    const int count = fastener_table_row_count(type);
    if (count_out) *count_out = count;
    for (int n = 0; n < count && n < 50; ++n) {
        list[n].value = value;
        c_snprintf(list[n].text, 50, "%6.2f mm", fastener_diameter(type, n));
    }
    return list;
}
} // namespace

int fastener_table_row_count(int type)
{
    if (const FastenerTable* t = fastener_table_of(type)) return t->row_count;
    if (const ConnectorTable* t = connector_table_of(type)) return t->row_count;
    if (const DiameterTable* t = diameter_table_of(type)) return t->count;
    return 0;
}

int fastener_length_count(int type, int n)
{
    const FastenerRow* r = fastener_row(type, n);
    return r ? r->n_l : 0;
}

double fastener_diameter(int type, int n)
{
    if (const FastenerRow* r = fastener_row(type, n)) return r->d;
    if (const ConnectorRow* r = connector_row(type, n)) return r->dc;
    const DiameterTable* t = diameter_table_of(type);
    if (t && n >= 0 && n < t->count && n < FASTENER_TABLE_LENGTHS) return t->diameters[n];
    return 0.0;
}

double fastener_length(int type, int n, int j)
{
    const FastenerRow* r = fastener_row(type, n);
    return length_in_row(r, j) ? r->lengths[j] : 0.0;
}

double fastener_effective_length(int type, int n, int j)
{
    const FastenerRow* r = fastener_row(type, n);
    return length_in_row(r, j) ? r->effective_lengths[j] : 0.0;
}

int fastener_row_of_diameter(int type, double diameter)
{
    if (!fastener_table_of(type) && !diameter_table_of(type)) return 0;
    int found = 0;
    const int count = fastener_table_row_count(type);
    for (int n = 0; n < count; ++n)
        if (std::fabs(fastener_diameter(type, n) - diameter) < 0.001) found = n;
    return found;
}

int fastener_length_index(int type, int n, double length)
{
    const FastenerRow* r = fastener_row(type, n);
    if (!r) return 0;
    int found = 0;
    for (int j = 0; j < r->n_l && j < FASTENER_TABLE_LENGTHS; ++j)
        if (std::fabs(r->lengths[j] - length) < 0.01) found = j;
    return found;
}

double fastener_dim_by_key(int type, int n, const char* key)
{
    const FastenerRow* r = fastener_row(type, n);
    if (!r || !key) return 0.0;
    const struct { const char* key; double value; } fields[] = {
        {"d", r->d}, {"d1", r->d1}, {"dk", r->dk}, {"ds", r->ds}, {"fak_lef", r->fak_lef}, {"k", r->k},
        {"xLE100", r->xLE100}, {"xLE200", r->xLE200}, {"xGT200", r->xGT200}, {"n_l", static_cast<double>(r->n_l)}};
    for (const auto& f : fields)
        if (std::strcmp(f.key, key) == 0) return f.value;
    return 0.0;
}

double connector_dim_by_key(int type, int n, const char* key)
{
    const ConnectorRow* r = connector_row(type, n);
    if (!r || !key) return 0.0;
    const struct { const char* key; double value; } fields[] = {
        {"t", r->t}, {"dc", r->dc}, {"a1", r->a1}, {"a2", r->a2}, {"d1", r->d1}, {"d2", r->d2}, {"d3", r->d3},
        {"d4", r->d4}, {"d5", r->d5}, {"h1", r->h1}, {"h2", r->h2}, {"h3", r->h3}, {"hc", r->hc}, {"he", r->he},
        {"r", r->r}, {"t1", r->t1}, {"db_max", r->db_max}, {"db_min", r->db_min}, {"F", r->F}};
    for (const auto& f : fields)
        if (std::strcmp(f.key, key) == 0) return f.value;
    return 0.0;
}

ChoiceEntry* fastener_diameter_list(int type, int value, int* count_out) { return fill_list(0, type, value, count_out); }

ChoiceEntry* fastener_diameter_list_2(int type, int value, int* count_out)
{
    return fill_list(1, type, value, count_out);
}

const char* fastener_approval_text(int type)
{
    static char buffer[32];
    const bool ec5 = cur_ec5_params != nullptr;
    const char* text = nullptr;
    switch (type) {
    case FT_SPAX_S_TG: case FT_SPAX_T_TG: text = ", ABZ-9.1-449"; break;
    case FT_SPAX_S_VG: text = ec5 ? ", ETA-12/0114" : ", ABZ-9.1-519"; break;
    case FT_ASSY_VG_Z: case FT_ASSY_VG_S: text = ec5 ? ", ETA-11/0190" : ", Z-9.1-614"; break;
    case FT_SIMPSON_CNA: case FT_SIMPSON_CSA: text = ec5 ? ", ETA-04/0013" : nullptr; break;
    default: break;
    }
    if (!text) return "";
    c_snprintf(buffer, sizeof buffer, "%s", text);
    return buffer;
}

double board_thickness_of_entry(int index)
{
    static const double t[] = {10.0, 12.5, 15.0, 18.0, 25.0};
    return (index >= 0 && index < 5) ? t[index] : 0.0;
}

double lvl_thickness_of_entry(int index)
{
    if (index == 0 || index == 2) return 40.0;
    if (index == 1) return 60.0;
    return 0.0;
}

int connector_pair_second(int type)
{
    switch (type) {
    case FT_RING_A1: return FT_CONNECTOR_B1;
    case FT_CONNECTOR_C1: return FT_CONNECTOR_C2;
    case FT_CONNECTOR_C10: return FT_CONNECTOR_C11;
    default: return type;
    }
}

int connector_pair_first(int type)
{
    switch (type) {
    case FT_CONNECTOR_B1: return FT_RING_A1;
    case FT_CONNECTOR_C2: return FT_CONNECTOR_C1;
    case FT_CONNECTOR_C11: return FT_CONNECTOR_C10;
    default: return type;
    }
}
