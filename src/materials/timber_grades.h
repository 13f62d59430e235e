#pragma once
// The built-in timber grade tables (characteristic values, N/mm², rho_k kg/m³)
// and the rule that chooses between the Eurocode and the DIN 1052 variants.

struct TimberGradeRow {
    const char* name;
    double e0_mean;
    double e90_mean;
    double g_mean;
    double rho_k;
    double f_m_k;
    double f_t0_k;
    double f_t90_k;
    double f_c0_k;
    double f_c90_k;
    double f_v_k;
};

extern const TimberGradeRow SoftwoodGradesEc[12];
extern const TimberGradeRow SoftwoodGradesDin[12];
extern const TimberGradeRow HardwoodGradesEc[8];
extern const TimberGradeRow HardwoodGradesDin[6];
extern const TimberGradeRow GlulamGradesEc[14];
extern const TimberGradeRow GlulamGradesDin[8];
extern const TimberGradeRow GlulamDinGradesEc[8];
extern const TimberGradeRow Gl75Grades[2];

// Number of grades of a timber member code (0, 1, 2, 3, 13, 17) under the
// current national annex; 0 for every other code.
int timber_grade_count(int code);

// Row of a timber member code (0, 1, 2, 3, 13, 17) and grade, chosen by the
// current national annex (cur_ec5_params: EC tables when set, DIN 1052 tables
// when null); null when the code is no timber code or the grade is out of range.
const TimberGradeRow* timber_grade_row(int code, int grade);
