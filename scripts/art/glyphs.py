# SPDX-License-Identifier: MIT
"""A small angular stroke alphabet, drawn as SVG paths so no font is needed.

Glyphs sit in a box 6 units high; each is a list of polylines plus an advance width.
Strokes that branch off another start on it (R's leg starts at the stem), so the
square cap of a start never pokes into a counter.
"""
from svg import f

GLYPHS = {
    "A": (4, [[(0, 6), (0, 2), (2, 0), (4, 2), (4, 6)], [(0, 4), (4, 4)]]),
    "B": (4, [[(0, 3), (3, 3), (4, 2), (4, 1), (3, 0), (0, 0), (0, 6), (3, 6), (4, 5), (4, 4), (3, 3)]]),
    "C": (4, [[(4, 0), (1, 0), (0, 1), (0, 5), (1, 6), (4, 6)]]),
    "D": (4, [[(0, 0), (3, 0), (4, 1), (4, 5), (3, 6), (0, 6), (0, 0)]]),
    "E": (4, [[(4, 0), (0, 0), (0, 6), (4, 6)], [(0, 3), (3, 3)]]),
    "F": (4, [[(4, 0), (0, 0), (0, 6)], [(0, 3), (3, 3)]]),
    "G": (4, [[(4, 0), (1, 0), (0, 1), (0, 5), (1, 6), (4, 6), (4, 3), (2, 3)]]),
    "H": (4, [[(0, 0), (0, 6)], [(4, 0), (4, 6)], [(0, 3), (4, 3)]]),
    "I": (0, [[(0, 0), (0, 6)]]),
    "J": (4, [[(4, 0), (4, 5), (3, 6), (1, 6), (0, 5)]]),
    "K": (4, [[(0, 0), (0, 6)], [(4, 0), (1, 3), (0, 3)], [(0, 3), (1, 3), (4, 6)]]),
    "L": (4, [[(0, 0), (0, 6), (4, 6)]]),
    "M": (5, [[(0, 6), (0, 0), (2.5, 3), (5, 0), (5, 6)]]),
    "N": (4, [[(0, 6), (0, 0), (4, 6), (4, 0)]]),
    "O": (4, [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)]]),
    "P": (4, [[(0, 6), (0, 0), (3, 0), (4, 1), (4, 2), (3, 3), (0, 3)]]),
    "Q": (4, [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)], [(2.5, 4.5), (4, 6)]]),
    "R": (4, [[(0, 6), (0, 0), (3, 0), (4, 1), (4, 2), (3, 3), (0, 3)], [(0, 3), (2, 3), (4, 6)]]),
    "S": (4, [[(4, 0), (1, 0), (0, 1), (0, 2), (1, 3), (3, 3), (4, 4), (4, 5), (3, 6), (0, 6)]]),
    "T": (4, [[(0, 0), (4, 0)], [(2, 0), (2, 6)]]),
    "U": (4, [[(0, 0), (0, 5), (1, 6), (3, 6), (4, 5), (4, 0)]]),
    "V": (4, [[(0, 0), (2, 6), (4, 0)]]),
    "W": (5, [[(0, 0), (1.2, 6), (2.5, 2.4), (3.8, 6), (5, 0)]]),
    "X": (4, [[(0, 0), (4, 6)], [(4, 0), (0, 6)]]),
    "Y": (4, [[(0, 0), (2, 3), (2, 6)], [(4, 0), (2, 3)]]),
    "Z": (4, [[(0, 0), (4, 0), (0, 6), (4, 6)]]),
    ".": (0, [[(0, 5.6), (0, 6)]]),
    "!": (0, [[(0, 0), (0, 3.8)], [(0, 5.6), (0, 6)]]),
    "-": (2.5, [[(0, 3), (2.5, 3)]]),
    "/": (3, [[(0, 6), (3, 0)]]),
    ":": (0, [[(0, 1.6), (0, 2)], [(0, 5.6), (0, 6)]]),
    " ": (2.5, []),
}


def text_width(text, size, gap=1.6):
    """Width in pixels of text whose capitals are size px high (excluding the pen width)."""
    u = size / 6.0
    total = 0.0
    for i, ch in enumerate(text):
        total += GLYPHS[ch][0] * u
        if i < len(text) - 1:
            total += gap * u
    return total


def text_path(text, x, y, size, gap=1.6):
    """Path data of the centre lines of text with its top-left at (x, y)."""
    u = size / 6.0
    d = []
    pen = x
    for ch in text:
        adv, lines = GLYPHS[ch]
        for line in lines:
            pts = [(pen + px * u, y + py * u) for px, py in line]
            if len(pts) == 2 and pts[0] == pts[1]:
                pts[1] = (pts[1][0] + 0.01, pts[1][1])
            d.append("M" + " L".join("%s,%s" % (f(px), f(py)) for px, py in pts))
        pen += (adv + gap) * u
    return " ".join(d)


def centred_text(text, cx, y, size, gap=1.6):
    return text_path(text, cx - text_width(text, size, gap) / 2, y, size, gap)
