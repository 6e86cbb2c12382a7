# SPDX-License-Identifier: MIT
"""The night rabbit: four idle frames and five hop frames, 128 x 128, facing left.

The feet rest about 10 px above the bottom edge: the game lowers the sprite by
8.6 % of its width, so that line lands on the ground surface.
"""
import math

from svg import f, linear, radial, blur, document, write

S = 128
GROUND = 118
OUTLINE = "#0d0b14"


def rot(px, py, cx, cy, deg):
    a = math.radians(deg)
    dx, dy = px - cx, py - cy
    return cx + dx * math.cos(a) - dy * math.sin(a), cy + dx * math.sin(a) + dy * math.cos(a)


def ellipse(cx, cy, rx, ry, deg=0):
    return ('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" transform="rotate(%s %s %s)"/>' % (
        f(cx), f(cy), f(rx), f(ry), f(deg), f(cx), f(cy)))


def ear(bx, by, length, width, deg, bend=0.0, notch=False):
    """Leaf-shaped ear from its base (bx, by), pointing up when deg = 0, leaning right for deg > 0."""
    def p(x, y):
        return rot(bx + x, by + y, bx, by, deg)
    L, W = length, width
    tip = p(bend * L * 0.35, -L)
    pts = [p(-W * 0.45, 0), p(-W * 0.62 + bend * L * 0.1, -L * 0.45), p(-W * 0.3 + bend * L * 0.3, -L * 0.9), tip,
           p(W * 0.35 + bend * L * 0.3, -L * 0.85), p(W * 0.55 + bend * L * 0.12, -L * 0.45), p(W * 0.45, 0)]
    if notch:
        # a bite out of the outer edge: an old scar
        n0 = p(W * 0.5 + bend * L * 0.2, -L * 0.62)
        n1 = p(W * 0.1 + bend * L * 0.2, -L * 0.66)
        n2 = p(W * 0.5 + bend * L * 0.22, -L * 0.72)
        pts = pts[:5] + [n2, n1, n0] + pts[5:]
    d = "M%s,%s " % (f(pts[0][0]), f(pts[0][1]))
    # smooth through the points with quadratic midpoints
    for i in range(1, len(pts) - 1):
        mx, my = (pts[i][0] + pts[i + 1][0]) / 2, (pts[i][1] + pts[i + 1][1]) / 2
        d += "Q%s,%s %s,%s " % (f(pts[i][0]), f(pts[i][1]), f(mx), f(my))
    d += "L%s,%s Z" % (f(pts[-1][0]), f(pts[-1][1]))
    inner = [p(-W * 0.12, -L * 0.12), p(-W * 0.25 + bend * L * 0.12, -L * 0.5), p(bend * L * 0.3, -L * 0.86),
             p(W * 0.22 + bend * L * 0.12, -L * 0.5), p(W * 0.12, -L * 0.12)]
    di = "M%s,%s Q%s,%s %s,%s Q%s,%s %s,%s Z" % (
        f(inner[0][0]), f(inner[0][1]), f(inner[1][0]), f(inner[1][1]), f(inner[2][0]), f(inner[2][1]),
        f(inner[3][0]), f(inner[3][1]), f(inner[4][0]), f(inner[4][1]))
    return d, di


def limb(x0, y0, x1, y1, w):
    return ("line", "M%s,%s L%s,%s" % (f(x0), f(y0), f(x1), f(y1)), w)


def bent_limb(x0, y0, xm, ym, x1, y1, w):
    return ("line", "M%s,%s Q%s,%s %s,%s" % (f(x0), f(y0), f(xm), f(ym), f(x1), f(y1)), w)


def hind_leg(hip, ankle, toe, w=10):
    """Shank from the hip to the ankle, then a long foot to the toe."""
    ang = math.degrees(math.atan2(toe[1] - ankle[1], toe[0] - ankle[0]))
    mx, my = (ankle[0] + toe[0]) / 2, (ankle[1] + toe[1]) / 2
    ln = math.hypot(toe[0] - ankle[0], toe[1] - ankle[1])
    return [limb(hip[0], hip[1], ankle[0], ankle[1], w),
            ("shape", ellipse(mx, my, ln / 2 + 3, 4.8, ang))]


