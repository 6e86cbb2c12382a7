# SPDX-License-Identifier: MIT
"""Backdrop, night sky band, moon and the two clouds."""
import math
import random

from svg import f, blob, radial, linear, blur, document, write, smooth_closed


def background():
    w, h = 1024, 512
    rng = random.Random(11)
    defs = [
        linear("sky", [(0, "#04050f"), (0.35, "#0a0d26"), (0.62, "#171a42"),
                       (0.8, "#2a2453"), (0.9, "#3b2c5c"), (1, "#2a2040")]),
        # the moon sits at about (146, 110) of this picture
        radial("moonGlow", [(0, "#7d8cc8", 0.35), (0.4, "#4b5592", 0.14), (1, "#1c2050", 0)],
               cx="146", cy="110", r="420", units="userSpaceOnUse"),
        '<radialGradient id="horizon" cx="620" cy="470" r="600" gradientUnits="userSpaceOnUse" '
        'gradientTransform="translate(0 329) scale(1 0.3)">'
        '<stop offset="0" stop-color="#6b4a7a" stop-opacity="0.45"/>'
        '<stop offset="1" stop-color="#3b2c5c" stop-opacity="0"/></radialGradient>',
    ]
    body = ['<rect width="%d" height="%d" fill="url(#sky)"/>' % (w, h),
            '<rect width="%d" height="%d" fill="url(#horizon)"/>' % (w, h),
            '<rect width="%d" height="%d" fill="url(#moonGlow)"/>' % (w, h)]
    # faint distant stars low in the sky, where the star band has faded out
    dots = []
    for _ in range(140):
        x, y = rng.uniform(0, w), rng.uniform(0, 330)
        r = rng.uniform(0.4, 1.0)
        a = rng.uniform(0.15, 0.45) * (1 - y / 380)
        dots.append('<circle cx="%s" cy="%s" r="%s" fill-opacity="%.2f"/>' % (f(x), f(y), f(r), a))
    body.append('<g fill="#c8d2ff">' + "".join(dots) + "</g>")
    write("BACKGROUND", document(w, h, defs, body, "night backdrop"))


def night_sky():
    w, h = 1024, 256
    rng = random.Random(7)
    moon = (146, 110)  # moon centre in this picture, stars thin out around it
    defs = [
        linear("fade", [(0, "#fff"), (0.45, "#fff", 0.9), (1, "#fff", 0)]),
        '<mask id="fadeMask"><rect width="%d" height="%d" fill="url(#fade)"/></mask>' % (w, h),
        blur("soft", 14),
        blur("glint", 1.2),
        radial("starGlow", [(0, "#ffffff"), (0.25, "#dfe6ff", 0.8), (1, "#9fb0ff", 0)]),
    ]
    body = ['<g mask="url(#fadeMask)">']
    # a faint band of the galaxy running across the sky
    band = []
    for i in range(16):
        x = -40 + i * 75 + rng.uniform(-20, 20)
        y = 40 + i * 6 + rng.uniform(-15, 15)
        band.append('<path d="%s"/>' % blob(x, y, rng.uniform(60, 110), rng.uniform(18, 34), rng, 8, 0.3,
                                               rng.uniform(-0.2, 0.2)))
    body.append('<g fill="#8a86c8" fill-opacity="0.10" filter="url(#soft)">' + "".join(band) + "</g>")
    dust = []
    for _ in range(260):
        i = rng.uniform(0, 15)
        x = -40 + i * 75 + rng.gauss(0, 30)
        y = 40 + i * 6 + rng.gauss(0, 14)
        dust.append('<circle cx="%s" cy="%s" r="%s"/>' % (f(x), f(y), f(rng.uniform(0.35, 0.7))))
    body.append('<g fill="#d8dcff" fill-opacity="0.45">' + "".join(dust) + "</g>")
    # the stars
    small = []
    for _ in range(420):
        x, y = rng.uniform(0, w), rng.uniform(0, h)
        dm = math.hypot(x - moon[0], y - moon[1])
        if dm < 95 or (dm < 170 and rng.random() < 0.7):
            continue
        r = rng.choice([0.5, 0.6, 0.7, 0.8, 0.9, 1.1, 1.3])
        a = rng.uniform(0.35, 1.0)
        col = rng.choice(["#ffffff", "#ffffff", "#dfe6ff", "#ffeccc", "#cfd8ff"])
        small.append('<circle cx="%s" cy="%s" r="%s" fill="%s" fill-opacity="%.2f"/>' % (f(x), f(y), f(r), col, a))
    body.append("<g>" + "".join(small) + "</g>")
    # a few bright stars with a soft halo and a four-pointed glint
    bright = []
    for _ in range(16):
        x, y = rng.uniform(20, w - 20), rng.uniform(8, 150)
        if math.hypot(x - moon[0], y - moon[1]) < 180:
            continue
        s = rng.uniform(0.7, 1.3)
        bright.append('<circle cx="%s" cy="%s" r="%s" fill="url(#starGlow)"/>' % (f(x), f(y), f(7 * s)))
        g = 9 * s
        bright.append('<path d="M%s,%s L%s,%s L%s,%s L%s,%s Z M%s,%s L%s,%s L%s,%s L%s,%s Z" fill="#eef2ff" '
                      'fill-opacity="0.8" filter="url(#glint)"/>' % (
                          f(x - g), f(y), f(x), f(y - 0.8), f(x + g), f(y), f(x), f(y + 0.8),
                          f(x), f(y - g), f(x + 0.8), f(y), f(x), f(y + g), f(x - 0.8), f(y)))
        bright.append('<circle cx="%s" cy="%s" r="%s" fill="#ffffff"/>' % (f(x), f(y), f(1.3 * s)))
    body.append("<g>" + "".join(bright) + "</g>")
    body.append("</g>")
    write("NIGHTSKY", document(w, h, defs, body, "star band, fades out downwards"))


