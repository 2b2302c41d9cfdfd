"""Building columns of the shopping street, 800 px wide, standing on their
bottom edge. Each picture is drawn from its row in street.BUILDINGS: the
door at `door`, the awning or eaves from `left` to `right`.

Front view, flat shapes, dusk light: warm lamp light inside the shops, cool
violet walls outside, everything a little wet."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

from svg import (INK, LAMP, LAMP_HOT, GLASS_DARK, attrs, circle, document, ellipse,
                 fmt, group, line, linear, path, poly, polyline, radial, rect, rng)
import icons
from street import BUILDINGS

W = 800
GROUND_FLOOR = 400      # height of the shop storey
DOOR_W = 132
DOOR_H = 292
EAVE_Y = 330            # height of the eaves' front edge above the ground


class Facade:
    """Collects SVG pieces for one building; y grows downwards, the ground
    line is y = height."""

    def __init__(self, b, ident):
        self.b = b
        self.id = ident
        self.h = b.height
        self.items = []
        self.defs = [
            linear("lampglow%d" % ident, [(0, LAMP_HOT), (0.55, LAMP), (1, "#e79a5c")]),
            linear("wetbase%d" % ident, [(0, "#1c1f3a", 0), (1, "#1c1f3a", 0.45)]),
            linear("shade%d" % ident, [(0, "#141632", 0.5), (1, "#141632", 0)]),
            radial("halo%d" % ident, [(0, LAMP, 0.55), (1, LAMP, 0)]),
            linear("glass%d" % ident, [(0, "#5c6aa0"), (1, GLASS_DARK)]),
        ]
        self.r = rng("building%d" % ident)

    def y(self, above_ground):
        """Image y of a height above the ground line."""
        return self.h - above_ground

    def add(self, *items):
        self.items.extend(items)

    # --- walls ----------------------------------------------------------

    def body(self, x0, x1, top, colour, trim="#4a4262"):
        self.add(rect(x0, top, x1 - x0, self.h - top, colour))
        # cool dusk light from above, darker towards the street
        self.add(rect(x0, top, x1 - x0, self.h - top, "url(#wetbase%d)" % self.id))
        self.add(rect(x0, top, 6, self.h - top, trim, opacity=0.35))
        self.add(rect(x1 - 6, top, 6, self.h - top, trim, opacity=0.35))

    def flat_roof(self, x0, x1, top, colour="#4d4a6a"):
        self.add(rect(x0 - 8, top - 18, x1 - x0 + 16, 24, colour, rx=3))
        self.add(rect(x0 - 8, top - 18, x1 - x0 + 16, 6, "#8d8fb8", opacity=0.5))

    def tiled_roof(self, x0, x1, top, depth=70, colour="#3f4563"):
        """Kawara roof seen from the front: a sloped band ending in a row of
        round tile ends."""
        self.add(poly([(x0 - 24, top), (x1 + 24, top), (x1 + 10, top - depth),
                       (x0 - 10, top - depth)], colour))
        for i in range(int((x1 - x0 + 48) / 26) + 1):
            x = x0 - 24 + i * 26
            if x > x1 + 24:
                break
            self.add(line(x, top - 4, x + (x - (x0 + x1) / 2) * 0.02, top - depth + 4,
                          "#2c3049", 4))
        self.add(rect(x0 - 10, top - depth - 10, x1 - x0 + 20, 14, "#2c3049", rx=6))
        for i in range(int((x1 - x0 + 48) / 26) + 1):
            x = x0 - 24 + i * 26 + 13
            if x > x1 + 22:
                break
            self.add(circle(x, top, 10, "#555c80", stroke="#2c3049", stroke_width=3))
        self.add(rect(x0 - 10, top - depth, x1 - x0 + 20, 6, "#9aa0c8", opacity=0.35))

    def window(self, x, y, w, h, lit=True, curtain=None, frame="#3b3556", bars=2):
        self.add(rect(x - 6, y - 6, w + 12, h + 12, frame, rx=3))
        fill = "url(#lampglow%d)" % self.id if lit else "url(#glass%d)" % self.id
        self.add(rect(x, y, w, h, fill))
        if curtain:
            self.add(path("M%s %s h%s v%s q-%s %s -%s %s z" % (
                fmt(x), fmt(y), fmt(w * 0.32), fmt(h * 0.9), fmt(w * 0.1), fmt(h * 0.05),
                fmt(w * 0.22), fmt(h * 0.1)), curtain, opacity=0.9))
            self.add(path("M%s %s h-%s v%s q%s %s %s %s z" % (
                fmt(x + w), fmt(y), fmt(w * 0.32), fmt(h * 0.9), fmt(w * 0.1), fmt(h * 0.05),
                fmt(w * 0.22), fmt(h * 0.1)), curtain, opacity=0.9))
        for i in range(1, bars):
            self.add(rect(x + w * i / bars - 3, y, 6, h, frame))
        self.add(rect(x - 10, y + h + 4, w + 20, 8, "#6b6589"))
        # rain running off the sill
        self.add(rect(x + 8, y + h + 12, 3, 40, "#1b1c36", opacity=0.18))
        self.add(rect(x + w - 20, y + h + 12, 3, 56, "#1b1c36", opacity=0.18))
        if not lit:
            self.add(path("M%s %s l%s %s v%s z" % (fmt(x + w * 0.15), fmt(y), fmt(w * 0.35),
                                               fmt(0), fmt(h * 0.45)), "#c7d2f5", opacity=0.18))

    def upper_windows(self, x0, x1, top, bottom, count, lit_pattern, curtain=None,
                      wh=None):
        span = x1 - x0
        ww = span / count * 0.6
        hh = wh or min(130, (bottom - top) * 0.55)
        for i in range(count):
            cx = x0 + span * (i + 0.5) / count
            self.window(cx - ww / 2, top + (bottom - top - hh) / 2, ww, hh,
                        lit=lit_pattern[i % len(lit_pattern)], curtain=curtain)

    # --- the shop storey ---------------------------------------------------

    def shop_window(self, x0, x1, stock=None):
        """Display window with warm light; `stock` draws what is on show."""
        top = self.y(290)
        bottom = self.y(50)
        self.add(rect(x0 - 8, top - 8, x1 - x0 + 16, bottom - top + 16, "#3b3556", rx=4))
        self.add(rect(x0, top, x1 - x0, bottom - top, "url(#lampglow%d)" % self.id))
        if stock:
            stock(self, x0, top, x1, bottom)
        self.add(path("M%s %s l%s 0 l-%s %s z" % (fmt(x0 + 20), fmt(top), fmt(60), fmt(110),
                                                 fmt(bottom - top)), "#ffffff", opacity=0.14))
        self.add(rect(x0 - 12, bottom + 8, x1 - x0 + 24, self.h - bottom - 8, "#4a4262"))
        self.add(rect(x0 - 12, bottom + 8, x1 - x0 + 24, 6, "#8a84ad"))

    def door(self, style="glass", colour="#6e4b3a"):
        x = self.b.door - DOOR_W / 2
        top = self.y(DOOR_H)
        self.add(rect(x - 10, top - 10, DOOR_W + 20, DOOR_H + 10, "#2f2a46", rx=4))
        if style == "glass":
            self.add(rect(x, top, DOOR_W, DOOR_H, "url(#lampglow%d)" % self.id))
            self.add(rect(x, top, DOOR_W, DOOR_H, "none", stroke=colour, stroke_width=12))
            self.add(rect(x + DOOR_W / 2 - 4, top, 8, DOOR_H, colour))
            self.add(rect(x + DOOR_W / 2 - 22, top + DOOR_H * 0.52, 8, 30, "#d9c07a", rx=3))
            self.add(rect(x + DOOR_W / 2 + 14, top + DOOR_H * 0.52, 8, 30, "#d9c07a", rx=3))
        elif style == "lattice":
            # sliding wooden lattice door, light leaking through
            self.add(rect(x, top, DOOR_W, DOOR_H, "url(#lampglow%d)" % self.id))
            for i in range(1, 9):
                self.add(rect(x + i * DOOR_W / 9 - 3, top, 6, DOOR_H, colour))
            self.add(rect(x, top, DOOR_W, DOOR_H, "none", stroke=colour, stroke_width=12))
            self.add(rect(x, top + DOOR_H * 0.45, DOOR_W, 10, colour))
        elif style == "wood":
            self.add(rect(x, top, DOOR_W, DOOR_H, colour))
            self.add(rect(x + 18, top + 24, DOOR_W - 36, 90, "url(#lampglow%d)" % self.id))
            self.add(circle(x + DOOR_W - 22, top + DOOR_H * 0.55, 7, "#d9c07a"))
        elif style == "shutter":
            self.add(rect(x, top, DOOR_W, DOOR_H, "#8d93ad"))
            for i in range(0, DOOR_H, 14):
                self.add(rect(x, top + i, DOOR_W, 3, "#6d7390"))
        # step and a warm pool of light on the wet threshold
        self.add(rect(x - 16, self.h - 10, DOOR_W + 32, 10, "#5a5478"))
        self.add(ellipse(self.b.door, self.h - 4, DOOR_W * 0.9, 14, "url(#halo%d)" % self.id))

    def noren(self, x0, x1, top, colour, mark=None, length=110, mark_colour="#f4ecdc"):
        n = max(2, int(round((x1 - x0) / 48.0)))
        wseg = (x1 - x0) / n
        self.add(rect(x0 - 8, top - 8, x1 - x0 + 16, 10, "#5b3d2c", rx=4))
        for i in range(n):
            sway = 3 if i % 2 else -3
            self.add(path("M%s %s h%s l%s %s h-%s z" % (
                fmt(x0 + i * wseg + 2), fmt(top), fmt(wseg - 4), fmt(sway), fmt(length),
                fmt(wseg - 4)), colour))
        self.add(rect(x0, top, x1 - x0, 10, "#000000", opacity=0.12))
        if mark:
            s = min(64, length * 0.6)
            mark(self, (x0 + x1) / 2, top + length * 0.45, s, mark_colour)

    # --- eaves -------------------------------------------------------------

    def awning(self, stripes, scallop=True, depth=82, valance=30):
        """Fabric awning seen from the front: its lower lip runs exactly over
        the dry span."""
        L, R = self.b.left, self.b.right
        lip = self.y(EAVE_Y)
        top = lip - depth
        inset = 16
        n = max(4, int(round((R - L) / 56.0)))
        if n % 2:
            n += 1
        wtop = (R - L - 2 * inset) / float(n)
        wbot = (R - L) / float(n)
        self.add(poly([(L + inset - 4, top - 6), (R - inset + 4, top - 6), (R, lip), (L, lip)],
                      "#2f2a46"))
        for i in range(n):
            c = stripes[i % len(stripes)]
            self.add(poly([(L + inset + i * wtop, top), (L + inset + (i + 1) * wtop, top),
                           (L + (i + 1) * wbot, lip), (L + i * wbot, lip)], c))
        self.add(poly([(L + inset, top), (R - inset, top), (R, lip), (L, lip)],
                      "url(#shade%d)" % self.id))
        # valance with its scalloped edge
        d = ["M%s %s" % (fmt(L), fmt(lip))]
        d.append("H%s V%s" % (fmt(R), fmt(lip + valance * 0.55)))
        for i in range(n, 0, -1):
            x_end = L + (i - 1) * wbot
            if scallop:
                d.append("Q%s %s %s %s" % (fmt(L + (i - 0.5) * wbot), fmt(lip + valance * 1.25),
                                          fmt(x_end), fmt(lip + valance * 0.55)))
            else:
                d.append("H%s" % fmt(x_end))
        d.append("Z")
        self.add("<clipPath id=\"val%d\"><path d=\"%s\"/></clipPath>" % (self.id, " ".join(d)))
        for i in range(n):
            c = stripes[i % len(stripes)]
            self.add(rect(L + i * wbot, lip, wbot + 0.5, valance * 1.3, c,
                          clip_path="url(#val%d)" % self.id))
        self.add(path(" ".join(d), "none", stroke="#2f2a46", stroke_width=4))
        self.add(rect(L, lip, R - L, 6, "#000000", opacity=0.18))
        self.drips(L, R, lip + valance * 0.9)
        self.eave_shadow(L, R, lip + valance)

    def tiled_eave(self, colour="#454b6b", beam="#5e4636"):
        """Hisashi: a short tiled roof over the shop front."""
        L, R = self.b.left, self.b.right
        lip = self.y(EAVE_Y)
        top = lip - 64
        self.add(rect(L + 10, top - 14, R - L - 20, 16, beam))
        self.add(poly([(L + 14, top), (R - 14, top), (R, lip), (L, lip)], colour))
        n = int((R - L) / 24)
        for i in range(n + 1):
            x = L + i * (R - L) / float(n)
            xt = L + 14 + i * (R - L - 28) / float(n)
            self.add(line(xt, top + 2, x, lip - 4, "#2c3049", 4))
        self.add(poly([(L + 14, top), (R - 14, top), (R, lip), (L, lip)],
                      "url(#shade%d)" % self.id, opacity=0.7))
        self.add(rect(L, lip - 4, R - L, 14, "#2c3049", rx=5))
        for i in range(n):
            x = L + (i + 0.5) * (R - L) / float(n)
            self.add(circle(x, lip + 3, 9, "#5a6186", stroke="#2c3049", stroke_width=3))
        self.add(rect(L + 14, top, R - L - 28, 5, "#a5abd2", opacity=0.35))
        self.drips(L, R, lip + 12)
        self.eave_shadow(L, R, lip + 12)

    def tin_eave(self):
        L, R = self.b.left, self.b.right
        lip = self.y(EAVE_Y)
        top = lip - 50
        self.add(poly([(L + 10, top), (R - 10, top), (R, lip), (L, lip)], "#9aa3bf"))
        for i in range(int((R - L) / 16) + 1):
            x = L + i * 16
            self.add(line(x + (10 if x < (L + R) / 2 else -10) * (1 - (x - L) / float(R - L) * 2)
                          * 0, top + 2, x, lip - 2, "#6f7894", 4))
        self.add(rect(L, lip - 6, R - L, 10, "#7a83a1"))
        self.add(rect(L, top, R - L, 50, "url(#shade%d)" % self.id, opacity=0.6))
        self.drips(L, R, lip + 4)
        self.eave_shadow(L, R, lip + 4)

    def canopy(self, colour="#9ea3b8"):
        """Flat concrete canopy over an entrance."""
        L, R = self.b.left, self.b.right
        lip = self.y(EAVE_Y)
        self.add(rect(L, lip - 30, R - L, 30, colour))
        self.add(rect(L, lip - 30, R - L, 6, "#d5d8ea", opacity=0.6))
        self.add(rect(L, lip - 4, R - L, 6, "#3c3a58", opacity=0.5))
        self.add(circle((L + R) / 2, lip + 6, 10, LAMP))
        self.add(ellipse((L + R) / 2, lip + 40, 60, 50, "url(#halo%d)" % self.id))
        self.drips(L, R, lip + 2)
        self.eave_shadow(L, R, lip + 2)

    def drips(self, L, R, y):
        r = self.r
        x = L + 14 + r.random() * 20
        while x < R - 10:
            length = 10 + r.random() * 26
            self.add(line(x, y, x, y + length, "#cfe0f2", 2.5, opacity=0.55,
                          stroke_linecap="round"))
            self.add(ellipse(x, y + length + 5, 3, 4.5, "#dbe9f7", opacity=0.75))
            x += 38 + r.random() * 70

    def eave_shadow(self, L, R, y):
        """The dry patch under the eaves is a little darker than the wall."""
        self.add(rect(L, y, R - L, self.h - y, "#10122a", opacity=0.16))

    # --- signs ------------------------------------------------------------

    def signboard(self, cx, cy, w, h, colour, icon, icon_colour="#fff6e0", border="#2f2a46"):
        self.add(rect(cx - w / 2 - 6, cy - h / 2 - 6, w + 12, h + 12, border, rx=10))
        self.add(rect(cx - w / 2, cy - h / 2, w, h, colour, rx=6))
        self.add(rect(cx - w / 2, cy - h / 2, w, h * 0.3, "#ffffff", rx=6, opacity=0.12))
        if icon:
            icon(self, cx, cy, h * 0.78, icon_colour)

    def side_sign(self, cx, top, colour, icon, h=210, w=78, lit=True):
        """Vertical sign sticking out from the wall."""
        self.add(rect(cx - 4, top - 12, 8, 12, "#2f2a46"))
        if lit:
            self.add(ellipse(cx, top + h / 2, w * 1.3, h * 0.75, "url(#halo%d)" % self.id))
        self.add(rect(cx - w / 2 - 5, top - 5, w + 10, h + 10, "#2f2a46", rx=8))
        self.add(rect(cx - w / 2, top, w, h, colour, rx=5))
        for k in range(3):
            icon(self, cx, top + h * (k + 0.5) / 3.0, w * 0.62, "#fff6e0") if k == 1 else None
        self.add(circle(cx, top + h * 0.17, w * 0.12, "#fff6e0", opacity=0.85))
        self.add(circle(cx, top + h * 0.83, w * 0.12, "#fff6e0", opacity=0.85))

    def lantern(self, cx, top, colour="#d9473f", h=90, w=62):
        self.add(ellipse(cx, top + h / 2, w * 1.4, h * 1.1, "url(#halo%d)" % self.id))
        self.add(rect(cx - 2, top - 24, 4, 24, "#2f2a46"))
        self.add(rect(cx - w * 0.32, top - 6, w * 0.64, 10, "#2f2a46", rx=3))
        self.add(ellipse(cx, top + h / 2, w / 2, h / 2, colour, stroke="#2f2a46", stroke_width=4))
        for k in (-0.3, 0, 0.3):
            self.add(path("M%s %s Q%s %s %s %s" % (fmt(cx - w / 2 + 4), fmt(top + h / 2 + k * h),
                                                  fmt(cx), fmt(top + h / 2 + k * h + 6),
                                                  fmt(cx + w / 2 - 4), fmt(top + h / 2 + k * h)),
                          "none", stroke="#000000", stroke_width=2, opacity=0.25))
        self.add(ellipse(cx - w * 0.15, top + h * 0.35, w * 0.12, h * 0.2, "#ffe0a0", opacity=0.6))
        self.add(rect(cx - w * 0.32, top + h - 4, w * 0.64, 10, "#2f2a46", rx=3))

    def pipe(self, x, top):
        self.add(rect(x - 7, top, 14, self.h - top, "#6d6a8c"))
        self.add(rect(x - 7, top, 4, self.h - top, "#9d9ac0", opacity=0.6))
        self.add(ellipse(x, self.h - 4, 22, 6, "#cfe0f2", opacity=0.35))

    def plant(self, cx, size=1.0, pot="#a8634a"):
        s = size
        self.add(ellipse(cx, self.h - 58 * s, 40 * s, 46 * s, "#4f7a5c"))
        self.add(ellipse(cx - 20 * s, self.h - 70 * s, 22 * s, 26 * s, "#5f8d6a"))
        self.add(ellipse(cx + 18 * s, self.h - 82 * s, 20 * s, 22 * s, "#6d9c76"))
        self.add(path("M%s %s h%s l-%s %s h-%s z" % (fmt(cx - 30 * s), fmt(self.h - 36 * s), fmt(60 * s),
                                                   fmt(8 * s), fmt(36 * s), fmt(44 * s)), pot))

    def svg(self):
        return document(W, self.h, self.items, self.defs)


# --- the buildings --------------------------------------------------------

def bread_stock(f, x0, top, x1, bottom):
    for k, x in enumerate(range(int(x0) + 20, int(x1) - 40, 56)):
        y = bottom - 70 if k % 2 else bottom - 120
        f.add(rect(x - 4, y + 34, 56, 6, "#7a5a44"))
        f.add(ellipse(x + 24, y + 20, 26, 16, "#c98a4b", stroke="#8a5a2e", stroke_width=3))
        f.add(line(x + 14, y + 14, x + 20, y + 26, "#f0c98c", 3))
        f.add(line(x + 28, y + 12, x + 34, y + 24, "#f0c98c", 3))


def b_bakery(f):
    b = f.b
    top = f.y(b.height - 30)
    f.body(6, 794, top, "#d9c6a8")
    f.flat_roof(6, 794, top + 4)
    f.add(rect(6, top + 4, 788, 30, "#c7a98a"))
    f.upper_windows(60, 740, f.y(b.height - 60), f.y(GROUND_FLOOR + 20), 3, [True, False, True],
                    curtain="#e9b7a7")
    f.add(rect(6, f.y(GROUND_FLOOR + 8), 788, 16, "#8a6a52"))
    f.shop_window(40, 300, bread_stock)
    f.shop_window(500, 760, bread_stock)
    f.door("glass", "#7a5a44")
    f.awning(["#c9504f", "#f1e4cc"])
    f.signboard(400, f.y(EAVE_Y + 150), 300, 78, "#7a5a44", icons.bread)
    f.plant(74, 0.8)


def b_teashop(f):
    b = f.b
    top = f.y(b.height - 80)
    f.body(10, 790, top, "#6a5040", trim="#3b2a22")
    f.tiled_roof(10, 790, top + 10, depth=70)
    # upper storey: mushiko-mado slits of a town house
    for i in range(9):
        x = 150 + i * 58
        f.add(rect(x, f.y(GROUND_FLOOR + 122), 30, 96, "url(#lampglow%d)" % f.id, rx=14))
        f.add(rect(x, f.y(GROUND_FLOOR + 122), 30, 96, "none", rx=14, stroke="#3b2a22",
                   stroke_width=5))
    f.add(rect(10, f.y(GROUND_FLOOR), 780, GROUND_FLOOR, "#5e4636"))
    # lattice front (koshi) on both sides of the door
    for x0, x1 in ((40, b.door - DOOR_W / 2 - 30), (b.door + DOOR_W / 2 + 30, 760)):
        f.add(rect(x0, f.y(290), x1 - x0, 240, "url(#lampglow%d)" % f.id))
        x = x0
        while x < x1:
            f.add(rect(x, f.y(290), 8, 240, "#4a3428"))
            x += 18
        f.add(rect(x0, f.y(290), x1 - x0, 240, "none", stroke="#3b2a22", stroke_width=8))
    f.door("lattice", "#4a3428")
    f.tiled_eave()
    f.noren(b.door - DOOR_W / 2 - 20, b.door + DOOR_W / 2 + 20, f.y(DOOR_H) + 2, "#3f6b55",
            icons.teacup)
    f.side_sign(88, f.y(GROUND_FLOOR + 120), "#2f2422", icons.teacup, h=170, w=70)
    f.add(rect(640, f.y(90), 90, 90, "#7a5a44"))
    f.add(rect(650, f.y(80), 70, 10, "#caa979"))


def book_stock(f, x0, top, x1, bottom):
    cols = ["#c9504f", "#3f6f5a", "#e0b44c", "#4d6fa6", "#8a5a8f", "#e9d8c0"]
    for shelf in range(3):
        y = top + 20 + shelf * 74
        f.add(rect(x0 + 6, y + 60, x1 - x0 - 12, 8, "#6e4b3a"))
        x = x0 + 14
        k = shelf * 3
        while x < x1 - 26:
            w = 14 + (k * 7) % 12
            hgt = 42 + (k * 13) % 18
            f.add(rect(x, y + 60 - hgt, w, hgt, cols[k % len(cols)]))
            x += w + 3
            k += 1


def b_bookshop(f):
    b = f.b
    top = f.y(b.height - 20)
    f.body(8, 792, top, "#8d9bb0")
    f.flat_roof(8, 792, top + 4)
    f.upper_windows(40, 760, f.y(b.height - 40), f.y(GROUND_FLOOR + 40), 4,
                    [False, True, True, False], wh=120)
    f.shop_window(110, b.door - DOOR_W / 2 - 30, book_stock)
    f.shop_window(b.door + DOOR_W / 2 + 30, 770, book_stock)
    f.door("glass", "#355a4a")
    f.awning(["#3f6f5a", "#3f6f5a", "#e8e0c8"], scallop=False)
    f.signboard(360, f.y(EAVE_Y + 140), 320, 80, "#3f6f5a", icons.book)
    f.pipe(24, top + 10)
    # a cart of bargain books by the wall, under the awning
    f.add(rect(128, f.y(120), 120, 70, "#6e4b3a"))
    f.add(rect(128, f.y(50), 10, 50, "#4a3428"))
    f.add(rect(238, f.y(50), 10, 50, "#4a3428"))
    for i in range(6):
        f.add(rect(134 + i * 19, f.y(150), 15, 32, ["#c9504f", "#e0b44c", "#4d6fa6"][i % 3]))


def flower_bucket(f, cx, colour):
    f.add(path("M%s %s h%s l-8 60 h-%s z" % (fmt(cx - 28), fmt(f.y(60)), fmt(56), fmt(40)),
               "#6b7fa8"))
    f.add(rect(cx - 28, f.y(60), 56, 8, "#8fa2c8"))
    for k in range(5):
        x = cx - 22 + k * 11
        y = f.y(88 + (k % 2) * 16)
        f.add(line(x, y, x, f.y(60), "#4f7a5c", 4))
        f.add(circle(x, y, 11, colour))
        f.add(circle(x, y, 4, "#fff0b0"))


def flower_stock(f, x0, top, x1, bottom):
    cols = ["#f29bb2", "#f6d36b", "#e86f6f", "#c7a0e8"]
    for k, x in enumerate(range(int(x0) + 30, int(x1) - 20, 44)):
        f.add(line(x, bottom - 10, x, bottom - 90 - (k % 3) * 20, "#4f7a5c", 4))
        f.add(circle(x, bottom - 90 - (k % 3) * 20, 16, cols[k % 4]))


def b_florist(f):
    b = f.b
    top = f.y(b.height - 30)
    f.body(10, 790, top, "#e3d0d6")
    f.flat_roof(10, 790, top + 4, "#6a5a7a")
    f.upper_windows(60, 740, f.y(b.height - 70), f.y(GROUND_FLOOR + 20), 3, [False, True, True],
                    curtain="#f3c9d3")
    for x in (170, 630):
        f.add(rect(x - 60, f.y(GROUND_FLOOR + 70), 120, 24, "#7a5a44"))
        for k in range(5):
            f.add(circle(x - 48 + k * 24, f.y(GROUND_FLOOR + 76), 13, ["#f29bb2", "#f6d36b"][k % 2]))
    f.shop_window(50, b.door - DOOR_W / 2 - 30, flower_stock)
    f.shop_window(b.door + DOOR_W / 2 + 30, 760, flower_stock)
    f.door("glass", "#6a8a6e")
    f.awning(["#f1a7b8", "#f8eef0"])
    f.signboard(300, f.y(EAVE_Y + 140), 280, 76, "#6a8a6e", icons.flower)
    for cx, col in ((110, "#f29bb2"), (190, "#f6d36b"), (560, "#e86f6f")):
        flower_bucket(f, cx, col)


def b_ramen(f):
    b = f.b
    top = f.y(b.height - 30)
    f.body(12, 788, top, "#7a4a44", trim="#3b2222")
    f.flat_roof(12, 788, top + 4, "#3f2f3f")
    f.upper_windows(60, 740, f.y(b.height - 80), f.y(GROUND_FLOOR + 40), 2, [True, True],
                    curtain="#d9c4a0")
    f.add(rect(12, f.y(GROUND_FLOOR), 776, GROUND_FLOOR, "#5a2e2a"))
    f.shop_window(130, b.door - DOOR_W / 2 - 40, None)
    # steam and a counter seen through the glass
    f.add(rect(130, f.y(150), b.door - DOOR_W / 2 - 170, 18, "#6e4b3a"))
    f.shop_window(b.door + DOOR_W / 2 + 40, 680, None)
    f.add(rect(b.door + DOOR_W / 2 + 40, f.y(150), 680 - b.door - DOOR_W / 2 - 40, 18, "#6e4b3a"))
    f.door("lattice", "#3b2222")
    f.tiled_eave(colour="#8a3b36")
    f.noren(b.door - DOOR_W / 2 - 30, b.door + DOOR_W / 2 + 30, f.y(DOOR_H) + 2, "#c2413b",
            icons.bowl, length=120)
    for x in (160, 640):
        f.lantern(x, f.y(EAVE_Y - 40))
    f.signboard(400, f.y(EAVE_Y + 150), 340, 86, "#c2413b", icons.bowl)
    f.side_sign(740, f.y(GROUND_FLOOR + 260), "#c2413b", icons.bowl)


def b_sweets(f):
    b = f.b
    top = f.y(b.height - 80)
    f.body(10, 790, top, "#e2d4b8", trim="#6e5a44")
    f.tiled_roof(10, 790, top + 10, depth=70)
    # timber frame on plaster
    for x in (10, 270, 530, 784):
        f.add(rect(x, top + 10, 16, f.h - top, "#6e4b3a"))
    f.add(rect(10, f.y(GROUND_FLOOR + 10), 780, 20, "#6e4b3a"))
    f.upper_windows(60, 740, f.y(b.height - 100), f.y(GROUND_FLOOR + 30), 3, [True, False, True],
                    curtain="#f3e3c0")
    f.shop_window(60, b.door - DOOR_W / 2 - 40, sweets_stock)
    f.shop_window(b.door + DOOR_W / 2 + 40, 740, sweets_stock)
    f.door("lattice", "#5e4636")
    f.tiled_eave()
    f.noren(b.door - DOOR_W / 2 - 30, b.door + DOOR_W / 2 + 30, f.y(DOOR_H) + 2, "#33446f",
            icons.dango, length=120)
    f.signboard(400, f.y(EAVE_Y + 170), 320, 80, "#33446f", icons.dango)
    # a bench for customers, under the eaves
    f.add(rect(620, f.y(70), 130, 14, "#c2413b"))
    f.add(rect(630, f.y(56), 8, 56, "#5e4636"))
    f.add(rect(734, f.y(56), 8, 56, "#5e4636"))


def sweets_stock(f, x0, top, x1, bottom):
    for k, x in enumerate(range(int(x0) + 30, int(x1) - 30, 60)):
        y = bottom - 60 - (k % 2) * 70
        f.add(rect(x - 26, y + 18, 52, 8, "#6e4b3a"))
        icons.dango(f, x, y, 50, "#fff6e0")


def b_tofu(f):
    b = f.b
    top = f.y(b.height - 60)
    f.body(16, 784, top, "#eae4d8", trim="#6e6a80")
    f.tiled_roof(16, 784, top + 10, depth=60)
    f.upper_windows(80, 720, f.y(b.height - 90), f.y(GROUND_FLOOR + 10), 2, [True, False],
                    curtain="#cfd8e8")
    f.add(rect(16, f.y(GROUND_FLOOR), 768, GROUND_FLOOR, "#d9d2c3"))
    f.add(rect(16, f.y(130), 768, 130, "#7c7489"))
    f.add(rect(16, f.y(130), 768, 6, "#a7a0b8"))
    f.door("glass", "#6e6a80")
    f.shop_window(230, b.door - DOOR_W / 2 - 24, tofu_stock)
    f.shop_window(b.door + DOOR_W / 2 + 24, 570, tofu_stock)
    f.tiled_eave(colour="#4d5a7a")
    f.noren(b.door - DOOR_W / 2 - 26, b.door + DOOR_W / 2 + 26, f.y(DOOR_H) + 2, "#f4f0e6",
            icons.tofu, length=100, mark_colour="#33446f")
    f.side_sign(90, f.y(GROUND_FLOOR + 125), "#33446f", icons.tofu, h=170)
    f.pipe(770, top + 16)
    f.plant(680, 0.9)


def tofu_stock(f, x0, top, x1, bottom):
    f.add(rect(x0 + 8, bottom - 70, x1 - x0 - 16, 60, "#6b7fa8"))
    f.add(rect(x0 + 8, bottom - 70, x1 - x0 - 16, 10, "#c7d5ef", opacity=0.6))
    for x in range(int(x0) + 20, int(x1) - 34, 36):
        f.add(rect(x, bottom - 58, 28, 20, "#fbf8f0", rx=3))


def b_hardware(f):
    b = f.b
    top = f.y(b.height - 20)
    f.body(8, 792, top, "#8c8f9f")
    f.flat_roof(8, 792, top + 4)
    f.upper_windows(60, 740, f.y(b.height - 60), f.y(GROUND_FLOOR + 40), 3, [False, True, False],
                    wh=150)
    f.add(rect(560, f.y(GROUND_FLOOR), 232, GROUND_FLOOR, "#7a7d8e"))
    f.door("glass", "#555c78")
    f.shop_window(20, b.door - DOOR_W / 2 - 24, tool_stock)
    f.shop_window(b.door + DOOR_W / 2 + 24, 500, tool_stock)
    # closed half of the shop front: a shutter, no roof over it
    f.add(rect(560, f.y(300), 210, 300, "#9aa0b8"))
    for i in range(0, 300, 14):
        f.add(rect(560, f.y(300) + i, 210, 3, "#7a8098"))
    f.tin_eave()
    f.signboard(260, f.y(EAVE_Y + 150), 360, 80, "#e0b44c", icons.hammer, icon_colour="#2f2a46")
    # buckets and a broom out front
    for k, x in enumerate((70, 130)):
        f.add(path("M%s %s h50 l-6 56 h-38 z" % (fmt(x - 25), fmt(f.y(56))),
                   ["#4d6fa6", "#c9504f"][k]))
    f.add(line(190, f.y(10), 214, f.y(190), "#c7a56a", 8))
    f.add(path("M%s %s l30 -10 l14 60 l-40 10 z" % (fmt(176), fmt(f.y(40))), "#e0b44c"))


def tool_stock(f, x0, top, x1, bottom):
    f.add(rect(x0 + 6, top + 10, x1 - x0 - 12, bottom - top - 20, "#6e4b3a", opacity=0.35))
    for k, x in enumerate(range(int(x0) + 26, int(x1) - 20, 40)):
        y = top + 40 + (k % 3) * 60
        f.add(circle(x, y - 10, 4, "#2f2a46"))
        icons.hammer(f, x, y + 22, 52, ["#4a4262", "#c9504f", "#355a4a"][k % 3])


def b_futon(f):
    b = f.b
    top = f.y(b.height - 30)
    f.body(10, 790, top, "#c9b08a")
    f.flat_roof(10, 790, top + 4)
    # futons airing on the balcony rail, pulled in for the rain
    f.add(rect(40, f.y(GROUND_FLOOR + 70), 720, 14, "#6e5a44"))
    f.upper_windows(60, 740, f.y(b.height - 70), f.y(GROUND_FLOOR + 90), 3, [True, True, False],
                    curtain="#f1d3a4")
    f.shop_window(150, b.door - DOOR_W / 2 - 30, futon_stock)
    f.door("glass", "#4d6fa6")
    f.awning(["#4d6fa6", "#e8edf6"])
    f.signboard(360, f.y(EAVE_Y + 150), 360, 82, "#4d6fa6", icons.futon)
    f.add(rect(b.door + DOOR_W / 2 + 24, f.y(290), 760 - b.door - DOOR_W / 2 - 24, 290, "#b89c78"))
    f.plant(50, 0.7)


def futon_stock(f, x0, top, x1, bottom):
    cols = ["#e9b7a7", "#a7c4e9", "#f3e3c0", "#c7e0b0", "#e9d0f0"]
    y = bottom - 10
    k = 0
    while y > top + 40:
        f.add(rect(x0 + 24 + (k % 2) * 10, y - 30, x1 - x0 - 60, 30, cols[k % len(cols)], rx=12,
                   stroke="#6e5a44", stroke_width=3))
        y -= 33
        k += 1


def b_fishmonger(f):
    b = f.b
    top = f.y(b.height - 30)
    f.body(10, 790, top, "#a9b7c6")
    f.flat_roof(10, 790, top + 4)
    f.upper_windows(60, 740, f.y(b.height - 70), f.y(GROUND_FLOOR + 30), 3, [True, False, True])
    # open front: a wide counter of fish on ice
    f.add(rect(30, f.y(300), 740, 300, "url(#lampglow%d)" % f.id))
    f.add(rect(30, f.y(300), 740, 300, "#2f2a46", opacity=0.25))
    f.door("glass", "#355a88")
    for x0, x1 in ((50, b.door - DOOR_W / 2 - 20), (b.door + DOOR_W / 2 + 20, 750)):
        f.add(path("M%s %s h%s l20 60 h-%s z" % (fmt(x0), fmt(f.y(150)), fmt(x1 - x0),
                                                  fmt(x1 - x0 + 40)), "#e6eef8"))
        f.add(rect(x0 - 20, f.y(90), x1 - x0 + 40, 90, "#6b7fa8"))
        for x in range(int(x0) + 30, int(x1) - 20, 60):
            icons.fish(f, x, f.y(130), 54, ["#8fa7c8", "#d98a7a", "#c9cfe0"][(x // 60) % 3])
    f.awning(["#355a88", "#f3f6fb"])
    f.signboard(400, f.y(EAVE_Y + 150), 340, 82, "#355a88", icons.fish)
    f.pipe(24, top + 10)


def b_apartment(f):
    b = f.b
    top = 0
    f.body(0, 800, top, "#b4a88f", trim="#5a5270")
    # balconies on every floor above the entrance storey
    for k, y in enumerate(range(40, b.height - 320, 180)):
        f.add(rect(0, y + 110, 800, 60, "#9a8e78"))
        for i in range(4):
            x = 30 + i * 195
            lit = (k + i) % 3 != 1
            f.window(x + 20, y, 140, 100, lit=lit, curtain="#e9cfa8" if lit else None)
        f.add(rect(0, y + 110, 800, 8, "#d8ccb2"))
        for x in range(10, 800, 22):
            f.add(rect(x, y + 118, 5, 52, "#6d6a8c"))
        f.add(rect(0, y + 166, 800, 10, "#7d7290"))
    f.add(rect(0, f.y(260), 800, 260, "#a89c84"))
    for x in (60, 230, 560, 700):
        f.window(x, f.y(230), 90, 120, lit=(x != 230), curtain=None)
    f.door("glass", "#4a4262")
    f.canopy()
    f.add(rect(b.door + 90, f.y(200), 70, 40, "#4a4262", rx=4))
    f.add(rect(b.door + 96, f.y(194), 58, 28, "#d8e4f5"))
    f.plant(200, 0.9, pot="#7c7489")
    f.plant(620, 0.9, pot="#7c7489")
    f.pipe(792, 0)


def b_parking(f):
    b = f.b
    # open lot: the distant town shows through above the fence
    f.add(rect(0, f.y(120), 800, 120, "#4d4a6a"))
    f.add(rect(0, f.y(120), 800, 8, "#8d8fb8", opacity=0.5))
    for x in range(0, 800, 40):
        f.add(rect(x + 8, f.y(116), 24, 100, "#3b3858", opacity=0.5))
    # a parked car in the dark
    f.add(path("M220 %s q10 -60 90 -64 h120 q60 4 90 60 h40 q20 0 20 24 v30 h-380 v-30 q0 -20 20 -20 z"
               % fmt(f.y(110)), "#6f86b8"))
    f.add(path("M320 %s q8 -44 40 -46 h70 q40 2 60 46 z" % fmt(f.y(114)), "#2f3658"))
    for x in (300, 560):
        f.add(circle(x, f.y(40), 28, "#2b2645"))
        f.add(circle(x, f.y(40), 12, "#8d8fb8"))
    f.add(ellipse(600, f.y(86), 14, 8, LAMP_HOT))
    # pay machine and its lamp, plus the P sign on a pole
    f.add(rect(700, f.y(180), 60, 180, "#d8dce8", rx=6))
    f.add(rect(712, f.y(160), 36, 30, "#6d9cd0"))
    f.add(line(110, f.y(0), 110, f.y(b.height - 120), "#6d6a8c", 12))
    f.add(rect(40, f.y(b.height - 40), 140, 140, "#2f6fc0", rx=16, stroke="#e8eef8",
               stroke_width=8))
    icons.letter_p(f, 110, f.y(b.height - 110), 110, "#ffffff")
    # the low chain fence along the street
    for x in range(20, 800, 120):
        f.add(rect(x - 6, f.y(90), 12, 90, "#c9c3da"))
        f.add(rect(x - 6, f.y(90), 12, 16, "#e0b44c"))
    for x in range(20, 680, 120):
        f.add(path("M%s %s q60 30 120 0" % (fmt(x), fmt(f.y(70))), "none", stroke="#c9c3da",
                   stroke_width=4))


def b_office(f):
    b = f.b
    f.body(0, 800, 0, "#76809e", trim="#3b3a5a")
    # band windows, some offices still working late
    lit = f.r
    for row, y in enumerate(range(30, b.height - 300, 120)):
        f.add(rect(0, y + 86, 800, 34, "#8d96b4"))
        for i in range(6):
            x = 16 + i * 130
            on = lit.random() < 0.55
            f.add(rect(x, y, 118, 82, "url(#lampglow%d)" % f.id if on else "url(#glass%d)" % f.id))
            f.add(rect(x, y, 118, 82, "none", stroke="#3b3a5a", stroke_width=6))
            if on and lit.random() < 0.5:
                f.add(rect(x + 20, y + 52, 40, 30, "#7a6a88", opacity=0.5))
    f.add(rect(0, f.y(280), 800, 280, "#5c6684"))
    f.add(rect(0, f.y(280), 800, 14, "#9aa3c4"))
    for x in (40, 560):
        f.add(rect(x, f.y(250), 200, 220, "url(#glass%d)" % f.id))
        f.add(rect(x, f.y(250), 200, 220, "none", stroke="#3b3a5a", stroke_width=8))
        f.add(rect(x + 97, f.y(250), 6, 220, "#3b3a5a"))
    f.door("glass", "#3b3a5a")
    f.canopy("#b3b8cc")
    f.add(rect(260, f.y(270), 280, 40, "#2f3452"))
    f.add(rect(276, f.y(258), 248, 16, "#d8dce8", opacity=0.8))
    f.pipe(8, 0)


def coffee_stock(f, x0, top, x1, bottom):
    f.add(rect(x0 + 10, bottom - 80, x1 - x0 - 20, 14, "#6e4b3a"))
    for x in range(int(x0) + 40, int(x1) - 30, 70):
        icons.coffee(f, x, bottom - 110, 50, "#f4ecdc")
    f.add(circle((x0 + x1) / 2, top + 50, 22, LAMP_HOT))
    f.add(line((x0 + x1) / 2, top, (x0 + x1) / 2, top + 30, "#4a3428", 3))


def b_coffee(f):
    b = f.b
    top = f.y(b.height - 30)
    f.body(8, 792, top, "#9a5a48", trim="#4a2a22")
    f.flat_roof(8, 792, top + 4, "#4a3a48")
    # brick courses
    for y in range(int(top) + 30, int(f.y(GROUND_FLOOR)), 26):
        off = 0 if (y // 26) % 2 else 30
        for x in range(8 + off, 792, 60):
            f.add(rect(x, y, 56, 22, "#a8644f", opacity=0.55))
    f.upper_windows(80, 720, f.y(b.height - 70), f.y(GROUND_FLOOR + 20), 2, [True, True],
                    curtain="#e9cfa8")
    f.add(rect(8, f.y(GROUND_FLOOR), 784, GROUND_FLOOR, "#5a3a30"))
    f.door("wood", "#6b4a3a")
    f.shop_window(b.door + DOOR_W / 2 + 40, 720, coffee_stock)
    f.awning(["#6b4a3a", "#6b4a3a", "#d9c4a0"], scallop=True)
    f.signboard(450, f.y(EAVE_Y + 150), 320, 80, "#2f2422", icons.coffee, icon_colour="#f4ecdc")
    f.side_sign(760, f.y(GROUND_FLOOR + 260), "#6b4a3a", icons.coffee, h=180)
    # chalk menu stand by the door
    f.add(path("M%s %s l30 -120 l30 120 z" % (fmt(76), fmt(f.y(0))), "#6e4b3a"))
    f.add(rect(84, f.y(104), 44, 70, "#2f3a36"))


def b_vending(f):
    b = f.b
    # a narrow lot between houses: a hedge, a fence and a row of machines
    f.add(rect(0, f.y(200), 470, 200, "#4f6a5c"))
    for k in range(14):
        f.add(circle(20 + k * 34, f.y(196) + (k % 2) * 8, 30, "#5f7e6a"))
    for x in range(10, 470, 30):
        f.add(rect(x, f.y(150), 10, 150, "#c9c3da", opacity=0.9))
    f.add(rect(0, f.y(140), 470, 10, "#c9c3da"))
    f.add(rect(0, f.y(40), 470, 10, "#c9c3da"))
    # a house behind, dark but for one window
    f.add(poly([(40, f.y(400)), (250, f.y(560)), (460, f.y(400))], "#3f4563"))
    f.add(rect(70, f.y(400), 360, 190, "#6a6688"))
    f.window(200, f.y(370), 100, 90, lit=True, curtain="#e9cfa8")
    # the machines' little roof: it covers exactly the machines' front
    L, R = b.left, b.right
    f.add(rect(L + 10, f.y(EAVE_Y - 30), R - L - 20, EAVE_Y - 30, "#4a4262"))
    cols = ["#c9504f", "#3f7fd0", "#eeeeee"]
    mw = (R - L - 40) / 3.0
    for i in range(3):
        x = L + 20 + i * mw
        f.add(ellipse(x + mw / 2, f.y(150), mw, 180, "url(#halo%d)" % f.id))
        f.add(rect(x + 4, f.y(270), mw - 8, 270, cols[i], rx=6, stroke="#2f2a46", stroke_width=4))
        f.add(rect(x + 16, f.y(250), mw - 32, 100, LAMP_HOT))
        for r_ in range(2):
            for c in range(4):
                f.add(rect(x + 20 + c * (mw - 40) / 4.0, f.y(240) + r_ * 48, (mw - 48) / 4.0, 36,
                           ["#e86f6f", "#6fb3e8", "#f6d36b", "#8fd08f"][(c + r_ + i) % 4], rx=6))
        f.add(rect(x + 16, f.y(120), mw - 32, 40, "#2f2a46"))
    # two posts hold the little roof up
    for x in (L + 12, R - 12):
        f.add(rect(x - 5, f.y(EAVE_Y), 10, EAVE_Y, "#555c78"))
    f.tin_eave()


def b_laundry(f):
    b = f.b
    top = f.y(b.height - 30)
    f.body(10, 790, top, "#e8eaf2", trim="#6e7494")
    f.flat_roof(10, 790, top + 4, "#5a6a8a")
    f.upper_windows(60, 740, f.y(b.height - 70), f.y(GROUND_FLOOR + 30), 3, [True, True, False],
                    curtain="#cfe0f2")
    f.shop_window(160, b.door - DOOR_W / 2 - 30, laundry_stock)
    f.shop_window(b.door + DOOR_W / 2 + 30, 640, laundry_stock)
    f.door("glass", "#5a7ab0")
    f.awning(["#8fc1e3", "#f3f8fc"], scallop=False)
    f.signboard(400, f.y(EAVE_Y + 150), 300, 80, "#5a7ab0", icons.shirt)
    f.pipe(778, top + 10)
    # a drain grate and a tidy row of plants along the open end
    f.plant(720, 0.8)
    f.plant(80, 0.8)


def laundry_stock(f, x0, top, x1, bottom):
    f.add(line(x0 + 6, top + 30, x1 - 6, top + 30, "#6e7494", 4))
    cols = ["#f4f6fb", "#a7c4e9", "#f3e3c0", "#e9b7a7"]
    for k, x in enumerate(range(int(x0) + 40, int(x1) - 20, 64)):
        icons.shirt(f, x, top + 90, 80, cols[k % 4], hook=True)


DRAW = [b_bakery, b_teashop, b_bookshop, b_florist, b_ramen, b_sweets, b_tofu, b_hardware,
        b_futon, b_fishmonger, b_apartment, b_parking, b_office, b_coffee, b_vending, b_laundry]


def building_svg(n):
    f = Facade(BUILDINGS[n], n)
    DRAW[n](f)
    return f.svg()


def building_group(n):
    """The building's drawing without the <svg> wrapper, for reuse on the
    stage boards; returns (defs, body, height)."""
    f = Facade(BUILDINGS[n], n)
    DRAW[n](f)
    return "".join(f.defs), "".join(f.items), f.h


if __name__ == "__main__":
    out = sys.argv[1]
    for n in range(len(BUILDINGS)):
        with open(os.path.join(out, "building_%d.svg" % n), "w") as fh:
            fh.write(building_svg(n))
