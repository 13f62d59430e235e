#include "core/import_forces.h"

#include "core/tavo52_data.h"
#include "environment/text_block.h"
#include "environment/tool_exchange.h"
#include "environment/vykexport.h"
#include "platform/env/qt_message_box.h"
#include "platform/env/vyk_env.h"
#include "platform/env/vyk_process.h"
#include "platform/os/paths.h"
#include "platform/os/c_numeric.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

ImportedForces imported_forces = {};
SelectedComponent* last_component = nullptr;

namespace {

// "VYK - Schnittgrößenauswahl" in Windows-1252: 26 bytes.
const char kToolTitle[] = "VYK - Schnittgr\xF6\xDF" "enauswahl";
// "Bitte wählen Sie Schnittgrößen aus" in code page 850: 34 bytes.
const char kWaitText[] = "Bitte w\x84hlen Sie Schnittgr\x94\xE1" "en aus";

bool valid_row(int row) { return imported_forces.valid == 1 && row >= 0 && row < imported_forces.row_count; }

const char* text_slot(int row, int slot) { return valid_row(row) ? imported_forces.rows[row].texts[slot] : nullptr; }

void free_row(ImportedCutRow& r)
{
    std::free(r.values);
    r.values = nullptr;
    for (char*& t : r.texts) {
        std::free(t);
        t = nullptr;
    }
}

bool read_row(FILE* f, int n_values, ImportedCutRow& row)
{
    const CNumericScope c_numbers;
    row.values = static_cast<float*>(std::calloc(size_t(n_values), sizeof(float)));
    if (!row.values) return false;
    for (int k = 0; k < n_values; ++k)
        if (std::fscanf(f, " %f", &row.values[k]) != 1) return false;
    if (std::fscanf(f, "%d%f", &row.accidental, &row.kmod) != 2) return false;
    for (int t = 0; t < 2; ++t) {
        char buffer[MARKED_STRING_SIZE];
        const int len = read_marked_string(f, buffer);
        if (len < 0) return false;
        if (len > 0) {
            row.texts[t] = strdup(buffer);
            if (!row.texts[t]) return false;
        }
    }
    return true;
}

void delete_file(const std::string& path)
{
    if (!path.empty()) std::remove(path.c_str());
}

} // namespace

void free_imported_forces(void)
{
    if (imported_forces.rows) {
        for (int i = 0; i < imported_forces.row_count; ++i) free_row(imported_forces.rows[i]);
        std::free(imported_forces.rows);
    }
    imported_forces.rows = nullptr;
    imported_forces.row_count = 0;
}

void clear_imported_forces(void)
{
    free_imported_forces();
    for (VYKExportObject*& h : imported_forces.headers) {
        vyk_export_object_free(h);
        h = nullptr;
    }
    imported_forces.values_per_row = 0;
    imported_forces.valid = 0;
    imported_forces.set_count = 0;
}

int read_beam_cut_results(FILE* f, int n)
{
    const CNumericScope c_numbers;
    free_imported_forces();
    for (VYKExportObject*& h : imported_forces.headers) {
        vyk_export_object_free(h);
        h = nullptr;
    }
    imported_forces.valid = 0;
    imported_forces.set_count = 0;
    imported_forces.values_per_row = 0;
    if (!f || n < 1 || n > IMPORT_MAX_SETS) return 0;

    if (!find_keyword_line("MULTICUT", f, nullptr)) return 0;
    int sets = 0;
    if (std::fscanf(f, " %d", &sets) != 1) return 0;
    imported_forces.set_count = sets;
    if (sets != n) return 0;
    for (int s = 0; s < n; ++s) imported_forces.headers[s] = vyk_export_object_read(f);

    if (!find_keyword_line("RESULTS", f, nullptr)) return 0;
    long long total = 0;
    for (int s = 0; s < n; ++s) {
        int rows = 0;
        // A negative count would shift the rows of every later set.
        if (std::fscanf(f, " %d", &rows) != 1 || rows < 0) return 0;
        imported_forces.rows_per_set[s] = rows;
        total += rows;
    }
    if (total <= 0 || total > 100000000) return 0;
    const int n_values = 6 * n;
    imported_forces.values_per_row = n_values;

    // Rows are collected as they are read, so a count the file does not back takes no memory.
    std::vector<ImportedCutRow> rows;
    for (long long r = 0; r < total; ++r) {
        ImportedCutRow row = {};
        if (!read_row(f, n_values, row)) {
            free_row(row);
            for (auto& done : rows) free_row(done);
            return 0;
        }
        rows.push_back(row);
    }
    imported_forces.rows = static_cast<ImportedCutRow*>(std::malloc(sizeof(ImportedCutRow) * rows.size()));
    if (!imported_forces.rows) {
        for (auto& done : rows) free_row(done);
        return 0;
    }
    std::memcpy(imported_forces.rows, rows.data(), sizeof(ImportedCutRow) * rows.size());
    imported_forces.row_count = int(total);
    imported_forces.valid = 1;
    return imported_forces.row_count;
}

