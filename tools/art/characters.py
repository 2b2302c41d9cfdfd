"""The walking kid (three poses, facing right, mirrored for the left walk)
and the two passers-by under their umbrellas (facing left).

The kid's picture is tall and mostly empty at the top: the game shows it at
0.18 with its centre at 324 points, so the image's bottom edge is where the
feet meet the street."""

import math
import os
import sys

from svg import INK, circle, document, ellipse, fmt, group, line, linear, path, poly, rect

KID_W, KID_H = 700, 1380
SOLE = 1374

SKIN = "#f6d2b8"
SKIN_SHADE = "#e6b79c"
HAIR = "#2f2838"
SHIRT = "#eef0f6"
SHIRT_SHADE = "#c9cde0"
SHORTS = "#34406b"
SHORTS_FAR = "#28325a"
BAG = "#c8434b"
BAG_DARK = "#9c2f3a"
SOCK = "#f4f4f8"
SHOE = "#4f6fa8"
SHOE_FAR = "#3d5688"
OUT = 16   # outline width of the kid; about 3 points on screen


def _pt(o, length, deg):
    """End of a limb from o, `deg` degrees off straight down, positive
    swinging forward (to the right)."""
    a = math.radians(deg)
    return (o[0] + length * math.sin(a), o[1] + length * math.cos(a))


def _limb(points, colour, width, out=OUT):
    pts = " ".join("%s,%s" % (fmt(x), fmt(y)) for x, y in points)
    return ('<polyline points="%s" fill="none" stroke="%s" stroke-width="%s" '
            'stroke-linecap="round" stroke-linejoin="round"/>'
            '<polyline points="%s" fill="none" stroke="%s" stroke-width="%s" '
            'stroke-linecap="round" stroke-linejoin="round"/>'
            % (pts, INK, fmt(width + 2 * out), pts, colour, fmt(width)))


# (near thigh, near shin, far thigh, far shin, near upper arm, near forearm,
#  far upper arm, far forearm) in degrees; positive is forward.
POSES = {
    1: (26, 6, -22, -40, -30, -12, 30, 60),
    2: (4, 0, -4, 0, -6, 8, 8, 20),
    3: (-22, -40, 26, 6, 30, 60, -30, -12),
}

THIGH, SHIN = 190, 180


def _shorts_leg(hip, deg, colour):
    """One leg of the shorts: straight sides and a flat hem."""
    a = math.radians(deg)
    d = (math.sin(a), math.cos(a))
    n = (d[1], -d[0])
    top = (hip[0] - d[0] * 30, hip[1] - d[1] * 30)
    hem = (hip[0] + d[0] * 112, hip[1] + d[1] * 112)
    w0, w1 = 50, 52
    pts = [(top[0] + n[0] * w0, top[1] + n[1] * w0), (hem[0] + n[0] * w1, hem[1] + n[1] * w1),
           (hem[0] - n[0] * w1, hem[1] - n[1] * w1), (top[0] - n[0] * w0, top[1] - n[1] * w0)]
    return poly(pts, colour, stroke=INK, stroke_width=OUT, stroke_linejoin="round")
UPPER_ARM, FOREARM = 160, 150


