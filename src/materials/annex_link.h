#pragma once
// The few values of the current EC5 national-annex block that the material
// getters read. The pointer is read at every call: nothing is cached, so a
// change of the current national annex applies from the next query.

// 1 while an EC5 block is current (cur_ec5_params set).
bool ec5_current();
// The block's class-5 switch; 0 without a block.
int ec5_kmod_class5_switch();
// The block's k_cr mode (0 without a block), first and second k_cr value.
int ec5_kcr_mode();
double ec5_kcr_first();
double ec5_kcr_second();
