#!/usr/bin/env python3
"""Writes the start menu's bitmaps and icon under res/.

The outputs are committed so that a build needs neither this script nor any
image tools; rerun it from the repository root after changing the artwork.
Standard library only, and byte-for-byte deterministic.

Every colour here is 0..255 RGB.  Two kinds of colour are banned from the
output: the key colour (magenta) and the three greys that
LoadImage(LR_LOADMAP3DCOLORS) would swap for system colours, so that the
pictures stay what they are however a program loads them.  The build
compresses the bitmaps for the resources (cmake/pack-artwork.cmake).
"""

import math
import os
import struct
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BITMAP_DIR = os.path.join(ROOT, "res", "bitmaps")
ICON_DIR = os.path.join(ROOT, "res", "icons")

KEY_COLOUR = (255, 0, 255)
MAPPED_GREYS = ((128, 128, 128), (192, 192, 192), (223, 223, 223))
BANNED_COLOURS = frozenset((KEY_COLOUR,) + MAPPED_GREYS)

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)

# The menu's blues.  Flat artwork uses them exactly: tests read its pixels.
DEEP_BLUE = (20, 61, 83)
MID_BLUE = (41, 82, 104)
SLATE_BLUE = (60, 101, 123)
LIGHT_BLUE = (111, 152, 174)
FROST = (219, 225, 229)


# --------------------------------------------------------------------------
# Small maths helpers

def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def smoothstep(e0, e1, v):
    t = clamp((v - e0) / (e1 - e0))
    return t * t * (3.0 - 2.0 * t)


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else clamp(((px - ax) * dx + (py - ay) * dy) / length2)
    ex, ey = px - (ax + t * dx), py - (ay + t * dy)
    return math.sqrt(ex * ex + ey * ey)


def rounded_box_distance(px, py, box, radius):
    """Signed distance to a rounded rectangle (x, y, w, h); negative inside."""
    x, y, w, h = box
    hx, hy = w / 2.0 - radius, h / 2.0 - radius
    qx = abs(px - (x + w / 2.0)) - hx
    qy = abs(py - (y + h / 2.0)) - hy
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - radius


# --------------------------------------------------------------------------
# Canvas: float RGB, quantised once at the end

class Canvas:
    def __init__(self, width, height, colour=BLACK):
        self.width = width
        self.height = height
        self.pixels = [list(colour) for _ in range(width * height)]

    def blend(self, x, y, colour, alpha):
        if alpha <= 0.0:
            return
        p = self.pixels[y * self.width + x]
        for i in range(3):
            p[i] += (colour[i] - p[i]) * alpha

    def clip(self, x0, y0, x1, y1):
        return (max(0, int(math.floor(x0))), max(0, int(math.floor(y0))),
                min(self.width, int(math.ceil(x1))), min(self.height, int(math.ceil(y1))))

    def quantise(self, dither=False):
        """Rounds to bytes; dithering hides banding in the long gradients."""
        rows = []
        for y in range(self.height):
            row = []
            for x in range(self.width):
                bias = (BAYER_4[y & 3][x & 3] + 0.5) / 16.0 - 0.5 if dither else 0.0
                rgb = tuple(int(clamp(math.floor(c + 0.5 + bias), 0, 255))
                            for c in self.pixels[y * self.width + x])
                row.append(avoid_banned(rgb))
            rows.append(row)
        return rows


BAYER_4 = ((0, 8, 2, 10), (12, 4, 14, 6), (3, 11, 1, 9), (15, 7, 13, 5))


def avoid_banned(rgb):
    # Soft artwork may land on a banned value by chance; one step of blue is
    # invisible.  Flat art uses exact colours and never reaches this.
    if rgb in BANNED_COLOURS:
        r, g, b = rgb
        return (r, g, b - 1 if b > 0 else b + 1)
    return rgb


# --------------------------------------------------------------------------
# Coverage masks (anti-aliased shapes, blurred for shadows and glows)

