#include "materials/concrete_sets.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "helpers/messages.h"
#include "helpers/versioned_files.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_list.h"

namespace {

const double kConcreteRecordVersion = 1.2;
const double kRebarRecordVersion = 1.0;
const double kFactorsVersion = 1.0;
const int kFreeOnFile = 999;

double g_leading_value = 0.0;
ConcreteDesignSettings g_settings;

// Older grade names by code, for the messages.
const char* const kOldConcreteNames[5] = {"B15", "B25", "B35", "B45", "B55"};

int write_d(double v)
{
    return dfile_write_field(&v, 'd');
}

int write_i(int v)
{
    return dfile_write_field(&v, 'i');
}

int read_d(double* v, double since = 0.0, double def = 0.0)
{
    return dfile_read_field(v, 'd', since, def);
}

int read_i(int* v, double since = 0.0, double def = 0.0)
{
    return dfile_read_field(v, 'i', since, def);
}

// Starts a grade record on file: its structure version and its name.
int write_record_start(const char* record_name, double version)
{
    char name[DFILE_TEXT_SIZE];
    std::snprintf(name, sizeof name, "%s", record_name);
    int err = dfile_write_struct_version(version);
    err |= dfile_write_field(name, 't');
    return err;
}

// Ends a record on file; 1 when it or any of its fields (err) failed.
int write_record_end(int err)
{
    err |= dfile_write_newline();
    dfile_end_struct_write();
    return err ? 1 : 0;
}

// Reads the record's name and its structure version: a record written before versions
// existed starts with its name (no digit) and counts as version 0.
int read_name_and_version(char* name, size_t size, double program_version)
{
    char text[DFILE_TEXT_SIZE];
    const long start = dfile_tell();
    if (dfile_read_field(text, 't', 0.0, 0.0))
        return 1;
    if (!std::isdigit(static_cast<unsigned char>(text[0]))) {
        dfile_push_struct_version(0.0);
    } else {
        if (dfile_seek(start))
            return 1;
        const int r = dfile_read_struct_version(program_version);
        if (r)
            return 1;
        if (dfile_read_field(text, 't', 0.0, 0.0))
            return 1;
    }
    const size_t n = strnlen(text, size - 1);
    std::memcpy(name, text, n);
    name[n] = '\0';
    return 0;
}

int clamp_code(int code, int top)
{
    if (code < 0)
        return 0;
    return code > top ? top : code;
}

int write_steel(int code, const RebarGradeRecord* record, int edition)
{
    int err = 0;
    if (code == REBAR_CODE_FREE) {
        err |= write_i(kFreeOnFile);
        if (edition != 0)
            err |= rebar_record_write(record);
    } else {
        err |= write_i(code);
        if (edition != 0)
            err |= write_d(0.0);
    }
    err |= dfile_write_newline();
    return err;
}

int read_steel(int* code, RebarGradeRecord* steel, OldRebarGradeRecord* old, int edition)
{
    if (read_i(code))
        return 1;
    if (edition == 0) {
        *code = clamp_code(*code, REBAR_CODE_LAST_OLD);
        old_rebar_grade(old, *code);
        old_rebar_as_din1045_1(steel, *code);
        return 0;
    }
    if (*code == kFreeOnFile) {
        *code = REBAR_CODE_FREE;
        return rebar_record_read(steel);
    }
    if (dfile_discard_field('d'))
        return 1;
    if (*code <= REBAR_CODE_LAST_OLD)
        old_rebar_as_din1045_1(steel, *code);
    else if (edition == 1)
        rebar_grade_din1045_1(steel, *code - REBAR_CODE_BST500A);
    else
        rebar_grade_b500(steel, *code - REBAR_CODE_BST500A);
    return 0;
}

}  // namespace

int concrete_set_reset(ConcreteMaterialSet* set, int edition)
{
    std::memset(set, 0, sizeof *set);
    if (edition == 0) {
        set->concrete_code = 1;
        set->bending_code = set->shear_code = 2;
        old_concrete_grade(&set->old_concrete, 1);
        old_rebar_grade(&set->old_bending, 2);
        old_rebar_grade(&set->old_shear, 2);
        concrete_grade_din1045_1(&set->concrete, 3, 0, CONCRETE_NORMAL_DENSITY);
        rebar_grade_b500(&set->bending, 0);
        rebar_grade_b500(&set->shear, 0);
        return 0;
    }
    set->concrete_code = 8;
    set->bending_code = set->shear_code = 3;
    old_concrete_grade(&set->old_concrete, 8);
    old_rebar_grade(&set->old_bending, 3);
    old_rebar_grade(&set->old_shear, 3);
    concrete_grade_din1045_1(&set->concrete, 3, 0, CONCRETE_NORMAL_DENSITY);
    if (edition == 1) {
        rebar_grade_din1045_1(&set->bending, 0);
        rebar_grade_din1045_1(&set->shear, 0);
    } else {
        rebar_grade_b500(&set->bending, 0);
        rebar_grade_b500(&set->shear, 0);
    }
    return 0;
}

