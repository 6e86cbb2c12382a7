#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the game's two model files into assets/models/.

sphere.obj: an icosahedron subdivided twice and pushed onto the unit sphere
(162 vertices, 320 triangles, counter-clockwise seen from outside).
mountain1.kernel: a 17 x 17 grid of relative heights for one mountain: a
peak with three ridges and a shoulder, falling gently to 0 at the border.
"""
import math
import os

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets", "models")


def icosphere(subdivisions):
    t = (1 + math.sqrt(5)) / 2
    points = [(-1, t, 0), (1, t, 0), (-1, -t, 0), (1, -t, 0),
              (0, -1, t), (0, 1, t), (0, -1, -t), (0, 1, -t),
              (t, 0, -1), (t, 0, 1), (-t, 0, -1), (-t, 0, 1)]
    faces = [(0, 11, 5), (0, 5, 1), (0, 1, 7), (0, 7, 10), (0, 10, 11),
             (1, 5, 9), (5, 11, 4), (11, 10, 2), (10, 7, 6), (7, 1, 8),
             (3, 9, 4), (3, 4, 2), (3, 2, 6), (3, 6, 8), (3, 8, 9),
             (4, 9, 5), (2, 4, 11), (6, 2, 10), (8, 6, 7), (9, 8, 1)]

    def unit(p):
        n = math.sqrt(sum(c * c for c in p))
        return tuple(c / n for c in p)

    points = [unit(p) for p in points]
    for _ in range(subdivisions):
        middles = {}

        def middle(a, b):
            key = (min(a, b), max(a, b))
            if key not in middles:
                pa, pb = points[a], points[b]
                points.append(unit(tuple((x + y) / 2 for x, y in zip(pa, pb))))
                middles[key] = len(points) - 1
            return middles[key]

        finer = []
        for a, b, c in faces:
            ab, bc, ca = middle(a, b), middle(b, c), middle(c, a)
            finer += [(a, ab, ca), (b, bc, ab), (c, ca, bc), (ab, bc, ca)]
        faces = finer
    return points, faces


def write_sphere(path):
    points, faces = icosphere(2)
    with open(path, "w", newline="\n") as out:
        out.write("# Krellwick balloon: subdivided icosahedron, unit radius\n")
        for x, y, z in points:
            out.write(f"v {x:.6f} {y:.6f} {z:.6f}\n")
        for a, b, c in faces:
            out.write(f"f {a + 1} {b + 1} {c + 1}\n")


def mountain_height(row, column, size):
    half = (size - 1) / 2
    u, v = (row - half) / half, (column - half) / half
    r = math.hypot(u, v)
    angle = math.atan2(v, u)
    # Three ridges run out from the peak; the contours bulge along them.
    reach = 1 + 0.25 * math.cos(3 * angle + 0.5) ** 2
    core = max(0.0, 1 - r / (0.95 * reach)) ** 1.4
    shoulder = 0.3 * math.exp(-((u - 0.4) ** 2 + (v + 0.35) ** 2) / 0.06)
    # A soft window takes every border to exactly 0, so the foot is gentle.
    window = (math.sin(math.pi * row / (size - 1)) * math.sin(math.pi * column / (size - 1))) ** 0.6
    return (core + shoulder * core ** 0.3) * window


def write_kernel(path, size=17):
    grid = [[mountain_height(r, c, size) for c in range(size)] for r in range(size)]
    top = max(max(line) for line in grid)
    with open(path, "w", newline="\n") as out:
        for line in grid:
            out.write(",".join(f"{value / top:.3f}" for value in line) + "\n")


if __name__ == "__main__":
    os.makedirs(ROOT, exist_ok=True)
    write_sphere(os.path.join(ROOT, "sphere.obj"))
    write_kernel(os.path.join(ROOT, "mountain1.kernel"))
