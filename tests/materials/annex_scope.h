#pragma once
// Makes an EC5 national-annex block current for the life of the object; without
// one the material getters use the DIN 1052 tables.
#include "national_annex/nad_ec5_block.h"

struct AnnexScope {
    NadEc5Block block{};
    explicit AnnexScope(int kcr_mode = 1, int class5_switch = 1, int country = 1,
                        double kcr_first = 0.67, double kcr_other = 1.0)
    {
        block.country = country;
        block.kcr_mode = kcr_mode;
        block.kmod_na1_note_b = class5_switch;
        block.kcr_solid_glulam = kcr_first;
        block.kcr_other = kcr_other;
        cur_ec5_params = &block;
    }
    ~AnnexScope() { cur_ec5_params = nullptr; }
    AnnexScope(const AnnexScope&) = delete;
    AnnexScope& operator=(const AnnexScope&) = delete;
};
