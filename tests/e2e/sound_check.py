#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Plays five shots in the real game while its sound is recorded, and
checks the recording (16-bit PCM WAV from OpenAL Soft's wave writer).

    sound_check.py play WAV WINDOW      prints QUIET_START QUIET_END PRESS... END
    sound_check.py WAV QUIET_START QUIET_END PRESS... END
    sound_check.py show WAV QUIET_START QUIET_END PRESS... END

Places in the recording are byte sizes of the WAV file. The writer can lag
the game by a varying stretch under load, so the size read when a key is
sent is only a lower bound on where the key's sound begins. `play` waits for
the recording itself at every step, never for the clock: a quiet stretch of
three seconds in the menu; Space, then the start's engine roar heard and
2.5 s of sound more (the drive-in takes two); the turret turned straight up
(k, k) so the shots fly clear of the rabbits; then five shots, each sent
once the one before has been heard and a second of sound has passed since
(the cooldown is shorter). So the stretch from one key's size to the next
key's size holds that key's shot, however far the writer lagged.

The check: the ambience is there and never clips; each key's stretch (the
last one ends at END) holds exactly one shot, clearly louder than the quiet
stretch in the menu and the play just before the first key. Other sounds
of play (a hit, a balloon's shot, a hop) are counted, not faulted. A shot is
known by its body, a sweep down from 700 Hz: its burst rises between 550
and 950 Hz, where the engine's hum and the wind are weak, and the first
50 ms from its rise keep at least 80% of their energy from 200 Hz to 4 kHz
in that band (a shot keeps over 95%, every other sound of the game under
60%). The start's roar is listened for above 600 Hz. `show` prints the shot
band's level every 0.1 s, for a look at a recording that failed.
"""
import math
import os
import struct
import subprocess
import sys
import time

import numpy as np

WINDOW = 0.01  # seconds of each loudness reading
RISE_DB = 6  # a burst: this much over the loudest quiet window
SHOT_SHARE = 0.8  # of a shot's first 50 ms, 200 Hz to 4 kHz, within the band
WAIT_LIMIT = 90  # seconds a burst is waited for
RESEND_AFTER = 20  # seconds without it before its key is sent again
SHOT_BAND = (550, 950)  # Hz
START_BAND = (600, 8000)  # Hz
WHOLE_BAND = (20, 20000)  # Hz: the ambience


def read_wav(path, band=SHOT_BAND, since=0):
    """The recording; with `since`, only from about that byte on, though
    windows and sizes keep counting from the file's start."""
    with open(path, "rb") as f:
        data = f.read(4096)
        pos, channels, rate, bits, start = 12, 0, 0, 0, None
        if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
            raise ValueError(f"{path} is not a WAV file")
        while pos + 8 <= len(data):
            kind, size = data[pos:pos + 4], struct.unpack("<I", data[pos + 4:pos + 8])[0]
            if kind == b"fmt ":
                channels, rate, _, _, bits = struct.unpack("<HIIHH", data[pos + 10:pos + 24])
            if kind == b"data":
                start = pos + 8
                break  # to the end of the file: the size is written only on closing
            pos += 8 + size + (size & 1)
        if start is None or bits != 16:
            raise ValueError(f"{path}: no 16-bit sample data")
        window_bytes = int(WINDOW * rate) * 2 * channels
        # One window before `since` too: a burst rising in since's own window
        # is a rise only against the window before it, as in the whole file.
        base = max(0, max(0, since - start) // window_bytes - 1)
        f.seek(start + base * window_bytes)
        data = f.read()
    samples = np.frombuffer(data[:len(data) // window_bytes * window_bytes], dtype="<i2")
    return Recording(samples.reshape(-1, channels), channels, rate, start, band, base)


def db(value):
    return 20 * math.log10(max(value, 1e-9) / 32768)


class Recording:
    """Loudness in windows of WINDOW seconds within a band of frequencies;
    windows are counted from the file's first sample, though only those from
    `base` on are held."""

    def __init__(self, samples, channels, rate, header, band, base=0):
        self.samples, self.channels, self.rate, self.header = samples, channels, rate, header
        self.n = int(WINDOW * rate)
        self.base = base
        self.windows = base + len(samples) // self.n
        # Each window's power within the band, per channel (Parseval), and
        # the louder channel's as an RMS level in dBFS.
        chunks = samples.astype(np.float64).reshape(-1, self.n, channels)
        spectrum = np.abs(np.fft.rfft(chunks, axis=1)) ** 2
        low, high = (int(f * self.n / rate) for f in band)
        power = 2 * spectrum[:, low:high + 1, :].sum(axis=1) / self.n ** 2
        self.level_db = 10 * np.log10(np.maximum(power.max(axis=1), 1e-12) / 32768 ** 2)

    def window_of(self, size):
        """The window a byte size falls in."""
        frames = max(0, size - self.header) // (2 * self.channels)
        return min(self.windows, frames // self.n)

    def size_of(self, window):
        return self.header + window * self.n * 2 * self.channels

    def seconds(self):
        return self.windows * WINDOW

    def level(self, w):
        return float(self.level_db[w - self.base])

    def levels(self, first, last):
        return [self.level(w) for w in range(max(self.base, first), min(self.windows, last))]

    def quiet(self, quiet_start, quiet_end):
        quiet = self.levels(self.window_of(quiet_start), self.window_of(quiet_end))
        if len(quiet) < 50:
            raise ValueError("the quiet stretch is too short to judge")
        mean = 10 * math.log10(sum(10 ** (v / 10) for v in quiet) / len(quiet))
        return quiet, mean

    def threshold(self, quiet_start, quiet_end, first=None):
        quiet, _ = self.quiet(quiet_start, quiet_end)
        loud = max(quiet)
        if first is not None:
            w = self.window_of(first)
            before = self.levels(w - int(0.6 / WINDOW), w - int(0.1 / WINDOW))
            loud = max([loud] + before)
        return loud + RISE_DB

    def onsets(self, threshold, first, last):
        """Windows where the level rises through the threshold, at least
        0.15 s apart."""
        found, previous = [], -10**9
        for w in range(max(self.base + 1, first), min(self.windows, last)):
            if self.level(w) >= threshold > self.level(w - 1) and (w - previous) * WINDOW > 0.15:
                found.append(w)
                previous = w
        return found

    def sounds_like_a_shot(self, w):
        """Whether the 50 ms from window w keep a shot's share in the band."""
        start = (w - self.base) * self.n
        mono = self.samples[start:start + 5 * self.n].astype(np.float64).mean(axis=1)
        if len(mono) < 5 * self.n:
            return False
        power = np.abs(np.fft.rfft(mono * np.hanning(len(mono)))) ** 2
        hz = np.fft.rfftfreq(len(mono), 1 / self.rate)
        band = power[(hz >= SHOT_BAND[0]) & (hz < SHOT_BAND[1])].sum()
        return band >= SHOT_SHARE * power[(hz >= 200) & (hz < 4000)].sum()

    def shots(self, threshold, first, last):
        return [w for w in self.onsets(threshold, first, last) if self.sounds_like_a_shot(w)]


class Player:
    """Sends keys to the game's window and waits on the recording."""

    def __init__(self, path, window):
        self.path, self.window = path, window

    def keys(self, *keys, click=False):
        # Under load the window can be slow to take the keyboard: a key sent
        # before it has it goes elsewhere.
        end = time.monotonic() + WAIT_LIMIT
        while subprocess.run(["xdotool", "windowfocus", "--sync", self.window],
                             stderr=subprocess.DEVNULL).returncode != 0 and time.monotonic() < end:
            time.sleep(0.1)
        if click:
            # Wine hands its window the keys only while it is the foreground
            # window, which only a click gives back (the game ignores the mouse).
            subprocess.run(["xdotool", "mousemove", "--window", self.window, "640", "360", "click", "1"])
        for key in keys:
            subprocess.run(["xdotool", "key", key], check=True)
            time.sleep(0.05)

    def recording(self, band=SHOT_BAND, since=0):
        try:
            return read_wav(self.path, band, since)
        except (OSError, ValueError, struct.error):
            return None  # not written yet

    def size(self):
        return os.path.getsize(self.path)

    def until(self, what, ready, again=None):
        """Polls the recording until ready(recording) gives a value; calls
        again() after each RESEND_AFTER seconds without one (a key that went
        astray is sent again: one merely late would have shown long before)."""
        start, size = time.monotonic(), self.size()
        end, resend = start + WAIT_LIMIT, start + RESEND_AFTER
        while time.monotonic() < end:
            found = ready()
            if found is not None:
                return found
            if again and time.monotonic() > resend:
                again()
                resend = time.monotonic() + RESEND_AFTER
            time.sleep(0.05)
        # Whether the recording went on meanwhile tells a game that stopped
        # from a sound that never came.
        rec = self.recording(WHOLE_BAND, size)
        written = (rec.windows - rec.window_of(size)) * WINDOW if rec else 0
        raise ValueError(f"{what}: not heard within {WAIT_LIMIT} s "
                         f"({written:.1f} s of sound written meanwhile)")

    def sound_past(self, start, seconds):
        """The file's size once it holds `seconds` of sound past byte `start`."""
        def ready():
            rec = self.recording(since=start)
            return self.size() if rec and rec.windows - rec.window_of(start) >= seconds / WINDOW else None
        return self.until(f"{seconds} s of sound past byte {start}", ready)

    def burst_after(self, what, start, band, threshold, shot, key):
        """Where the first burst (a shot's, when `shot`) at or after `start`
        begins; `key` is what was pressed for it."""
        def ready():
            rec = self.recording(band, start)
            if rec is None:
                return None
            found = (rec.shots if shot else rec.onsets)(threshold, rec.window_of(start), rec.windows)
            return rec.size_of(found[0]) if found else None
        try:
            return self.until(what, ready, lambda: self.keys(key, click=True))
        except ValueError as e:
            rec = self.recording(band, start)
            first = rec.window_of(start) if rec else 0
            if rec and rec.windows > first:
                loudest = max(rec.levels(first, rec.windows))
                e.args = (f"{e.args[0]}; loudest in the band since the key {loudest:.1f} dBFS,"
                          f" threshold {threshold:.1f} dBFS",)
            raise

    def play(self):
        quiet_start = self.sound_past(0, 1)
        quiet_end = self.sound_past(quiet_start, 3)
        start = self.size()
        self.keys("space")
        roar = self.recording(START_BAND).threshold(quiet_start, quiet_end)
        begun = self.burst_after("the game's start", start, START_BAND, roar, False, "space")
        self.sound_past(begun, 2.5)
        turned = self.size()
        self.keys("k", "k")
        self.sound_past(turned, 1)
        presses, threshold = [], None
        for i in range(5):
            presses.append(self.size())
            self.keys("space")
            if threshold is None:
                threshold = self.recording().threshold(quiet_start, quiet_end, presses[0])
            shot = self.burst_after(f"shot {i + 1}", presses[-1], SHOT_BAND, threshold, True, "space")
            last = self.sound_past(shot, 1)
        return [quiet_start, quiet_end] + presses + [last]


def show(path, presses, last):
    rec = read_wav(path)
    marks = {rec.window_of(p) // 10: f"key {i + 1}" for i, p in enumerate(presses)}
    marks[rec.window_of(last) // 10] = "end"
    for t in range(rec.windows // 10):
        print(f"{t / 10:6.1f} s {max(rec.levels(t * 10, t * 10 + 10)):6.1f} dBFS {marks.get(t, '')}")


def check(path, quiet_start, quiet_end, presses, last):
    rec = read_wav(path)
    peak = int(np.abs(rec.samples.astype(np.int32)).max())
    print(f"recording: {rec.seconds():.1f} s, {rec.rate} Hz,"
          f" {rec.channels} channels, peak {db(peak):.1f} dBFS")
    whole = Recording(rec.samples, rec.channels, rec.rate, rec.header, WHOLE_BAND)
    quiet, ambience = whole.quiet(quiet_start, quiet_end)
    print(f"quiet stretch: mean {ambience:.1f} dBFS, loudest window {max(quiet):.1f} dBFS")
    if peak >= 32767 * 10 ** (-0.1 / 20):
        return f"the sound clips (peak {db(peak):.2f} dBFS)"
    if ambience < -60:
        return f"no ambience in the menu ({ambience:.1f} dBFS)"

    _, quiet_mean = rec.quiet(quiet_start, quiet_end)
    threshold = rec.threshold(quiet_start, quiet_end, presses[0])
    print(f"shots, 550 to 950 Hz: quiet stretch {quiet_mean:.1f} dBFS, threshold {threshold:.1f} dBFS")
    bounds = [rec.window_of(p) for p in presses] + [rec.window_of(last)]
    failures, others = [], 0
    for i in range(len(presses)):
        start, stop = bounds[i], bounds[i + 1]
        shots = rec.shots(threshold, start, stop)
        others += len(rec.onsets(threshold, start, stop)) - len(shots)
        if not shots:
            failures.append(f"shot {i + 1} was not heard")
            print(f"shot {i + 1}: not heard")
            continue
        loudest = max(rec.levels(shots[0], shots[0] + int(0.3 / WINDOW)))
        print(f"shot {i + 1}: heard {(shots[0] - start) * WINDOW * 1000:.0f} ms after the key's"
              f" place in the file, {loudest:.1f} dBFS, {loudest - quiet_mean:.1f} dB above the quiet"
              + (f", and {len(shots) - 1} more times" if len(shots) > 1 else ""))
        if len(shots) > 1:
            failures.append(f"shot {i + 1} was heard {len(shots)} times")
        elif loudest - quiet_mean < 15:
            failures.append(f"shot {i + 1} is only {loudest - quiet_mean:.1f} dB above the quiet")
    print(f"{len(presses)} shots, {others} other sounds of play")
    return "; ".join(failures)


def main():
    args = sys.argv[1:]
    try:
        if args[0] == "play":
            try:
                print(" ".join(str(size) for size in Player(args[1], args[2]).play()))
                return 0
            except ValueError as e:
                print("FAIL: " + str(e), file=sys.stderr)
                return 1
        if args[0] == "show":
            *presses, last = (int(a) for a in args[4:])
            return show(args[1], presses, last)
        quiet_start, quiet_end, *presses, last = (int(a) for a in args[1:])
        problem = check(args[0], quiet_start, quiet_end, presses, last)
    except ValueError as e:
        problem = str(e)
    if problem:
        print("FAIL: " + problem)
        return 1
    print("sound check passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
