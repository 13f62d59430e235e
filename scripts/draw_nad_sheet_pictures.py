#!/usr/bin/env python3
"""Draws the label pictures of the national-annex parameter sheets with ImageMagick into
data/DATA/BITMAPS: the row and column labels stand on the rows where the sheets put their fields.

NAD_EC5.bmp               the timber sheet's nine pictures, stacked at the rows the sheet cuts out
NAD-Kbws.bmp              load factors of buildings (519 x 1500)
NAD_bridge_*.bmp          load factors of bridges (381 wide)
NAD_Func*.bmp             the formulas behind the concrete sheet's switch pairs (176 x 38)
"""
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "data", "DATA", "BITMAPS")
FONT = "DejaVu-Sans"
BG = "rgb(255,251,240)"   # the sheets' transparent colour


def picture(name, width, height, labels, background=BG, boxes=()):
    """labels: (x, baseline y, text[, point size]); boxes: (x1, y1, x2, y2, colour)."""
    cmd = ["convert", "-size", f"{width}x{height}", f"xc:{background}", "-font", FONT, "-fill", "black"]
    for x1, y1, x2, y2, colour in boxes:
        cmd += ["-fill", colour, "-draw", f"rectangle {x1},{y1} {x2},{y2}", "-fill", "black"]
    for label in labels:
        x, y, text = label[:3]
        size = label[3] if len(label) > 3 else 11
        cmd += ["-pointsize", str(size), "-annotate", f"+{x}+{y}", text]
    cmd += ["-colors", "16", "-type", "Palette", "BMP3:" + os.path.join(OUT, name)]
    subprocess.run(cmd, check=True)


def ec5():
    # (top in the file, labels relative to the picture's top); the sheet's fields stand at x 150..320.
    parts = {
        # picture 1's heading is the sheet's own text: it names the table by the set's annex
        1: (0, [(10, 45, "ständig/vorübergehend, Vollholz"), (10, 75, "ständig/vorübergehend, Brettschichtholz"),
                (10, 105, "außergewöhnlich, alle Arten"), (270, 45, "γM ="), (270, 75, "γM ="), (270, 105, "γM =")]),
        2: (142, [(10, 25, "Brandschutz (DIN EN 1995-1-2)"), (10, 55, "alle Arten"), (262, 55, "γM,fi =")]),
        3: (244, [(10, 11, "Nachweis"), (190, 11, "normal"), (300, 11, "Kragarm"), (10, 25, "winst"),
                  (10, 41, "wfin"), (10, 57, "wnet,fin"), (175, 25, "l/"), (285, 25, "l/"), (175, 41, "l/"),
                  (285, 41, "l/"), (175, 57, "l/"), (285, 57, "l/")]),
        4: (310, [(10, 18, "Rissfaktor kcr, Schub (6.1.7 (2))"), (30, 40, "fest: Voll- und Brettschichtholz  kcr ="),
                  (30, 62, "        andere Werkstoffe            kcr ="),
                  (30, 88, "nach NA-DE: 2,0/fv,k Nadelholz, 0,67 Laubholz,"), (30, 102, "2,5/fv,k Brettschichtholz, 1,0 sonst")]),
        5: (418, [(10, 20, "Torsion: kshape für Rechteckquerschnitte (6.1.8)"), (10, 70, "kshape = 1 +"),
                  (200, 70, "· h/b  ≤")]),
        6: (540, [(10, 30, "KLED"), (160, 18, "Nutzungsklasse"), (175, 34, "1"), (245, 34, "2"), (315, 34, "3"),
                  (10, 52, "ständig"), (10, 74, "lang"), (10, 96, "mittel"), (10, 118, "kurz"), (10, 140, "sehr kurz"),
                  (100, 52, "kmod ="), (100, 74, "kmod ="), (100, 96, "kmod ="), (100, 118, "kmod ="), (100, 140, "kmod =")]),
        7: (700, [(160, 70, "Nutzungsklasse"), (175, 86, "1"), (245, 86, "2"), (315, 86, "3"), (10, 100, "Kriechen  kdef =")]),
        8: (832, [(10, 20, "wnet,fin = winst + wcreep − wc (7.2)"), (30, 60, "winst aus charakteristischer Kombination"),
                  (30, 90, "winst aus quasi-ständiger Kombination (NA.A1)")]),
        9: (940, [(10, 20, "Klasse der Lasteinwirkungsdauer „kurz/sehr kurz“:"),
                  (10, 40, "kmod als Mittelwert von kurz und sehr kurz"), (40, 95, "Index (b) der Tabelle NA.1 anwenden")]),
    }
    cmd = ["convert", "-size", "376x1050", f"xc:{BG}", "-font", FONT, "-pointsize", "11", "-fill", "black"]
    for top, labels in parts.values():
        for label in labels:
            x, y, text = label[:3]
            cmd += ["-annotate", f"+{x}+{top + y}", text]
    cmd += ["-colors", "16", "-type", "Palette", "BMP3:" + os.path.join(OUT, "NAD_EC5.bmp")]
    subprocess.run(cmd, check=True)


