#include "output/nad_report_ec3.h"
#include "platform/os/c_numeric.h"
#include "output/nad_report_common.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_norms.h"
#include "national_annex/nad_rules.h"
#include "platform/layout/oli_layout.h"

namespace {

// Norm codes of the parts.
const int kNormGeneral = 12, kNormJoints = 13, kNormPlates = 24, kNormFatigue = 26, kNormCrane = 27, kNormFire = 31;

// Partial-factor labels: gamma with its subscript, closed.
const char* const kM0 = "\300\316\\M0\316r", *const kM1 = "\300\316\\M1\316r", *const kM2 = "\300\316\\M2\316r";

void open_part(FILE* f, int norm)
{
    c_fprintf(f, "#SHOWTABLE\n0 0 1\n");
    c_fprintf(f, " %s", nad_norm_designation(norm, 0, 0));
    c_fprintf(f, "%s", nad_report_set_suffix().c_str());
    c_fprintf(f, "\n0 0 -1 -1\n#END_OF_TEXT\n");
    OLI_setYPositionCM(f, 1, -0.5f);
    nad_report_chapter_head(f);
}

void close_part(FILE* f) { c_fprintf(f, "#END_OF_TEXT\n"); }

void value_line(FILE* f, const char* symbol, double value, const char* meaning)
{
    c_fprintf(f, "              %-11.11s = %-5.2lf               %-40s\n", symbol, value, meaning);
}

// A line whose value column holds a text: the text is padded to the 30 visible places of the
// column (inline codes take no place) so that the meaning stands in its column.
void text_line(FILE* f, const char* chapter, const char* value_text, const char* meaning)
{
    int visible = 0;
    for (const char* p = value_text; *p; ++p) {
        if (static_cast<unsigned char>(*p) == 0xCE && p[1]) {
            ++p;
            continue;
        }
        ++visible;
    }
    c_fprintf(f, " %-12s %s%*s%s\n", chapter, value_text, visible < 30 ? 30 - visible : 1, "", meaning);
}

void buckling_lines(FILE* f, const NadEc31Block& b)
{
    c_fprintf(f, " 6.3.2.2(2)   Faktor f zur Modifizierung    Biegedrillknicken\n");
    text_line(f, "", b.ltb_f_general ? "von \274\316\\LT\316r ansetzen" : "von \274\316\\LT\316r nicht ansetzen",
              "Allgemeiner Fall");
    c_fprintf(f, " 6.3.2.3(1)\n");
    value_line(f, "\304\316\\LT,0\316r", b.lambda_lt0, "Schlankheitsgrad Gl. (6.57)");
    value_line(f, "\273", b.beta_lt, "Korrekturfaktor Gl. (6.57)");
    char value[64];
    if (b.f_given) {
        c_snprintf(value, sizeof value, "Faktor f = %-5.2lf", b.f_value);
        text_line(f, "6.3.2.3(2)", value, "Berechnung des Abminderungsfaktors \274\316\\LT\316r");
    } else if (b.kc_from_table) {
        text_line(f, "6.3.2.3(2)", "Beiwert k\316\\c\316r aus Tabelle 6.6",
                  "Berechnung des Abminderungsfaktors \274\316\\LT\316r");
    } else {
        c_snprintf(value, sizeof value, "Beiwert k\316\\c\316r = %-5.3lf", b.kc_value);
        text_line(f, "6.3.2.3(2)", value, "Berechnung des Abminderungsfaktor \274\316\\LT\316r");
    }
}

} // namespace

void nad_ec3_1_report(FILE* f)
{
    const NadEc3Block* c = nad_part_ec3();
    if (!f || !c) return;
    const NadEc31Block& b = c->ec3_1;
    open_part(f, kNormGeneral);
    const int* s = ec3_section;
    if (s[0]) {
        if (s[2]) c_fprintf(f, " 6.1(1)                                     Teilsicherheitsbeiwerte f\201r Baustahl\n");
        else c_fprintf(f, " 6.1(1)       st\204ndige/vor\201berg. Situation  Teilsicherheitsbeiwerte f\201r Baustahl\n");
        value_line(f, kM0, b.gamma_m0, "Querschnittsversagen");
        value_line(f, kM1, b.gamma_m1, "Stabilit\204tsversagen");
        if (s[1]) {
            value_line(f, kM2, b.gamma_m2, "Bruchversagen infolge Zug");
            if (s[2]) {
                c_fprintf(f, "                                            bzw. Beanspruchbarkeit von Schrauben,\n");
                c_fprintf(f, "                                            Schwei\341n\204hten, Blechen auf Lochleibung\n");
            }
        }
        if (s[4]) {
            c_fprintf(f, "              au\341ergew\224hnliche Situation    Teilsicherheitsbeiwerte f\201r Baustahl\n");
            value_line(f, kM0, b.gamma_m0_accidental, "Querschnittsversagen");
            value_line(f, kM1, b.gamma_m1_accidental, "Stabilit\204tsversagen");
            if (s[1]) value_line(f, kM2, b.gamma_m2_accidental, "Bruchversagen infolge Zug");
        }
    }
    if (s[5]) buckling_lines(f, b);
    close_part(f);
    if (s[9]) {
        open_part(f, kNormFire);
        c_fprintf(f, " 2.3(1)       Brandfall                     Teilsicherheitsbeiwert f\201r\n");
        value_line(f, "\300\316\\M,fi\316r", b.gamma_m_fi, "mechanisches Versagen");
        close_part(f);
    }
}