def kid_pose(n):
    nt, ns, ft, fs, nu, nf, fu, ff = POSES[n]
    hip_x = 350
    # lower the hips in a stride so the lowest foot still meets the street
    def foot_y(t, s, hy):
        k = _pt((hip_x, hy), THIGH, t)
        return _pt(k, SHIN, s)[1]
    hip_y = SOLE - 44 - max(foot_y(nt, ns, 0), foot_y(ft, fs, 0))
    hip = (hip_x, hip_y)
    bob = hip_y - (SOLE - 44 - THIGH - SHIN)
    shoulder = (hip_x + 6, hip_y - 270)
    items = []

    def leg(t, s, near):
        knee = _pt(hip, THIGH, t)
        ankle = _pt(knee, SHIN, s)
        out = []
        out.append(_limb([hip, knee, ankle], SKIN if near else SKIN_SHADE, 64))
        # sock over the lower shin
        sock_top = (ankle[0] + (knee[0] - ankle[0]) * 0.32, ankle[1] + (knee[1] - ankle[1]) * 0.32)
        out.append('<polyline points="%s,%s %s,%s" stroke="%s" stroke-width="64" '
                   'stroke-linecap="round" fill="none"/>'
                   % (fmt(sock_top[0]), fmt(sock_top[1]), fmt(ankle[0]), fmt(ankle[1]),
                      SOCK if near else "#d6d8e4"))
        # shoe: heel under the ankle, toe forward; the back foot rolls onto its toe
        lift = SOLE - 22 - (ankle[1] + 40)
        toe_drop = max(0.0, min(1.0, lift / 60.0))
        heel = (ankle[0] - 14, ankle[1] + 26)
        toe = (ankle[0] + 86 - 20 * toe_drop, ankle[1] + 30 + 46 * toe_drop)
        col = SHOE if near else SHOE_FAR
        out.append(_limb([heel, toe], col, 56))
        out.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#f4f4f8" stroke-width="12" '
                   'stroke-linecap="round"/>' % (fmt(heel[0] - 4), fmt(heel[1] + 22),
                                                 fmt(toe[0] + 6), fmt(toe[1] + 22)))
        out.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" '
                   'stroke-linecap="round"/>' % (fmt(heel[0] - 4), fmt(heel[1] + 22),
                                                 fmt(toe[0] + 6), fmt(toe[1] + 22), INK,
                                                 fmt(OUT * 0.6)))
        # shorts leg over the thigh
        out.append(_shorts_leg(hip, t, SHORTS if near else SHORTS_FAR))
        return out

    def arm(u, f, near):
        elbow = _pt(shoulder, UPPER_ARM, u)
        wrist = _pt(elbow, FOREARM, f)
        out = [_limb([shoulder, elbow, wrist], SKIN if near else SKIN_SHADE, 52)]
        out.append(circle(wrist[0], wrist[1], 34, SKIN if near else SKIN_SHADE, stroke=INK,
                          stroke_width=OUT))
        sleeve = _pt(shoulder, UPPER_ARM * 0.6, u)
        out.append(_limb([shoulder, sleeve], SHIRT if near else SHIRT_SHADE, 74))
        return out

    items += arm(fu, ff, False)
    items += leg(ft, fs, False)

    # school bag on the back
    by = shoulder[1] - 6
    items.append(rect(hip_x - 206, by, 140, 250, BAG, rx=34, stroke=INK, stroke_width=OUT))
    items.append(path("M%s %s h90 q40 0 40 40 v80 h-130 z" % (fmt(hip_x - 196), fmt(by + 10)),
                      BAG_DARK))
    items.append(rect(hip_x - 150, by + 118, 40, 26, "#e6c36a", rx=8, stroke=INK, stroke_width=8))
    items.append(rect(hip_x - 206, by, 140, 250, "none", rx=34, stroke=INK, stroke_width=OUT))

    # torso: shirt, shorts
    items.append(path("M%s %s q-8 -40 40 -44 h60 q56 4 50 50 l6 230 h-160 z" % (
        fmt(shoulder[0] - 84), fmt(shoulder[1] + 30)), SHIRT, stroke=INK, stroke_width=OUT,
        stroke_linejoin="round"))
    items.append(path("M%s %s h150 l4 64 h-158 z" % (fmt(hip_x - 80), fmt(hip_y - 40)),
                      SHORTS, stroke=INK, stroke_width=OUT, stroke_linejoin="round"))
    items.append(rect(hip_x - 80, hip_y - 44, 154, 12, "#232c4d"))
    items.append(path("M%s %s q-6 80 -2 150" % (fmt(shoulder[0] - 60), fmt(shoulder[1] + 20)),
                      "none", stroke=SHIRT_SHADE, stroke_width=18, stroke_linecap="round"))
    items.append(path("M%s %s l40 40 l30 -46 z" % (fmt(shoulder[0] - 6), fmt(shoulder[1] - 34)),
                      "#ffffff", stroke=INK, stroke_width=OUT * 0.6, stroke_linejoin="round"))
    items += leg(nt, ns, True)
    # shoulder strap of the bag
    items.append(path("M%s %s q60 20 70 140" % (fmt(shoulder[0] - 40), fmt(shoulder[1] - 20)),
                      "none", stroke=INK, stroke_width=44, stroke_linecap="round"))
    items.append(path("M%s %s q60 20 70 140" % (fmt(shoulder[0] - 40), fmt(shoulder[1] - 20)),
                      "none", stroke=BAG, stroke_width=24, stroke_linecap="round"))
    items += arm(nu, nf, True)

    # head, turned to the right; a little lower in the stride poses
    hx, hy = shoulder[0] + 22, shoulder[1] - 190 + bob * 0.0
    items.append(rect(hx - 40, hy + 100, 64, 90, SKIN_SHADE, stroke=INK, stroke_width=OUT))
    items.append(circle(hx, hy, 158, SKIN, stroke=INK, stroke_width=OUT))
    # hair: a rounded cap over the back and top, bangs over the forehead
    items.append(path(
        "M%s %s C%s %s %s %s %s %s C%s %s %s %s %s %s "
        "Q%s %s %s %s Q%s %s %s %s Q%s %s %s %s Q%s %s %s %s Z" % (
            fmt(hx - 150), fmt(hy + 70),
            fmt(hx - 200), fmt(hy - 120), fmt(hx - 40), fmt(hy - 210), fmt(hx + 80), fmt(hy - 150),
            fmt(hx + 170), fmt(hy - 110), fmt(hx + 170), fmt(hy - 30), fmt(hx + 150), fmt(hy - 20),
            fmt(hx + 120), fmt(hy - 60), fmt(hx + 90), fmt(hy - 40),
            fmt(hx + 60), fmt(hy - 80), fmt(hx + 20), fmt(hy - 46),
            fmt(hx - 30), fmt(hy - 60), fmt(hx - 40), fmt(hy + 10),
            fmt(hx - 90), fmt(hy + 30), fmt(hx - 110), fmt(hy + 110)),
        HAIR, stroke=INK, stroke_width=OUT, stroke_linejoin="round"))
    items.append(path("M%s %s q-30 40 -6 80 q10 -30 36 -40 z" % (fmt(hx - 118), fmt(hy + 60)),
                      HAIR, stroke=INK, stroke_width=OUT * 0.7, stroke_linejoin="round"))
    items.append(path("M%s %s q10 -60 60 -70 q-20 30 -10 66" % (fmt(hx + 10), fmt(hy - 150)),
                      HAIR, stroke=INK, stroke_width=OUT * 0.7, stroke_linejoin="round"))
    items.append(path("M%s %s q60 -60 150 -50" % (fmt(hx - 90), fmt(hy - 110)), "none",
                      stroke="#5a5070", stroke_width=14, stroke_linecap="round", opacity=0.8))
    # ear, eye, brow, blush, mouth
    items.append(ellipse(hx - 52, hy + 34, 26, 34, SKIN, stroke=INK, stroke_width=OUT * 0.8))
    items.append(path("M%s %s q-12 6 -6 20" % (fmt(hx - 46), fmt(hy + 22)), "none",
                      stroke=SKIN_SHADE, stroke_width=8, stroke_linecap="round"))
    items.append(ellipse(hx + 92, hy + 22, 17, 28, INK))
    items.append(circle(hx + 97, hy + 11, 6, "#ffffff"))
    items.append(path("M%s %s q22 -16 44 -4" % (fmt(hx + 72), fmt(hy - 26)), "none", stroke=INK,
                      stroke_width=10, stroke_linecap="round"))
    items.append(ellipse(hx + 70, hy + 72, 30, 17, "#f3a0a0", opacity=0.7))
    items.append(path("M%s %s q14 12 28 0" % (fmt(hx + 112), fmt(hy + 92)), "none", stroke=INK,
                      stroke_width=9, stroke_linecap="round"))
    items.append(path("M%s %s l14 30 l-20 0 z" % (fmt(hx + 156), fmt(hy + 40)), SKIN_SHADE))
    # rain on the hair and shirt
    for dx, dy in ((-60, -150), (30, -170), (-120, -40)):
        items.append(ellipse(hx + dx, hy + dy, 9, 13, "#dbe9f7", opacity=0.9))
    items.append(ellipse(shoulder[0] + 30, shoulder[1] + 60, 7, 10, "#dbe9f7", opacity=0.8))
    return items


