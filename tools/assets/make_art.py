#!/usr/bin/python3
"""Draws every bitmap, icon and cursor of the program (python3-pil).

  resources/art/*.bmp, *.ico, *.cur   listed by id in resources/art.rc
  data/Ell.bmp                        element pictures for printing
  data/Tidewell.bmp                   about box and start picture

Everything is drawn by this script (the zodiac and node shapes come from DejaVu Sans,
like the symbol font); nothing is edited by hand. Shapes are drawn four times larger
and scaled down, so edges are smooth at the small sizes. Runs give identical bytes.

Usage: make_art.py [REPO_ROOT]   (writes below REPO_ROOT, default the repository)
"""
import math
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
DEJAVU = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
DEJAVU_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
SERIF_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"

SS = 4  # supersampling factor

# Side panel: the picture control is filled with colour-table entry 6 (0,0,128); the
# moon, strip and markers are blitted onto it, so they carry that background.
PANEL_BG = (0, 0, 128)
STRIP_BG = (18, 26, 92)
STRIP_EDGE = (96, 112, 190)
LIST_BG = (255, 255, 255)     # image lists: white is the mask colour
TOOLBAR_BG = (192, 192, 192)  # mapped to the button face by the toolbar
# Default element colours (fire, earth, air, water) of the settings.
ELEMENT = [(255, 0, 0), (168, 71, 0), (238, 245, 169), (86, 165, 218)]
ELEMENT_DARK = [(150, 0, 0), (90, 38, 0), (120, 120, 40), (20, 70, 130)]
PLANT_GREEN = (0, 128, 0)
MOON_LIT = (250, 244, 214)
MOON_MARE = (214, 206, 176)
MOON_DARK = (44, 52, 96)
HEIGHT_COL = (255, 214, 64)
DIST_COL = (110, 220, 255)


# ---------------------------------------------------------------- helpers

def canvas(w, h, bg):
    img = Image.new("RGB", (w * SS, h * SS), bg)
    return img, ImageDraw.Draw(img)


