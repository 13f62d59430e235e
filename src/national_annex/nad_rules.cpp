#include "national_annex/nad_rules.h"
#include "national_annex/nad_registry.h"

#include <cstring>

int ec2_rule[NAD_EC2_RULES];
int ec5_section[NAD_EC5_SECTIONS];

int rule_is_active(int) { return 1; }
int rule_stub_zero_1() { return 0; }
int rule_stub_zero_2() { return 0; }
int rule_stub_zero_3() { return 0; }

namespace {

template <int N>
int count_active(const int (&rules)[N])
{
    int n = 0;
    for (int r : rules) n += rule_is_active(r);
    return n;
}

// Further EC2 rules of an application beyond 0, 2 and 30; -1 ends a list.
struct Ec2Application {
    int app_numbers[2];
    int rules[24];
    bool clears_rule_30;
};

const Ec2Application kEc2Applications[] = {
    {{32, -1}, {1, 3, 4, 6, 7, 10, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 27, 29, -1}, false},
    {{33, 84}, {1, 3, 4, 10, 11, 12, 14, 17, 18, 24, 25, 27, 28, -1}, false},
    {{50, 54}, {1, 3, 4, 5, 10, 11, 12, 13, 14, 15, 16, 17, 18, 21, 24, 25, 26, 27, 28, 29, 31, -1}, false},
    {{56, -1}, {1, 3, 4, 10, 14, 18, 24, 26, -1}, false},
    {{58, -1}, {3, 4, 6, 10, 14, 18, 21, 24, -1}, false},
    {{94, -1}, {1, 3, 4, 8, 18, 25, 26, -1}, false},
    {{103, -1}, {1, 3, 4, 10, 14, 17, 18, 21, 24, 25, 26, -1}, false},
    {{104, -1}, {1, 3, 4, 10, 11, 12, 14, 17, 18, 21, 24, -1}, false},
    {{105, -1}, {1, 3, 4, 10, 11, 12, 14, 17, 18, 21, 24, 25, 26, -1}, false},
    {{242, -1}, {1, 3, 4, 10, 11, 12, 14, 17, 18, 21, 24, 25, -1}, false},
    {{114, -1}, {1, 3, 10, 11, 17, 18, 21, 24, 31, -1}, true},
    {{115, -1}, {1, 3, 10, 11, 17, 18, 21, 24, 25, 26, 31, -1}, true},
    {{121, -1}, {1, 3, 4, 10, 14, 17, 18, 21, 24, -1}, false},
    {{220, -1}, {1, 3, 4, 9, 10, 14, 17, 18, 21, 24, 25, -1}, false},
};

void set_ec2_rules_of_application(int app)
{
    for (const Ec2Application& a : kEc2Applications) {
        if (a.app_numbers[0] != app && a.app_numbers[1] != app) continue;
        for (int i = 0; a.rules[i] >= 0; ++i) ec2_rule[a.rules[i]] = 1;
        if (a.clears_rule_30) ec2_rule[30] = 0;
        return;
    }
}

} // namespace

int nad_sheet_rule_count_0() { return count_active({988, 989, 998, 999}); }
int nad_sheet_rule_count_1()
{
    return count_active({41, 42, 43, 44, 47, 48, 49, 81, 82, 91, 92, 93, 94, 97, 98, 99});
}
int nad_sheet_rule_count_2() { return count_active({211, 212, 213, 214}); }
int nad_sheet_rule_count_3() { return count_active({221, 222, 224, 225}); }
int nad_sheet_rule_count_4() { return 0; }
int nad_sheet_rule_count_5() { return count_active({261, 262}); }

int nad_ec2_rule_flags()
{
    memset(ec2_rule, 0, sizeof ec2_rule);
    if (nad_rules_defined()) {
        int last = 0;
        for (int i = 0; i < NAD_EC2_RULES; ++i) last = ec2_rule[i] = nad_rule_is_relevant(2, i);
        if (!ec2_rule[30] && !ec2_rule[31]) ec2_rule[30] = 1;
        return last;
    }
    ec2_rule[0] = ec2_rule[2] = ec2_rule[30] = 1;
    set_ec2_rules_of_application(nad_current_application());
    if (!nad_registry.show_all_rules) return 0;
    for (int i = 0; i < NAD_EC2_RULES; ++i)
        if (i != 30) ec2_rule[i] = 1;
    return nad_registry.show_all_rules;
}

void nad_ec5_report_select()
{
    for (int& s : ec5_section) s = 1;
    if (nad_rules_defined()) {
        for (int i = 0; i < NAD_EC5_SECTIONS; ++i) ec5_section[i] = nad_rule_is_relevant(5, i);
        return;
    }
    const int app = nad_current_application();
    if (nad_registry.show_all_rules) return;
    if (app == 220 || app == 242) {
        ec5_section[7] = 0;
        ec5_section[8] = app == 242;
    } else if (app >= 73 && app <= 76) {
        for (int& s : ec5_section) s = 0;
        ec5_section[7] = 1;
    }
}

NadEc6Rows nad_ec6_rows()
{
    if (nad_rules_defined()) return {nad_rule_is_relevant(6, 0), nad_rule_is_relevant(6, 1)};
    const int app = nad_current_application();
    return {1, app == 100 || app == 94};
}

NadEc9Rows nad_ec9_rows()
{
    if (nad_rules_defined())
        return {nad_rule_is_relevant(9, 0), nad_rule_is_relevant(9, 1), nad_rule_is_relevant(9, 2)};
    return {1, 1, 1};
}

int ec3_section[NAD_EC3_SECTIONS];

void nad_ec3_report_select()
{
    for (int& s : ec3_section) s = 0;
    if (nad_rules_defined()) {
        for (int i = 0; i < NAD_EC3_SECTIONS; ++i) ec3_section[i] = nad_rule_is_relevant(3, i);
        return;
    }
    struct App { int number; int sections[5]; };
    static const App kApps[] = {{150, {0, 1, 2, 3, -1}}, {151, {0, 1, 4, 5, -1}}, {152, {0, 1, 2, -1}},
                                {153, {0, 1, 2, -1}},    {154, {0, 1, 2, 6, -1}}, {34, {0, 4, -1}},
                                {242, {0, 4, -1}}};
    const int app = nad_current_application();
    for (const App& a : kApps)
        if (a.number == app)
            for (int k = 0; k < 5 && a.sections[k] >= 0; ++k) ec3_section[a.sections[k]] = 1;
    if (nad_registry.show_all_rules)
        for (int& s : ec3_section) s = 1;
}