KID_SCALE = 1.15   # drawn a little larger than its skeleton, standing on the same sole line


def kid_svg(n, mirror=False):
    body = ['<g transform="translate(350 %d) scale(%s) translate(-350 -%d)">%s</g>'
            % (SOLE, KID_SCALE, SOLE, "".join(kid_pose(n)))]
    if mirror:
        body = ['<g transform="translate(%d 0) scale(-1 1)">%s</g>' % (KID_W, "".join(body))]
    return document(KID_W, KID_H, body)


# --- passers-by -------------------------------------------------------------

PW, PH = 200, 222


def umbrella_canopy(colours, rib="#2b2645", pattern=None, clip_id="canopy"):
    """Open umbrella spanning the whole picture: the rim touches x 0 and 200."""
    rim_y = 74
    n = len(colours)
    xs = [i * PW / float(n) for i in range(n + 1)]
    outline = "M0 %d C2 40 40 9 100 8 C160 9 198 40 200 %d " % (rim_y, rim_y)
    for i in range(n, 0, -1):
        outline += "Q%s %s %s %s " % (fmt((xs[i] + xs[i - 1]) / 2), fmt(rim_y - 12),
                                     fmt(xs[i - 1]), fmt(rim_y))
    outline += "Z"
    items = ['<clipPath id="%s"><path d="%s"/></clipPath>' % (clip_id, outline)]
    inner = []
    def ray(i):
        if i == 0:
            return (-600, 8)
        if i == n:
            return (800, 8)
        return (100 + (xs[i] - 100) * 4, 8 + (rim_y - 8) * 4)
    for i in range(n):
        inner.append(poly([(100, 8), ray(i), ray(i + 1)], colours[i]))
    if pattern:
        inner += pattern
    inner.append(path("M0 60 C10 26 50 12 100 12 C60 16 26 34 10 70 Z", "#ffffff", opacity=0.22))
    items.append('<g clip-path="url(#%s)">%s</g>' % (clip_id, "".join(inner)))
    for x in xs[1:-1]:
        items.append(line(100, 8, x, rim_y - 8, rib, 1.6, opacity=0.55))
    items.append(path(outline, "none", stroke=rib, stroke_width=3, stroke_linejoin="round"))
    for x in xs:
        items.append(circle(min(max(x, 2.5), PW - 2.5), rim_y, 2.5, "#d9d4e8"))
    items.append(rect(97, 0, 6, 10, rib, rx=2))
    # rain running off the rim
    for x in (18, 62, 140, 184):
        items.append(ellipse(x, rim_y + 8 + (x % 3) * 3, 1.6, 2.6, "#dbe9f7", opacity=0.85))
    return items


