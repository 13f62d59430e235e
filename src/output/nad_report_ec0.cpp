#include "output/nad_report_ec0.h"
#include "platform/os/c_numeric.h"
#include "output/nad_report_common.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_ec0_names.h"
#include "national_annex/nad_registry.h"
#include "platform/layout/oli_layout.h"

namespace {

const char* const kSituationHeadings[4] = {
    " \316HTeilsicherheitsfaktoren f\201r Einwirkungen\n  der st\204ndigen und vor\201bergehenden Bemessungssituation\n",
    " \316HTeilsicherheitsfaktoren f\201r Einwirkungen\n  der au\341ergew\224hnlichen Bemessungssituation\n",
    " \316HTeilsicherheitsfaktoren f\201r Einwirkungen\n  der Erdbebenbemessungssituation\n",
    " \316HTeilsicherheitsfaktoren f\201r Einwirkungen\n  der Gebrauchstauglichkeits- und Erm\201dungsnachweise\n"};

void title(FILE* f, const char* heading)
{
    c_fprintf(f, "#SHOWTABLE\n1 1 0\n");
    fputs(heading, f);
    c_fprintf(f, " %s\n", nad_applied_set_name());
    c_fprintf(f, "0 0 -1 -1\n#END_OF_TEXT\n");
    OLI_setYPositionCM(f, 1, -0.5f);
    OLI_storeYPosition(f, 4);
    OLI_setMarginsCM(f, 1, 0, 0);
}

// One table of partial factors of a design situation; kinds ends with -1.
void factor_table(FILE* f, int situation, const double (*gamma)[2], const char* const* names, const int* kinds,
                  int width)
{
    c_fprintf(f, "#SHOWTABLE\n0 1 1\n");
    fputs(kSituationHeadings[situation], f);
    c_fprintf(f, "1 0 -1 -1 2\n %d %d\n", width + 1, width + 7);
    c_fprintf(f, " %-*s  \300\316\\Fsup\316r \300\316\\Finf\316r\n", width, "Einwirkungsart");
    for (const int* k = kinds; *k >= 0; ++k)
        c_fprintf(f, " %-*s %5.2lf %5.2lf\n", width, names[*k], gamma[*k][0], gamma[*k][1]);
    c_fprintf(f, "#END_OF_TEXT\n");
}

// The four situations as two rows of two tables; the right-hand ones at left_cm.
void four_tables(FILE* f, const double (*gamma)[2], const int* const* kinds, const char* const* names, int width,
                 float left_cm, bool bridges, int last_reserve)
{
    const int stride = bridges ? 15 : 7;
    for (int s = 0; s < 4; ++s) {
        if (s == 1 || s == 3) {
            OLI_restoreYPosition(f, 4);
            OLI_setMarginsCM(f, 65537, left_cm, 0);
        } else if (s == 2) {
            OLI_setYPositionCM(f, 4, 0);
            OLI_setMarginsCM(f, 1, 0, 0);
            OLI_reserveSpaceCM(f, 5);
            OLI_storeYPosition(f, 4);
        }
        factor_table(f, s, gamma + s * stride, names, kinds[s], width);
    }
    OLI_setYPositionCM(f, 4, 0);
    OLI_setMarginsCM(f, 1, 0, 0);
    if (bridges) OLI_storeYPosition(f, 4);
    OLI_reserveSpaceCM(f, last_reserve);
}

void buildings(FILE* f, const NadEc0Block* b)
{
    OLI_setFlags(f, kNadReportFlags);
    OLI_reserveSpaceCM(f, 6);
    title(f, " Lastfaktoren (Hochbau) des nationalen Anhangs\n");
    static const int k04[] = {0, 1, 2, 3, 4, -1}, k05[] = {0, 1, 2, 3, 4, 5, -1}, k046[] = {0, 1, 2, 3, 4, 6, -1};
    static const int* const kinds[4] = {k04, k05, k046, k04};
    four_tables(f, &b->gamma_buildings[0][0], kinds, kEc0BuildingActions, 33, 9.5f, false, 8);
    c_fprintf(f, "#SHOWTABLE\n0 1 1\n \316HKombinationsbeiwerte\n");
    c_fprintf(f, " Die Werte in der \270\316\\2E\316r-Spalte sind die \270\316\\2\316r-Werte f\201r die Erdbebenbemessungssituation\n");
    c_fprintf(f, "1 0 -1 -1 4\n 30 41 47 53\n");
    c_fprintf(f, " %-30s %-10s  \270\316\\0\316r    \270\316\\1\316r    \270\316\\2\316r    \270\316\\2E\316r \n", "Einwirkung",
            "Kategorie");
    for (int r = 0; r < 12; ++r) {
        const double* p = b->psi_buildings[r];
        c_fprintf(f, " %-30s   %-5s   %5.2lf %5.2lf %5.2lf %5.2lf\n", kEc0BuildingPsiRows[r][0], kEc0BuildingPsiRows[r][1], p[0],
                p[1], p[2], p[3]);
    }
    c_fprintf(f, "#END_OF_TEXT\n");
    c_fprintf(f, "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n");
    c_fprintf(f, " \316HAnmerkung:\316r Fl\201ssigkeitsdruck/Maschinenlasten, Zwang sowie Baugrundsetzungen, sonstige Einwirkungen\n");
    c_fprintf(f, "            sind nicht Teil der EN 1990 (Eurocode).\n#END_OF_TEXT\n");
    OLI_resetMaxMargin(f);
}

void psi_head(FILE* f, const char* heading, const char* tabs, int width)
{
    c_fprintf(f, "#SHOWTABLE\n0 1 0\n");
    fputs(heading, f);
    fputs(tabs, f);
    c_fprintf(f, " %-*s   \270\316\\0\316r    \270\316\\1\316r    \270\316\\2\316r \n", width, "Einwirkung");
}

void rail_bridges(FILE* f, const NadEc0Block* b)
{
    OLI_restoreYPosition(f, 4);
    // 9.5 cm, as the tables of buildings: at 9 cm the left-hand tables' last column ran under this one.
    OLI_setMarginsCM(f, 65537, 9.5f, 0);
    OLI_reserveSpaceCM(f, 12);
    psi_head(f, " \316HKombinationsbeiwerte Eisenbahnbr\201cken\n", "1 0 -1 -1 3\n 35 41 47\n", 34);
    for (int r = 0; r < 31; ++r) {
        const double* p = b->psi_rail_bridges[r];
        if (r == 0 || r == 1 || r == 8)   // psi1 of these rows is the factor a below
            c_fprintf(f, " %-34s %5.2lf   a   %5.2lf\n", kEc0RailPsiRows[r], p[0], p[2]);
        else if (r == 27)
            c_fprintf(f, " %-40s %5.2lf %5.2lf %5.2lf\n", kEc0RailCodedRows[r - 26], p[0], p[1], p[2]);
        else if (r >= 26)
            c_fprintf(f, " %-38s %5.2lf %5.2lf %5.2lf\n", kEc0RailCodedRows[r - 26], p[0], p[1], p[2]);
        else
            c_fprintf(f, " %-34s %5.2lf %5.2lf %5.2lf\n", kEc0RailPsiRows[r], p[0], p[1], p[2]);
        if (r == 8) c_fprintf(f, " %-34s\n", "\232berschreitung der Verkehrslasten");
        if (r == 25) c_fprintf(f, " %-34s\n", "Instandhaltung f\201r Dienstgehwege");
    }
    c_fprintf(f, "#END_OF_TEXT\n");
    c_fprintf(f, "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n");
    c_fprintf(f, " \316Ha \316r %4.2lf wenn nur 1 Gleis belastet wird\n", b->rail_factor_a[0]);
    c_fprintf(f, "    %4.2lf wenn 2 Gleise gleichzeitg belastet werden\n", b->rail_factor_a[1]);
    c_fprintf(f, "    %4.2lf wenn 3 oder mehrere Gleise gleichzeitig\n", b->rail_factor_a[2]);
    c_fprintf(f, "    belastet werden\n#END_OF_TEXT\n");
}

void bridges(FILE* f, const NadEc0Block* b)
{
    OLI_setFlags(f, kNadReportFlags);
    OLI_reserveSpaceCM(f, 6);
    if (!nad_registry.show_all_rules) {
        c_fprintf(f, "#SHOWTABLE\n1 0 0\n Nationale Anh\204nge zu den Eurocodes\n0 0 -1 -1\n#END_OF_TEXT\n");
    }
    title(f, " Lastfaktoren (Br\201ckenbau) des nationalen Anhangs\n");
    // Kind 11 (execution) is stored but shown in no situation.
    static const int kinds_all[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, -1};
    static const int* const kinds[4] = {kinds_all, kinds_all, kinds_all, kinds_all};
    four_tables(f, &b->gamma_bridges[0][0], kinds, kEc0BridgeActions, 37, 9.5f, true, 11);
    psi_head(f, " \316HKombinationsbeiwerte Stra\341enbr\201cken\n", "1 0 -1 -1 3\n 34 40 46\n", 33);
    for (int r = 0; r < 14; ++r) {
        const double* p = b->psi_road_bridges[r];
        c_fprintf(f, " %-33s %5.2lf %5.2lf %5.2lf\n", kEc0RoadPsiRows[r], p[0], p[1], p[2]);
    }
    c_fprintf(f, "#END_OF_TEXT\n");
    psi_head(f, " \316HKombinationsbeiwerte Fu\341g\204ngerbr\201cken\n", "1 0 -1 -1 3\n 34 40 46\n", 33);
    for (int r = 0; r < 7; ++r) {
        const double* p = b->psi_foot_bridges[r];
        c_fprintf(f, " %-37s %5.2lf %5.2lf %5.2lf\n", kEc0FootPsiRows[r], p[0], p[1], p[2]);
    }
    c_fprintf(f, "#END_OF_TEXT\n");
    rail_bridges(f, b);
    OLI_setMarginsCM(f, 1, 0, 0);
    OLI_resetMaxMargin(f);
}

} // namespace

void nad_ec0_report(FILE* f)
{
    const NadEc0Block* b = nad_part_ec0();
    if (!f || !b) return;
    if (nad_rule_is_relevant(0, 0)) buildings(f, b);
    if (nad_rule_is_relevant(0, 1)) bridges(f, b);
}
