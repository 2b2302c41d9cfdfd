"""Screens' furniture: the logo, the tap prompt, the irritation marks, the
dryness bar, the selection umbrella, the preview mask, the comment board
and the stage boards.

Lettering is taken from the bundled font as outlines, so nothing depends on
fonts at render time and the pictures come out the same everywhere."""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

from svg import (INK, circle, document, ellipse, fmt, line, linear, path, poly, rect,
                 text_paths, rng)
import buildings
from street import BUILDINGS, STAGES


def drop_path(cx, cy, r):
    """A raindrop with its point upwards, centred on its round part."""
    return ("M%s %s C%s %s %s %s %s %s A%s %s 0 1 1 %s %s C%s %s %s %s %s %s Z" % (
        fmt(cx), fmt(cy - r * 2.1),
        fmt(cx + r * 0.2), fmt(cy - r * 1.5), fmt(cx + r), fmt(cy - r * 0.8), fmt(cx + r), fmt(cy),
        fmt(r), fmt(r), fmt(cx - r), fmt(cy),
        fmt(cx - r), fmt(cy - r * 0.8), fmt(cx - r * 0.2), fmt(cy - r * 1.5), fmt(cx), fmt(cy - r * 2.1)))


def water_drop(cx, cy, r, fill="#8cc8f2", outline=INK, width=None):
    w = width if width is not None else max(2, r * 0.3)
    return [path(drop_path(cx, cy, r), fill, stroke=outline, stroke_width=fmt(w),
                 stroke_linejoin="round"),
            ellipse(cx - r * 0.35, cy - r * 0.3, r * 0.22, r * 0.34, "#ffffff", opacity=0.8)]


def glyph_runs(text, height, gap):
    items, width, s = text_paths(text, height, gap)
    return items, width, s


def lettering(text, cx, baseline, height, gap=0.06, fill="#ffffff", outline=INK,
              thicken=0.0, outline_w=0.0, shadow=0.0, wobble=None, fill_id=None,
              max_width=None):
    """Chunky lettering: each glyph thickened by a stroke of its own colour,
    with a darker outline and an optional drop shadow behind it."""
    items, width, s = glyph_runs(text, height, gap)
    if max_width and width > max_width:
        k = max_width / width
        return lettering(text, cx, baseline, height * k, gap, fill, outline, thicken * k,
                         outline_w * k, shadow * k, wobble, fill_id)
    x0 = cx - width / 2.0
    layers = {"shadow": [], "outline": [], "body": []}
    for i, (d, off, w) in enumerate(items):
        dy, rot = (wobble[i % len(wobble)] if wobble else (0, 0))
        mid = x0 + off + w / 2.0
        tr = "translate(%s %s) rotate(%s %s %s) translate(%s %s) scale(%.5f %.5f)" % (
            0, fmt(dy), fmt(rot), fmt(mid), fmt(baseline - height * 0.35), fmt(x0 + off),
            fmt(baseline), s, -s)
        paint = "url(#%s)" % fill_id if fill_id else fill
        if shadow:
            layers["shadow"].append(
                '<path d="%s" transform="translate(%s %s) %s" fill="%s" stroke="%s" '
                'stroke-width="%.3f" stroke-linejoin="round" opacity="0.35"/>'
                % (d, fmt(shadow * 0.4), fmt(shadow), tr, outline, outline,
                   (thicken + 2 * outline_w) / s))
        if outline_w:
            layers["outline"].append(
                '<path d="%s" transform="%s" fill="%s" stroke="%s" stroke-width="%.3f" '
                'stroke-linejoin="round"/>' % (d, tr, outline, outline,
                                               (thicken + 2 * outline_w) / s))
        layers["body"].append(
            '<path d="%s" transform="%s" fill="%s" stroke="%s" stroke-width="%.3f" '
            'stroke-linejoin="round"/>' % (d, tr, paint, paint, max(thicken, 0.01) / s))
    return layers["shadow"] + layers["outline"] + layers["body"], width


# --- title and prompt ---------------------------------------------------------

