#include "environment/beamcut_import.h"

#include "environment/text_block.h"
#include "environment/tool_exchange.h"
#include "environment/vykexport.h"
#include "platform/env/vyk_env.h"
#include "platform/env/vyk_message.h"
#include "platform/env/vyk_process.h"
#include "platform/os/c_numeric.h"
#include "platform/os/paths.h"
#include "platform/os/regular_file.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// "VYK - Schnittgrößenauswahl" in Windows-1252: 26 bytes.
const char kToolTitle[] = "VYK - Schnittgr\xF6\xDF" "enauswahl";
// "Bitte wählen Sie Schnittgrößen aus" in code page 850: 34 bytes.
const char kWaitText[] = "Bitte w\x84hlen Sie Schnittgr\x94\xE1" "en aus";
constexpr int kTitleLength = 26, kWaitLength = 34, kWaitOffset = -110;
constexpr int kMaxArguments = 6 + 1 + BEAMCUT_MAX_SETS;
// Far more rows than any tool writes; a count above it is a damaged file.
constexpr long long kMaxRows = 100000000;
constexpr int kInfoTexts = 5;   // text slots 3 to 7 of the single-cut form

BeamCutTable table = {};
SelectedComponent* last_used = nullptr;

void free_row(BeamCutRow& r)
{
    std::free(r.values);
    r.values = nullptr;
    for (char*& t : r.texts) {
        std::free(t);
        t = nullptr;
    }
}

void free_headers(BeamCutTable* t)
{
    for (VYKExportObject*& h : t->headers) {
        vyk_export_object_free(h);
        h = nullptr;
    }
}

// What a failed read of the result file lacks: the line the reading stopped in, and whether the
// file ended there (cut short) or held something else (damaged).
struct ReadFault {
    std::string* why;
    void set(FILE* f, const std::string& expected) const
    {
        if (!why) return;
        const bool ended = std::feof(f) != 0;
        const long at = std::ftell(f);
        long line = 1;
        if (at > 0 && std::fseek(f, 0, SEEK_SET) == 0)
            for (long k = 0; k < at; ++k) {
                const int c = std::fgetc(f);
                if (c == EOF) break;
                line += c == '\n';
            }
        *why = ended ? "endet in Zeile " + std::to_string(line) + " vorzeitig (unvollständig: " + expected + ")"
                     : "ist in Zeile " + std::to_string(line) + " beschädigt (" + expected + ")";
    }
    void say(const std::string& text) const
    {
        if (why) *why = text;
    }
};

// A marked text into a slot: 1 when read (an empty text leaves the slot null), 0 when missing.
bool read_text(FILE* f, char*& slot)
{
    char buffer[MARKED_STRING_SIZE];
    const int len = read_marked_string(f, buffer);
    // A text the file ends in before its closing mark is cut off.
    if (len < 0 || std::feof(f)) return false;
    if (len > 0) {
        slot = strdup(buffer);
        if (!slot) return false;
    }
    return true;
}

// One row: the values, the accidental flag and k_mod, and the two texts.
bool read_row(FILE* f, int n_values, BeamCutRow& row, const ReadFault& fault)
{
    row.values = static_cast<float*>(std::calloc(size_t(n_values), sizeof(float)));
    if (!row.values) {
        fault.say("ist zu groß für den Arbeitsspeicher");
        return false;
    }
    for (int k = 0; k < n_values; ++k)
        if (c_fscanf(f, " %f", &row.values[k]) != 1) {
            fault.set(f, "Zahl erwartet");
            return false;
        }
    if (c_fscanf(f, "%d", &row.accidental) != 1) {
        fault.set(f, "ganze Zahl erwartet");
        return false;
    }
    if (c_fscanf(f, "%f", &row.kmod) != 1) {
        fault.set(f, "k_mod erwartet");
        return false;
    }
    if (read_text(f, row.texts[0]) && read_text(f, row.texts[1])) return true;
    fault.set(f, "Text zwischen den Zeichen 0xAE und 0xAF erwartet");
    return false;
}