class Mask:
    def __init__(self, x, y, w, h):
        self.x, self.y, self.w, self.h = x, y, w, h
        self.data = [0.0] * (w * h)

    def grown(self, margin):
        out = Mask(self.x - margin, self.y - margin, self.w + 2 * margin, self.h + 2 * margin)
        for y in range(self.h):
            base = (y + margin) * out.w + margin
            out.data[base:base + self.w] = self.data[y * self.w:(y + 1) * self.w]
        return out

    def blurred(self, radius, passes=3):
        """Repeated box blur, close enough to a gaussian for soft shadows."""
        out = self.grown(radius * passes)
        for _ in range(passes):
            out.data = _box_blur_rows(out.data, out.w, out.h, radius)
            out.data = _transpose(_box_blur_rows(_transpose(out.data, out.w, out.h),
                                                 out.h, out.w, radius), out.h, out.w)
        return out


def _box_blur_rows(data, w, h, radius):
    out = [0.0] * (w * h)
    span = 2 * radius + 1
    for y in range(h):
        row = data[y * w:(y + 1) * w]
        acc = sum(row[0:radius + 1])
        for x in range(w):
            out[y * w + x] = acc / span
            enter, leave = x + radius + 1, x - radius
            if enter < w:
                acc += row[enter]
            if leave >= 0:
                acc -= row[leave]
    return out


def _transpose(data, w, h):
    return [data[y * w + x] for x in range(w) for y in range(h)]


def composite_mask(canvas, mask, colour_at, opacity=1.0, dx=0, dy=0):
    for my in range(mask.h):
        y = mask.y + my + dy
        if not 0 <= y < canvas.height:
            continue
        for mx in range(mask.w):
            a = mask.data[my * mask.w + mx]
            x = mask.x + mx + dx
            if a > 0.0 and 0 <= x < canvas.width:
                canvas.blend(x, y, colour_at(x, y), a * opacity)


# --------------------------------------------------------------------------
# Stroke font: glyphs are centre lines in font units (baseline 0, y up, cap
# height 10, x-height 7) drawn with round-capped pens, so one design serves
# both the large title and the small subtitle.

CAP = 10.0
XH = 7.0
ASC = 10.5
DESC = -3.0


def arc(cx, cy, rx, ry, a0, a1):
    steps = max(6, int(abs(a1 - a0) / 5))
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / steps)))
            for i in range(steps + 1)]


def bowl(r=3.5):
    return arc(r, XH / 2, r, XH / 2, 0, 360)


GLYPHS = {
    # char: (ink width, [polyline, ...])
    " ": (1.6, []),
    "Z": (6.4, [[(0, CAP), (6.4, CAP), (0, 0), (6.4, 0)]]),
    "V": (7.2, [[(0, CAP), (3.6, 0), (7.2, CAP)]]),
    "I": (0.0, [[(0, 0), (0, CAP)]]),
    "a": (7.0, [bowl(), [(7, 0), (7, XH)]]),
    "c": (6.2, [arc(3.5, 3.5, 3.5, 3.5, 42, 318)]),
    "d": (7.0, [bowl(), [(7, 0), (7, ASC)]]),
    "e": (7.0, [[(0, 3.5)] + arc(3.5, 3.5, 3.5, 3.5, 0, 320)]),
    "i": (0.0, [[(0, 0), (0, XH)], [(0, 9.4)]]),
    "l": (0.0, [[(0, 0), (0, ASC)]]),
    "n": (6.4, [[(0, 0), (0, XH)], [(0, 3.8)] + arc(3.2, 3.8, 3.2, 3.2, 180, 0) + [(6.4, 0)]]),
    "o": (7.0, [bowl()]),
    "q": (7.0, [bowl(), [(7, XH), (7, DESC)]]),
    "r": (4.1, [[(0, 0), (0, XH)], [(0, 3.8)] + arc(3.2, 3.8, 3.2, 3.2, 180, 75)]),
    "s": (5.6, [arc(2.8, 5.25, 2.8, 1.75, 35, 270) + arc(2.8, 1.75, 2.8, 1.75, 90, -145)[1:]]),
    "t": (3.6, [[(1.2, 9.6), (1.2, 1.6)] + arc(2.8, 1.6, 1.6, 1.6, 180, 285), [(0, XH), (3.6, XH)]]),
    "u": (6.4, [[(0, XH), (0, 3.2)] + arc(3.2, 3.2, 3.2, 3.2, 180, 360), [(6.4, XH), (6.4, 0)]]),
    "v": (6.4, [[(0, XH), (3.2, 0), (6.4, XH)]]),
}