def title_svg():
    W, H = 640, 200
    defs = [
        linear("letter", [(0, "#f4fbff"), (0.5, "#bfe3fb"), (1, "#7fb9ea")]),
        '<radialGradient id="pud"><stop offset="0" stop-color="#a9d4f5" stop-opacity="0.95"/>'
        '<stop offset="0.75" stop-color="#6fa6dc" stop-opacity="0.85"/>'
        '<stop offset="1" stop-color="#4f7fc0" stop-opacity="0"/></radialGradient>',
    ]
    items = []
    # the puddle the word stands in
    items.append(ellipse(320, 168, 300, 26, "url(#pud)"))
    for k, (rx, ry) in enumerate(((120, 10), (200, 16), (270, 21))):
        items.append(ellipse(330, 168, rx, ry, "none", stroke="#e6f4ff", stroke_width=3,
                             opacity=0.75 - k * 0.2))
    wobble = [(0, -3), (-5, 2), (3, -2), (-4, 3), (5, -3), (-3, 2), (4, -2), (-5, 3), (3, -2),
              (-2, 3)]
    letters, _w = lettering("Puddlestep", 320, 140, 132, gap=0.05, fill_id="letter",
                            thicken=16, outline_w=9, shadow=7, wobble=wobble, max_width=560)
    items += letters
    # drops falling into the puddle, and one just landing
    items += water_drop(600, 58, 13)
    items += water_drop(38, 40, 9)
    items += water_drop(612, 120, 7)
    items.append(path("M586 166 q6 -14 12 0 M604 164 q5 -10 10 0", "none", stroke="#e6f4ff",
                      stroke_width=3, stroke_linecap="round"))
    return document(W, H, items, defs)


def tap_svg():
    W, H = 420, 80
    items, _w = lettering("タップしてスタート", 210, 60, 50, gap=0.02, fill="#ffffff",
                          thicken=5, outline_w=5, shadow=3, max_width=360)
    items += water_drop(16, 50, 8, width=2.5)
    items += water_drop(404, 50, 8, width=2.5)
    return document(W, H, items)


# --- marks over the passers-by -------------------------------------------------

def hatena_svg():
    S = 280
    d = "M96 98 Q96 44 142 44 Q190 44 190 94 Q190 126 158 142 Q140 152 140 182"
    items = [
        circle(140, 140, 128, "#ffffff", opacity=0.0),
        path(d, "none", stroke=INK, stroke_width=78, stroke_linecap="round", stroke_linejoin="round"),
        circle(140, 234, 38, INK),
        path(d, "none", stroke="#ffe27a", stroke_width=50, stroke_linecap="round",
             stroke_linejoin="round"),
        circle(140, 234, 24, "#ffe27a"),
        path("M104 90 Q110 62 140 60", "none", stroke="#ffffff", stroke_width=12,
             stroke_linecap="round", opacity=0.8),
    ]
    return document(S, S, items)


def ikari_svg():
    S = 280
    c = 140
    # each quarter is a corner pointing at the centre, its arms flaring out
    arm = "M%s %s Q%s %s %s %s Q%s %s %s %s" % (
        fmt(c - 104), fmt(c - 30), fmt(c - 62), fmt(c - 46), fmt(c - 38), fmt(c - 38),
        fmt(c - 46), fmt(c - 62), fmt(c - 30), fmt(c - 104))
    items = []
    for layer, (col, w) in enumerate(((INK, 64), ("#e8433f", 38))):
        for k in range(4):
            items.append(path(arm, "none", stroke=col, stroke_width=w, stroke_linecap="round",
                              stroke_linejoin="round", transform="rotate(%d %d %d)" % (k * 90, c, c)))
    for k in range(4):
        items.append(path("M%s %s Q%s %s %s %s" % (fmt(c - 96), fmt(c - 32), fmt(c - 64),
                                                  fmt(c - 42), fmt(c - 44), fmt(c - 36)),
                          "none", stroke="#ff9a8a", stroke_width=9, stroke_linecap="round",
                          transform="rotate(%d %d %d)" % (k * 90, c, c)))
    return document(S, S, items)


# --- dryness bar ------------------------------------------------------------------

HP_W, HP_H = 600, 56


