#include "fasteners/connection_messages.h"

#include "national_annex/nad_ec5_block.h"

#include <cstdio>
#include <cstring>

namespace {

// ec5: wording with an EC5 block; ec5_no_country: with a block whose set has no country (null:
// as ec5); din: wording without a block (null: as ec5).
struct MessageRow {
    int code;
    const char* ec5;
    const char* ec5_no_country;
    const char* din;
};

const MessageRow kMessages[] = {
    {1, "Klammerdurchmesser muss >= 1,5 und <= 2 mm sein", nullptr, nullptr},
    {2, "Klammerdurchmesser muss >= 1,0 und <= 1,6 mm sein", nullptr, nullptr},
    {3, "Verbindungen mit Klammern d\201rfen nur einschnittig ausgef\201hrt werden", nullptr, nullptr},
    {4, "Durchmesser des Verbindungsmittels <= 0", nullptr, nullptr},
    {6, "Verbindungsmittel ist zu kurz ", nullptr, nullptr},
    {7, "Verbindungsmittel ist zu kurz f\201r zweischnittige Verbindung", nullptr, nullptr},
    {8, "Einschlagtiefe < 4 d ", nullptr, nullptr},
    {9, "Einschraubtiefe < 4 d ", nullptr, nullptr},
    {10, "N\204gel, Schrauben oder Klammern k\224nnen nur in einschnittiger Verbindung mit Blechen ausgef\201hrt werden", nullptr, nullptr},
    {11, "Verbindungsmittel ist zu lang", nullptr, nullptr},
    {12, "Stahl-Stahl-Verbindungen k\224nnen nicht nachgewiesen werden", nullptr, nullptr},
    {13, "Holz zu d\201nn, Spaltgefahr gem. Gl. (8.18)", nullptr, " "},
    {14, "Seitenholz zu d\201nn, Spaltgefahr gem. Gl. (8.18)", nullptr, "Seitenholz zu d\201nn, Spaltgefahr gem. Gl. (218)"},
    {15, "Seitenholz 2 zu d\201nn, Spaltgefahr gem. Gl. (8.18)", nullptr, "Seitenholz 2 zu d\201nn, Spaltgefahr gem. Gl. (218)"},
    {16, "Mittenholz zu d\201nn, Spaltgefahr gem. Gl. (8.18)", nullptr, "Mittenholz zu d\201nn, Spaltgefahr gem. Gl. (218)"},
    {17, "Hholz zu d\201nn, Spaltgefahr gem. Gl. (8.19)", nullptr, " "},
    {18, "Seitenholz zu d\201nn, Spaltgefahr gem. Gl. (8.19)", nullptr, "Seitenholz zu d\201nn, Spaltgefahr gem. Gl. (219)"},
    {19, "Seitenholz 2 zu d\201nn, Spaltgefahr gem. Gl. (8.19)", nullptr, "Seitenholz 2 zu d\201nn, Spaltgefahr gem. Gl. (219)"},
    {20, "Mittenholz zu d\201nn, Spaltgefahr gem. Gl. (8.19)", nullptr, "Mittenholz zu d\201nn, Spaltgefahr gem. Gl. (219)"},
    {21, "Mindestholzdicke (24mm) des Seitenholz unterschritten, gem. DIN 1052, 7.2.3(1)", nullptr, nullptr},
    {22, "Mindestabstand a1 unterschritten ", nullptr, nullptr},
    {23, "Mindestabstand a2 senkrecht zur Faserrichtung unterschritten ", nullptr, "Mindestabstand senkrecht zur Faserrichtung a2 unterschritten "},
    {24, " ", nullptr, "Mindestholzdicke (24mm) des Mittenholz unterschritten, gem. DIN 1052, 7.2.3(1)"},
    {25, "Mindestholzdicke (2.25*he) des Seitenholz unterschritten, gem. 8.9 (2)", nullptr, "Mindestholzdicke (2.25*he) des Seitenholz unterschritten, gem. DIN 1052, 13.3.3(10)"},
    {26, "Mindestholzdicke (3.75*he) des Mittenholz unterschritten, gem. 8.9 (2)", nullptr, "Mindestholzdicke (3.75*he) des Mittenholz unterschritten, gem. DIN 1052, 13.3.3(10)"},
    {27, "SPAX-Schrauben in Verbindung mit Gipskarton gem\204\341 Z-9.1-449, 1.2 nicht zul\204ssig", nullptr, "SPAX-Schrauben in Verbindung mit Gipskarton gem\204\341 Z-9.1-449, 3.1 nicht zul\204ssig"},
    {28, "SPAX-Schrauben in Verbindung mit Fermacell gem\204\341 Z-9.1-449, 1.2 nicht zul\204ssig", nullptr, "SPAX-Schrauben in Verbindung mit Fermacell gem\204\341 Z-9.1-449, 3.1 nicht zul\204ssig"},
    {29, "ASSY-Schrauben in Verbindung mit Gipskarton gem\204\341 ETA-11/0190, 1.2 nicht zul\204ssig", nullptr, "ASSY-Schrauben in Verbindung mit Gipskarton gem\204\341 Z-9.1-449, 3.1 nicht zul\204ssig"},
    {30, "Holzwerkstoffe d\201rfen sich nur auf der Seite des Schraubenkopfes befinden (ETA-11/0190, 1.2)", nullptr, " "},
    {31, "ASSY-Schrauben in Verbindung mit Fermacell gem\204\341 ETA-11/0190, 1.2 nicht zul\204ssig", nullptr, "ASSY-Schrauben in Verbindung mit Fermacell gem\204\341 Z-9.1-449, 3.1 nicht zul\204ssig"},
    {32, "Keine kraftschl\201ssige Verbindung zum Stahlblech bei Verwendung von Zylinder- oder Tellerkopfschrauben", nullptr, nullptr},
    {33, "gem\204\341 ETA-12/0114 4.2 muss die Holzdicke mindestens 1,2d betragen", nullptr, "gem\204\341 ETA-11/0190, 4.2 muss die Holzdicke mindestens 1,2d betragen"},
    {34, "gem\204\341 Z-9.1-449, m\204ssen bei Holzwerkstoffen mit Schrauben >=12mm Unterlegscheiben verwendet werden", nullptr, nullptr},
    {35, "gem\204\341 ETA-11/0190 A.1.3.2 muss die Holzdicke mindestens 1,2d betragen", nullptr, nullptr},
    {36, "gem\204\341 Z-9.1-449, 4.5 muss die Seitenholzdicke ohne Vorbohrung mindestens 30 mm betragen", nullptr, nullptr},
    {37, "gem\204\341 Z-9.1-449, 4.5 muss die Seitenholzdicke ohne Vorbohrung mindestens 40 mm betragen", nullptr, nullptr},
    {38, "gem\204\341 Z-9.1-449, 4.5 muss die Seitenholzdicke ohne Vorbohrung mindestens 80 mm betragen", nullptr, nullptr},
    {39, "gem\204\341 Z-9.1-449, 4.5 muss die Mittenholzdicke ohne Vorbohrung mindestens 30 mm betragen", nullptr, nullptr},
    {40, "gem\204\341 Z-9.1-449, 4.5 muss die Mittenholzdicke ohne Vorbohrung mindestens 40 mm betragen", nullptr, nullptr},
    {41, "gem\204\341 Z-9.1-449, 4.5 muss die Mittenholzdicke ohne Vorbohrung mindestens 80 mm betragen", nullptr, nullptr},
    {42, "Kann nicht berechnet werden, da z.Zt. noch keine Zulassung f\201r DIN EN 1995 existiert", nullptr, " "},
    {43, "Kann nicht berechnet werden, da z.Zt. noch keine Zulassung f\201r DIN EN 1995 existiert", nullptr, " "},
    {44, "Bei D\201beln besonderer Bauart muss die Rohdichte < 500kg/m3 sein. ", nullptr, nullptr},
    {45, "Bei D\201beln besonderer Bauart sind nur f\204r Vollholz, Brett- oder Balkenschichtholz oder Furnierschichtholz zugelassen. ", nullptr, " "},
    {46, "Vorderer/Hinterer Mindestrandabstand (e1c, e1t) unterschritten", nullptr, nullptr},
    {47, "gem\204\341 ETA-11/0190, A.2.4.2 muss die Seitenholzdicke mindestens 24 mm betragen", nullptr, " "},
    {48, "gem\204\341 ETA-11/0190, A.2.4.2 muss die Mittenholzdicke mindestens 24 mm betragen", nullptr, " "},
    {49, "gem\204\341 ETA-11/0190, A.2.4.2 muss die Seitenholzdicke mindestens 30 mm betragen", nullptr, "gem\204\341 Z-9.1-614, 4.5 muss die Seitenholzdicke mindestens 30 mm betragen"},
    {50, "gem\204\341 ETA-11/019, A.2.4.2 muss die Seitenholzdicke mindestens 40 mm betragen", nullptr, "gem\204\341 Z-9.1-614, 4.5 muss die Seitenholzdicke mindestens 40 mm betragen"},
    {51, "gem\204\341 ETA-11/019, A.2.4.2 muss die Seitenholzdicke mindestens 80 mm betragen", nullptr, "gem\204\341 Z-9.1-614, 4.5 muss die Seitenholzdicke mindestens 40 mm betragen"},
    {52, "gem\204\341 ETA-11/019, A.2.4.2 muss die Seitenholzdicke mindestens 100 mm betragen", nullptr, " "},
    {53, "gem\204\341 ETA-11/019, A.2.4.2 muss die Mittenholzdicke mindestens 30 mm betragen", nullptr, "gem\204\341 Z-9.1-614, 4.5 muss die Mittenholzdicke mindestens 30 mm betragen"},
    {54, "gem\204\341 ETA-11/019, A.2.4.2 muss die Mittenholzdicke mindestens 40 mm betragen", nullptr, "gem\204\341 Z-9.1-614, 4.5 muss die Mittenholzdicke mindestens 40 mm betragen"},
    {55, "gem\204\341 ETA-11/019, A.2.4.2 muss die Mittenholzdicke mindestens 80 mm betragen", nullptr, "gem\204\341 Z-9.1-614, 4.5 muss die Mittenholzdicke mindestens 40 mm betragen"},
    {56, "gem\204\341 ETA-11/019, A.2.4.2 muss die Mittenholzdicke mindestens 100 mm betragen", nullptr, " "},
    {57, "gem\204\341 ETA-11/0190, 4.2 d\201rfen Schrauben \214 \362 8 mm nur in die Holzarten Fichte, Tanne oder Kiefer eingeschraubt werden", nullptr, "gem\204\341 Z-9.1-614, 1.2 d\201rfen Schrauben \214 \362 8 mm ohne Vorbohren nur in die Holzarten Fichte, Tanne oder Kiefer eingeschraubt werden"},
    {58, "gem\204\341 ETA-11/0190, 4.2 d\201rfen Schrauben \214 \362 8 mm nur in die Holzarten Fichte, Tanne oder Kiefer eingeschraubt werden", nullptr, nullptr},
    {59, "Schrauben mit d>4 d\201rfen nur in NKL 1 und 2 verwendet werden (ETA-11/0190, 1.2)", nullptr, " "},
    {60, "Schrauben mit d\3634 d\201rfen nur in NKL 1 verwendet werden (ETA-11/0190, 1.2)", nullptr, " "},
    {61, "gem\204\341 ETA-11/0190, A.2.4.2 muss OSB mindestens 12 mm dick sein", nullptr, " "},
    {62, "gem\204\341 ETA-11/0190, A.2.4.2 muss die Spanplatte mindestens 13 mm dick sein", nullptr, " "},
    {63, "SPAX-Schrauben in Laubholz nur mit Vorbohren gem\204\341 Z-9.1-449, 4.3", nullptr, nullptr},
    {64, "Holzwerkstoff- und Stahlplatten sollten gem\204\341 ETA-12/0114, 4.2.2 nur auf der Schraubenkopfseite angebracht sein", nullptr, " "},
    {65, "Mindestdicke gem\204\341 ETA-12/0114, 4.2.2 unterschritten", nullptr, " "},
    {66, "Klammerdurchmesser muss >= 1 und <= 2 mm sein", nullptr, nullptr},
    {67, "Bei einseitiger Beplankung muss Rippenbreite/-h\224he >= 0.25 sein", nullptr, nullptr},
    {68, "av muss bei Klammern <= 150 mm sein", nullptr, nullptr},
    {69, "av muss bei N\204geln <= 150 mm sein", nullptr, nullptr},
    {70, "av muss bei Schrauben <= 200 mm sein", nullptr, nullptr},
    {71, "Schraubendurchmesser muss >= 4.0 mm sein", nullptr, nullptr},
    {72, "Schraubenverbindungen in Fermacell nicht zul\204ssig", nullptr, nullptr},
    {73, "Nagelabstand < 20 d", nullptr, nullptr},
    {74, "Nagelabstand a1 zu klein", nullptr, nullptr},
    {75, "Tafelmindestbreite muss >= H/4 sein", nullptr, nullptr},
    {76, "Bemessungslast Ed muss <= 5.0 KN/m sein", nullptr, nullptr},
    {77, "Verbindungsmittel zu kurz", nullptr, nullptr},
    {78, "Vertikale Rippe/Lamelle zu schmal", nullptr, "Vertikale Rippe zu schmal"},
    {79, "Horizontale Rippe/Lamelle zu schmal", nullptr, "Horizontale Rippe zu schmal"},
    {80, "Mindestabstand a2 senkrecht zur Faserrichtung unterschritten", nullptr, " "},
    {81, "Nach NAD d\201rfen Ring- und Scheibd\201bel aus Aluminiumlegierung nur in Nutzungsklasse 1 und 2 verwendet werden", nullptr, "Nach DIN 1052 d\201rfen Ring- und Scheibd\201bel aus Aluminiumlegierung nur in Nutzungsklasse 1 und 2 verwendet werden"},
    {82, "fuk = 0", nullptr, nullptr},
    {83, "A = 0", nullptr, nullptr},
    {89, "Berechnung von Sondern\204geln nur mit NAD m\224glich", nullptr, " "},
    {90, "Seitenholz zu kurz", nullptr, nullptr},
    {91, "Mindestabstand a4,tc \201berschritten, Holz nicht hoch genug", nullptr, "Mindestabstand a2,tc \201berschritten, Holz nicht hoch genug"},
    {92, "Spaltgefahr => Seitenholz zu d\201nn oder Nagel zu dick", nullptr, nullptr},
    {93, "Anzahl der Zeilen muss bei versetzter Anordnung ungerade sein!", nullptr, nullptr},
    {94, "Anzahl der Spalten muss bei gruppierter Anordnung gerade sein!", nullptr, nullptr},
    {95, "Anzahl der Spalten muss bei versetzter Anordnung > 2 sein!", nullptr, nullptr},
    {96, "Es m\201ssen mindestens 2 Verbindungsmittel pro Sto\341h\204lfte gew\204hlt werden!", nullptr, nullptr},
    {97, "Einpressd\201bel sind in Verbindung mit Laubholz nicht erlaubt ", nullptr, nullptr},
    {98, "Einpressd\201bel sind in Verbindung mit Laubholz nicht erlaubt ", nullptr, nullptr},
    {99, "Einpressd\201bel sind in Verbindung mit Laubholz nicht erlaubt ", nullptr, nullptr},
    {100, "Einpressd\201bel sind in Verbindung mit Laubholz nicht erlaubt ", nullptr, nullptr},
    {101, "Einpressd\201bel sind in Verbindung mit Laubholz nicht erlaubt ", nullptr, nullptr},
    {102, "Nagelabst\204nde zu gro\341 (Seitenholz ist zu lang)", nullptr, nullptr},
    {103, "Sparren nicht hoch genug => Verbindungsmittel k\224nnen nicht untergebracht werden", nullptr, " "},
    {104, "Nagelabst\204nde zu gro\341, Seitenholz ist zu hoch", nullptr, nullptr},
    {105, "N\204gelVerbindungsmittel ist zu kurz oder Seitenholz zu dick", nullptr, nullptr},
    {106, "Mindestdicke des Mittelholz unterschritten", nullptr, nullptr},
    {107, "D\201bel zu hoch", nullptr, nullptr},
    {108, "Seitenholz zu d\201nn bzw. Nageldurchmesser zu gro\341", nullptr, nullptr},
    {109, "Mindestholzdicke im Seitenholz (24 mm) unterschritten", nullptr, nullptr},
    {110, "Mindestabstand a3,t in Faserrichtung zum beanspruchten Rand unterschritten ", nullptr, nullptr},
    {111, "Mindestabstand a3,c in Faserrichtung zum unbeanspruchten Rand unterschritten ", nullptr, nullptr},
    {112, "Mindestabstand a4,t senkrecht zur Faserrichtung zum beanspruchten Rand unterschritten ", nullptr, nullptr},
    {113, "Mindestabstand a4,c senkrecht zur Faserrichtung zum unbeanspruchten Rand unterschritten ", nullptr, nullptr},
    {114, "Vorderer/Hinterer Mindestrandabstand (a3c, a3t) unterschritten", nullptr, "Vorderer/Hinterer Mindestrandabstand (a1c, a1t) unterschritten"},
    {115, "Oberer/Unterer Mindestrandabstand (a2c, a2t) unterschritten", nullptr, nullptr},
    {116, "Mindestabstand a1 der Verbindungsmittel am Kehlbalken unterschritten", nullptr, " "},
    {117, "Oberer/Unterer Mindestrandabstand am Kehlbalken (a4c, a4t) unterschritten", nullptr, " "},
    {118, "Oberer/Unterer Mindestrandabstand am Sparren (a4c, a4t) unterschritten", nullptr, " "},
    {119, "Bitte mindestens eine g\201ltige Schnittgr\224\341enkombination eingeben", nullptr, nullptr},
    {120, "Zu wenig Verbindungsmittel am Kehlbalkenanschluss gew\204hlt", nullptr, " "},
    {121, "Zu wenig Verbindungsmittel am Sparrenanschluss gew\204hlt", nullptr, " "},
    {122, "Seitenholz 1 nicht hoch genung ", nullptr, nullptr},
    {123, "Seitenholz 2 nicht hoch genung ", nullptr, nullptr},
    {124, "Der Steg ist zu schmal ", nullptr, nullptr},
    {125, "Mindesteblechdicke (3mm) unterschritten", nullptr, nullptr},
    {126, "Blechrandabstand e2 oder e3 zu klein", nullptr, nullptr},
    {127, "Mindestdurchmesser 4mm unterschritten", nullptr, " "},
    {128, "Der charaktistische Wert des Ausziehparameters fax,k muss >= 50E-6 \313\313 sein ", nullptr, nullptr},
    {129, "Der Durchmesser muss >= 4mm sein ", nullptr, nullptr},
    {130, "Die Eindringtiefe von lef muss >= 8d sein ", nullptr, nullptr},
    {131, "Der charaktistische Wert des Ausziehparameters fax,k muss >= 4,5 sein ", nullptr, nullptr},
    {132, "Der muss mindestens 3 Schichten durchdringen ", nullptr, nullptr},
    {134, "D\201bel aus Aluminium nicht in Nutzungsklasse 3 erlaubt ", nullptr, " "},
    {135, "Rechtes Seitenholz nicht hoch genug ", nullptr, " "},
    {136, "Mittenholz nicht hoch genug ", nullptr, " "},
    {137, "gem\204\341 8.3.1.2(1) sollte die Eindringtiefe mindestens 8d betragen ", nullptr, " "},
    {138, "Achtung! Eindringtiefe ist < 4d ", nullptr, " "},
    {139, "DIN EN 1995-1-1, NA:2013 8.4 (NA.16) beachten ", nullptr, " "},
    {140, "gem\204\341 DIN EN 1995-1-1, 8.7.2(2) sollte die Holzdicke mindestens 12d betragen ", nullptr, " "},
    {141, "gem\204\341 DIN EN 1995-1-1, 8.7.2(2) sollte die Holzdicke mindestens 12d betragen ", nullptr, " "},
    {142, "gem\204\341 ETA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 6mm betragen ", nullptr, " "},
    {143, "gem\204\341 ETA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 8mm betragen ", nullptr, " "},
    {144, "gem\204\341 ETA-12/0114, 4.2.2 sollte die Holzdicke mindestens 6mm betragen ", nullptr, " "},
    {145, "gem\204\341 ETA-12/0114, 4.2.2 sollte die Holzdicke mindestens 8mm betragen ", nullptr, " "},
    {146, "gem\204\341 TA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 1,2d betragen ", nullptr, " "},
    {147, "gem\204\341 TA-11/0190, A.1.3.2 sollte die Holzdicke mindestens 1,2d betragen ", nullptr, " "},
    {148, "gem\204\341 DIN EN 1995-1-1/NA, (NA.11) 8.3.2(1)P d\201rfen glattsch\204ftige N\204gel in vorgebohrten Nagell\224chern nicht auf Herausziehen beansprucht werden ", nullptr, " "},
    {149, "gem\204\341 DIN EN 1995-1-1 8.3.2(7) sollte die Eindringtiefe glattsch\204ftiger N\204gel mindestens 8d betragen ", nullptr, " "},
    {150, "gem\204\341 DIN EN 1995-1-1 8.3.2(7) sollte die Eindringtiefe von N\204geln mit profiliertem Schaft mindestens 6d betragen ", nullptr, " "},
    {151, "gem\204\341 DIN EN 1995-1-1, NA 2013(NA.16) sollte die Eindringtiefe von Klammern mindestens 12d betragen ", nullptr, " "},
    {152, "gem\204\341 DIN EN 1995-1-1, 8.7.2(3) sollte die geringste Eindringtiefe 6d betragen ", nullptr, " "},
    {153, "Bei Klammern darf nur die beharzte L\204nge zur Ermittling von Rax angesetzt werden ", nullptr, " "},
    {154, "gem\204\341 DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe f\201r glattsch\204ftige N\204gel und Sondern\204gel der Tragf\204higkeitsklasse 1 mindestens 12d betragen ", nullptr, " "},
    {155, "gem\204\341 DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe f\201r Sondern\204gel der Tragf\204higkeitsklassen 2 und 3 mindestens 8d betragen ", nullptr, " "},
    {156, "gem\204\341 DIN 1052, 12.8.1(9) wurde zur Ermittlung von Rax die Einschlagtiefe lef auf 20d begrenzt ", nullptr, " "},
    {157, "Fv,Rk nicht ermittelbar ", nullptr, " "},
    {158, "Lochleibungsspannung im Seitenholz nicht ermittelbar ", nullptr, " "},
    {159, "Lochleibungsspannung im Mittenholz nicht ermittelbar ", nullptr, " "},
    {1000, "gem\204\341 Zulassung ETA-03/0050 f\201r Fermacellplatten darf bei einschnittigen Verbindungen mit N\204geln oder Klammern bei \201berwiegend kurzzeitiger Beanspruchung die charakteristische Tragf\204higkeit parallel zum Rand der Gipsfaserplatte um einen Anteil \243Fv,Rk erh\224ht werden ", " ", " "},
    {1001, "Bei einschnittigen Holzwerkstoff- Holz- Nagelverbindungen mit Sondern\204geln der Tragf\204higkeitsklasse 3, nicht jedoch bei Gipskarton- Holz- Verbindungen, darf der charakteristische Wert der Tragf\204higkeit Fv,Rk nach NAD 8.3.1.3 (NA.9) um einen Anteil \243Fv,Rk erh\224ht werden ", " ", " "},
    {1002, "Bei einschnittigen Verbindungen mit Holzschrauben darf der charakteristische Wert der Tragf\204higkeit Fv,Rk infolge der Seilwirkung um einen Anteil \243Rk erh\224ht werden ", nullptr, " "},
    {1003, "Bei Verbindungen mit Bolzen darf der charakteristische Wert der Tragf\204higkeit Fv,Rk infolge der Seilwirkung um einen Anteil \243Fv,Rk erh\224ht werden ", nullptr, " "},
    {1004, "gem\204\341 DIN EN 1995-1-1, 8.3.1.1(8) wird die Tragf\204higkeit in Faserrichtung hintereinanderliegender N\204gel abgemindert, sofern sie nicht um 1d versetzt angeordnet sind ", nullptr, " "},
    {1005, "gem\204\341 ETA-11/0190, A.1.4.1 m\201ssen bei Douglasien und bei nicht vorgebohrten Schrauben die Mindestabst\204nde in Faserrichtung um 50% erh\224ht werden ", nullptr, " "},
    {1006, "gem\204\341 ETA-11/0190, 4.2 d\201rfen Schrauben mit \214 \362 8 mm nur in die Vollholzarten Fichte, Tanne oder Kiefer eingeschraubt werden ", nullptr, " "},
    {1007, "N\204gel in vorgebohrten Nagell\224chern d\201rfen nach NAD 8.3.2(NA.11) nicht auf Herausziehen beansprucht werden ", nullptr, " "},
    {1008, "gem\204\341 DIN 1052, 12.3(4) wurde zur Ermittlung von fhak, k90=1 gesetzt ", nullptr, " "},
    {1009, "Abminderung von f1k auf 1/3 Rax gem\204\341 DIN 1052-10, A.1(2)b ", nullptr, " "},
    {1010, "Abminderung von Rax auf 70% gem\204\341 8.4.5(5) ", nullptr, " "},
    {1011, "Mindestholzdicke (24mm) des Seitenholz unterschritten => Fv,Rk=0 ", nullptr, " "},
    {1012, "Wenn der Bohrlochdurchmesser nicht gr\224\341er als der Kerndurchmesser des Sondernagels ist, darf gem\204\341 NAD 8.3.2 (NA.13) der Ausziehparameter fax,k mit 70% in Ansatz gebracht werden ", nullptr, " "},
    {1013, "Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-12/0114, 2.1) ", nullptr, " "},
    {1014, "Rax zu Null gesetzt, da der Einschraubwinkel < 15 (ETA-12/0114, 2.1) ", nullptr, " "},
    {1015, "Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-11/0190, A.1.3.1)", nullptr, " "},
    {1016, "gem\204\341 Z-9.1-449 wird bei Verwendung von Holzwerkstoffen ohne Unterlegscheiben der Kopfziehwiderstand zu Null gesetzt ", nullptr, " "},
    {1017, "Das Gewinde nach DIN 7998 hat einen Einfluss auf die charakteristische Tragf\204higkeit auf Zug in Schaftrichtung ", nullptr, " "},
    {1018, "Die Mindestdicke t darf bei Nadelh\224lzern auch nach Gleichung (8.18) berechnet werden, sofern die Randabst\204nde senkrecht zur Faser erh\224ht werden ", nullptr, " "},
    {1019, "Minimaler Abstand a1 unterschritten ", nullptr, " "},
};

const MessageRow kHints[] = {
    {6, "Das Verbindungsmittel ist zu kurz und dringt nicht tief genug in das Seitenholz ein. W\204hlen Sie ein l\204ngeres Verbindungsmittel ", nullptr, nullptr},
    {11, "Das Verbindungsmittel ist zu lang und durchdringt das \204u\341ere Seitenholz ", nullptr, nullptr},
    {14, "Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus Vollholz einen Mindestwert entsprechend 8.3.1.2(7), Gl. (8.19) einhalten ", nullptr, "Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus Vollholz einen Mindestwert entsprechend 12.5.2(13), Gl. (218) einhalten "},
    {15, "Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus Vollholz einen Mindestwert entsprechend 8.3.1.2(7), Gl. (8.19) einhalten ", nullptr, "Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus Vollholz einen Mindestwert entsprechend 12.5.2(13), Gl. (218) einhalten "},
    {16, "Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus Vollholz einen Mindestwert entsprechend 8.3.1.2(7), Gl. (8.19) einhalten ", nullptr, "Wegen der Spaltgefahr des Holzes muss bei Nagelverbindungen ohne Vorbohrung die Dicke t von Bauteilen aus Vollholz einen Mindestwert entsprechend 12.5.2(13), Gl. (218) einhalten "},
    {23, "Mindestabstand senkrecht zur Faserrichtung a2 unterschritten ", nullptr, "Mindestabstand a2 senkrecht zur Faserrichtung unterschritten "},
    {44, "Bei D\201beln besonderer Bauart muss die Rohdichte < 500kg/m3 sein. ", nullptr, " "},
    {91, "Mindestabstand a4,tc \201berschritten, Holz nicht hoch genug", nullptr, "Mindestabstand a2tc \201berschritten, Holz nicht hoch genug"},
    {97, "Einpressd\201bel sind in Verbindung mit Laubholz nicht erlaubt ", nullptr, "Einpressd\201bel sind in Verbindung mit Laubholz nicht erlaubt"},
    {98, "Einpressd\201bel sind in Verbindung mit Laubholz nicht erlaubt ", nullptr, " "},
    {99, "Einpressd\201bel sind in Verbindung mit Laubholz nicht erlaubt ", nullptr, "Einpressd\201bel sind in Verbindung mit Laubholz nicht erlaubt"},
    {100, "Einpressd\201bel sind in Verbindung mit Laubholz nicht erlaubt ", nullptr, "Einpressd\201bel sind in Verbindung mit Laubholz nicht erlaubt"},
    {101, "Einpressd\201bel sind in Verbindung mit Laubholz nicht erlaubt ", nullptr, " "},
    {103, "Sparren nicht hoch genug => Verbindungsmittel k\224nnen nicht untergebracht werden", nullptr, nullptr},
    {105, "N\204gelVerbindungsmittel ist zu kurz oder Seitenholz zu dick", nullptr, "N\204gel zu kurz oder Seitenholz ist zu dick"},
    {116, "Mindestabstand a1 der Verbindungsmittel am Kehlbalken unterschritten", nullptr, nullptr},
    {117, "Oberer/Unterer Mindestrandabstand am Kehlbalken (a4c, a4t) unterschritten", nullptr, "Oberer/Unterer Mindestrandabstand am Kehlbalken (a2c, a2t) unterschritten"},
    {118, "Oberer/Unterer Mindestrandabstand am Sparren (a4c, a4t) unterschritten", nullptr, "Oberer/Unterer Mindestrandabstand am Sparren (a2c, a2t) unterschritten"},
    {119, "Bitte mindestens eine  g\201ltige Schnittgr\224\341enkombination eingeben", nullptr, nullptr},
    {120, "Zu wenig Verbindungsmittel am Kehlbalkenanschluss gew\204hlt", nullptr, nullptr},
    {121, "Zu wenig Verbindungsmittel am Sparrenanschluss gew\204hlt", nullptr, nullptr},
    {134, "D\201bel aus Aluminium nicht in Nutzungsklasse 3 erlaubt ", nullptr, nullptr},
    {135, "Rechtes Seitenholz nicht hoch genug ", nullptr, nullptr},
    {136, "Mittenholz nicht hoch genug ", nullptr, nullptr},
    {153, "Bei Klammern darf nur die beharzte L\204nge zur Ermittling von Rax angesetzt werden ", nullptr, "Bei Klammern darf nur die beharzte L\204nge zur Ermittlung von Rax angesetzt werden (s. DIN 1052, 12.8.3(1) "},
    {154, "gem\204\341 DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe f\201r glattsch\204ftige N\204gel und Sondern\204gel der Tragf\204higkeitsklasse 1 mindestens 12d betragen ", nullptr, nullptr},
    {155, "gem\204\341 DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe f\201r Sondern\204gel der Tragf\204higkeitsklassen 2 und 3 mindestens 8d betragen ", nullptr, nullptr},
    {156, "gem\204\341 DIN 1052, 12.8.1(9) wurde zur Ermittlung von Rax die Einschlagtiefe lef auf 20d begrenzt ", nullptr, nullptr},
    {157, "Fv,Rk nicht ermittelbar ", nullptr, "Rk nicht ermittelbar "},
    {158, "Lochleibungsspannung im Seitenholz nicht ermittelbar ", nullptr, nullptr},
    {159, "Lochleibungsspannung im Mittenholz nicht ermittelbar ", nullptr, nullptr},
    {1000, "gem\204\341 Zulassung ETA-03/0050 f\201r Fermacellplatten darf bei einschnittigen Verbindungen mit N\204geln oder Klammern bei \201berwiegend kurzzeitiger Beanspruchung die charakteristische Tragf\204higkeit parallel zum Rand der Gipsfaserplatte um einen Anteil \243Fv,Rk erh\224ht werden ", " ", "gem\204\341 Zulassung Z-9.1-434 f\201r Fermacellplatten darf bei einschnittigen Verbindungen mit N\204geln oder Klammern bei \201berwiegend kurzzeitiger Beanspruchung die charakteristische Tragf\204higkeit parallel zum Rand der Gipsfaserplatte um einen Anteil \243Rk erh\224ht werden "},
    {1001, "Bei einschnittigen Holzwerkstoff- Holz- Nagelverbindungen mit Sondern\204geln der Tragf\204higkeitsklasse 3, nicht jedoch bei Gipskarton- Holz- Verbindungen, darf der charakteristische Wert der Tragf\204higkeit Fv,Rk nach NAD 8.3.1.3 (NA.9) um einen Anteil \243Fv,Rk erh\224ht werden ", " ", "Bei einschnittigen Holzwerkstoff- Holz- Nagelverbindungen mit Sondern\204geln der Tragf\204higkeitsklasse 3, nicht jedoch bei Gipskarton- Holz- Verbindungen, darf der charakteristische Wert der Tragf\204higkeit Rk nach Gl. (226) um einen Anteil \243Rk erh\224ht werden "},
    {1002, "Bei einschnittigen Verbindungen mit Holzschrauben darf der charakteristische Wert der Tragf\204higkeit Fv,Rk infolge der Seilwirkung um einen Anteil \243Rk erh\224ht werden ", nullptr, "Bei einschnittigen Verbindungen mit Holzschrauben darf der charakteristische Wert der Tragf\204higkeit Rk infolge des Einh\204ngeeffektes um einen Anteil \243Rk erh\224ht werden "},
    {1003, "Bei Verbindungen mit Bolzen darf der charakteristische Wert der Tragf\204higkeit Fv,Rk infolge der Seilwirkung um einen Anteil \243Fv,Rk erh\224ht werden ", nullptr, "Bei Verbindungen mit Passbolzen darf der charakteristische Wert der Tragf\204higkeit Rk infolge des Einh\204ngeeffektes um einen Anteil \243Rk erh\224ht werden "},
    {1005, "gem\204\341 ETA-11/0190, A.1.4.1 m\201ssen bei Douglasien und bei nicht vorgebohrten Schrauben die Mindestabst\204nde in Faserrichtung um 50% erh\224ht werden ", nullptr, nullptr},
    {1006, "gem\204\341 ETA-11/0190, 4.2 d\201rfen Schrauben mit \214 \362 8 mm ohne Vorbohren nur in die Holzarten Fichte, Tanne oder Kiefer eingeschraubt werden ", nullptr, nullptr},
    {1007, "N\204gel in vorgebohrten Nagell\224chern d\201rfen nach NAD 8.3.2(NA.11) nicht auf Herausziehen beansprucht werden ", nullptr, "gem\204\341 DIN 1052, 12.8.1(3) d\201rfen N\204gel in vorgebohrten Nagell\224chern nicht auf Herausziehen beansprucht werden "},
    {1008, "gem\204\341 DIN 1052, 12.3(4) wurde zur Ermittlung von fhak, k90=1 gesetzt ", nullptr, nullptr},
    {1009, "Abminderung von f1k auf 1/3 Rax gem\204\341 DIN 1052-10, A.1(2)b ", nullptr, "Abminderung von f1k auf 1/3 Rax gem\204\341 DIN 1052, 12.8.3(2) "},
    {1010, "Abminderung von Rax auf 70% gem\204\341 8.4.5(5) ", nullptr, "Abminderung von Rax auf 70% gem\204\341 DIN 1052, 12.8.3(3) "},
    {1011, "Mindestholzdicke (24mm) des Seitenholz unterschritten => Fv,Rk=0 ", nullptr, "Mindestholzdicke (24mm) des Seitenholz unterschritten, gem. DIN 1052, 7.2.3(1), => Rk=0 "},
    {1012, "Wenn der Bohrlochdurchmesser nicht gr\224\341er als der Kerndurchmesser des Sondernagels ist, darf gem\204\341 NAD 8.3.2 (NA.13) der Ausziehparameter fax,k mit 70% in Ansatz gebracht werden ", nullptr, "Wenn der Bohrlochdurchmesser nicht gr\224\341er als der Kerndurchmesser des Sondernagels ist, darf der Ausziehparameter f1,k mit 70% in Ansatz gebracht werden "},
    {1013, "Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-12/0114, 2.1) ", nullptr, "Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-12/0114 2.1) "},
    {1015, "Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-11/0190, A.1.3.1)", nullptr, "Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-11/0190 A.1.3.1)"},
    {1016, "gem\204\341 Z-9.1-449 wird bei Verwendung von Holzwerkstoffen ohne Unterlegscheiben der Kopfziehwiderstand zu Null gesetzt ", nullptr, nullptr},
    {1017, "Das Gewinde nach DIN 7998 hat einen Einfluss auf die charakteristische Tragf\204higkeit auf Zug in Schaftrichtung ", nullptr, nullptr},
    {1018, "Die Mindestdicke t darf bei Nadelh\224lzern auch nach Gleichung (8.18) berechnet werden, sofern die Randabst\204nde senkrecht zur Faser erh\224ht werden ", nullptr, "Die Mindestdicke t darf bei Nadelh\224lzern auch nach Gleichung (219) berechnet werden, sofern die Randabst\204nde senkrecht zur Faser erh\224ht werden "},
    {1019, "Minimaler Abstand a1 unterschritten ", nullptr, "Minimaler Abstand a1 in Faserrichtung unterschritten "},
    {1020, "gem\204\341 ETA-12/0114, 4.2.2 d\201rfen Schrauben mit \214 \362 8 mm ohne Vorbohren nur in die Holzarten Fichte, Tanne oder Kiefer eingeschraubt werden ", nullptr, nullptr},
    {1021, "gem\204\341 ETA-12/0114, 4.2.4 m\201ssen bei Douglasien und bei nicht vorgebohrten Schrauben die Mindestabst\204nde in Faserrichtung um 50% erh\224ht werden ", nullptr, nullptr},
    {1022, "Der charaktistische Wert des Ausziehparameters fhead,k muss >= 100E-6 \313\313 sein ", nullptr, nullptr},
};


template <size_t N>
const MessageRow* find(const MessageRow (&rows)[N], int code)
{
    for (const MessageRow& r : rows)
        if (r.code == code) return &r;
    return nullptr;
}

const char* wording(const MessageRow& r)
{
    if (!cur_ec5_params) return r.din ? r.din : r.ec5;
    if (cur_ec5_params->country == 0 && r.ec5_no_country) return r.ec5_no_country;
    return r.ec5;
}

const char* copy_to(char* buffer, size_t size, const char* text)
{
    std::snprintf(buffer, size, "%s", text);
    return buffer;
}

// Codes that only the DIN 1052 rules produce: without a set they take the DIN wording of the
// explanatory list instead of a blank.
bool din_only(int code)
{
    return (code >= 153 && code <= 156) || code == 1007 || code == 1010;
}

} // namespace

