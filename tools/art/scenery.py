"""Far town and sky (background_N), wet pavement (floor_N) and the rain
streak.

Tiles are laid side by side in any order, so everything that reaches an
edge meets the same thing on the other edge: the sky is a pure vertical
gradient, the low skyline and the power lines have fixed heights at x 0 and
x 800, and the paving pattern repeats every 80 px."""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

from svg import (LAMP, circle, document, ellipse, fmt, line, linear, path, poly, rect, rng)

TW = 800
BG_H = 880
FLOOR_H = 200

# heights above the ground line
EDGE_SKYLINE = 420      # far roofs at both edges of every background tile
WIRES = (610, 628, 650)


def sky_defs():
    return [
        linear("sky", [(0, "#27305e"), (0.32, "#3d4479"), (0.62, "#6f6794"), (0.84, "#b88496"),
                       (1, "#e2a48d")]),
        linear("haze", [(0, "#c9a0b4", 0), (1, "#c9a0b4", 0.55)]),
        linear("farwall", [(0, "#6f6b9c"), (1, "#8a7fa8")]),
        linear("nearwall", [(0, "#4a4b7c"), (1, "#5e5a88")]),
    ]


def y_of(h):
    return BG_H - h


def skyline(r, x0, x1, base, lo, hi, colour, windows, min_w=50, max_w=130):
    """Blocks of buildings between x0 and x1 on top of a band `base` high."""
    items = [rect(0, y_of(base), TW, base, colour)]
    x = x0
    while x < x1 - min_w:
        w = min(r.randint(min_w, max_w), x1 - x)
        h = r.randint(lo, hi)
        items.append(rect(x, y_of(h), w, h, colour))
        if r.random() < 0.35:
            items.append(rect(x + w * 0.2, y_of(h + 18), w * 0.5, 18, colour))
        if windows:
            for wy in range(h - 30, 40, -34):
                for wx in range(int(x) + 10, int(x + w) - 14, 22):
                    if r.random() < windows:
                        items.append(rect(wx, y_of(wy), 9, 12, LAMP, opacity=0.55))
        x += w + r.randint(0, 14)
    return items


def wires(pole_x=None):
    items = []
    anchors = [0, TW] if pole_x is None else [0, pole_x, TW]
    for h in WIRES:
        for a, b in zip(anchors, anchors[1:]):
            sag = (b - a) / 800.0 * 34
            items.append(path("M%s %s Q%s %s %s %s" % (fmt(a), fmt(y_of(h)), fmt((a + b) / 2),
                                                      fmt(y_of(h) + 2 * sag), fmt(b), fmt(y_of(h))),
                              "none", stroke="#2a2a48", stroke_width=3, opacity=0.85))
    if pole_x is not None:
        items.append(rect(pole_x - 9, y_of(690), 18, 690, "#34345a"))
        items.append(rect(pole_x - 50, y_of(660), 100, 10, "#34345a"))
        items.append(rect(pole_x - 40, y_of(615), 80, 8, "#34345a"))
        items.append(rect(pole_x - 22, y_of(560), 44, 60, "#3e3e66", rx=8))
        items.append(circle(pole_x + 34, y_of(520), 10, LAMP, opacity=0.9))
        items.append(ellipse(pole_x + 34, y_of(520), 60, 50, "url(#lamphalo)"))
    return items


def rain_streaks(r, count, y0, y1):
    items = []
    for _ in range(count):
        x = r.uniform(8, TW - 8)
        y = r.uniform(y0, y1)
        length = r.uniform(26, 60)
        items.append(line(x, y, x - length * 0.08, y + length, "#d6e4f5", 1.6,
                          opacity=round(r.uniform(0.12, 0.3), 2), stroke_linecap="round"))
    return items