def hp_bar_svg():
    """Near-white so the game's tint shows true green, yellow and red."""
    defs = [linear("bar", [(0, "#ffffff"), (0.55, "#f4f4f4"), (1, "#d8d8d8")])]
    items = [rect(4, 6, HP_W - 8, HP_H - 12, "url(#bar)", rx=22),
             rect(16, 12, HP_W - 32, 9, "#ffffff", rx=4.5, opacity=0.9)]
    return document(HP_W, HP_H, items, defs)


def hp_frame_svg():
    items = [rect(4, 6, HP_W - 8, HP_H - 12, "none", rx=22, stroke="#ffffff", stroke_width=9),
             rect(4, 6, HP_W - 8, HP_H - 12, "none", rx=22, stroke=INK, stroke_width=5)]
    # marks where the bar turns yellow and red
    for k in (1, 2):
        x = 4 + (HP_W - 8) * k / 3.0
        items.append(line(x, 9, x, 18, INK, 4, stroke_linecap="round"))
        items.append(line(x, HP_H - 18, x, HP_H - 9, INK, 4, stroke_linecap="round"))
    items.append(circle(30, 28, 26, "#ffffff", opacity=0.0))
    items += water_drop(30, 36, 15, width=4)
    return document(HP_W, HP_H, items)


# --- selection umbrella -----------------------------------------------------------

def umbrella_marker_svg():
    S = 200
    cx, top, rim = 100, 34, 112
    items = []
    outline = "M10 %d C14 60 52 %d %d %d C148 %d 186 60 190 %d " % (rim, top, cx, top, top, rim)
    n = 6
    xs = [10 + i * 180 / float(n) for i in range(n + 1)]
    for i in range(n, 0, -1):
        outline += "Q%s %s %s %s " % (fmt((xs[i] + xs[i - 1]) / 2), fmt(rim - 16), fmt(xs[i - 1]),
                                     fmt(rim))
    outline += "Z"
    cols = ["#7fb8e6", "#f4f8fc"]
    inner = []
    for i in range(n):
        def ray(j):
            if j == 0:
                return (-400, top)
            if j == n:
                return (600, top)
            return (cx + (xs[j] - cx) * 4, top + (rim - top) * 4)
        inner.append(poly([(cx, top), ray(i), ray(i + 1)], cols[i % 2]))
    inner.append(path("M10 96 C18 60 50 40 100 38 C64 44 34 64 22 104 Z", "#ffffff", opacity=0.35))
    g = '<clipPath id="marker"><path d="%s"/></clipPath><g clip-path="url(#marker)">%s</g>' % (
        outline, "".join(inner))
    items.append('<g transform="rotate(-12 100 110)">')
    items.append(line(cx, top - 14, cx, 172, "#6e6a80", 7, stroke_linecap="round"))
    items.append(path("M100 170 q0 20 -16 20 q-14 0 -14 -14", "none", stroke=INK, stroke_width=13,
                      stroke_linecap="round"))
    items.append(path("M100 170 q0 20 -16 20 q-14 0 -14 -14", "none", stroke="#c8434b",
                      stroke_width=7, stroke_linecap="round"))
    items.append(g)
    for x in xs[1:-1]:
        items.append(line(cx, top, x, rim - 10, "#4f7fb0", 2, opacity=0.6))
    items.append(path(outline, "none", stroke=INK, stroke_width=5, stroke_linejoin="round"))
    items.append(rect(cx - 4, top - 18, 8, 18, INK, rx=3))
    items.append("</g>")
    items += water_drop(176, 160, 8, width=2.5)
    items += water_drop(28, 178, 6, width=2)
    return document(S, S, items)


# --- stage select furniture -------------------------------------------------------

MASK_W, MASK_H = 1920, 1080
# preview window, image rows counted from the top
WINDOW = (760, 40, 1880, 700)


def stage_mask_svg():
    x0, y0, x1, y1 = WINDOW
    return document(MASK_W, MASK_H, [rect(x0, y0, x1 - x0, y1 - y0, "#ffffff", rx=60)])


COMMENT_W, COMMENT_H = 640, 640


