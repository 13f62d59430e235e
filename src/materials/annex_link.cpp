#include "materials/annex_link.h"

#include "national_annex/nad_ec5_block.h"

bool ec5_current() { return cur_ec5_params != nullptr; }

int ec5_kmod_class5_switch() { return cur_ec5_params ? cur_ec5_params->kmod_na1_note_b : 0; }

int ec5_kcr_mode() { return cur_ec5_params ? cur_ec5_params->kcr_mode : 0; }

double ec5_kcr_first() { return cur_ec5_params ? cur_ec5_params->kcr_solid_glulam : 1.0; }

double ec5_kcr_second() { return cur_ec5_params ? cur_ec5_params->kcr_other : 1.0; }