def down(img):
    w, h = img.size
    return img.resize((w // SS, h // SS), Image.LANCZOS)


def S(*v):
    """Scales coordinates from target pixels to the supersampled canvas."""
    return [round(x * SS) for x in v]


def poly(d, pts, fill, outline=None, width=1):
    d.polygon([(x * SS, y * SS) for x, y in pts], fill=fill)
    if outline:
        d.line([(x * SS, y * SS) for x, y in pts + [pts[0]]], fill=outline, width=round(width * SS))


def ell(d, cx, cy, r, fill=None, outline=None, width=1):
    d.ellipse(S(cx - r, cy - r, cx + r, cy + r), fill=fill, outline=outline,
              width=round(width * SS) if outline else 0)


def line(d, pts, fill, width=1):
    d.line([(x * SS, y * SS) for x, y in pts], fill=fill, width=round(width * SS))


def rect(d, x0, y0, x1, y1, fill=None, outline=None, width=1):
    d.rectangle(S(x0, y0, x1, y1), fill=fill, outline=outline,
                width=round(width * SS) if outline else 0)


def glyph(d, ch, cx, cy, size, fill, font=DEJAVU):
    f = ImageFont.truetype(font, round(size * SS))
    d.text((cx * SS, cy * SS), ch, font=f, fill=fill, anchor="mm")


def arrow_v(d, cx, y_tail, y_tip, fill, shaft=2.0, head=7.0, head_h=5.0):
    s = 1 if y_tip > y_tail else -1
    base = y_tip - s * head_h
    rect(d, cx - shaft / 2, min(y_tail, base), cx + shaft / 2, max(y_tail, base), fill=fill)
    poly(d, [(cx - head / 2, base), (cx + head / 2, base), (cx, y_tip)], fill)


def arrow_h(d, x_tail, x_tip, cy, fill, shaft=2.0, head=7.0, head_w=5.0):
    s = 1 if x_tip > x_tail else -1
    base = x_tip - s * head_w
    rect(d, min(x_tail, base), cy - shaft / 2, max(x_tail, base), cy + shaft / 2, fill=fill)
    poly(d, [(base, cy - head / 2), (base, cy + head / 2), (x_tip, cy)], fill)


def save_bmp(img, path):
    """24-bit BMP, or 8-bit with a palette for 'P' images (what windres and the
    program's own DIB reader take)."""
    img.save(path, format="BMP")


# ---------------------------------------------------------------- moon phases

def moon_picture(index, size=96):
    """Phase picture 1..40 on the panel background: lit part bright, unlit part in
    earthshine blue, a few maria so that the disc reads as the moon."""
    img, d = canvas(size, size, PANEL_BG)
    cx = cy = size / 2
    r = size / 2 - 3
    # Unlit disc first, then the lit part as a polygon between limb and terminator.
    ell(d, cx, cy, r, fill=MOON_DARK)
    theta = 2 * math.pi * index / 40
    c = math.cos(theta)
    if index == 40:
        lit = None
    elif index < 20:     # waxing: lit from the terminator to the right limb
        lit = (c, 1.0)
    elif index == 20:
        lit = (-1.0, 1.0)
    else:                # waning: lit from the left limb to the terminator
        lit = (-1.0, -c)
    mask = Image.new("L", img.size, 0)
    if lit:
        md = ImageDraw.Draw(mask)
        a, b = lit
        n = 90
        right = [(cx + b * r * math.sin(math.pi * i / n), cy - r * math.cos(math.pi * i / n))
                 for i in range(n + 1)]
        left = [(cx + a * r * math.sin(math.pi * i / n), cy - r * math.cos(math.pi * i / n))
                for i in range(n, -1, -1)]
        md.polygon([(x * SS, y * SS) for x, y in right + left], fill=255)
    lit_layer, ld = canvas(size, size, MOON_LIT)
    # Maria: fixed soft patches, the same on every picture.
    for mx, my, mr in ((0.22, -0.28, 0.20), (-0.18, -0.20, 0.24), (0.30, 0.12, 0.15),
                       (-0.05, 0.25, 0.13), (-0.35, 0.20, 0.10), (0.05, -0.02, 0.09)):
        ell(ld, cx + mx * r, cy + my * r, mr * r, fill=MOON_MARE)
    img.paste(lit_layer, (0, 0), mask)
    # A faint rim keeps the new moon visible against the sky.
    ell(d, cx, cy, r, outline=(88, 100, 160), width=1)
    return down(img)


# ---------------------------------------------------------------- symbol strip

STRIP_W, STRIP_H = 45, 130


def symbol_strip():
    img, d = canvas(STRIP_W, STRIP_H, STRIP_BG)
    rect(d, 0.5, 0.5, STRIP_W - 1.5, STRIP_H - 1.5, outline=STRIP_EDGE, width=1)
    # Two scales: height on the left (x 3..21), distance on the right (x 24..42).
    for x0, col in ((3, HEIGHT_COL), (24, DIST_COL)):
        cx = x0 + 9
        faint = tuple((c + s) // 3 for c, s in zip(col, STRIP_BG))
        line(d, [(cx, 4), (cx, 87)], faint, 1)
        for y in range(19, 70, 10):
            line(d, [(cx - 3, y), (cx + 3, y)], faint, 1)
    line(d, [(22.5, 3), (22.5, 127)], STRIP_EDGE, 1)
    line(d, [(2, 89.5), (43, 89.5)], STRIP_EDGE, 1)
    return down(img)


def marker(kind):
    """18x16 markers on the strip background."""
    w, h = 18, 16
    img, d = canvas(w, h, STRIP_BG)
    cx = 9
    if kind == "lowest":
        rect(d, 2, 12.5, 16, 14.5, fill=HEIGHT_COL)
        arrow_v(d, cx, 1, 11.5, HEIGHT_COL, head=9, head_h=6)
    elif kind == "highest":
        rect(d, 2, 1.5, 16, 3.5, fill=HEIGHT_COL)
        arrow_v(d, cx, 15, 4.5, HEIGHT_COL, head=9, head_h=6)
    elif kind == "rising":
        arrow_v(d, cx, 15.5, 0.5, HEIGHT_COL, head=10, head_h=7, shaft=3)
    elif kind == "falling":
        arrow_v(d, cx, 0.5, 15.5, HEIGHT_COL, head=10, head_h=7, shaft=3)
    elif kind == "perigee":   # earth and moon close together
        ell(d, 6, 8, 4.5, fill=(70, 150, 255))
        ell(d, 13.5, 8, 2.6, fill=MOON_LIT)
    elif kind == "apogee":    # a small moon far away
        ell(d, 3.5, 8, 2.5, fill=(70, 150, 255))
        for x in (7.5, 10.5):
            ell(d, x, 8, 0.7, fill=DIST_COL)
        ell(d, 15, 8, 1.8, fill=MOON_LIT)
    elif kind == "receding":  # pointing up, towards the far end of the scale
        arrow_v(d, cx, 15.5, 0.5, DIST_COL, head=10, head_h=7, shaft=3)
    elif kind == "approaching":
        arrow_v(d, cx, 0.5, 15.5, DIST_COL, head=10, head_h=7, shaft=3)
    return down(img)


def node_picture(ascending):
    img, d = canvas(18, 18, STRIP_BG)
    glyph(d, "\u260a" if ascending else "\u260b", 9, 9.5, 15, (255, 130, 130))
    return down(img)


def season_picture(season):
    img, d = canvas(18, 18, STRIP_BG)
    if season == 0:    # spring: a sprout
        line(d, [(9, 16), (9, 7)], (90, 200, 90), 1.6)
        poly(d, [(9, 9), (3, 6), (2, 2), (7, 3)], (120, 220, 100))
        poly(d, [(9, 8), (15, 4), (16, 1), (11, 2)], (120, 220, 100))
    elif season == 1:  # summer: the sun
        for k in range(8):
            a = k * math.pi / 4
            line(d, [(9 + 5 * math.cos(a), 9 + 5 * math.sin(a)),
                     (9 + 8 * math.cos(a), 9 + 8 * math.sin(a))], (255, 210, 40), 1.4)
        ell(d, 9, 9, 4, fill=(255, 200, 30))
    elif season == 2:  # autumn: a falling leaf
        poly(d, [(9, 1.5), (15.5, 7), (13, 14), (9, 16.5), (5, 14), (2.5, 7)], (230, 120, 30))
        line(d, [(9, 3), (9, 17)], (120, 50, 10), 1)
    else:              # winter: a snow crystal
        for k in range(3):
            a = k * math.pi / 3
            dx, dy = 7.5 * math.cos(a), 7.5 * math.sin(a)
            line(d, [(9 - dx, 9 - dy), (9 + dx, 9 + dy)], (225, 240, 255), 1.4)
        ell(d, 9, 9, 1.6, fill=(225, 240, 255))
    return down(img)


def element_tile(e, size, bg=None, mono=False):
    """The element as a square tile: its colour and the alchemical triangle."""
    fill = ELEMENT[e] if not mono else (255, 255, 255)
    ink = ELEMENT_DARK[e] if not mono else (0, 0, 0)
    img, d = canvas(size, size, bg or fill)
    s = size
    m = s * 0.16
    if bg is not None:  # a disc of the element colour on the given background
        ell(d, s / 2, s / 2, s / 2 - s * 0.06, fill=fill, outline=ink, width=max(1, s / 18))
        m = s * 0.26
    up = e in (0, 2)  # fire and air point up, earth and water down
    top, bot = m, s - m
    if up:
        tri = [(s / 2, top), (s - m, bot - s * 0.04), (m, bot - s * 0.04)]
    else:
        tri = [(m, top + s * 0.04), (s - m, top + s * 0.04), (s / 2, bot)]
    w = max(1.2, s / 9)
    line(d, tri + [tri[0]], ink, w)
    if e in (1, 2):  # earth and air carry a crossbar
        y = s / 2 + (s * 0.06 if up else -s * 0.06)
        half = (s / 2 - m) * 0.62
        line(d, [(s / 2 - half, y), (s / 2 + half, y)], ink, w)
    if bg is None:
        rect(d, 0, 0, s - 1, s - 1, outline=ink, width=max(1, s / 18))
    return down(img)


def elements_strip(size=18):
    out = Image.new("RGB", (size * 4, size))
    for e in range(4):
        out.paste(element_tile(e, size), (e * size, 0))
    return out


def sign_picture(sign):
    img, d = canvas(18, 18, STRIP_BG)
    col = ELEMENT[sign % 4]
    if sign % 4 == 1:  # earth brown is too dark on the strip
        col = (214, 150, 80)
    glyph(d, chr(0x2648 + sign), 9, 9.5, 15, col)
    return down(img)


def ell_print(height=64):
    """data/Ell.bmp: 18 square pictures side by side.
    0..3 elements, 4..7 the same on a planting-time day, 8..15 the same for two-colour
    printers, 16 the planting background in black and white, 17 in colour."""
    h = height
    out = Image.new("RGB", (h * 18, h), (255, 255, 255))
    plant_bw = hatch(h)
    plant_col = Image.new("RGB", (h, h), PLANT_GREEN)
    for e in range(4):
        out.paste(element_tile(e, h, bg=(255, 255, 255)), (e * h, 0))
        out.paste(element_tile(e, h, bg=PLANT_GREEN), ((4 + e) * h, 0))
        out.paste(element_tile(e, h, bg=(255, 255, 255), mono=True), ((8 + e) * h, 0))
        tile = element_tile(e, h, bg=(255, 255, 255), mono=True)
        # On planting days the black-and-white tile sits on the hatch.
        mask = Image.new("L", (h, h), 0)
        ImageDraw.Draw(mask).ellipse((h * 0.06, h * 0.06, h * 0.94, h * 0.94), fill=255)
        bw = plant_bw.copy()
        bw.paste(tile, (0, 0), mask)
        out.paste(bw, ((12 + e) * h, 0))
    out.paste(plant_bw, (16 * h, 0))
    out.paste(plant_col, (17 * h, 0))
    return out.quantize(colors=64, method=Image.MEDIANCUT, dither=Image.NONE)


def hatch(h):
    img = Image.new("RGB", (h, h), (255, 255, 255))
    d = ImageDraw.Draw(img)
    step = max(4, h // 8)
    for k in range(-h, 2 * h, step):
        d.line([(k, h), (k + h, 0)], fill=(0, 0, 0), width=1)
    return img


# ---------------------------------------------------------------- image lists

def small_state(kind, size=12):
    img, d = canvas(size, size, LIST_BG)
    s = size
    if kind == "any":
        ell(d, s / 2, s / 2, s / 2 - 1.5, outline=(150, 150, 150), width=1.2)
    elif kind == "excluded":
        rect(d, 1, 1, s - 2, s - 2, fill=(220, 40, 40))
        line(d, [(3.5, 3.5), (s - 4.5, s - 4.5)], (255, 255, 255), 1.6)
        line(d, [(s - 4.5, 3.5), (3.5, s - 4.5)], (255, 255, 255), 1.6)
    elif kind == "required":
        rect(d, 1, 1, s - 2, s - 2, fill=(30, 150, 50))
        line(d, [(3, 6), (5, 8.5), (9, 3.5)], (255, 255, 255), 1.6)
    elif kind == "mixed":
        rect(d, 1, 1, s - 2, s - 2, fill=(255, 255, 255), outline=(200, 150, 0), width=1)
        poly(d, [(1.5, s - 1.5), (s - 1.5, 1.5), (s - 1.5, s - 1.5)], (240, 180, 0))
    elif kind == "not_member":
        rect(d, 1.5, 1.5, s - 2.5, s - 2.5, fill=(255, 255, 255), outline=(110, 110, 110), width=1)
    elif kind == "member":
        rect(d, 1.5, 1.5, s - 2.5, s - 2.5, fill=(255, 255, 255), outline=(40, 40, 120), width=1)
        line(d, [(3, 6), (5, 8.5), (9, 3.5)], (20, 110, 30), 1.6)
    elif kind == "all":
        rect(d, 1.5, 1.5, s - 2.5, s - 2.5, fill=(40, 90, 200), outline=(20, 40, 110), width=1)
        line(d, [(3, 6), (5, 8.5), (9, 3.5)], (255, 255, 255), 1.6)
    elif kind == "some":
        rect(d, 1.5, 1.5, s - 2.5, s - 2.5, fill=(255, 255, 255), outline=(20, 40, 110), width=1)
        rect(d, 3.5, 3.5, s - 4.5, s - 4.5, fill=(110, 150, 230))
    elif kind == "none":
        rect(d, 1.5, 1.5, s - 2.5, s - 2.5, fill=(235, 235, 235), outline=(160, 160, 160), width=1)
    return down(img)


SD_COLOURS = [(90, 90, 90), (220, 30, 30), (20, 150, 40), (30, 70, 220)]


def special_day(colour, active, size=12):
    img, d = canvas(size, size, LIST_BG)
    c = SD_COLOURS[colour]
    if active:
        ell(d, size / 2, size / 2, size / 2 - 1, fill=c)
        ell(d, size / 2 - 1.5, size / 2 - 1.5, 1.3, fill=(255, 255, 255))
    else:
        ell(d, size / 2, size / 2, size / 2 - 1.5, outline=c, width=1.2)
    return down(img)


CAT_COL = [(40, 140, 40), (200, 40, 60), (40, 90, 200)]


def tree_image(kind, cat=0, size=18):
    img, d = canvas(size, size, LIST_BG)
    c = CAT_COL[cat]
    if kind == "root":   # the moon over a book
        rect(d, 2, 8, 16, 16, fill=(120, 80, 40))
        rect(d, 3, 9, 15, 14.5, fill=(250, 245, 225))
        line(d, [(9, 9), (9, 14.5)], (120, 80, 40), 1)
        ell(d, 9, 4.5, 3.6, fill=(230, 190, 40))
        ell(d, 10.6, 3.6, 3.0, fill=LIST_BG)
    elif kind == "category":
        if cat == 0:     # plants and animals: a leaf
            poly(d, [(3, 15), (4, 7), (9, 3), (15, 2), (14, 9), (9, 14)], c)
            line(d, [(3, 15), (12, 5)], (230, 250, 230), 1)
        elif cat == 1:   # health: a heart
            ell(d, 6, 7, 3.6, fill=c)
            ell(d, 12, 7, 3.6, fill=c)
            poly(d, [(2.6, 8.4), (15.4, 8.4), (9, 16)], c)
        else:            # general: a star
            pts = []
            for k in range(10):
                a = -math.pi / 2 + k * math.pi / 5
                rr = 7.5 if k % 2 == 0 else 3.2
                pts.append((9 + rr * math.cos(a), 9.5 + rr * math.sin(a)))
            poly(d, pts, c)
    elif kind == "group":  # a folder in the category colour
        poly(d, [(1.5, 4), (7, 4), (8.5, 6), (16.5, 6), (16.5, 15), (1.5, 15)], c)
        rect(d, 1.5, 8, 16.5, 15, fill=tuple(min(255, v + 50) for v in c))
    else:                  # a recommendation: a note sheet with a coloured band
        poly(d, [(3.5, 1.5), (11.5, 1.5), (14.5, 4.5), (14.5, 16.5), (3.5, 16.5)],
             (255, 255, 255), outline=(90, 90, 90), width=1)
        rect(d, 3.5, 1.5, 5.5, 16.5, fill=c)
        for y in (7, 10, 13):
            line(d, [(7, y), (12.5, y)], (140, 140, 140), 1)
    return down(img)


# ---------------------------------------------------------------- toolbar

def tool_image(k):
    img, d = canvas(20, 20, TOOLBAR_BG)
    ink = (24, 24, 64)
    if k == 0:    # new: blank sheet with a spark
        poly(d, [(4, 2), (12, 2), (16, 6), (16, 18), (4, 18)], (255, 255, 250), outline=ink)
        poly(d, [(12, 2), (12, 6), (16, 6)], (210, 210, 210), outline=ink)
        ell(d, 8, 12, 2.2, fill=(240, 180, 0))
    elif k == 1:  # open: folder
        poly(d, [(1.5, 5), (7, 5), (8.5, 7), (16, 7), (16, 17), (1.5, 17)], (235, 190, 70),
             outline=ink)
        poly(d, [(4, 10), (19, 10), (16, 17), (1.5, 17)], (250, 215, 110), outline=ink)
    elif k == 2:  # save: disk
        rect(d, 2.5, 2.5, 17.5, 17.5, fill=(50, 80, 160), outline=ink)
        rect(d, 5.5, 2.5, 14.5, 8.5, fill=(240, 240, 240))
        rect(d, 5, 12, 15, 17.5, fill=(210, 210, 210))
        rect(d, 11.5, 3.5, 13.5, 7.5, fill=(50, 80, 160))
    elif k == 3:  # print
        rect(d, 5.5, 2.5, 14.5, 8, fill=(255, 255, 255), outline=ink)
        rect(d, 2, 8, 18, 14.5, fill=(150, 150, 160), outline=ink)
        rect(d, 5.5, 12.5, 14.5, 18, fill=(255, 255, 255), outline=ink)
        ell(d, 15.5, 10, 0.9, fill=(40, 200, 60))
    elif k == 4:  # options: sliders
        for y, x in ((5, 12), (10, 6), (15, 10)):
            line(d, [(2.5, y), (17.5, y)], ink, 1.2)
            rect(d, x - 2, y - 2.5, x + 2, y + 2.5, fill=(70, 110, 200), outline=ink)
    elif k == 5:  # chart / moon calendar: wave and moon
        pts = [(1.5 + t * 0.5, 13 + 4 * math.sin(t * 0.5 * 2 * math.pi / 17)) for t in range(35)]
        line(d, pts, (200, 30, 30), 1.6)
        ell(d, 13, 6, 4.5, fill=(240, 200, 40))
        ell(d, 15, 4.8, 3.8, fill=TOOLBAR_BG)
    elif k == 6:  # only days with recommendations: funnel
        poly(d, [(2, 3), (18, 3), (11.5, 10), (11.5, 17), (8.5, 15.5), (8.5, 10)],
             (80, 160, 80), outline=ink)
    elif k == 7:  # sawtooth curve
        line(d, [(1.5, 15), (7, 4), (7, 15), (12.5, 4), (12.5, 15), (18, 4)], (200, 30, 30), 1.6)
    elif k == 8:  # special ranges: shaded band with a curve
        rect(d, 1.5, 7, 18.5, 12.5, fill=(255, 230, 120))
        pts = [(1.5 + t * 0.5, 10 + 6 * math.sin(t * 0.5 * 2 * math.pi / 17)) for t in range(35)]
        line(d, pts, (30, 60, 200), 1.6)
    elif k == 9:  # higher curves: several waves
        for ph, col in ((0, (200, 30, 30)), (2.1, (30, 140, 30)), (4.2, (30, 60, 200))):
            pts = [(1.5 + t * 0.5, 10 + 6 * math.sin(t * 0.5 * 2 * math.pi / 17 + ph))
                   for t in range(35)]
            line(d, pts, col, 1.2)
    elif k == 10:  # partner compatibility: two persons
        for x, col in ((7, (60, 100, 200)), (13.5, (200, 70, 110))):
            ell(d, x, 5.5, 3, fill=col)
            poly(d, [(x - 5, 18), (x - 4, 11), (x, 9.5), (x + 4, 11), (x + 5, 18)], col)
    elif k in (11, 12):  # previous / next matching day
        left = k == 11
        xb = 3 if left else 17
        rect(d, xb - 1, 3, xb + 1, 17, fill=ink)
        arrow_h(d, 17 if left else 3, 5 if left else 15, 10, (30, 130, 40), shaft=3.5, head=11,
                head_w=7)
    elif k == 13:  # help contents: book with question mark
        rect(d, 3, 2.5, 16.5, 17.5, fill=(40, 90, 170), outline=ink)
        rect(d, 5, 2.5, 6, 17.5, fill=(20, 50, 110))
        glyph(d, "?", 11.5, 10, 11, (255, 255, 255), DEJAVU_BOLD)
    elif k == 14:  # context help: arrow with question mark
        poly(d, [(2, 2), (2, 15), (5, 12), (7.5, 17), (9.5, 16), (7, 11), (11, 11)],
             (255, 255, 255), outline=ink)
        glyph(d, "?", 15, 8, 11, (40, 90, 170), DEJAVU_BOLD)
    return down(img)


def toolbar():
    out = Image.new("RGB", (20 * 15, 20), TOOLBAR_BG)
    for k in range(15):
        out.paste(tool_image(k), (20 * k, 0))
    return with_exact_background(out, TOOLBAR_BG)


def with_exact_background(img, bg):
    """8-bit palette image whose background is one exact palette entry: the toolbar maps
    that entry to the button face through the colour table (a 24-bit bitmap has none, and
    its disabled buttons then show as grey squares)."""
    q = img.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    palette = q.getpalette()[:255 * 3]
    palette += [0] * (255 * 3 - len(palette)) + list(bg)
    indices = [255 if px == bg else ix for px, ix in zip(img.getdata(), q.getdata())]
    out = Image.new("P", img.size)
    out.putpalette(palette)
    out.putdata(indices)
    return out


# ---------------------------------------------------------------- tip, about

def tip_picture(size=40):
    img, d = canvas(size, size, (255, 255, 255))
    s = size / 40
    for k in range(7):  # rays
        a = math.pi + k * math.pi / 6
        line(d, [(20 * s + 14 * s * math.cos(a), 15 * s + 14 * s * math.sin(a)),
                 (20 * s + 18.5 * s * math.cos(a), 15 * s + 18.5 * s * math.sin(a))],
             (240, 180, 0), 1.6 * s)
    ell(d, 20 * s, 15 * s, 10 * s, fill=(255, 225, 70), outline=(170, 120, 0), width=1.2 * s)
    poly(d, [(14 * s, 21 * s), (26 * s, 21 * s), (24 * s, 29 * s), (16 * s, 29 * s)],
         (255, 225, 70))
    for y in (30, 32.5, 35):
        rect(d, 15.5 * s, y * s, 24.5 * s, (y + 1.6) * s, fill=(120, 120, 130))
    line(d, [(17 * s, 17 * s), (20 * s, 23 * s), (23 * s, 17 * s)], (200, 120, 0), 1.2 * s)
    return down(img)


def about_picture(w=400, h=300):
    img = Image.new("RGB", (w * SS, h * SS))
    d = ImageDraw.Draw(img)
    sky_h = 200
    for y in range(h * SS):  # night sky fading into a pale dawn band at the bottom
        t = y / (h * SS)
        if y < sky_h * SS:
            u = y / (sky_h * SS)
            col = (int(8 + 40 * u), int(14 + 60 * u), int(60 + 90 * u))
        else:
            u = (y - sky_h * SS) / ((h - sky_h) * SS)
            col = (int(200 + 45 * u), int(214 + 34 * u), int(236 + 14 * u))
        d.line([(0, y), (w * SS, y)], fill=col)
    # Stars at fixed, spread-out places (a simple sequence, no randomness).
    for k in range(60):
        x = (k * 137.5) % w
        y = (k * 71.3) % (sky_h - 40) + 6
        r = 0.6 + (k % 3) * 0.35
        ell(d, x, y, r, fill=(255, 255, 230))
    # The moon, waxing, with earthshine.
    mx, my, mr = 342, 62, 34
    ell(d, mx, my, mr, fill=(60, 72, 120))
    mask = Image.new("L", img.size, 0)
    md = ImageDraw.Draw(mask)
    n = 90
    c = math.cos(2 * math.pi * 14 / 40)
    right = [(mx + mr * math.sin(math.pi * i / n), my - mr * math.cos(math.pi * i / n))
             for i in range(n + 1)]
    left = [(mx + c * mr * math.sin(math.pi * i / n), my - mr * math.cos(math.pi * i / n))
            for i in range(n, -1, -1)]
    md.polygon([(x * SS, y * SS) for x, y in right + left], fill=255)
    img.paste(Image.new("RGB", img.size, MOON_LIT), (0, 0), mask)
    # The tide: three soft waves along the horizon.
    for k, col in enumerate(((40, 80, 150), (70, 120, 180), (140, 175, 215))):
        base = sky_h - 18 + k * 8
        pts = [(x, base + 4 * math.sin(x / 23.0 + k * 1.3)) for x in range(0, w + 1, 2)]
        poly(d, pts + [(w, sky_h + 30), (0, sky_h + 30)], col)
    # Pale band for the four text lines the about box writes over the picture.
    for y in range((sky_h + 14) * SS, h * SS):
        u = (y - (sky_h + 14) * SS) / ((h - sky_h - 14) * SS)
        d.line([(0, y), (w * SS, y)], fill=(int(222 + 30 * u), int(232 + 20 * u), 250))
    f = ImageFont.truetype(SERIF_BOLD, 46 * SS)
    d.text((28 * SS, 44 * SS), "Tidewell", font=f, fill=(235, 238, 255))
    f2 = ImageFont.truetype(DEJAVU, 15 * SS)
    d.text((31 * SS, 104 * SS), "Mondkalender und Biorhythmus", font=f2, fill=(190, 205, 240))
    out = img.resize((w, h), Image.LANCZOS)
    return out.quantize(colors=256, method=Image.MEDIANCUT, dither=Image.NONE)


# ---------------------------------------------------------------- icons, cursors

def dib_entry(img):
    """BITMAPINFOHEADER + 32-bit BGRA pixels + AND mask, as icons and cursors hold them."""
    w, h = img.size
    rgba = img.convert("RGBA")
    px = rgba.load()
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = px[x, y]
            xor += bytes((b, g, r, a))
    row_bytes = ((w + 31) // 32) * 4
    andmask = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(row_bytes)
        for x in range(w):
            if px[x, y][3] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        andmask += row
    return header + bytes(xor) + bytes(andmask)


def write_icon_file(path, images, cursor_hotspot=None):
    kind = 2 if cursor_hotspot else 1
    entries = [dib_entry(im) for im in images]
    out = bytearray(struct.pack("<HHH", 0, kind, len(images)))
    offset = 6 + 16 * len(images)
    for im, data in zip(images, entries):
        w, h = im.size
        if cursor_hotspot:
            p1, p2 = cursor_hotspot
        else:
            p1, p2 = 1, 32
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, p1, p2, len(data), offset)
        offset += len(data)
    for data in entries:
        out += data
    with open(path, "wb") as f:
        f.write(out)


def rgba_canvas(size):
    img = Image.new("RGBA", (size * SS, size * SS), (0, 0, 0, 0))
    return img, ImageDraw.Draw(img)


def icon_image(which, size):
    img, d = rgba_canvas(size)
    s = size / 32
    if which == 1:  # the program: moon over the tide on a night tile
        d.rounded_rectangle(S(1 * s, 1 * s, 31 * s, 31 * s), radius=6 * s * SS,
                            fill=(16, 30, 96, 255))
        ell(d, 19 * s, 12 * s, 8 * s, fill=(250, 230, 140, 255))
        ell(d, 22.5 * s, 10 * s, 7 * s, fill=(16, 30, 96, 255))
        for k, col in enumerate(((60, 120, 210, 255), (120, 180, 240, 255))):
            pts = [(x * s, (22 + k * 4) * s + 2 * s * math.sin(x / 3.0 + k)) for x in range(1, 32)]
            line(d, pts, col, 2.2 * s)
    else:           # a person's window: a page with a crescent and a curve
        poly(d, [(5 * s, 2 * s), (21 * s, 2 * s), (27 * s, 8 * s), (27 * s, 30 * s),
                 (5 * s, 30 * s)], (255, 255, 255, 255), outline=(40, 40, 90, 255),
             width=max(1, s))
        ell(d, 12 * s, 11 * s, 5 * s, fill=(240, 190, 30, 255))
        ell(d, 14.5 * s, 9.5 * s, 4.3 * s, fill=(255, 255, 255, 255))
        pts = [(x * s, 22 * s + 4 * s * math.sin((x - 7) / 3.2)) for x in range(7, 26)]
        line(d, pts, (200, 30, 40, 255), 1.8 * s)
    return img.resize((size, size), Image.LANCZOS)


# Cursor hot spots, and what each cursor is for.
CURSORS = {
    38: ("help", (1, 1)),             # HelpMode
    39: ("drag_chart", (16, 16)),     # moving the day in the chart
    40: ("drag_calendar", (16, 16)),  # moving the day in the moon calendar
    41: ("drag_mark", (4, 28)),       # painting day marks
    42: ("split_vertical", (16, 16)),
    43: ("split_horizontal", (16, 16)),
    44: ("spin_drag", (16, 16)),
    45: ("drag_copy", (1, 1)),
    46: ("drag_no", (16, 16)),
}


def cursor_image(kind):
    img, d = rgba_canvas(32)
    K, W = (0, 0, 0, 255), (255, 255, 255, 255)

    def pointer(x=1, y=1):
        pts = [(x, y), (x, y + 17), (x + 4, y + 13), (x + 7, y + 20), (x + 10, y + 19),
               (x + 7, y + 12), (x + 12, y + 12)]
        poly(d, pts, W, outline=K, width=1)

    def dbl_arrow(horizontal, cx=16, cy=16, length=13):
        if horizontal:
            shape = [(cx - length, cy), (cx - length + 6, cy - 6), (cx - length + 6, cy - 2),
                     (cx + length - 6, cy - 2), (cx + length - 6, cy - 6), (cx + length, cy),
                     (cx + length - 6, cy + 6), (cx + length - 6, cy + 2),
                     (cx - length + 6, cy + 2), (cx - length + 6, cy + 6)]
        else:
            shape = [(y, x) for x, y in [(cy - length, cx), (cy - length + 6, cx - 6),
                                         (cy - length + 6, cx - 2), (cy + length - 6, cx - 2),
                                         (cy + length - 6, cx - 6), (cy + length, cx),
                                         (cy + length - 6, cx + 6), (cy + length - 6, cx + 2),
                                         (cy - length + 6, cx + 2), (cy - length + 6, cx + 6)]]
        poly(d, shape, W, outline=K, width=1)

    if kind == "help":
        pointer()
        ell(d, 21, 9, 7.5, fill=(255, 255, 210, 255), outline=K, width=1)
        glyph(d, "?", 21, 9.5, 11, (20, 40, 150, 255), DEJAVU_BOLD)
    elif kind == "drag_chart":
        dbl_arrow(True)
    elif kind == "drag_calendar":
        dbl_arrow(False)
    elif kind == "drag_mark":  # a pen
        poly(d, [(4, 28), (6, 21), (22, 5), (27, 10), (11, 26)], (250, 210, 60, 255),
             outline=K, width=1)
        poly(d, [(4, 28), (6, 21), (11, 26)], (230, 40, 40, 255), outline=K, width=1)
    elif kind == "split_vertical":
        rect(d, 14.5, 4, 17.5, 28, fill=W, outline=K)
        dbl_arrow(True)
    elif kind == "split_horizontal":
        rect(d, 4, 14.5, 28, 17.5, fill=W, outline=K)
        dbl_arrow(False)
    elif kind == "spin_drag":
        dbl_arrow(False, length=11)
        rect(d, 10, 15, 22, 17, fill=K)
    elif kind == "drag_copy":
        pointer()
        rect(d, 17, 17, 29, 29, fill=W, outline=K)
        line(d, [(23, 19.5), (23, 26.5)], K, 2)
        line(d, [(19.5, 23), (26.5, 23)], K, 2)
    elif kind == "drag_no":
        ell(d, 16, 16, 11, outline=(210, 20, 20, 255), width=3.5)
        line(d, [(8.5, 8.5), (23.5, 23.5)], (210, 20, 20, 255), 3.5)
    return img.resize((32, 32), Image.LANCZOS)


# ---------------------------------------------------------------- art.rc

def bitmap_table():
    """id -> (file name, image) for every BITMAP resource."""
    t = {}
    t[90] = ("marker_lowest.bmp", marker("lowest"))
    t[91] = ("marker_highest.bmp", marker("highest"))
    t[94] = ("marker_perigee.bmp", marker("perigee"))
    t[95] = ("marker_apogee.bmp", marker("apogee"))
    t[96] = ("node_ascending.bmp", node_picture(True))
    t[97] = ("node_descending.bmp", node_picture(False))
    for i in range(1, 41):
        t[97 + i] = ("moon%02d.bmp" % i, moon_picture(i))
    t[138] = ("elements.bmp", elements_strip())
    for s in range(12):
        t[139 + s] = ("sign%02d.bmp" % s, sign_picture(s))
    t[151] = ("symbol_strip.bmp", symbol_strip())
    t[152] = ("marker_rising.bmp", marker("rising"))
    t[153] = ("marker_falling.bmp", marker("falling"))
    t[154] = ("marker_receding.bmp", marker("receding"))
    t[155] = ("marker_approaching.bmp", marker("approaching"))
    for k in range(4):
        t[156 + k] = ("season%d.bmp" % k, season_picture(k))
    for k, kind in enumerate(("any", "excluded", "required", "mixed", "not_member", "member",
                              "all", "some", "none")):
        t[161 + k] = ("state_%s.bmp" % kind, small_state(kind))
    for active in (0, 1):
        for c in range(4):
            t[170 + 4 * active + c] = ("special_%s%d.bmp" % ("on" if active else "off", c),
                                       special_day(c, active))
    t[178] = ("tree_root.bmp", tree_image("root"))
    for c in range(3):
        t[179 + c] = ("tree_category%d.bmp" % (c + 1), tree_image("category", c))
        t[182 + c] = ("tree_group%d.bmp" % (c + 1), tree_image("group", c))
        t[185 + c] = ("tree_reco%d.bmp" % (c + 1), tree_image("reco", c))
    t[188] = ("tip.bmp", tip_picture())
    t[2042] = ("toolbar.bmp", toolbar())
    return t


def write_all(root):
    art = os.path.join(root, "resources", "art")
    data = os.path.join(root, "data")
    os.makedirs(art, exist_ok=True)
    os.makedirs(data, exist_ok=True)
    rc = ["// Bitmaps, icons and cursors of the program, drawn by tools/assets/make_art.py.",
          "// Do not edit: run the script. Ids are those of resources/tw_ids.h.", ""]
    for rid, (name, img) in sorted(bitmap_table().items()):
        save_bmp(img, os.path.join(art, name))
        rc.append('%d BITMAP "art/%s"' % (rid, name))
    rc.append("")
    for rid, name in ((1, "tidewell.ico"), (2, "person.ico")):
        write_icon_file(os.path.join(art, name), [icon_image(rid, s) for s in (16, 32, 48)])
        rc.append('%d ICON "art/%s"' % (rid, name))
    rc.append("")
    for rid, (kind, hot) in sorted(CURSORS.items()):
        name = "cursor_%s.cur" % kind
        write_icon_file(os.path.join(art, name), [cursor_image(kind)], cursor_hotspot=hot)
        rc.append('%d CURSOR "art/%s"' % (rid, name))
    with open(os.path.join(root, "resources", "art.rc"), "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(rc) + "\n")
    save_bmp(ell_print(), os.path.join(data, "Ell.bmp"))
    save_bmp(about_picture(), os.path.join(data, "Tidewell.bmp"))


if __name__ == "__main__":
    write_all(sys.argv[1] if len(sys.argv) > 1 else os.path.normpath(os.path.join(HERE, "..", "..")))
