#!/usr/bin/env python3
"""Draws the animation strips of the screen routines as 24-bit BMP files into data/DATA/BITMAPS.

Anima2.bmp: twelve frames of 84 x 84 pixels from x = 1 in steps of 85 (y = 1), a ring of twelve
dots with one running around it, on yellow (255, 255, 0), the animation's transparent colour.
animsandclock.bmp: twelve frames of 31 x 61 pixels side by side, a sand clock running down, on
grey (192, 192, 192), the sand clock's transparent colour.
"""
import math
import os
import struct
import sys


def write_bmp(path, width, height, pixel):
    row = (width * 3 + 3) // 4 * 4
    data = bytearray()
    for y in range(height - 1, -1, -1):          # bottom-up
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        line += b"\0" * (row - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def busy_strip():
    frames, size, stride = 12, 84, 85
    yellow = (255, 255, 0)

    def pixel(x, y):
        k, fx, fy = (x - 1) // stride, (x - 1) % stride, y - 1
        if x < 1 or y < 1 or k >= frames or fx >= size or fy >= size:
            return yellow
        cx = cy = size / 2 - 0.5
        for i in range(frames):
            a = 2 * math.pi * i / frames - math.pi / 2
            dx, dy = cx + 30 * math.cos(a), cy + 30 * math.sin(a)
            if (fx - dx) ** 2 + (fy - dy) ** 2 <= 5.5 ** 2:
                age = (k - i) % frames            # 0: the running dot, then its fading tail
                shade = min(200, 40 + 40 * age)
                return (shade // 3, shade // 2, 255 - shade // 2) if age < 4 else (200, 205, 215)
        return yellow

    return frames * stride + 1, size + 2, pixel


def sandclock_strip():
    frames, w, h = 12, 31, 61
    grey = (192, 192, 192)
    glass, sand, frame = (235, 240, 250), (200, 150, 60), (60, 50, 40)

    def pixel(x, y):
        k, fx = x // w, x % w
        if y <= 2 or y >= h - 3:
            return frame if 2 <= fx <= w - 3 else grey
        half = (h - 1) / 2
        dist = abs(y - half) / (half - 3)          # 0 at the waist, 1 at the plates
        reach = 1.5 + (w / 2 - 4) * dist
        if abs(fx - (w - 1) / 2) > reach + 1:
            return grey
        if abs(fx - (w - 1) / 2) > reach:
            return frame
        run = k / (frames - 1)                     # part of the sand that has run down
        if y < half:                               # top: sand at the bottom of the bulb
            level = half - (half - 3) * (1 - run) * 0.8
            return sand if y >= level and run < 1 else glass
        level = h - 3 - (half - 3) * run * 0.8     # bottom: a growing heap
        if y >= level or (abs(fx - (w - 1) / 2) < 1 and run < 1):
            return sand
        return glass

    return frames * w, h, pixel


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data", "DATA", "BITMAPS")
    os.makedirs(out, exist_ok=True)
    for name, strip in (("Anima2.bmp", busy_strip), ("animsandclock.bmp", sandclock_strip)):
        w, h, pixel = strip()
        write_bmp(os.path.join(out, name), w, h, pixel)


if __name__ == "__main__":
    main()
