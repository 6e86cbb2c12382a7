# SPDX-License-Identifier: MIT
"""The four full-screen overlays, 1280 x 720.

The game multiplies them by a fully saturated hue that circles every four
seconds, so everything is drawn in white and greys (which take the hue) and
black (which stays black and keeps the text readable over the moving scene).
The picture covers a little more than the window: keep content 60 px from
the left, right and top edges.
"""
from glyphs import centred_text, text_width, text_path
from svg import f, linear, radial, blur, document, write

W, H = 1280, 720
DARK = "#06060c"


def ink_defs(gid):
    """White above the middle, light grey below: a chrome edge once the hue tints it."""
    return ('<linearGradient id="%s" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#ffffff"/><stop offset="0.5" stop-color="#f2f3f8"/>'
            '<stop offset="0.52" stop-color="#c4c8d4"/><stop offset="1" stop-color="#9ea3b4"/>'
            '</linearGradient>' % gid)


def label(d, pen, rim, ink, glow=0.35, shadow=True):
    """Stroke lettering: soft glow, drop shadow, dark outline, light ink."""
    common = 'fill="none" stroke-linecap="square" stroke-linejoin="miter" stroke-miterlimit="2"'
    out = []
    if glow:
        out.append('<path d="%s" %s stroke="#ffffff" stroke-opacity="%s" stroke-width="%s" filter="url(#glow)"/>' % (
            d, common, f(glow), f(pen + 2 * rim + 8)))
    if shadow:
        out.append('<path d="%s" %s stroke="%s" stroke-opacity="0.6" stroke-width="%s" '
                    'transform="translate(%s %s)" filter="url(#shadow)"/>' % (
                        d, common, DARK, f(pen + 2 * rim), f(rim * 0.8), f(rim * 1.2)))
    out.append('<path d="%s" %s stroke="%s" stroke-width="%s"/>' % (d, common, DARK, f(pen + 2 * rim)))
    out.append('<path d="%s" %s stroke="%s" stroke-width="%s"/>' % (d, common, ink, f(pen)))
    return out


def keycap(x, y, name, action, size=26):
    """A key drawn as a cap with its name, followed by what it does. Returns (elements, width)."""
    pad = 16
    tw = text_width(name, size)
    cap_w, cap_h = tw + 2 * pad + 6, size + 2 * pad
    out = ['<rect x="%s" y="%s" width="%s" height="%s" rx="10" fill="%s" fill-opacity="0.55" stroke="%s" '
           'stroke-width="9"/>' % (f(x), f(y), f(cap_w), f(cap_h), DARK, DARK),
           '<rect x="%s" y="%s" width="%s" height="%s" rx="10" fill="none" stroke="#e8eaf2" '
           'stroke-width="3.5"/>' % (f(x), f(y), f(cap_w), f(cap_h)),
           '<path d="M%s,%s L%s,%s" stroke="#ffffff" stroke-opacity="0.5" stroke-width="2"/>' % (
               f(x + 10), f(y + cap_h - 7), f(x + cap_w - 10), f(y + cap_h - 7))]
    out += label(text_path(name, x + pad + 3, y + pad, size), 4.5, 3, "#ffffff", glow=0, shadow=False)
    ax = x + cap_w + 22
    out += label(text_path(action, ax, y + pad - 2, size + 4), 5.5, 3.5, "url(#ink)", glow=0.2)
    return out, cap_w + 22 + text_width(action, size + 4)


def key_row(items, cy, gap=90, size=26):
    """Centred row of key hints."""
    widths = [keycap(0, 0, n, a, size)[1] for n, a in items]
    total = sum(widths) + gap * (len(items) - 1)
    x = (W - total) / 2
    out = []
    for (n, a), w in zip(items, widths):
        els, _ = keycap(x, cy - (size + 32) / 2, n, a, size)
        out += els
        x += w + gap
    return out


def small_line(text, cy, size=18):
    """A line of small print on a soft dark strip, readable even when the hue is a dark blue."""
    tw = text_width(text, size)
    strip = '<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s" fill-opacity="0.6" filter="url(#shadow)"/>' % (
        f(W / 2 - tw / 2 - 30), f(cy - size), f(tw + 60), f(size * 2), f(size), DARK)
    return [strip] + label(centred_text(text, W / 2, cy - size / 2, size), 3.2, 2.6, "#eef0f6", glow=0.25,
                           shadow=False)