def shape_el(part, fill=None, stroke=None, extra=0):
    """One part as an SVG element: filled shape, or a thick round-capped line."""
    kind = part[0]
    if kind == "line":
        col = stroke or fill
        return '<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" ' \
               'stroke-linejoin="round"/>' % (part[1], col, f(part[2] + extra))
    el = part[1]
    attrs = ' fill="%s"' % fill
    if stroke:
        attrs += ' stroke="%s" stroke-width="%s" stroke-linejoin="round"' % (stroke, f(extra))
    return el.replace("/>", attrs + "/>", 1) if el.startswith("<ellipse") or el.startswith("<circle") \
        else '<path d="%s"%s/>' % (el, attrs)


def layer(parts, uid, rim, body_fill, shift=(2.4, 3.0), outline=5.0):
    """Silhouette with a dark outline, lit from the upper left by the moon."""
    out = ['<g>' + "".join(shape_el(p, OUTLINE, OUTLINE, outline) for p in parts) + '</g>']
    mask = '<mask id="m%s">' % uid + "".join(shape_el(p, "#fff") for p in parts) + "</mask>"
    out.append('<g>' + "".join(shape_el(p, rim) for p in parts) + '</g>')
    out.append('<g mask="url(#m%s)"><g transform="translate(%s %s)">' % (uid, f(shift[0]), f(shift[1])) +
               "".join(shape_el(p, body_fill) for p in parts) + '</g></g>')
    return mask, out


def head_parts(hx, hy, r, tilt):
    snout = rot(hx - r * 0.72, hy + r * 0.28, hx, hy, tilt)
    cheek = rot(hx + r * 0.1, hy + r * 0.35, hx, hy, tilt)
    return [("shape", ellipse(hx, hy, r, r * 0.92, tilt)),
            ("shape", ellipse(snout[0], snout[1], r * 0.62, r * 0.52, tilt - 12)),
            ("shape", ellipse(cheek[0], cheek[1], r * 0.8, r * 0.6, tilt))], snout