def _plimb(points, colour, width, out=2.2):
    return _limb(points, colour, width, out)


def salaryman():
    items = []
    items += umbrella_canopy(["#2c2f44", "#3a3e5a"] * 4, rib="#1a1a2a")
    # shaft down to the hand
    items.append(line(100, 10, 100, 136, "#b8bccc", 3))
    items.append(path("M100 136 q0 10 -8 10 q-6 0 -6 -6", "none", stroke="#5a3a2a",
                      stroke_width=4, stroke_linecap="round"))
    # legs mid-stride, walking left
    items.append(_plimb([(106, 160), (118, 190), (126, 214)], "#3d4258", 14))
    items.append(_plimb([(126, 214), (136, 216)], "#1e1e28", 9))
    items.append(_plimb([(100, 160), (90, 188), (80, 212)], "#4a5068", 15))
    items.append(_plimb([(80, 212), (66, 214)], "#1e1e28", 9))
    # briefcase in the far hand
    items.append(_plimb([(112, 112), (120, 136), (122, 150)], "#3d4258", 11))
    items.append(rect(108, 148, 34, 26, "#7a5036", rx=3, stroke=INK, stroke_width=2))
    items.append(rect(118, 144, 14, 5, "none", stroke=INK, stroke_width=2, rx=2))
    # suit
    items.append(path("M86 104 q14 -10 30 0 l6 62 h-44 z", "#4a5068", stroke=INK, stroke_width=2.2,
                      stroke_linejoin="round"))
    items.append(path("M92 104 l8 24 l8 -24 z", "#f0f0f5"))
    items.append(path("M99 108 l-3 18 l4 6 l4 -6 l-3 -18 z", "#b0443c"))
    # near arm raised to hold the umbrella
    items.append(_plimb([(94, 110), (86, 130), (98, 138)], "#4a5068", 12))
    items.append(circle(99, 138, 5, SKIN, stroke=INK, stroke_width=1.6))
    # head facing left, neat hair, glasses
    items.append(rect(96, 94, 10, 12, SKIN_SHADE))
    items.append(circle(100, 88, 15, SKIN, stroke=INK, stroke_width=2.2))
    items.append(path("M85 86 q-2 -20 16 -20 q16 0 15 18 q-6 -8 -12 -8 q-10 0 -19 10 z", HAIR,
                      stroke=INK, stroke_width=1.6))
    items.append(ellipse(90, 89, 1.8, 2.6, INK))
    items.append(rect(86, 85.5, 9, 7, "none", rx=2, stroke=INK, stroke_width=1.3))
    items.append(line(95, 88, 106, 87, INK, 1.2))
    items.append(ellipse(107, 90, 2.6, 3.6, SKIN_SHADE))
    items.append(path("M88 98 q3 2 6 0", "none", stroke=INK, stroke_width=1.4))
    return items