def base_defs(extra=()):
    return [
        blur("glow", 9),
        blur("shadow", 3),
        blur("band", 24),
        ink_defs("ink"),
    ] + list(extra)


def vignette(gid, strength, cy=360):
    return radial(gid, [(0, DARK, 0), (0.55, DARK, 0), (0.85, DARK, strength * 0.6), (1, DARK, strength)],
                  cx="640", cy=str(cy), r="760", units="userSpaceOnUse")


def title_block(y, size=120, glow=0.4):
    d = centred_text("KRELLWICK", W / 2, y, size, gap=1.9)
    out = ['<rect x="0" y="%s" width="%d" height="%s" fill="%s" fill-opacity="0.45" filter="url(#band)"/>' % (
        f(y - 40), W, f(size + 80), DARK)]
    out += label(d, size / 6.0 * 0.95, 8, "url(#ink)", glow=glow)
    # the ears of something waiting behind the title
    return out


def menu_initial():
    defs = base_defs([vignette("vig", 0.75)])
    title_y = 150
    body = ['<rect width="%d" height="%d" fill="url(#vig)"/>' % (W, H)]
    body += title_block(title_y)
    body += small_line("DRIVE THROUGH THE NIGHT. SHOOT THE RABBITS.", 330)
    body += key_row([("SPACE", "PLAY"), ("ESC", "QUIT")], 470)
    body += small_line("A / D  DRIVE      W  JUMP      K / L  AIM      SPACE  FIRE", 640, 16)
    write("MENU_INITIAL", document(W, H, defs, body, "start screen overlay"))


def menu_playing_to_initial():
    defs = base_defs([vignette("vig", 0.5)])
    title_y = 150
    body = ['<rect width="%d" height="%d" fill="url(#vig)"/>' % (W, H)]
    body += title_block(title_y, glow=0.25)
    write("MENU_PLAYING_TO_INITIAL", document(W, H, defs, body, "overlay fading in while leaving play"))


def game_over(y, size):
    return centred_text("GAME OVER", W / 2, y, size, gap=2.0)


def menu_death():
    defs = base_defs([vignette("vig", 0.9)])
    y, size = 170, 110
    body = ['<rect width="%d" height="%d" fill="url(#vig)"/>' % (W, H),
            '<rect x="0" y="%s" width="%d" height="%s" fill="%s" fill-opacity="0.5" filter="url(#band)"/>' % (
                f(y - 40), W, f(size + 80), DARK)]
    body += label(game_over(y, size), size / 6.0 * 0.95, 8, "url(#ink)", glow=0.4)
    body += small_line("THE NIGHT BELONGS TO THE RABBITS.", 345)
    body += key_row([("SPACE", "MENU"), ("ESC", "QUIT")], 480)
    write("MENU_DEATH", document(W, H, defs, body, "game over screen overlay"))


def menu_playing_to_death():
    # the burning car stays visible at the lower left, so only the top and the edges darken
    defs = base_defs([
        radial("vig", [(0, DARK, 0), (0.6, DARK, 0), (1, DARK, 0.6)], cx="640", cy="300", r="820",
               units="userSpaceOnUse"),
        linear("topShade", [(0, DARK, 0.85), (0.6, DARK, 0.5), (1, DARK, 0)]),
    ])
    y, size = 80, 64
    body = ['<rect width="%d" height="%d" fill="url(#vig)"/>' % (W, H),
            '<rect x="0" y="0" width="%d" height="230" fill="url(#topShade)"/>' % W]
    body += ['<path d="M120,%s L1160,%s M120,%s L1160,%s" stroke="%s" stroke-width="7"/>' % (
        f(y - 24), f(y - 24), f(y + size + 24), f(y + size + 24), DARK),
        '<path d="M120,%s L1160,%s M120,%s L1160,%s" stroke="#d8dbe6" stroke-width="2.5"/>' % (
        f(y - 24), f(y - 24), f(y + size + 24), f(y + size + 24))]
    body += label(game_over(y, size), size / 6.0 * 0.9, 6, "url(#ink)", glow=0.35)
    write("MENU_PLAYING_TO_DEATH", document(W, H, defs, body, "overlay over the burning car"))


def make_all():
    menu_initial()
    menu_playing_to_initial()
    menu_death()
    menu_playing_to_death()
