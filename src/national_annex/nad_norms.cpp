#include "national_annex/nad_norms.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_switches.h"

#include <cstdio>
#include <cstring>

namespace {

struct Designation {
    const char* long_form;
    const char* short_form;
    const char* edition_old;   // edition mode 1
    const char* edition_new;   // edition mode 0
};

const Designation kDesignations[NAD_NORM_CODE_MAX + 1] = {
    {"DIN 1045", "DIN 1045", "7.88", "7.88"},
    {"DIN 1045-1", "DIN 1045-1", "7.01", "8.08"},
    {"DIN-Fachbericht 102", "DIN-Fb 102", "3.03", "3.09"},
    {"\231NORM B 4700", "\231N B 4700", "6.01", "6.01"},
    {"DIN EN 1992-1-1 (EC 2, Hochbau)", "EC 2", "1.11", "1.11"},
    {"DIN-Fachbericht 101", "DIN-Fb 101", "3.03", "3.09"},
    {"DIN-Fachbericht 103", "DIN-Fb 103", "3.03", "3.09"},
    {"DIN-Fachbericht 104", "DIN-Fb 104", "3.03", "3.09"},
    {"DIN 1055-100", "DIN 1055-100", "3.01", "3.01"},
    {"DIN 1053-100", "DIN 1053-100", "9.07", "9.07"},
    {"DIN EN 1992-1-2 (EC 2, Brandfall)", "EC 2-1-2", "12.10", "12.10"},
    {"DIN EN 1990 (EC 0)", "EC 0", "12.10", "12.10"},
    {"DIN EN 1993-1-1 (EC 3, Hochbau)", "EC 3-1-1", "12.10", "12.10"},
    {"DIN EN 1993-1-8 (EC 3, Anschl\201sse)", "EC 3-1-8", "12.10", "12.10"},
    {"", "", "", ""},
    {"", "", "", ""},
    {"DIN 18800", "DIN 18800", "11.08", "11.08"},
    {"", "", "", ""},
    {"", "", "", ""},
    {"", "", "", ""},
    {"", "", "", ""},
    {"DIN EN 1992-2 (EC 2, Betonbr\201cken)", "EC 2-2", "12.10", "12.10"},
    {"DIN EN 1996-1-1 (EC 6)", "EC 6", "2.13", "2.13"},
    {"DIN EN 1991 (EC 1)", "EC 1", "12.10", "12.10"},
    {"DIN EN 1993-1-5 (EC 3, Plattenbeulen)", "EC 3-1-5", "10.19", "10.19"},
    {"DIN 18800", "DIN 18800", "11.08", "11.08"},
    {"DIN EN 1993-1-9 (EC 3, Erm\201dung)", "EC 3-1-9", "12.10", "12.10"},
    {"DIN EN 1993-6 (EC 3, Kranbahnen)", "EC 3-6", "12.10", "12.10"},
    {"", "", "", ""},
    {"DIN EN 1999-1-1 (EC 9)", "EC 9-1-1", "3.14", "3.14"},
    {"", "", "", ""},
    {"DIN EN 1993-1-2 (EC 3, Brandfall)", "EC 3-1-2", "12.10", "12.10"},
    {"DIN EN 1991-1-2 (EC 1, Brandfall)", "EC 1-1-2", "12.10", "12.10"},
};

// One line of a literature entry; national_annex: written only for the set "Deutschland".
struct LiteratureLine {
    int code;
    int national_annex;
    const char* text;
};

const LiteratureLine kLiterature[] = {
    {0, 0, "DIN 1045 Beton und Stahlbeton: Bemessung und Ausf\201hrung, Ausgabe Juli 1988"},
    {0, 0, "Erl\204uterungen zu DIN 1045 Beton und Stahlbeton, Ausgabe 07.88,"},
    {0, 0, "  Heft 400, Deutscher Ausschuss f\201r Stahlbeton, Beuth Verlag GmbH, 1989"},
    {1, 0, "DIN 1045-1 Tragwerke aus Beton, Stahlbeton und Spannbeton, Teil 1: Bemessung und Konstruktion,"},
    {1, 0, "  Ausgabe Juli 2001.  Berichtigung 2 zur DIN 1045-1 (7.01), Juni 2005"},
    {1, 0, "Erl\204uterungen zu DIN 1045-1, Heft 525, Deutscher Ausschuss f\201r Stahlbeton, Beuth Verlag GmbH, 2003"},
    {1, 0, "Berichtigung 1 zum DAfStb-Heft 525, Mai 2005"},
    {2, 0, "DIN-Fachbericht 102: Betonbr\201cken, M\204rz 2009"},
    {3, 0, "\231NORM B 4700 Stahlbetontragwerke: EUROCODE-nahe Berechnung, Bemessung und konstruktive Durchbildung."},
    {3, 0, "  \231sterreichisches Normungsinstitut, Ausgabe: 2001-06-01"},
    {4, 0, "DIN EN 1992-1-1, Eurocode 2: Bemessung und Konstruktion von Stahlbeton- und Spannbetonbauteilen -"},
    {4, 0, "  Teil 1-1: Allgemeine Bemessungsregeln und Regeln f\201r den Hochbau;"},
    {4, 0, "  Deutsche Fassung EN 1992-1-1:2004 + AC:2010, Ausgabe Januar 2011"},
    {4, 1, "DIN EN 1992-1-1/NA, Nationaler Anhang zur DIN EN 1992-1-1, Ausgabe Januar 2011"},
    {5, 0, "DIN-Fachbericht 101: Einwirkungen auf Br\201cken, M\204rz 2009"},
    {8, 0, "DIN 1055-100 Einwirkungen auf Tragwerke - Teil 100:"},
    {8, 0, "  Grundlagen der Tragwerksplanung, Sicherheitskonzept und Bemessungsregeln, Ausgabe M\204rz 2001"},
    {9, 0, "DIN 1053-100 Mauerwerk - Berechnung auf Grundlage des semiprobabilistischen Sicherheitskonzepts,"},
    {9, 0, "  Ausgabe September 2007"},
    {10, 0, "DIN EN 1992-1-2, Eurocode 2: Bemessung und Konstruktion von Stahlbeton- und Spannbetontragwerken -"},
    {10, 0, "  Teil 1-2: Allgemeine Regeln - Tragwerksbemessung f\201r den Brandfall;"},
    {10, 0, "  Deutsche Fassung EN 1992-1-2:2004 + AC:2008, Ausgabe Dezember 2010"},
    {10, 1, "DIN EN 1992-1-2/NA, Nationaler Anhang zur DIN EN 1992-1-2, Ausgabe Dezember 2010"},
    {11, 0, "DIN EN 1990, Eurocode 0: Grundlagen der Tragwerksplanung;"},
    {11, 0, "  Deutsche Fassung EN 1990:2002 + A1:2005 + A1:2005/AC:2010, Ausgabe Dezember 2010"},
    {11, 1, "DIN EN 1990/NA, Nationaler Anhang zur DIN EN 1990, Ausgabe Dezember 2010"},
    {12, 0, "DIN EN 1993-1-1, Eurocode 3: Bemessung und Konstruktion von Stahlbauten -"},
    {12, 0, "  Teil 1-1: Allgemeine Bemessungsregeln und Regeln f\201r den Hochbau;"},
    {12, 0, "  Deutsche Fassung EN 1993-1-1:2005 + AC:2009, Ausgabe Dezember 2010"},
    {12, 0, "  DIN EN 1993-1-1/A1, Erg\204nzungen zur DIN EN 1993-1-1, Ausgabe Juli 2014"},
    {12, 1, "DIN EN 1993-1-1/NA, Nationaler Anhang zur DIN EN 1993-1-1, Ausgabe Dezember 2018"},
    {13, 0, "DIN EN 1993-1-8, Eurocode 3: Bemessung und Konstruktion von Stahlbauten -"},
    {13, 0, "  Teil 1-8: Bemessung von Anschl\201ssen;"},
    {13, 0, "  Deutsche Fassung EN 1993-1-8:2005 + AC:2009, Ausgabe Dezember 2010"},
    {13, 1, "DIN EN 1993-1-8/NA, Nationaler Anhang zur DIN EN 1993-1-8, Ausgabe Dezember 2010"},
    {14, 0, "DIN 4085, Baugrund - Berechnung des Erddrucks, August 2017"},
    {15, 0, "DIN 1054, Baugrund - Sicherheitsnachweise im Erd- und Grundbau, April 2021"},
    {16, 0, "DIN 18800-1: Stahlbauten - Teil 1: Bemessung und Konstruktion, Ausgabe November 2008"},
    {16, 0, "DIN 18800-2: Stahlbauten - Teil 2: Stabilit\204tsf\204lle - Knicken von St\204ben und Stabwerken,"},
    {16, 0, "  Ausgabe November 2008"},
    {16, 0, "DIN 18800-3: Stahlbauten - Teil 3: Stabilit\204tsf\204lle - Plattenbeulen, Ausgabe November 2008"},
    {17, 0, "DIN 1052 Teil 1: Holzbauwerke - Berechnung und Ausf\201hrung, Ausgabe April 1988"},
    {17, 0, "DIN 1052-1/A 1 Holzbauwerke - Teil 1: Berechnung und Ausf\201hrung - \216nderung 1, Ausgabe Oktober 1996"},
    {18, 0, "DIN 1052: Entwurf, Berechnung und Bemessung von Holzbauwerken - Allgemeine Bemessungsregeln"},
    {18, 0, "  und Bemessungsregeln f\201r den Hochbau, Ausgabe Dezember 2008"},
    {19, 0, "DIN EN 1995-1-1, Eurocode 5: Bemessung und Konstruktion von Holzbauten -"},
    {19, 0, "  Teil 1-1: Allgemeines - Allgemeine Regeln und Regeln f\201r den Hochbau;"},
    {19, 0, "  Deutsche Fassung EN 1995-1-1:2004 + AC:2006 + A1:2008, Ausgabe Dezember 2010"},
    {19, 1, "DIN EN 1995-1-1/NA, Nationaler Anhang zur DIN EN 1995-1-1, Ausgabe Dezember 2010"},
    {19, 1, "DIN 1052-10: Herstellung und Ausf\201hrung von Holzbauwerken -"},
    {19, 1, "  Teil 10: Erg\204nzende Bestimmungen, Ausgabe Mai 2012"},
    {20, 0, "DIN EN 1995-1-2, Eurocode 5: Bemessung und Konstruktion von Holzbauten -"},
    {20, 0, "  Teil 1-2: Allgemeine Regeln - Tragwerksbemessung f\201r den Brandfall;"},
    {20, 0, "  Deutsche Fassung EN 1995-1-2:2004 + AC:2009, Ausgabe Dezember 2010"},
    {20, 1, "DIN EN 1995-1-2/NA, Nationaler Anhang zur DIN EN 1995-1-2, Ausgabe Dezember 2010"},
    {21, 0, "DIN EN 1992-2, Eurocode 2: Bemessung und Konstruktion von Stahlbeton- und Spannbetontragwerken -"},
    {21, 0, "  Teil 2: Betonbr\201cken - Bemessungs- und Konstruktionsregeln;"},
    {21, 0, "  Deutsche Fassung EN 1992-2:2005 + AC:2008, Ausgabe Dezember 2010"},
    {21, 1, "DIN EN 1992-2/NA, Nationaler Anhang zur DIN EN 1992-2, Ausgabe April 2013"},
    {22, 0, "DIN EN 1996-1-1, Eurocode 6: Bemessung und Konstruktion von Mauerwerksbauten -"},
    {22, 0, "  Teil 1-1: Allgemeine Regeln f\201r bewehrtes und unbewehrtes Mauerwerk;"},
    {22, 0, "  Deutsche Fassung EN 1996-1-1:2005 + A1:2012, Ausgabe Februar 2013"},
    {22, 1, "DIN EN 1996-1-1/NA, Nationaler Anhang zur DIN EN 1996-1-1, Ausgabe Dezember 2019"},
    {23, 0, "DIN EN 1991, Eurocode 1: Einwirkungen auf Tragwerke;"},
    {23, 0, "  Deutsche Fassung EN 1991:2010, Ausgabe Dezember 2010"},
    {23, 1, "DIN EN 1991/NA, Nationaler Anhang zur DIN EN 1991, Ausgabe Dezember 2010"},
    {24, 0, "DIN EN 1993-1-5, Eurocode 3: Bemessung und Konstruktion von Stahlbauten - Teil 1-5: Plattenf\224rmige Bauteile;"},
    {24, 0, "  Deutsche Fassung EN 1993-1-5:2006 + AC:2009 + A1:2017 + A2:2019, Ausgabe Oktober 2019"},
    {24, 1, "DIN EN 1993-1-5/NA, Nationaler Anhang zur DIN EN 1993-1-5, Ausgabe Dezember 2010"},
    {25, 0, "DIN 18800-1: Stahlbauten - Teil 1: Bemessung und Konstruktion, Ausgabe November 2008"},
    {26, 0, "DIN EN 1993-1-9, Eurocode 3: Bemessung und Konstruktion von Stahlbauten - Teil 1-9: Erm\201dung;"},
    {26, 0, "  Deutsche Fassung EN 1993-1-9:2006 + AC:2009, Ausgabe Dezember 2010"},
    {26, 1, "DIN EN 1993-1-9/NA, Nationaler Anhang zur DIN EN 1993-1-9, Ausgabe Dezember 2010"},
    {27, 0, "DIN EN 1993-6, Eurocode 3: Bemessung und Konstruktion von Stahlbauten - Teil 6: Kranbahnen;"},
    {27, 0, "  Deutsche Fassung EN 1993-6:2007 + AC:2009, Ausgabe Dezember 2010"},
    {27, 1, "DIN EN 1993-6/NA, Nationaler Anhang zur DIN EN 1993-6, Ausgabe Dezember 2010"},
    {28, 0, "DIN EN 1991-3, Eurocode 1: Einwirkungen auf Tragwerke -"},
    {28, 0, "  Teil 3: Einwirkungen infolge von Kranen und Maschinen;"},
    {28, 0, "  Deutsche Fassung EN 1991-3:2006, Ausgabe Dezember 2010"},
    {28, 1, "DIN EN 1991-3/NA, Nationaler Anhang zur DIN EN 1991-3, Ausgabe Dezember 2010"},
    {29, 0, "DIN EN 1999-1-1, Eurocode 9: Bemessung und Konstruktion von Aluminiumtragwerken -"},
    {29, 0, "  Teil 1-1: Allgemeine Bemessungsregeln;"},
    {29, 0, "  Deutsche Fassung EN 1999-1-1:2007 + A1:2009 + A2:2013, Ausgabe M\204rz 2014"},
    {29, 1, "DIN EN 1999-1-1/NA, Nationaler Anhang zur DIN EN 1999-1-1, Ausgabe Mai 2013"},
    {29, 1, "DIN EN 1999-1-1/NA - A1:2014 + A2:2015 + A3:2015, \216nderungen"},
    {30, 0, "DAfStb-Richtlinie: Betonbau beim Umgang mit wassergef\204hrdenden Stoffen (WU-Richtlinie)"},
    {30, 0, "  Ausgabe Dezember 2017"},
    {31, 0, "DIN EN 1993-1-2, Eurocode 3: Bemessung und Konstruktion von Stahlbauten - Teil 1-2: Allgemeine Regeln -"},
    {31, 0, "  Tragwerksbemessung f\201r den Brandfall; Deutsche Fassung EN 1993-1-2, Ausgabe Dezember 2010"},
    {31, 1, "DIN EN 1993-1-2/NA, Nationaler Anhang zur DIN EN 1993-1-2, Ausgabe Dezember 2010"},
    {32, 0, "DIN EN 1991-1-2, Eurocode 1: Einwirkungen auf Tragwerke - Teil 1-2: Allgemeine Einwirkungen -"},
    {32, 0, "  Brandeinwirkungen auf Tragwerke; Deutsche Fassung EN 1991-1-2, Ausgabe Dezember 2010"},
    {32, 1, "DIN EN 1991-1-2/NA, Nationaler Anhang zur DIN EN 1991-1-2, Ausgabe September 2015"},
};

// The newer edition of DIN 1045-1 has a shorter entry.
const LiteratureLine kDin10451New[] = {
    {1, 0, "DIN 1045-1 Tragwerke aus Beton, Stahlbeton und Spannbeton, Teil 1: Bemessung und Konstruktion,"},
    {1, 0, "  Ausgabe August 2008"},
    {1, 0, "Erl\204uterungen zu DIN 1045-1, Heft 525, Deutscher Ausschuss f\201r Stahlbeton, Beuth Verlag GmbH, 2010"},
};

// The pre-standard of the fire part, named while the standards option is set.
const LiteratureLine kPrestandardFire[] = {
    {10, 0, "DIN V ENV 1992-1-2, Eurocode 2 (Vornorm): Planung von Stahlbeton- und Spannbetontragwerken -"},
    {10, 0, "  Teil 1-2: Allgemeine Regeln - Tragwerksbemessung f\201r den Brandfall;"},
    {10, 0, "  Deutsche Fassung ENV 1992-1-2:1995, Ausgabe Mai 1997"},
    {10, 1, "DIN V ENV 1992-1-2/NA, Nationaler Anhang zur DIN V ENV 1992-1-2, DIN-Fachbericht 92, 2000"},
};

enum { LINE_BUFFERS = 10, LINE_BYTES = 110, DESIGNATION_BYTES = 128 };

char designation_buffer[DESIGNATION_BYTES];
char line_buffers[LINE_BUFFERS][LINE_BYTES];

template <size_t N>
int count_of(const LiteratureLine (&)[N]) { return static_cast<int>(N); }

// Appends the lines of `code` from `table`; returns the new count.
int add_lines(const LiteratureLine* table, int table_size, int code, int national_annex_too,
              int n, const char** lines)
{
    for (int i = 0; i < table_size && n < NAD_STANDARDS_MAX_LINES; ++i) {
        if (table[i].code != code || (table[i].national_annex && !national_annex_too)) continue;
        snprintf(line_buffers[n], LINE_BYTES, "%s", table[i].text);
        lines[n] = line_buffers[n];
        ++n;
    }
    return n;
}

} // namespace

