#!/usr/bin/env python3
"""Recreates the launcher's pictures in this folder.

Run from anywhere (Python 3 standard library only, plus ImageMagick's
`convert` and the fonts-wqy-microhei font):

    python3 assets/make_assets.py

It writes, next to this script:
  banner.jpg    344 x 104 baseline JPEG shown at the top of the window
  launcher.ico  the program icon: 48/32/24/16 px in 4, 8 and 32 bits per pixel
  hand.cur      32 x 32 monochrome pointing-hand cursor, hot spot (6, 1)

Shapes are drawn by the small rasteriser below (polygons filled with the
nonzero rule, anti-aliased by exact horizontal span coverage and 16 sub-rows
per pixel).  ImageMagick is used only to draw the Chinese text with the wqy
font and to encode the JPEG.  Every step is deterministic, so with the same
ImageMagick and font versions each run produces byte-identical files.
"""

import math
import os
import struct
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------------------
# Rasteriser
# ---------------------------------------------------------------------------

SUBROWS = 16  # vertical samples per pixel; horizontal coverage is exact


def coverage(w, h, contours):
    """Fraction of each pixel (row-major list of w*h floats) covered by the
    closed polygons in `contours` under the nonzero winding rule.  Pixel
    (i, j) is the square [i, i+1) x [j, j+1).  Contours drawn with the same
    orientation therefore add up to their union."""
    rows = h * SUBROWS
    crossings = [[] for _ in range(rows)]
    for pts in contours:
        n = len(pts)
        for i in range(n):
            x0, y0 = pts[i]
            x1, y1 = pts[(i + 1) % n]
            if y0 == y1:
                continue
            d = 1
            if y0 > y1:
                x0, y0, x1, y1 = x1, y1, x0, y0
                d = -1
            # Sub-row k samples y = (k + 0.5) / SUBROWS; take y0 <= y < y1.
            k0 = max(0, math.ceil(y0 * SUBROWS - 0.5))
            k1 = min(rows - 1, math.ceil(y1 * SUBROWS - 0.5) - 1)
            slope = (x1 - x0) / (y1 - y0)
            for k in range(k0, k1 + 1):
                y = (k + 0.5) / SUBROWS
                crossings[k].append((x0 + (y - y0) * slope, d))
    cov = [0.0] * (w * h)
    step = 1.0 / SUBROWS
    for k in range(rows):
        cr = crossings[k]
        if not cr:
            continue
        cr.sort()
        base = (k // SUBROWS) * w
        wind = 0
        start = 0.0
        for x, d in cr:
            before = wind
            wind += d
            if before == 0 and wind != 0:
                start = x
            elif before != 0 and wind == 0:
                _add_span(cov, base, w, start, x, step)
    return cov


def _add_span(cov, base, w, xa, xb, step):
    xa = max(0.0, xa)
    xb = min(float(w), xb)
    if xb <= xa:
        return
    ia = int(xa)
    ib = int(xb)
    if ib >= w:
        ib = w - 1
    if ia == ib:
        cov[base + ia] += (xb - xa) * step
        return
    cov[base + ia] += (ia + 1 - xa) * step
    for i in range(base + ia + 1, base + ib):
        cov[i] += step
    cov[base + ib] += (xb - ib) * step


def signed_area(pts):
    a = 0.0
    for i in range(len(pts)):
        x0, y0 = pts[i]
        x1, y1 = pts[(i + 1) - len(pts)]
        a += x0 * y1 - x1 * y0
    return a / 2


def oriented(pts, hole=False):
    """The contour turned so that it adds to (or, for a hole, cuts out of)
    other contours filled with it."""
    pts = list(pts)
    if (signed_area(pts) < 0) != hole:
        pts.reverse()
    return pts


def ellipse(cx, cy, rx, ry, rot=0.0, n=72):
    c, s = math.cos(rot), math.sin(rot)
    pts = []
    for i in range(n):
        t = 2 * math.pi * i / n
        x, y = rx * math.cos(t), ry * math.sin(t)
        pts.append((cx + x * c - y * s, cy + x * s + y * c))
    return oriented(pts)


def circle(cx, cy, r, n=None):
    if n is None:
        n = max(16, min(96, int(r * 12)))
    return ellipse(cx, cy, r, r, 0.0, n)


def rounded_rect(x0, y0, x1, y1, r, n=16):
    pts = []
    corners = ((x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0),
               (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180))
    for cx, cy, a0 in corners:
        for i in range(n + 1):
            a = math.radians(a0 + 90 * i / n)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return oriented(pts)


def bezier(p0, p1, p2, p3, n=64):
    pts = []
    for i in range(n + 1):
        t = i / n
        u = 1 - t
        pts.append((u * u * u * p0[0] + 3 * u * u * t * p1[0]
                    + 3 * u * t * t * p2[0] + t * t * t * p3[0],
                    u * u * u * p0[1] + 3 * u * u * t * p1[1]
                    + 3 * u * t * t * p2[1] + t * t * t * p3[1]))
    return pts


def tapered_stroke(path, half_width):
    """One contour around the centreline `path` whose half width at
    parameter t in [0, 1] is half_width(t); a width of zero makes a point."""
    n = len(path)
    left, right = [], []
    for i, (x, y) in enumerate(path):
        xa, ya = path[max(0, i - 1)]
        xb, yb = path[min(n - 1, i + 1)]
        tx, ty = xb - xa, yb - ya
        ln = math.hypot(tx, ty) or 1.0
        nx, ny = -ty / ln, tx / ln
        hw = half_width(i / (n - 1))
        left.append((x + nx * hw, y + ny * hw))
        right.append((x - nx * hw, y - ny * hw))
    return oriented(left + right[::-1])


def round_stroke(path, width):
    """Contours of a constant-width stroke with round joins and caps: one
    quad per segment plus a disc at every vertex, all turned the same way so
    that the nonzero rule fills their union."""
    r = width / 2
    out = [circle(x, y, r, 24) for x, y in path]
    for (x0, y0), (x1, y1) in zip(path, path[1:]):
        ln = math.hypot(x1 - x0, y1 - y0)
        if ln == 0:
            continue
        nx, ny = -(y1 - y0) / ln * r, (x1 - x0) / ln * r
        out.append(oriented([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                             (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]))
    return out


class Canvas:
    """Opaque RGB picture with float channels in 0..1."""

    def __init__(self, w, h, colour):
        self.w, self.h = w, h
        self.px = [list(colour) for _ in range(w * h)]

    def paint(self, cov, colour, opacity=1.0):
        """Blend `colour` (an RGB tuple or a function of pixel x, y) over
        the picture where `cov` is non-zero."""
        w = self.w
        const = not callable(colour)
        for i, c in enumerate(cov):
            if c <= 0.0:
                continue
            a = min(1.0, c) * opacity
            col = colour if const else colour(i % w + 0.5, i // w + 0.5)
            p = self.px[i]
            p[0] += (col[0] - p[0]) * a
            p[1] += (col[1] - p[1]) * a
            p[2] += (col[2] - p[2]) * a

    def fill(self, contours, colour, opacity=1.0):
        self.paint(coverage(self.w, self.h, contours), colour, opacity)

    def rgb_bytes(self):
        out = bytearray()
        for p in self.px:
            for v in p:
                out.append(to_byte(v))
        return bytes(out)


def to_byte(v):
    return max(0, min(255, int(v * 255 + 0.5)))


def hex_colour(s):
    return tuple(int(s[i:i + 2], 16) / 255 for i in (1, 3, 5))


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(x + (y - x) * t for x, y in zip(a, b))


# ---------------------------------------------------------------------------
# Masks: text from the wqy font, morphology, shear, scaling
# ---------------------------------------------------------------------------

class Mask:
    def __init__(self, w, h, data=None):
        self.w, self.h = w, h
        self.data = data if data is not None else [0.0] * (w * h)

    def crop_to_ink(self, threshold=0.02):
        xs, ys = [], []
        for i, v in enumerate(self.data):
            if v > threshold:
                xs.append(i % self.w)
                ys.append(i // self.w)
        x0, x1, y0, y1 = min(xs), max(xs) + 1, min(ys), max(ys) + 1
        data = []
        for y in range(y0, y1):
            data.extend(self.data[y * self.w + x0:y * self.w + x1])
        return Mask(x1 - x0, y1 - y0, data)

    def pad(self, m):
        out = Mask(self.w + 2 * m, self.h + 2 * m)
        for y in range(self.h):
            o = (y + m) * out.w + m
            out.data[o:o + self.w] = self.data[y * self.w:(y + 1) * self.w]
        return out

    def shear(self, k):
        """Slants the mask like italics: row y moves right by k * (h - y)."""
        extra = int(math.ceil(abs(k) * self.h)) + 1
        out = Mask(self.w + extra, self.h)
        for y in range(self.h):
            shift = k * (self.h - 0.5 - y)
            row = self.data[y * self.w:(y + 1) * self.w]
            o = y * out.w
            for x in range(out.w):
                sx = x - shift
                i = math.floor(sx)
                f = sx - i
                a = row[i] if 0 <= i < self.w else 0.0
                b = row[i + 1] if 0 <= i + 1 < self.w else 0.0
                out.data[o + x] = a + (b - a) * f
        return out

    def shrink(self, f):
        """Box-filters the mask down by the integer factor f."""
        w, h = self.w // f, self.h // f
        out = Mask(w, h)
        inv = 1.0 / (f * f)
        for y in range(h):
            for x in range(w):
                s = 0.0
                for yy in range(y * f, y * f + f):
                    o = yy * self.w + x * f
                    s += sum(self.data[o:o + f])
                out.data[y * w + x] = s * inv
        return out

    def morph(self, offsets, grow):
        """Binary dilation (grow) or erosion of the mask thresholded at 0.5
        by the structuring element given as (dx, dy) offsets."""
        w, h = self.w, self.h
        src = [v >= 0.5 for v in self.data]
        out = Mask(w, h)
        for y in range(h):
            for x in range(w):
                hit = not grow
                for dx, dy in offsets:
                    xx, yy = x + dx, y + dy
                    v = 0 <= xx < w and 0 <= yy < h and src[yy * w + xx]
                    if v == grow:
                        hit = grow
                        break
                out.data[y * w + x] = 1.0 if hit else 0.0
        return out

    def halo(self, r):
        """Soft dilation by radius r, used for the white gap round letters."""
        w, h = self.w, self.h
        ring = []
        R = int(math.ceil(r + 1))
        for dy in range(-R, R + 1):
            for dx in range(-R, R + 1):
                wgt = max(0.0, min(1.0, r + 0.5 - math.hypot(dx, dy)))
                if wgt > 0:
                    ring.append((dx, dy, wgt))
        out = Mask(w, h)
        for y in range(h):
            for x in range(w):
                best = 0.0
                for dx, dy, wgt in ring:
                    xx, yy = x + dx, y + dy
                    if 0 <= xx < w and 0 <= yy < h:
                        v = self.data[yy * w + xx] * wgt
                        if v > best:
                            best = v
                out.data[y * w + x] = best
        return out

    def placed(self, cw, ch, ox, oy):
        """This mask as a coverage list of a cw x ch canvas, its top-left
        corner at integer pixel (ox, oy)."""
        cov = [0.0] * (cw * ch)
        for y in range(self.h):
            cy = y + oy
            if not 0 <= cy < ch:
                continue
            for x in range(self.w):
                cx = x + ox
                if 0 <= cx < cw:
                    cov[cy * cw + cx] = self.data[y * self.w + x]
        return cov


def find_font():
    path = subprocess.run(['fc-match', '-f', '%{file}', 'WenQuanYi Micro Hei'],
                          check=True, capture_output=True, text=True).stdout
    if 'wqy' not in path.lower():
        sys.exit('the WenQuanYi Micro Hei font (fonts-wqy-microhei) is missing')
    return path


def text_mask(text, pointsize, font):
    """The text drawn white on black by ImageMagick, as a Mask cropped to
    its ink."""
    pad = pointsize
    w = int(pointsize * 1.3 * len(text)) + 2 * pad
    h = int(pointsize * 2) + 2 * pad
    pgm = subprocess.run(
        ['convert', '-size', f'{w}x{h}', 'xc:black', '-font', font,
         '-pointsize', str(pointsize), '-fill', 'white',
         '-gravity', 'NorthWest', '-annotate', f'+{pad}+{pad}', text,
         '-colorspace', 'Gray', '-depth', '8', 'pgm:-'],
        check=True, capture_output=True).stdout
    # Binary PGM: "P5", width, height, maxval, one whitespace byte, pixels.
    fields, pos = [], 0
    while len(fields) < 4:
        while pgm[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not pgm[end:end + 1].isspace():
            end += 1
        fields.append(pgm[pos:end])
        pos = end
    pos += 1
    pw, ph, maxval = int(fields[1]), int(fields[2]), int(fields[3])
    data = [b / maxval for b in pgm[pos:pos + pw * ph]]
    return Mask(pw, ph, data).crop_to_ink()


# ---------------------------------------------------------------------------
# Banner
# ---------------------------------------------------------------------------

BANNER_W, BANNER_H = 344, 104

PETAL_EDGE = hex_colour('#6fa9e0')
PETAL_MID = hex_colour('#a8d1f4')
PETAL_HEART = hex_colour('#eef6fd')
FLOWER_EYE = hex_colour('#3f7fcf')
STAMEN = hex_colour('#fff6d8')
LEAF = hex_colour('#a9cfe0')
LEAF_VEIN = hex_colour('#e4f1f7')
STEM = hex_colour('#9cc3da')


def petal_outline(cx, cy, angle, length, width, notch=0.12, n=40):
    """A rounded petal with a small notch at its tip, pointing from the
    flower's centre (cx, cy) in direction `angle`."""
    pts = []
    for i in range(n + 1):
        t = i / n  # from the base round one side to the tip
        along = length * (1 - (1 - t) ** 2.2)
        across = width * math.sin(math.pi * t) ** 0.75
        if t > 0.86:
            along -= notch * length * ((t - 0.86) / 0.14) ** 1.5
        pts.append((along, across))
    side = pts + [(a, -b) for a, b in reversed(pts[1:-1])]
    c, s = math.cos(angle), math.sin(angle)
    return oriented([(cx + a * c - b * s, cy + a * s + b * c) for a, b in side])


def draw_flower(cv, cx, cy, r, turn):
    """Five-petalled light-blue blossom of radius r."""
    for k in range(5):
        ang = turn + 2 * math.pi * k / 5
        edge = petal_outline(cx, cy, ang, r, r * 0.52)
        inner = petal_outline(cx, cy, ang, r * 0.93, r * 0.45)

        def shade(x, y, ang=ang):
            d = math.hypot(x - cx, y - cy) / r
            if d < 0.55:
                return mix(PETAL_HEART, PETAL_MID, d / 0.55)
            return mix(PETAL_MID, hex_colour('#93c3ef'), (d - 0.55) / 0.45)
        cv.fill([edge], PETAL_EDGE)
        cv.fill([inner], shade)
        # A faint vein down the middle of the petal.
        vx, vy = math.cos(ang), math.sin(ang)
        vein = tapered_stroke(
            [(cx + vx * r * t, cy + vy * r * t)
             for t in [0.25 + 0.5 * i / 12 for i in range(13)]],
            lambda t: 0.05 + 0.45 * math.sin(math.pi * t) * r / 22)
        cv.fill([vein], PETAL_EDGE, 0.35)
    cv.fill([circle(cx, cy, r * 0.24)], FLOWER_EYE)
    for k in range(5):
        ang = turn + math.pi / 5 + 2 * math.pi * k / 5
        cv.fill([circle(cx + math.cos(ang) * r * 0.14,
                        cy + math.sin(ang) * r * 0.14, r * 0.055)], STAMEN)


def draw_leaf(cv, x0, y0, x1, y1, bulge):
    """A leaf from its stalk end (x0, y0) to its tip (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    ln = math.hypot(dx, dy)
    nx, ny = -dy / ln, dx / ln
    n = 30
    left, right = [], []
    for i in range(n + 1):
        t = i / n
        wdt = bulge * ln * math.sin(math.pi * t ** 0.8) * (1 - 0.15 * t)
        bend = 0.06 * ln * math.sin(math.pi * t)
        px, py = x0 + dx * t + nx * bend, y0 + dy * t + ny * bend
        left.append((px + nx * wdt, py + ny * wdt))
        right.append((px - nx * wdt, py - ny * wdt))
    cv.fill([oriented(left + right[::-1][1:-1])], LEAF)
    vein = [(x0 + dx * t + nx * 0.06 * ln * math.sin(math.pi * t),
             y0 + dy * t + ny * 0.06 * ln * math.sin(math.pi * t))
            for t in [0.08 + 0.8 * i / 20 for i in range(21)]]
    cv.fill([tapered_stroke(vein, lambda t: 0.55 * (1 - t) + 0.1)], LEAF_VEIN)


def draw_stem(cv, pts, width):
    cv.fill([tapered_stroke(bezier(*pts), lambda t: width * (1 - 0.5 * t))], STEM)


def draw_bud(cv, cx, cy, r, angle):
    cv.fill([ellipse(cx, cy, r * 1.25, r, angle)], PETAL_EDGE)
    cv.fill([ellipse(cx, cy, r * 1.05, r * 0.8, angle)],
            lambda x, y: mix(PETAL_HEART, PETAL_MID,
                             math.hypot(x - cx, y - cy) / r))


def flower_cluster(cv, mirror):
    """The spray of blossoms at one end; `mirror` draws it for the right
    end, reflected so that the sprays face the text."""
    def X(x):
        return BANNER_W - x if mirror else x

    def A(a):
        return math.pi - a if mirror else a
    draw_stem(cv, [(X(2), 104), (X(14), 80), (X(20), 62), (X(36), 44)], 1.6)
    draw_stem(cv, [(X(16), 76), (X(30), 74), (X(46), 80), (X(60), 72)], 1.2)
    draw_stem(cv, [(X(12), 88), (X(6), 70), (X(8), 40), (X(20), 20)], 1.2)
    draw_leaf(cv, X(14), 82, X(0), 64, 0.26)
    draw_leaf(cv, X(22), 90, X(44), 100, 0.26)
    draw_leaf(cv, X(40), 78, X(58), 90, 0.24)
    draw_bud(cv, X(61), 70.5, 3.6, A(-0.5))
    draw_bud(cv, X(20), 18, 3.2, A(-2.2))
    draw_flower(cv, X(38), 44, 19, A(-0.35))
    draw_flower(cv, X(17), 79, 12, A(0.5))
    draw_flower(cv, X(55), 18, 9, A(0.2))
    for px, py, r in ((60, 34, 1.6), (52, 64, 1.3), (8, 56, 1.4), (30, 10, 1.2)):
        cv.fill([circle(X(px), py, r)], PETAL_MID)


def nib_offsets(length, angle, thickness):
    """A flat pen nib: the pixels of a thin slanted bar."""
    out = set()
    c, s = math.cos(angle), math.sin(angle)
    steps = int(length * 2) + 1
    for i in range(steps + 1):
        t = -length / 2 + length * i / steps
        for j in range(-thickness, thickness + 1):
            out.add((round(t * c - j * 0.5 * s), round(t * s + j * 0.5 * c)))
    return sorted(out)


def disc_offsets(r):
    R = int(math.ceil(r))
    return [(dx, dy) for dy in range(-R, R + 1) for dx in range(-R, R + 1)
            if dx * dx + dy * dy <= r * r]


def calligraphic_mask(text, font, pointsize, scale):
    """Text given a broad-nib look: drawn at `scale` times the size, thinned,
    then re-inked with a slanted flat nib (thick strokes across the nib, thin
    along it), slanted like a running hand and shrunk back with
    anti-aliasing."""
    big = text_mask(text, pointsize * scale, font).pad(3 * scale)
    thin = big.morph(disc_offsets(scale * 0.45), grow=False)
    inked = thin.morph(nib_offsets(scale * 1.5, math.radians(-40), 1), grow=True)
    slanted = inked.shear(0.2)
    # Make the size a multiple of the scale before shrinking.
    w = slanted.w - slanted.w % scale
    h = slanted.h - slanted.h % scale
    cut = Mask(w, h, [v for y in range(h)
                      for v in slanted.data[y * slanted.w:y * slanted.w + w]])
    return cut.shrink(scale).crop_to_ink()


def make_banner(font):
    W, H = BANNER_W, BANNER_H
    cv = Canvas(W, H, (1.0, 1.0, 1.0))
    flower_cluster(cv, mirror=False)
    flower_cluster(cv, mirror=True)

    # The community's name: heavy blue letters with a slight slant.
    title = text_mask('墨羽晴川', 52 * 4, font).shear(0.12).shrink(4).crop_to_ink()
    tx = (W - title.w) // 2
    ty = 9
    name_cov = title.placed(W, H, tx, ty)
    padded = title.pad(4)
    halo_cov = padded.halo(2.6).placed(W, H, tx - 4, ty - 4)
    shadow_cov = title.placed(W, H, tx + 2, ty + 2)

    # The flourish: a tapered swash sweeping through the middle, behind the
    # name, drawn before the white gap that separates it from the letters.
    swash = bezier((66, 70), (120, 96), (210, 86), (290, 52), 120)
    swash_tail = bezier((290, 52), (300, 47), (306, 46), (312, 47), 24)
    swash_pts = swash + swash_tail[1:]

    def swash_width(t):
        return 0.2 + 3.2 * math.sin(math.pi * min(1.0, t * 1.08)) ** 1.2

    swash_dark = hex_colour('#3d7fd0')
    swash_light = hex_colour('#a7cdf2')
    cv.fill([tapered_stroke(swash_pts, swash_width)],
            lambda x, y: mix(swash_light, swash_dark, (x - 66) / 160))
    thin = bezier((96, 82), (150, 100), (240, 92), (300, 60), 100)
    cv.fill([tapered_stroke(thin, lambda t: 0.1 + 0.9 * math.sin(math.pi * t))],
            swash_light)

    cv.paint(halo_cov, (1.0, 1.0, 1.0))
    cv.paint(shadow_cov, hex_colour('#b9d5f1'))
    top, bottom = hex_colour('#3f95e8'), hex_colour('#0f3f8f')
    cv.paint(name_cov, lambda x, y: mix(top, bottom, (y - ty) / title.h))
    # A thin light sheen across the top of the letters.
    mid, spread = ty + title.h * 0.24, title.h * 0.07
    sheen = [c * 0.35 * math.exp(-((i // W + 0.5 - mid) / spread) ** 2)
             for i, c in enumerate(name_cov)]
    cv.paint(sheen, (1.0, 1.0, 1.0))

    # Tagline at the lower right in a broad-nib style.
    tag = calligraphic_mask('CS专用登陆器', font, 18, 8)
    gx = W - 42 - tag.w
    gy = H - 6 - tag.h
    cv.paint(tag.pad(3).halo(1.6).placed(W, H, gx - 3, gy - 3), (1.0, 1.0, 1.0))
    cv.paint(tag.placed(W, H, gx, gy), hex_colour('#1d3f73'))
    return cv


def write_jpeg(cv, path):
    ppm = b'P6\n%d %d\n255\n' % (cv.w, cv.h) + cv.rgb_bytes()
    subprocess.run(['convert', 'ppm:-', '-strip', '-type', 'TrueColor',
                    '-interlace', 'None', '-sampling-factor', '1x1',
                    '-quality', '93', 'jpg:' + path],
                   input=ppm, check=True)


# ---------------------------------------------------------------------------
# Icon
# ---------------------------------------------------------------------------

ICON_SIZES = (48, 32, 24, 16)
ICON_DEPTHS = (32, 8, 4)  # entries are written best depth first
BADGE_TOP = hex_colour('#3a3d42')
BADGE_BOTTOM = hex_colour('#17181b')
ORANGE_TOP = hex_colour('#ffa640')
ORANGE_BOTTOM = hex_colour('#f06a10')


def lambda_contours(ox, oy, s, shift=0.0):
    """The lambda in a box of side s at (ox, oy), moved right by shift * s:
    a long diagonal from a flag at the top left to the bottom right, and a
    short leg to the bottom left that leaves the diagonal half-way down."""
    def p(u, v):
        return (ox + (u + shift) * s, oy + v * s)
    top, bottom = 0.19, 0.83
    main = [p(0.20, top), p(0.42, top), p(0.79, bottom), p(0.645, bottom),
            p(0.338, 0.292), p(0.20, 0.292)]
    leg = [p(0.43, 0.47), p(0.565, 0.47), p(0.345, bottom), p(0.205, bottom)]
    return [oriented(main), oriented(leg)]


def two_contours(ox, oy, s, stroke, place):
    """A small superscript 2 (round top, diagonal, flat base) in the region
    `place` = (left, top, right, bottom) of the box of side s."""
    x0, x1 = ox + place[0] * s, ox + place[2] * s
    y0, y1 = oy + place[1] * s, oy + place[3] * s
    h = stroke / 2
    r = (x1 - x0) / 2 - h
    cx, cy = (x0 + x1) / 2, y0 + h + r
    path = []
    for i in range(17):
        a = math.radians(165 - 200 * i / 16)
        path.append((cx + r * math.cos(a), cy - r * math.sin(a)))
    path.append((x0 + h, y1 - h))
    path.append((x1 - h, y1 - h))
    return round_stroke(path, stroke)


def icon_rgba(size):
    """Straight (not premultiplied) RGBA floats of the icon at `size`."""
    margin = 1 if size >= 32 else 0
    r = size * 0.2
    badge = coverage(size, size, [rounded_rect(margin, margin, size - margin,
                                               size - margin, r)])
    cv = Canvas(size, size, BADGE_TOP)
    cv.paint([1.0] * (size * size),
             lambda x, y: mix(BADGE_TOP, BADGE_BOTTOM, y / size))
    # A faint rim of light along the top edge of the badge.
    inner = coverage(size, size, [rounded_rect(margin + 1, margin + 1,
                                               size - margin - 1,
                                               size - margin - 1, r - 1)])
    rim = [max(0.0, b - i) * max(0.0, 1 - (k // size + 0.5) / (0.3 * size))
           for k, (b, i) in enumerate(zip(badge, inner))]
    if size >= 24:
        cv.paint(rim, hex_colour('#6a6e75'), 0.6)

    box = size - 2 * margin
    orange = lambda x, y: mix(ORANGE_TOP, ORANGE_BOTTOM, y / size)  # noqa: E731
    if size > 16:
        shift, place = 0.0, (0.585, 0.13, 0.815, 0.445)
    else:
        # At 16 px the digit needs more room to stay readable.
        shift, place = -0.06, (0.57, 0.06, 0.93, 0.5)
    cv.fill(lambda_contours(margin, margin, box, shift), orange)
    cv.fill(two_contours(margin, margin, box, max(1.25, 0.062 * box), place),
            orange)
    return [(p[0], p[1], p[2], min(1.0, a)) for p, a in zip(cv.px, badge)]


def row_bytes(bits):
    return (bits + 31) // 32 * 4


def and_mask(size, transparent):
    """1 bpp mask, bottom-up, rows padded to 4 bytes; 1 marks see-through."""
    stride = row_bytes(size)
    out = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray(stride)
        for x in range(size):
            if transparent[y * size + x]:
                row[x >> 3] |= 0x80 >> (x & 7)
        out += row
    return bytes(out)


def bitmap_header(size, bits, image_bytes):
    # BITMAPINFOHEADER; the height counts the colour bitmap and the mask.
    return struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0,
                       image_bytes, 0, 0, 0, 0)


def encode_32(size, rgba):
    xor = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            r, g, b, a = rgba[y * size + x]
            if a <= 0:
                xor += b'\0\0\0\0'
            else:
                xor += bytes((to_byte(b), to_byte(g), to_byte(r), to_byte(a)))
    mask = and_mask(size, [to_byte(p[3]) == 0 for p in rgba])
    return bitmap_header(size, 32, len(xor) + len(mask)) + bytes(xor) + mask


def median_cut(counts, n):
    """Up to n colours for the weighted colours {rgb: count}: boxes are
    split at the weighted median of their widest channel, then refined by
    a few rounds of nearest-colour averaging."""
    boxes = [sorted(counts.items())]
    while len(boxes) < n:
        best, best_score = None, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            spread = max(max(c[0][ch] for c in box) - min(c[0][ch] for c in box)
                         for ch in range(3))
            score = spread * sum(c[1] for c in box) ** 0.5
            if score > best_score:
                best, best_score = i, score
        if best is None:
            break
        box = boxes.pop(best)
        ch = max(range(3), key=lambda c: (max(e[0][c] for e in box)
                                          - min(e[0][c] for e in box)))
        box.sort(key=lambda e: (e[0][ch], e[0]))
        total = sum(e[1] for e in box)
        acc, cut = 0, 1
        for i, e in enumerate(box[:-1]):
            acc += e[1]
            if acc * 2 >= total:
                cut = i + 1
                break
        boxes.insert(best, box[cut:])
        boxes.insert(best, box[:cut])
    palette = [weighted_mean(box) for box in boxes]
    for _ in range(6):
        groups = [[] for _ in palette]
        for c, k in counts.items():
            groups[nearest(palette, c)].append((c, k))
        palette = [weighted_mean(g) if g else p for g, p in zip(groups, palette)]
    return palette


def weighted_mean(entries):
    total = sum(k for _, k in entries)
    return tuple(int(sum(c[ch] * k for c, k in entries) / total + 0.5)
                 for ch in range(3))


def nearest(palette, c):
    best, best_d = 0, None
    for i, p in enumerate(palette):
        d = (2 * (p[0] - c[0]) ** 2 + 4 * (p[1] - c[1]) ** 2
             + 3 * (p[2] - c[2]) ** 2)
        if best_d is None or d < best_d:
            best, best_d = i, d
    return best


def encode_indexed(size, rgba, bits):
    """Palette image: pixels at least half covered are opaque, the rest are
    see-through in the AND mask with colour index 0 (black) so that they
    leave the screen unchanged."""
    opaque = [p[3] >= 0.5 for p in rgba]
    pixels = [tuple(to_byte(v) for v in p[:3]) for p in rgba]
    counts = {}
    for c, o in zip(pixels, opaque):
        if o:
            counts[c] = counts.get(c, 0) + 1
    ncol = 1 << bits
    palette = [(0, 0, 0)] + median_cut(counts, ncol - 1)
    palette += [(0, 0, 0)] * (ncol - len(palette))
    lookup = {c: nearest(palette, c) for c in counts}
    index = [lookup[c] if o else 0 for c, o in zip(pixels, opaque)]
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    stride = row_bytes(size * bits)
    xor = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray(stride)
        for x in range(size):
            v = index[y * size + x]
            if bits == 8:
                row[x] = v
            else:
                row[x >> 1] |= v << (4 if x % 2 == 0 else 0)
        xor += row
    mask = and_mask(size, [not o for o in opaque])
    return (bitmap_header(size, bits, len(xor) + len(mask)) + table
            + bytes(xor) + mask)


def make_icon():
    images = {size: icon_rgba(size) for size in ICON_SIZES}
    entries = []
    for bits in ICON_DEPTHS:
        for size in ICON_SIZES:
            if bits == 32:
                data = encode_32(size, images[size])
            else:
                data = encode_indexed(size, images[size], bits)
            entries.append((size, bits, data))
    return icon_file(1, [(s, s, 16 if b == 4 else 0, 1, b, d)
                         for s, b, d in entries])


def icon_file(kind, entries):
    """ICONDIR (kind 1 = icon, 2 = cursor) and its entries; for cursors the
    planes and bit-count fields carry the hot spot."""
    out = struct.pack('<HHH', 0, kind, len(entries))
    offset = 6 + 16 * len(entries)
    body = b''
    for size, _, colours, f1, f2, data in entries:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, colours, 0,
                           f1, f2, len(data), offset)
        offset += len(data)
        body += data
    return out + body


# ---------------------------------------------------------------------------
# Cursor
# ---------------------------------------------------------------------------

# The pointing hand, one character per pixel: '#' black, 'o' white,
# '.' see-through.  The fingertip's top edge is at column 6, row 1.
HAND = """
................................
.....###........................
....#ooo#.......................
....#ooo#.......................
....#ooo#.......................
....#ooo#.......................
....#ooo#.......................
....#ooo####....................
....#ooo#ooo####................
....#ooo#ooo#ooo#...............
....#ooo#ooo#ooo###.............
.##.#ooo#ooo#ooo#oo#............
#oo##ooo#ooo#ooo#oo#............
#ooo#ooo#ooo#ooo#oo#............
.#ooo#ooooooooooooo#............
.#ooooooooooooooooo#............
..#oooooooooooooooo#............
..#oooooooooooooooo#............
...#ooooooooooooooo#............
...#oooooooooooooo#.............
....#ooooooooooooo#.............
....#oooooooooooo#..............
.....#ooooooooooo#..............
.....#ooooooooooo#..............
.....#############..............
................................
................................
................................
................................
................................
................................
................................
"""
HOT_SPOT = (6, 1)


def make_cursor():
    rows = HAND.strip('\n').split('\n')
    assert len(rows) == 32 and all(len(r) == 32 for r in rows)
    cells = ''.join(rows)
    stride = row_bytes(32)
    xor = bytearray()
    for y in range(31, -1, -1):
        row = bytearray(stride)
        for x in range(32):
            if cells[y * 32 + x] == 'o':
                row[x >> 3] |= 0x80 >> (x & 7)
        xor += row
    mask = and_mask(32, [c == '.' for c in cells])
    palette = b'\0\0\0\0' + b'\xff\xff\xff\0'
    data = (bitmap_header(32, 1, len(xor) + len(mask)) + palette + bytes(xor)
            + mask)
    return icon_file(2, [(32, 32, 0, HOT_SPOT[0], HOT_SPOT[1], data)])


# ---------------------------------------------------------------------------

def main():
    font = find_font()
    write_jpeg(make_banner(font), os.path.join(HERE, 'banner.jpg'))
    with open(os.path.join(HERE, 'launcher.ico'), 'wb') as f:
        f.write(make_icon())
    with open(os.path.join(HERE, 'hand.cur'), 'wb') as f:
        f.write(make_cursor())


if __name__ == '__main__':
    main()
