#pragma once
// The input record of every fastener calculation (ConnectionDescription) and its output
// record (FastenerResult), plus the two process-wide message-code lists. Both records are
// plain values without owned memory; a new description is all zeros.
#include "materials/fastener_records.h"

// User-defined embedding law of one member: f_h = c0 d^e_d t^e_t rho^e_rho.
struct UserEmbeddingLaw {
    double c0;
    double exp_d;
    double exp_t;
    double exp_rho;
    int valid;
};

struct UserScrew {
    char name[100];
    int valid;
    int head_kind;
    int thread_mode;        // 0/2: one threaded part at the point; 1/3: threaded parts at both ends
    int spacing_variant;
    int stainless;
    int has_washer;
    int family;
    int flag;
    double d;
    double d_head;
    double d_core;
    double length;
    double head_thread_length;
    double thread_length;
    double washer_d;
    double axis_angle;
};

struct ConnectionDescription {
    int fastener_type;
    int table_row;
    int predrilled;
    int fitted_hole;
    int thread_flag;
    int fastener_count;
    int spruce_fir_pine;
    int spacing_option_1;
    int spacing_option_2;
    int steel_grade;
    int service_class_1;
    int service_class_2;
    int load_duration;
    int small_hole_flag;
    int bolt_hole_flag;
    double d;
    double d_core;
    double d_ef;
    double d_head;
    double length;
    double thread_length;
    double bolt_d;
    int shear_planes;
    int method;
    int edge_flag_1;
    int rope_effect;
    int edge_flag_2;
    int material_1;
    int material_2;
    int grade_1;
    int grade_2;
    int resin_coated;
    int head_reduction_flag;
    int stainless;
    double t1;
    double t2;
    double load_angle_1;
    double load_angle_2;
    double fastener_angle_1;
    double fastener_angle_2;
    double axis_angle;
    double staple_limit;
    double gamma_m_1;
    double gamma_m_2;
    double gamma_m_steel;
    double washer_d;            // -1: no washer
    double f_u;
    double kmod_given;          // below 1e-7: not given
    int kn_output;
    int compute_kmod;
    int bolt_washer_flag;
    int group_factor;
    UserScrew assy_user;
    UserScrew spax_user;
    UserMaterial user_material;
    UserEmbeddingLaw embedding_law_1;
    double end_distance;        // loaded end distance a3,t of a connector; 0: not given (the minimum)
};

// Buckling and withdrawal of one fully threaded screw.
struct ScrewBucklingBlock {
    double kappa_c;
    double lambda_k;
    double k_buckling;
    double n_ki_k;
    double n_pl_k;
    double n_pl_d;
    double f_y;
    double c_h;
    double e_s;
    double i_s;
    double gamma_m1_used;
    double n_b_k;
    double r_ax_k;
    double n_b_d;
    double r_ax_d;
    double f_ax_k;
    double f_ax_d;
    double min_k;
    double min_d;
    int buckling_governs_k;
    int buckling_governs_d;
};

struct FastenerResult {
    double f_v_k;
    double f_conn_k;
    double f_conn_d;
    double f_v_d;
    double gamma_pin;
    double gamma_conn;
    double reduction_factor;
    double f_u_used;
    double beta;
    double pointside_length;
    double f_total_k;
    double f_total_d;
    double f_head_used;
    double r_ax_head_thread;
    double r_ax_point;
    double r_ax_head;
    double l_ef_head;
    double l_ef_point;
    double r_ax_k;
    double r_ax;
    double r_ax_d;
    double f_nail_withdrawal;
    double f_head_used_2;
    double rope_share;
    double k_d;
    double f_ax_used;
    double axial_factor_one;
    double panel_factor;
    double plate_factor;
    double rho_k_1;
    double rho_k_2;
    double group_factor_used;
    double k_alpha;
    double k3;
    double k1;
    double k2;
    double a3t_used;
    double k90_used;
    double f_h_0;
    double m_y_k;
    double f_h_1;
    double f_h_2;
    double m_y_d;
    double f_h_1_d;
    double f_h_2_d;
    double t1_req;
    double t2_req;
    double plate_interpolation;
    double kmod_1;
    double kmod_2;
    int failure_mode_d;
    int failure_mode_k;
    int spacing_code_1;
    int spacing_code_2;
    int shear_planes_used;
    int axial_mode;
    double spacing_1[6];
    double spacing_2[6];
    double k_ser;
    ScrewBucklingBlock buckling;
    int plate_class;
    double alu_f_u;
    double alu_gamma_m;
    double alu_factor_1;
    double alu_factor_2;
    double alu_bearing_k;
    double alu_bearing_d;
    int message_code;
};

// The two message-code lists of one fastener or connection calculation (500 codes each).
enum { CONNECTION_MESSAGE_LIST_SIZE = 500 };
extern int connection_messages_1[CONNECTION_MESSAGE_LIST_SIZE];
extern int connection_messages_1_count;
extern int connection_messages_2[CONNECTION_MESSAGE_LIST_SIZE];
extern int connection_messages_2_count;

void connection_messages_clear();
// Appends a code while the list holds fewer than 500 codes.
void connection_message_add_1(int code);
void connection_message_add_2(int code);

// The terms of a shear-plane capacity that every method leaves in the result record: f_u, M_y,
// both embedding strengths, the reduction factor and F_v,Rk.
void store_shear_terms(FastenerResult* r, double f_u, double m_y, double f_h_1, double f_h_2, double factor,
                       double f_v);