def moon():
    s = 256
    c = s / 2
    r = 70
    q = r / 56
    rng = random.Random(3)
    defs = [
        radial("halo", [(0, "#e8eeff", 0.7), (0.5, "#c0ccff", 0.42), (0.62, "#8fa0e8", 0.18),
                        (1, "#6070c0", 0)]),
        radial("disc", [(0, "#fbfbf4"), (0.7, "#eceee4"), (0.92, "#d6d9d6"), (1, "#bcc2cc")],
               cx="46%", cy="44%", r="58%"),
        radial("shade", [(0.55, "#1a2040", 0), (1, "#1a2040", 0.45)], cx="40%", cy="38%", r="70%"),
        '<clipPath id="discClip"><circle cx="%s" cy="%s" r="%s"/></clipPath>' % (f(c), f(c), f(r)),
        blur("maria", 4.5),
        blur("rim", 1.5),
    ]
    body = ['<circle cx="%s" cy="%s" r="%s" fill="url(#halo)"/>' % (f(c), f(c), f(c))]
    body.append('<circle cx="%s" cy="%s" r="%s" fill="url(#disc)"/>' % (f(c), f(c), f(r)))
    # dark seas: soft blotches clipped to the disc
    seas = []
    for (dx, dy, rx, ry) in [(-18, -14, 17, 13), (6, -22, 13, 10), (14, 2, 15, 12), (-8, 16, 12, 9),
                             (-26, 8, 8, 11), (22, 22, 7, 6)]:
        seas.append('<path d="%s"/>' % blob(c + dx * q, c + dy * q, rx * q, ry * q, rng, 8, 0.25))
    body.append('<g clip-path="url(#discClip)"><g fill="#9ea3b4" fill-opacity="0.55" filter="url(#maria)">' +
                "".join(seas) + "</g>")
    # craters: a darker bowl with a lit lower-right rim
    craters = []
    for (dx, dy, cr) in [(18, -30, 5), (-30, -24, 4), (28, 12, 6), (-6, 34, 5), (-36, 24, 3.5),
                         (4, 2, 3), (36, -8, 3), (-14, -40, 3)]:
        x, y, cr = c + dx * q, c + dy * q, cr * q
        craters.append('<circle cx="%s" cy="%s" r="%s" fill="#a6abba" fill-opacity="0.55"/>' % (f(x), f(y), f(cr)))
        craters.append('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="#ffffff" stroke-opacity="0.6" '
                       'stroke-width="1.2" stroke-dasharray="%s %s" transform="rotate(-10 %s %s)"/>' % (
                           f(x + 0.5), f(y + 0.5), f(cr), f(cr * 2.2), f(cr * 4.2), f(x), f(y)))
    body.append('<g filter="url(#rim)">' + "".join(craters) + "</g>")
    body.append('<circle cx="%s" cy="%s" r="%s" fill="url(#shade)"/>' % (f(c), f(c), f(r)))
    body.append("</g>")
    body.append('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="#f4f6ff" stroke-opacity="0.5" '
                'stroke-width="2" filter="url(#rim)"/>' % (f(c), f(c), f(r)))
    write("MOON", document(s, s, defs, body, "moon with glow"))


