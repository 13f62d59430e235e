#pragma once
// Characteristic embedding strengths f_h,k (N/mm2) of the members of a dowel-type joint.
#include "fasteners/connection_records.h"

// Result: 159 second member <= 0.001 (not a plate), 158 first member, 1008 k90 replaced by 1, 0 otherwise.
int embedding_strength(double* out1, double* out2, int type, double d, int predrilled,
                       double angle1, double angle2, double t1, double t2, double rho1, double rho2,
                       int material1, int material2, int sub1, int sub2,
                       const UserEmbeddingLaw* law1, const UserEmbeddingLaw* law2);
int embedding_strength_single(double* out, double d, int type, int predrilled, double angle, double t,
                              double rho, int material, int sub, const UserEmbeddingLaw* law);

double embedding_factor_k90(double d, int material);
double board_embedding_strength(double d, double t, int flag);
double fibreboard_embedding_strength(double d, double t);
double plasterboard_embedding_strength(double d, double t);
double lvl_embedding_strength(double d);
double dowel_embedding_strength(double d, double rho_k);
double embedding_strength_three_angles(double d, double rho_k, double a1, double a2, double a3);