const char* nad_norm_designation(int code, int with_edition, int short_form)
{
    designation_buffer[0] = '\0';
    if (code < 0 || code > NAD_NORM_CODE_MAX) return designation_buffer;
    const Designation& d = kDesignations[code];
    const char* text = short_form ? d.short_form : d.long_form;
    if (!with_edition || !*text) {
        snprintf(designation_buffer, DESIGNATION_BYTES, "%s", text);
        return designation_buffer;
    }
    const int older = nad_edition_mode() != 0;
    if (code == 1 && older) {
        snprintf(designation_buffer, DESIGNATION_BYTES, "%s",
                 short_form ? "DIN 1045-1 (7.01)" : "DIN 1045-1 (7.01) mit Ber.2 (6.05)");
        return designation_buffer;
    }
    const char* edition = older ? d.edition_old : d.edition_new;
    const size_t len = strlen(text);
    if (text[len - 1] == ')')
        snprintf(designation_buffer, DESIGNATION_BYTES, "%.*s, %s)", static_cast<int>(len - 1), text,
                 edition);
    else
        snprintf(designation_buffer, DESIGNATION_BYTES, "%s (%s)", text, edition);
    return designation_buffer;
}

int nad_standards_list(int code, const char** lines)
{
    for (auto& b : line_buffers) b[0] = '\0';
    if (code < 0 || code > NAD_NORM_CODE_MAX) {
        lines[0] = line_buffers[0];
        return 1;
    }
    const char* active = nad_active_name();
    const int deutschland = active && strcmp(active, "Deutschland") == 0;
    if (code == 1 && nad_edition_mode() == 0)
        return add_lines(kDin10451New, count_of(kDin10451New), code, deutschland, 0, lines);
    if (code == 10 && nad_standards_option() != 0)
        return add_lines(kPrestandardFire, count_of(kPrestandardFire), code, deutschland, 0, lines);
    return add_lines(kLiterature, count_of(kLiterature), code, deutschland, 0, lines);
}
