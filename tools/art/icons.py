"""Shop sign pictograms. Signs carry pictures, not words, so the street
reads at a glance and needs no font when it is rendered.

Every icon is icon(target, cx, cy, size, colour): it adds SVG pieces to
`target` (anything with an add(*items) method) centred on (cx, cy) and
about `size` pixels tall."""

from svg import circle, ellipse, fmt, glyph, line, path, poly, rect


def _k(size):
    return size / 100.0


def bread(t, cx, cy, size, colour):
    k = _k(size)
    t.add(ellipse(cx, cy + 6 * k, 46 * k, 28 * k, colour))
    t.add(ellipse(cx, cy + 2 * k, 40 * k, 20 * k, "#c98a4b", opacity=0.45))
    for dx in (-22, 0, 22):
        t.add(line(cx + (dx - 8) * k, cy - 6 * k, cx + (dx + 6) * k, cy + 16 * k, "#8a5a2e",
                   6 * k, stroke_linecap="round"))


def teacup(t, cx, cy, size, colour):
    k = _k(size)
    t.add(path("M%s %s h%s q0 %s -%s %s h-%s q-%s 0 -%s -%s z" % (
        fmt(cx - 38 * k), fmt(cy - 6 * k), fmt(76 * k), fmt(46 * k), fmt(26 * k), fmt(46 * k),
        fmt(24 * k), fmt(26 * k), fmt(26 * k), fmt(46 * k)), colour))
    t.add(rect(cx - 44 * k, cy + 40 * k, 88 * k, 8 * k, colour, rx=4 * k))
    for dx in (-14, 12):
        t.add(path("M%s %s q-%s -%s 0 -%s q%s -%s 0 -%s" % (
            fmt(cx + dx * k), fmt(cy - 14 * k), fmt(10 * k), fmt(10 * k), fmt(20 * k),
            fmt(10 * k), fmt(10 * k), fmt(22 * k)), "none", stroke=colour,
            stroke_width=fmt(6 * k), stroke_linecap="round"))


def book(t, cx, cy, size, colour):
    k = _k(size)
    t.add(path("M%s %s q%s -%s %s 0 v%s q-%s -%s -%s 0 z" % (
        fmt(cx), fmt(cy - 26 * k), fmt(-24 * k), fmt(14 * k), fmt(-48 * k), fmt(60 * k),
        fmt(-24 * k), fmt(-14 * k), fmt(-48 * k)), colour))
    t.add(path("M%s %s q%s -%s %s 0 v%s q-%s -%s -%s 0 z" % (
        fmt(cx + 4 * k), fmt(cy - 26 * k), fmt(24 * k), fmt(14 * k), fmt(48 * k), fmt(60 * k),
        fmt(24 * k), fmt(-14 * k), fmt(48 * k)), colour))
    for i in range(3):
        y = cy - 8 * k + i * 12 * k
        t.add(line(cx - 38 * k, y, cx - 10 * k, y + 3 * k, "#6e6a80", 3 * k))
        t.add(line(cx + 14 * k, y + 3 * k, cx + 42 * k, y, "#6e6a80", 3 * k))


def flower(t, cx, cy, size, colour):
    k = _k(size)
    import math
    for i in range(5):
        a = i * 2 * math.pi / 5 - math.pi / 2
        t.add(circle(cx + math.cos(a) * 22 * k, cy - 6 * k + math.sin(a) * 22 * k, 17 * k, colour))
    t.add(circle(cx, cy - 6 * k, 13 * k, "#f6d36b"))
    t.add(line(cx, cy + 14 * k, cx, cy + 48 * k, colour, 6 * k))


def bowl(t, cx, cy, size, colour):
    k = _k(size)
    t.add(line(cx + 6 * k, cy - 44 * k, cx + 40 * k, cy - 2 * k, colour, 5 * k, stroke_linecap="round"))
    t.add(line(cx + 18 * k, cy - 46 * k, cx + 46 * k, cy - 6 * k, colour, 5 * k, stroke_linecap="round"))
    t.add(path("M%s %s h%s q0 %s -%s %s h-%s q-%s 0 -%s -%s z" % (
        fmt(cx - 46 * k), fmt(cy), fmt(92 * k), fmt(40 * k), fmt(30 * k), fmt(40 * k),
        fmt(32 * k), fmt(30 * k), fmt(30 * k), fmt(40 * k)), colour))
    for dx in (-22, -4):
        t.add(path("M%s %s q-%s -%s 0 -%s q%s -%s 0 -%s" % (
            fmt(cx + dx * k), fmt(cy - 8 * k), fmt(8 * k), fmt(9 * k), fmt(18 * k), fmt(8 * k),
            fmt(9 * k), fmt(18 * k)), "none", stroke=colour, stroke_width=fmt(5 * k),
            stroke_linecap="round"))


def dango(t, cx, cy, size, colour):
    k = _k(size)
    t.add(line(cx - 40 * k, cy + 34 * k, cx + 40 * k, cy - 34 * k, "#c7a56a", 6 * k,
               stroke_linecap="round"))
    cols = ["#f29bb2", colour, "#8fc08a"]
    for i in range(3):
        t.add(circle(cx - 22 * k + i * 22 * k, cy + 18 * k - i * 19 * k, 15 * k, cols[i],
                     stroke="#6e4b3a", stroke_width=fmt(2 * k)))


