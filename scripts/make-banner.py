#!/usr/bin/env python3
"""Draws the window's 440 x 75 picture banner: the product's name in lit LED dots over a dim dot
matrix, as a screen module shows it. Writes a progressive colour JPEG through cjpeg
(Debian's libjpeg-turbo-progs). Same script, same bytes.

Usage: scripts/make-banner.py ui/layout/banner.jpg
"""
import subprocess
import sys

WIDTH, HEIGHT = 440, 75

# 5 x 7 dot-matrix glyphs, one string of five columns' bits per row.
GLYPHS = {
    "P": ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    "I": ["11111", "00100", "00100", "00100", "00100", "00100", "11111"],
    "X": ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "C": ["01111", "10000", "10000", "10000", "10000", "10000", "01111"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "Q": ["01110", "10001", "10001", "10001", "10101", "10010", "01101"],
    "U": ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    " ": ["00000"] * 7,
}


def lit_cells(text):
    """The lit cells of `text` as (column, row), one blank column between glyphs."""
    cells = set()
    for i, ch in enumerate(text):
        for row, bits in enumerate(GLYPHS[ch]):
            for col, bit in enumerate(bits):
                if bit == "1":
                    cells.add((i * 6 + col, row))
    return cells


def blend(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def draw():
    pixels = [[(18, 20, 28)] * WIDTH for _ in range(HEIGHT)]

    def dot(cx, cy, radius, colour):
        for y in range(max(0, cy - radius), min(HEIGHT, cy + radius + 1)):
            for x in range(max(0, cx - radius), min(WIDTH, cx + radius + 1)):
                d2 = (x - cx) ** 2 + (y - cy) ** 2
                if d2 <= radius * radius:
                    fade = 1.0 - 0.45 * d2 / (radius * radius + 1)
                    pixels[y][x] = tuple(round(c * fade) for c in colour)

    # The dim matrix behind everything: a module of unlit LEDs.
    for cy in range(2, HEIGHT, 5):
        for cx in range(2, WIDTH, 5):
            dot(cx, cy, 1, (52, 40, 44))

    # The name, large, amber shading into red across the banner.
    pitch, left, top = 5, 12, 7
    for col, row in lit_cells("PIXTALLO"):
        colour = blend((255, 190, 40), (255, 60, 40), col / 48)
        dot(left + col * pitch + 2, top + row * pitch + 2, 2, colour)

    # The purpose, smaller, in green.
    pitch, left, top = 3, 14, 50
    for col, row in lit_cells("LED SCREEN QUOTE"):
        dot(left + col * pitch + 1, top + row * pitch + 1, 1, (90, 235, 120))

    # A strip of full-colour pixels at the right, red, green and blue sub-pixels in turn.
    for i, cy in enumerate(range(10, 66, 7)):
        for j, cx in enumerate(range(300, 430, 7)):
            colour = [(235, 50, 50), (60, 220, 90), (60, 110, 255)][(i + j) % 3]
            dot(cx, cy, 2, colour)
    return pixels


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    ppm = b"P6\n%d %d\n255\n" % (WIDTH, HEIGHT)
    ppm += bytes(c for row in draw() for pixel in row for c in pixel)
    with open(sys.argv[1], "wb") as out:
        subprocess.run(["cjpeg", "-progressive", "-optimize", "-quality", "90"], input=ppm,
                       stdout=out, check=True)


if __name__ == "__main__":
    main()
