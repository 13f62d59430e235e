#pragma once
// Output-list sections of the concrete materials: concrete and steel properties, both
// side by side with the safety factors, a short summary, the material set, and the table
// of material safety factors per design situation. Stresses print in MN/m², strains in
// per mille; texts are the list's bytes (code page 437 with the inline codes 0xCE).

#include <cstdio>

#include "materials/concrete_sets.h"

void concrete_grade_output(FILE* stream, const ConcreteGradeRecord* concrete);
// kind 1 bending reinforcement, 2 shear reinforcement, other: no qualifier.
void rebar_grade_output(FILE* stream, const RebarGradeRecord* steel, int kind);
void concrete_rebar_output(FILE* stream, const ConcreteGradeRecord* concrete,
                           const RebarGradeRecord* steel, double gamma_c, double gamma_s);
void concrete_material_summary(FILE* stream, const ConcreteGradeRecord* concrete,
                               const RebarGradeRecord* steel, double gamma_c, double gamma_s);
void concrete_material_set_output(FILE* stream, const ConcreteMaterialSet* set, int edition,
                                  const char* title);
// selection: five ints (a situation is shown when its entry is not 0), or null for all.
void concrete_safety_factor_sheet(FILE* stream, int level, const ConcreteSafetyFactors* factors,
                                  int mode, int second, const int* selection);
