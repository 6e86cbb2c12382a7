# SPDX-License-Identifier: MIT
"""Tiny helpers for writing SVG text by hand (standard library only)."""
import math
import os

OUT_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "textures")


def f(v):
    """Short number text: one decimal at most, no trailing zeros."""
    s = "%.1f" % v
    if s.endswith(".0"):
        s = s[:-2]
    return "0" if s == "-0" else s


def f2(v):
    s = ("%.3f" % v).rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def pts(points):
    return " ".join(f(x) + "," + f(y) for x, y in points)


def path_closed(points):
    return "M" + " L".join(f(x) + "," + f(y) for x, y in points) + "Z"


def smooth_closed(points, tension=0.5):
    """Closed Catmull-Rom spline through the points, as cubic Bezier path data."""
    n = len(points)
    d = "M%s,%s" % (f(points[0][0]), f(points[0][1]))
    for i in range(n):
        p0 = points[(i - 1) % n]
        p1 = points[i]
        p2 = points[(i + 1) % n]
        p3 = points[(i + 2) % n]
        c1 = (p1[0] + (p2[0] - p0[0]) * tension / 3, p1[1] + (p2[1] - p0[1]) * tension / 3)
        c2 = (p2[0] - (p3[0] - p1[0]) * tension / 3, p2[1] - (p3[1] - p1[1]) * tension / 3)
        d += " C%s,%s %s,%s %s,%s" % (f(c1[0]), f(c1[1]), f(c2[0]), f(c2[1]), f(p2[0]), f(p2[1]))
    return d + "Z"


def smooth_open(points, tension=0.5):
    n = len(points)
    d = "M%s,%s" % (f(points[0][0]), f(points[0][1]))
    for i in range(n - 1):
        p0 = points[max(i - 1, 0)]
        p1 = points[i]
        p2 = points[i + 1]
        p3 = points[min(i + 2, n - 1)]
        c1 = (p1[0] + (p2[0] - p0[0]) * tension / 3, p1[1] + (p2[1] - p0[1]) * tension / 3)
        c2 = (p2[0] - (p3[0] - p1[0]) * tension / 3, p2[1] - (p3[1] - p1[1]) * tension / 3)
        d += " C%s,%s %s,%s %s,%s" % (f(c1[0]), f(c1[1]), f(c2[0]), f(c2[1]), f(p2[0]), f(p2[1]))
    return d


def blob(cx, cy, rx, ry, rng, n=9, wobble=0.25, rot=0.0):
    """A lumpy closed shape around (cx, cy)."""
    out = []
    for i in range(n):
        a = rot + 2 * math.pi * i / n
        k = 1 + rng.uniform(-wobble, wobble)
        out.append((cx + math.cos(a) * rx * k, cy + math.sin(a) * ry * k))
    return smooth_closed(out)


def radial(gid, stops, cx="50%", cy="50%", r="50%", fx=None, fy=None, units=None):
    attrs = 'id="%s" cx="%s" cy="%s" r="%s"' % (gid, cx, cy, r)
    if fx is not None:
        attrs += ' fx="%s" fy="%s"' % (fx, fy)
    if units:
        attrs += ' gradientUnits="%s"' % units
    return "<radialGradient %s>%s</radialGradient>" % (attrs, _stops(stops))


def linear(gid, stops, x1="0", y1="0", x2="0", y2="1", units=None):
    attrs = 'id="%s" x1="%s" y1="%s" x2="%s" y2="%s"' % (gid, x1, y1, x2, y2)
    if units:
        attrs += ' gradientUnits="%s"' % units
    return "<linearGradient %s>%s</linearGradient>" % (attrs, _stops(stops))


def _stops(stops):
    out = []
    for s in stops:
        off, col = s[0], s[1]
        op = s[2] if len(s) > 2 else 1
        o = '<stop offset="%s" stop-color="%s"' % (f2(off), col)
        if op != 1:
            o += ' stop-opacity="%s"' % f2(op)
        out.append(o + "/>")
    return "".join(out)


def blur(fid, std, extra=""):
    return ('<filter id="%s" x="-50%%" y="-50%%" width="200%%" height="200%%">'
            '<feGaussianBlur stdDeviation="%s"/>%s</filter>' % (fid, f2(std), extra))


def document(width, height, defs, body, comment=""):
    head = '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">' % (
        width, height, width, height)
    parts = [head]
    if comment:
        parts.append("<!-- %s -->" % comment)
    if defs:
        parts.append("<defs>" + "".join(defs) + "</defs>")
    parts.extend(body)
    parts.append("</svg>\n")
    return "\n".join(parts)


def write(name, text):
    path = os.path.join(OUT_DIR, name + ".svg")
    with open(path, "w") as fh:
        fh.write(text)
    return path