// Reads `total` rows; on success they become the table's rows (valid set), else none stay.
bool read_rows(BeamCutTable* t, FILE* f, long long total, int n_values, const ReadFault& fault = ReadFault{nullptr})
{
    // Rows are collected as they are read, so a count the file does not back takes no memory.
    std::vector<BeamCutRow> rows;
    for (long long r = 0; r < total; ++r) {
        BeamCutRow row = {};
        if (!read_row(f, n_values, row, fault)) {
            free_row(row);
            for (auto& done : rows) free_row(done);
            return false;
        }
        rows.push_back(row);
    }
    t->rows = static_cast<BeamCutRow*>(std::malloc(sizeof(BeamCutRow) * rows.size()));
    if (!t->rows) {
        for (auto& done : rows) free_row(done);
        fault.say("ist zu groß für den Arbeitsspeicher");
        return false;
    }
    std::memcpy(t->rows, rows.data(), sizeof(BeamCutRow) * rows.size());
    t->row_count = int(total);
    t->values_per_row = n_values;
    t->valid = 1;
    return true;
}

void delete_file(const std::string& path)
{
    if (!path.empty()) std::remove(path.c_str());
}

bool valid_row(int row) { return table.valid == 1 && row >= 0 && row < table.row_count; }
const char* text_slot(int row, int slot) { return valid_row(row) ? table.rows[row].texts[slot] : nullptr; }

// The component of this import: the one given, the last one when the user confirms it, or a new
// selection. Null when nothing was chosen.
SelectedComponent* choose_component(SelectedComponent* given)
{
    if (given) return last_used = given;
    if (last_used) {
        Init_Message();
        Fill_Message("Gleiches Bauteil");
        const std::string name = std::string("(") + last_used->name + ")";
        Fill_Message(name.c_str());
        Fill_Message("wie zuvor?");
        if (Answer_is_Yes(1) == 1) return last_used;
    }
    SelectedComponent* chosen = select_component(3);
    if (chosen) last_used = chosen;
    return chosen;
}

// The export file of the component; an archived one is unpacked into temp first and named in
// delete_after. False when unpacking failed: the tool would have nothing to work on.
bool export_file_of(const SelectedComponent* c, const std::string& temp, std::string* file, std::string* delete_after)
{
    if (c->archived) {
        if (extract_from_archive(c->archive_path, "AAAA.EX2", temp.c_str()) != 0) return false;
        *file = *delete_after = path_join(temp, "AAAA.EX2");
    } else {
        *file = native_path(std::string(c->path_stem) + ".EX2");
    }
    return true;
}

// Runs the tool for the component and opens its result file; null when the import ends early.
FILE* run_for_component(SelectedComponent* given, int a, int b, int c, int d, int n, const char* const* labels)
{
    const char* temp_env = VYKGetEnv("TEMP");
    if (!temp_env) return nullptr;
    const std::string temp = temp_env;
    SelectedComponent* component = choose_component(given);
    if (!component) return nullptr;
    std::string export_file, delete_after;
    if (!export_file_of(component, temp, &export_file, &delete_after)) return nullptr;
    if (FindVYKWindow(kToolTitle, kTitleLength)) {
        Init_Message();
        Fill_Message("Das VYK-Werkzeug zur Auswahl von Schnittgr\x94\xE1" "en-");
        Fill_Message("s\x84tzen ist bereits aktiv. Bitte schlie\xE1" "en Sie");
        Fill_Message("das Fenster und versuchen es erneut.");
        Draw_Message();
        delete_file(delete_after);
        return nullptr;
    }
    const std::string result = beamcut_run_tool(temp, export_file, a, b, c, d, n, labels);
    delete_file(delete_after);
    return result.empty() ? nullptr : open_regular_file(result, file_bounds::kToolResult, "rb");
}