def layout_text(text, left, baseline, scale, tracking):
    """Returns per-glyph segment lists in pixel coordinates."""
    glyphs = []
    pen = 0.0
    for ch in text:
        width, strokes = GLYPHS[ch]
        segments = []
        for line in strokes:
            pts = [(left + (pen + x) * scale, baseline - y * scale) for x, y in line]
            if len(pts) == 1:
                pts = pts * 2
            segments.extend(zip(pts, pts[1:]))
        if segments:
            glyphs.append(segments)
        pen += width + tracking
    return glyphs, (pen - tracking) * scale


def text_mask(text, left, baseline, scale, pen_width, tracking):
    """Anti-aliased coverage of a line of text, from exact stroke distance."""
    glyphs, _ = layout_text(text, left, baseline, scale, tracking + pen_width / scale)
    half = pen_width / 2.0
    x0 = int(left) - int(half) - 2
    y0 = int(baseline - ASC * scale - half) - 2
    x1 = int(left + text_width(text, scale, pen_width, tracking) + half) + 3
    y1 = int(baseline - DESC * scale + half) + 3
    mask = Mask(x0, y0, x1 - x0, y1 - y0)
    for segments in glyphs:
        xs = [p[0] for s in segments for p in s]
        ys = [p[1] for s in segments for p in s]
        for y in range(int(min(ys) - half) - 1, int(max(ys) + half) + 2):
            for x in range(int(min(xs) - half) - 1, int(max(xs) + half) + 2):
                cx, cy = x + 0.5, y + 0.5
                d = min(segment_distance(cx, cy, a[0], a[1], b[0], b[1]) for a, b in segments)
                cover = clamp(half - d + 0.5)
                i = (y - y0) * mask.w + (x - x0)
                mask.data[i] = max(mask.data[i], cover)
    return mask


def text_width(text, scale, pen_width, tracking):
    return layout_text(text, 0, 0, scale, tracking + pen_width / scale)[1]


# --------------------------------------------------------------------------
# Main menu background

MAIN_SIZE = (763, 560)

# Where the program places its controls, in bitmap pixels (x, y, w, h).
BUTTON_PANEL = (320, 222, 436, 219)     # both button columns
LANGUAGE_PANEL = (535, 503, 221, 47)    # the "Language" button at (543, 511)
DESCRIPTION_PANEL = (37, 309, 271, 111)  # white text at (45, 319, 257, 91)
DESCRIPTION_TEXT = (45, 319, 257, 91)

TITLE = "Zelvora Velquin"
SUBTITLE = "Installation disc"
TITLE_LEFT, TITLE_BASELINE = 46, 100
TITLE_SCALE, TITLE_PEN, TITLE_TRACKING = 4.5, 5.7, 1.3
RULE_Y = 122
SUBTITLE_BASELINE = 146
SUBTITLE_SCALE, SUBTITLE_PEN, SUBTITLE_TRACKING = 1.45, 1.9, 2.6

SKY_TOP = (20, 52, 76)
SKY_BOTTOM = (4, 14, 26)
PANEL_SHADE = (3, 12, 22)
HAIRLINE = (120, 170, 200)
TITLE_TOP = (255, 255, 255)
TITLE_BOTTOM = (196, 222, 236)
TITLE_ACCENT = (122, 192, 226)
SUBTITLE_COLOUR = (138, 178, 200)
TITLE_GLOW = (60, 140, 190)
SHADOW = (0, 6, 14)

# Soft radial glows: centre, radii, colour, strength.
GLOWS = (
    ((250, 40), (430, 230), (40, 96, 130), 0.55),
    ((690, 150), (260, 200), (30, 90, 125), 0.40),
    ((110, 560), (320, 160), (20, 60, 90), 0.45),
)

