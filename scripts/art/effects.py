# SPDX-License-Identifier: MIT
"""Bullets, explosion frames, fire particle frames, dust specks, muzzle flash and the particle sheet."""
import math
import random

from svg import f, blob, radial, blur, document, write

# fire cooling from white-hot to smoke: (core, mid, edge, opacity)
FIRE_RAMP = [
    ("#ffffff", "#fff4b0", "#ffd25a", 1.0),
    ("#fffbe0", "#ffe27a", "#ffae34", 1.0),
    ("#fff0a0", "#ffc24a", "#ff8a22", 1.0),
    ("#ffd070", "#ff9a2a", "#f0601a", 1.0),
    ("#ffa040", "#f0641e", "#c83a14", 0.95),
    ("#f07030", "#c83c1a", "#8a2414", 0.9),
    ("#a84a30", "#7a3024", "#4a2220", 0.8),
    ("#6e6268", "#564c56", "#3e3844", 0.6),
    ("#78727e", "#625c6a", "#4c4856", 0.35),
]


def bullet(i, seed):
    w, h = 128, 64
    rng = random.Random(seed)
    hx, hy = 96 + rng.uniform(-2, 2), 32
    core = 11 + rng.uniform(-1.5, 1.5)
    defs = [
        blur("glow", 6),
        blur("soft", 2.2),
        radial("halo", [(0, "#ffd27a", 0.8), (0.5, "#ff8a2a", 0.35), (1, "#ff6a1a", 0)]),
        radial("coreG", [(0, "#ffffff"), (0.55, "#fff6cf"), (1, "#ffd060")]),
        '<linearGradient id="tail" x1="0" y1="0" x2="1" y2="0">'
        '<stop offset="0" stop-color="#ff5a1a" stop-opacity="0"/>'
        '<stop offset="0.5" stop-color="#ff8a2a" stop-opacity="0.55"/>'
        '<stop offset="1" stop-color="#ffd27a" stop-opacity="0.95"/></linearGradient>',
    ]
    body = ['<ellipse cx="%s" cy="%s" rx="34" ry="27" fill="url(#halo)"/>' % (f(hx - 8), f(hy))]
    # the comet tail, a little different every frame
    tl = 14 + rng.uniform(-4, 4)
    wob = [rng.uniform(-2.5, 2.5) for _ in range(3)]
    d = "M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" % (
        f(hx + 4), f(hy - 10), f(hx - 30), f(hy - 10 + wob[0]), f(tl + 20), f(hy - 3 + wob[1]), f(tl), f(hy + wob[2]),
        f(tl + 20), f(hy + 3 + wob[1]), f(hx - 30), f(hy + 10 + wob[0]), f(hx + 4), f(hy + 10))
    body.append('<path d="%s" fill="url(#tail)" filter="url(#soft)"/>' % d)
    body.append('<path d="%s" fill="url(#tail)" transform="translate(0 %s) scale(1 0.45) translate(0 %s)"/>' % (
        d, f(hy), f(-hy)))
    # flickering tongues of plasma licking back from the head
    tongues = []
    for _ in range(3):
        side = rng.choice([-1, 1])
        a = math.pi + side * rng.uniform(0.5, 1.1)
        r0 = core * 0.8
        L = rng.uniform(10, 20)
        x0, y0 = hx + math.cos(a) * r0, hy + math.sin(a) * r0
        x1, y1 = x0 - L, y0 + side * rng.uniform(1, 6)
        tongues.append('<path d="M%s,%s Q%s,%s %s,%s Q%s,%s %s,%s Z"/>' % (
            f(x0), f(y0 - 2.5), f((x0 + x1) / 2), f(y0 - 2 + side * 3), f(x1), f(y1),
            f((x0 + x1) / 2), f(y0 + 2 + side * 3), f(x0), f(y0 + 2.5)))
    body.append('<g fill="#ffd98a" opacity="0.8" filter="url(#soft)">' + "".join(tongues) + "</g>")
    body.append('<circle cx="%s" cy="%s" r="%s" fill="#ffc04a" filter="url(#glow)"/>' % (f(hx), f(hy), f(core + 3)))
    body.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="url(#coreG)"/>' % (
        f(hx), f(hy), f(core * 1.25), f(core)))
    write("BULLET_%02d" % i, document(w, h, defs, body, "energy shot, pointing right"))


def bullets():
    for i in range(1, 6):
        bullet(i, 100 + i)