def landmark(n, r):
    """Something to recognise each tile by, far away in the haze."""
    c = "url(#farwall)"
    items = []
    if n == 0:      # radio tower with its red warning light
        pts = [(360, y_of(EDGE_SKYLINE)), (400, y_of(860)), (440, y_of(EDGE_SKYLINE))]
        items.append(poly(pts, "#6d6799"))
        for k in range(6):
            h = EDGE_SKYLINE + k * 70
            wid = 40 * (860 - h) / (860 - EDGE_SKYLINE)
            items.append(line(400 - wid, y_of(h), 400 + wid, y_of(h + 70), "#575283", 4))
            items.append(line(400 + wid, y_of(h), 400 - wid, y_of(h + 70), "#575283", 4))
        items.append(circle(400, y_of(862), 7, "#ff6b5e"))
        items.append(ellipse(400, y_of(862), 30, 30, "url(#redhalo)"))
    elif n == 1:    # a tall block with a water tank on the roof
        items.append(rect(470, y_of(760), 190, 760, c))
        items.append(rect(520, y_of(800), 70, 40, "#6d6799"))
        for k in range(4):
            items.append(rect(526 + k * 16, y_of(760), 6, 20, "#6d6799"))
        for wy in range(720, EDGE_SKYLINE, -40):
            for wx in range(484, 650, 30):
                if r.random() < 0.45:
                    items.append(rect(wx, y_of(wy), 14, 16, LAMP, opacity=0.5))
    elif n == 2:    # a pagoda on the hill beyond the roofs
        items.append(ellipse(420, y_of(EDGE_SKYLINE + 20), 360, 180, "#67628f"))
        for k in range(5):
            w = 110 - k * 16
            y = EDGE_SKYLINE + 150 + k * 62
            items.append(rect(420 - w * 0.35, y_of(y + 40), w * 0.7, 40, "#5a5585"))
            items.append(poly([(420 - w, y_of(y + 40)), (420 + w, y_of(y + 40)),
                               (420 + w * 0.6, y_of(y + 62)), (420 - w * 0.6, y_of(y + 62))],
                              "#4d4878"))
        items.append(rect(416, y_of(EDGE_SKYLINE + 520), 8, 60, "#4d4878"))
    elif n == 3:    # a bathhouse chimney, a sign of an old town
        items.append(poly([(560, y_of(EDGE_SKYLINE)), (574, y_of(860)), (598, y_of(860)),
                           (612, y_of(EDGE_SKYLINE))], "#6d6799"))
        items.append(rect(570, y_of(800), 32, 20, "#8a84b0"))
        items.append(ellipse(600, y_of(880), 40, 12, "#8f8ab0", opacity=0.45))
    elif n == 4:    # two office towers, a few windows still lit
        for x, w, h in ((150, 150, 800), (330, 120, 720)):
            items.append(rect(x, y_of(h), w, h, c))
            for wy in range(h - 40, EDGE_SKYLINE, -28):
                for wx in range(x + 10, x + w - 16, 22):
                    if r.random() < 0.4:
                        items.append(rect(wx, y_of(wy), 12, 10, LAMP, opacity=0.5))
            items.append(circle(x + w / 2, y_of(h + 6), 5, "#ff6b5e"))
    return items


def background_svg(n):
    r = rng("background%d" % n)
    defs = sky_defs() + [
        linear("lamphalo", [(0, LAMP, 0.35), (1, LAMP, 0)]),
    ]
    defs.append('<radialGradient id="redhalo"><stop offset="0" stop-color="#ff6b5e" '
                'stop-opacity="0.5"/><stop offset="1" stop-color="#ff6b5e" stop-opacity="0"/>'
                '</radialGradient>')
    defs[-2] = ('<radialGradient id="lamphalo"><stop offset="0" stop-color="%s" '
                'stop-opacity="0.35"/><stop offset="1" stop-color="%s" stop-opacity="0"/>'
                '</radialGradient>' % (LAMP, LAMP))
    items = [rect(0, 0, TW, BG_H, "url(#sky)")]
    # heavy rain clouds: bands that run across the whole tile
    for k, (h, amp, col, op) in enumerate(((830, 14, "#1f2650", 0.55), (760, 10, "#2e3564", 0.4),
                                            (690, 8, "#7a6a90", 0.25))):
        d = "M0 0 H%d V%s " % (TW, fmt(y_of(h)))
        for i in range(TW, -1, -20):
            d += "L%s %s " % (fmt(i), fmt(y_of(h) + amp * math.sin(i * 2 * math.pi / 400.0 + k)))
        d += "Z"
        items.append(path(d, col, opacity=op))
    items += rain_streaks(r, 60, 0, y_of(EDGE_SKYLINE))
    items += landmark(n, r)
    items += skyline(r, 40, 760, EDGE_SKYLINE, EDGE_SKYLINE + 40, EDGE_SKYLINE + 260,
                     "url(#farwall)", 0.12)
    items.append(rect(0, y_of(EDGE_SKYLINE + 320), TW, EDGE_SKYLINE + 320, "url(#haze)"))
    items += skyline(r, 30, 770, EDGE_SKYLINE - 120, EDGE_SKYLINE - 60, EDGE_SKYLINE + 120,
                     "url(#nearwall)", 0.22, 70, 160)
    items += wires(400 if n in (0, 2, 4) else None)
    items += rain_streaks(r, 40, y_of(EDGE_SKYLINE + 100), BG_H - 20)
    return document(TW, BG_H, items, defs)


# --- pavement -------------------------------------------------------------

KERB_Y = 124
ROAD_Y = 140