def woman():
    petals = []
    spots = [(30, 44), (70, 30), (112, 22), (150, 38), (178, 60), (52, 62), (96, 50), (132, 58),
             (14, 66)]
    for x, y in spots:
        for k in range(5):
            a = k * 2 * math.pi / 5
            petals.append(circle(x + 4.2 * math.cos(a), y + 4.2 * math.sin(a), 3.4, "#fff7fb"))
        petals.append(circle(x, y, 2.2, "#f6d36b"))
    items = []
    items += umbrella_canopy(["#f4b6c6", "#f8ccd8"] * 4, rib="#8a4a66", pattern=petals)
    items.append(line(100, 10, 100, 132, "#c9c3da", 3))
    items.append(path("M100 132 q0 10 -8 10 q-6 0 -6 -6", "none", stroke="#c2608a",
                      stroke_width=4, stroke_linecap="round"))
    # legs and red shoes
    items.append(_plimb([(104, 176), (112, 196), (118, 214)], SKIN_SHADE, 9))
    items.append(_plimb([(118, 214), (126, 216)], "#b8403c", 8))
    items.append(_plimb([(98, 176), (90, 196), (82, 214)], SKIN, 9))
    items.append(_plimb([(82, 214), (72, 215)], "#d24a44", 8))
    # tote bag with a leek: on her way back from the greengrocer
    items.append(line(124, 128, 136, 104, "#5f9c5a", 5, stroke_linecap="round"))
    items.append(line(136, 104, 140, 92, "#9fd08f", 6, stroke_linecap="round"))
    items.append(path("M110 126 h30 l-3 34 h-26 z", "#f3e3c0", stroke=INK, stroke_width=2))
    items.append(path("M114 126 q11 -16 22 0", "none", stroke=INK, stroke_width=2))
    # coat and skirt
    items.append(path("M86 104 q14 -10 28 0 l10 74 h-48 z", "#a9c7e6", stroke=INK,
                      stroke_width=2.2, stroke_linejoin="round"))
    items.append(line(100, 108, 100, 176, "#7f9fc4", 1.6))
    items.append(circle(96, 128, 1.8, "#f4f4f8"))
    items.append(circle(96, 146, 1.8, "#f4f4f8"))
    items.append(_plimb([(94, 110), (86, 128), (98, 134)], "#a9c7e6", 11))
    items.append(circle(99, 134, 5, SKIN, stroke=INK, stroke_width=1.6))
    # head facing left with a brown bob
    items.append(rect(96, 94, 9, 12, SKIN_SHADE))
    items.append(circle(99, 88, 14.5, SKIN, stroke=INK, stroke_width=2.2))
    items.append(path("M84 90 q-4 -26 18 -26 q20 0 18 30 q2 8 -4 10 q-4 -16 -6 -22 "
                      "q-8 6 -24 6 z", "#7a4a36", stroke=INK, stroke_width=1.6,
                      stroke_linejoin="round"))
    items.append(ellipse(90, 90, 1.8, 2.8, INK))
    items.append(ellipse(92, 96, 3.5, 2, "#f3a0a0", opacity=0.7))
    items.append(path("M87 99 q2 1.6 4.5 0", "none", stroke=INK, stroke_width=1.3))
    return items


if __name__ == "__main__":
    out = sys.argv[1]
    for n in (1, 2, 3):
        with open(os.path.join(out, "arukuRight%d.svg" % n), "w") as fh:
            fh.write(kid_svg(n))
        with open(os.path.join(out, "arukuLeft%d.svg" % n), "w") as fh:
            fh.write(kid_svg(n, mirror=True))
    with open(os.path.join(out, "umbrellaMob.svg"), "w") as fh:
        fh.write(document(PW, PH, salaryman()))
    with open(os.path.join(out, "umbrellaman_0.svg"), "w") as fh:
        fh.write(document(PW, PH, woman()))
