#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks a recording of the game's sound (16-bit PCM WAV from OpenAL Soft's
wave writer).

    sound_check.py WAV QUIET_START QUIET_END PRESS...

Times are byte sizes of the WAV file, read while the game ran (the writer
keeps pace with real time, so the file's size tells where the recording
stood): the quiet stretch in the menu, then one size per shot fired. Checks
that the ambience is there and never clips, that each shot starts a burst
clearly louder than the quiet stretch and the play just before the first
shot, and that every shot has exactly one burst. Prints each shot's
key-to-sound latency.
"""
import math
import struct
import sys
from array import array

WINDOW = 0.01  # seconds of each loudness reading


def read_wav(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        sys.exit(f"FAIL: {path} is not a WAV file")
    pos, channels, rate, bits, start = 12, 0, 0, 0, None
    while pos + 8 <= len(data):
        kind, size = data[pos:pos + 4], struct.unpack("<I", data[pos + 4:pos + 8])[0]
        if kind == b"fmt ":
            channels, rate, _, _, bits = struct.unpack("<HIIHH", data[pos + 10:pos + 24])
        if kind == b"data":
            start = pos + 8
            break  # to the end of the file: the size is written only on closing
        pos += 8 + size + (size & 1)
    if start is None or bits != 16:
        sys.exit(f"FAIL: {path}: no 16-bit sample data")
    samples = array("h")
    end = start + (len(data) - start) // (2 * channels) * 2 * channels
    samples.frombytes(data[start:end])
    return samples, channels, rate, start


def db(value):
    return 20 * math.log10(max(value, 1e-9) / 32768)


def main():
    path = sys.argv[1]
    quiet_start, quiet_end, *presses = (int(a) for a in sys.argv[2:])
    samples, channels, rate, header = read_wav(path)
    frame_bytes = 2 * channels
    seconds = lambda size: max(0, size - header) / frame_bytes / rate  # noqa: E731

    # Loudness per window: the louder channel's RMS, in dBFS.
    n = int(WINDOW * rate)
    windows = len(samples) // channels // n
    level = []
    for w in range(windows):
        loudest = 0.0
        for c in range(channels):
            chunk = samples[w * n * channels + c:(w + 1) * n * channels:channels]
            loudest = max(loudest, math.sqrt(sum(v * v for v in chunk) / n))
        level.append(db(loudest))
    at = lambda t: min(windows, int(t / WINDOW))  # noqa: E731

    peak = max(abs(v) for v in samples)
    print(f"recording: {len(samples) / channels / rate:.1f} s, {rate} Hz, {channels} channels,"
          f" peak {db(peak):.1f} dBFS")
    quiet = level[at(seconds(quiet_start)):at(seconds(quiet_end))]
    if len(quiet) < 50:
        sys.exit("FAIL: the quiet stretch is too short to judge")
    quiet_mean = 10 * math.log10(sum(10 ** (v / 10) for v in quiet) / len(quiet))
    print(f"quiet stretch: mean {quiet_mean:.1f} dBFS, loudest window {max(quiet):.1f} dBFS")
    if peak >= 32767 * 10 ** (-0.1 / 20):
        sys.exit(f"FAIL: the sound clips (peak {db(peak):.2f} dBFS)")
    if quiet_mean < -60:
        sys.exit(f"FAIL: no ambience in the menu ({quiet_mean:.1f} dBFS)")

    shots = [seconds(p) for p in presses]
    before = level[at(shots[0] - 0.6):at(shots[0] - 0.1)]
    threshold = max(max(quiet), max(before)) + 6
    print(f"play before the first shot: loudest window {max(before):.1f} dBFS;"
          f" burst threshold {threshold:.1f} dBFS")
    onsets, last = [], -1.0
    for w in range(1, windows):
        t = w * WINDOW
        if level[w] >= threshold > level[w - 1] and t - last > 0.15:
            onsets.append(t)
            last = t
    stretch = [t for t in onsets if shots[0] <= t < shots[-1] + 0.8]
    failures = []
    for i, shot in enumerate(shots):
        mine = [t for t in onsets if shot <= t < shot + 0.8]
        loudest = max(level[at(shot):at(shot + 0.8)])
        latency = f"{(mine[0] - shot) * 1000:.0f} ms" if mine else "none"
        # A sound still ringing over the threshold when the key came (a blast
        # overhead, say) leaves the shot no rise to find: loud is all we can ask.
        masked = not mine and level[max(0, at(shot) - 1)] >= threshold <= loudest
        print(f"shot {i + 1}: burst {latency} after the key, {loudest:.1f} dBFS,"
              f" {loudest - quiet_mean:.1f} dB above the quiet stretch"
              + (" (over a sound still ringing)" if masked else ""))
        if len(mine) != 1 and not masked:
            failures.append(f"shot {i + 1} has {len(mine)} bursts")
        elif loudest - quiet_mean < 15:
            failures.append(f"shot {i + 1} is only {loudest - quiet_mean:.1f} dB above the quiet")
    print(f"bursts while shooting: {len(stretch)} for {len(shots)} shots")
    if failures:
        sys.exit("FAIL: " + "; ".join(failures))
    print("sound check passed")


if __name__ == "__main__":
    main()
