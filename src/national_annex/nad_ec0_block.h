// Nationally determined parameters of EN 1990 of one set: partial factors of actions and
// combination factors for buildings and bridges.
#pragma once
#include <cstdio>

struct NadEc0Block {
    int version;                          // 0 after the reset, the number read after reading
    double gamma_buildings[4][7][2];      // [situation][action kind][sup, inf]
    double psi_buildings[12][4];          // psi0, psi1, psi2, psi2,E
    double gamma_bridges[4][15][2];
    double psi_road_bridges[14][3];
    double psi_foot_bridges[7][3];
    double psi_rail_bridges[31][3];
    double rail_factor_a[3];
};

void nad_ec0_set_defaults(NadEc0Block* block);
void nad_ec0_write(FILE* file, const NadEc0Block* block);
void nad_ec0_read(FILE* file, NadEc0Block* block, int at_block);
int nad_ec0_compare(const NadEc0Block* a, const NadEc0Block* b);   // 1 when they differ
void nad_ec0_copy(NadEc0Block* dst, const NadEc0Block* src);
int nad_ec0_stub();
