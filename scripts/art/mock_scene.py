#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Composes a still of the game scene from rasterized textures, to judge the art together.

Run: python3 scripts/art/mock_scene.py PNG_DIR OUT.svg [overlay_name] [health]
then rasterize OUT.svg with rsvg-convert. Mountains and balloons are rough stand-ins.
"""
import math
import os
import random
import sys

SCALE0 = 360 / (150 * math.tan(0.04363323125))  # pixels per unit on the play plane


def k(z):
    return SCALE0 * 150 / (150 - z)


def sx(x, z):
    return 640 + (x - 10) * k(z)


def sy(y, z):
    return 360 - (y - 4) * k(z)


class Scene:
    def __init__(self, png_dir):
        self.dir = png_dir
        self.out = []

    def img(self, name):
        return os.path.join(os.path.abspath(self.dir), name + ".png")

    def quad(self, name, x0, y0, x1, y1, z, crop=None, angle=0, pivot=None, opacity=1, tint=None):
        if not os.path.exists(self.img(name)):
            return
        X0, X1, Y0, Y1 = sx(x0, z), sx(x1, z), sy(y1, z), sy(y0, z)
        inner = ""
        if crop:
            u, v, w, h = crop[:4]
            inner = ('<svg x="%.2f" y="%.2f" width="%.2f" height="%.2f" viewBox="%d %d %d %d" '
                     'preserveAspectRatio="none"><image href="%s" width="%d" height="%d"/></svg>' % (
                         X0, Y0, X1 - X0, Y1 - Y0, u, v, w, h, self.img(name), crop[4], crop[5]))
        else:
            inner = '<image href="%s" x="%.2f" y="%.2f" width="%.2f" height="%.2f" preserveAspectRatio="none"/>' % (
                self.img(name), X0, Y0, X1 - X0, Y1 - Y0)
        tr = ""
        if angle:
            px, py = pivot
            tr = ' transform="rotate(%.2f %.2f %.2f)"' % (-angle, sx(px, z), sy(py, z))
        if tint:
            fid = "t%d" % len(self.out)
            self.out.append('<filter id="%s" color-interpolation-filters="sRGB"><feColorMatrix type="matrix" values="%.3f 0 0 0 0 0 %.3f 0 0 0 0 0 %.3f 0 0 '
                            '0 0 0 1 0"/></filter>' % ((fid,) + tuple(tint)))
            tr += ' filter="url(#%s)"' % fid
        self.out.append('<g opacity="%.3f"%s>%s</g>' % (opacity, tr, inner))

    def raw(self, s):
        self.out.append(s)


def mountains(sc):
    rng = random.Random(4)
    polys = []
    # two rough faceted ridges in the lower part of the view
    for layer, (base, top, col) in enumerate([(560, 330, (62, 56, 70)), (575, 420, (52, 46, 58))]):
        xs = list(range(-40, 1340, 70))
        ridge = [(x + rng.uniform(-20, 20), rng.uniform(top, top + 110)) for x in xs]
        for i in range(len(ridge) - 1):
            (x0, y0), (x1, y1) = ridge[i], ridge[i + 1]
            mx = (x0 + x1) / 2 + rng.uniform(-20, 20)
            for tri, shade in (([(x0, y0), (x1, y1), (mx, base)], 1.0), ([(x0, y0), (mx, base), (x0 - 10, base)], 0.75)):
                s = shade * rng.uniform(0.7, 1.25)
                c = tuple(min(255, int(v * s)) for v in col)
                polys.append('<polygon points="%s" fill="rgb(%d,%d,%d)"/>' % (
                    " ".join("%.1f,%.1f" % p for p in tri), *c))
    sc.raw("".join(polys))


def balloon(sc, x, y, z, basket=True):
    cx, cy, r = sx(x, z), sy(y, z), 0.5 * k(z)
    facets = []
    for i in range(10):
        a0, a1 = 2 * math.pi * i / 10, 2 * math.pi * (i + 1) / 10
        shade = 0.55 + 0.45 * max(0, math.cos((a0 + a1) / 2 - 2.3))
        facets.append('<polygon points="%.1f,%.1f %.1f,%.1f %.1f,%.1f" fill="rgb(%d,20,30)"/>' % (
            cx, cy, cx + r * math.cos(a0), cy - r * math.sin(a0), cx + r * math.cos(a1), cy - r * math.sin(a1),
            int(200 * shade)))
    # passenger, basket (the balloon mesh stands in front of the basket's upper part)
    sc.quad("RABBIT_IDLE_01", x - 0.55, y - 1.1, x + 0.45, y - 0.1, z - 0.0005)
    sc.quad("BASKET", x - 0.5, y - 1.25, x + 0.5, y, z)
    sc.raw("".join(facets))


def car(sc, x, jump, angle, health=100):
    bw, bh = 2.25, 2.0
    s, b = 2.25 / 206, 2.0 / 184
    y = jump
    sheet = (512, 256)
    tw, th = bw * 33 / 206, bw * 12 / 206
    px, py = x + bw * 195 / 206, y + 2.0 * 153 / 184 + th / 2
    sc.quad("CAR", px, py - th / 2, px + tw, py + th / 2, 0, crop=(403, 64, 33, 12) + sheet, angle=angle,
            pivot=(px, py))
    sag = 0 if health > 0 else -0.1
    sc.quad("CAR", x, y + sag, x + bw, y + bh + sag, 0, crop=(41, 45, 206, 184) + sheet)
    ws, wb = bw * 30 / 206, bw * 104 / 206
    sc.quad("CAR", x + bw * 19 / 206, y, x + bw * 19 / 206 + ws, y + ws, 0, crop=(310, 199, 30, 30) + sheet,
            angle=40, pivot=(x + bw * 19 / 206 + ws / 2, y + ws / 2))
    sc.quad("CAR", x + bw * 70 / 206, y, x + bw * 70 / 206 + wb, y + wb, 0, crop=(369, 125, 104, 104) + sheet,
            angle=25, pivot=(x + bw * 70 / 206 + wb / 2, y + wb / 2))


def main():
    png_dir, out = sys.argv[1], sys.argv[2]
    overlay = sys.argv[3] if len(sys.argv) > 3 else ""
    health = float(sys.argv[4]) if len(sys.argv) > 4 else 100
    hue = float(sys.argv[5]) if len(sys.argv) > 5 else 200
    sc = Scene(png_dir)
    m = 1 - health / 100
    sc.quad("BACKGROUND", -4, -2, 24, 12, -30)
    sc.quad("NIGHTSKY", -4, 5, 24, 12, -29.95)
    if m < 1:
        sc.quad("MOON", m - 1, 8 + m, 1 - m, 10 - m, -29.9)
    mountains(sc)
    sc.quad("CLOUD_A", 3, 4.2, 7.5, 6.45, -29.8)
    sc.quad("CLOUD_B", 13, 2.2, 16, 3.7, -29.5)
    sc.quad("CLOUD_A", 19, 5.4, 21.5, 6.65, -29.2)
    # particles
    if not overlay:
        rng = random.Random(2)
        for i in range(30):
            fr = rng.randint(1, 9)
            sz = rng.uniform(0.02, 0.12)
            x, y = 12.3 + rng.uniform(-1.2, 1.2), 5.2 + rng.uniform(-1, 1.3)
            sc.quad("FIRE_PARTICLE_%02d" % fr, x - sz / 2, y - sz / 2, x + sz / 2, y + sz / 2, -0.01)
        for i in range(12):
            t = i / 12
            x, y = 4.5 + 4 * t, 3.2 + 4 * t
            sz = 0.05 + 0.07 * rng.random()
            sc.quad("FIRE_PARTICLE_%02d" % (1 + int(t * 8)), x - sz / 2, y - sz / 2, x + sz / 2, y + sz / 2, -0.01)
        for i in range(6):
            x, y, sz = 0.4 + rng.uniform(0, 1.2), 0.1 + rng.uniform(0, 0.5), rng.uniform(0.03, 0.09)
            sc.quad(rng.choice(["GRASS_PARTICLE", "GROUND_PARTICLE"]), x - sz / 2, y - sz / 2, x + sz / 2, y + sz / 2,
                    -0.01)
        sc.quad("ZAP", 2.2 + 0.1, 2.6, 2.7, 3.1, -0.01)
    car(sc, 0.5, 0, 45, health)
    # rabbits on the ground and one in mid hop
    sc.quad("RABBIT_IDLE_01", 9, -0.01 - 0.086 * 1.4, 10.4, -0.01 - 0.086 * 1.4 + 1.4, 0.01)
    sc.quad("RABBIT_JUMP_03", 14.6, 1.1, 15.8, 2.3, 0.01)
    sc.quad("RABBIT_IDLE_03", 18, -0.01 - 0.086 * 1.9, 19.9, -0.01 - 0.086 * 1.9 + 1.9, 0.01)
    balloon(sc, 12.3, 6.2, 0.03)
    balloon(sc, 18.5, 7.6, 0.03)
    # bullets: one from the car, one from a balloon
    if not overlay:
        sc.quad("BULLET_01", 8.2, 7.0, 9.2, 7.5, 0.05, angle=45, pivot=(8.2, 7.0))
        sc.quad("BULLET_03", 10.2, 4.0, 11.2, 4.5, 0.05, angle=220, pivot=(10.2, 4.0))
    # ground: one segment from x -20 (1.8 repeats over 50 units)
    rep = 50 / 1.8
    for i in range(-1, 2):
        sc.quad("GROUND", -20 + i * rep, -3, -20 + (i + 1) * rep, 0.4, 1)
    if not overlay:
        sc.quad("EXPLOSION_04", 16.2, 6.0, 18.2, 8.0, 5)
        sc.quad("EXPLOSION_06", 1.5, 4.5, 3.0, 6.0, 5)
    if overlay:
        import colorsys
        sc.quad(overlay, -2, -2.5, 22, 11, 3, tint=colorsys.hsv_to_rgb(hue / 360, 1, 1))
    svg = ('<svg xmlns="http://www.w3.org/2000/svg" width="1280" height="720">'
           '<rect width="1280" height="720" fill="#000"/>%s</svg>' % "".join(sc.out))
    with open(out, "w") as fh:
        fh.write(svg)


if __name__ == "__main__":
    main()