def rabbit(pose):
    """Builds the SVG body elements for one pose."""
    defs = []
    body = []
    hx, hy, hr, tilt = pose["head"]
    # ears: the far one first, darker
    far_ear_base = rot(hx + hr * 0.45, hy - hr * 0.6, hx, hy, tilt)
    near_ear_base = rot(hx + hr * 0.1, hy - hr * 0.75, hx, hy, tilt)
    far_d, far_in = ear(far_ear_base[0], far_ear_base[1], pose["ear_len"] * 0.95, 13, pose["ears"][0],
                        pose.get("bend_far", 0))
    near_d, near_in = ear(near_ear_base[0], near_ear_base[1], pose["ear_len"], 14, pose["ears"][1],
                          pose.get("bend_near", 0), notch=True)

    far_parts = [("shape", far_d)]
    for leg in pose.get("far_legs", []):
        far_parts.append(leg)
    m, els = layer(far_parts, pose["id"] + "f", "#5c5582", "url(#furFar)")
    defs.append(m)
    body += els
    body.append('<path d="%s" fill="#3a1a2c"/>' % far_in)

    bx, by, brx, bry, bdeg = pose["body"]
    hax, hay, harx, hary, hadeg = pose["haunch"]
    head, snout = head_parts(hx, hy, hr, tilt)
    tx, ty = pose["tail"]
    main = [("shape", ellipse(bx, by, brx, bry, bdeg)), ("shape", ellipse(hax, hay, harx, hary, hadeg)),
            ("shape", ellipse(tx, ty, 8, 7))]
    main += pose.get("near_legs", [])
    main += head
    main.append(("shape", near_d))
    m, els = layer(main, pose["id"] + "m", "#b3a9e0", "url(#fur)")
    defs.append(m)
    body += els
    # inner ear, belly, thigh line
    body.append('<path d="%s" fill="#5a2540"/>' % near_in)
    chest = rot(bx - brx * 0.55, by + bry * 0.05, bx, by, bdeg)
    body.append('<g mask="url(#m%sm)">%s</g>' % (pose["id"], ellipse(
        chest[0], chest[1], brx * 0.5, bry * 0.62, bdeg).replace("/>", ' fill="url(#chest)"/>')))
    body.append('<path d="%s" fill="none" stroke="%s" stroke-width="2" stroke-opacity="0.7" stroke-linecap="round"/>' % (
        pose["thigh_line"], OUTLINE))
    body.append('<ellipse cx="%s" cy="%s" rx="5" ry="4.5" fill="#d8d2ee"/>' % (f(tx - 1), f(ty - 1)))
    # the face: nose, teeth, eye with its glow
    nose = rot(hx - hr * 1.3, hy + hr * 0.18, hx, hy, tilt)
    body.append('<ellipse cx="%s" cy="%s" rx="3" ry="2.4" fill="#b44a66" stroke="%s" stroke-width="1.2"/>' % (
        f(nose[0]), f(nose[1]), OUTLINE))
    tooth = rot(hx - hr * 1.05, hy + hr * 0.72, hx, hy, tilt)
    body.append('<path d="M%s,%s l5,0 l-0.6,6 l-3.8,0 Z" fill="#f4efe0" stroke="%s" stroke-width="1.2" '
                'transform="rotate(%s %s %s)"/>' % (f(tooth[0] - 2.5), f(tooth[1] - 1.5), OUTLINE, f(tilt - 8),
                                                     f(tooth[0]), f(tooth[1])))
    mouth = rot(hx - hr * 0.6, hy + hr * 0.62, hx, hy, tilt)
    body.append('<path d="M%s,%s q4,-2 7,0" fill="none" stroke="%s" stroke-width="1.6" stroke-linecap="round"/>' % (
        f(mouth[0] - 8), f(mouth[1]), OUTLINE))
    eye = rot(hx - hr * 0.45, hy - hr * 0.12, hx, hy, tilt)
    ex, ey = eye
    body.append('<circle cx="%s" cy="%s" r="15" fill="url(#eyeGlow)"/>' % (f(ex), f(ey)))
    open_ = pose.get("eye", 1.0)
    if open_ > 0.2:
        body.append('<path d="M%s,%s Q%s,%s %s,%s Q%s,%s %s,%s Z" fill="#ff2b3c" stroke="%s" stroke-width="1.4" '
                    'transform="rotate(%s %s %s)"/>' % (
                        f(ex - 6), f(ey + 1), f(ex - 1), f(ey - 5 * open_), f(ex + 6), f(ey - 2.5),
                        f(ex + 1), f(ey + 4 * open_), f(ex - 6), f(ey + 1), OUTLINE, f(tilt), f(ex), f(ey)))
        body.append('<circle cx="%s" cy="%s" r="1.8" fill="#fff4e0"/>' % (f(ex - 1), f(ey - 0.5)))
    else:
        body.append('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="#ff4050" stroke-width="2" '
                    'stroke-linecap="round" transform="rotate(%s %s %s)"/>' % (
                        f(ex - 6), f(ey + 0.5), f(ex), f(ey + 2.5), f(ex + 6), f(ey - 1.5), f(tilt), f(ex), f(ey)))
    # a heavy brow gives the glare
    body.append('<path d="M%s,%s L%s,%s L%s,%s Z" fill="%s" transform="rotate(%s %s %s)"/>' % (
        f(ex - 8), f(ey - 5.5), f(ex + 8), f(ey - 8.5), f(ex + 7), f(ey - 4.5), OUTLINE, f(tilt), f(ex), f(ey)))
    # whiskers
    wx, wy = rot(hx - hr * 1.05, hy + hr * 0.3, hx, hy, tilt)
    body.append('<path d="M%s,%s l-13,-3 M%s,%s l-14,2 M%s,%s l-12,6" stroke="#cfc8ea" stroke-opacity="0.6" '
                'stroke-width="0.9" stroke-linecap="round"/>' % (f(wx), f(wy), f(wx), f(wy + 1.5), f(wx), f(wy + 3)))
    return defs, body


COMMON_DEFS = [
    linear("fur", [(0, "#4f4870"), (0.5, "#342f4c"), (1, "#1c1929")], y1="0", y2="1"),
    linear("furFar", [(0, "#2c2740"), (1, "#17141f")]),
    radial("chest", [(0, "#9d93c4", 0.5), (1, "#9d93c4", 0)]),
    radial("eyeGlow", [(0, "#ff5060", 0.95), (0.3, "#ff2036", 0.5), (1, "#ff1030", 0)]),
]


def idle_pose(name, ear_far, ear_near, bend_near=0.0, breathe=0.0, eye=1.0):
    b = breathe
    return {
        "id": name,
        "head": (40, 58 + b * 1.5, 18, -6),
        "ear_len": 46,
        "ears": (ear_far, ear_near),
        "bend_near": bend_near,
        "body": (62, 84 + b, 26 + b, 28 - b * 0.5, -25),
        "haunch": (84, 92 + b * 0.5, 27, 25 - b * 0.5, 0),
        "tail": (111, 84),
        "far_legs": [limb(50, 98, 40, 115, 8)],
        "near_legs": [limb(56, 96, 46, 115, 9), ("shape", ellipse(44, 115.5, 8, 3.6)),
                      ("shape", ellipse(90, 114, 20, 5))],
        "thigh_line": "M70,112 Q66,90 84,74 Q100,68 108,82",
        "eye": eye,
    }


