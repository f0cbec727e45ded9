"""The expiry chime: two bell strokes, a fifth apart, each a sine with two
overtones under an exponential decay. Mono 16-bit PCM at 22,050 Hz, 0.7 s:
short enough to be heard over a game without covering it."""
import math
import struct
import wave

RATE = 22050
SECONDS = 0.7
STROKES = ((0.0, 880.0), (0.16, 1318.5))  # (start in seconds, pitch in Hz): A5, then E6
OVERTONES = ((1.0, 1.0), (2.0, 0.35), (3.0, 0.12))  # (multiple of the pitch, loudness)
PEAK = 0.45  # of full scale: a chime, not an alarm


def samples():
    count = int(RATE * SECONDS)
    out = []
    for n in range(count):
        t = n / RATE
        value = 0.0
        for start, pitch in STROKES:
            if t < start:
                continue
            age = t - start
            attack = min(1.0, age / 0.004)  # 4 ms: no click at the stroke
            envelope = attack * math.exp(-age * 6.0)
            value += envelope * sum(loud * math.sin(2 * math.pi * pitch * mult * age) for mult, loud in OVERTONES)
        out.append(value)
    fade = int(RATE * 0.03)  # the last 30 ms fade to silence: no click at the end
    for i in range(fade):
        out[count - fade + i] *= 1.0 - (i + 1) / fade
    top = max(abs(v) for v in out)
    return [round(v / top * PEAK * 32767) for v in out]


def write(path):
    frames = samples()
    with wave.open(path, "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(struct.pack(f"<{len(frames)}h", *frames))
