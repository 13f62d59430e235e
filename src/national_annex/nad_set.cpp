#include "national_annex/nad_set.h"

NadSet nad_current_set = {-1, -1, -1, {0}, {}, {}, {}, {}, {}, {}, {}};

namespace {
int wusl_defs_pending = 1;
}

void nad_reset_current_set()
{
    NadSet& s = nad_current_set;
    if (wusl_defs_pending) nad_wusl_read_defs(&s.std_params);
    s.flag_index = 19;
    s.user_set = 0;
    s.country = 0;
    snprintf(s.set_name, sizeof s.set_name, "%s", "EC-Standard");
    nad_ec0_set_defaults(&s.ec0);
    nad_wusl_load_standard(&s.std_params);
    nad_ec2_set_defaults(&s.ec2);
    nad_ec3_set_defaults(&s.ec3);
    nad_ec5_set_defaults(&s.ec5);
    nad_ec6_set_defaults(&s.ec6);
    nad_ec9_set_defaults(&s.ec9);
    wusl_defs_pending = 0;
}

void nad_clear_current_set()
{
    nad_wusl_free_tables(&nad_current_set.std_params);
    nad_current_set = NadSet{-1, -1, -1, {0}, {}, {}, {}, {}, {}, {}, {}};
    wusl_defs_pending = 1;
}