def tofu(t, cx, cy, size, colour):
    k = _k(size)
    t.add(path("M%s %s l%s -%s h%s l-%s %s z" % (
        fmt(cx - 38 * k), fmt(cy - 14 * k), fmt(16 * k), fmt(16 * k), fmt(60 * k), fmt(16 * k),
        fmt(16 * k)), colour, opacity=0.8))
    t.add(rect(cx - 38 * k, cy - 14 * k, 60 * k, 50 * k, colour, rx=4 * k))
    t.add(path("M%s %s l%s -%s v%s l-%s %s z" % (
        fmt(cx + 22 * k), fmt(cy - 14 * k), fmt(16 * k), fmt(16 * k), fmt(50 * k), fmt(16 * k),
        fmt(16 * k)), colour, opacity=0.6))


def hammer(t, cx, cy, size, colour):
    k = _k(size)
    t.add(line(cx - 26 * k, cy + 40 * k, cx + 10 * k, cy - 20 * k, colour, 12 * k,
               stroke_linecap="round"))
    t.add(path("M%s %s l%s %s l-%s %s l-%s -%s z" % (
        fmt(cx - 14 * k), fmt(cy - 34 * k), fmt(46 * k), fmt(26 * k), fmt(10 * k), fmt(18 * k),
        fmt(46 * k), fmt(26 * k)), colour))


def futon(t, cx, cy, size, colour):
    k = _k(size)
    t.add(rect(cx - 46 * k, cy - 4 * k, 92 * k, 30 * k, colour, rx=10 * k))
    t.add(rect(cx - 40 * k, cy - 30 * k, 80 * k, 24 * k, colour, rx=10 * k, opacity=0.75))
    t.add(ellipse(cx - 22 * k, cy - 42 * k, 20 * k, 10 * k, colour))


def fish(t, cx, cy, size, colour):
    k = _k(size)
    t.add(path("M%s %s q%s -%s %s 0 q-%s %s -%s 0 z" % (
        fmt(cx - 40 * k), fmt(cy), fmt(34 * k), fmt(36 * k), fmt(68 * k), fmt(34 * k),
        fmt(36 * k), fmt(68 * k)), colour))
    t.add(path("M%s %s l%s -%s v%s z" % (fmt(cx + 24 * k), fmt(cy), fmt(22 * k), fmt(18 * k),
                                          fmt(36 * k)), colour))
    t.add(circle(cx - 24 * k, cy - 4 * k, 5 * k, "#2f2a46"))


def coffee(t, cx, cy, size, colour):
    k = _k(size)
    t.add(path("M%s %s h%s v%s q0 %s -%s %s h-%s q-%s 0 -%s -%s z" % (
        fmt(cx - 34 * k), fmt(cy - 10 * k), fmt(62 * k), fmt(24 * k), fmt(24 * k), fmt(24 * k),
        fmt(24 * k), fmt(14 * k), fmt(24 * k), fmt(24 * k), fmt(24 * k)), colour))
    t.add(circle(cx + 32 * k, cy + 8 * k, 12 * k, "none", stroke=colour, stroke_width=fmt(6 * k)))
    t.add(rect(cx - 44 * k, cy + 38 * k, 84 * k, 7 * k, colour, rx=3 * k))
    t.add(path("M%s %s q-%s -%s 0 -%s q%s -%s 0 -%s" % (
        fmt(cx - 4 * k), fmt(cy - 18 * k), fmt(9 * k), fmt(9 * k), fmt(18 * k), fmt(9 * k),
        fmt(9 * k), fmt(18 * k)), "none", stroke=colour, stroke_width=fmt(5 * k),
        stroke_linecap="round"))


def shirt(t, cx, cy, size, colour, hook=False):
    k = _k(size)
    if hook:
        t.add(path("M%s %s q0 -%s %s -%s" % (fmt(cx), fmt(cy - 30 * k), fmt(14 * k), fmt(8 * k),
                                            fmt(14 * k)), "none", stroke="#6e7494",
                   stroke_width=fmt(4 * k)))
    pts = [(-14, -30), (-44, -18), (-56, 4), (-38, 12), (-32, 42), (32, 42), (38, 12),
           (56, 4), (44, -18), (14, -30), (0, -18)]
    t.add(poly([(cx + x * k, cy + y * k) for x, y in pts], colour, stroke="#6e7494",
               stroke_width=fmt(2 * k)))


def letter_p(t, cx, cy, size, colour):
    d, b, _adv = glyph("P")
    s = size / float(b[3] - b[1])
    x = cx - (b[0] + b[2]) / 2.0 * s
    y = cy + (b[1] + b[3]) / 2.0 * s
    t.add('<path d="%s" fill="%s" transform="translate(%s %s) scale(%.5f %.5f)"/>'
          % (d, colour, fmt(x), fmt(y), s, -s))
