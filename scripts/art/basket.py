# SPDX-License-Identifier: MIT
"""The woven basket hanging under every balloon, 128 x 160.

The balloon covers the top of the picture (a circle of radius 64 px around the
top-centre), the passenger rabbit sits behind the basket with its head above
the rim at y = 102.
"""
from svg import f, linear, radial, document, write

OUTLINE = "#120c08"


def basket():
    w, h = 128, 160
    top, bottom = 102, 154
    defs = [
        linear("wicker", [(0, "#b48a55"), (0.45, "#7d5a34"), (1, "#3e2a18")]),
        linear("rimWood", [(0, "#d8b47c"), (1, "#7a5632")]),
        linear("rope", [(0, "#8c7b62"), (1, "#c9b28a")]),
        radial("lampGlow", [(0, "#ffe2a0", 0.9), (0.3, "#ffb84a", 0.45), (1, "#ff9a2a", 0)]),
        '<clipPath id="wall"><path d="M16,%d L112,%d L104,%d L24,%d Z"/></clipPath>' % (top, top, bottom, bottom),
    ]
    body = []
    # ropes from the rim up to the balloon (their upper ends hide behind it)
    ropes = [(20, top, 44, 30), (108, top, 84, 30), (50, top, 56, 30), (78, top, 72, 30)]
    for x0, y0, x1, y1 in ropes:
        body.append('<path d="M%s,%s L%s,%s" stroke="%s" stroke-width="3.4" stroke-linecap="round"/>' % (
            f(x0), f(y0), f(x1), f(y1), OUTLINE))
        body.append('<path d="M%s,%s L%s,%s" stroke="url(#rope)" stroke-width="1.6" stroke-linecap="round"/>' % (
            f(x0), f(y0), f(x1), f(y1)))
    # the wall: trapezoid with a weave of rows and ribs
    body.append('<path d="M16,%d L112,%d L104,%d Q64,%d 24,%d Z" fill="url(#wicker)" stroke="%s" '
                'stroke-width="3" stroke-linejoin="round"/>' % (top, top, bottom, bottom + 3, bottom, OUTLINE))
    weave = []
    rows = 5
    for r in range(rows):
        y0 = top + 6 + r * (bottom - top - 6) / rows
        hgt = (bottom - top - 6) / rows
        for c in range(10):
            x0 = 14 + c * 10 + (5 if r % 2 else 0)
            weave.append('<rect x="%s" y="%s" width="8.4" height="%s" rx="3" fill="#c59a62" fill-opacity="0.35" '
                         'stroke="%s" stroke-opacity="0.55" stroke-width="1"/>' % (
                             f(x0), f(y0 + 0.8), f(hgt - 1.6), OUTLINE))
    body.append('<g clip-path="url(#wall)">' + "".join(weave) + "</g>")
    # shade towards the right, away from the moon
    body.append('<g clip-path="url(#wall)"><rect x="70" y="%d" width="50" height="70" fill="#120a04" '
                'fill-opacity="0.3"/></g>' % top)
    # rim
    body.append('<rect x="11" y="%d" width="106" height="9" rx="4.5" fill="url(#rimWood)" stroke="%s" '
                'stroke-width="2.6"/>' % (top - 4, OUTLINE))
    body.append('<path d="M16,%s L80,%s" stroke="#f3dcaa" stroke-width="1.4" stroke-linecap="round" '
                'stroke-opacity="0.8"/>' % (f(top - 1.5), f(top - 1.5)))
    # a lantern hanging from the rim on the left
    body.append('<path d="M14,%d L10,%d" stroke="%s" stroke-width="1.6"/>' % (top + 4, top + 14, OUTLINE))
    body.append('<circle cx="9" cy="%d" r="15" fill="url(#lampGlow)"/>' % (top + 22))
    body.append('<rect x="4.5" y="%d" width="9" height="13" rx="2" fill="#ffd27a" stroke="%s" stroke-width="1.8"/>' % (
        top + 15, OUTLINE))
    body.append('<path d="M4.5,%d L13.5,%d M9,%d L9,%d" stroke="%s" stroke-width="1.2"/>' % (
        top + 21, top + 21, top + 15, top + 28, OUTLINE))
    # a sandbag on the right
    body.append('<path d="M112,%d L116,%d" stroke="%s" stroke-width="1.6"/>' % (top + 4, top + 14, OUTLINE))
    body.append('<path d="M110,%d Q116,%d 122,%d Q126,%d 116,%d Q106,%d 110,%d Z" fill="#8e8a78" stroke="%s" '
                'stroke-width="1.8"/>' % (top + 16, top + 11, top + 16, top + 28, top + 30, top + 28, top + 16,
                                          OUTLINE))
    write("BASKET", document(w, h, defs, body, "basket under a balloon; ropes run up into the balloon"))


def make_all():
    basket()
