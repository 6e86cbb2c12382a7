#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Synthesizes the game's sound effects into FLAC files (mono, 44.1 kHz).

    scripts/make_sounds.py OUT_DIR

Each sound is built here from noise, sine sweeps and envelopes, normalised to
its own peak level (all below -1 dBFS), written as WAV with the standard
library and encoded to FLAC by sox. The random generator is seeded per sound,
so the files come out the same on every build.
"""
import math
import os
import random
import subprocess
import sys
import tempfile
import wave
from array import array

RATE = 44100
TAU = 2 * math.pi


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def noise(seconds, rng):
    return [rng.uniform(-1, 1) for _ in range(int(seconds * RATE))]


def lowpass(x, cutoff):
    """Two-pole low-pass (two one-pole stages), so noise keeps little hiss;
    `cutoff` in Hz, a number or a function of time."""
    out, y1, y2 = [], 0.0, 0.0
    fixed = not callable(cutoff)
    a = 1 - math.exp(-TAU * cutoff / RATE) if fixed else 0
    for i, v in enumerate(x):
        if not fixed:
            a = 1 - math.exp(-TAU * cutoff(i / RATE) / RATE)
        y1 += a * (v - y1)
        y2 += a * (y1 - y2)
        out.append(y2)
    return out


def highpass(x, cutoff):
    """One-pole high-pass."""
    out, y = [], 0.0
    a = 1 - math.exp(-TAU * cutoff / RATE)
    for v in x:
        y += a * (v - y)
        out.append(v - y)
    return out


def decay(x, tau, attack=0.002, delay=0.0):
    """Quick linear attack, then exponential decay with time constant tau."""
    out = []
    for i, v in enumerate(x):
        t = i / RATE - delay
        if t < 0:
            out.append(0.0)
        elif t < attack:
            out.append(v * t / attack)
        else:
            out.append(v * math.exp(-(t - attack) / tau))
    return out


def sweep(seconds, f0, f1, shape="sine", curve=1.0):
    """A tone gliding from f0 to f1 Hz (exponentially when curve is 1)."""
    n = int(seconds * RATE)
    out, phase = [], 0.0
    for i in range(n):
        u = i / max(1, n - 1)
        f = f0 * (f1 / f0) ** (u ** curve)
        phase = (phase + f / RATE) % 1.0
        if shape == "sine":
            out.append(math.sin(TAU * phase))
        elif shape == "saw":
            out.append(2 * phase - 1)
        else:  # triangle
            out.append(4 * abs(phase - 0.5) - 1)
    return out


def mix(*parts):
    n = max(len(p) for p, _ in parts)
    out = [0.0] * n
    for p, gain in parts:
        for i, v in enumerate(p):
            out[i] += gain * v
    return out


def fade_out(x, seconds):
    n = min(len(x), int(seconds * RATE))
    start = len(x) - n
    return x[:start] + [v * (1 - k / n) for k, v in enumerate(x[start:])]


def fade_in(x, seconds):
    n = min(len(x), int(seconds * RATE))
    return [v * k / n for k, v in enumerate(x[:n])] + x[n:]


def crackle(seconds, rate, rng, tau=0.004):
    """Sparse clicks: embers, dirt, burning metal."""
    out = [0.0] * int(seconds * RATE)
    t = 0.0
    while True:
        t += rng.expovariate(rate)
        start = int(t * RATE)
        if start >= len(out):
            return out
        amp = rng.uniform(0.3, 1.0) * rng.choice((-1, 1))
        for k in range(int(tau * 5 * RATE)):
            if start + k >= len(out):
                break
            out[start + k] += amp * math.exp(-k / (tau * RATE)) * rng.uniform(-1, 1)


def engine(seconds, pitch, rng, brightness=900):
    """A small petrol engine: a pulse train at `pitch(t)` Hz, rounded off."""
    n = int(seconds * RATE)
    out, phase = [], 0.0
    for i in range(n):
        phase += pitch(i / RATE) / RATE
        if phase >= 1:
            phase -= 1
        # Firing pulses: a sharp rise that dies within the cycle.
        out.append(math.exp(-phase * 6) - 0.28 + 0.15 * rng.uniform(-1, 1))
    return lowpass(lowpass(out, brightness), brightness * 1.5)


# ---- The sounds ----

def car_shot(rng):
    body = decay(sweep(0.35, 700, 160), 0.06)
    snap = decay(lowpass(noise(0.35, rng), 3500), 0.02)
    thump = decay(sweep(0.35, 120, 60), 0.08)
    return mix((body, 0.6), (snap, 0.8), (thump, 0.7)), -3.0


def balloon_shot(rng):
    tone = decay(sweep(0.3, 1300, 450, "triangle"), 0.05)
    hiss = decay(highpass(noise(0.3, rng), 1500), 0.03)
    return mix((tone, 0.6), (hiss, 0.5)), -5.0


def ground_hit(rng):
    dirt = decay(lowpass(noise(0.6, rng), 700), 0.12)
    boom = decay(sweep(0.6, 90, 45), 0.1)
    bits = decay(lowpass(crackle(0.6, 60, rng), 2500), 0.15, delay=0.03)
    return mix((dirt, 1.0), (boom, 0.8), (bits, 0.4)), -3.0


def rabbit_hit(rng):
    pop = decay(lowpass(noise(0.45, rng), 2200), 0.07)
    squeak = decay(sweep(0.45, 900, 1500), 0.05)
    boom = decay(sweep(0.45, 110, 60), 0.09)
    return mix((pop, 1.0), (squeak, 0.25), (boom, 0.6)), -3.5


def balloon_hit(rng):
    blast = decay(lowpass(noise(0.7, rng), lambda t: 1800 * math.exp(-t * 4) + 300), 0.15)
    boom = decay(sweep(0.7, 70, 40), 0.2)
    return mix((blast, 1.0), (boom, 0.9)), -3.0


def balloon_destroyed(rng):
    n = 1.6
    blast = decay(lowpass(noise(n, rng), lambda t: 1400 * math.exp(-t * 2.5) + 200), 0.4)
    boom = decay(sweep(n, 55, 30), 0.35)
    embers = decay(lowpass(crackle(n, 40, rng), 3000), 0.5, delay=0.1)
    # The envelope of the balloon tearing: a falling rush of air.
    rip = decay(lowpass(highpass(noise(n, rng), 400), lambda t: 2500 * math.exp(-t * 3) + 300),
                0.25, attack=0.05)
    return mix((blast, 1.0), (boom, 1.0), (embers, 0.35), (rip, 0.3)), -1.5


def car_hit(rng):
    # A clank: inharmonic partials of struck sheet metal, and a dull knock.
    partials = [(523, 1.0), (1247, 0.6), (1871, 0.45), (2633, 0.3)]
    clank = mix(*[(decay(sweep(0.6, f, f * 0.98), 0.12 + 0.05 * a), a) for f, a in partials])
    knock = decay(lowpass(noise(0.6, rng), 900), 0.06)
    boom = decay(sweep(0.6, 100, 50), 0.12)
    return mix((clank, 0.35), (knock, 1.0), (boom, 0.8)), -2.0


def car_death(rng):
    n = 2.6
    boom = decay(sweep(n, 60, 28), 0.45)
    blast = decay(lowpass(noise(n, rng), lambda t: 1500 * math.exp(-t * 2) + 250), 0.35)
    fire = lowpass(noise(n, rng), 1200)
    fire = [v * (0.25 + 0.75 * math.exp(-t / RATE * 0.8)) for t, v in enumerate(fire)]
    embers = lowpass(crackle(n, 30, rng), 3500)
    whine = decay(sweep(n, 320, 70, "saw", 0.6), 0.6, attack=0.02)
    out = mix((boom, 1.0), (blast, 0.9), (fire, 0.25), (embers, 0.4), (lowpass(whine, 1500), 0.15))
    return fade_out(out, 1.0), -1.5


def drive_out(rng):
    n = 1.8
    motor = engine(n, lambda t: 70 + 60 * min(1, t / 0.6), rng)
    motor = [v * math.exp(-max(0, t / RATE - 0.4) * 2.2) for t, v in enumerate(motor)]
    return fade_out(fade_in(motor, 0.05), 0.4), -4.0


def game_start(rng):
    n = 2.2

    def rev(t):
        # Idle, a rev up to the top and back down to a steady run.
        if t < 0.25:
            return 55
        if t < 0.8:
            return 55 + 125 * ((t - 0.25) / 0.55) ** 0.7
        return 110 + 70 * math.exp(-(t - 0.8) * 4)

    motor = engine(n, rev, rng, brightness=1100)
    return fade_out(fade_in(motor, 0.03), 0.6), -3.0


def jump(rng):
    n = 0.3
    spring = sweep(n, 240, 620, "sine", 0.8)
    wobble = [v * (1 + 0.3 * math.sin(TAU * 18 * i / RATE)) for i, v in enumerate(spring)]
    push = decay(lowpass(noise(n, rng), 500), 0.03)
    return mix((decay(wobble, 0.09, attack=0.01), 0.7), (push, 0.6)), -6.0


def land(rng):
    thud = decay(lowpass(noise(0.25, rng), 350), 0.04)
    body = decay(sweep(0.25, 85, 55), 0.05)
    return mix((thud, 1.0), (body, 0.8)), -6.0


def turret(rng):
    n = 0.14
    clicks = [0.0] * int(n * RATE)
    for start in (0.0, 0.085):
        k0 = int(start * RATE)
        for k in range(int(0.006 * RATE)):
            clicks[k0 + k] += math.exp(-k / (0.0008 * RATE)) * rng.uniform(-1, 1)
    whir = [v * math.sin(math.pi * i / (n * RATE)) for i, v in enumerate(sweep(n, 1500, 1900, "saw"))]
    return mix((highpass(clicks, 800), 1.0), (lowpass(whir, 2500), 0.25)), -9.0


def rabbit_hop(rng):
    pat = decay(lowpass(noise(0.12, rng), 900), 0.018)
    return pat, -14.0


def engine_hum(rng):
    # One second exactly: 55 Hz and its overtones, and a 5 Hz throb, all
    # whole cycles, so the loop joins without a seam.
    n = RATE
    out = []
    for i in range(n):
        t = i / RATE
        v = (math.sin(TAU * 55 * t) + 0.5 * math.sin(TAU * 110 * t + 0.4)
             + 0.3 * math.sin(TAU * 165 * t + 1.1) + 0.15 * math.sin(TAU * 220 * t + 2.0))
        out.append(v * (0.85 + 0.15 * math.sin(TAU * 5 * t)))
    return out, -6.0


def night_ambience(rng):
    n = 8.0
    tail = 0.5
    total = n + tail
    # Wind: low noise whose loudness and colour drift slowly.
    wind = lowpass(lowpass(noise(total, rng), 260), 380)
    wind = [v * (0.6 + 0.4 * math.sin(TAU * t / RATE / 4.0) * math.sin(TAU * t / RATE / 2.7 + 1))
            for t, v in enumerate(wind)]
    # Crickets: two of them, chirps of four pulses near 4.3 and 4.9 kHz.
    crickets = [0.0] * len(wind)
    for freq, every, offset, amp in ((4300, 0.9, 0.1, 1.0), (4900, 1.3, 0.55, 0.6)):
        t = offset
        while t < total - 0.2:
            for pulse in range(4):
                p0 = int((t + pulse * 0.03) * RATE)
                length = int(0.016 * RATE)
                for k in range(length):
                    env = math.sin(math.pi * k / length)
                    crickets[p0 + k] += amp * env * math.sin(TAU * freq * k / RATE)
            t += every * rng.uniform(0.85, 1.15)
    out = mix((wind, 1.0), (crickets, 0.05))
    # Join the end to the start: the extra half second fades into the head.
    body = out[:int(n * RATE)]
    extra = out[int(n * RATE):]
    m = len(extra)
    for k in range(m):
        w = k / m
        body[k] = body[k] * w + extra[k] * (1 - w)
    return body, -12.0


SOUNDS = {
    "car_shot": car_shot, "balloon_shot": balloon_shot, "ground_hit": ground_hit,
    "rabbit_hit": rabbit_hit, "balloon_hit": balloon_hit,
    "balloon_destroyed": balloon_destroyed, "car_hit": car_hit, "car_death": car_death,
    "drive_out": drive_out, "game_start": game_start, "jump": jump, "land": land,
    "turret": turret, "rabbit_hop": rabbit_hop, "engine_hum": engine_hum,
    "night_ambience": night_ambience,
}

LOOPS = ("engine_hum", "night_ambience")


def write(samples, peak_db, path, loop):
    peak = max(abs(v) for v in samples) or 1.0
    scale = 32767 * 10 ** (peak_db / 20) / peak
    if not loop:
        # Every effect ends in silence, without a click.
        samples = fade_out(samples, 0.01)
    pcm = array("h", (int(round(v * scale)) for v in samples))
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "sound.wav")
        with wave.open(wav, "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(pcm.tobytes())
        subprocess.run(["sox", "-q", wav, path], check=True)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_sounds.py OUT_DIR")
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    for seed, (name, make) in enumerate(sorted(SOUNDS.items())):
        samples, peak_db = make(random.Random(seed))
        assert peak_db < -1, name
        write(samples, peak_db, os.path.join(out_dir, name + ".flac"), name in LOOPS)


if __name__ == "__main__":
    main()
