#include "national_annex/nad_set_files.h"

#include "environment/param_list.h"
#include "environment/text_block.h"
#include "national_annex/nad_paths.h"
#include "platform/os/paths.h"
#include "national_annex/nad_switches.h"
#include "platform/os/atomic_file.h"
#include "platform/os/c_numeric.h"
#include "platform/env/vyk_message.h"
#include "national_annex/nad_ec5_block.h"
#include "national_annex/nad_numio.h"
#include "national_annex/nad_plausible.h"
#include "platform/os/regular_file.h"
#include <cstdio>

#include <cerrno>
#include <filesystem>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

int nad_write_file_atomic(const char* path, void (*writer)(FILE*, const void*), const void* context)
{
    if (!path || !writer) return 0;
    return save_file_atomically(path, [writer, context](FILE* f) {
        writer(f, context);
        return true;
    }) ? 1 : 0;
}

void nad_write_set(FILE* file, const NadSet* set)
{
    const CNumericScope c_numbers;
    if (!file || !set) return;
    c_fprintf(file, "NAD/Version 1\n\n");
    c_fprintf(file, " %d \xAE%s\xAF %d\n", set->flag_index, set->set_name, set->country);
    c_fprintf(file, "\n\n#EC0\n");
    nad_ec0_write(file, &set->ec0);
    c_fprintf(file, "\n\n#EC2\n");
    nad_ec2_write(file, &set->ec2);
    c_fprintf(file, "\n\n#EC3\n");
    nad_ec3_write(file, &set->ec3);
    c_fprintf(file, "\n\n#EC5\n");
    nad_ec5_write(file, &set->ec5);
    c_fprintf(file, "\n\n#EC6\n");
    nad_ec6_write(file, &set->ec6);
    c_fprintf(file, "\n\n#EC9\n");
    nad_ec9_write(file, &set->ec9);
}

