// Nationally determined parameters of EN 1993 (steel) of one set: the container with the
// EN 1993-1-1/-1-2 and the EN 1993-1-8/-1-5/-1-9/-6 sub-blocks.
#pragma once
#include <cstdio>

struct NadEc31Block {
    int version;                 // 4 current
    double gamma_m0;
    double gamma_m1;
    double gamma_m2;
    double gamma_m0_accidental;
    double gamma_m1_accidental;
    double gamma_m2_accidental;
    int ltb_f_general;           // 6.3.2.2(2)
    double gamma_m_fi;           // EN 1993-1-2 2.3(1)
    double lambda_lt0;           // 6.3.2.3(1)
    double beta_lt;
    int f_given;                 // 6.3.2.3(2)
    double f_value;
    int kc_from_table;
    double kc_value;
};

struct NadEc38Block {
    int version;                 // 4 current
    double gamma_m3;
    double gamma_m4;
    double gamma_m5;
    double gamma_m6_ser;
    double gamma_m7;
    double gamma_m3_ser;
    int shear_lag_note;          // EN 1993-1-5 3.1(1)
    double eta_shear;            // EN 1993-1-5 5.1(2)
    double gamma_mf[2][2];       // EN 1993-1-9 3(7): [low, high consequence][damage tolerant, safe life]
    double gamma_m_ser_crane;    // EN 1993-6 7.5(1)
};

struct NadEc3Block {
    int country;
    NadEc31Block ec3_1;
    NadEc38Block ec3_8;
};

// The EC3 container of the current set while a position is calculated.
extern NadEc3Block* cur_ec3_params;

void nad_ec3_set_defaults(NadEc3Block* block);
void nad_ec3_set_annex_defaults(NadEc3Block* block);
NadEc3Block* nad_ec3_set_country(NadEc3Block* block, int country);
void nad_ec3_write(FILE* file, const NadEc3Block* block);
int nad_ec3_read(FILE* file, NadEc3Block* block, int at_block);
int nad_ec3_compare(const NadEc3Block* a, const NadEc3Block* b);
void nad_ec3_copy(NadEc3Block* dst, const NadEc3Block* src);

void nad_ec3_1_set_defaults(NadEc31Block* sub);
void nad_ec3_8_set_defaults(NadEc38Block* sub);
void nad_ec3_1_set_annex_defaults(NadEc31Block* sub);
void nad_ec3_8_set_annex_defaults(NadEc38Block* sub);
void nad_ec3_1_write(FILE* file, const NadEc31Block* sub);
void nad_ec3_8_write(FILE* file, const NadEc38Block* sub);
int nad_ec3_1_read(FILE* file, NadEc31Block* sub);   // 0 success, 1 failure
int nad_ec3_8_read(FILE* file, NadEc38Block* sub);   // 0 success, 1 failure
int nad_ec3_1_compare(const NadEc31Block* a, const NadEc31Block* b);
int nad_ec3_8_compare(const NadEc38Block* a, const NadEc38Block* b);
void nad_ec3_1_copy(NadEc31Block* dst, const NadEc31Block* src);
void nad_ec3_8_copy(NadEc38Block* dst, const NadEc38Block* src);
int nad_ec3_stub();
