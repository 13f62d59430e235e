#pragma once
// Records that the material lists and the fastener design share: the user-defined material of
// a connection and the fastener catalogue tables (filled by the loaders of the fastener library).
#include "materials/fastener_type_names.h"

enum { FASTENER_TABLE_ROWS = 30, FASTENER_TABLE_LENGTHS = 30 };

struct FastenerRow {
    double d;
    double d1;
    double dk;
    double ds;
    double fak_lef;
    double k;
    double xLE100;
    double xLE200;
    double xGT200;
    int n_l;
    double lengths[FASTENER_TABLE_LENGTHS];
    double effective_lengths[FASTENER_TABLE_LENGTHS];
};

struct FastenerTable {
    int kind;
    int row_count;
    FastenerRow rows[FASTENER_TABLE_ROWS];
};

struct ConnectorRow {
    double dc, hc, he, t, r, t1, a1, a2, d1, d2, d3, d4, d5, h1, h2, h3, db_min, db_max, F;
    int int_1;
    int int_2;
};

struct ConnectorTable {
    int kind;
    int row_count;
    ConnectorRow rows[FASTENER_TABLE_ROWS];
};

struct DiameterTable {
    int count;
    double diameters[FASTENER_TABLE_LENGTHS];
};

// Families of dowel-type fasteners, in the layout of their data files.
enum FastenerFamily {
    FAMILY_NAGEL, FAMILY_KLAMMER, FAMILY_SCHRAUBE, FAMILY_SPAX_S_TG, FAMILY_SPAX_T_TG, FAMILY_SPAX_S_VG,
    FAMILY_ASSY_PLUS_VG_Z, FAMILY_ASSY_PLUS_VG_S, FAMILY_SONDERNAGEL, FAMILY_SIMPSON_CNA, FAMILY_SIMPSON_CSA,
    FAMILY_COUNT
};

// Families of ring and shear-plate connectors.
enum ConnectorFamily {
    CONNECTOR_RINGDUEBEL_A1, CONNECTOR_SCHDUEBEL_C1, CONNECTOR_SCHDUEBEL_C5, CONNECTOR_SCHDUEBEL_C10,
    CONNECTOR_SCHDUEBEL_B1, CONNECTOR_SCHDUEBEL_C2, CONNECTOR_SCHDUEBEL_C11, CONNECTOR_COUNT
};

extern FastenerTable fastener_table_nagel;
extern FastenerTable fastener_table_klammer;
extern FastenerTable fastener_table_schraube;
extern FastenerTable fastener_table_spax_s_tg;
extern FastenerTable fastener_table_spax_t_tg;
extern FastenerTable fastener_table_spax_s_vg;        // type 13
extern FastenerTable fastener_table_assy_plus_vg_z;   // type 14
extern FastenerTable fastener_table_assy_plus_vg_s;   // type 15
extern FastenerTable fastener_table_sondernagel;
extern FastenerTable fastener_table_simpson_cna;
extern FastenerTable fastener_table_simpson_csa;

extern ConnectorTable connector_table_ringduebel_a1;
extern ConnectorTable connector_table_schduebel_c1;
extern ConnectorTable connector_table_schduebel_c5;
extern ConnectorTable connector_table_schduebel_c10;
extern ConnectorTable connector_table_schduebel_B1;
extern ConnectorTable connector_table_schduebel_c2;
extern ConnectorTable connector_table_schduebel_c11;

extern DiameterTable diameter_table_dowel;   // type 29
extern DiameterTable diameter_table_bolt;    // type 30


// A user-defined material; the material getters read it for material or grade -999 or 14.
struct UserMaterial {
    double rho_k;               // kg/m3
    double f_c90_k;             // N/mm2
    double kmod_table[4][5];    // [service class 0..3][load-duration class 0..4]
};