BUILDING_ACTIONS = ["ständige Lasten", "veränderliche Lasten", "Flüssigkeitsdruck/Maschinenlasten", "Zwang",
                    "Vorspannung", "außergewöhnliche Einwirkungen", "Erdbeben"]
BRIDGE_ACTIONS = ["ständige Lasten", "Vorspannung linear", "Vorspannung nichtlinear", "Vorspannung lokal",
                  "Setzung linear", "Setzung nichtlinear", "Straßenverkehr", "Fußgängerverkehr",
                  "Schienenverkehr Lastgruppe 11 bis 31", "Schienenverkehr Lastgr. 16, 17, SW/2",
                  "veränderliche Lasten", "Bauausführung", "Temperatur", "außergewöhnliche Einwirkungen", "Erdbeben"]
SITUATIONS = ["ständige und vorübergehende Bemessungssituation", "außergewöhnliche Bemessungssituation",
              "Erdbebenbemessungssituation", "Gebrauchstauglichkeit und Ermüdung"]


def ec0():
    top = 30
    labels = []
    rows = [(124, [0, 1, 2, 3, 4]), (369, [0, 1, 2, 3, 4, 5]), (613, [0, 1, 2, 3, 4, None, 6]), (861, [0, 1, 2, 3, 4])]
    for s, (y0, kinds) in enumerate(rows):
        labels += [(10, y0 - 40 - top, SITUATIONS[s], 12), (262, y0 - 20 - top, "γF,sup"), (321, y0 - 20 - top, "γF,inf")]
        for i, k in enumerate(kinds):
            if k is not None:
                labels.append((10, y0 + 22 * i - top, BUILDING_ACTIONS[k]))
    psi = ["Wohn-, Büroräume  A, B", "Versammlungs-, Verkaufsräume  C, D", "Lagerräume  E", "Fahrzeuge bis 30 kN  F",
           "Fahrzeuge bis 160 kN  G", "Dächer  H", "Schnee/Eis bis 1000 m ü.NN", "Schnee/Eis über 1000 m ü.NN", "Wind",
           "Temperatur", "Baugrundsetzungen", "sonstige Einwirkungen"]
    labels += [(10, 1073 - top, "Kombinationsbeiwerte", 12), (231, 1093 - top, "ψ0"), (281, 1093 - top, "ψ1"),
               (331, 1093 - top, "ψ2"), (381, 1093 - top, "ψ2,E")]
    for r, text in enumerate(psi):
        g = 0 if r < 3 else 1 if r < 6 else 2
        labels.append((10, 1113 + 22 * (r + g) - top, text))
    picture("NAD-Kbws.bmp", 519, 1500, labels, "white")

    def situation(name, pic_top, pic_bottom, s, y0, extra):
        lab = [(10, 40, SITUATIONS[s], 12), (262, 70, "γF,sup"), (321, 70, "γF,inf")]
        for k in range(11):
            lab.append((10, y0 + 22 * k - pic_top, BRIDGE_ACTIONS[k]))
        for k, y in extra:
            lab.append((10, y - pic_top, BRIDGE_ACTIONS[k]))
        picture(name, 382, pic_bottom - pic_top + 1, lab, "white")

    situation("NAD_bridge_str_b.bmp", 29, 404, 0, 123, [(12, 387)])
    situation("NAD_bridge_ausser.bmp", 415, 815, 1, 509, [(12, 773), (13, 795)])
    situation("NAD_bridge_erdbeben.bmp", 823, 1223, 2, 917, [(12, 1181), (14, 1203)])
    situation("NAD_bridge_gebrauch.bmp", 1231, 1606, 3, 1325, [(12, 1589)])

    def psi_picture(name, pic_top, pic_bottom, title, rows):
        lab = [(10, 40, title, 12), (231, 56, "ψ0"), (281, 56, "ψ1"), (331, 56, "ψ2")]   # clear of the first fields
        lab += [(10, y - pic_top, text) for y, text in rows]
        picture(name, 382, pic_bottom - pic_top + 1, lab, "white")

    road = ["gr1a Doppelachse", "gr1a Gleichmäßig verteilte Last", "gr1a Geh- und Radwegbelastung", "gr1b (Einzelachse)",
            "gr2 (Horizontalkräfte)", "gr3 (Gehwegbelastung)", "gr4 (LM4 - Menschengedränge)",
            "gr5 (LM5 - Spezialfahrzeuge)", "Wind ständige Bemessungssit.", "Temperatur", "Baugrundsetzungen",
            "Temperaturlasten", "Schneelasten (Bauzeit)", "Lasten aus Bauausführung"]
    psi_picture("NAD_bridge_str_psi.bmp", 1617, 2017, "Kombinationsbeiwerte Straßenbrücken",
                [(1692 + 22 * r, t) for r, t in enumerate(road)])
    foot = ["gr1", "Qfwk", "gr2", "Fwk", "Tk", "QSn,k", "Qc"]
    psi_picture("NAD_bridge_fuss_psi.bmp", 2005, 2246, "Kombinationsbeiwerte Fußgängerbrücken",
                [(2080 + 22 * r, t) for r, t in enumerate(foot)])
    rail = ["LM 71", "SW/0", "SW/2", "Unbeladener Zug", "HSLM", "Seitenstoß", "Lasten auf Dienstwege",
            "Betriebslastenzug", "Horiz. Erddruck (Verkehrslasten)", "Aerodynamische Einwirkungen", "gr11 (LM 71 + SW/0)",
            "gr12 (LM 71 + SW/0)", "gr13 (Bremsen/Anfahren)", "gr14 (Zentrifugalkraft/Seitenstoß)",
            "gr15 (unbeladener Zug)", "gr16 (SW/2)", "gr17 (SW/2)", "gr21 (LM 71 + SW/0)", "gr22 (LM 71 + SW/0)",
            "gr23 (Bremsen/Anfahren)", "gr24 (Zentrifugalkraft/Seitenstoß)", "gr26 (SW/2)", "gr27 (SW/2)",
            "gr31 (LM 71 + SW/0)", "Aerodynamische Einwirkungen", "Instandhaltung Dienstgehwege", "Fwk", "FW**", "Tk",
            "QSn,k (Bauausführung)", "Qc"]
    rows = [((2314 + 22 * r) if r <= 8 else (2530 + 22 * (r - 9)), t) for r, t in enumerate(rail)]
    rows += [(2314, ""), (3044, "Faktor a: 1 Gleis"), (3066, "2 Gleise"), (3088, "3 oder mehr Gleise")]
    rows += [(2314 + 22 * r, "") for r in (0, 1, 8)]
    psi_picture("NAD_bridge_bahn_psi.bmp", 2239, 3103, "Kombinationsbeiwerte Eisenbahnbrücken", rows)


