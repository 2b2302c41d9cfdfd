"""Building blocks shared by the art generators: SVG documents, colours,
seeded randomness and glyph outlines taken from the bundled font.

Everything here must be deterministic: the same sources always give the
same SVG text, so re-running the pipeline leaves the PNGs untouched."""

import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_PATH = os.environ.get(
    "PUDDLESTEP_FONT",
    os.path.join(HERE, "..", "..", "resources", "fonts", "851H-kktt.ttf"))

# One palette for every picture so the street reads as a single place:
# dusk blues and violets for the sky and stone, warm lamp light inside shops.
INK = "#2b2645"          # outline colour for characters, signs and UI
INK_SOFT = "#3b3658"
SKY_TOP = "#2a3262"
SKY_MID = "#56588c"
SKY_LOW = "#b9848f"
SKY_GLOW = "#e7a98a"
LAMP = "#ffd48a"
LAMP_HOT = "#fff0c4"
GLASS_DARK = "#3a4470"
RAIN_TINT = "#cfe0f2"


def fmt(v):
    """Numbers with at most two decimals, without trailing zeros."""
    if isinstance(v, int):
        return str(v)
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def attrs(**kw):
    out = []
    for k, v in kw.items():
        if v is None:
            continue
        k = k.rstrip("_").replace("_", "-")
        if isinstance(v, float):
            v = fmt(v)
        out.append('%s="%s"' % (k, v))
    return " ".join(out)


def rect(x, y, w, h, fill, rx=0, **kw):
    return "<rect %s/>" % attrs(x=fmt(x), y=fmt(y), width=fmt(w), height=fmt(h),
                                rx=fmt(rx) if rx else None, fill=fill, **kw)


def circle(cx, cy, r, fill, **kw):
    return "<circle %s/>" % attrs(cx=fmt(cx), cy=fmt(cy), r=fmt(r), fill=fill, **kw)


def ellipse(cx, cy, rx, ry, fill, **kw):
    return "<ellipse %s/>" % attrs(cx=fmt(cx), cy=fmt(cy), rx=fmt(rx), ry=fmt(ry),
                                   fill=fill, **kw)


def path(d, fill="none", **kw):
    return "<path %s/>" % attrs(d=d, fill=fill, **kw)


def line(x1, y1, x2, y2, stroke, width, **kw):
    return "<line %s/>" % attrs(x1=fmt(x1), y1=fmt(y1), x2=fmt(x2), y2=fmt(y2),
                                stroke=stroke, stroke_width=fmt(width), **kw)


def poly(points, fill, **kw):
    pts = " ".join("%s,%s" % (fmt(x), fmt(y)) for x, y in points)
    return "<polygon %s/>" % attrs(points=pts, fill=fill, **kw)


def polyline(points, stroke, width, **kw):
    pts = " ".join("%s,%s" % (fmt(x), fmt(y)) for x, y in points)
    return "<polyline %s/>" % attrs(points=pts, fill="none", stroke=stroke,
                                    stroke_width=fmt(width), **kw)


def group(items, **kw):
    return "<g %s>%s</g>" % (attrs(**kw), "".join(items))


def linear(gid, stops, x1=0, y1=0, x2=0, y2=1):
    s = "".join('<stop offset="%s" stop-color="%s"%s/>' % (
        fmt(o), c, (' stop-opacity="%s"' % fmt(a)) if a is not None else "")
        for o, c, a in [(t + (None,))[:3] for t in stops])
    return ('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s</linearGradient>'
            % (gid, fmt(x1), fmt(y1), fmt(x2), fmt(y2), s))


def radial(gid, stops, cx=0.5, cy=0.5, r=0.5):
    s = "".join('<stop offset="%s" stop-color="%s"%s/>' % (
        fmt(o), c, (' stop-opacity="%s"' % fmt(a)) if a is not None else "")
        for o, c, a in [(t + (None,))[:3] for t in stops])
    return ('<radialGradient id="%s" cx="%s" cy="%s" r="%s">%s</radialGradient>'
            % (gid, fmt(cx), fmt(cy), fmt(r), s))


