#include "core/import_forces.h"

#include "core/tavo52_data.h"
#include <QStringList>
#include "environment/tool_exchange.h"
#include "environment/vykexport.h"
#include "platform/env/message_box.h"
#include "platform/env/vyk_env.h"
#include "platform/env/vyk_process.h"
#include "platform/os/atomic_file.h"
#include "platform/os/paths.h"
#include "platform/os/regular_file.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

ImportedForces imported_forces = {};
SelectedComponent* last_component = nullptr;

namespace {

// "VYK - Schnittgrößenauswahl" in Windows-1252: 26 bytes.
const char kToolTitle[] = "VYK - Schnittgr\xF6\xDF" "enauswahl";

bool valid_row(int row) { return imported_forces.valid == 1 && row >= 0 && row < imported_forces.row_count; }

const char* text_slot(int row, int slot) { return valid_row(row) ? imported_forces.rows[row].texts[slot] : nullptr; }

void delete_file(const std::string& path)
{
    if (!path.empty()) std::remove(path.c_str());
}

std::string g_failure;

// The TEMP folder named with what keeps the tool from writing there; empty when it can write.
std::string temp_refusal(const std::string& temp)
{
    const std::string why = folder_write_refusal(temp);
    return why.empty() ? why : "Der TEMP-Ordner\n" + absolute_path(temp) + "\n" + why + ".";
}

// Why the result file at path brought nothing in; a full TEMP folder is named as its likely cause.
void result_failure(const std::string& path, const std::string& temp, const std::string& why)
{
    g_failure = "Die Ergebnisdatei des Schnittgrößenwerkzeugs\n" + absolute_path(path) + "\n" + why + ".";
    const std::string full = temp_refusal(temp);
    if (!full.empty()) g_failure += "\n" + full;
}

// What unpacking the component's archive answered, as extract_from_archive numbers it.
std::string extract_failure(int code)
{
    switch (code) {
    case 1: return "das Archiv kann nicht gelesen werden";
    case 2: return "der TEMP-Ordner ist nicht beschreibbar";
    case 3: return "EXEC ist nicht gesetzt";
    case 4: return "TEMP ist nicht gesetzt";
    default: return "7-Zip fehlt oder meldet einen Fehler (Protokoll 7zprot.txt im TEMP-Ordner)";
    }
}

} // namespace

std::string imported_forces_failure(void) { return g_failure; }

void free_imported_forces(void) { beamcut_table_free_rows(&imported_forces); }

void clear_imported_forces(void) { beamcut_table_clear(&imported_forces); }

int read_beam_cut_results(FILE* f, int n, std::string* why) { return beamcut_table_read(&imported_forces, f, n, why); }

int Import_BeamCutMultiResults(SelectedComponent* component, int a, int b, int c, int d, int n,
                               const char* const* names)
{
    free_imported_forces();
    imported_forces.valid = 0;
    g_failure.clear();
    if (n > IMPORT_MAX_SETS) {
        std::printf("Import_BeamCutMultiResults0: n=%d ? to much :-(\n", n);
        return 0;   // the per-set tables hold ten sets
    }
    const char* temp_env = VYKGetEnv("TEMP");
    if (!temp_env) return 0;
    const std::string temp = temp_env;
    // The tool answers through a file in TEMP: where it cannot write, it is not started.
    g_failure = temp_refusal(temp);
    if (!g_failure.empty()) {
        g_failure += "\nDas Schnittgrößenwerkzeug kann dort keine Ergebnisdatei schreiben.";
        return 0;
    }

    if (component) {
        last_component = component;
    } else {
        bool same = false;
        if (last_component) {
            const QString text = QStringLiteral("Gleiches Bauteil ") + "(" + dos_to_latin1_qstring(last_component->name) +
                                 ")" + " wie zuvor?";
            same = question_box(BoxIcon::Information, QStringLiteral("Bauteil"), text) == BoxAnswer::Yes;
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
        const int failed = extract_from_archive(last_component->archive_path, "AAAA.EX2", temp.c_str());
        if (failed != 0) {
            g_failure = "Das Bauteil kann nicht aus dem Archiv\n" + absolute_path(last_component->archive_path) +
                        "\nentpackt werden: " + extract_failure(failed) + ".";
            return 0;
        }
        export_file = path_join(temp, "AAAA.EX2");
        delete_after = export_file;
    } else {
        export_file = native_path(std::string(last_component->path_stem) + ".EX2");
    }

    if (FindVYKWindow(kToolTitle, 26)) {
        message_box(BoxIcon::Information, QStringLiteral("Info"),
                    QString::fromUtf8("Das VYK-Werkzeug zur Auswahl von Schnittgrößen-\n"
                                      "sätzen ist bereits aktiv. Bitte schließen Sie\n"
                                      "das Fenster und versuchen es erneut."));
        delete_file(delete_after);
        return 0;
    }
    const std::string result = beamcut_run_tool(temp, export_file, a, b, c, d, n, names);
    delete_file(delete_after);
    if (result.empty()) {
        g_failure = "EXEC ist nicht gesetzt: das Schnittgrößenwerkzeug kann nicht gestartet werden.";
        return 0;
    }
    FileRefusal refused;
    FILE* f = open_regular_file(result, file_bounds::kToolResult, "rb", &refused);
    if (!f) {
        result_failure(result, temp,
                       refused.missing ? "fehlt: das Werkzeug wurde ohne Auswahl geschlossen oder konnte sie nicht schreiben"
                                       : refused.reason);
        return 0;
    }
    std::string why;
    const int rows = read_beam_cut_results(f, n, &why);
    std::fclose(f);
    if (rows == 0) result_failure(result, temp, why.empty() ? "kann nicht gelesen werden" : why);
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

double imported_kmod_decimal(double widened)
{
    const float single = float(widened);
    if (!std::isfinite(single) || double(single) != widened) return widened;
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, single);   // shortest form that reads back as the float
    double decimal = widened;
    std::from_chars(buf, r.ptr, decimal);
    return decimal;
}

QString imported_load_refusal(int number, const LoadRow& load)
{
    const struct {
        const char* name;
        double value;
    } forces[] = {{"N_d links", load.n_l},  {"V_d links", load.v_l},  {"M_d links", load.m_l},
                  {"N_d rechts", load.n_r}, {"V_d rechts", load.v_r}, {"M_d rechts", load.m_r}};
    QStringList refused;
    for (const auto& v : forces)
        // Not a number fails every comparison and so is refused with the infinite ones.
        if (!(v.value >= -LOAD_FORCE_LIMIT && v.value <= LOAD_FORCE_LIMIT))
            refused << QString::fromLatin1(v.name) + QStringLiteral(" = ") + QString::number(v.value, 'g', 6);
    if (!load_kmod_plausible(load.kmod)) refused << QStringLiteral("k_mod = ") + QString::number(load.kmod, 'g', 6);
    if (refused.isEmpty())
        return QString();
    return QStringLiteral("Kombination %1 \"%2\" nicht übernommen: %3 (erlaubt sind Kräfte und Momente von %4 bis %5, "
                          "%6)\n")
        .arg(number)
        .arg(load.name, refused.join(QStringLiteral(", ")), QString::number(-LOAD_FORCE_LIMIT),
             QString::number(LOAD_FORCE_LIMIT), QString::fromUtf8(LOAD_KMOD_ALLOWED));
}