# Light trails: y = y0 + slope * x + bend * (x - TRAIL_PIVOT)^2, fading in and out
# between x_from and x_to.  They suggest motion without competing with text.
TRAILS = (
    # y0, slope, bend, width, x_from, x_to, strength
    (520, -0.62, 0.00024, 1.2, -40, 800, 0.55),
    (540, -0.60, 0.00026, 3.5, -40, 800, 0.22),
    (566, -0.58, 0.00022, 0.8, 60, 820, 0.45),
    (600, -0.57, 0.00025, 7.0, 0, 820, 0.10),
    (632, -0.55, 0.00020, 1.0, 140, 820, 0.40),
    (470, -0.66, 0.00030, 0.7, -40, 640, 0.35),
)
TRAIL_COLOUR = (90, 170, 215)
TRAIL_PIVOT = 380

# The rim of a large disc rising from the lower right: a faint face with a
# sheen and a few fine concentric lines.
DISC_CENTRE = (860, 720)
DISC_FACE = 520
DISC_LINES = ((520, 0.9, 0.30), (505, 0.6, 0.14), (330, 0.7, 0.12))  # radius, width, strength
DISC_COLOUR = (70, 130, 170)


def sky_colour(x, y):
    w, h = MAIN_SIZE
    # Diagonal: lighter towards the upper left where the title sits.
    t = clamp(0.78 * y / h + 0.22 * x / w)
    colour = list(mix(SKY_TOP, SKY_BOTTOM, smoothstep(0.0, 1.0, t)))
    for (cx, cy), (rx, ry), glow, strength in GLOWS:
        d2 = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
        if d2 < 4.0:
            k = strength * math.exp(-2.2 * d2)
            for i in range(3):
                colour[i] += glow[i] * k * 0.5
    for y0, slope, bend, width, x_from, x_to, strength in TRAILS:
        centre = y0 + slope * x + bend * (x - TRAIL_PIVOT) ** 2
        gradient = slope + 2 * bend * (x - TRAIL_PIVOT)
        d = abs(y - centre) / math.sqrt(1 + gradient * gradient)
        if d < width * 3.5 + 2:
            along = math.sin(math.pi * clamp((x - x_from) / (x_to - x_from))) ** 1.5
            k = strength * along * math.exp(-0.5 * (d / max(width, 0.6)) ** 2)
            for i in range(3):
                colour[i] += TRAIL_COLOUR[i] * k * 0.5
    r = math.hypot(x - DISC_CENTRE[0], y - DISC_CENTRE[1])
    if r < DISC_FACE + 8:
        angle = math.atan2(y - DISC_CENTRE[1], x - DISC_CENTRE[0])
        sheen = 0.4 + 0.6 * math.cos(angle + 2.2) ** 2
        k = 0.09 * sheen * (1.0 - smoothstep(DISC_FACE - 2, DISC_FACE + 1, r))
        for radius, width, strength in DISC_LINES:
            k += strength * sheen * math.exp(-0.5 * ((r - radius) / width) ** 2)
        for i in range(3):
            colour[i] += DISC_COLOUR[i] * k
    # Vignette keeps the eye inside the frame.
    vx, vy = (x / w - 0.45) * 1.3, (y / h - 0.4) * 1.3
    v = 1.0 - 0.35 * smoothstep(0.35, 1.1, vx * vx + vy * vy)
    return [c * v for c in colour]


def paint_sky(canvas):
    for y in range(canvas.height):
        for x in range(canvas.width):
            canvas.pixels[y * canvas.width + x] = sky_colour(x + 0.5, y + 0.5)


def paint_panel(canvas, box, radius, opacity, rim):
    """Darkened rounded glass with a faint rim that fades towards the bottom."""
    x, y, w, h = box
    cx0, cy0, cx1, cy1 = canvas.clip(x - 2, y - 2, x + w + 2, y + h + 2)
    for py in range(cy0, cy1):
        fade = 1.0 - 0.6 * (py - y) / float(h)
        for px in range(cx0, cx1):
            d = rounded_box_distance(px + 0.5, py + 0.5, box, radius)
            inside = clamp(0.5 - d)
            canvas.blend(px, py, PANEL_SHADE, inside * opacity)
            edge = clamp(1.0 - abs(d + 0.5))
            canvas.blend(px, py, HAIRLINE, edge * rim * fade)