def comment_board_svg():
    """A shop's chalkboard: the comment is written on it in white."""
    W, H = COMMENT_W, COMMENT_H
    r = rng("comment")
    defs = [linear("board", [(0, "#33443e"), (1, "#27352f")]),
            linear("wood", [(0, "#9a6a48"), (1, "#7a5036")])]
    items = [rect(0, 0, W, H, INK, rx=30),
             rect(6, 6, W - 12, H - 12, "url(#wood)", rx=26),
             rect(26, 26, W - 52, H - 52, "url(#board)", rx=12)]
    # chalk dust
    for _ in range(40):
        items.append(ellipse(r.uniform(40, W - 40), r.uniform(40, H - 40), r.uniform(10, 40),
                             r.uniform(3, 8), "#ffffff", opacity=round(r.uniform(0.02, 0.05), 3)))
    chalk = "#e8efe9"
    # drops running down the left margin beside the text
    for k, y in enumerate((70, 140, 210, 280)):
        items.append(path(drop_path(76 + (k % 2) * 12, y + 20, 11), "none", stroke=chalk,
                          stroke_width=4, opacity=0.75))
    # a chalk doodle along the bottom: an umbrella and a puddle
    base = H - 80
    items.append(path("M300 %s C310 %s 380 %s 420 %s C460 %s 530 %s 540 %s Z" % (
        fmt(base - 150), fmt(base - 210), fmt(base - 226), fmt(base - 226), fmt(base - 226),
        fmt(base - 210), fmt(base - 150)), "none", stroke="#f2a7b8", stroke_width=5,
        stroke_linejoin="round", opacity=0.9))
    for x in (360, 420, 480):
        items.append(line(420, base - 226, x, base - 150, "#f2a7b8", 3, opacity=0.7))
    items.append(path("M420 %s V%s q0 18 -16 18 q-14 0 -14 -12" % (fmt(base - 150), fmt(base - 40)),
                      "none", stroke=chalk, stroke_width=5, stroke_linecap="round", opacity=0.9))
    items.append(ellipse(420, base, 170, 20, "none", stroke="#9fd0f0", stroke_width=4, opacity=0.8))
    items.append(ellipse(420, base, 100, 11, "none", stroke="#9fd0f0", stroke_width=3, opacity=0.6))
    for k in range(14):
        x = 90 + k * 36 + (k % 3) * 6
        y = base - 300 + (k * 37) % 90
        items.append(line(x, y, x - 4, y + 26, chalk, 3, opacity=0.5, stroke_linecap="round"))
    # the chalk ledge
    items.append(rect(40, H - 40, W - 80, 16, "#5e3e2a", rx=6))
    items.append(rect(120, H - 52, 44, 12, "#f4f4f0", rx=5))
    items.append(rect(190, H - 52, 30, 12, "#f2a7b8", rx=5))
    return document(W, H, items, defs)


# --- stage boards ----------------------------------------------------------------

BOARD_W, BOARD_H = 800, 560
LEVEL_COLOURS = {1: "#8fd0a8", 2: "#9fd0f0", 3: "#f6d36b", 4: "#f2a36b", 5: "#f07a7a"}


def goal_building(stage):
    return stage.row[stage.goal_col]


def board_frame(items, defs, level, key):
    defs += [linear("paper%s" % key, [(0, "#fbf3e2"), (1, "#efe0c4")]),
             linear("boardwood%s" % key, [(0, "#a0704c"), (1, "#7a5036")]),
             linear("bsky%s" % key, [(0, "#2f3868"), (0.6, "#6f6794"), (1, "#d99c8c")])]
    items += [rect(0, 0, BOARD_W, BOARD_H, INK, rx=48),
              rect(8, 8, BOARD_W - 16, BOARD_H - 16, "url(#boardwood%s)" % key, rx=42),
              rect(30, 30, BOARD_W - 60, BOARD_H - 60, "url(#paper%s)" % key, rx=26)]


def level_drops(items, level):
    for k in range(5):
        x = 78 + k * 62
        if k < level:
            items += water_drop(x, 484, 19, fill=LEVEL_COLOURS[level], width=5)
        else:
            items.append(path(drop_path(x, 484, 19), "none", stroke="#b9a888", stroke_width=5,
                              stroke_linejoin="round"))


