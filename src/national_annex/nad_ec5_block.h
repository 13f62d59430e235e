// Nationally determined parameters of DIN EN 1995-1-1 / DIN EN 1995-1-2 (timber) of one set.
#pragma once
#include <cstdio>

struct NadEc5Block {
    int country;                       // 0: EC values without a national annex
    int version;                       // layout version, 17 current
    int use_table_na1;                 // 2.3.1.2(2)P: load-duration classes by Table NA.1
    int use_na11;                      // 8.3.1.2(2)P: NA.11 penetration depths > 4 d
    double gamma_m_lvl_plywood_osb;
    double gamma_m_particleboard;
    double gamma_m_hard_fibreboard;
    double gamma_m_medium_fibreboard;
    double gamma_m_mdf;
    double gamma_m_soft_fibreboard;
    double gamma_m_connections;
    double gamma_m_punched_metal_plates;
    double gamma_m_steel_in_connections;
    double gamma_m_plasterboard;
    int use_table_na4;                 // 3.1.3: k_mod by Table NA.4
    int use_table_na15;                // 8.3.2: profiled nails by Table NA.15
    int threaded_rods_na;              // 8.5.3(2)
    int ltb_na;                        // 6.3.3(7)
    int simplified_fasteners_na;       // 8.2.4(1)
    int kmod_na1_note_b;               // Table NA.1 (b): class 5 "kurz/sehr kurz" keeps its own k_mod
    int v10_switch;
    double gamma_m_solid;
    double gamma_m_glulam;
    double gamma_m_accidental;
    double gamma_m_fire;
    double kmod[5][3];                 // [load-duration class permanent..instantaneous][service class 1..3]
    double kdef[3];
    double deflection_limits[3][2];    // [w_inst, w_fin, w_net,fin][normal span, cantilever]
    int kcr_mode;                      // 1: kcr_solid_glulam/kcr_other; 2: German NA crack factors
    int wnetfin_mode;
    double kcr_solid_glulam;
    double kcr_other;
    int use_na20;
    int use_na21;
    int use_na816;
    int use_na7_hole;
    double kshape_factor;
    double kshape_max;
    double ltb_factor;
    double gamma_m_clt;
};

// The EC5 block of the current set while a position is calculated; null selects DIN 1052.
extern NadEc5Block* cur_ec5_params;

NadEc5Block* nad_ec5_set_defaults(NadEc5Block* block);
void nad_ec5_write(FILE* file, const NadEc5Block* block);
void nad_ec5_read(FILE* file, NadEc5Block* block, int at_block);
NadEc5Block* nad_ec5_set_country(NadEc5Block* block, int country);
int nad_ec5_compare(const NadEc5Block* a, const NadEc5Block* b);   // 1 when they differ
void nad_ec5_copy(NadEc5Block* dst, const NadEc5Block* src);
