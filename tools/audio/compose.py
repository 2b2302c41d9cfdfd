#!/usr/bin/env python3
"""The three pieces of music as note data, written out as standard MIDI
files for FluidSynth to play with the General MIDI soundfont.

Each piece is one loop: its last bar leads back into its first, and the
renderer folds the reverb tail of the end over the beginning, so the music
repeats without a seam.

Usage: compose.py OUT_DIR   (writes title.mid, sentaku.mid, gameScene.mid and
a .len file per piece with the loop length in seconds)."""

import os
import random
import struct
import sys

PPQ = 480

# General MIDI programs
PIANO, EPIANO, CELESTA, MUSICBOX, VIBES, MARIMBA = 0, 4, 8, 10, 11, 12
AC_BASS, FINGER_BASS = 32, 33
STRINGS_SLOW, PIZZ = 49, 45
FLUTE, CLARINET = 73, 71
WARM_PAD = 89
BRUSH_KIT = 40

NOTE = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def n(name):
    """'C4' -> 60, 'F#3' -> 54, 'Bb2' -> 46."""
    p = NOTE[name[0]]
    i = 1
    while name[i] in "#b":
        p += 1 if name[i] == "#" else -1
        i += 1
    return 12 * (int(name[i:]) + 1) + p


CHORDS = {
    "maj7": (0, 4, 7, 11), "m7": (0, 3, 7, 10), "7": (0, 4, 7, 10), "sus4": (0, 5, 7, 10),
    "add9": (0, 4, 7, 14), "m9": (0, 3, 7, 14), "6": (0, 4, 7, 9), "maj9": (0, 4, 11, 14),
}


def chord(symbol):
    """'Fmaj7' -> (root pitch class, intervals)."""
    root = symbol[0]
    rest = symbol[1:]
    acc = 0
    while rest and rest[0] in "#b":
        acc += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return (NOTE[root] + acc) % 12, CHORDS[rest]


class Track:
    def __init__(self, channel, program, volume=100, pan=64, reverb=60, chorus=0):
        self.channel = channel
        self.program = program
        self.notes = []     # (start_beat, length_beats, pitch, velocity)
        self.volume, self.pan, self.reverb, self.chorus = volume, pan, reverb, chorus

    def add(self, start, length, pitch, vel):
        self.notes.append((start, length, pitch, max(1, min(127, int(vel)))))


def _vlq(v):
    out = [v & 0x7F]
    v >>= 7
    while v:
        out.insert(0, (v & 0x7F) | 0x80)
        v >>= 7
    return bytes(out)


def write_midi(path, bpm, tracks, end_beat):
    """Format 1 file: a tempo track, then one track per instrument. A final
    no-op event at end_beat keeps the renderer going through the tails."""
    chunks = []
    tempo = int(round(60000000 / bpm))
    t0 = b"\x00\xff\x51\x03" + struct.pack(">I", tempo)[1:]
    t0 += b"\x00\xff\x58\x04\x04\x02\x18\x08"
    t0 += _vlq(int(end_beat * PPQ)) + b"\xff\x2f\x00"
    chunks.append(t0)
    for tr in tracks:
        ev = []
        ch = tr.channel
        if ch == 9:
            ev.append((0, 0, bytes([0xB0 | ch, 0, 1])))   # drum bank
        ev.append((0, 0, bytes([0xC0 | ch, tr.program])))
        ev.append((0, 0, bytes([0xB0 | ch, 7, tr.volume])))
        ev.append((0, 0, bytes([0xB0 | ch, 10, tr.pan])))
        ev.append((0, 0, bytes([0xB0 | ch, 91, tr.reverb])))
        ev.append((0, 0, bytes([0xB0 | ch, 93, tr.chorus])))
        for start, length, pitch, vel in tr.notes:
            on = int(round(start * PPQ))
            off = int(round((start + length) * PPQ)) - 1
            ev.append((on, 2, bytes([0x90 | ch, pitch, vel])))
            ev.append((off, 1, bytes([0x80 | ch, pitch, 0])))
        ev.append((int(end_beat * PPQ), 3, bytes([0xB0 | ch, 64, 0])))
        ev.sort(key=lambda e: (e[0], e[1]))
        data = b""
        last = 0
        for t, _order, msg in ev:
            data += _vlq(t - last) + msg
            last = t
        data += b"\x00\xff\x2f\x00"
        chunks.append(data)
    with open(path, "wb") as fh:
        fh.write(b"MThd" + struct.pack(">IHHH", 6, 1, len(chunks), PPQ))
        for c in chunks:
            fh.write(b"MTrk" + struct.pack(">I", len(c)) + c)


