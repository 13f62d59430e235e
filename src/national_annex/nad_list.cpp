#include "national_annex/nad_list.h"
#include "national_annex/nad_current.h"

#include "environment/param_list.h"
#include "environment/text_block.h"
#include "national_annex/nad_paths.h"
#include "national_annex/nad_select_sheets.h"
#include "platform/os/paths.h"
#include "national_annex/nad_set.h"
#include "national_annex/nad_set_files.h"
#include "national_annex/nad_switches.h"
#include "platform/os/c_numeric.h"
#include "platform/env/vyk_message.h"
#include "platform/os/regular_file.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

NadList nad_list = {};

namespace {

const char* const kDeutschland = "Deutschland";
int load_failed = 0;
// The set whose file the last activation refused, and why; empty after a load that succeeded.
std::string refused_name, refused_reason;

char* dup_text(const char* s)
{
    size_t n = strlen(s);
    char* d = static_cast<char*>(malloc(n + 1));
    if (d) memcpy(d, s, n + 1);
    return d;
}

} // namespace

void nad_set_active_name(const char* name)
{
    free(nad_list.active_name);
    nad_list.active_name = name ? dup_text(name) : nullptr;
}

void nad_read_list()
{
    const CNumericScope c_numbers;
    nad_migrate_old_sets();
    NadList& l = nad_list;
    if (l.count == 0) {
        l.names[0] = dup_text("EC-Standardparameter");
        l.flag_indexes[0] = 19;
        l.file_numbers[0] = 0;
        l.names[1] = dup_text(kDeutschland);
        l.flag_indexes[1] = 18;
        l.file_numbers[1] = 0;
        l.count = 2;
    }
    for (int i = 2; i < l.count; ++i) {
        free(l.names[i]);
        l.names[i] = nullptr;
    }
    l.count = 2;
    std::string dram = nadpath::folder("DRAM");
    if (!dram.empty()) {
        for (int n = 1;; ++n) {
            std::string path = path_join(dram, "NADS/" + std::to_string(n) + ".NAD");
            FILE* f = open_regular_file(path, file_bounds::kTable, "r");
            if (!f) break;
            if (l.count >= NAD_LIST_CAPACITY) {
                fclose(f);
                printf("nad_read_list: more than %d user sets, the rest is not listed\n", NAD_LIST_CAPACITY - 2);
                break;
            }
            char line[200];
            if (fgets(line, sizeof line, f) && !strchr(line, '\n')) {
                int c;
                while ((c = fgetc(f)) != EOF && c != '\n') {}
            }
            l.flag_indexes[l.count] = 0;
            (void)fscanf(f, " %d", &l.flag_indexes[l.count]);
            l.file_numbers[l.count] = n;
            char name[GUILLEMET_BUFFER_SIZE];
            read_guillemet_string(f, name);
            l.names[l.count] = dup_text(name);
            ++l.count;
            fclose(f);
        }
    }
    if (!l.active_name) l.active_name = dup_text(kDeutschland);
}

int nad_activate()
{
    const CNumericScope c_numbers;
    NadList& l = nad_list;
    if (l.count == 0) nad_read_list();
    if (!l.active_name) l.active_name = dup_text(kDeutschland);
    int found = -1;
    for (int i = 0; i < l.count; ++i)
        if (l.names[i] && strcmp(l.names[i], l.active_name) == 0) {
            found = i;
            break;
        }
    int number = 0;
    const char* stem = kDeutschland;
    if (found >= 0) {
        l.active_flag_index = l.flag_indexes[found];
        number = l.file_numbers[found];
        if (number == 0) stem = found == 0 ? "Standard" : kDeutschland;
    } else {
        if (nad_verbose) printf("Can't find %s, taking Deutschland instead\n", l.active_name);
        nad_set_active_name(kDeutschland);
        l.active_flag_index = l.flag_indexes[1];
        number = l.file_numbers[1];
    }
    nad_reset_current_set();
    int result = nad_load_set(number, stem, &nad_current_set);
    load_failed = result ? 0 : 1;
    refused_name = result ? "" : l.active_name;
    refused_reason = result ? "" : nad_last_load_refusal();
    if (!result && refused_reason.empty()) refused_reason = "kein Ordner f\201r die Parameters\204tze gesetzt";
    if (!result)
        printf("nad_activate: the set file of \"%s\" could not be loaded, the EC standard values apply\n",
               l.active_name);
    return result;
}

int nad_active_set_load_failed() { return load_failed; }

