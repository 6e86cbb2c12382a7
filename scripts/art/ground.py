# SPDX-License-Identifier: MIT
"""The ground strip: a grass edge on top, dark earth below; tiles left to right."""
import math
import random

from svg import f, blob, linear, blur, document, write, smooth_open

W, H = 2048, 256
TURF = 30  # y of the ground surface (world y = 0), 0.4 units below the top edge


def turf_line(rng):
    """Gently rolling surface height, periodic over the width."""
    a1, a2, p1, p2 = rng.uniform(1, 2), rng.uniform(0.5, 1.2), rng.uniform(0, 6.28), rng.uniform(0, 6.28)
    return lambda x: TURF + a1 * math.sin(2 * math.pi * 3 * x / W + p1) + a2 * math.sin(2 * math.pi * 11 * x / W + p2)


def ground():
    rng = random.Random(5)
    surf = turf_line(rng)
    defs = [
        linear("earth", [(0, "#3a2a2c"), (0.25, "#2b1f24"), (0.6, "#1c1519"), (1, "#0e0b0f")], y1="0.1", y2="1"),
        linear("turf", [(0, "#3f7a5c"), (0.35, "#24503f"), (1, "#173528")]),
        linear("stone", [(0, "#4e4a58"), (0.5, "#34313d"), (1, "#1e1c24")]),
        linear("blade", [(0, "#8fc7a2"), (0.4, "#3d7a5a"), (1, "#1e4634")]),
        blur("soft", 2.5),
        blur("softer", 6),
    ]
    feat = []
    # earth body with a wavy top under the turf
    top = [(x, surf(x) + 4) for x in range(0, W + 1, 32)]
    d = "M0,%s " % f(top[0][1]) + " ".join("L%s,%s" % (f(x), f(y)) for x, y in top) + " L%d,%d L0,%d Z" % (W, H, H)
    body = ['<path d="%s" fill="url(#earth)"/>' % d]

    # soft strata bands
    for i in range(3):
        y0 = 95 + i * 45 + rng.uniform(-6, 6)
        pts = [(x, y0 + 6 * math.sin(2 * math.pi * (2 + i) * x / W + i) + 3 * math.sin(2 * math.pi * 9 * x / W + 2 * i))
               for x in range(0, W + 1, 64)]
        feat.append('<path d="%s" fill="none" stroke="%s" stroke-opacity="0.35" stroke-width="%s" '
                    'filter="url(#softer)"/>' % (smooth_open(pts), ["#4a3536", "#3a2d33", "#2c2530"][i], f(10 + 4 * i)))
    # dark speckles of earth
    specks = []
    for _ in range(420):
        x, y = rng.uniform(0, W), rng.uniform(48, 230)
        specks.append('<circle cx="%s" cy="%s" r="%s"/>' % (f(x), f(y), f(rng.uniform(0.8, 2.2))))
    feat.append('<g fill="#0b0809" fill-opacity="0.45">' + "".join(specks) + "</g>")
    lights = []
    for _ in range(220):
        x, y = rng.uniform(0, W), rng.uniform(45, 200)
        lights.append('<circle cx="%s" cy="%s" r="%s"/>' % (f(x), f(y), f(rng.uniform(0.6, 1.5))))
    feat.append('<g fill="#6b5559" fill-opacity="0.35">' + "".join(lights) + "</g>")
    # roots hanging from the turf
    for _ in range(26):
        x = rng.uniform(0, W)
        pts = [(x, surf(x) + 8)]
        for k in range(4):
            px, py = pts[-1]
            pts.append((px + rng.uniform(-10, 10), py + rng.uniform(6, 14)))
        feat.append('<path d="%s" fill="none" stroke="#4b3a2f" stroke-opacity="0.7" stroke-width="%s" '
                    'stroke-linecap="round"/>' % (smooth_open(pts), f(rng.uniform(1, 2.2))))
    # stones, lit from above
    for _ in range(22):
        x, y = rng.uniform(0, W), rng.uniform(60, 215)
        rx = rng.uniform(5, 15) * (1.3 if y > 150 else 1)
        ry = rx * rng.uniform(0.5, 0.75)
        shape = blob(x, y, rx, ry, rng, 7, 0.18, rng.uniform(0, 1))
        feat.append('<path d="%s" fill="#09070a" fill-opacity="0.6" transform="translate(1.5 2.5)"/>' % shape)
        feat.append('<path d="%s" fill="url(#stone)" stroke="#141218" stroke-width="1"/>' % shape)
        feat.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#9a96b0" fill-opacity="0.22"/>' % (
            f(x - rx * 0.2), f(y - ry * 0.45), f(rx * 0.45), f(ry * 0.22)))

    # rabbit burrows: a tunnel from a hole in the turf down to a den; something watches from one of them
    holes = []
    for k, (x0, dx, depth, eyes) in enumerate([(420, 150, 150, True), (1380, -130, 120, False)]):
        y0 = surf(x0)
        tunnel = "M%s,%s C%s,%s %s,%s %s,%s" % (f(x0), f(y0 + 6), f(x0 + dx * 0.1), f(y0 + 50), f(x0 + dx * 0.6),
                                                 f(depth - 30), f(x0 + dx), f(depth))
        feat.append('<path d="%s" fill="none" stroke="#3a2a2a" stroke-width="24" stroke-linecap="round"/>' % tunnel)
        feat.append('<path d="%s" fill="none" stroke="#0b0709" stroke-width="17" stroke-linecap="round"/>' % tunnel)
        feat.append('<ellipse cx="%s" cy="%s" rx="42" ry="21" fill="#3a2a2a"/>' % (f(x0 + dx), f(depth)))
        feat.append('<ellipse cx="%s" cy="%s" rx="38" ry="17.5" fill="#0b0709"/>' % (f(x0 + dx), f(depth + 0.5)))
        if eyes:
            for ex in (-6, 6):
                feat.append('<circle cx="%s" cy="%s" r="6" fill="#ff2036" fill-opacity="0.35" filter="url(#soft)"/>'
                            '<ellipse cx="%s" cy="%s" rx="2.6" ry="1.8" fill="#ff4050"/>' % (
                                f(x0 + dx + ex - 8), f(depth - 2), f(x0 + dx + ex - 8), f(depth - 2)))
        holes.append((x0, y0, -1 if dx > 0 else 1))

    # turf band: a thick strip along the surface with a ragged lower edge
    tpts = [(x, surf(x) - 1) for x in range(0, W + 1, 16)]
    bottom = [(x, surf(x) + 13 + 4 * math.sin(x * 0.13) + rng.uniform(-2, 2)) for x in range(W, -1, -16)]
    bottom[0] = (W, bottom[-1][1])
    turf = "M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in tpts + bottom) + "Z"
    grass_front = ['<path d="%s" fill="url(#turf)"/>' % turf]
    grass_front.append('<path d="%s" fill="none" stroke="#6fae86" stroke-opacity="0.55" stroke-width="1.6"/>' %
                       ("M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in tpts)))
    # grass blades: tufts rising above the surface into the transparent top band
    blades = []
    x = 0.0
    while x < W:
        n = rng.randint(2, 6)
        for _ in range(n):
            bx = x + rng.uniform(-5, 5)
            base = surf(bx) + 2
            hgt = rng.uniform(4, 10) if rng.random() < 0.85 else rng.uniform(10, 18)
            lean = rng.uniform(-6, 6)
            wid = rng.uniform(1.6, 3.2)
            tip = (bx + lean, base - hgt)
            ctrl = (bx + lean * 0.3, base - hgt * 0.55)
            blades.append('<path d="M%s,%s Q%s,%s %s,%s Q%s,%s %s,%s Z"/>' % (
                f(bx - wid), f(base), f(ctrl[0] - wid * 0.4), f(ctrl[1]), f(tip[0]), f(tip[1]),
                f(ctrl[0] + wid * 0.4), f(ctrl[1]), f(bx + wid), f(base)))
        x += rng.uniform(3, 11)
    grass_front.append('<g fill="url(#blade)">' + "".join(blades) + "</g>")
    # a few pale flowers and moonlit seed heads
    tops = []
    for _ in range(30):
        bx = rng.uniform(0, W)
        hgt = rng.uniform(10, 17)
        base = surf(bx) + 2
        tops.append('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="#3b6a52" stroke-width="1.2"/>' % (
            f(bx), f(base), f(bx + 2), f(base - hgt * 0.5), f(bx + 1), f(base - hgt)))
        tops.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (
            f(bx + 1), f(base - hgt), f(rng.uniform(1.3, 2.2)), rng.choice(["#cfd7ff", "#e6e0c0", "#b9e0c8"])))
    grass_front.extend(tops)
    # the mouths of the burrows, each with a heap of dug-out earth beside it
    for x0, y0, side in holes:
        mx = x0 + side * 26
        grass_front.append('<path d="M%s,%s Q%s,%s %s,%s Z" fill="#4a3530" stroke="#1a1012" stroke-width="2"/>' % (
            f(mx - 24), f(surf(mx) + 3), f(mx), f(surf(mx) - 26), f(mx + 24), f(surf(mx) + 3)))
        grass_front.append('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="#7a5e54" stroke-width="2" '
                           'stroke-linecap="round"/>' % (f(mx - 14), f(surf(mx) - 4), f(mx - 4), f(surf(mx) - 14),
                                                           f(mx + 6), f(surf(mx) - 9)))
        grass_front.append('<ellipse cx="%s" cy="%s" rx="15" ry="7" fill="#0b0709" stroke="#2a1c1c" '
                           'stroke-width="2"/>' % (f(x0), f(y0 + 3)))
    feat.extend(grass_front)

    defs.append('<g id="feat">' + "".join(feat) + "</g>")
    for dx in (-W, 0, W):
        body.append('<use href="#feat" x="%d"/>' % dx)
    write("GROUND", document(W, H, defs, body, "ground strip; top 30 px are the grass edge, tiles horizontally"))


def make_all():
    ground()
