#include "national_annex/nad_ec0_names.h"

const char* const kEc0BuildingActions[7] = {
    "st\204ndige Lasten", "ver\204nderliche Lasten", "Fl\201ssigkeitsdruck/Maschinenlasten", "Zwang", "Vorspannung",
    "au\341ergew\224hnliche Einwirkungen", "Erdbeben"};
const char* const kEc0BridgeActions[15] = {
    "st\204ndige Lasten", "Vorspannung linear", "Vorspannung nichtlinear", "Vorspannung lokal", "Setzung linear",
    "Setzung nichtlinear", "Stra\341enverkehr", "Fu\341g\204ngerverkehr", "Schienenverkehr Lastgruppe 11 bis 31",
    "Schienenverkehr Lastgr. 16, 17, SW/2", "ver\204nderliche Lasten", "Bauausf\201hrung", "Temperatur",
    "au\341ergw\224hnliche Einwirkungen", "Erdbeben"};

const char* const kEc0BuildingPsiRows[12][2] = {
    {"Wohn-, B\201ror\204ume", "A, B"},          {"Versammlungs-, Verkaufsr\204ume", "C, D"},
    {"Lagerr\204ume", "  E "},                   {"Fahrzeuge bis 30 kN", "  F "},
    {"Fahrzeuge bis 160 kN", "  G "},            {"D\204cher", "  H "},
    {"Schnee/Eis bis 1000 m \201.NN", ""},       {"Schnee/Eis \201ber 1000 m \201.NN", ""},
    {"Wind", ""},                                {"Temperatur", ""},
    {"Baugrundsetzungen", ""},                   {"sonstige Einwirkungen", ""}};
const char* const kEc0RoadPsiRows[14] = {
    "gr1a Doppelachse", "gr1a Gleichm\204\341ig verteilte Last", "gr1a Geh- und Radwegbelastung", "gr1b (Einzelachse)",
    "gr2 (Horizontalkr\204fte", "gr3 (Gehwegbelastung)", "gr4 (LM4 - Menschengedr\204nge)",
    "gr5 (LM5 - Spezialfahrzeuge)", "Wind st\204ndige Bemessungssituation", "Temperatur", "Baugrundsetzungen",
    "Temperaturlasten", "Schneelasten (Bauzeit)", "Lasten aus Bauausf\201hrung"};
const char* const kEc0FootPsiRows[7] = {"gr1\316\\ \316r",  "Q\316\\fwk\316r",   "gr2\316\\ \316r", "F\316\\wk\316r",
                                     "T\316\\k\316r",     "Q\316\\Sn,k\316r", "Q\316\\c\316r"};
const char* const kEc0RailPsiRows[26] = {
    "LM 71", "SW/0", "SW/2", "Unbeladener Zug", "HSLM", "Seitensto\204", "Lasten auf Dienstwege", "Betriebslastenzug",
    "Horizontaler Erddruck infolge", "Aerodynamische Einwirkungen", "gr11 (LM 71 + SW/0)", "gr12 (LM 71 + SW/0)",
    "gr13 (Bremsen/Anfahren)", "gr14 (Zentrifugalkraft/Seitensto\341)", "gr15 (unbeladener Zug)", "gr16 (SW/2)",
    "gr17 (SW/2)", "gr21 (LM 71 +SW/0)", "gr22 (LM 71 +SW/0)", "gr23 (Bremsen/Anfahren)",
    "gr24 (Zentrifugalkraft/Seitensto\341)", "gr26 (SW/2)", "gr27 (SW/2)", "gr31 (LM 71 +SW/0)",
    "Aerodynamische Einwirkungen", "Allgemeine Lasten aus"};
// Rail rows 26 to 30 carry code bytes in their names; their formats are wider by those bytes.
const char* const kEc0RailCodedRows[5] = {"F\316\\wk\316r   ", "F\316\\W\316/**   \316r", "T\316\\k\316r   ",
                                       "Q\316\\Sn,k\316r (Bauausf\201hrung)   ", "Q\316\\c\316r   "};