def paint_accent_bar(canvas, x, y, h, colour):
    for py in range(y, y + h):
        t = (py - y) / float(h - 1)
        alpha = 0.9 * (1.0 - smoothstep(0.4, 1.0, t))
        canvas.blend(x, py, colour, alpha)
        canvas.blend(x + 1, py, colour, alpha * 0.5)


def paint_rule(canvas, x0, x1, y, colour, strength):
    """A horizontal hairline that fades out at both ends."""
    for x in range(x0, x1):
        t = (x - x0) / float(x1 - x0)
        alpha = strength * smoothstep(0.0, 0.08, t) * (1.0 - smoothstep(0.45, 1.0, t))
        canvas.blend(x, y, colour, alpha)


def paint_title(canvas):
    mask = text_mask(TITLE, TITLE_LEFT, TITLE_BASELINE, TITLE_SCALE, TITLE_PEN, TITLE_TRACKING)
    composite_mask(canvas, mask.blurred(4), lambda x, y: SHADOW, 0.75, 2, 4)
    composite_mask(canvas, mask.blurred(9), lambda x, y: TITLE_GLOW, 0.16)
    top = TITLE_BASELINE - CAP * TITLE_SCALE
    # The second word takes the accent colour.
    first_word = TITLE[:TITLE.index(" ") + 1]
    split = TITLE_LEFT + text_width(first_word, TITLE_SCALE, TITLE_PEN, TITLE_TRACKING)

    def fill(x, y):
        t = clamp((y - top) / (CAP * TITLE_SCALE))
        colour = mix(TITLE_TOP, TITLE_BOTTOM, t)
        return mix(colour, TITLE_ACCENT, 0.55) if x >= split else colour

    composite_mask(canvas, mask, fill)
    return text_width(TITLE, TITLE_SCALE, TITLE_PEN, TITLE_TRACKING)


def paint_subtitle(canvas):
    mask = text_mask(SUBTITLE, TITLE_LEFT + 1, SUBTITLE_BASELINE,
                     SUBTITLE_SCALE, SUBTITLE_PEN, SUBTITLE_TRACKING)
    composite_mask(canvas, mask.blurred(2), lambda x, y: SHADOW, 0.6, 1, 2)
    composite_mask(canvas, mask, lambda x, y: SUBTITLE_COLOUR)


def make_main_background():
    canvas = Canvas(*MAIN_SIZE)
    paint_sky(canvas)
    paint_panel(canvas, BUTTON_PANEL, 10, 0.42, 0.30)
    paint_panel(canvas, LANGUAGE_PANEL, 8, 0.42, 0.30)
    paint_panel(canvas, DESCRIPTION_PANEL, 8, 0.55, 0.22)
    dx, dy, _, dh = DESCRIPTION_PANEL
    paint_accent_bar(canvas, dx + 3, dy + 10, dh - 20, TITLE_ACCENT)
    title_width = paint_title(canvas)
    paint_rule(canvas, TITLE_LEFT, TITLE_LEFT + int(title_width * 1.15), RULE_Y, TITLE_ACCENT, 0.55)
    paint_subtitle(canvas)
    return canvas.quantise(dither=True)


# --------------------------------------------------------------------------
# Flat artwork: exact colours, read back by tests

def framed(width, height, fill, frame, left=1, top=1, right=1, bottom=1):
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            edge = x < left or y < top or x >= width - right or y >= height - bottom
            row.append(frame if edge else fill)
        rows.append(row)
    return rows


def make_chooser_background():
    return framed(202, 311, MID_BLUE, FROST, left=2, top=2, right=2, bottom=3)


BUTTON_SLICES = (  # normal, pressed, hover, disabled
    (DEEP_BLUE, BLACK),
    (LIGHT_BLUE, WHITE),
    (LIGHT_BLUE, BLACK),
    (DEEP_BLUE, BLACK),
)