void concrete_set_copy(ConcreteMaterialSet* d, const ConcreteMaterialSet* s)
{
    d->concrete_code = s->concrete_code;
    d->bending_code = s->bending_code;
    d->shear_code = s->shear_code;
    d->old_concrete = s->old_concrete;
    d->old_bending = s->old_bending;
    d->old_shear = s->old_shear;
    d->concrete = s->concrete;
    d->bending = s->bending;
    d->shear = s->shear;
}

int concrete_record_write(const ConcreteGradeRecord* r)
{
    int err = write_record_start(r->name, kConcreteRecordVersion);
    err |= write_d(r->f_ck);
    err |= write_d(r->alpha);
    err |= write_d(r->eps_c2);
    err |= write_d(r->eps_c2u);
    err |= write_d(r->n);
    err |= write_i(r->lightweight);
    err |= write_d(r->density);
    err |= write_d(0.0);
    err |= write_i(r->e_auto);
    err |= write_d(r->e_cm);
    return write_record_end(err);
}

int concrete_record_read(ConcreteGradeRecord* r)
{
    if (read_name_and_version(r->name, sizeof r->name, kConcreteRecordVersion))
        return 1;
    if (read_d(&r->f_ck) || read_d(&r->alpha) || read_d(&r->eps_c2) || read_d(&r->eps_c2u) ||
        read_d(&r->n) || read_i(&r->lightweight) || read_d(&r->density))
        return 1;
    if (!r->lightweight)
        r->density = CONCRETE_NORMAL_DENSITY;
    if (dfile_discard_field('d'))
        return 1;
    if (read_i(&r->e_auto, 1.2, 1.0))
        return 1;
    double e_default = concrete_e_modulus(r->f_ck);
    if (r->lightweight)
        e_default *= r->density * r->density * CONCRETE_INV_NORMAL_DENSITY_SQUARED;  // (rho / 2200)^2
    if (read_d(&r->e_cm, 1.1, e_default))
        return 1;
    dfile_end_struct();
    return 0;
}

int rebar_record_write(const RebarGradeRecord* r)
{
    int err = write_record_start(r->name, kRebarRecordVersion);
    err |= write_d(r->f_yk);
    err |= write_d(r->f_tk);
    err |= write_d(r->eps_su);
    err |= write_d(r->e_s);
    err |= write_d(0.0);
    return write_record_end(err);
}

int rebar_record_read(RebarGradeRecord* r)
{
    if (read_name_and_version(r->name, sizeof r->name, kRebarRecordVersion))
        return 1;
    if (read_d(&r->f_yk) || read_d(&r->f_tk) || read_d(&r->eps_su) || read_d(&r->e_s) ||
        dfile_discard_field('d'))
        return 1;
    dfile_end_struct();
    return 0;
}

int old_concrete_record_write(const OldConcreteGradeRecord*)
{
    return 1;
}

int old_rebar_record_write(const OldRebarGradeRecord*)
{
    return 1;
}

int concrete_material_set_write(const ConcreteMaterialSet* set, int edition)
{
    // A failing record does not stop the set, but the failure is reported.
    int err = write_d(1.0);
    if (set->concrete_code == CONCRETE_CODE_FREE) {
        err |= write_i(kFreeOnFile);
        if (edition != 0)
            err |= concrete_record_write(&set->concrete);
    } else {
        err |= write_i(set->concrete_code);
        if (edition != 0) {
            err |= write_i(set->concrete.lightweight);
            err |= write_d(set->concrete.density);
            err |= write_d(0.0);
        }
    }
    err |= dfile_write_newline();
    err |= write_steel(set->bending_code, &set->bending, edition);
    err |= write_steel(set->shear_code, &set->shear, edition);
    return err ? 1 : 0;
}

int concrete_material_set_read(ConcreteMaterialSet* set, int edition)
{
    if (read_d(&g_leading_value) || read_i(&set->concrete_code))
        return 1;
    if (edition == 0) {
        set->concrete_code = clamp_code(set->concrete_code, CONCRETE_CODE_LAST_OLD);
        old_concrete_grade(&set->old_concrete, set->concrete_code);
        old_concrete_as_din1045_1(&set->concrete, set->concrete_code);
        if (read_steel(&set->bending_code, &set->bending, &set->old_bending, 0) ||
            read_steel(&set->shear_code, &set->shear, &set->old_shear, 0))
            return 1;
    } else {
        if (set->concrete_code == kFreeOnFile) {
            set->concrete_code = CONCRETE_CODE_FREE;
            if (concrete_record_read(&set->concrete))
                return 1;
        } else {
            int lightweight = 0;
            double density = 0.0;
            if (read_i(&lightweight) || read_d(&density) || dfile_discard_field('d'))
                return 1;
            if (set->concrete_code > CONCRETE_CODE_LAST_OLD)
                concrete_grade_din1045_1(&set->concrete, set->concrete_code - CONCRETE_CODE_FIRST_DIN1045_1,
                                         lightweight, density);
            else
                old_concrete_as_din1045_1(&set->concrete, clamp_code(set->concrete_code, CONCRETE_CODE_LAST_OLD));
        }
        if (read_steel(&set->bending_code, &set->bending, &set->old_bending, edition) ||
            read_steel(&set->shear_code, &set->shear, &set->old_shear, edition))
            return 1;
    }
    std::memset(set->reserved, 0, sizeof set->reserved);
    return 0;
}

