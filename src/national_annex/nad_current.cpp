#include "national_annex/nad_current.h"

#include "national_annex/nad_list.h"
#include "national_annex/nad_registry.h"
#include "national_annex/nad_set_files.h"
#include "platform/os/c_numeric.h"

#include <cstdlib>
#include <string>

namespace {

void lazy_first_access()
{
    nad_scan_applications();
    nad_ensure_active();
    if (nad_current_set.flag_index < 0) nad_reset_current_set();
}

template <typename T>
T* block(T* p)
{
    lazy_first_access();
    return p;
}

} // namespace

const char* nad_active_name()
{
    nad_scan_applications();
    if (!nad_list.active_name) nad_ensure_active();
    return nad_list.active_name;
}

const char* nad_active_display_name()
{
    static std::string display;
    const char* name = nad_active_name();
    if (!name) return name;
    std::string n(name);
    if (n == "Deutschland" || n == "EC-Standardparameter") return name;
    display = n + " (benutzerdefiniert)";
    return display.c_str();
}

const char* nad_applied_set_name()
{
    const char* name = nad_active_name();
    if (nad_active_set_load_failed()) return "EC-Standardparameter";
    return name;
}

const char* nad_applied_display_name()
{
    const char* name = nad_active_display_name();   // activates a set first when none is
    if (nad_active_set_load_failed()) return "EC-Standardparameter";
    return name;
}

int nad_active_flag()
{
    nad_scan_applications();
    nad_ensure_active();
    return nad_list.active_flag_index;
}

NadEc0Block* nad_part_ec0() { return block(&nad_current_set.ec0); }
NadStdParams* nad_part_std() { return block(&nad_current_set.std_params); }
NadEc2Block* nad_part_ec2() { return block(&nad_current_set.ec2); }
NadEc6Block* nad_part_ec6() { return block(&nad_current_set.ec6); }
NadEc9Block* nad_part_ec9() { return block(&nad_current_set.ec9); }

// Whoever takes the EC5 or EC3 block for a calculation gets the EC9 pointer set with it,
// so the aluminium partial factors never read through a null pointer.
NadEc3Block* nad_part_ec3()
{
    NadEc3Block* p = block(&nad_current_set.ec3);
    cur_ec9_params = &nad_current_set.ec9;
    return p;
}

NadEc5Block* nad_part_ec5()
{
    NadEc5Block* p = block(&nad_current_set.ec5);
    cur_ec9_params = &nad_current_set.ec9;
    return p;
}

int nad_country_index()
{
    lazy_first_access();
    return nad_current_set.country;
}

namespace {
void write_current(FILE* f, const void*) { nad_write_set(f, &nad_current_set); }
} // namespace

int nad_export_active_set(const char* path)
{
    const CNumericScope c_numbers;
    if (!path) return 0;
    nad_ensure_active();
    std::string target = std::string(path) + "_EC2.NAD";
    // Written through a temporary file: 0 on success as the close result would be.
    return nad_write_file_atomic(target.c_str(), write_current, nullptr) ? 0 : -1;
}

void nad_forget_state()
{
    for (int i = 0; i < nad_list.count; ++i) {
        free(nad_list.names[i]);
        nad_list.names[i] = nullptr;
    }
    nad_list.count = 0;
    nad_set_active_name(nullptr);
    nad_list.active_flag_index = 0;
    AppRegistry& r = nad_registry;
    for (int i = 0; i < r.app_count; ++i) {
        free(r.rows[i].app_name);
        free(r.rows[i].service);
        for (char*& s : r.rows[i].rules) {
            free(s);
            s = nullptr;
        }
    }
    r = AppRegistry{{}, 0, 0, -1, 0, 0, 623, 1};
    nad_clear_current_set();
    cur_ec5_params = nullptr;
    cur_ec3_params = nullptr;
    cur_ec9_params = nullptr;
}
