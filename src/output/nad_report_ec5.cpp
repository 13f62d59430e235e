#include "output/nad_report_ec5.h"
#include "platform/os/c_numeric.h"
#include "output/nad_report_common.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_rules.h"
#include "platform/layout/oli_layout.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Slot of the remembered vertical position at the top of the two-column layout.
const int kColumnTopSlot = 4;

void write_heading(FILE* f)
{
    c_fprintf(f, "#SHOWTABLE\n1 3 0\n");
    c_fprintf(f, " Ausgew\204hlte Nachweisparameter des nationalen Anhangs\n");
    c_fprintf(f, " %s\n", nad_applied_set_name());
    c_fprintf(f, " \n");
    c_fprintf(f, " DIN EN 1995-1-1 und DIN EN 1995-1-2 (EC5)\n");
    c_fprintf(f, "0 0 0 0 0\n");
    OLI_setYPositionCM(f, 1, -0.5f);
}

void write_material_factors(FILE* f, const NadEc5Block* b)
{
    c_fprintf(f, "#SHOWTABLE\n0 1 0\n");
    c_fprintf(f, " Materialsicherheitsbeiwerte\n");
    c_fprintf(f, "1 0 -1 -1 2\n 27 45\n");
    c_fprintf(f, " Bemessungssituation         Holzart            Wert\n");
    c_fprintf(f, " st\204ndig und vor\201bergehend   Vollholz           %.2f\n", b->gamma_m_solid);
    c_fprintf(f, "                             Brettschichtholz   %.2f\n", b->gamma_m_glulam);
    c_fprintf(f, " au\341ergew\224hnlich             alle Arten         %.2f\n", b->gamma_m_accidental);
    c_fprintf(f, " Brandschutz                 alle Arten         %.2f\n", b->gamma_m_fire);
    c_fprintf(f, "#END_OF_TEXT\n");
}

void write_service_class_head(FILE* f, const char* title)
{
    c_fprintf(f, "#SHOWTABLE\n0 1 0\n");
    c_fprintf(f, " %s\n", title);
    c_fprintf(f, "2 0 -1 -1 1\n 10\n");
    c_fprintf(f, "            Nutzungsklasse\n");
}

void write_modification_factors(FILE* f, const NadEc5Block* b)
{
    static const char* const kDurations[5] = {"st\204ndig", "lange", "mittel", "kurz", "sehr kurz"};
    write_service_class_head(f, "Modifikationsbeiwerte");
    c_fprintf(f, " KLED        1     2     3\n");
    for (int d = 0; d < 5; ++d)
        c_fprintf(f, " %-10s%4.2f  %4.2f  %4.2f\n", kDurations[d], b->kmod[d][0], b->kmod[d][1], b->kmod[d][2]);
    c_fprintf(f, "#END_OF_TEXT\n");
}

void write_deformation_factors(FILE* f, const NadEc5Block* b)
{
    write_service_class_head(f, "Verformungsbeiwerte");
    c_fprintf(f, "             1     2     3\n");
    c_fprintf(f, " k\316\\def\316r      %4.2f  %4.2f  %4.2f\n", b->kdef[0], b->kdef[1], b->kdef[2]);
    c_fprintf(f, "#END_OF_TEXT\n");
}

void write_deflection_limits(FILE* f, const NadEc5Block* b)
{
    // Each label pads to the same printed width; the inline codes print nothing.
    static const char* const kLabels[3] = {" w\316\\inst\316r        ", " w\316\\fin\316r         ",
                                           " w\316\\net,fin\316r     "};
    c_fprintf(f, "#SHOWTABLE\n0 1 1\n");
    c_fprintf(f, " Verformungsgrenzwerte\n");
    c_fprintf(f, " gem\204\341 DIN EN 1995-1-1 Abschnitt 7.2 Tab. 7.2\n");
    c_fprintf(f, "1 0 -1 -1 1\n 10\n");
    c_fprintf(f, " Nachweis     normal    Kragarm\n");
    for (int i = 0; i < 3; ++i)
        c_fprintf(f, "%sl/%3.0f    l/%3.0f\n", kLabels[i], b->deflection_limits[i][0], b->deflection_limits[i][1]);
    c_fprintf(f, "#END_OF_TEXT\n");
}

