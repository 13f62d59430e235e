#pragma once
// Concrete material sets: one concrete and two reinforcing steels (bending and shear
// reinforcement), their reset, copy and storage in the versioned data files, the
// downgrade to the older DIN 1045 (7.88) grades, and the material safety factors per
// design situation. Editions: 0 DIN 1045 (7.88); 1 DIN 1045-1 with the steel names
// "BSt 500 (A)/(B)"; 2 (or any other) DIN 1045-1 with "B500A/B". On file a free
// definition carries the code 999.

#include "materials/concrete_grades.h"

struct ConcreteMaterialSet {
    int concrete_code;  // 0-4 older, 5-19 DIN 1045-1, 20 free
    int bending_code;   // 0-2 older, 3-4 DIN 1045-1, 5 free
    int shear_code;
    OldConcreteGradeRecord old_concrete;
    OldRebarGradeRecord old_bending;
    OldRebarGradeRecord old_shear;
    ConcreteGradeRecord concrete;
    RebarGradeRecord bending;
    RebarGradeRecord shear;
    int reserved[5];
};

// Design situations 0 persistent and transient, 1 accidental, 2 earthquake, 3 fatigue, 4 fire.
struct ConcreteSafetyFactors {
    double gamma_c[5];
    double gamma_s[5];
};

struct ConcreteDesignSettings {
    int factor_mode;
    char annex_name[64];
    ConcreteSafetyFactors factors;
};

int concrete_set_reset(ConcreteMaterialSet* set, int edition);
void concrete_set_copy(ConcreteMaterialSet* destination, const ConcreteMaterialSet* source);

// On the data file being written / read (helpers/versioned_files.h); 0, or 1 at the
// first error (a read set keeps what was read so far).
int concrete_material_set_write(const ConcreteMaterialSet* set, int edition);
int concrete_material_set_read(ConcreteMaterialSet* set, int edition);
// The leading value of the set read last.
double concrete_material_set_leading_value();
int concrete_record_write(const ConcreteGradeRecord* record);
int concrete_record_read(ConcreteGradeRecord* record);
int rebar_record_write(const RebarGradeRecord* record);
int rebar_record_read(RebarGradeRecord* record);
// The older edition stores no free definition: nothing is written; 1.
int old_concrete_record_write(const OldConcreteGradeRecord* record);
int old_rebar_record_write(const OldRebarGradeRecord* record);

// The older grade that replaces a code, with a program message when text is not null.
int concrete_grade_to_old(int code, const char* text);
int rebar_grade_to_old(int code, const char* text);

// Mode 0: all 1.0; mode 1: the values of DIN 1045-1, Table 2; any other: the German
// national annex's concrete block. Returns 0, or for the annex mode the result of
// reactivating the set that was active before.
int concrete_safety_factors(int mode, int unused, ConcreteSafetyFactors* factors);
void concrete_safety_factors_copy(ConcreteSafetyFactors* destination,
                                  const ConcreteSafetyFactors* source);
int concrete_safety_factors_write(const ConcreteSafetyFactors* factors);
int concrete_safety_factors_read(ConcreteSafetyFactors* factors);

// Default settings: mode 2, annex "Deutschland", the factors of mode 2.
void concrete_settings_init();
const ConcreteDesignSettings* concrete_settings();

const char* design_situation_name(int situation);
const char* design_situation_short_name(int situation);