def jump_poses():
    return [
        # crouch: low and coiled, ears laid back
        {"id": "j1", "head": (34, 76, 18, 4), "ear_len": 46, "ears": (62, 56), "bend_near": 0.2,
         "body": (58, 94, 28, 23, -12), "haunch": (84, 97, 28, 21, 0), "tail": (111, 92),
         "far_legs": [limb(46, 104, 38, 115, 8)],
         "near_legs": [limb(52, 104, 42, 115, 9), ("shape", ellipse(40, 115.5, 8, 3.6)),
                       ("shape", ellipse(92, 114, 21, 5))],
         "thigh_line": "M72,113 Q68,96 84,82 Q100,78 108,90"},
        # take-off: thrusting up and forward, hind legs pushing back
        {"id": "j2", "head": (30, 44, 18, -22), "ear_len": 46, "ears": (58, 48), "bend_near": 0.25,
         "body": (54, 66, 30, 21, -40), "haunch": (78, 80, 24, 20, -30), "tail": (100, 70),
         "far_legs": [limb(40, 70, 24, 80, 8)],
         "near_legs": [limb(44, 74, 28, 86, 9)] + hind_leg((86, 90), (98, 100), (118, 112)),
         "thigh_line": "M70,96 Q70,80 84,68 Q94,64 98,72"},
        # flight: stretched long, front paws reaching, legs trailing
        {"id": "j3", "head": (26, 52, 17, -8), "ear_len": 46, "ears": (80, 72), "bend_near": 0.3,
         "body": (56, 64, 32, 18, -10), "haunch": (86, 68, 22, 18, -10), "tail": (104, 58),
         "far_legs": [limb(38, 72, 18, 76, 8)],
         "near_legs": [limb(42, 76, 20, 82, 9)] + hind_leg((96, 74), (106, 80), (123, 82)),
         "thigh_line": "M78,82 Q78,66 90,56 Q100,54 102,62"},
        # tuck: curled, paws pulled in, ears rising
        {"id": "j4", "head": (32, 56, 18, 6), "ear_len": 46, "ears": (46, 36), "bend_near": 0.1,
         "body": (58, 70, 27, 24, -5), "haunch": (80, 76, 24, 22, 0), "tail": (104, 66),
         "far_legs": [limb(44, 84, 34, 96, 8)],
         "near_legs": [limb(48, 86, 38, 100, 9)] + hind_leg((80, 90), (84, 98), (102, 98)),
         "thigh_line": "M64,94 Q62,76 78,64 Q94,60 100,70"},
        # landing: front paws down, the back end still coming down
        {"id": "j5", "head": (32, 70, 18, 10), "ear_len": 46, "ears": (30, 20), "bend_near": 0.15,
         "body": (56, 86, 27, 24, -2), "haunch": (82, 86, 25, 22, 10), "tail": (108, 76),
         "far_legs": [limb(44, 98, 34, 115, 8)],
         "near_legs": [limb(48, 100, 40, 115, 9), ("shape", ellipse(38, 115.5, 8, 3.6)),
                       ] + hind_leg((86, 98), (94, 106), (114, 110)),
         "thigh_line": "M66,106 Q62,88 78,74 Q96,70 104,80"},
    ]


def write_pose(name, pose):
    defs, body = rabbit(pose)
    write(name, document(S, S, COMMON_DEFS + defs, body, "night rabbit, facing left"))


def make_all():
    write_pose("RABBIT_IDLE_01", idle_pose("i1", 26, 14, 0.0, breathe=0.0))
    write_pose("RABBIT_IDLE_02", idle_pose("i2", 24, 30, 0.45, breathe=0.5))
    write_pose("RABBIT_IDLE_03", idle_pose("i3", 28, 16, 0.05, breathe=1.5))
    write_pose("RABBIT_IDLE_04", idle_pose("i4", 38, 14, 0.0, breathe=0.8, eye=0.0))
    for i, pose in enumerate(jump_poses()):
        write_pose("RABBIT_JUMP_%02d" % (i + 1), pose)
