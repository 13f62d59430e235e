// Common set-up of the check tests: a current EC5/EC3 block of the German annex and a position with the beam
// b 120, h 240, h_ro = h_ru = 70 (h_d 100), a 100, C24 (code 0, grade 5), one load
// V_d = 10 kN, M_d = 5 kNm at both edges, k_mod 0.9, class 3 "kurz".
#pragma once
#include "core/tavo52_data.h"
#include "national_annex/nad_ec3_block.h"
#include "national_annex/nad_ec5_block.h"

#include <QMetaObject>
#include <gtest/gtest.h>

class CheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ec5_ = cur_ec5_params;
        saved_ec3_ = cur_ec3_params;
        nad_ec5_set_defaults(&ec5_);
        ec5_.country = 1;  // the German national annex applies, as in the shipped set
        ec5_.gamma_m_solid = 1.3;
        ec5_.gamma_m_glulam = 1.3;
        ec5_.gamma_m_accidental = 1.0;
        ec5_.kcr_mode = 2;  // German crack factors: C24 k_cr = 2.0 / 4.0 = 0.5
        nad_ec3_set_defaults(&ec3_);
        ec3_.ec3_1.gamma_m2 = 1.25;
        ec3_.ec3_1.gamma_m2_accidental = 1.15;
        cur_ec5_params = &ec5_;
        cur_ec3_params = &ec3_;

        d.typ_durchbruch = 0;
        d.b = 120;
        d.h = 240;
        d.h_ro = 70;
        d.h_ru = 70;
        d.a = 100;
        d.holzart = 0;
        d.holzguete = 5;
        d.nkl = 1;
        d.verstaerkt = 0;
        d.biegung = 1;
        d.schub = 1;
        d.lasten.clear();
        d.lasten.append(load(10, 5, 0.9, 3));
    }
    void TearDown() override
    {
        cur_ec5_params = saved_ec5_;
        cur_ec3_params = saved_ec3_;
    }

    static LoadRow load(double v, double m, double kmod, int kled, double n = 0.0)
    {
        LoadRow r;
        r.name = "L";
        r.v_l = r.v_r = v;
        r.m_l = r.m_r = m;
        r.n_l = r.n_r = n;
        r.kmod = kmod;
        r.kled = kled;
        return r;
    }

    // Two glued-in rods of steel grade 23, d_r 6, l_e 240.
    void use_rods()
    {
        d.verstaerkt = 1;
        d.verst_typ = 1;
        d.d_r = 6;
        d.l_e = 240;
        d.n_gs = 2;
        d.fest_gs = 23;
    }

    // Glulam GL28h (code 2, grade 4, rho_k 425), b 160, h 320, h_ro 60, h_ru 100 (h_d 160), reinforced
    // by two fully threaded screws (type 14) d 8, d1 5.3, dk 10, l 300, thread 290; washers, when
    // chosen, of D 28.
    void use_screw_position()
    {
        d.b = 160;
        d.h = 320;
        d.h_ro = 60;
        d.h_ru = 100;
        d.holzart = 2;
        d.holzguete = 4;
        d.verstaerkt = 1;
        d.verst_typ = 2;
        d.typ_schraube = 14;
        d.sc_d = 8;
        d.sc_d1 = 5.3;
        d.sc_dk = 10;
        d.sc_l = 300;
        d.sc_lef = 290;
        d.n_sc = 2;
        d.d_unterleg = 28;
    }

    // The opening check through its slot, as the window's meta-object calls reach it.
    int run_opening()
    {
        int r = -99;
        EXPECT_TRUE(QMetaObject::invokeMethod(&d, "cal_Durchbruch", Qt::DirectConnection,
                                              Q_RETURN_ARG(int, r)));
        return r;
    }

    TAVO52_DATA d;
    NadEc5Block ec5_{};
    NadEc3Block ec3_{};
    NadEc5Block* saved_ec5_ = nullptr;
    NadEc3Block* saved_ec3_ = nullptr;
};