def make_button_strip():
    rows = []
    for fill, frame in BUTTON_SLICES:
        rows.extend(framed(202, 26, fill, frame))
    return rows


CLOSE_SIZE = 21
CLOSE_SLICES = (  # cross, fill, frame: normal, pressed, hover, disabled
    (WHITE, SLATE_BLUE, BLACK),
    (WHITE, LIGHT_BLUE, WHITE),
    (WHITE, LIGHT_BLUE, BLACK),
    ((150, 170, 180), SLATE_BLUE, BLACK),
)
CROSS_REACH = 3.9   # half the arm length along each axis, in pixels
CROSS_PEN = 2.0
SUPERSAMPLE = 4


def cross_coverage(x, y):
    """Fraction of pixel (x, y) covered by an X centred on the slice."""
    c = CLOSE_SIZE / 2.0
    a0, a1 = c - CROSS_REACH, c + CROSS_REACH
    hits = 0
    for sy in range(SUPERSAMPLE):
        for sx in range(SUPERSAMPLE):
            px = x + (sx + 0.5) / SUPERSAMPLE
            py = y + (sy + 0.5) / SUPERSAMPLE
            d = min(segment_distance(px, py, a0, a0, a1, a1),
                    segment_distance(px, py, a1, a0, a0, a1))
            hits += d <= CROSS_PEN / 2.0
    return hits / float(SUPERSAMPLE * SUPERSAMPLE)


def make_close_strip():
    rows = []
    for cross, fill, frame in CLOSE_SLICES:
        piece = framed(CLOSE_SIZE, CLOSE_SIZE, fill, frame)
        for y in range(1, CLOSE_SIZE - 1):
            for x in range(1, CLOSE_SIZE - 1):
                a = cross_coverage(x, y)
                if a > 0.0:
                    piece[y][x] = avoid_banned(tuple(int(round(v)) for v in mix(fill, cross, a)))
        rows.extend(piece)
    return rows


# --------------------------------------------------------------------------
# Icon: a disc with a sheen and a hub, in the menu's blues

ICON_SIZES = (48, 32, 16)
DISC_EDGE = (8, 28, 42)
DISC_BODY_DARK = DEEP_BLUE
DISC_BODY_LIGHT = (70, 128, 160)
DISC_SHEEN = (170, 215, 235)
HUB_COLOUR = FROST
HUB_RIM = (96, 140, 164)


def disc_sample(u, v, size):
    """Colour and alpha at (u, v) in pixels from the centre of a size-px icon."""
    outer = size / 2.0 - 0.25
    edge = max(1.0, size / 24.0)
    hole = max(1.3, size * 0.09)
    hub = max(2.6, size * 0.2)
    r = math.hypot(u, v)
    if r > outer or r < hole:
        return (0, 0, 0), 0.0
    if r > outer - edge:
        return DISC_EDGE, 1.0
    if r < hole + edge * 0.8:
        return HUB_RIM, 1.0
    if r < hub:
        return HUB_COLOUR, 1.0
    if r < hub + edge * 0.8:
        return DISC_EDGE, 1.0
    angle = math.atan2(v, u)
    # Light from the upper left, plus the two opposing flares a pressed
    # disc shows.
    t = clamp(0.5 - 0.5 * (u + v) / outer * 0.7)
    body = mix(DISC_BODY_DARK, DISC_BODY_LIGHT, t)
    flare = math.cos(angle + math.pi / 4) ** 2
    flare = flare ** 3 * (0.45 + 0.55 * (r - hub) / (outer - hub))
    return mix(body, DISC_SHEEN, 0.85 * flare), 1.0