// national_annex: the crack factors of the German annex, else the two fixed values.
void write_crack_factor(FILE* f, int national_annex)
{
    c_fprintf(f, "#SHOWTABLE\n0 1 2\n");
    c_fprintf(f, " Rissfaktor\n");
    c_fprintf(f, " Rissfaktor k\316\\cr\316r zur Festlegung der effektiven Querschnittsbreite\n");
    c_fprintf(f, " bei der Ermittlung der Schubspannungen aus Querkraft\n");
    c_fprintf(f, "0 0 -1 -1 0\n");
    if (national_annex) {
        c_fprintf(f, " k\316\\cr\316r = 2.0/f\316\\v,k\316r   f\201r Nadelholz\n");
        c_fprintf(f, " k\316\\cr\316r = 0.67       f\201r Laubholz\n");
        c_fprintf(f, " k\316\\cr\316r = 2.5/f\316\\v,k\316r   f\201r Brettschichtholz\n");
        c_fprintf(f, " k\316\\cr\316r = 1.0        sonst\n");
    } else {
        c_fprintf(f, " k\316\\cr\316r = 0.67       f\201r Voll- und Brettschichtholz\n");
        c_fprintf(f, " k\316\\cr\316r = 1.00       sonst\n");
    }
    c_fprintf(f, "#END_OF_TEXT\n");
}

void write_torsion(FILE* f, const NadEc5Block* b)
{
    c_fprintf(f, "#SHOWTABLE\n0 2 0\n");
    c_fprintf(f, " Abminderungsfaktor zum Nachweis der Torsionsspannungen:\n");
    c_fprintf(f, " k\316\\shape\316r = 1 + %.2f h/b, jedoch maximal %.2f\n", b->kshape_factor, b->kshape_max);
    c_fprintf(f, "0 0 0 0 0\n");
}

void write_net_final_deflection(FILE* f, const NadEc5Block* b)
{
    c_fprintf(f, "#SHOWTABLE\n0 3 1\n");
    c_fprintf(f, " Ermittlung der Netto-Enddurchbiegung nach EC5 (7.2): \n");
    c_fprintf(f, " w\316\\net,fin\316r = w\316\\inst\316r + w\316\\creep\316r - w\316\\c\316r   mit w\316\\inst\316r aus\n");
    if (b->wnetfin_mode == 1) {
        c_fprintf(f, " charakteristischer Kombination\n");
        c_fprintf(f, " gem\204\341 EC5 (7.2) (2.2)...(2.5)\n");
    } else {
        c_fprintf(f, " quasist\204ndiger Kombination\n");
        c_fprintf(f, " gem\204\341 NAD Deutschland \216nderung A1, (NA.A1)\n");
    }
    c_fprintf(f, "0 0 0 0 0\n");
}

void write_buckling(FILE* f, const NadEc5Block* b)
{
    c_fprintf(f, "#SHOWTABLE\n0 2 0\n");
    c_fprintf(f, " Ermittlung der bezogenen Kippschlankheit beim Biegedrillknicknachweis (nur f\201r Brettschichtholz):\n");
    // The factor is a rule of the German annex; a set without an annex names it plainly.
    if (b->country)
        c_fprintf(f, " Faktor gem\204\341 NCI Zu 6.3.3(2) = %.2f\n", b->ltb_factor);
    else
        c_fprintf(f, " Faktor f\201r die bezogene Kippschlankheit = %.2f\n", b->ltb_factor);
    c_fprintf(f, "0 0 0 0 0\n");
}

// One chapter line: clause (13 columns), the 29-column value text and its meaning.
void chapter_line(FILE* f, const char* clause, const char* value, const char* meaning)
{
    c_fprintf(f, " %-13s%s %s\n", clause, value, meaning);
}

