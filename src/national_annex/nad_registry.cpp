#include "national_annex/nad_registry.h"

#include "environment/param_list.h"
#include "environment/text_block.h"
#include "national_annex/nad_paths.h"
#include "platform/os/paths.h"
#include "platform/env/vyk_env.h"
#include "platform/env/vyk_files.h"
#include "platform/os/c_numeric.h"
#include "platform/os/regular_file.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

AppRegistry nad_registry = {{}, 0, 0, -1, 0, 0, 623, 1};

namespace {

const int kDefaultMask = 623;   // Eurocodes 0, 1, 2, 3, 5, 6 and 9

char* dup_text(const char* s)
{
    size_t n = strlen(s);
    char* d = static_cast<char*>(malloc(n + 1));
    if (d) memcpy(d, s, n + 1);
    return d;
}

void select_current(int number)
{
    AppRegistry& r = nad_registry;
    r.current_app_number = number;
    int row = -1;
    if (number != 0)
        for (int i = 0; i < r.app_count; ++i)
            if (r.rows[i].app_number == number) {
                row = i;
                break;
            }
    if (row < 0) {
        r.has_current_row = 0;
        r.current_row = 0;
        r.current_app_number = 0;
        r.current_eurocode_mask = kDefaultMask;
        r.show_all_rules = 1;
    } else {
        r.has_current_row = 1;
        r.current_row = row;
        r.current_eurocode_mask = r.rows[row].eurocode_mask;
        r.show_all_rules = 0;
    }
}

// The «text» after the line of `keyword`; empty when the keyword or the text is missing.
std::string marked_after(FILE* f, const char* keyword, bool skip_line_first)
{
    if (!find_keyword_line(keyword, f, nullptr)) return std::string();
    if (skip_line_first) {
        int c;
        while ((c = fgetc(f)) != EOF && c != '\n') {}
    }
    char buf[GUILLEMET_BUFFER_SIZE];
    if (read_guillemet_string(f, buf) <= 0) return std::string();
    return buf;
}

void read_definition(FILE* f, const char* dir_name, int number)
{
    AppRegistry& r = nad_registry;
    int value = 0;
    find_keyword_line("#NADS", f, &value);
    if (value == 0) return;
    if (r.app_count >= NAD_REGISTRY_CAPACITY) {
        printf("nad_scan_applications: more than %d applications, %s is left out\n", NAD_REGISTRY_CAPACITY,
               dir_name);
        return;
    }
    AppRegistryRow& row = r.rows[r.app_count];
    for (char*& s : row.rules) s = nullptr;
    if (value < 0) {
        row.eurocode_mask = 0;
        for (int i = 0; i < 10; ++i) {
            char word[64];
            if (fscanf(f, "%63s", word) != 1) break;
            if (strlen(word) > 1 || strcmp(word, "1") == 0) {
                row.eurocode_mask |= 1 << i;
                row.rules[i] = dup_text(word);
            }
        }
        row.rules_defined = 1;
    } else {
        row.eurocode_mask = value;
        row.rules_defined = 0;
    }
    std::string name = marked_after(f, "#NAME", false);
    if (name.empty()) name = dir_name;
    std::string service = marked_after(f, "#SERVICE", false);
    if (service.empty()) service = "Bauteil";
    if (find_keyword_line("#GROUP", f, nullptr)) {
        std::string group = marked_after(f, "#GROUP", true);
        service = group;
    }
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    row.app_name = dup_text(name.c_str());
    row.service = dup_text(service.c_str());
    row.app_number = number;
    ++r.app_count;
}

} // namespace

void nad_scan_applications()
{
    const CNumericScope c_numbers;
    AppRegistry& r = nad_registry;
    if (r.registry_scanned) return;
    std::string exec = nadpath::folder("EXEC");
    if (exec.empty()) return;
    std::vector<std::string> dirs;
    DOSFindRecord rec{};
    if (DOSFindFirstDirectory(path_join(exec, "*.*").c_str(), &rec) != 0) return;
    do dirs.push_back(rec.name);
    while (DOSFindNext(&rec) == 0);
    DOSFindClose(&rec);
    for (const std::string& dir : dirs) {
        std::string folder = path_join(exec, dir);
        std::vector<std::string> files;
        DOSFindRecord frec{};
        if (DOSFindFirstFile(path_join(folder, "APP*.DEF").c_str(), &frec) == 0) {
            do files.push_back(frec.name);
            while (DOSFindNext(&frec) == 0);
        }
        DOSFindClose(&frec);
        for (const std::string& file : files) {
            char digits[5] = {0};
            if (file.size() > 3) strncpy(digits, file.c_str() + 3, 4);
            int number = 0;
            if (sscanf(digits, "%4d", &number) != 1 || number <= 0) continue;
            FILE* f = open_regular_file(path_join(folder, file), file_bounds::kTable, "r");
            if (!f) continue;
            read_definition(f, dir.c_str(), number);
            fclose(f);
        }
    }
    select_current(CurOb_Application_Number());
    r.registry_scanned = 1;
}

int nad_current_application()
{
    AppRegistry& r = nad_registry;
    if (r.current_app_number >= 0) return r.current_app_number;
    select_current(CurOb_Application_Number());
    return r.current_app_number;
}

int nad_rule_is_relevant(int eurocode, int position)
{
    const AppRegistry& r = nad_registry;
    if (!r.has_current_row || eurocode < 0 || eurocode > 9) return 1;
    const char* rules = r.rows[r.current_row].rules[eurocode];
    if (!rules) return 1;
    if (position < 0 || position >= static_cast<int>(strlen(rules))) return 0;
    return rules[position] != '0';
}

int nad_rules_defined()
{
    const AppRegistry& r = nad_registry;
    if (!r.has_current_row) return 1;
    return r.rows[r.current_row].rules_defined;
}

const char* read_application_version(const char* folder)
{
    const CNumericScope c_numbers;
    static char version[256];
    const char* exec = getenv("EXEC");
    if (!exec || !folder) return nullptr;
    FILE* f = open_regular_file(path_join(path_join(exec, folder), "VERSION"), file_bounds::kSmallText, "r");
    if (!f) return nullptr;
    version[0] = '\0';
    if (fgets(version, sizeof version, f)) {
        size_t n = strlen(version);
        if (n > 0 && version[n - 1] == '\n') version[--n] = '\0';
        if (n > 0 && version[n - 1] == '\r') version[--n] = '\0';
    }
    // Each "<xy" writes its two characters from the version text's last character on, so that
    // "3.10.2" with "<a7" reads "3.10.a7" and the last "<" of the file wins.
    const size_t at = strlen(version) > 0 ? strlen(version) - 1 : 0;
    char line[256];
    while (fgets(line, sizeof line, f)) {
        for (const char* p = strchr(line, '<'); p; p = strchr(p + 1, '<')) {
            size_t n = at;
            // A version line that fills the buffer leaves room for one of the two characters only.
            for (int i = 1; i <= 2 && p[i] && p[i] != '\n' && p[i] != '\r' && n + 1 < sizeof version; ++i)
                version[n++] = p[i];
            version[n] = '\0';
        }
    }
    fclose(f);
    return version;
}