// The five info texts of every row after the line "<rows> Info"; stops at the first missing one.
void read_info_block(FILE* f)
{
    int count = 0;
    if (c_fscanf(f, " %d Info", &count) != 1 || count != table.row_count) return;
    for (int r = 0; r < table.row_count; ++r)
        for (int k = 0; k < kInfoTexts; ++k)
            if (!read_text(f, table.rows[r].texts[2 + k])) return;
}

} // namespace

void beamcut_table_free_rows(BeamCutTable* t)
{
    if (t->rows) {
        for (int i = 0; i < t->row_count; ++i) free_row(t->rows[i]);
        std::free(t->rows);
    }
    t->rows = nullptr;
    t->row_count = 0;
}

void beamcut_table_clear(BeamCutTable* t)
{
    beamcut_table_free_rows(t);
    free_headers(t);
    t->values_per_row = 0;
    t->valid = 0;
    t->set_count = 0;
}

int beamcut_table_read(BeamCutTable* t, FILE* f, int n, std::string* why)
{
    const CNumericScope c_numbers;
    const ReadFault fault{why};
    beamcut_table_clear(t);
    if (!f || n < 1 || n > BEAMCUT_MAX_SETS) return 0;
    const int first = std::fgetc(f);
    if (first == EOF) {
        fault.say("ist leer");
        return 0;
    }
    std::ungetc(first, f);

    if (!find_keyword_line("MULTICUT", f, nullptr)) {
        fault.say("enthält keine Zeile \"MULTICUT\" (keine Ergebnisdatei des Werkzeugs oder beschädigt)");
        return 0;
    }
    int sets = 0;
    if (c_fscanf(f, " %d", &sets) != 1) {
        fault.set(f, "Anzahl der Sätze erwartet");
        return 0;
    }
    t->set_count = sets;
    if (sets != n) {
        fault.set(f, std::to_string(sets) + " Sätze statt " + std::to_string(n));
        return 0;
    }
    for (int s = 0; s < n; ++s) t->headers[s] = vyk_export_object_read(f);

    if (!find_keyword_line("RESULTS", f, nullptr)) {
        fault.say("enthält keine Zeile \"RESULTS\" (unvollständig oder beschädigt)");
        return 0;
    }
    long long total = 0;
    for (int s = 0; s < n; ++s) {
        int rows = 0;
        // A negative count would shift the rows of every later set.
        if (c_fscanf(f, " %d", &rows) != 1 || rows < 0) {
            fault.set(f, "Anzahl der Zeilen eines Satzes erwartet");
            return 0;
        }
        t->rows_per_set[s] = rows;
        total += rows;
    }
    if (total <= 0) {
        fault.say("enthält keine Schnittgrößenkombination");
        return 0;
    }
    if (total > kMaxRows) {
        fault.set(f, "mehr als " + std::to_string(kMaxRows) + " Zeilen angegeben");
        return 0;
    }
    return read_rows(t, f, total, 6 * n, fault) ? t->row_count : 0;
}

void beamcut_tool_arguments(const std::string& program, const std::string& export_file, int a, int b, int c,
                            int d, int n, const char* const* labels, std::string* out, int* count)
{
    int k = 0;
    out[k++] = program;
    out[k++] = export_file;
    for (int v : {a, b, c, d}) out[k++] = std::to_string(v);
    if (n > 0 && n <= BEAMCUT_MAX_SETS) {
        out[k++] = std::to_string(n);
        for (int i = 0; i < n; ++i) out[k++] = labels && labels[i] ? labels[i] : "";
    }
    *count = k;
}

std::string beamcut_run_tool(const std::string& temp, const std::string& export_file, int a, int b, int c, int d,
                             int n, const char* const* labels)
{
    const char* exec = VYKGetEnv("EXEC");
    if (!exec) return {};
    const std::string program = path_join(exec, "Trobavex.exe");
    std::string args[kMaxArguments];
    int count = 0;
    beamcut_tool_arguments(program, export_file, a, b, c, d, n, labels, args, &count);
    const char* argv[kMaxArguments + 1];
    for (int i = 0; i < count; ++i) argv[i] = args[i].c_str();
    argv[count] = nullptr;

    // A result file of an earlier run must never pass for the answer of this one.
    const std::string result = path_join(temp, "Trobavex.res");
    std::remove(result.c_str());
    std::fflush(nullptr);
    VYKSpawnv(1, program.c_str(), argv);
    watch_tool_window(kToolTitle, kTitleLength, kWaitText, kWaitLength, kWaitOffset);
    return result;
}