void write_partial_factor_lines(FILE* f, const NadEc5Block* b)
{
    struct Row { const char* material; double value; };
    const Row rows[] = {
        {"Vollholz", b->gamma_m_solid},
        {"Brettschichtholz", b->gamma_m_glulam},
        {"Brettsperrholz", b->gamma_m_clt},
        {"LVL, Sperrholz, OSB", b->gamma_m_lvl_plywood_osb},
        {"Spanplatten", b->gamma_m_particleboard},
        {"Harte Faserplatten", b->gamma_m_hard_fibreboard},
        {"Mittelharte Faserplatten", b->gamma_m_medium_fibreboard},
        {"MDF-Faserplatten", b->gamma_m_mdf},
        {"Weiche Faserplatten", b->gamma_m_soft_fibreboard},
        {"Verbindungen", b->gamma_m_connections},
        {"Nagelplatten", b->gamma_m_punched_metal_plates},
        {"Stahl in Verbindungen", b->gamma_m_steel_in_connections},
        {"Gipskarton, etc.", b->gamma_m_plasterboard},
    };
    // The last two rows belong to the German annex only.
    const int count = b->country ? 13 : 11;
    c_fprintf(f, " 2.4.1                                      Teilsicherheitsbeiwerte\n");
    for (int i = 0; i < count; ++i)
        c_fprintf(f, " %-13s\300\316\\M\316r = %4.2f                    %s\n", i == 0 ? "Tab. 2.3" : "",
                rows[i].value, rows[i].material);
}

// The switches of the German annex, each with an empty line after it.
void write_annex_switches(FILE* f, const NadEc5Block* b)
{
    chapter_line(f, "3.1.3", b->use_table_na4 ? "Tabelle NA.4 anwenden        " : "Tabelle NA.4 nicht anwenden  ",
                 "Modifikationsbeiwerte");
    c_fprintf(f, " \n");
    chapter_line(f, "8.3.2", b->use_table_na15 ? "Tabelle NA.15 anwenden       " : "Tabelle NA.15 nicht anwenden ",
                 "f\316\\ax\316r, f\316\\head\316r f\201r profilierte N\204gel");
    c_fprintf(f, " \n");
    chapter_line(f, "8.3.1.2(2)P", b->use_na11 ? "NA.11 anwenden               " : "NA.11 nicht anwenden         ",
                 "Holz-Holz-Nagelverbindungen, Einschlagtiefen > 4 d");
    c_fprintf(f, " \n");
    chapter_line(f, "8.5.3 (2)", b->threaded_rods_na ? "Gewindestangen nach NAD      " : "keine Gewindestangen         ",
                 "Gewindestangen");
    c_fprintf(f, " \n");
    chapter_line(f, "6.3.3 (7)", b->ltb_na ? "Biegedrillknicken nach NAD   " : "Biegedrillknicken nach EC 5  ",
                 "Biegedrillknicknachweis");
    c_fprintf(f, " \n");
    chapter_line(f, "8.2.4 (1)",
                 b->simplified_fasteners_na ? "vereinfachtes Verf. nach NAD " : "Verfahren nach EC 5          ",
                 "Verbindungsmittel");
    c_fprintf(f, " \n");
    c_fprintf(f, " 9.2.4.2      %s\n",
            b->use_na20 ? "Abminderung der Tragf.        bei hor. Sto\341 und kurzen Tafeln" : "Keine Abminderung der Tragf.");
    c_fprintf(f, " (NA.20)  \n");
    c_fprintf(f, " 9.2.4.2      %s\n",
            b->use_na21 ? "Erh\224hung der char. Tragf.     bei Schwellenpressung um 20%" : "Keine Erh\224hung der char. Tragf.");
    c_fprintf(f, " (NA.21)  \n");
    c_fprintf(f, " 6.1          %s\n",
            b->use_na816 ? "Abm. der Zugfestigkeit        bei sym. ausgef\201hrten Zugverbindungen."
                         : "keine Abm. der Zugfestigkeit      bei sym. ausgef\201hrten Zugverbindungen.");
    c_fprintf(f, " (NA.8.1.6)  \n");
    c_fprintf(f, " 8.6          %s\n",
            b->use_na7_hole ? "Bohrlochdurchmesser bei       Stahlteilen um 1mm erh\224hen"
                            : "keine Erh\224hung des Bohrlochdurchmessers bei Stahlteilen");
    c_fprintf(f, " (NA.7)  \n");
}