double concrete_material_set_leading_value()
{
    return g_leading_value;
}

int concrete_grade_to_old(int code, const char* text)
{
    if (code <= CONCRETE_CODE_LAST_OLD)
        return code;
    static const int kOld[7] = {0, 0, 1, 1, 2, 3, 3};
    const int d = code - CONCRETE_CODE_FIRST_DIN1045_1;
    const int old = d <= 6 ? kOld[d] : 1;
    if (text)
        msg_print("Betong\x81te %s (%s) wird in %s ge\x84ndert", concrete_din1045_1_name(d, 0),
                  text, kOldConcreteNames[old]);
    return old;
}

int rebar_grade_to_old(int code, const char* text)
{
    if (code <= REBAR_CODE_LAST_OLD)
        return code;
    if (text)
        msg_print("Stahlg\x81te %s (%s) wird in %s ge\x84ndert",
                  code == REBAR_CODE_BST500A ? "BSt 500 (A)" : (code == REBAR_CODE_BST500B ? "BSt 500 (B)" : ""),
                  text, "BSt 500 S");
    return REBAR_CODE_LAST_OLD;
}

int concrete_safety_factors(int mode, int /*unused*/, ConcreteSafetyFactors* f)
{
    for (int i = 0; i < 5; ++i)
        f->gamma_c[i] = f->gamma_s[i] = 1.0;
    if (mode == 0)
        return 0;
    if (mode == 1) {
        // DIN 1045-1, Table 2
        const double c[5] = {1.5, 1.3, 1.5, 1.5, 1.0};
        const double s[5] = {1.15, 1.0, 1.15, 1.15, 1.0};
        for (int i = 0; i < 5; ++i) {
            f->gamma_c[i] = c[i];
            f->gamma_s[i] = s[i];
        }
        return 0;
    }
    const std::string remembered = nad_active_name() ? nad_active_name() : "";
    nad_set_active("Deutschland");
    const NadEc2Block* b = nad_part_ec2();
    // The block's order: persistent/transient, fatigue, earthquake, accidental.
    static const int kFromBlock[4] = {0, 3, 2, 1};
    for (int i = 0; i < 4; ++i) {
        f->gamma_c[i] = b->gamma_c[kFromBlock[i]];
        f->gamma_s[i] = b->gamma_s[kFromBlock[i]];
    }
    return nad_set_active(remembered.empty() ? nullptr : remembered.c_str());
}

void concrete_safety_factors_copy(ConcreteSafetyFactors* d, const ConcreteSafetyFactors* s)
{
    *d = *s;
}

int concrete_safety_factors_write(const ConcreteSafetyFactors* f)
{
    int err = dfile_write_struct_version(kFactorsVersion);
    for (int i = 0; i < 4; ++i)
        err |= write_d(f->gamma_c[i]);
    for (int i = 0; i < 4; ++i)
        err |= write_d(f->gamma_s[i]);
    return write_record_end(err);
}

int concrete_safety_factors_read(ConcreteSafetyFactors* f)
{
    if (dfile_read_struct_version(kFactorsVersion))
        return 1;
    for (int i = 0; i < 4; ++i)
        if (read_d(&f->gamma_c[i]))
            return 1;
    for (int i = 0; i < 4; ++i)
        if (read_d(&f->gamma_s[i]))
            return 1;
    dfile_end_struct();
    return 0;
}

void concrete_settings_init()
{
    g_settings.factor_mode = 2;
    std::snprintf(g_settings.annex_name, sizeof g_settings.annex_name, "%s", "Deutschland");
    concrete_safety_factors(2, 0, &g_settings.factors);
}

const ConcreteDesignSettings* concrete_settings()
{
    return &g_settings;
}

const char* design_situation_name(int situation)
{
    static char buffer[64];
    static const char* const kNames[5] = {"st\x84ndig und vor\x81" "bergehend",
                                          "au\xE1" "ergew\x94hnlich", "Erdbeben",
                                          "Erm\x81" "dung", "Brand"};
    std::snprintf(buffer, sizeof buffer, "%s",
                  situation >= 0 && situation < 5 ? kNames[situation] : "???");
    return buffer;
}

const char* design_situation_short_name(int situation)
{
    static char buffer[32];
    static const char* const kNames[5] = {"st\x84ndig", "au\xE1" "erg.", "Erdbeb.",
                                          "Erm\x81" "d.", "Brand"};
    std::snprintf(buffer, sizeof buffer, "%s",
                  situation >= 0 && situation < 5 ? kNames[situation] : "???");
    return buffer;
}
