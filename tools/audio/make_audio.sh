#!/usr/bin/env bash
# Music and sound effects: renders the note data of compose.py with FluidSynth
# and the General MIDI soundfont, synthesises the effects with SoX, and encodes
# everything to MP3 with LAME.
#
# Usage: make_audio.sh OUT_DIR WORK_DIR
# Needs: fluidsynth, fluid-soundfont-gm, sox, lame (Debian packages).
set -euo pipefail

OUT="$1"
WORK="$2"
HERE="$(cd "$(dirname "$0")" && pwd)"
PY="${PYTHON:-python3}"
SF2="${SOUNDFONT:-/usr/share/sounds/sf2/FluidR3_GM.sf2}"
RATE=44100

[ -f "$SF2" ] || { echo "missing soundfont $SF2 (apt-get install fluid-soundfont-gm)" >&2; exit 1; }
mkdir -p "$OUT" "$WORK"

# SoX in repeatable mode: its noise and dither generators start from a fixed
# seed, so the same sources always give the same samples.
SOX=(sox -R -D)

# fixed encoder settings and no ID3 tag: the same WAV always gives the same MP3
encode() { # in.wav out.mp3 kbps
    lame --quiet --noreplaygain --cbr -b "$3" -q 2 "$1" "$2"
}

# --- music --------------------------------------------------------------------
"$PY" "$HERE/compose.py" "$WORK"
for piece in title sentaku gameScene; do
    fluidsynth -ni -q -F "$WORK/$piece.raw.wav" -r "$RATE" -g 0.5 -o synth.cpu-cores=1 \
        "$SF2" "$WORK/$piece.mid"
    loop=$(cat "$WORK/$piece.len")
    # fold everything that rings past the loop point back onto the start,
    # where it would be heard anyway when the music repeats
    "${SOX[@]}" "$WORK/$piece.raw.wav" "$WORK/$piece.main.wav" trim 0 "${loop}s"
    "${SOX[@]}" "$WORK/$piece.raw.wav" "$WORK/$piece.tail.wav" trim "${loop}s"
    "${SOX[@]}" -m -v 1 "$WORK/$piece.main.wav" -v 1 "$WORK/$piece.tail.wav" \
        "$WORK/$piece.loop.wav"
    # a few milliseconds of fade hide the encoder's padding at the seam
    "${SOX[@]}" "$WORK/$piece.loop.wav" "$WORK/$piece.wav" trim 0 "${loop}s" \
        fade t 0.006 -0 0.006 gain -n -4
    encode "$WORK/$piece.wav" "$OUT/$piece.mp3" 128
done

# --- effects --------------------------------------------------------------------
mono=(-r "$RATE" -c 1)

# button: a soft rounded pop, a bubble rising
"${SOX[@]}" -n "${mono[@]}" "$WORK/pop1.wav" synth 0.11 sine 320:980 fade q 0.002 0.11 0.09
"${SOX[@]}" -n "${mono[@]}" "$WORK/pop2.wav" synth 0.11 sine 1960 fade q 0.001 0.05 0.045 \
    gain -14
"${SOX[@]}" -m "$WORK/pop1.wav" "$WORK/pop2.wav" "$WORK/button.wav" lowpass 4000 \
    pad 0 0.04 gain -n -3
encode "$WORK/button.wav" "$OUT/button.mp3" 96

# dekusi: one drop landing near the ear; heard four times a second in the
# rain, so short, soft and without any hiss
"${SOX[@]}" -n "${mono[@]}" "$WORK/drip1.wav" synth 0.07 sine 700:1900 fade q 0.002 0.07 0.06
"${SOX[@]}" -n "${mono[@]}" "$WORK/drip2.wav" synth 0.05 sine 1500:2300 fade q 0.002 0.05 0.045 \
    gain -12 pad 0.045
"${SOX[@]}" -m "$WORK/drip1.wav" "$WORK/drip2.wav" "$WORK/dekusi.wav" lowpass 3500 \
    pad 0 0.02 gain -n -9
encode "$WORK/dekusi.wav" "$OUT/dekusi.mp3" 96

# dekusi2: a padded bump when a passer-by shoves the player away
"${SOX[@]}" -n "${mono[@]}" "$WORK/thud1.wav" synth 0.32 sine 150:48 fade q 0.003 0.32 0.26
"${SOX[@]}" -n "${mono[@]}" "$WORK/thud2.wav" synth 0.08 brownnoise fade q 0.002 0.08 0.07 \
    lowpass 700 gain -6
"${SOX[@]}" -n "${mono[@]}" "$WORK/thud3.wav" synth 0.18 sine 420:260 fade q 0.004 0.18 0.15 \
    gain -10 pad 0.03
"${SOX[@]}" -m "$WORK/thud1.wav" "$WORK/thud2.wav" "$WORK/thud3.wav" "$WORK/dekusi2.wav" \
    pad 0 0.04 gain -n -2
encode "$WORK/dekusi2.wav" "$OUT/dekusi2.mp3" 96
