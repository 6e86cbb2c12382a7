# SPDX-License-Identifier: MIT
"""The car sprite sheet: body, small wheel, big wheel and turret barrel in one 512x256 picture.

The game cuts these exact rectangles out of the sheet (x, y from the top-left):
body 41..247 x 45..229, small wheel 310..340 x 199..229, big wheel 369..473 x 125..229,
barrel 403..436 x 64..76. Everything else stays transparent.
"""
import math

from svg import f, linear, radial, blur, document, write, path_closed

OUTLINE = "#0a0b12"
BODY_AT = (41, 45)       # body rectangle 206 x 184
SMALL_AT = (310, 199)    # small wheel 30 x 30
BIG_AT = (369, 125)      # big wheel 104 x 104
BARREL_AT = (403, 64)    # barrel 33 x 12

# in body coordinates (0..206 x 0..184, y down)
SMALL_WHEEL = (34, 169, 15)
BIG_WHEEL = (122, 132, 52)
PIVOT = (195, 25)


def body_parts():
    bx, by, br = BIG_WHEEL
    sx, sy, sr = SMALL_WHEEL
    out = []
    # shadowy wheel wells behind where the wheels are drawn
    out.append('<circle cx="%s" cy="%s" r="%s" fill="#07080d"/>' % (f(bx), f(by), f(br + 3)))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="#07080d"/>' % (f(sx), f(sy), f(sr + 3)))
    # chassis beam between the wheels
    out.append('<path d="M10,140 L70,140 L78,158 L170,158 L186,136 L204,136 L204,150 L190,162 L60,166 L14,160 Z" '
               'fill="#1c2130" stroke="%s" stroke-width="2.5" stroke-linejoin="round"/>' % OUTLINE)
    # rear deck over the small wheel
    rear = [(3, 102), (16, 94), (92, 94), (96, 136), (62, 142), (58, 154), (52, 142), (16, 142), (12, 154),
            (3, 150)]
    out.append('<path d="%s" fill="url(#paint)" stroke="%s" stroke-width="2.5" stroke-linejoin="round"/>' % (
        path_closed(rear), OUTLINE))
    # cargo crate and antenna on the deck
    out.append('<path d="M18,94 L20,76 L64,76 L66,94 Z" fill="url(#crate)" stroke="%s" stroke-width="2.2" '
               'stroke-linejoin="round"/>' % OUTLINE)
    out.append('<path d="M26,80 L58,80 M26,86 L58,86" stroke="#1b2030" stroke-width="1.6"/>')
    out.append('<path d="M14,94 L6,30" stroke="%s" stroke-width="3" stroke-linecap="round"/>'
               '<path d="M14,94 L6,30" stroke="#8fa3c8" stroke-width="1.2" stroke-linecap="round"/>' % OUTLINE)
    out.append('<circle cx="6" cy="29" r="3.2" fill="#ff4a3a" stroke="%s" stroke-width="1.2"/>' % OUTLINE)
    out.append('<circle cx="6" cy="29" r="7" fill="url(#redGlow)"/>')
    # the cab: a slanted box sitting on top of the big wheel
    cab = [(84, 100), (88, 46), (98, 38), (186, 38), (204, 64), (205, 104), (200, 122), (184, 128),
           (178, 100), (172, 88), (150, 76), (122, 72), (94, 76), (76, 96), (70, 128), (62, 128)]
    out.append('<path d="%s" fill="url(#paint)" stroke="%s" stroke-width="2.5" stroke-linejoin="round"/>' % (
        path_closed(cab), OUTLINE))
    # fender hugging the big wheel (outside its radius, so the wheel never covers it)
    a0, a1 = math.radians(188), math.radians(338)
    r_in, r_out = br + 2, br + 9
    outer = [(bx + math.cos(a0 + (a1 - a0) * i / 16) * r_out, by + math.sin(a0 + (a1 - a0) * i / 16) * r_out)
             for i in range(17)]
    inner = [(bx + math.cos(a1 - (a1 - a0) * i / 16) * r_in, by + math.sin(a1 - (a1 - a0) * i / 16) * r_in)
             for i in range(17)]
    out.append('<path d="%s" fill="#2b3550" stroke="%s" stroke-width="2.2" stroke-linejoin="round"/>' % (
        path_closed(outer + inner), OUTLINE))
    out.append('<path d="M%s" fill="none" stroke="#f39a2c" stroke-width="2.4"/>' % " L".join(
        "%s,%s" % (f(bx + math.cos(a0 + (a1 - a0) * i / 16) * (r_out - 3.5)),
                   f(by + math.sin(a0 + (a1 - a0) * i / 16) * (r_out - 3.5))) for i in range(2, 15)))
    # cab windows glowing from inside
    out.append('<path d="M100,46 L144,46 L144,66 L124,64 L100,66 Z" fill="url(#glass)" stroke="%s" '
               'stroke-width="2" stroke-linejoin="round"/>' % OUTLINE)
    out.append('<path d="M150,46 L182,46 L196,66 L152,66 Z" fill="url(#glass)" stroke="%s" stroke-width="2" '
               'stroke-linejoin="round"/>' % OUTLINE)
    out.append('<path d="M106,50 L118,50 L110,62 L104,62 Z M156,50 L162,50 L158,62 L155,62 Z" '
               'fill="#e6fbff" fill-opacity="0.45"/>')
    # moonlight along the top edges
    out.append('<path d="M90,44 L98,40 L185,40 L200,62" fill="none" stroke="#b9cbf0" stroke-width="1.6" '
               'stroke-linecap="round" stroke-opacity="0.9"/>')
    out.append('<path d="M5,101 L16,96 L90,96" fill="none" stroke="#b9cbf0" stroke-width="1.4" '
               'stroke-linecap="round" stroke-opacity="0.8"/>')
    # orange stripe and hazard chevrons
    out.append('<path d="M6,114 L92,114 L92,120 L6,120 Z" fill="#f39a2c"/>')
    out.append('<path d="M14,124 L22,124 L16,136 L8,136 Z M30,124 L38,124 L32,136 L24,136 Z M46,124 L54,124 '
               'L48,136 L40,136 Z" fill="#f39a2c" fill-opacity="0.85"/>')
    # door handle and a panel line under the windows
    out.append('<path d="M152,76 L166,76" stroke="%s" stroke-width="3.4" stroke-linecap="round"/>'
               '<path d="M153,75.4 L165,75.4" stroke="#dfe6f6" stroke-width="1.2" stroke-linecap="round"/>' % OUTLINE)
    out.append('<path d="M92,70 L198,70" stroke="%s" stroke-width="1.3" stroke-opacity="0.6"/>' % OUTLINE)
    # door seam, rivets
    out.append('<path d="M146,40 L146,70" stroke="%s" stroke-width="1.6"/>' % OUTLINE)
    out.append('<g fill="#8fa3c8">' + "".join(
        '<circle cx="%s" cy="%s" r="1.3"/>' % (f(x), f(y)) for x, y in
        [(12, 108), (30, 108), (48, 108), (66, 108), (84, 108)]) + "</g>")
    # head lamp at the nose and a tail light
    out.append('<path d="M196,84 L205,84 L205,98 L196,98 Z" fill="#fff6cf" stroke="%s" stroke-width="2"/>' % OUTLINE)
    out.append('<circle cx="203" cy="91" r="14" fill="url(#lampGlow)"/>')
    out.append('<path d="M3,106 L9,106 L9,112 L3,112 Z" fill="#ff4a3a" stroke="%s" stroke-width="1.4"/>' % OUTLINE)
    # turret: a raised ring on the roof with a dome, the barrel pivots at its centre
    px, py = PIVOT
    out.append('<path d="M172,40 L176,30 L204,30 L205,40 Z" fill="#2b3550" stroke="%s" stroke-width="2.2" '
               'stroke-linejoin="round"/>' % OUTLINE)
    out.append('<circle cx="%s" cy="%s" r="10.5" fill="url(#dome)" stroke="%s" stroke-width="2.2"/>' % (
        f(px - 1), f(py + 1), OUTLINE))
    out.append('<circle cx="%s" cy="%s" r="3" fill="#ffb347"/>' % (f(px - 1), f(py + 1)))
    out.append('<circle cx="%s" cy="%s" r="6" fill="url(#amberGlow)"/>' % (f(px - 1), f(py + 1)))
    return out


