#!/usr/bin/env bash
# Regenerates every file under resources/ from the sources in tools/.
#
#   tools/make_assets.sh            everything
#   tools/make_assets.sh art        pictures only (also: data, audio, font)
#
# Needs these Debian packages: librsvg2-bin optipng python3-fonttools
# fluidsynth fluid-soundfont-gm sox libsox-fmt-mp3 lame fonts-motoya-l-maruberi.
# The output is deterministic: running it again without changing a source
# leaves every file as it was, so `git status` stays clean.
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
TOOLS="$ROOT/tools"
RES="$ROOT/resources"
WHAT="${1:-all}"
export PYTHONDONTWRITEBYTECODE=1

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

# the art scripts read glyph outlines with fontTools; prefer the system
# Python, where the Debian package installs it
PY=""
for cand in "${PYTHON:-}" python3 /usr/bin/python3; do
    if [ -n "$cand" ] && "$cand" -c "import fontTools" 2>/dev/null; then PY="$cand"; break; fi
done
[ -n "$PY" ] || { echo "no python3 with fontTools (apt-get install python3-fonttools)" >&2; exit 1; }
export PYTHON="$PY"

want() { [ "$WHAT" = all ] || [ "$WHAT" = "$1" ]; }

# --- font: Motoya L Maruberi under the name the game loads ------------------
FONT_SRC=/usr/share/fonts/truetype/motoya-l-maruberi/MTLmr3m.ttf
FONT_DOC=/usr/share/doc/fonts-motoya-l-maruberi/copyright
if want font || want art; then
    [ -f "$FONT_SRC" ] || { echo "missing $FONT_SRC (apt-get install fonts-motoya-l-maruberi)" >&2; exit 1; }
    mkdir -p "$RES/fonts"
    cp "$FONT_SRC" "$RES/fonts/851H-kktt.ttf"
    {
        echo "Motoya L Maruberi (MTLmr3m.ttf), shipped as fonts/851H-kktt.ttf."
        echo
        cat "$FONT_DOC"
        echo
        echo "----------------------------------------------------------------------"
        echo
        cat /usr/share/common-licenses/Apache-2.0
    } > "$RES/fonts/LICENSE-motoya-l-maruberi.txt"
fi

# --- data files ----------------------------------------------------------------
if want data; then
    "$PY" "$TOOLS/write_data.py" "$RES"
fi

# --- pictures -------------------------------------------------------------------
if want art; then
    SVG="$WORK/svg"
    mkdir -p "$SVG/GameScene" "$SVG/Select"
    "$PY" "$TOOLS/art/characters.py" "$SVG/GameScene"
    "$PY" "$TOOLS/art/buildings.py" "$SVG"
    "$PY" "$TOOLS/art/scenery.py" "$SVG"
    "$PY" "$TOOLS/art/ui.py" "$SVG"
    # stale pictures of removed designs must not linger
    rm -f "$RES"/building_*.png "$RES"/background_*.png "$RES"/floor_*.png "$RES"/Select/*.png
    (cd "$SVG" && find . -name '*.svg' | sort) > "$WORK/list"
    while read -r f; do mkdir -p "$RES/$(dirname "$f")"; done < "$WORK/list"
    # rsvg-convert writes no timestamps, saves fully opaque pictures as plain
    # RGB (png_rgba.py gives them back the alpha channel the game expects) and
    # optipng only recompresses without changing the colour type: identical
    # SVG always gives byte-identical PNG
    xargs -P 2 -I{} sh -c 'p="${1%.svg}.png"; rsvg-convert "$2/$1" -o "$3/$p" &&
        "$PYTHON" "$4/art/png_rgba.py" "$3/$p" &&
        optipng -quiet -o2 -nc -strip all "$3/$p"' _ {} "$SVG" "$RES" "$TOOLS" < "$WORK/list"
fi

# --- music and effects ------------------------------------------------------------
if want audio; then
    bash "$TOOLS/audio/make_audio.sh" "$RES/Music" "$WORK/audio"
fi

# --- the difficulty table, from the data files and the player's picture ----------
if want data || want art; then
    "$PY" "$TOOLS/stage_table.py" "$RES" > "$RES/DIFFICULTY.md"
fi

echo "resources regenerated in $RES"
