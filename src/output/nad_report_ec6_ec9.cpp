#include "output/nad_report_ec6_ec9.h"
#include "platform/os/c_numeric.h"
#include "output/nad_report_common.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_norms.h"
#include "national_annex/nad_rules.h"
#include "platform/layout/oli_layout.h"

namespace {

const int kNormMasonry = 22, kNormAluminium = 29;

void designation_block(FILE* f, int norm)
{
    c_fprintf(f, "#SHOWTABLE\n0 0 1\n");
    c_fprintf(f, " %s%s\n", nad_norm_designation(norm, 0, 0), nad_report_set_suffix().c_str());
    c_fprintf(f, "0 0 -1 -1\n#END_OF_TEXT\n");
    OLI_setYPositionCM(f, 1, -0.5f);
}

// One partial factor: gamma with its subscript, closed so that the value and meaning print normally.
void aluminium_factor(FILE* f, const char* subscript, double value, const char* meaning)
{
    char label[32];
    c_snprintf(label, sizeof label, "\300\316\\%s\316r", subscript);
    c_fprintf(f, "              %-11.11s = %-5.2lf               %-40s\n", label, value, meaning);
}

} // namespace

void nad_ec6_report(FILE* f)
{
    const NadEc6Block* b = nad_part_ec6();
    if (!f || !b) return;
    const NadEc6Rows rows = nad_ec6_rows();
    OLI_setFlags(f, kNadReportFlags);
    OLI_reserveSpaceCM(f, 6);
    nad_report_design_title(f);
    designation_block(f, kNormMasonry);
    OLI_setMarginsCM(f, 1, 0, 0);
    nad_report_chapter_head(f);
    if (rows.ultimate) {
        c_fprintf(f, " 2.4.3                                      Teilsicherheitsbeiwerte f\201r Mauerwerk\n");
        c_fprintf(f, "                                            im Grenzzustand der Tragf\204higkeit f\201r die\n");
        c_fprintf(f, "              \300\316\\M\316r = %-5.2lf                    - st\204ndige und vor\201bergehende Bemessungssituation\n",
                b->gamma_m_persistent);
        if (rows.accidental) {
            c_fprintf(f, "              \300\316\\M\316r = %-5.2lf                    - au\341ergew\224hnliche Bemessungssituation\n",
                    b->gamma_m_accidental);
            c_fprintf(f, "              \300\316\\M\316r = %-5.2lf                    - Erdbeben-Bemessungssituation\n",
                    b->gamma_m_seismic);
        }
        c_fprintf(f, " 2.4.4        \300\316\\M\316r = %-5.2lf                    im Grenzzustand der Gebrauchstauglichkeit\n",
                b->gamma_m_serviceability);
    }
    c_fprintf(f, "#END_OF_TEXT\n");
}

void nad_ec9_report(FILE* f)
{
    const NadEc9Block* b = nad_part_ec9();
    if (!f || !b) return;
    const NadEc9Rows rows = nad_ec9_rows();
    OLI_setFlags(f, kNadReportFlags);
    OLI_reserveSpaceCM(f, 6);
    nad_report_design_title(f);   // the set it shows, as every other report names it
    designation_block(f, kNormAluminium);
    nad_report_chapter_head(f);
    if (rows.ultimate) {
        c_fprintf(f, " 6.1.3(1)     Teilsicherheitsbeiwerte f\201r   Grenzzust\204nde der Tragf\204higkeit \n");
        aluminium_factor(f, "M1", b->gamma_m1, "Querschnittsversagen");
        if (rows.tension) aluminium_factor(f, "M2", b->gamma_m2, "Bruchversagen infolge Zug");
    }
    c_fprintf(f, " 6.2.1(5)     Beanspruchbark. d. Querschn.\n");
    c_fprintf(f, "              %-7.7s = %-5.2lf               %-40s\n", "C", b->c_constant, "Konstante, ANMERKUNG 2");
    if (rows.ultimate && rows.connections) {
        c_fprintf(f, " 8.1.1(2)     Teilsicherheitsbeiwerte f\201r   Anschl\201sse\n");
        aluminium_factor(f, "Mp", b->gamma_mp, "Bolzenverbindungen");
        aluminium_factor(f, "Mw", b->gamma_mw, "Schwei\341verbindungen");
        aluminium_factor(f, "Ms,ser", b->gamma_ms_ser, "Gleitwiderstand im GZ d. Gebrauchst.");
        aluminium_factor(f, "Ms,ult", b->gamma_ms_ult, "Gleitwiderstand im GZ d. Tragf.");
        aluminium_factor(f, "Ma", b->gamma_ma, "Geklebte Verbindungen");
        aluminium_factor(f, "Mp,ser", b->gamma_mp_ser, "Bolzen im GZ d. Gebrauchst.");
    }
    c_fprintf(f, "\n#END_OF_TEXT\n");
}