def wheel(cx, cy, r, detail):
    """Tyre with tread, rim, spokes and one orange bolt so the turning shows."""
    out = ['<circle cx="%s" cy="%s" r="%s" fill="#15161c" stroke="%s" stroke-width="%s"/>' % (
        f(cx), f(cy), f(r - 1), OUTLINE, f(max(1.2, r * 0.04)))]
    teeth = 18 if detail else 8
    tread = []
    for i in range(teeth):
        a = 2 * math.pi * i / teeth
        w = math.pi / teeth * 0.55
        p = [(cx + math.cos(a - w) * (r - 1), cy + math.sin(a - w) * (r - 1)),
             (cx + math.cos(a + w) * (r - 1), cy + math.sin(a + w) * (r - 1)),
             (cx + math.cos(a + w) * r * 0.84, cy + math.sin(a + w) * r * 0.84),
             (cx + math.cos(a - w) * r * 0.84, cy + math.sin(a - w) * r * 0.84)]
        tread.append(path_closed(p))
    out.append('<path d="%s" fill="#2e3039"/>' % " ".join(tread))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="url(#rim)" stroke="%s" stroke-width="%s"/>' % (
        f(cx), f(cy), f(r * 0.62), OUTLINE, f(max(1, r * 0.035))))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="#1a1d27"/>' % (f(cx), f(cy), f(r * 0.5)))
    spokes = []
    for i in range(5):
        a = 2 * math.pi * i / 5 - math.pi / 2
        w = 0.2
        p = [(cx + math.cos(a - w) * r * 0.16, cy + math.sin(a - w) * r * 0.16),
             (cx + math.cos(a - w * 0.45) * r * 0.52, cy + math.sin(a - w * 0.45) * r * 0.52),
             (cx + math.cos(a + w * 0.45) * r * 0.52, cy + math.sin(a + w * 0.45) * r * 0.52),
             (cx + math.cos(a + w) * r * 0.16, cy + math.sin(a + w) * r * 0.16)]
        spokes.append(path_closed(p))
    out.append('<path d="%s" fill="#9fabc4" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (
        " ".join(spokes), OUTLINE, f(max(0.6, r * 0.02))))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="url(#hub)" stroke="%s" stroke-width="%s"/>' % (
        f(cx), f(cy), f(r * 0.2), OUTLINE, f(max(0.8, r * 0.03))))
    a = -math.pi / 2
    out.append('<circle cx="%s" cy="%s" r="%s" fill="#f39a2c"/>' % (
        f(cx + math.cos(a) * r * 0.56), f(cy + math.sin(a) * r * 0.56), f(max(1.6, r * 0.09))))
    if detail:
        out.append('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="#c9d4ee" stroke-opacity="0.35" '
                   'stroke-width="2" stroke-dasharray="%s %s" transform="rotate(200 %s %s)"/>' % (
                       f(cx), f(cy), f(r * 0.92), f(r * 1.3), f(r * 5), f(cx), f(cy)))
    return out