const char* connection_message_text(int code)
{
    static char buffer[512];
    if (code == 0) return nullptr;
    if (!cur_ec5_params && din_only(code)) {
        if (const MessageRow* h = find(kHints, code)) return copy_to(buffer, sizeof buffer, wording(*h));
    }
    const MessageRow* r = find(kMessages, code);
    return copy_to(buffer, sizeof buffer, r ? wording(*r) : " ");
}

const char* connection_message_hint(int code)
{
    static char buffer[512];
    if (const MessageRow* h = find(kHints, code)) return copy_to(buffer, sizeof buffer, wording(*h));
    const bool same = code == 0 || code == 45 || code == 90 || (code >= 92 && code <= 96) || code == 102 ||
                      code == 104 || (code >= 106 && code <= 109) || code == 124 || (code >= 137 && code <= 152) ||
                      code == 1004 || code == 1014;
    if (same) {
        if (code == 0) return nullptr;
        const MessageRow* r = find(kMessages, code);
        return copy_to(buffer, sizeof buffer, r ? wording(*r) : " ");
    }
    return copy_to(buffer, sizeof buffer, " ");
}

const char* connection_method_name(int method, int with_clause)
{
    switch (method) {
    case 0: return with_clause ? "Vereinfachter Nachweis nach NAD 8.2.1" : "Vereinfachter Nachweis";
    case 1: return with_clause ? "Genauer Nachweis nach DIN EN 1995, 8.2.2" : "Genauer Nachweis";
    case 2: return "Bemessungswerte-Verfahren";
    default: return "";
    }
}

const char* connection_equation_label(int mode)
{
    static char buffer[32];
    if (mode == 30) return copy_to(buffer, sizeof buffer, "Alu-Lochleibungsspannung");
    if (!cur_ec5_params) {
        std::snprintf(buffer, sizeof buffer, "Gl.(%d)", mode);
        return buffer;
    }
    int letter;
    if (mode <= 8) letter = mode + 96;
    else if (mode <= 10) letter = mode + 97;
    else letter = mode + 87;
    std::snprintf(buffer, sizeof buffer, "Gl.(%c)", static_cast<char>(letter));
    return buffer;
}
