// Partial factors of EN 1996-1-1 (masonry) and EN 1999-1-1 (aluminium) of one set.
#pragma once
#include <cstdio>

struct NadEc6Block {
    int country;
    double gamma_m_persistent;
    double gamma_m_accidental;
    double gamma_m_seismic;
    double gamma_m_serviceability;
};

struct NadEc9Block {
    int country;
    int version;             // 3 current
    double gamma_m1;
    double gamma_m2;
    double gamma_mp;
    double gamma_mw;
    double gamma_ms_ser;
    double gamma_ms_ult;
    double gamma_ma;
    double gamma_mp_ser;
    double c_constant;       // 6.2(5), expression (6.15)
};

// The EC9 block of the current set; set together with cur_ec5_params and cur_ec3_params.
extern NadEc9Block* cur_ec9_params;

NadEc6Block* nad_ec6_set_defaults(NadEc6Block* block);
NadEc9Block* nad_ec9_set_defaults(NadEc9Block* block);
NadEc6Block* nad_ec6_set_alt_defaults(NadEc6Block* block);
NadEc9Block* nad_ec9_set_alt_defaults(NadEc9Block* block);
NadEc6Block* nad_ec6_set_country(NadEc6Block* block, int country);
NadEc9Block* nad_ec9_set_country(NadEc9Block* block, int country);
void nad_ec6_write(FILE* file, const NadEc6Block* block);
void nad_ec9_write(FILE* file, const NadEc9Block* block);
void nad_ec6_read(FILE* file, NadEc6Block* block);
void nad_ec9_read(FILE* file, NadEc9Block* block);
int nad_ec6_equal(const NadEc6Block* a, const NadEc6Block* b);   // 1 when equal
int nad_ec9_equal(const NadEc9Block* a, const NadEc9Block* b);
void nad_ec6_copy(NadEc6Block* dst, const NadEc6Block* src);
void nad_ec9_copy(NadEc9Block* dst, const NadEc9Block* src);