const char* nad_refused_set_name()
{
    nad_ensure_active();
    return load_failed ? refused_name.c_str() : nullptr;
}

const char* nad_refused_set_reason()
{
    nad_ensure_active();
    return load_failed ? refused_reason.c_str() : nullptr;
}

std::string nad_refusal_note()
{
    nad_ensure_active();
    if (!load_failed) return std::string();
    return "Der gew\204hlte Parametersatz \"" + refused_name +
           "\" wurde verworfen, es gelten die EC-Standardparameter ohne nationalen Anhang. Grund: " + refused_reason;
}

void nad_ensure_active()
{
    if (nad_list.active_name) return;
    nad_read_list();
    nad_set_active_name(kDeutschland);
    if (nad_verbose) printf("\nSET: Preparing %s ...\n", nad_list.active_name);
    nad_activate();
}

void nad_write_active_name(FILE* file)
{
    const CNumericScope c_numbers;
    nad_ensure_active();
    if (!file) return;
    fprintf(file, "\n\nACTIV_NADNAME\n");
    fprintf(file, "\xAE%s\xAF\n", nad_list.active_name);
}

int nad_set_active(const char* name)
{
    const CNumericScope c_numbers;
    // `name` may be one of the list's own strings, which the rebuild below releases.
    const std::string wanted(name ? name : "");
    nad_read_list();
    if (!name) {
        nad_set_active_name(kDeutschland);
        if (nad_verbose) printf("\nSET: Preparing %s ...\n", nad_list.active_name);
        return nad_activate();
    }
    const bool local = wanted == "lokale Definitionen";
    nad_set_active_name(local ? kDeutschland : wanted.c_str());
    if (nad_verbose) printf("\nSET: Preparing %s ...\n", nad_list.active_name);
    int r = nad_activate();
    if (local) return r;
    if (strcmp(nad_list.active_name, wanted.c_str()) == 0) return r ? 0 : -1;
    // The set has vanished and "Deutschland" stands in: the user is told and may pick another.
    const std::string now_active = nad_list.active_name ? nad_list.active_name : kDeutschland;
    if (nad_warning_sheet(wanted.c_str(), now_active.c_str())) return nad_selection_sheet();
    return 0;
}

namespace {

// The absolute name of an open file, empty where the system does not tell it.
std::string name_of_open_file(FILE* file)
{
    char link[64], target[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fileno(file));
    const ssize_t n = readlink(link, target, sizeof target - 1);
    if (n <= 0) return std::string();
    return std::string(target, size_t(n));
}

// A choice file without its block is named before a save can replace it, and its bytes are kept
// beside it under a name of their own (".bak", ".bak2", ...), as a damaged position file is.
void report_damaged_choice(FILE* file)
{
    const std::string path = name_of_open_file(file);
    std::string kept;
    if (!path.empty()) {
        std::error_code ec;
        std::string candidate = path + ".bak";
        for (int n = 2; std::filesystem::symlink_status(candidate, ec).type() != std::filesystem::file_type::not_found;
             ++n)
            candidate = path + ".bak" + std::to_string(n);
        if (::link(path.c_str(), candidate.c_str()) == 0 || (std::filesystem::copy_file(path, candidate, ec) && !ec))
            kept = candidate;
    }
    Init_Message();
    Set_Message_Title("Nationaler Anhang");
    Set_Message_Symbol(2, 0, 0, 0);
    Fill_Message("Die Auswahl des Nationalen Anhangs ist besch\204digt (kein Satzname nach \"ACTIV_NADNAME\"):");
    Fill_Message(path.empty() ? "(Dateiname unbekannt)" : path.c_str());
    Fill_Message("Es gilt der Parametersatz \"Deutschland\".");
    if (!kept.empty()) Fill_Message(("Die besch\204digte Datei bleibt als " + kept + " erhalten.").c_str());
    Draw_Message();
}

} // namespace

void nad_read_active_name(FILE* file)
{
    const CNumericScope c_numbers;
    char name[GUILLEMET_BUFFER_SIZE];
    if (file && find_keyword_line("ACTIV_NADNAME", file, nullptr) && read_guillemet_string(file, name) >= 1) {
        nad_set_active(name);
        return;
    }
    if (file) report_damaged_choice(file);
    nad_read_list();
    nad_set_active_name(kDeutschland);
    if (nad_verbose) printf("\nSET: Preparing %s ...\n", nad_list.active_name);
    nad_activate();
}