def render_icon(size):
    """Straight-alpha RGBA rows, top-down."""
    rows = []
    n = SUPERSAMPLE
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0]
            alpha = 0.0
            for sy in range(n):
                for sx in range(n):
                    u = x + (sx + 0.5) / n - size / 2.0
                    v = y + (sy + 0.5) / n - size / 2.0
                    colour, a = disc_sample(u, v, size)
                    alpha += a
                    for i in range(3):
                        acc[i] += colour[i] * a
            if alpha == 0.0:
                row.append((0, 0, 0, 0))
            else:
                rgb = avoid_banned(tuple(int(round(c / alpha)) for c in acc))
                row.append(rgb + (int(round(255 * alpha / (n * n))),))
        rows.append(row)
    return rows


# --------------------------------------------------------------------------
# File formats

BMP_PIXELS_PER_METRE = 2835  # 72 dpi


def bmp_bytes(rows):
    """24-bit bottom-up BMP with a BITMAPINFOHEADER."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pad = b"\0" * (stride - width * 3)
    body = bytearray()
    for row in reversed(rows):
        for r, g, b in row:
            body += bytes((b, g, r))
        body += pad
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body),
                       BMP_PIXELS_PER_METRE, BMP_PIXELS_PER_METRE, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    return header + info + bytes(body)


def read_bmp(data):
    """Inverse of bmp_bytes, for the self-check."""
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    hsize, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    assert (magic, size, hsize, planes, bits, compression) == (b"BM", len(data), 40, 1, 24, 0)
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height):
        start = offset + (height - 1 - y) * stride
        line = data[start:start + width * 3]
        rows.append([(line[i + 2], line[i + 1], line[i]) for i in range(0, len(line), 3)])
    return rows


def icon_image_bytes(rgba_rows):
    size = len(rgba_rows)
    xor = bytearray()
    for row in reversed(rgba_rows):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    and_mask = bytearray()
    for row in reversed(rgba_rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        and_mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                       len(xor) + len(and_mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(and_mask)


def ico_bytes(images):
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, blobs = b"", b""
    for size, blob in images:
        dim = 0 if size >= 256 else size
        entries += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs += blob
    return header + entries + blobs


# --------------------------------------------------------------------------
# Self-check and output

def colours_in(rows):
    return {p for row in rows for p in row}


def check_bitmap(name, rows, size):
    assert (len(rows[0]), len(rows)) == size, (name, "size")
    banned = colours_in(rows) & BANNED_COLOURS
    assert not banned, (name, "contains", sorted(banned))


def check_main_background(rows):
    # White 8-pt text goes straight onto this area; keep it dark.
    x, y, w, h = DESCRIPTION_TEXT
    brightest = max(max(p) for row in rows[y:y + h] for p in row[x:x + w])
    assert brightest < 90, ("description area too bright", brightest)


def check_close_strip(rows):
    for i, (_, fill, _) in enumerate(CLOSE_SLICES):
        piece = rows[i * CLOSE_SIZE:(i + 1) * CLOSE_SIZE]
        assert piece[10][3] == fill and piece[3][10] == fill, ("close slice", i)


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)
    print("wrote %s (%d bytes)" % (os.path.relpath(path, ROOT), len(data)))


def main():
    bitmaps = (
        ("main_background.bmp", make_main_background(), MAIN_SIZE),
        ("chooser_background.bmp", make_chooser_background(), (202, 311)),
        ("button_strip.bmp", make_button_strip(), (202, 104)),
        ("close_strip.bmp", make_close_strip(), (21, 84)),
    )
    os.makedirs(BITMAP_DIR, exist_ok=True)
    os.makedirs(ICON_DIR, exist_ok=True)
    for name, rows, size in bitmaps:
        check_bitmap(name, rows, size)
        data = bmp_bytes(rows)
        assert read_bmp(data) == rows, (name, "round trip")
        write(os.path.join(BITMAP_DIR, name), data)
    check_main_background(bitmaps[0][1])
    check_close_strip(bitmaps[3][1])

    images = []
    for size in ICON_SIZES:
        rgba = render_icon(size)
        banned = {p[:3] for row in rgba for p in row if p[3]} & BANNED_COLOURS
        assert not banned, ("icon", size, banned)
        images.append((size, icon_image_bytes(rgba)))
    write(os.path.join(ICON_DIR, "splash.ico"), ico_bytes(images))
    return 0


if __name__ == "__main__":
    sys.exit(main())
