#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Reads the top 220 rows of the game view (1280 wide, one brightness byte per
pixel) on standard input; exits 0 when they show the banner of the dying
picture: two thin bright lines about 118 rows apart across the view, level or
tilted a little by the shake."""
import sys
W, H = 1280, 220

def peaks(m):
    # Rows of thin bright lines: a 5-row band far above the bands 8 rows away.
    band = [sum(m[max(0, y - 2):y + 3]) / 5 for y in range(H)]
    c = [0.0] * H
    for y in range(8, H - 8):
        c[y] = band[y] - max(band[y - 8], band[y + 8])
    return [y for y in range(9, H - 9) if c[y] > 40 and c[y] >= c[y - 1] and c[y] >= c[y + 1]]

def detect(data):
    segments = []
    for k in range(8):
        x0 = 200 + 100 * k
        m = [sum(data[y * W + x0:y * W + x0 + 100:2]) / 50 for y in range(H)]
        rows = peaks(m)
        segments.append([(a, b) for a in rows for b in rows if 105 <= b - a <= 130])
    # The two banner lines run through every segment, straight or a little tilted.
    for start in segments[0]:
        a, b = start
        for pairs in segments[1:]:
            near = [p for p in pairs if abs(p[0] - a) <= 8 and abs(p[1] - b) <= 8]
            if not near:
                break
            a, b = near[0]
        else:
            return True
    return False

if __name__ == '__main__':
    sys.exit(0 if detect(sys.stdin.buffer.read()) else 1)