def explosion(i, p):
    """p: fire radius, fire level (0..1), smoke radius, smoke level, ember distance, overall opacity."""
    s = 256
    c = s / 2
    rng = random.Random(200 + i)
    fire_r, heat, smoke_r, smoke, ember_d, alpha = p
    defs = [
        blur("b8", 8), blur("b4", 4), blur("b14", 14), blur("b2", 1.5),
        radial("flash", [(0, "#ffffff"), (0.3, "#fffbe0", 0.95), (0.6, "#ffd060", 0.55), (1, "#ff9a2a", 0)]),
        radial("billow", [(0, "#fffbe0"), (0.35, "#ffd25a"), (0.7, "#ff8a22"), (1, "#c83a14")],
               fx="40%", fy="35%"),
        radial("billowHot", [(0, "#ffffff"), (0.4, "#fff0a0"), (0.8, "#ffb040"), (1, "#ff7a1e")]),
        radial("smokeG", [(0, "#4e464e"), (0.6, "#3a343c"), (1, "#2a262e", 0.0)]),
        radial("smokeLit", [(0, "#7a6a66"), (0.7, "#4a4048"), (1, "#3a343c", 0.0)], fx="40%", fy="30%"),
    ]
    body = ['<g opacity="%s">' % f(alpha)]
    # smoke behind the fire
    if smoke > 0:
        puffs = []
        for k in range(15):
            a = 2 * math.pi * k / 11 + rng.uniform(-0.3, 0.3)
            d = smoke_r * (rng.uniform(0.25, 0.7) if k < 11 else rng.uniform(0, 0.2))
            r = smoke_r * rng.uniform(0.32, 0.5)
            x, y = c + math.cos(a) * d, c + math.sin(a) * d - smoke_r * 0.12
            puffs.append('<path d="%s" fill="url(#%s)"/>' % (blob(x, y, r, r * 0.92, rng, 8, 0.18),
                                                            "smokeLit" if y < c else "smokeG"))
        body.append('<g opacity="%s" filter="url(#b4)">%s</g>' % (f(smoke), "".join(puffs)))
    # glow behind everything hot
    if heat > 0:
        body.append('<circle cx="%s" cy="%s" r="%s" fill="url(#flash)" opacity="%s"/>' % (
            f(c), f(c), f(min(c, fire_r * 1.35)), f(min(1, heat * 1.1))))
        billows = []
        n = 9 if fire_r > 40 else 5
        for k in range(n + 3):
            a = 2 * math.pi * k / n + rng.uniform(-0.3, 0.3)
            d = fire_r * (rng.uniform(0.3, 0.55) * (1 + (1 - heat) * 0.5) if k < n else rng.uniform(0, 0.2))
            r = fire_r * rng.uniform(0.38, 0.55) * (0.6 + 0.4 * heat)
            x, y = c + math.cos(a) * d, c + math.sin(a) * d
            billows.append('<path d="%s" fill="url(#%s)"/>' % (blob(x, y, r, r, rng, 8, 0.2),
                                                              "billowHot" if heat > 0.8 else "billow"))
        defs.append(blur("cool", 1.5 + (1 - heat) * 5))
        body.append('<g opacity="%s" filter="url(#cool)">%s</g>' % (f(min(1, heat * 1.2)), "".join(billows)))
        if heat > 0.5:
            body.append('<circle cx="%s" cy="%s" r="%s" fill="#fffbe8" filter="url(#b8)" opacity="%s"/>' % (
                f(c), f(c), f(fire_r * 0.45), f((heat - 0.5) * 2)))
    # sharp rays on the first flash
    if i == 1:
        rays = []
        for k in range(12):
            a = 2 * math.pi * k / 12 + rng.uniform(-0.1, 0.1)
            L = rng.uniform(70, 112)
            wdt = 0.09
            rays.append("M%s,%s L%s,%s L%s,%s Z" % (
                f(c + math.cos(a - wdt) * 20), f(c + math.sin(a - wdt) * 20),
                f(c + math.cos(a) * L), f(c + math.sin(a) * L),
                f(c + math.cos(a + wdt) * 20), f(c + math.sin(a + wdt) * 20)))
        body.append('<path d="%s" fill="#fff6d0" opacity="0.9" filter="url(#b2)"/>' % " ".join(rays))
    # embers flying out
    if ember_d > 0:
        em = []
        for k in range(22):
            a = rng.uniform(0, 2 * math.pi)
            d = rng.uniform(max(fire_r, 40) * 0.95, max(ember_d, fire_r + 10))
            x, y = c + math.cos(a) * d, c + math.sin(a) * d
            if not (6 < x < s - 6 and 6 < y < s - 6):
                continue
            L = rng.uniform(4, 10)
            em.append('<path d="M%s,%s L%s,%s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (
                f(x - math.cos(a) * L), f(y - math.sin(a) * L), f(x), f(y),
                rng.choice(["#ffe08a", "#ffb040", "#ff7a2a"]), f(rng.uniform(1.8, 3.2))))
        body.append("<g>" + "".join(em) + "</g>")
    body.append("</g>")
    write("EXPLOSION_%02d" % i, document(s, s, defs, body, "explosion frame %d of 9" % i))


def explosions():
    frames = [
        (46, 1.0, 0, 0, 0, 1.0),       # flash
        (72, 0.95, 60, 0.3, 62, 1.0),   # growth
        (96, 0.85, 90, 0.55, 88, 1.0),  # peak
        (104, 0.65, 104, 0.75, 102, 1.0),
        (92, 0.42, 112, 0.85, 112, 1.0),  # breaking up
        (74, 0.25, 116, 0.85, 118, 0.9),
        (56, 0.12, 118, 0.75, 122, 0.75),
        (40, 0.05, 120, 0.6, 0, 0.5),
        (0, 0, 120, 0.4, 0, 0.25),     # last wisps
    ]
    for i, p in enumerate(frames):
        explosion(i + 1, p)


