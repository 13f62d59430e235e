// Makes an EC5/EC3 block current for one test and restores the previous pointers afterwards.
#pragma once
#include "national_annex/nad_ec3_block.h"
#include "national_annex/nad_ec5_block.h"
#include "national_annex/nad_ec6_ec9_blocks.h"

#include <cstring>

struct CurrentAnnex {
    NadEc5Block ec5;
    NadEc3Block ec3;
    NadEc5Block* saved5;
    NadEc3Block* saved3;
    NadEc9Block* saved9;
    // country < 0: no set current (the DIN 1052 rules).
    explicit CurrentAnnex(int country, bool with_ec3 = false)
        : saved5(cur_ec5_params), saved3(cur_ec3_params), saved9(cur_ec9_params)
    {
        std::memset(&ec5, 0, sizeof ec5);
        std::memset(&ec3, 0, sizeof ec3);
        nad_ec5_set_defaults(&ec5);
        ec5.country = country < 0 ? 0 : country;
        nad_ec3_set_defaults(&ec3);
        cur_ec5_params = country < 0 ? nullptr : &ec5;
        cur_ec3_params = with_ec3 ? &ec3 : nullptr;
        cur_ec9_params = nullptr;
    }
    ~CurrentAnnex()
    {
        cur_ec5_params = saved5;
        cur_ec3_params = saved3;
        cur_ec9_params = saved9;
    }
};