def voicing(sym, low, high):
    """Chord tones of `sym` between two pitches, bottom up."""
    root, iv = chord(sym)
    pcs = {(root + i) % 12 for i in iv}
    return [p for p in range(low, high + 1) if p % 12 in pcs]


def scale_of(key_root, minor=False):
    steps = (0, 2, 3, 5, 7, 8, 10) if minor else (0, 2, 4, 5, 7, 9, 11)
    return {(key_root + s) % 12 for s in steps}


RHYTHMS = [
    [(0, 1.5), (1.5, 0.5), (2, 2)],
    [(0, 1), (1, 1), (2, 1.5), (3.5, 0.5)],
    [(0, 2), (2, 1), (3, 1)],
    [(0.5, 0.5), (1, 1), (2, 2)],
    [(0, 3), (3, 1)],
    [(0, 1), (1, 0.5), (1.5, 0.5), (2, 2)],
    [(0, 4)],
]


STEP_WEIGHT = {0: 0.3, 1: 1.0, 2: 1.0, 3: 0.7, 4: 0.6, 5: 0.35}


def melody(rng, chords, scale, low, high, motif_every=4, start=None):
    """A singable line: chord tones on the strong beats, steps in between,
    the opening rhythm coming back every few bars so it sounds written."""
    notes = []
    prev = start if start is not None else (low + high) // 2
    motifs = {}
    for bar, sym in enumerate(chords):
        slot = bar % motif_every
        if slot not in motifs:
            motifs[slot] = rng.choice(RHYTHMS[:-1] if slot != motif_every - 1 else RHYTHMS[2:])
        rhythm = motifs[slot]
        tones = voicing(sym, low, high)
        for k, (b, d) in enumerate(rhythm):
            if b in (0, 2) or d >= 1.5:
                cands = tones
            else:
                cands = [p for p in range(low, high + 1) if p % 12 in scale]
            cands = [p for p in cands if abs(p - prev) <= 7] or cands
            # steps sing best; a repeated note now and then, a leap rarely
            weights = [STEP_WEIGHT.get(abs(p - prev), 0.2) for p in cands]
            p = rng.choices(cands, weights)[0]
            notes.append((bar * 4 + b, d, p))
            prev = p
    return notes


def add_melody(track, notes, vel, offset=0, swing=0.0):
    for b, d, p in notes:
        acc = 8 if (b % 4) == 0 else 0
        track.add(offset + b, d * 0.95, p, vel + acc)


# --- the pieces ------------------------------------------------------------------

def title():
    """Rainy dusk at the shop street: piano arpeggios, a flute line, a warm pad."""
    bpm = 84
    prog = ["Fmaj7", "Em7", "Dm7", "Cmaj7", "Bbmaj7", "Am7", "Gm7", "Csus4"]
    bars = prog * 3
    rng = random.Random(11)
    piano = Track(0, PIANO, 96, 54, 80)
    pad = Track(1, WARM_PAD, 62, 70, 90)
    bass = Track(2, AC_BASS, 88, 64, 40)
    flute = Track(3, FLUTE, 84, 80, 90)
    bells = Track(4, CELESTA, 60, 40, 100)
    for bar, sym in enumerate(bars):
        t = bar * 4
        tones = voicing(sym, n("F3"), n("C5"))
        pattern = [0, 2, 1, 3, 2, 1, 3, 2]
        for k, idx in enumerate(pattern):
            p = tones[idx % len(tones)]
            piano.add(t + k * 0.5, 1.2, p, 50 + (8 if k % 4 == 0 else 0))
        root, _ = chord(sym)
        bass_root = n("F1") + ((root - 5) % 12)
        bass.add(t, 2.8, bass_root, 70)
        bass.add(t + 3, 0.9, bass_root + 7 if bass_root + 7 < n("G2") else bass_root - 5, 58)
        for p in voicing(sym, n("A3"), n("E4"))[:3]:
            pad.add(t, 4, p, 44)
    line = melody(rng, prog, scale_of(5), n("C5"), n("D6"))
    answer = melody(random.Random(12), prog, scale_of(5), n("A4"), n("C6"))
    add_melody(flute, line, 62, offset=32)
    add_melody(flute, answer, 58, offset=64)
    for b, d, p in line[::3]:
        bells.add(b + 64, 1, p + 12, 40)
    total = len(bars) * 4
    # the last bar resolves up into the first chord again
    return bpm, [piano, pad, bass, flute, bells], total


