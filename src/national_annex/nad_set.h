// The national-annex set record and the one current set of the process.
#pragma once
#include "national_annex/nad_ec0_block.h"
#include "national_annex/nad_ec2_block.h"
#include "national_annex/nad_ec3_block.h"
#include "national_annex/nad_ec5_block.h"
#include "national_annex/nad_ec6_ec9_blocks.h"
#include "national_annex/nad_wusl_tables.h"

// A set name as the set file holds it: up to 99 characters between 0xAE and 0xAF.
constexpr int NAD_SET_NAME_SIZE = 100;

struct NadSet {
    int flag_index;          // 18 "Deutschland", 19 the EC standard set; -1 before the first reset
    int user_set;            // 1 when loaded from a user set file
    int country;             // 0: EC standard values
    char set_name[NAD_SET_NAME_SIZE];   // zero-terminated, at most 99 characters
    NadEc0Block ec0;
    NadStdParams std_params;
    NadEc2Block ec2;
    NadEc3Block ec3;
    NadEc5Block ec5;
    NadEc6Block ec6;
    NadEc9Block ec9;
};

extern NadSet nad_current_set;

// Standard values of every block under the header of "EC-Standard" (flag 19, country 0).
void nad_reset_current_set();

// Test seam: the current set back to its initial state (header -1, blocks zero).
void nad_clear_current_set();