def formulas():
    for name, text in [("NAD_Func1.bmp", "k = x (0,6 + 0,0014/εcu2)"), ("NAD_Func8.bmp", "λlim = x / √n"),
                       ("NAD_Func2a.bmp", "νmin = x k^1,5 fck^0,5"), ("NAD_Func2b.bmp", "ν = x (1 − fck/250)"),
                       ("NAD_Func2c.bmp", "νl,min = x k^1,5 flck^0,5"), ("NAD_Func2d.bmp", "νl = x η1 (1 − flck/250)"),
                       ("NAD_Func7a.bmp", "ν1 = x (1 − fck/250)"), ("NAD_Func7b.bmp", "ν1l = x η1 (1 − flck/250)"),
                       ("NAD_Func5.bmp", "As,min = x fctm/fyk bt d"), ("NAD_Func6.bmp", "ρw,min = x √fck / fyk"),
                       ("NAD_Func3a.bmp", "As,min = x NEd / fyd"), ("NAD_Func3b.bmp", "As,vmin = x Ac"),
                       ("NAD_Func4.bmp", "λc = λcu + x (λco − λcu)")]:
        picture(name, 176, 38, [(6, 24, text, 12)], "white")


def main():
    os.makedirs(OUT, exist_ok=True)
    ec5()
    ec0()
    formulas()
    return 0


if __name__ == "__main__":
    sys.exit(main())