def barrel(x, y):
    """33 x 12 barrel, the pivot end on the left, the muzzle on the right."""
    return [
        '<path d="M%s,%s L%s,%s L%s,%s L%s,%s Z" fill="url(#steel)" stroke="%s" stroke-width="1.4"/>' % (
            f(x + 0.8), f(y + 1.8), f(x + 25), f(y + 2.6), f(x + 25), f(y + 9.4), f(x + 0.8), f(y + 10.2), OUTLINE),
        '<path d="M%s,%s L%s,%s" stroke="#f39a2c" stroke-width="2"/>' % (f(x + 8), f(y + 6), f(x + 20), f(y + 6)),
        '<rect x="%s" y="%s" width="7.4" height="10.6" rx="1.2" fill="url(#steel)" stroke="%s" '
        'stroke-width="1.2"/>' % (f(x + 24.6), f(y + 0.7), OUTLINE),
        '<rect x="%s" y="%s" width="1.4" height="6.4" fill="#ffcf7a"/>' % (f(x + 31), f(y + 2.8)),
    ]


def car_sheet():
    defs = [
        linear("paint", [(0, "#c3d0ea"), (0.3, "#8c9dc2"), (0.75, "#56668c"), (1, "#36405c")]),
        linear("crate", [(0, "#7d8598"), (1, "#454b5e")]),
        linear("glass", [(0, "#9ff4ff"), (0.5, "#39c4e6"), (1, "#1c6f94")]),
        linear("steel", [(0, "#c3cde2"), (0.45, "#6b7792"), (1, "#2a3142")]),
        radial("dome", [(0, "#a9b9dc"), (0.6, "#4d5c82"), (1, "#27304a")], fx="35%", fy="30%"),
        radial("rim", [(0, "#596378"), (1, "#353b4a")]),
        radial("hub", [(0, "#eef2ff"), (1, "#7d89a3")], fx="35%", fy="35%"),
        radial("lampGlow", [(0, "#fff6cf", 0.8), (0.4, "#ffd97a", 0.3), (1, "#ffd97a", 0)]),
        radial("redGlow", [(0, "#ff4a3a", 0.7), (1, "#ff4a3a", 0)]),
        radial("amberGlow", [(0, "#fff0c0", 0.9), (0.5, "#ffb347", 0.4), (1, "#ffb347", 0)]),
        # each part keeps to its own rectangle
        '<clipPath id="bodyClip"><rect x="0" y="0" width="206" height="184"/></clipPath>',
        '<clipPath id="smallClip"><rect x="%d" y="%d" width="30" height="30"/></clipPath>' % SMALL_AT,
        '<clipPath id="bigClip"><rect x="%d" y="%d" width="104" height="104"/></clipPath>' % BIG_AT,
        '<clipPath id="barrelClip"><rect x="%d" y="%d" width="33" height="12"/></clipPath>' % BARREL_AT,
    ]
    body = ['<g transform="translate(%d %d)" clip-path="url(#bodyClip)">' % BODY_AT]
    body += body_parts()
    body.append("</g>")
    body.append('<g clip-path="url(#smallClip)">')
    body += wheel(SMALL_AT[0] + 15, SMALL_AT[1] + 15, 15, False)
    body.append('</g><g clip-path="url(#bigClip)">')
    body += wheel(BIG_AT[0] + 52, BIG_AT[1] + 52, 52, True)
    body.append('</g><g clip-path="url(#barrelClip)">')
    body += barrel(*BARREL_AT)
    body.append('</g>')
    write("CAR", document(512, 256, defs, body,
                          "car sheet: body 41..247x45..229, small wheel 310..340x199..229, "
                          "big wheel 369..473x125..229, barrel 403..436x64..76"))


def make_all():
    car_sheet()