def picture_window(items, defs, key, draw):
    """The right half of a board: a dusk street scene clipped to a frame."""
    x0, y0, w, h = 400, 56, 350, 448
    defs.append('<clipPath id="win%s"><rect x="%d" y="%d" width="%d" height="%d" rx="20"/>'
                '</clipPath>' % (key, x0, y0, w, h))
    inner = [rect(x0, y0, w, h, "url(#bsky%s)" % key)]
    inner += draw(x0, y0, w, h)
    items.append('<g clip-path="url(#win%s)">%s</g>' % (key, "".join(inner)))
    items.append(rect(x0, y0, w, h, "none", rx=20, stroke=INK, stroke_width=8))


def board_svg(index):
    stage = STAGES[index]
    level = stage.level
    key = "%d" % index
    items, defs = [], []
    board_frame(items, defs, level, key)
    bdefs, bbody, bh = buildings.building_group(goal_building(stage))
    defs.append(bdefs)

    def draw(x0, y0, w, h):
        k = w / 800.0 * 1.08
        ground = y0 + h - 54
        out = [rect(x0, ground, w, 60, "#4c5180"), rect(x0, ground, w, 6, "#26274a"),
               '<g transform="translate(%s %s) scale(%.5f)">%s</g>' % (
                   fmt(x0 + w / 2 - 400 * k), fmt(ground - bh * k), k, bbody)]
        r = rng("boardrain%d" % index)
        for _ in range(26):
            x = r.uniform(x0, x0 + w)
            y = r.uniform(y0, ground)
            out.append(line(x, y, x - 2, y + 22, "#e6f0fb", 2.4, opacity=0.6,
                            stroke_linecap="round"))
        return out
    picture_window(items, defs, key, draw)
    num, _w = lettering("%d" % (index + 1), 205, 360, 270, gap=0.04, fill=LEVEL_COLOURS[level],
                        thicken=18, outline_w=10, shadow=8, max_width=320)
    items += num
    level_drops(items, level)
    return document(BOARD_W, BOARD_H, items, defs)


def random_board_svg():
    key = "r"
    items, defs = [], []
    board_frame(items, defs, 3, key)

    def draw(x0, y0, w, h):
        out = []
        ground = y0 + h - 54
        for k, (bx, bh) in enumerate(((x0 - 20, 230), (x0 + 110, 300), (x0 + 240, 200))):
            out.append(rect(bx, ground - bh, 140, bh, ["#4a4b7c", "#5e5a88", "#46477a"][k]))
            for wy in range(int(ground - bh) + 24, int(ground) - 30, 44):
                out.append(rect(bx + 24, wy, 30, 24, "#ffd48a", opacity=0.6))
                out.append(rect(bx + 84, wy, 30, 24, "#ffd48a", opacity=0.35))
        out.append(rect(x0, ground, w, 60, "#4c5180"))
        q, _ = lettering("?", x0 + w / 2, y0 + 250, 200, fill="#ffe27a", thicken=22,
                         outline_w=12, shadow=8)
        return out + q
    picture_window(items, defs, key, draw)
    q, _ = lettering("?", 205, 360, 280, fill="#f6d36b", thicken=20, outline_w=11, shadow=8)
    items += q
    for k in range(5):
        items += water_drop(78 + k * 62, 484, 19, fill=LEVEL_COLOURS[(k % 5) + 1], width=5)
    return document(BOARD_W, BOARD_H, items, defs)


def write(out, name, text):
    full = os.path.join(out, name)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, "w") as fh:
        fh.write(text)


if __name__ == "__main__":
    out = sys.argv[1]
    write(out, "title.svg", title_svg())
    write(out, "tapS.svg", tap_svg())
    write(out, "GameScene/hatena.svg", hatena_svg())
    write(out, "GameScene/ikari.svg", ikari_svg())
    write(out, "GameScene/HPwaku.svg", hp_bar_svg())
    write(out, "GameScene/HPwaku2.svg", hp_frame_svg())
    write(out, "umbrella_0.svg", umbrella_marker_svg())
    write(out, "stageMask.svg", stage_mask_svg())
    write(out, "StageBoard_comment.svg", comment_board_svg())
    write(out, "random.svg", random_board_svg())
    for i in range(len(STAGES)):
        write(out, "Select/board_%02d.svg" % i, board_svg(i))
