#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Compares a screenshot of the scaled game with the windowed one.

    picture_check.py WINDOWED SCREEN [LIMIT]

WINDOWED is the 1280 x 720 picture; SCREEN a screenshot of the whole window
(fullscreen, or a scaled desktop's window). The picture must fill the
largest 16:9 rectangle that fits, centred: shrunk back to 1280 x 720 it
differs from WINDOWED by at most LIMIT (default 3) per channel on average
(over the 0 to 255 range), and every pixel of the bars beside it is black.
Prints the figures; exits 1 when a check fails.
"""
import sys

from PIL import Image, ImageChops, ImageStat

windowed = Image.open(sys.argv[1]).convert("RGB")
screen = Image.open(sys.argv[2]).convert("RGB")
limit = float(sys.argv[3]) if len(sys.argv) > 3 else 3.0
W, H = screen.size
width, height = W, W * 720 // 1280
if height > H:
    width, height = H * 1280 // 720, H
left, top = (W - width) // 2, (H - height) // 2
picture = screen.crop((left, top, left + width, top + height)).resize((1280, 720), Image.BOX)
mean = sum(ImageStat.Stat(ImageChops.difference(windowed, picture)).mean) / 3
# The bars: the screen with the picture painted over in black must be all black.
bars = screen.copy()
bars.paste((0, 0, 0), (left, top, left + width, top + height))
brightest = max(high for _, high in bars.getextrema())
lit = ImageStat.Stat(windowed.convert("L")).mean[0]
print(f"{W}x{H}: picture {width}x{height} at {left},{top}; shrunk back it differs from the "
      f"window's by {mean:.3f} a channel on average (window's mean brightness {lit:.1f}); "
      f"brightest bar value {brightest}")
sys.exit(0 if mean <= limit and brightest == 0 and lit > 10 else 1)
