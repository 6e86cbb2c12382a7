#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes every texture picture of the game as SVG into assets/textures.

Run: python3 scripts/art/make_textures.py [group ...]
The build only rasterizes the SVG files; this script is for editing the art.
"""
import sys

import basket
import car
import effects
import ground
import menus
import rabbit
import sky

GROUPS = {
    "sky": sky.make_all,
    "menus": menus.make_all,
    "effects": effects.make_all,
    "basket": basket.make_all,
    "rabbit": rabbit.make_all,
    "car": car.make_all,
    "ground": ground.make_all,
}

if __name__ == "__main__":
    names = sys.argv[1:] or list(GROUPS)
    for n in names:
        GROUPS[n]()