def fire_speck(x, y, r, ramp, rng, gid):
    core, mid, edge, op = ramp
    grad = radial(gid, [(0, core), (0.45, mid), (0.85, edge, 0.85), (1, edge, 0)], fx="45%", fy="55%")
    shape = blob(x, y, r, r * 0.95, rng, 7, 0.12)
    return grad, '<path d="%s" fill="url(#%s)" opacity="%s"/>' % (shape, gid, f(op))


def fire_particles():
    for i, ramp in enumerate(FIRE_RAMP):
        rng = random.Random(300 + i)
        r = 27 if i < 7 else 30
        grad, el = fire_speck(32, 32, r, ramp, rng, "fire")
        write("FIRE_PARTICLE_%02d" % (i + 1), document(64, 64, [grad], [el], "fire speck %d of 9" % (i + 1)))


def grass_speck(ox=0, oy=0, k=1.0):
    def blade(x0, x1, tx, ty, col):
        return '<path d="M%s,%s Q%s,%s %s,%s Q%s,%s %s,%s Z" fill="%s" stroke="#10241a" stroke-width="%s"/>' % (
            f(ox + x0 * k), f(oy + 27 * k), f(ox + (x0 + tx) / 2 * k - 2 * k), f(oy + 14 * k), f(ox + tx * k),
            f(oy + ty * k), f(ox + (x1 + tx) / 2 * k + 1 * k), f(oy + 15 * k), f(ox + x1 * k), f(oy + 27 * k), col,
            f(1.3 * k))
    return (blade(4, 12, 2, 3, "#3f8a5e") + blade(18, 27, 30, 5, "#3f8a5e") + blade(9, 21, 15, 1, "#7cc79a") +
            '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#4a3428" stroke="#1a110d" stroke-width="%s"/>' % (
                f(ox + 15 * k), f(oy + 27 * k), f(11 * k), f(4 * k), f(1.2 * k)))


def clod_speck(ox=0, oy=0, k=1.0, rng=None):
    rng = rng or random.Random(9)
    shape = blob(ox + 16 * k, oy + 16 * k, 13 * k, 11 * k, rng, 7, 0.22)
    return ('<path d="%s" fill="#5a4034" stroke="#1a110d" stroke-width="%s"/>' % (shape, f(1.4 * k)) +
            '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#8e6e5a"/>' % (
                f(ox + 13 * k), f(oy + 11 * k), f(6 * k), f(3.5 * k)) +
            '<circle cx="%s" cy="%s" r="%s" fill="#2e201a"/>' % (f(ox + 20 * k), f(oy + 20 * k), f(2.2 * k)))


def dust():
    write("GRASS_PARTICLE", document(32, 32, [], [grass_speck()], "torn grass blades"))
    write("GROUND_PARTICLE", document(32, 32, [], [clod_speck()], "clod of earth"))


def zap_star(c, r, uid, ox=0.0):
    defs = [radial("zg" + uid, [(0, "#ffffff"), (0.25, "#fff2b0", 0.95), (0.55, "#ffb040", 0.5), (1, "#ff7a1e", 0)])]
    pts = []
    n = 8
    for k in range(2 * n):
        a = math.pi * k / n - math.pi / 2
        rr = r * (0.98 if k % 4 == 0 else (0.6 if k % 2 == 0 else 0.27))
        pts.append((ox + c + math.cos(a) * rr, c + math.sin(a) * rr))
    star = "M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in pts) + "Z"
    body = ['<circle cx="%s" cy="%s" r="%s" fill="url(#zg%s)"/>' % (f(ox + c), f(c), f(r), uid),
            '<path d="%s" fill="#ffe9a0" opacity="0.95"/>' % star,
            '<circle cx="%s" cy="%s" r="%s" fill="#ffffff"/>' % (f(ox + c), f(c), f(r * 0.22))]
    return defs, body


def zap():
    defs, body = zap_star(32, 31, "")
    write("ZAP", document(64, 64, defs, body, "muzzle flash"))


def particle_sheet():
    """The specks in four 64 px cells: fire, grass, earth, flash (loaded, the game draws the single pictures)."""
    rng = random.Random(300)
    g1, e1 = fire_speck(32, 32, 27, FIRE_RAMP[2], rng, "f1")
    zd, zb = zap_star(32, 31, "s", ox=192)
    body = [e1,
            '<g transform="translate(64 0)">%s</g>' % grass_speck(0, 0, 2),
            '<g transform="translate(128 0)">%s</g>' % clod_speck(0, 0, 2, random.Random(9))] + zb
    write("PARTICLES", document(256, 64, [g1] + zd, body, "particle specks: fire, grass, earth, flash"))


def make_all():
    bullets()
    explosions()
    fire_particles()
    dust()
    zap()
    particle_sheet()