int import_beamcut_multi_classic(SelectedComponent* component, int a, int b, int c, int d, int n,
                                 const char* const* labels)
{
    beamcut_table_free_rows(&table);
    table.valid = 0;
    if (n > BEAMCUT_MAX_SETS) {
        std::printf("Import_BeamCutMultiResults0: n=%d ? to much :-(\n", n);
        return 0;   // the per-set tables hold ten sets
    }
    FILE* f = run_for_component(component, a, b, c, d, n, labels);
    if (!f) return 0;
    const int rows = beamcut_table_read(&table, f, n);
    std::fclose(f);
    return rows;
}

int import_beamcut_multi(int a, int b, int c, int d, int n, const char* const* labels)
{
    return import_beamcut_multi_classic(nullptr, a, b, c, d, n, labels);
}

int beamcut_read_single(FILE* f)
{
    const CNumericScope c_numbers;
    beamcut_table_clear(&table);
    if (!f) return 0;
    int version = 0, rows = 0, per_row = 0;
    if (c_fscanf(f, " V:%d", &version) != 1) return 0;
    if (c_fscanf(f, "%d%d", &rows, &per_row) != 2 || rows <= 0 || per_row <= 0) return 0;
    if ((long long)rows * per_row > kMaxRows) return 0;
    if (!read_rows(&table, f, rows, per_row)) return 0;
    read_info_block(f);
    return table.row_count;
}

int import_beamcut_single_classic(SelectedComponent* component, int a, int b, int c, int d)
{
    beamcut_table_free_rows(&table);
    table.valid = 0;
    FILE* f = run_for_component(component, a, b, c, d, 0, nullptr);
    if (!f) return 0;
    const int rows = beamcut_read_single(f);
    std::fclose(f);
    return rows;
}

int import_beamcut_single(int a, int b, int c, int d) { return import_beamcut_single_classic(nullptr, a, b, c, d); }

int beamcut_result_values(int row, float* target)
{
    if (!valid_row(row)) return 0;
    const BeamCutRow& r = table.rows[row];
    if (r.values && target) std::memcpy(target, r.values, sizeof(float) * size_t(table.values_per_row));
    return 1;
}

int beamcut_result_accidental(int row) { return valid_row(row) ? table.rows[row].accidental : 0; }
double beamcut_result_kmod(int row) { return valid_row(row) ? double(table.rows[row].kmod) : 0.0; }
const char* beamcut_result_text(int row) { return text_slot(row, 0); }
const char* beamcut_result_text_2(int row) { return text_slot(row, 1); }
const char* beamcut_result_text_3(int row) { return text_slot(row, 2); }
const char* beamcut_result_text_4(int row) { return text_slot(row, 3); }
const char* beamcut_result_text_5(int row) { return text_slot(row, 4); }
const char* beamcut_result_text_6(int row) { return text_slot(row, 5); }
const char* beamcut_result_text_7(int row) { return text_slot(row, 6); }

VYKExportObject* beamcut_set_object(int set)
{
    if (table.valid != 1 || set < 0 || set >= table.set_count || set >= BEAMCUT_MAX_HEADERS) return nullptr;
    return table.headers[set];
}

int beamcut_set_rows(int set)
{
    if (table.valid != 1 || set < 0 || set >= table.set_count || set >= BEAMCUT_MAX_SETS) return 0;
    return table.rows_per_set[set];
}

const char* beamcut_last_component_stem(void) { return last_used ? last_used->path_stem : nullptr; }
void beamcut_results_free(void) { beamcut_table_free_rows(&table); }
void beamcut_import_clear(void) { beamcut_table_clear(&table); }
void beamcut_forget_component(void) { last_used = nullptr; }
