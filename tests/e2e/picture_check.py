#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Checks a screenshot of the game's picture scaled to a window.

    picture_check.py [--limit L] WINDOWED SCREEN
    picture_check.py --whole N SCREEN
    picture_check.py --corner paused|playing SCREEN

The first form: WINDOWED is the 1280 x 720 picture, SCREEN a screenshot of
the whole window. The picture must fill the largest 16:9 rectangle that
fits, centred: shrunk back to 1280 x 720 it differs from WINDOWED by at most
L (default 3) per channel on average (over 0 to 255), and every pixel of the
bars beside it is black. The second: SCREEN is the 1280 x 720 picture
scaled N times, each of its pixels an N x N square of one colour (as drawn
at 1280 x 720 and scaled, not drawn at the larger size). The third: the
fullscreen score in the picture's top right corner, with the amber
"PAUSED" before it (paused) or without (playing). Prints the figures;
exits 1 when a check fails.
"""
import argparse

from PIL import Image, ImageChops, ImageStat


def fitted(width, height):
    """The largest 16:9 rectangle in a window, centred: left, top, width, height."""
    w, h = width, width * 720 // 1280
    if h > height:
        w, h = height * 1280 // 720, height
    return (width - w) // 2, (height - h) // 2, w, h


def scaled_apart(windowed, screen):
    """How far SCREEN's fitted picture, shrunk back to 1280 x 720, lies from
    WINDOWED (mean per channel), and the brightest value of its bars."""
    left, top, w, h = fitted(*screen.size)
    picture = screen.crop((left, top, left + w, top + h)).resize((1280, 720), Image.BOX)
    mean = sum(ImageStat.Stat(ImageChops.difference(windowed, picture)).mean) / 3
    # The bars: the screen with the picture painted over in black must be all black.
    bars = screen.copy()
    bars.paste((0, 0, 0), (left, top, left + w, top + h))
    return mean, max(high for _, high in bars.getextrema())


def corner_colours(screen):
    """Amber and pale pixels in the top 50 rows of the fitted picture's right
    half, shrunk back to 1280 x 720: the fullscreen score and "PAUSED"."""
    left, top, w, h = fitted(*screen.size)
    picture = screen.crop((left, top, left + w, top + h)).resize((1280, 720), Image.BOX)
    corner = list(picture.crop((640, 0, 1280, 50)).getdata())
    amber = sum(1 for r, g, b in corner if r > 200 and 140 < g < 225 and b < 150)
    pale = sum(1 for r, g, b in corner if r > 190 and g > 200 and b > 230)
    return amber, pale


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--limit", type=float, default=3.0)
    parser.add_argument("--whole", type=int)
    parser.add_argument("--corner", choices=["paused", "playing"])
    parser.add_argument("pictures", nargs="+")
    args = parser.parse_args()
    screen = Image.open(args.pictures[-1]).convert("RGB")
    W, H = screen.size
    lit = ImageStat.Stat(screen.convert("L")).mean[0]

    if args.whole:
        n = args.whole
        small = screen.resize((W // n, H // n), Image.NEAREST)
        squares = small.resize((W, H), Image.NEAREST)
        apart = sum(1 for p in ImageChops.difference(screen, squares).convert("L").getdata() if p)
        print(f"{W}x{H}: {apart} pixels differ from {n} x {n} squares of one colour; "
              f"mean brightness {lit:.1f}")
        return (W, H) == (1280 * n, 720 * n) and apart == 0 and lit > 10

    if args.corner:
        amber, pale = corner_colours(screen)
        print(f"{W}x{H}: the corner has {amber} amber and {pale} pale pixels")
        return pale > 300 and (amber > 150 if args.corner == "paused" else amber < 5)

    windowed = Image.open(args.pictures[0]).convert("RGB")
    mean, brightest = scaled_apart(windowed, screen)
    left, top, w, h = fitted(W, H)
    print(f"{W}x{H}: picture {w}x{h} at {left},{top}; shrunk back it differs from the "
          f"window's by {mean:.3f} a channel on average; brightest bar value {brightest}")
    return mean <= args.limit and brightest == 0 and lit > 10


if __name__ == "__main__":
    raise SystemExit(0 if main() else 1)