def document(width, height, body, defs=()):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="0 0 %d %d"><defs>%s</defs>%s</svg>\n'
            % (width, height, width, height, "".join(defs), "".join(body)))


def rng(name):
    """A generator seeded from the picture's name: stable across runs."""
    seed = 0
    for ch in name:
        seed = (seed * 131 + ord(ch)) % 2147483647
    return random.Random(seed)


# --- glyph outlines -------------------------------------------------------

_font = None


def _load_font():
    global _font
    if _font is None:
        from fontTools.ttLib import TTFont
        _font = TTFont(FONT_PATH)
    return _font


class _PathPen:
    """Collects a glyph outline as SVG path data in font units (y up)."""

    def __init__(self):
        self.parts = []

    def moveTo(self, p):
        self.parts.append("M%s %s" % (fmt(p[0]), fmt(p[1])))

    def lineTo(self, p):
        self.parts.append("L%s %s" % (fmt(p[0]), fmt(p[1])))

    def qCurveTo(self, *points):
        # TrueType quadratic runs with implied on-curve midpoints.
        pts = list(points)
        for i in range(len(pts) - 1):
            c = pts[i]
            if i < len(pts) - 2:
                n = pts[i + 1]
                end = ((c[0] + n[0]) / 2.0, (c[1] + n[1]) / 2.0)
            else:
                end = pts[-1]
            self.parts.append("Q%s %s %s %s" % (fmt(c[0]), fmt(c[1]),
                                                fmt(end[0]), fmt(end[1])))

    def curveTo(self, *points):
        c1, c2, end = points[-3:]
        self.parts.append("C%s %s %s %s %s %s" % tuple(fmt(v) for v in
                                                      (c1 + c2 + end)))

    def closePath(self):
        self.parts.append("Z")

    def endPath(self):
        pass

    def addComponent(self, name, transform):
        raise NotImplementedError


def glyph(ch):
    """(path data in font units with y up, (xmin, ymin, xmax, ymax), advance)."""
    from fontTools.pens.boundsPen import BoundsPen
    from fontTools.pens.recordingPen import DecomposingRecordingPen
    font = _load_font()
    gs = font.getGlyphSet()
    name = font.getBestCmap()[ord(ch)]
    rec = DecomposingRecordingPen(gs)
    gs[name].draw(rec)
    pen = _PathPen()
    rec.replay(pen)
    bp = BoundsPen(gs)
    gs[name].draw(bp)
    return " ".join(pen.parts), bp.bounds, gs[name].width


def text_paths(text, height, gap=0.06, advance_mode="bounds"):
    """Lays text out from glyph outlines.

    Returns a list of (path_d, x_offset, width) in a coordinate system where
    one font unit = height / 1024 and the baseline is y = 0 (y down after the
    returned transform). Latin glyphs in this font sit on a fixed pitch, so
    "bounds" mode packs letters by their ink instead for a tighter logo."""
    font = _load_font()
    upm = font["head"].unitsPerEm
    s = height / float(upm)
    out = []
    x = 0.0
    for ch in text:
        if ch == " ":
            x += 0.3 * upm * s
            continue
        d, b, adv = glyph(ch)
        if advance_mode == "bounds" and b is not None:
            left = x - b[0] * s
            out.append((d, left, (b[2] - b[0]) * s))
            x += (b[2] - b[0]) * s + gap * upm * s
        else:
            out.append((d, x, adv * s))
            x += adv * s
    return out, x - (gap * upm * s if advance_mode == "bounds" else 0), s


def text_group(text, x, baseline, height, anchor="middle", gap=0.06,
               advance_mode="bounds", **style):
    """An SVG group drawing text as paths, anchored at (x, baseline)."""
    items, width, s = text_paths(text, height, gap, advance_mode)
    if anchor == "middle":
        x0 = x - width / 2.0
    elif anchor == "end":
        x0 = x - width
    else:
        x0 = x
    parts = []
    for d, off, _w in items:
        parts.append('<path d="%s" transform="translate(%s %s) scale(%.5f %.5f)"/>'
                     % (d, fmt(x0 + off), fmt(baseline), s, -s))
    return "<g %s>%s</g>" % (attrs(**style), "".join(parts)), width