int Import_BeamCutMultiResults(SelectedComponent* component, int a, int b, int c, int d, int n,
                               const char* const* names)
{
    free_imported_forces();
    imported_forces.valid = 0;
    if (n > IMPORT_MAX_SETS) {
        std::printf("Import_BeamCutMultiResults0: n=%d ? to much :-(\n", n);
        return 0;   // the per-set tables hold ten sets
    }
    const char* temp_env = VYKGetEnv("TEMP");
    if (!temp_env) return 0;
    const std::string temp = native_path(temp_env);

    if (component) {
        last_component = component;
    } else {
        bool same = false;
        if (last_component) {
            const QString text = QStringLiteral("Gleiches Bauteil ") + "(" + dos_to_latin1_qstring(last_component->name) +
                                 ")" + " wie zuvor?";
            same = qt_question_box(QMessageBox::Information, QStringLiteral("Bauteil"), text) == QMessageBox::Yes;
        }
        if (!same) {
            SelectedComponent* chosen = select_component(3);
            if (!chosen) return 0;
            last_component = chosen;
        }
    }

    std::string export_file;
    std::string delete_after;
    if (last_component->archived) {
        // Without the unpacked export file the tool has nothing to work on.
        if (extract_from_archive(last_component->archive_path, "AAAA.EX2", temp.c_str()) != 0) return 0;
        export_file = path_join(temp, "AAAA.EX2");
        delete_after = export_file;
    } else {
        export_file = native_path(std::string(last_component->path_stem) + ".EX2");
    }

    if (FindVYKWindow(kToolTitle, 26)) {
        qt_message_box(QMessageBox::Information, QStringLiteral("Info"),
                       QString::fromUtf8("Das VYK-Werkzeug zur Auswahl von Schnittgrößen-\n"
                                         "sätzen ist bereits aktiv. Bitte schließen Sie\n"
                                         "das Fenster und versuchen es erneut."));
        delete_file(delete_after);
        return 0;
    }
    const char* exec = VYKGetEnv("EXEC");
    if (!exec) {
        delete_file(delete_after);
        return 0;
    }
    const std::string program = path_join(native_path(exec), "Trobavex.exe");
    std::vector<std::string> args = {program, export_file, std::to_string(a), std::to_string(b),
                                     std::to_string(c), std::to_string(d)};
    if (n > 0) {
        args.push_back(std::to_string(n));
        for (int i = 0; i < n; ++i) args.push_back(names && names[i] ? names[i] : "");
    }
    std::vector<const char*> argv;
    for (const auto& s : args) argv.push_back(s.c_str());
    argv.push_back(nullptr);

    // A result file of an earlier run must never pass for the answer of this one.
    const std::string result = path_join(temp, "Trobavex.res");
    std::remove(result.c_str());
    std::fflush(nullptr);
    VYKSpawnv(1, program.c_str(), argv.data());
    watch_tool_window(kToolTitle, 26, kWaitText, 34, -110);
    delete_file(delete_after);

    FILE* f = std::fopen(result.c_str(), "rb");
    if (!f) return 0;
    const int rows = read_beam_cut_results(f, n);
    std::fclose(f);
    return rows;
}

VYKExportObject* imported_force_header(int set)
{
    if (imported_forces.valid != 1 || set < 0 || set >= imported_forces.set_count || set >= 16) return nullptr;
    return imported_forces.headers[set];
}

int imported_force_rows_of_set(int set)
{
    if (imported_forces.valid != 1 || set < 0 || set >= imported_forces.set_count || set >= IMPORT_MAX_SETS)
        return 0;
    return imported_forces.rows_per_set[set];
}

int imported_force_values(int row, float* values)
{
    if (!valid_row(row)) return 0;
    const ImportedCutRow& r = imported_forces.rows[row];
    if (r.values && values) std::memcpy(values, r.values, sizeof(float) * size_t(imported_forces.values_per_row));
    return 1;
}

int imported_force_accidental(int row) { return valid_row(row) ? imported_forces.rows[row].accidental : 0; }
double imported_force_kmod(int row) { return valid_row(row) ? double(imported_forces.rows[row].kmod) : 0.0; }
const char* imported_force_text1(int row) { return text_slot(row, 0); }
const char* imported_force_text2(int row) { return text_slot(row, 1); }
const char* imported_force_text3(int row) { return text_slot(row, 2); }
const char* imported_force_text4(int row) { return text_slot(row, 3); }
const char* imported_force_text5(int row) { return text_slot(row, 4); }
const char* imported_force_text6(int row) { return text_slot(row, 5); }
const char* imported_force_text7(int row) { return text_slot(row, 6); }