namespace {

// set_name holds every name the file format can (99 characters).
void copy_set_name(char (&dst)[NAD_SET_NAME_SIZE], const char* src)
{
    size_t n = strnlen(src, sizeof dst - 1);
    memcpy(dst, src, n);
    dst[n] = '\0';
}

// The line of a file offset, counted from 1; `before` takes the byte before it (the last line
// where the file ends behind its last line end).
int line_at(FILE* file, long offset, bool before)
{
    const long saved = ftell(file);
    if (before && offset > 0) --offset;
    rewind(file);
    int line = 1;
    for (long i = 0; i < offset; ++i) {
        const int c = fgetc(file);
        if (c == EOF) break;
        if (c == '\n') ++line;
    }
    fseek(file, saved, SEEK_SET);
    return line;
}

bool at_end_of_file(FILE* file, long offset)
{
    const long saved = ftell(file);
    fseek(file, offset, SEEK_SET);
    const bool end = fgetc(file) == EOF;
    fseek(file, saved, SEEK_SET);
    return end;
}

// What the number reader met in a part of the file (the header or a block), in German with its
// line; empty when it read all it needed. `sections_missing` is a block reader's own failure.
std::string reading_fault(FILE* file, const std::string& part, bool sections_missing)
{
    if (nadio::any_fault()) {
        const long at = nadio::fault_offset();
        if (nadio::value_missing()) {
            if (at_end_of_file(file, at))
                return part + ": die Datei endet in Zeile " + std::to_string(line_at(file, at, true)) +
                       " vor dem letzten Wert (die Datei ist abgeschnitten).";
            return part + ": es fehlen Werte; in Zeile " + std::to_string(line_at(file, at, false)) +
                   " beginnt schon der n\204chste Block.";
        }
        const std::string where = part + ", Zeile " + std::to_string(line_at(file, at, true)) + ": ";
        if (!nadio::bad_count().empty()) return where + nadio::bad_count() + ".";
        return where + "Der Wert \"" + nadio::bad_number() + "\" ist keine " +
               (nadio::bad_wants_whole() ? "ganze Zahl." : "Dezimalzahl.");
    }
    if (sections_missing) return part + ": ein Abschnitt des Blocks fehlt oder ist unvollst\204ndig.";
    return std::string();
}

// Reads the header and the blocks; the set's name (up to 99 characters) goes to `name` and
// set_name. `fault` (when given) receives the first thing that makes the file unusable: a block
// missing or cut, a count out of its bound, a word where a number belongs; empty when whole.
int read_set(FILE* file, NadSet* set, char* name, std::string* fault = nullptr)
{
    name[0] = '\0';
    int version = 0;
    if (!file || !set || c_fscanf(file, "NAD/Version %d", &version) != 1) return 0;
    std::string first_fault;
    nadio::clear_faults();
    bool header = nadio::rd_count(file, &set->flag_index, 0, nadio::kMaxFlagIndex, "Die Flaggennummer");
    header = header && read_guillemet_string(file, name) >= 1;
    copy_set_name(set->set_name, name);
    header = header && nadio::rd_count(file, &set->country, 0, nadio::kMaxCountry, "Der Landesindex");
    first_fault = reading_fault(file, "Kopfzeile", false);
    if (first_fault.empty() && !header) first_fault = "Kopfzeile: Flaggennummer, \256Name\257 und Landesindex fehlen.";
    static const struct {
        const char* keyword;
        int (*read)(FILE*, NadSet*);   // non-zero when a section of the block is missing
    } blocks[] = {
        {"#EC0", [](FILE* f, NadSet* s) { nad_ec0_read(f, &s->ec0, 1); return 0; }},
        {"#EC2", [](FILE* f, NadSet* s) { nad_ec2_read(f, &s->ec2); return 0; }},
        {"#EC3", [](FILE* f, NadSet* s) { return nad_ec3_read(f, &s->ec3, 1); }},
        {"#EC5", [](FILE* f, NadSet* s) { nad_ec5_read(f, &s->ec5, 1); return 0; }},
        {"#EC6", [](FILE* f, NadSet* s) { nad_ec6_read(f, &s->ec6); return 0; }},
        {"#EC9", [](FILE* f, NadSet* s) { nad_ec9_read(f, &s->ec9); return 0; }},
    };
    for (const auto& b : blocks) {
        const std::string part = std::string("Block ") + b.keyword;
        if (!find_keyword_line(b.keyword, file, nullptr)) {
            if (first_fault.empty()) first_fault = part + " fehlt.";
            continue;
        }
        nadio::clear_faults();
        const int missing = b.read(file, set);
        if (first_fault.empty()) first_fault = reading_fault(file, part, missing != 0);
    }
    nadio::clear_faults();
    if (fault) *fault = first_fault;
    return 1;
}

std::string user_set_path(const std::string& dram, int number)
{
    return path_join(dram, "NADS/" + std::to_string(number) + ".NAD");
}

void fall_back_to_standard(NadSet* set)
{
    set->flag_index = 19;
    set->user_set = 0;
    set->country = 0;
    copy_set_name(set->set_name, "EC-Standard");
    nad_ec0_set_defaults(&set->ec0);
    nad_ec2_set_defaults(&set->ec2);
    nad_ec3_set_defaults(&set->ec3);
    nad_ec5_set_defaults(&set->ec5);
    nad_ec6_set_defaults(&set->ec6);
    nad_ec9_set_defaults(&set->ec9);
}

void write_set_cb(FILE* f, const void* set) { nad_write_set(f, static_cast<const NadSet*>(set)); }

bool is_directory(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

int nad_read_set(FILE* file, NadSet* set)
{
    const CNumericScope c_numbers;
    char name[GUILLEMET_BUFFER_SIZE];
    return read_set(file, set, name);
}

namespace {

// The file by its absolute name, whatever the folder values hold.
std::string absolute_name(const std::string& path)
{
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

std::string& last_refusal()
{
    static std::string why;
    return why;
}

// Each refused set file is named once per reason: activating the same set again says nothing new.
void report_refused_set(const std::string& path, const std::string& why)
{
    const std::string shown = absolute_name(path);
    last_refusal() = shown + ": " + why;
    static std::set<std::string> reported;
    if (!reported.insert(path + '\n' + why).second) return;
    Init_Message();
    Set_Message_Title("Nationaler Anhang");
    Set_Message_Symbol(3, 0, 0, 0);
    Fill_Message(("Der Parametersatz " + shown + " wird nicht verwendet:").c_str());
    Fill_Message(why.c_str());
    Fill_Message("Es gelten die EC-Standardparameter (alle Eurocodes).");
    Draw_Message();
}

} // namespace

int nad_load_set(int number, const char* stem, NadSet* set)
{
    const CNumericScope c_numbers;
    if (!set) return 0;
    last_refusal().clear();
    std::string path;
    if (number != 0) {
        std::string dram = nadpath::folder("DRAM");
        if (dram.empty()) return 0;
        path = user_set_path(dram, number);
    } else {
        std::string data = nadpath::folder("DATA");
        if (data.empty() || !stem) return 0;
        path = path_join(data, std::string("NAD/") + stem + ".NAD");
    }
    FILE* f = open_regular_file(path, file_bounds::kTable, "r");
    if (!f) {
        report_refused_set(path, "Die Datei kann nicht gelesen werden.");
        return 0;
    }
    char name[GUILLEMET_BUFFER_SIZE];
    std::string refused;
    int result = read_set(f, set, name, &refused);
    if (result != 1) {
        // Nothing was read: the set keeps what it held.
        report_refused_set(path, "Die Datei ist kein lesbarer Parametersatz.");
        fclose(f);
        return 0;
    }
    if (refused.empty()) refused = nad_implausible_value(*set);
    if (!refused.empty()) {
        // Refused whole: no block of the file stays, the header included.
        fall_back_to_standard(set);
        report_refused_set(path, refused);
        result = 0;
    }
    if (result == 1) {
        set->user_set = number > 0 ? 1 : 0;
        nad_wusl_load_set(number, name, &set->std_params);
        nad_wusl_reset_set(&set->std_params, set->country);
        nad_ec2_set_country(&set->ec2, set->country);
        nad_ec3_set_country(&set->ec3, set->country);
        nad_ec5_set_country(&set->ec5, set->country);
        nad_ec6_set_country(&set->ec6, set->country);
        nad_ec9_set_country(&set->ec9, set->country);
    }
    fclose(f);
    return result;
}

const char* nad_last_load_refusal() { return last_refusal().c_str(); }

int nad_set_name_storable(const char* name)
{
    if (!name) return 0;
    const size_t n = strnlen(name, NAD_SET_NAME_SIZE);
    if (n == 0 || n >= size_t(NAD_SET_NAME_SIZE)) return 0;
    for (size_t i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (c == 0xAE || c == 0xAF || c == '\n' || c == '\r') return 0;
    }
    return 1;
}

int nad_store_user_set(int number, const NadSet* set)
{
    const CNumericScope c_numbers;
    std::string dram = nadpath::folder("DRAM");
    if (dram.empty()) return 0;
    if (set && !nad_set_name_storable(set->set_name)) return 0;
    std::string path = user_set_path(dram, number);
    if (set) return nad_write_file_atomic(path.c_str(), write_set_cb, set);
    return remove(path.c_str()) == 0;
}

void nad_ec2_load_deutschland(NadEc2Block* block)
{
    const CNumericScope c_numbers;
    if (!block) return;
    static bool loaded = false;
    static NadSet deutschland;
    if (!loaded) {
        loaded = true;
        nad_ec2_set_defaults(block);
        nad_ec0_set_defaults(&deutschland.ec0);
        nad_ec2_set_defaults(&deutschland.ec2);
        nad_ec3_set_defaults(&deutschland.ec3);
        nad_ec5_set_defaults(&deutschland.ec5);
        nad_ec6_set_defaults(&deutschland.ec6);
        nad_ec9_set_defaults(&deutschland.ec9);
        nad_load_set(0, "Deutschland", &deutschland);
    }
    nad_ec2_copy(block, &deutschland.ec2);
}

void nad_migrate_old_sets()
{
    const CNumericScope c_numbers;
    std::string dram = nadpath::folder("DRAM");
    if (dram.empty()) {
        printf("Safeguard_Proper_Version: ERROR %d\n", 1);
        return;
    }
    std::string nads = path_join(dram, "NADS");
    if (is_directory(nads)) return;
    if (mkdir(nads.c_str(), 0777) != 0 && errno != EEXIST) {
        printf("Safeguard_Proper_Version: ERROR %d\n", 2);
        return;
    }
    if (!is_directory(nads)) {
        printf("Safeguard_Proper_Version: ERROR %d\n", 3);
        return;
    }
    FILE* old = open_regular_file(path_join(dram, "NADs-EC2.DEF"), file_bounds::kTable, "r");
    if (!old) return;
    static NadSet record;   // large; one is enough for the whole run
    int k = 1;
    char line[300];
    while (fgets(line, sizeof line, old)) {
        if (strncmp(line, "#NAD", 4) != 0) continue;
        int flag = 0;
        (void)c_fscanf(old, " %d", &flag);
        char name[GUILLEMET_BUFFER_SIZE];
        read_guillemet_string(old, name);
        memset(&record, 0, sizeof record);
        nad_ec0_set_defaults(&record.ec0);
        nad_ec6_set_defaults(&record.ec6);
        nad_ec9_set_defaults(&record.ec9);
        nad_ec2_read(old, &record.ec2);
        nad_ec3_read(old, &record.ec3, 0);
        nad_ec5_read(old, &record.ec5, 0);
        nad_ec0_read(old, &record.ec0, 0);
        record.flag_index = flag;
        record.country = 0;
        copy_set_name(record.set_name, name);
        nad_write_file_atomic(user_set_path(dram, k).c_str(), write_set_cb, &record);
        ++k;
    }
    fclose(old);
}
