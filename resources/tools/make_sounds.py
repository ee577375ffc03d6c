#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesises the three short acknowledgement sounds of the palettes.

    python3 resources/tools/make_sounds.py       # writes resources/tool.wav, size.wav, alias.wav

tool.wav   a soft, short blip when a drawing tool is chosen
size.wav   two quick notes, a fourth apart, when a pen size is chosen
alias.wav  a rising three-note chime when anti-aliasing is switched on

All are 16-bit PCM mono at 22050 Hz, well below full scale, and fade in and out so they never
click. Only the standard library is used and the output is deterministic.
"""

import argparse
import math
import os
import struct
import wave

RATE = 22050
PEAK = 0.30          # of full scale: audible but never startling
FADE_IN = 0.004      # seconds


def note(frequency, start, duration, level=1.0, decay=18.0, glide=0.0):
    """One partial-rich note: a sine with a little second harmonic, an exponential decay and
    an optional pitch glide (relative change over the note)."""
    def sample(t):
        local = t - start
        if local < 0 or local >= duration:
            return 0.0
        f = frequency * (1.0 + glide * local / duration)
        phase = 2 * math.pi * f * local
        tone = math.sin(phase) + 0.25 * math.sin(2 * phase)
        envelope = math.exp(-decay * local) * min(1.0, local / FADE_IN)
        # A short raised-cosine release, so every note ends exactly at zero.
        release = min(1.0, (duration - local) / 0.015)
        return level * tone * envelope * (0.5 - 0.5 * math.cos(math.pi * release))
    return sample


def render(notes, duration):
    count = int(RATE * duration)
    raw = [sum(n(i / RATE) for n in notes) for i in range(count)]
    loudest = max(abs(v) for v in raw) or 1.0
    scale = PEAK * 32767 / loudest
    # Fade the whole sound in and out as well, so the file starts and ends in silence.
    fade = int(RATE * 0.012)
    frames = bytearray()
    for i, v in enumerate(raw):
        gain = min(1.0, i / fade, (count - 1 - i) / fade)
        frames += struct.pack("<h", int(round(v * scale * gain)))
    return bytes(frames)


SOUNDS = {
    # A gentle tick that drops slightly in pitch.
    "tool.wav": render([note(1320, 0.0, 0.09, decay=38.0, glide=-0.12)], 0.09),
    # Two notes, A5 then D6.
    "size.wav": render([note(880, 0.0, 0.065, decay=30.0),
                        note(1175, 0.065, 0.075, decay=30.0)], 0.14),
    # C6, E6, G6 overlapping like a small bell.
    "alias.wav": render([note(1047, 0.0, 0.19, level=0.8, decay=14.0),
                         note(1319, 0.05, 0.14, level=0.8, decay=14.0),
                         note(1568, 0.10, 0.09, level=0.9, decay=14.0)], 0.19),
}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    default_out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    parser.add_argument("--out", default=default_out, help="output directory")
    args = parser.parse_args()
    for name, frames in SOUNDS.items():
        with wave.open(os.path.join(args.out, name), "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(frames)


if __name__ == "__main__":
    main()