void write_chapter_table_text(FILE* f, const NadEc5Block* b)
{
    nad_report_chapter_head(f);
    // Table NA.1 belongs to the German annex: a set without an annex assigns by the code itself.
    const char* assignment = !b->country          ? "Zuordnung nach EC 5          "
                             : b->use_table_na1   ? "Tabelle NA.1 anwenden        "
                                                  : "Tabelle NA.1 nicht anwenden  ";
    chapter_line(f, "2.3.1.2(2)P", assignment, "Zuordnung von Einwirkungen zu Klassen der Lasteinwirkungsdauer");
    c_fprintf(f, " \n");
    write_partial_factor_lines(f, b);
    if (b->country) {
        c_fprintf(f, " \n");
        write_annex_switches(f, b);
        c_fprintf(f, "\n#END_OF_TEXT\n");
        if (!ec5_section[5]) write_crack_factor(f, 1);
        c_fprintf(f, "\n");
    } else {
        c_fprintf(f, "\n#END_OF_TEXT\n");
        if (!ec5_section[5]) write_crack_factor(f, 0);   // else it stands above already
    }
    c_fprintf(f, "\n#END_OF_TEXT\n");
}

// The chapter table starts on a new page unless all of it fits on this one: its two-line rows
// ("9.2.4.2 ..." and "(NA.21)") must not part at a page break. About 0.32 cm a line.
void write_chapter_table(FILE* f, const NadEc5Block* b)
{
    char* text = nullptr;
    size_t size = 0;
    FILE* buffer = open_memstream(&text, &size);
    if (!buffer) {
        write_chapter_table_text(f, b);
        return;
    }
    write_chapter_table_text(buffer, b);
    fclose(buffer);
    int lines = 0;
    for (size_t i = 0; i < size; ++i) lines += text[i] == '\n';
    OLI_reserveSpaceCM(f, 0.32f * float(lines) + 0.5f);
    fwrite(text, 1, size, f);
    free(text);
}

} // namespace

void nad_ec5_report(FILE* f)
{
    if (!f) return;
    const NadEc5Block* b = nad_part_ec5();
    if (!b) return;
    nad_ec5_report_select();
    const int* s = ec5_section;
    OLI_setFlags(f, kNadReportFlags);
    OLI_setMarginsCM(f, 1, 0, 0);
    OLI_reserveSpaceCM(f, 6);
    bool any = false;
    for (int i = 0; i < 8; ++i) any = any || s[i];
    if (any) write_heading(f);
    if (s[0]) OLI_storeYPosition(f, kColumnTopSlot);
    if (s[1]) {
        write_material_factors(f, b);
        if (s[0]) {   // the following tables stand in a second column
            OLI_restoreYPosition(f, kColumnTopSlot);
            OLI_setMarginsCM(f, 1, 11, 0);
        }
    }
    if (s[2]) write_modification_factors(f, b);
    if (s[3]) write_deformation_factors(f, b);
    if (s[4]) {
        write_deflection_limits(f, b);
        if (s[0]) {
            OLI_setMarginsCM(f, 1, 0, 0);
            OLI_setYPositionCM(f, 1, -6.2f);
        }
    }
    // The crack factors of the German annex only with a set of that annex.
    if (s[5]) write_crack_factor(f, b->country && b->kcr_mode != 1);
    if (s[8]) write_torsion(f, b);
    if (s[6]) write_net_final_deflection(f, b);
    // The buckling line runs across the page: it goes below both columns.
    if (s[0]) OLI_setYPositionCM(f, 4, 0);
    if (s[0]) write_buckling(f, b);
    if (s[7]) write_chapter_table(f, b);
}