def cloud(name, seed, puffs):
    w, h = 512, 256
    rng = random.Random(seed)
    shapes = []
    for (x, y, r) in puffs:
        shapes.append((x + rng.uniform(-4, 4), y + rng.uniform(-3, 3), r * rng.uniform(0.95, 1.08)))
        # little puffs along each big one's upper rim make the outline lumpy
        for _ in range(3):
            a = rng.uniform(math.pi * 1.05, math.pi * 1.95)
            shapes.append((x + math.cos(a) * r * 0.85, y + math.sin(a) * r * 0.85, r * rng.uniform(0.25, 0.4)))
    circles = "".join('<circle cx="%s" cy="%s" r="%s"/>' % (f(x), f(y), f(r)) for x, y, r in shapes)
    defs = [
        blur("edge", 6),
        blur("wisp", 10),
        '<mask id="shape"><g fill="#fff" filter="url(#edge)">%s</g></mask>' % circles,
        '<mask id="inner"><g fill="#fff" filter="url(#edge)" transform="translate(9 12)">%s</g></mask>' % circles,
        linear("rim", [(0, "#c9d0f2"), (0.5, "#9199c8"), (0.8, "#3a3f66"), (1, "#1e2138")], y1="0.15", y2="0.9"),
        linear("body", [(0, "#6a719f"), (0.55, "#454b76"), (1, "#23263f")], y1="0.2", y2="0.85"),
    ]
    folds = []
    for (x, y, r) in puffs:
        # a faint lit fold inside the cloud above every big puff's lower half
        folds.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s"/>' % (f(x - r * 0.2), f(y - r * 0.25),
                                                                    f(r * 0.55), f(r * 0.3)))
    body = [
        '<g opacity="0.92">',
        '<rect width="%d" height="%d" fill="url(#rim)" mask="url(#shape)"/>' % (w, h),
        '<g mask="url(#shape)"><rect width="%d" height="%d" fill="url(#body)" mask="url(#inner)"/>' % (w, h),
        '<g fill="#9aa2d2" fill-opacity="0.22" filter="url(#wisp)">%s</g></g>' % "".join(folds),
        '</g>',
    ]
    write(name, document(w, h, defs, body, "night cloud"))


def clouds():
    cloud("CLOUD_A", 21, [(110, 170, 40), (165, 140, 52), (240, 118, 64), (318, 130, 54), (385, 160, 42),
                          (205, 172, 44), (290, 172, 44), (140, 182, 30), (360, 184, 32), (255, 160, 52),
                          (425, 180, 26), (80, 184, 24)])
    cloud("CLOUD_B", 22, [(70, 180, 24), (118, 166, 34), (180, 152, 42), (240, 132, 40), (300, 144, 46),
                          (362, 160, 40), (420, 176, 28), (230, 180, 34), (335, 184, 30), (150, 186, 26),
                          (460, 186, 18)])


def make_all():
    background()
    night_sky()
    moon()
    clouds()
