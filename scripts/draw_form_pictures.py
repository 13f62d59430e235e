#!/usr/bin/env python3
"""Draws the pictures the form toolkit's buttons name as 24-bit BMP files into data/DATA/BITMAPS.

TextButtonBg*.bmp: faces of the caption buttons (normal, under the mouse "_ro",
inactive "Inaktive"), stretched over the button; no pure white, the buttons' transparent colour.
The screen finds pictures whatever the case of their names, so "textbuttonbg.bmp" is TextButtonBg.bmp.
Image buttons take their pictures from a strip of three side by side, each as wide as the
button: inactive (grey), active, and under the mouse (framed).
SniGrImportButton.bmp: 51 pixels a picture, three buttons one above the other: from y 0 (33 high)
the import from a component, from y 36 (36 high) the delete-all button on (198, 222, 228), from
y 76 (36 high) the import from a text file; white around the first and the last is transparent.
SniK7.bmp: 56 x 15, the badge of the program family before "Programmen ..." in its first 20
pixels (one picture, white elsewhere).
deskbuts.bmp: 38 pixels a picture; from y 250 the 38 x 38 file-search button on (255, 251, 240).
but_hinweise_reaktivieren.bmp: the 212 x 21 face of the hints page's button on (255, 251, 240).
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from draw_pictures import write_bmp  # noqa: E402

WHITE = (255, 255, 255)
PANE = (255, 251, 240)
DELETE_BG = (198, 222, 228)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def face(width, height, top, bottom, frame):
    def pixel(x, y):
        if x in (0, width - 1) or y in (0, height - 1):
            return frame
        return mix(top, bottom, y / max(1, height - 1))

    return width, height, pixel


def button_states(width, height, pixel, transparent):
    """Three pictures of a button side by side: inactive, active, under the mouse."""
    hover = (0, 90, 200)

    def states(x, y):
        k, fx = x // width, x % width
        c = pixel(fx, y)
        clear = transparent(y) if callable(transparent) else transparent
        if c == clear:
            return c
        if k == 0:
            g = min(250, 120 + (c[0] * 3 + c[1] * 6 + c[2]) // 20)
            return (g, g, g) if (g, g, g) != clear else (g - 1, g - 1, g - 1)
        if k == 2 and (fx in (0, width - 1)):
            return hover
        return c

    return 3 * width, height, states


def in_box(x, y, x1, y1, x2, y2):
    return x1 <= x <= x2 and y1 <= y <= y2


def import_picture(x, y):
    """A component box with an arrow pointing out of it into a table (33 high)."""
    if in_box(x, y, 4, 6, 22, 26):
        return (40, 70, 140) if x in (4, 22) or y in (6, 26) else (200, 215, 240)
    if in_box(x, y, 30, 6, 46, 26):
        return (90, 90, 90) if x in (30, 46) or y in (6, 26) or (y - 6) % 5 == 0 else (250, 250, 245)
    if 13 <= y <= 19 and 18 <= x <= 34 - abs(y - 16):
        return (0, 120, 40)
    return WHITE


def delete_picture(x, y):
    """A dust bin with a red cross (36 high)."""
    if in_box(x, y, 16, 8, 34, 30):
        if abs((x - 16) - (y - 8) * 18 / 22) < 1.6 or abs((34 - x) - (y - 8) * 18 / 22) < 1.6:
            return (200, 30, 30)
        return (80, 80, 80) if x in (16, 34) or y == 30 or (x - 16) % 6 == 0 else (170, 175, 180)
    if in_box(x, y, 13, 5, 37, 7):
        return (80, 80, 80)
    return DELETE_BG


def text_file_picture(x, y):
    """A sheet of text lines with an arrow (36 high)."""
    if in_box(x, y, 8, 5, 28, 31):
        if x in (8, 28) or y in (5, 31):
            return (90, 90, 90)
        return (120, 120, 120) if y % 4 == 0 and 11 <= x <= 25 else (250, 250, 245)
    if 15 <= y <= 21 and 28 <= x <= 44 - abs(y - 18):
        return (0, 120, 40)
    return WHITE


def import_strip():
    def pixel(x, y):
        if y < 33:
            return import_picture(x, y)
        if 36 <= y < 72:
            return delete_picture(x, y - 36)
        if 76 <= y < 112:
            return text_file_picture(x, y - 76)
        return WHITE

    def background(y):
        return DELETE_BG if 36 <= y < 72 else WHITE

    return button_states(51, 112, pixel, background)


def family_badge():
    """A small blue badge with two light bars at the left; the rest white, which is transparent,
    so that the label after it stays readable."""
    def pixel(x, y):
        if x > 19 or y < 1 or y > 13:
            return WHITE
        if x in (0, 19) or y in (1, 13):
            return (20, 50, 110)
        if 4 <= y <= 10 and (3 <= x <= 8 or 11 <= x <= 16):
            return (235, 240, 250)
        return mix((60, 100, 180), (30, 60, 130), y / 14)

    return 56, 15, pixel


def desk_strip():
    def pixel(x, y):
        if y < 250:
            return PANE
        fy = y - 250
        cx, cy, r = 16, 15, 9
        d2 = (x - cx) ** 2 + (fy - cy) ** 2
        if (r - 2) ** 2 <= d2 <= r ** 2:
            return (60, 60, 60)
        if d2 < (r - 2) ** 2:
            return (210, 230, 250)
        if 22 <= x <= 31 and 22 <= fy <= 31 and abs((x - 22) - (fy - 22)) <= 1.5:
            return (100, 70, 30)
        return PANE

    return button_states(38, 288, pixel, PANE)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data", "DATA", "BITMAPS")
    os.makedirs(out, exist_ok=True)
    grey = (144, 144, 144)
    pictures = {
        "TextButtonBg.bmp": face(100, 19, (250, 250, 252), (214, 220, 230), grey),
        "TextButtonBg_ro.bmp": face(100, 19, (254, 250, 225), (240, 215, 150), grey),
        "TextButtonBgInaktive.bmp": face(100, 19, (244, 244, 244), (232, 232, 232), (196, 196, 196)),
        "TextButtonBgInaktive_ro.bmp": face(100, 19, (244, 244, 244), (232, 232, 232), (196, 196, 196)),
        "SniGrImportButton.bmp": import_strip(),
        "SniK7.bmp": family_badge(),
        "deskbuts.bmp": desk_strip(),
        "but_hinweise_reaktivieren.bmp": button_states(*face(212, 21, (236, 246, 236), (190, 220, 190), (0, 95, 0)),
                                                       PANE),
    }
    for name, (w, h, pixel) in pictures.items():
        write_bmp(os.path.join(out, name), w, h, pixel)


if __name__ == "__main__":
    main()