def floor_svg(n):
    r = rng("floor%d" % n)
    defs = [
        linear("walk", [(0, "#595f8e"), (1, "#4c5180")]),
        linear("road", [(0, "#2c3154"), (1, "#23284a")]),
        linear("sheen", [(0, "#ffffff", 0.16), (1, "#ffffff", 0)]),
        '<radialGradient id="puddle"><stop offset="0" stop-color="#9fb0dc"/>'
        '<stop offset="0.7" stop-color="#7a86b8"/><stop offset="1" stop-color="#5c6494"/>'
        '</radialGradient>',
    ]
    items = [rect(0, 0, TW, KERB_Y, "url(#walk)")]
    # paving slabs, staggered, with a period that divides the tile width
    for row, y in enumerate(range(6, KERB_Y, 30)):
        off = 0 if row % 2 == 0 else 40
        items.append(line(0, y, TW, y, "#424774", 3))
        for x in range(off, TW + 1, 80):
            items.append(line(x, y, x, min(y + 30, KERB_Y), "#424774", 3))
    items.append(rect(0, 0, TW, 10, "#26274a"))
    items.append(rect(0, 10, TW, 30, "url(#sheen)"))
    # kerb and road
    items.append(rect(0, KERB_Y, TW, ROAD_Y - KERB_Y, "#8b8fb4"))
    items.append(rect(0, KERB_Y, TW, 4, "#b8bcdc"))
    for x in range(0, TW + 1, 100):
        items.append(line(x, KERB_Y, x, ROAD_Y, "#6e7298", 3))
    items.append(rect(0, ROAD_Y, TW, FLOOR_H - ROAD_Y, "url(#road)"))
    items.append(rect(0, 156, TW, 7, "#d7dbef", opacity=0.85))
    for x in range(30, TW, 160):
        items.append(rect(x + r.randint(0, 40), 172, r.randint(40, 80), 3, "#ffd48a", opacity=0.35))
        items.append(rect(x + r.randint(0, 60), 186, r.randint(20, 50), 3, "#9fb0dc", opacity=0.35))
    if n == 1:
        puddle(items, r, 300, 76, 130, 26)
    elif n == 2:
        items.append(ellipse(560, 180, 62, 14, "#3b4068", stroke="#555b88", stroke_width=4))
        for k in range(-2, 3):
            items.append(line(520 + k * 6, 172, 600 + k * 6, 188, "#555b88", 2, opacity=0.7))
        puddle(items, r, 170, 90, 80, 16)
    elif n == 3:
        items.append(rect(380, KERB_Y - 10, 120, 14, "#34385e"))
        for k in range(8):
            items.append(rect(386 + k * 14, KERB_Y - 8, 6, 10, "#8b8fb4"))
        puddle(items, r, 620, 60, 100, 20)
        puddle(items, r, 150, 96, 60, 12)
    # splashes: little rings where drops land
    for _ in range(7):
        x = r.uniform(20, TW - 20)
        y = r.choice([r.uniform(24, KERB_Y - 8), r.uniform(ROAD_Y + 8, FLOOR_H - 8)])
        items.append(ellipse(x, y, 10, 3, "none", stroke="#c9d8f0", stroke_width=1.6, opacity=0.5))
    return document(TW, FLOOR_H, items, defs)


def puddle(items, r, cx, cy, rx, ry):
    items.append(ellipse(cx, cy, rx + 6, ry + 4, "#3d4270", opacity=0.5))
    items.append(ellipse(cx, cy, rx, ry, "url(#puddle)"))
    # the dusk sky and a lamp reflected in it
    items.append(ellipse(cx - rx * 0.3, cy - ry * 0.2, rx * 0.35, ry * 0.3, "#e2a48d", opacity=0.5))
    items.append(ellipse(cx + rx * 0.35, cy, rx * 0.1, ry * 0.5, "#ffd48a", opacity=0.6))
    for k in (0.35, 0.65):
        items.append(ellipse(cx + rx * 0.1, cy + ry * 0.05, rx * k, ry * k, "none",
                             stroke="#dbe6fa", stroke_width=1.8, opacity=0.55))


def rain_svg():
    defs = [linear("streak", [(0, "#ffffff", 0), (0.6, "#ffffff", 0.75), (1, "#ffffff", 1)])]
    return document(8, 40, [rect(2, 0, 4, 40, "url(#streak)", rx=2)], defs)


if __name__ == "__main__":
    from street import BACKGROUND_COUNT, FLOOR_COUNT
    out = sys.argv[1]
    for n in range(BACKGROUND_COUNT):
        with open(os.path.join(out, "background_%d.svg" % n), "w") as fh:
            fh.write(background_svg(n))
    for n in range(FLOOR_COUNT):
        with open(os.path.join(out, "floor_%d.svg" % n), "w") as fh:
            fh.write(floor_svg(n))
    with open(os.path.join(out, "rain.svg"), "w") as fh:
        fh.write(rain_svg())