void nad_ec3_8_report_joints(FILE* f)
{
    const NadEc3Block* c = nad_part_ec3();
    if (!f || !c || !ec3_section[0] || !ec3_section[3]) return;
    const NadEc38Block& b = c->ec3_8;
    open_part(f, kNormJoints);
    c_fprintf(f, " 2.2(2)                                     Teilsicherheitsbeiwerte f\201r Anschl\201sse\n");
    value_line(f, "\300\316\\M3\316r", b.gamma_m3, "Gleitfestigkeit (Kat.C, GZT)");
    value_line(f, "\300\316\\M3,ser\316r", b.gamma_m3_ser, "Gleitfestigkeit (Kat.B, GZG)");
    value_line(f, "\300\316\\M4\316r", b.gamma_m4, "Injektionsschrauben");
    value_line(f, "\300\316\\M6,ser\316r", b.gamma_m6_ser, "Bolzen (GZG)");
    value_line(f, "\300\316\\M7\316r", b.gamma_m7, "Vorspannung hochfester Schrauben");
    value_line(f, "\300\316\\M5\316r", b.gamma_m5, "Hohlprofile in Fachwerken");
    close_part(f);
}

void nad_ec3_8_report_plates(FILE* f)
{
    const NadEc3Block* c = nad_part_ec3();
    if (!f || !c || !ec3_section[6]) return;
    const NadEc38Block& b = c->ec3_8;
    open_part(f, kNormPlates);
    c_fprintf(f, " 3.1(1)       Anmerkung %d                   zur Ber\201cksichtigung der Schubverzerrungen\n",
            b.shear_lag_note);
    c_fprintf(f, " 5.1(2)\n");
    value_line(f, "\301", b.eta_shear, "Beiwert zur Berechnung des Schubbeulens");
    close_part(f);
}

void nad_ec3_8_report_fatigue(FILE* f)
{
    const NadEc3Block* c = nad_part_ec3();
    if (!f || !c || !ec3_section[7]) return;
    const NadEc38Block& b = c->ec3_8;
    open_part(f, kNormFatigue);
    c_fprintf(f, " 3(7)         Schadensfolgen                Teilsicherheitsbeiwert f\201r Erm\201dung\n");
    c_fprintf(f, "              niedrig        hoch           \n");
    // gamma_mf[consequence: low, high][concept: damage tolerant, safe life]
    c_fprintf(f, "              %-5.2lf          %-5.2lf          %s\n", b.gamma_mf[0][0], b.gamma_mf[1][0],
            "Schadenstoleranz");
    c_fprintf(f, "              %-5.2lf          %-5.2lf          %s\n", b.gamma_mf[0][1], b.gamma_mf[1][1],
            "Versagen ohne Vorank\201ndigung");
    close_part(f);
}

void nad_ec3_8_report_crane(FILE* f)
{
    const NadEc3Block* c = nad_part_ec3();
    if (!f || !c || !ec3_section[8]) return;
    open_part(f, kNormCrane);
    c_fprintf(f, " 7.5(1)\n");
    value_line(f, "\300\316\\M,ser\316r", c->ec3_8.gamma_m_ser_crane, "Teilsicherheitsbeiwert (GZG)");
    close_part(f);
}

void nad_ec3_report(FILE* f)
{
    if (!f || !nad_part_ec3()) return;
    nad_ec3_report_select();
    OLI_setFlags(f, kNadReportFlags);
    OLI_setMarginsCM(f, 1, 0, 0);
    OLI_reserveSpaceCM(f, 6);
    nad_report_design_title(f);
    nad_ec3_1_report(f);
    nad_ec3_8_report_joints(f);
    nad_ec3_8_report_plates(f);
    nad_ec3_8_report_fatigue(f);
    nad_ec3_8_report_crane(f);
}
