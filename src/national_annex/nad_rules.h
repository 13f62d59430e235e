// Which rules of the Eurocode parts the reports and sheets show: the rule query with its
// counters per part, the 33 rule flags of Eurocode 2 and the nine section switches of
// Eurocode 5, each chosen by the registry's current application (or all rules).
#pragma once

enum { NAD_EC2_RULES = 33, NAD_EC5_SECTIONS = 9, NAD_EC3_SECTIONS = 10 };

int rule_is_active(int rule);
int rule_stub_zero_1();
int rule_stub_zero_2();
int rule_stub_zero_3();

int nad_sheet_rule_count_0();   // rules 988, 989, 998, 999
int nad_sheet_rule_count_1();   // EC2
int nad_sheet_rule_count_2();   // EC3
int nad_sheet_rule_count_3();   // EC5
int nad_sheet_rule_count_4();   // EC6: none
int nad_sheet_rule_count_5();   // EC9

extern int ec2_rule[NAD_EC2_RULES];
// Sets ec2_rule from the registry; the answer is of no use to callers.
int nad_ec2_rule_flags();

extern int ec5_section[NAD_EC5_SECTIONS];
// Sets ec5_section: 0 heading/buckling/two columns, 1 material factors, 2 k_mod, 3 k_def,
// 4 deflection limits, 5 crack factor, 6 net final deflection, 7 chapter table, 8 torsion.
void nad_ec5_report_select();

// Rows of the masonry and aluminium parameters the current application uses.
struct NadEc6Rows { int ultimate, accidental; };
struct NadEc9Rows { int ultimate, tension, connections; };
NadEc6Rows nad_ec6_rows();
NadEc9Rows nad_ec9_rows();

extern int ec3_section[NAD_EC3_SECTIONS];
// Sets ec3_section: 0 gamma_M0/M1, 1 gamma_M2, 2 wording for bolts, welds and plates, 3 joints of
// EN 1993-1-8, 4 accidental situation, 5 lateral-torsional buckling, 6 EN 1993-1-5, 7 EN 1993-1-9,
// 8 EN 1993-6, 9 EN 1993-1-2.
void nad_ec3_report_select();
