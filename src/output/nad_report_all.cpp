#include "output/nad_report_all.h"
#include "national_annex/nad_rules.h"
#include "output/nad_report_ec0.h"
#include "output/nad_report_ec2.h"
#include "output/nad_report_ec3.h"
#include "output/nad_report_ec5.h"
#include "output/nad_report_ec6_ec9.h"

void nad_report_all(FILE* f)
{
    if (nad_sheet_rule_count_1()) nad_ec2_report(f);
    if (nad_sheet_rule_count_2()) nad_ec3_report(f);
    if (nad_sheet_rule_count_3()) nad_ec5_report(f);
    if (nad_sheet_rule_count_4()) nad_ec6_report(f);
    if (nad_sheet_rule_count_5()) nad_ec9_report(f);
}

void nad_report_ec0_if_relevant(FILE* f)
{
    if (nad_sheet_rule_count_1() || nad_sheet_rule_count_2() || nad_sheet_rule_count_3() || nad_sheet_rule_count_4() ||
        nad_sheet_rule_count_5())
        nad_ec0_report(f);
}
