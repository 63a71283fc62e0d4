#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/yippee.wav, the short cheer a winning tip row plays.

Three rising notes with a quick upward glide on the last one, each with a soft attack
and decay and a touch of a fifth above, 16-bit mono at 22050 Hz. The output is fully
determined by this script, so running it again reproduces the shipped file byte for byte.

    python3 scripts/make_yippee.py [OUTPUT]
"""
import math
import struct
import sys
import wave
from pathlib import Path

RATE = 22050
VOLUME = 0.45

# (start frequency, end frequency, seconds)
NOTES = [(523.25, 523.25, 0.09), (659.25, 659.25, 0.09), (783.99, 1174.66, 0.32)]


def note(start_hz: float, end_hz: float, seconds: float) -> list[float]:
    count = int(RATE * seconds)
    phase = 0.0
    samples = []
    for i in range(count):
        t = i / count
        freq = start_hz + (end_hz - start_hz) * t * t
        phase += 2 * math.pi * freq / RATE
        attack = min(1.0, i / (0.01 * RATE))
        decay = (1.0 - t) ** 1.5
        tone = math.sin(phase) + 0.3 * math.sin(1.5 * phase) + 0.15 * math.sin(2 * phase)
        samples.append(tone / 1.45 * attack * decay)
    return samples


def main() -> None:
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "data" / "yippee.wav"
    samples: list[float] = []
    for start, end, seconds in NOTES:
        samples += note(start, end, seconds)
        samples += [0.0] * int(0.015 * RATE)
    frames = b"".join(struct.pack("<h", int(round(max(-1.0, min(1.0, s * VOLUME)) * 32767))) for s in samples)
    with wave.open(str(out), "wb") as wav:
        wav.setnchannels(1)
        wav.setsampwidth(2)
        wav.setframerate(RATE)
        wav.writeframes(frames)


if __name__ == "__main__":
    main()
