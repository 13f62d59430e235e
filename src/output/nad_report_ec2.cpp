#include "output/nad_report_ec2.h"
#include "platform/os/c_numeric.h"
#include "output/nad_report_common.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_norms.h"
#include "national_annex/nad_rules.h"
#include "platform/layout/oli_layout.h"

#include <initializer_list>

namespace {

// Norm codes of the three parts.
const int kNormBuildings = 4, kNormFire = 10, kNormBridges = 21;
// A lower bound of the column reinforcement below this counts as none.
const double kNoFloor = 0.0001;

bool rules(std::initializer_list<int> list)
{
    for (int r : list)
        if (!ec2_rule[r]) return false;
    return true;
}

// Title of a part (its standard and the set) and the head of its table.
void open_part(FILE* f, int norm)
{
    c_fprintf(f, "#SHOWTABLE\n0 0 1\n");
    c_fprintf(f, " %s%s\n", nad_norm_designation(norm, 0, 0), nad_report_set_suffix().c_str());
    c_fprintf(f, "0 0 -1 -1\n#END_OF_TEXT\n");
    OLI_setYPositionCM(f, 1, -0.5f);
    OLI_setMarginsCM(f, 1, 0, 0);
    nad_report_chapter_head(f);
}

void partial_factors(FILE* f, const NadEc2Block* b)
{
    static const char* const kSituations[4] = {
        "st\204ndige und vor\201bergehende Bemessungssituation", "Bemessungssituation f\201r Erm\201dung",
        "Bemessungssituation f\201r Erdbeben", "au\341ergew\224hnliche Bemessungssituation"};
    const double* gc = ec2_rule[30] ? b->gamma_c : b->gamma_c_bridges;
    const double* gs = ec2_rule[30] ? b->gamma_s : b->gamma_s_bridges;
    if (!rules({0})) return;
    c_fprintf(f, " 2.4.2.4(1)                                 Teilsicherheitsbeiwerte f\201r Beton und Betonstahl\n");
    for (int i = 0; i < 4; ++i) {
        if (i > 0 && !rules({1})) break;
        c_fprintf(f, "              \300\316\\c\316r = %-5.2lf  \300\316\\s\316r = %-5.2lf        %s\n", gc[i], gs[i],
                kSituations[i]);
    }
    c_fprintf(f, " 2.4.2.4(2)   \300\316\\c\316r = %-5.2lf  \300\316\\s\316r = %-5.2lf        Grenzzustand der Gebrauchstauglichkeit\n",
            b->gamma_c_sls, b->gamma_s_sls);
}

void prestress_and_strengths(FILE* f, const NadEc2Block* b)
{
    if (rules({0, 31})) {
        c_fprintf(f, " 5.10.9(1)P                                 Streuung der Vorspannkraft\n");
        c_fprintf(f, "              P\316\\sup\316r = %-5.2lf  P\316\\inf\316r = %-5.2lf    Sofortiger oder ohne Verbund\n",
                b->r_sup_pre, b->r_inf_pre);
        c_fprintf(f, "              P\316\\sup\316r = %-5.2lf  P\316\\inf\316r = %-5.2lf    Nachtr\204glicher Verbund\n",
                b->r_sup_post, b->r_inf_post);
    }
    if (rules({30, 2}))
        c_fprintf(f, " 3.1.6(1)P    \340\316\\cc\316r = %-5.2lf                   Abminderungsbeiwert f\201r die Betondruckfestigkeit\n", b->alpha_cc);
    if (rules({30, 3}))
        c_fprintf(f, " 3.1.6(2)P    \340\316\\ct\316r = %-5.2lf                   Abminderungsbeiwert f\201r die Betonzugfestigkeit\n", b->alpha_ct);
}

void concrete_cover(FILE* f, const NadEc2Block* b)
{
    if (!rules({6})) return;
    const char* const n = b->exposure_class_names[0];
    // the class rows go on a table of their own whose headings name their columns
    nad_report_chapter_break(f, "              Exp.Kl.  C\316\\min,dur\316r  \243c\316\\dur,\300\316r");
    c_fprintf(f, " 4.4.1.2(5)   %5s      %-5.2lf     %-5.2lf    Mindestbetondeckung in Abh\204ngigkeit von der\n", n,
            b->cmin_dur[0], b->dc_dur_gamma[0]);
    c_fprintf(f, "                                            Expositionsklasse C\316\\min,dur\316r [cm]\n");
    c_fprintf(f, " 4.4.1.2(6)   %5s      %-5.2lf     %-5.2lf    Mindestbetondeckung: additives Sicherheitselement \243c\316\\dur,\300\316r [cm]\n",
            b->exposure_class_names[1], b->cmin_dur[1], b->dc_dur_gamma[1]);
    for (int i = 2; i < 12; ++i)
        c_fprintf(f, "              %5s      %-5.2lf     %-5.2lf    \n", b->exposure_class_names[i], b->cmin_dur[i],
                b->dc_dur_gamma[i]);
    nad_report_chapter_break(f);
    c_fprintf(f, " 4.4.1.2(7)   \243c\316\\dur,st\316r  = %-5.2lf             Mindestbetondeckung: Verwendung von rostfreiem Stahl [cm]\n", b->dc_dur_st);
    c_fprintf(f, " 4.4.1.2(8)   \243c\316\\dur,add\316r = %-5.2lf             Mindestbetondeckung: Beton mit zus\204tzlichem Schutz [cm]\n", b->dc_dur_add);
    c_fprintf(f, " 4.4.1.3(1)P  \243c\316\\dev\316r     = %-5.2lf             Vorhaltema\341 f\201r die Betondeckung [cm]\n", b->dc_dev);
}

void imperfection_and_redistribution(FILE* f, const NadEc2Block* b)
{
    if (rules({32}))
        c_fprintf(f, " 5.2(6)       \260\316\\0\316r = 1/%-5.0lf                  Imperfektion: Grundwert der Schiefstellung\n", b->theta0_divisor);
    if (!rules({7})) return;
    const double* k = b->k_redistribution;
    c_fprintf(f, " 5.5(4)       k\316\\1\316r = %-5.2lf                    Umlagerung: Beiwerte zur Ermittlung des erlaubten\n", k[0]);
    if (b->k2_mode == 1) c_fprintf(f, "              k\316\\2\316r = %-5.2lf                    ", k[1]);
    else c_fprintf(f, "              k\316\\2\316r = %-5.2lf(0.6+0.0014/\276\316\\cu2\316r)   ", k[1]);
    c_fprintf(f, "            Umlagerungsverh\204ltnisses\n");
    c_fprintf(f, "              k\316\\3\316r = %-5.2lf                                \n", k[2]);
    if (b->k4_mode == 1) c_fprintf(f, "              k\316\\4\316r = %-5.2lf                    ", k[3]);
    else c_fprintf(f, "              k\316\\4\316r = %-5.2lf(0.6+0.0014/\276\316\\cu2\316r)   ", k[3]);
    c_fprintf(f, "            \n");
    c_fprintf(f, "              k\316\\5\316r = %-5.2lf                                \n", k[4]);
    c_fprintf(f, "              k\316\\6\316r = %-5.2lf                                \n", k[5]);
}

void slenderness(FILE* f, const NadEc2Block* b)
{
    if (rules({8})) {
        if (b->lambda_lim_mode == 1)
            c_fprintf(f, " 5.8.3.1(1)   \305\316\\lim\316r = %-5.2lf                  ", b->lambda_lim_factor);
        else if (b->country)
            c_fprintf(f, " 5.8.3.1(1)   \305\316\\lim\316r s. NA-DE                 ");
        else
            c_fprintf(f, " 5.8.3.1(1)   \305\316\\lim\316r = %-5.2lf / n\316/1/2\316r           ", b->lambda_lim_factor);
        c_fprintf(f, "Grenzwert der Schlankheit f\201r Einzeldruckglieder\n");
    }
    if (rules({9})) {
        c_fprintf(f, " 5.8.6(3)     \300\316\\cE\316r = %-5.2lf                   Teilsicherheitsbeiwert f\201r den E-Modul beim Nachweis\n", b->gamma_ce);
        c_fprintf(f, "                                            der Knicksicherheit (Th. II. O. im Zust. 2)\n");
    }
}

void v_min_line(FILE* f, double v_min, int mode)
{
    if (mode == 1) c_fprintf(f, "              \307\316\\min\316r = %-5.3lf                  \n", v_min);
    else c_fprintf(f, "              \307\316\\min\316r = %6.4lf/\300\316\\c\316r k\316/3/2\316r f\316\\ck\316r\316/1/2\316r  \n", v_min);
}

void nu_1_line(FILE* f, double nu_1, int mode)
{
    if (mode == 1) c_fprintf(f, "              \307\316\\1\316r = %-5.3lf                    ", nu_1);
    else c_fprintf(f, "              \307\316\\1\316r = %-5.3lf(1 - f\316\\ck\316r/250)       ", nu_1);
    c_fprintf(f, "Beiwert zur Ermittlung der maximalen Querkrafttragf\204higkeit\n");
}

void cot_theta_lines(FILE* f, double min, double max)
{
    c_fprintf(f, " 6.2.3(2)     min cot \260 = %-5.2lf             untere Grenze der Druckstrebenneigung\n", min);
    c_fprintf(f, "              max cot \260 = %-5.2lf             obere Grenze der Druckstrebenneigung\n", max);
}

void shear(FILE* f, const NadEc2Block* b)
{
    if (rules({30, 10})) {
        c_fprintf(f, " 6.2.2(1)     C\316\\Rd,c\316r = %5.2lf / \300\316\\c\316r            Beiwerte zur Ermittlung des Querkraftwiderstandes\n", b->c_rdc);
        v_min_line(f, b->v_min, b->v_min_mode);
        c_fprintf(f, "              k\316\\1\316r = %-5.2lf                    \n", b->k1_shear);
    }
    const bool fixed_nu = b->nu_mode == 1;
    if (rules({10})) {
        if (fixed_nu) c_fprintf(f, " 6.2.2(6)     \307\316\\V\316r = %-5.3lf                    ", b->nu_shear);
        else c_fprintf(f, " 6.2.2(6)     \307\316\\V\316r = %-5.3lf(1 - f\316\\ck\316r/250)       ", b->nu_shear);
        c_fprintf(f, "Festigkeitsabminderungsbeiwert f\201r Querkraft\n");
    }
    if (rules({11})) {
        if (fixed_nu) c_fprintf(f, " 6.3.2(4)     \307\316\\T\316r = %-5.3lf                    ", b->nu_torsion);
        else c_fprintf(f, " 6.3.2(4)     \307\316\\T\316r = %-5.3lf(1 - f\316\\ck\316r/250)       ", b->nu_torsion);
        c_fprintf(f, "Festigkeitsabminderungsbeiwert f\201r Torsion\n");
    }
    if (rules({30, 10})) {
        cot_theta_lines(f, b->cot_theta_min, b->cot_theta_max);
        c_fprintf(f, " 6.2.3(3)     \340\316\\cw\316r = %-5.2lf                   Beiwert zur Ber\201cksichtigung des Spannungszustands im Druckgurt\n", b->alpha_cw);
        nu_1_line(f, b->nu_1, b->nu_1_mode);
    }
    if (rules({10, 15})) {
        c_fprintf(f, " 6.2.4(4)     cot \260\316\\fz\316r = %-5.2lf               Anschl\201sse: Druckstrebenneigung f\201r Zuggurte\n", b->cot_theta_f_tension);
        c_fprintf(f, "              cot \260\316\\fd\316r = %-5.2lf               Anschl\201sse: Druckstrebenneigung f\201r Druckgurte\n", b->cot_theta_f_compression);
        c_fprintf(f, " 6.2.4(6)     k = %-5.2lf                     Anschl\201sse: Beiwert f\201r die aufnehmbare Zugspannung ohne\n", b->k_flange);
        c_fprintf(f, "                                                        Anschlussbewehrung\n");
    }
    if (rules({10, 16})) {
        c_fprintf(f, " 6.2.5(1)     c = %-4.2lf, \306 = %-4.2lf, \307 = %-4.2lf  Fugen: Rauhigkeitsbeiwerte f\201r %se Fugen\n",
                b->joint_c[0], b->joint_mu[0], b->joint_nu[0], b->joint_surface_names[0]);
        for (int i = 1; i < 4; ++i)
            c_fprintf(f, "              c = %-4.2lf, \306 = %-4.2lf, \307 = %-4.2lf         %se Fugen\n", b->joint_c[i],
                    b->joint_mu[i], b->joint_nu[i], b->joint_surface_names[i]);
    }
}

void fatigue_line(FILE* f, const char* clause, double k1)
{
    c_fprintf(f, " %-13sk\316\\1\316r = %-5.2lf                    Erm\201dung: Beiwert zur Ermittlung der Bemessungsfestigkeit des\n", clause, k1);
    c_fprintf(f, "                                                      Betons\n");
}

void fatigue_cracks_deflection(FILE* f, const NadEc2Block* b)
{
    if (rules({17}))
        c_fprintf(f, " 6.8.4(1)     \300\316\\F,fat\316r = %-5.2lf                Erm\201dung: Sicherheitsbeiwert f\201r die Einwirkungen\n", b->gamma_f_fat);
    if (rules({30, 17})) fatigue_line(f, "6.8.7(1)", b->k1_fatigue);
    if (rules({18})) {
        static const char kCrackTail[] = "                    Risse: Beiwert zur Ermittlung des maximalen Rissabstands bei\n"
                                         "                                                   abgeschlossenem Rissbild\n";
        c_fprintf(f, " 7.3.4(3)     k\316\\3\316r = %-5.2lf%s", b->k3_crack, kCrackTail);
        c_fprintf(f, "              k\316\\4\316r = %-5.3lf%s", b->k4_crack, kCrackTail);
    }
    if (rules({19})) {
        static const char* const kSystems[5] = {"Einfeld", "Endfeld", "Mittelfeld", "Flachdecke", "Kragtr\204ger"};
        static const char* const kTails[5] = {"          Verformungen ohne direkte Berechnung (Biegeschlankheit):\n",
                                              "          Beiwert zur Ber\201cksichtigung des statischen Systems\n", "\n",
                                              "\n", "\n"};
        for (int i = 0; i < 5; ++i)
            c_fprintf(f, "%sK\316\\%-11.11s\316r = %-5.2lf%s", i == 0 ? " 7.4.2(2)     " : "              ", kSystems[i],
                    b->k_slenderness[i], kTails[i]);
    }
}

// A minimum reinforcement line: fixed value, the annex's own rule, or the formula.
void minimum_line(FILE* f, const NadEc2Block* b, int mode, const char* fixed, const char* annex,
                  const char* formula, double value)
{
    if (mode == 1) c_fprintf(f, fixed, value);
    else if (b->country && annex) fputs(annex, f);
    else c_fprintf(f, formula, value);
}

void column_minimum(FILE* f, double value, int mode, double floor)
{
    if (mode == 1) c_fprintf(f, " 9.5.2(2)     A\316\\s,min\316r = %-5.2lf        ", value);
    else c_fprintf(f, " 9.5.2(2)     A\316\\s,min\316r = %5.3lf N\316\\Ed\316r/f\316\\yd\316r", value);
    if (floor > kNoFloor) c_fprintf(f, "\n                     \362 %-5.3lf A\316\\c\316r     ", floor);
    c_fprintf(f, "        Mindestbewehrung f\201r St\201tzen [cm\375]\n");
}

void detailing(FILE* f, const NadEc2Block* b)
{
    if (rules({20})) {
        c_fprintf(f, " 8.2(2)       k\316\\1\316r = %-5.2lf                    Stababst\204nde: Beiwert f\201r den lichten Abstand zwischen\n", b->k1_bar_spacing);
        c_fprintf(f, "                                                          parallelen Betonst\204hlen oder Stahllagen\n");
    }
    if (rules({21})) {
        minimum_line(f, b, b->as_min_beam_mode, " 9.2.1.1(1)   A\316\\s,min\316r = %-5.2lf cm\375            ",
                     " 9.2.1.1(1)   A\316\\s,min\316r s. NA-DE               ",
                     " 9.2.1.1(1)   A\316\\s,min\316r = %5.2lf f\316\\ctm\316r/f\316\\yk\316r b\316\\t\316r d\n"
                     "                     \362 0.0013 b\316\\t\316r d          ",
                     b->as_min_beam);
        c_fprintf(f, "Mindestbewehrung f\201r Balken und Platten [cm\375]\n");
    }
    if (rules({22})) {
        c_fprintf(f, " 9.2.1.2(1)   \273\316\\1\316r = %-5.2lf                    Mindestst\201tzmomente an gelenkigen Endauflagern:\n", b->beta1);
        c_fprintf(f, "                                            Anteil des gr\224\341ten Feldmoments am St\201tzmoment\n");
    }
    if (rules({23})) {
        c_fprintf(f, " 9.2.1.4(1)   \273\316\\2\316r = %-5.2lf                    Verankerung der unteren Bewehrung an Endauflagern:\n", b->beta2);
        c_fprintf(f, "                                            Mindestanteil der gr\224\341ten Feldbewehrung an der unteren Bew.\n");
    }
    if (rules({24})) {
        minimum_line(f, b, b->rho_w_min_mode, " 9.2.2(5)     \313\316\\w,min\316r = %-5.3lf                ",
                     " 9.2.2(5)     \313\316\\w,min\316r s. NA-DE               ",
                     " 9.2.2(5)     \313\316\\w,min\316r = %5.3lf f\316\\ck\316r\316/1/2\316r / f\316\\yk\316r   ", b->rho_w_min);
        c_fprintf(f, "Mindestbewehrungsgrad der Querkraftbewehrung\n");
    }
    if (rules({30, 25})) column_minimum(f, b->as_min_column, b->as_min_column_mode, b->as_min_column_floor);
    if (rules({26})) {
        minimum_line(f, b, b->as_vmin_wall_mode, " 9.6.2(1)     A\316\\s,vmin\316r = %-5.2lf               ",
                     " 9.6.2(1)     A\316\\s,vmin\316r s. NA-DE              ",
                     " 9.6.2(1)     A\316\\s,vmin\316r = %5.3lf A\316\\c\316r            ", b->as_vmin_wall);
        c_fprintf(f, "Vertikale Mindestbewehrung f\201r W\204nde [cm\375]\n");
    }
}

void lightweight_and_plain(FILE* f, const NadEc2Block* b)
{
    if (rules({4})) {
        c_fprintf(f, " 11.3.5(1)    \340\316\\lcc\316r = %-5.2lf                  Leichtbeton: Abminderungsbeiwert f\201r die Betondruckfestigkeit\n", b->alpha_lcc);
        c_fprintf(f, " 11.3.5(2)    \340\316\\lct\316r = %-5.2lf                  Leichtbeton: Abminderungsbeiwert f\201r die Betonzugfestigkeit\n", b->alpha_lct);
    }
    const bool fixed_nu_l = b->nu_l_mode == 1;
    if (rules({14})) {
        c_fprintf(f, " 11.6.1(1)    C\316\\lRd,c\316r = %4.2lf / \300\316\\c\316r            Leichtbeton: Beiwerte zur Ermittlung des Querkraftwiderstandes\n", b->c_lrdc);
        if (b->v_lmin_mode == 1) c_fprintf(f, "              \307\316\\l,min\316r = %-5.3lf                ", b->v_lmin);
        else c_fprintf(f, "              \307\316\\l,min\316r = %6.4lf k\316/3/2\316r f\316\\lck\316r\316/1/2\316r  ", b->v_lmin);
        c_fprintf(f, "             \n");
        c_fprintf(f, "              k\316\\l1\316r = %4.2lf                                 \n", b->k_l1);
        if (fixed_nu_l) c_fprintf(f, " 11.6.1(2)    \307\316\\l\316r = %-5.3lf \301\316\\1\316r                 ", b->nu_l_shear);
        else c_fprintf(f, " 11.6.1(2)    \307\316\\l\316r = %5.3lf \301\316\\1\316r (1 - f\316\\lck\316r/250)  ", b->nu_l_shear);
        c_fprintf(f, "Leichtbeton: Festigkeitsabminderungsbeiwert f\201r Querkraft\n");
    }
    if (rules({12})) {
        if (fixed_nu_l) c_fprintf(f, "              \307\316\\l\316r = %-5.3lf \301\316\\1\316r                 ", b->nu_l_torsion);
        else c_fprintf(f, "              \307\316\\l\316r = %5.3lf \301\316\\1\316r (1 - f\316\\lck\316r/250)  ", b->nu_l_torsion);
        c_fprintf(f, "Leichtbeton: Festigkeitsabminderungsbeiwert f\201r Torsion\n");
    }
    if (rules({14})) {
        if (b->nu_1l_mode == 1) c_fprintf(f, " 11.6.2(1)    \307\316\\1l\316r = %-5.3lf \301\316\\1\316r                ", b->nu_1l);
        else c_fprintf(f, " 11.6.2(1)    \307\316\\1l\316r = %5.3lf \301\316\\1\316r (1 - f\316\\lck\316r/250) ", b->nu_1l);
        c_fprintf(f, "Leichtbeton: Beiwert zur Ermittlung der maximalen\n");
        c_fprintf(f, "                                                         Querkrafttragf\204higkeit\n");
    }
    if (rules({5})) {
        c_fprintf(f, " 12.3.1(1)    \340\316\\cc,pl\316r = %-5.2lf                unbew.Beton: Abminderungsbeiwert f\201r die Betondruckfestigkeit\n", b->alpha_cc_pl);
        c_fprintf(f, "              \340\316\\ct,pl\316r = %-5.2lf                unbew.Beton: Abminderungsbeiwert f\201r die Betonzugfestigkeit\n", b->alpha_ct_pl);
    }
    if (rules({13})) {
        if (b->country) c_fprintf(f, " 12.6.3(2)    k\316\\p\316r s. NA-DE                   ");
        else c_fprintf(f, " 12.6.3(2)    k\316\\p\316r = %-5.2lf                    ", b->k_p);
        c_fprintf(f, "unbew.Beton: Beiwert zur Ermittlung der Bemessungsspannung\n");
        c_fprintf(f, "                                                         bei der Querkraftbemessung\n");
    }
}

void designation_line(FILE* f, int norm)
{
    OLI_reserveSpaceCM(f, 4);
    open_part(f, norm);
}

void fire_part(FILE* f, const NadEc2Block* b)
{
    designation_line(f, kNormFire);
    c_fprintf(f, " 3.2.3(5)     Klasse %16s       Betonstahl-Klasse zur Beschreibung der Spannungs-Dehnungs-\n",
            b->rebar_class_fire == 1 ? "X (Tabelle 3.2b)" : "N (Tabelle 3.2a)");
    c_fprintf(f, "                                            beziehung bei erh\224hten Temperaturen\n");
    if (b->lambda_c_mode == 1) {
        c_fprintf(f, " 3.3.3(1)     \305\316\\c\316r = \305\316\\co\316r oder \305\316\\cu\316r             ");
        c_fprintf(f, "thermische Leitf\204higkeit des Betons\n");
        c_fprintf(f, "              s. Bemessungsoptionen         \305\316\\co\316r oberer Grenzwert, \305\316\\cu\316r unterer Grenzwert n. 3.3.3(2)\n");
    } else {
        c_fprintf(f, " 3.3.3(1)     \305\316\\c\316r = \305\316\\cu\316r + %5.3lf (\305\316\\co\316r-\305\316\\cu\316r)    ", b->lambda_c_factor);
        c_fprintf(f, "thermische Leitf\204higkeit des Betons\n");
        c_fprintf(f, "                                            \305\316\\co\316r oberer Grenzwert, \305\316\\cu\316r unterer Grenzwert n. 3.3.3(2)\n");
    }
    c_fprintf(f, " 6.1(5)       Klasse %1d (Tabelle 6.1N)       hochfester Beton: Beton-Klasse zur Beschreibung der\n", b->hsc_class);
    c_fprintf(f, "                                                              Festigkeitsreduktion\n");
    if (rules({28}))
        c_fprintf(f, " 6.4.2.1(3)   k = %-5.3lf                     hochfester Beton: Beiwert f\201r die Querschnittsreduktion\n", b->k_hsc_section);
    if (rules({29})) {
        c_fprintf(f, " 6.4.2.2(2)   k\316\\m\316r = %-5.3lf                    hochfester Beton: Beiwert f\201r die Momententragf\204higkeit\n", b->k_m_hsc);
        c_fprintf(f, "                                                              bei Brandbeanspruchung in der Zugzone\n");
    }
    c_fprintf(f, "#END_OF_TEXT\n");
}

void bridge_part(FILE* f, const NadEc2Block* b)
{
    designation_line(f, kNormBridges);
    if (rules({2}))
        c_fprintf(f, " 3.1.6(101)P  \340\316\\cc\316r = %-5.2lf                   Abminderungsbeiwert f\201r die Betondruckfestigkeit\n", b->alpha_cc_bridges);
    if (rules({3}))
        c_fprintf(f, " 3.1.6(102)P  \340\316\\ct\316r = %-5.2lf                   Abminderungsbeiwert f\201r die Betonzugfestigkeit\n", b->alpha_ct_bridges);
    if (rules({10})) {
        c_fprintf(f, " 6.2.2(101)   C\316\\Rd,c\316r = %5.2lf / \300\316\\c\316r            Beiwerte zur Ermittlung des Querkraftwiderstandes\n", b->c_rdc_bridges);
        v_min_line(f, b->v_min_bridges, b->v_min_bridges_mode);
        c_fprintf(f, "              k\316\\1\316r = %-5.2lf                    \n", b->k1_shear_bridges);
        cot_theta_lines(f, b->cot_theta_min_bridges, b->cot_theta_max_bridges);
        c_fprintf(f, " 6.2.3(103)   \340\316\\cw\316r = %-5.2lf                   Beiwert zur Ber\201cksichtigung des Spannungszustands im Druckgurt\n", b->alpha_cw_bridges);
        nu_1_line(f, b->nu_1_bridges, b->nu_1_bridges_mode);
    }
    if (rules({17})) fatigue_line(f, "6.8.7(101)", b->k1_fatigue_bridges);
    if (rules({2})) {
        const double* k = b->k_stress_limits;
        c_fprintf(f, " 7.2(102)     k\316\\1\316r = %-5.2lf                    Beiwert zur Ermittlung der zul. Betondruckspannung\n", k[0]);
        c_fprintf(f, " 7.2(3)       k\316\\2\316r = %-5.2lf                    Beiwert zur Ermittlung der Betondruckspannung f\201r\n", k[1]);
        c_fprintf(f, "                                                        lineares Kriechen\n");
        c_fprintf(f, " 7.2(3)       k\316\\3\316r = %-5.2lf                    Beiwert zur Ermittlung der Stahlspannung\n", k[2]);
        c_fprintf(f, " 7.2(3)       k\316\\4\316r = %-5.2lf                    Beiwert zur Ermittlung der Stahlspannung f\201r\n", k[3]);
        c_fprintf(f, "                                                        indirekte Einwirkungen\n");
        c_fprintf(f, " 7.2(3)       k\316\\5\316r = %-5.2lf                    Beiwert zur Ermittlung der Spannstahlspannung\n", k[4]);
    }
    if (rules({25}))
        column_minimum(f, b->as_min_column_bridges, b->as_min_column_bridges_mode, b->as_min_column_floor_bridges);
    c_fprintf(f, "#END_OF_TEXT\n");
}

} // namespace

void nad_ec2_report_body(FILE* f)
{
    const NadEc2Block* b = nad_part_ec2();
    if (!f || !b) return;
    open_part(f, kNormBuildings);
    partial_factors(f, b);
    prestress_and_strengths(f, b);
    concrete_cover(f, b);
    imperfection_and_redistribution(f, b);
    slenderness(f, b);
    shear(f, b);
    fatigue_cracks_deflection(f, b);
    detailing(f, b);
    lightweight_and_plain(f, b);
    c_fprintf(f, "#END_OF_TEXT\n");
}

void nad_ec2_report(FILE* f)
{
    if (!f) return;
    OLI_setFlags(f, kNadReportFlags);
    OLI_reserveSpaceCM(f, 6);
    nad_report_design_title(f);
    nad_ec2_rule_flags();
    nad_ec2_report_body(f);
    const NadEc2Block* b = nad_part_ec2();
    if (!b) return;
    if (ec2_rule[27]) fire_part(f, b);
    if (ec2_rule[31]) bridge_part(f, b);
}