def sentaku():
    """Choosing a errand: light, skipping, a music box over pizzicato."""
    bpm = 104
    prog = ["Cmaj7", "Am7", "Dm7", "G7", "Em7", "Am7", "Dm7", "Gsus4",
            "Fmaj7", "Em7", "Dm7", "Cmaj7", "Fmaj7", "Em7", "Dm7", "G7"]
    bars = prog + prog[:4] + ["Fmaj7", "Em7", "Dm7", "G7"]
    rng = random.Random(21)
    box = Track(0, MUSICBOX, 90, 70, 90)
    pizz = Track(1, PIZZ, 92, 50, 60)
    bass = Track(2, AC_BASS, 90, 64, 30)
    marimba = Track(3, MARIMBA, 70, 84, 60)
    for bar, sym in enumerate(bars):
        t = bar * 4
        tones = voicing(sym, n("E3"), n("G4"))
        for k in (0, 1, 2, 3):
            chord_tones = tones[1:4] if k % 2 else tones[0:3]
            for p in chord_tones:
                pizz.add(t + k + 0.5 * (k % 2 == 1), 0.4, p, 52 if k % 2 else 60)
        root, _ = chord(sym)
        low = n("C2") + root
        bass.add(t, 0.9, low, 74)
        bass.add(t + 2, 0.9, low + 7 if low + 7 <= n("A2") else low - 5, 64)
        for k, p in enumerate(voicing(sym, n("C5"), n("C6"))[:4]):
            marimba.add(t + 3 + k * 0.25, 0.25, p, 40 + k * 3)
    line = melody(rng, bars, scale_of(0), n("E5"), n("A6"), motif_every=2)
    add_melody(box, line, 70)
    return bpm, [box, pizz, bass, marimba], len(bars) * 4


def game():
    """Walking to the shop: a lazy Rhodes groove with brushes and vibes."""
    bpm = 92
    prog = ["Dmaj7", "Bm7", "Gmaj7", "Asus4", "F#m7", "Bm7", "Em7", "A7"]
    bars = prog * 4
    rng = random.Random(31)
    rhodes = Track(0, EPIANO, 92, 50, 70, 40)
    bass = Track(1, FINGER_BASS, 96, 64, 30)
    drums = Track(9, BRUSH_KIT, 82, 64, 50)
    vibes = Track(2, VIBES, 84, 82, 90)
    clar = Track(3, CLARINET, 70, 44, 80)
    for bar, sym in enumerate(bars):
        t = bar * 4
        tones = voicing(sym, n("F#3"), n("E5"))[:4]
        for b, d in ((0, 1.4), (1.5, 0.5), (2.5, 1.4)):
            for p in tones:
                rhodes.add(t + b, d, p, 50 if b else 56)
        root, _ = chord(sym)
        r = n("D2") + ((root - 2) % 12)
        walk = [r, r + 7, r + 12 if r + 12 <= n("E3") else r + 5, r + 7]
        for k, p in enumerate(walk):
            bass.add(t + k, 0.85, p, 76 if k == 0 else 62)
        # brushes: soft kick, swish on the backbeat, a hat that keeps walking
        drums.add(t, 0.5, 36, 54)
        drums.add(t + 2.5, 0.5, 36, 40)
        for b in (1, 3):
            drums.add(t + b, 0.5, 38, 46)
        for b in (0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5):
            drums.add(t + b, 0.25, 42, 34 if b % 1 else 42)
    line = melody(rng, prog, scale_of(2), n("D5"), n("E6"), motif_every=4)
    second = melody(random.Random(32), prog, scale_of(2), n("A4"), n("B5"), motif_every=4)
    add_melody(vibes, line, 66, offset=32)
    add_melody(clar, second, 56, offset=64)
    add_melody(vibes, line, 60, offset=96)
    return bpm, [rhodes, bass, drums, vibes, clar], len(bars) * 4


PIECES = {"title": title, "sentaku": sentaku, "gameScene": game}
TAIL_BEATS = 8


def main(out):
    os.makedirs(out, exist_ok=True)
    for name, fn in PIECES.items():
        bpm, tracks, beats = fn()
        write_midi(os.path.join(out, name + ".mid"), bpm, tracks, beats + TAIL_BEATS)
        with open(os.path.join(out, name + ".len"), "w") as fh:
            # loop length in samples at 44.1 kHz
            fh.write("%d\n" % int(round(beats * 60.0 / bpm * 44100)))


if __name__ == "__main__":
    main(sys.argv[1])
