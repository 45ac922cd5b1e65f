#!/usr/bin/python3
"""Builds the symbol font "Astrological" (data/Astrological.ttf).

The font is symbol-encoded: its only Windows cmap is (3, 0) with every glyph at
0xF000 + its 8-bit code, so an RTF run in \\fcharset2 and a SYMBOL_CHARSET LOGFONT
reach the glyphs by their single-byte codes.

Codes:
  0x50..0x5B  zodiac signs Aries .. Pisces (shapes from DejaVu Sans)
  0x88..0xAF  moon phase pictures 1..40: 0x91 first quarter, 0x9B full, 0xA5 last
              quarter, 0xAF new moon (drawn here)
  p q r s     lowest point, rising, highest point, falling
  t u         apogee, perigee
  v w         approaching, receding
  n o         ascending node, descending node (shapes from DejaVu Sans)
  a           sun
  digits and a little punctuation (from DejaVu Sans) so that times, "-" between two
  signs and blanks between glyphs look right in a symbol run.

Run with Debian's python (python3-fonttools). The output is the same byte for byte on
every run: the timestamps are fixed.
"""
import math
import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

DEJAVU = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
UPM = 2048
ASCENT = 1901
DESCENT = 483
# 2026-01-01 00:00:00 UTC in seconds since 1904-01-01.
FIXED_TIME = 3849984000

# Height band of the symbols: the zodiac signs of DejaVu sit between 0 and ~1500.
TOP = 1500
MID = 750


def circle(pen, cx, cy, r, clockwise=True, sx=1.0, segments=16):
    """A closed circle (or an ellipse scaled by sx horizontally) of quadratic arcs."""
    step = 2 * math.pi / segments
    k = 1 / math.cos(step / 2)
    pts = []
    for i in range(segments):
        a = i * step if clockwise else -i * step
        h = a + (step / 2 if clockwise else -step / 2)
        pts.append((cx + sx * r * k * math.sin(h), cy + r * k * math.cos(h)))
    # All-off-curve contour: on-curve points are implied midway.
    pen.qCurveTo(*[(round(x), round(y)) for x, y in pts], None)
    pen.closePath()


def half_arc(cx, cy, r, sx, downward, segments=8):
    """Points of a half ellipse from top to bottom (downward) or back, x = sx * r * sin."""
    step = math.pi / segments
    k = 1 / math.cos(step / 2)
    out = []
    for i in range(segments):
        a0 = i * step
        mid = a0 + step / 2
        a1 = a0 + step
        if not downward:
            a0, mid, a1 = math.pi - a0, math.pi - mid, math.pi - a1
        out.append(((cx + sx * r * k * math.sin(mid), cy + r * k * math.cos(mid)),
                    (cx + sx * r * math.sin(a1), cy + r * math.cos(a1))))
    return out


def polygon(pen, pts):
    pen.moveTo(tuple(map(round, pts[0])))
    for p in pts[1:]:
        pen.lineTo(tuple(map(round, p)))
    pen.closePath()


def rect(pen, x0, y0, x1, y1):
    # Clockwise with y up.
    polygon(pen, [(x0, y0), (x0, y1), (x1, y1), (x1, y0)])


def moon_phase(index):
    """Phase picture 1..40: a ring, the unlit part filled (northern view)."""
    width = 1700
    cx, cy, r_out = width / 2, MID, 740
    ring = 90
    r = r_out - ring
    pen = TTGlyphPen(None)
    circle(pen, cx, cy, r_out, clockwise=True)
    circle(pen, cx, cy, r, clockwise=False)
    theta = 2 * math.pi * index / 40
    c = math.cos(theta)
    if index < 20:     # waxing: lit on the right, dark from the left limb to the terminator
        left, right = -1.0, c
    elif index == 20:  # full
        left = right = 0.0
    else:              # waning: dark from the terminator to the right limb
        left, right = -c, 1.0
    if right - left > 0.02:
        # Clockwise: down the right boundary, back up the left one. A touch inside the
        # ring so the contours never overlap.
        rr = r - 1
        pen.moveTo((round(cx), round(cy + rr)))
        for off, on in half_arc(cx, cy, rr, right, downward=True):
            pen.qCurveTo(tuple(map(round, off)), tuple(map(round, on)))
        for off, on in half_arc(cx, cy, rr, left, downward=False):
            pen.qCurveTo(tuple(map(round, off)), tuple(map(round, on)))
        pen.closePath()
    return pen.glyph(), width


def arrow(pen, cx, y_tail, y_tip, shaft=240, head_w=920, head_h=580):
    up = y_tip > y_tail
    s = 1 if up else -1
    base = y_tip - s * head_h
    polygon_pts = [
        (cx - shaft / 2, y_tail), (cx - shaft / 2, base), (cx - head_w / 2, base),
        (cx, y_tip), (cx + head_w / 2, base), (cx + shaft / 2, base), (cx + shaft / 2, y_tail)]
    if not up:
        polygon_pts.reverse()
    polygon(pen, polygon_pts)


def h_arrow(pen, x_tail, x_tip, cy, shaft=150, head_w=560, head_h=420):
    right = x_tip > x_tail
    s = 1 if right else -1
    base = x_tip - s * head_h
    pts = [(x_tail, cy - shaft / 2), (x_tail, cy + shaft / 2), (base, cy + shaft / 2),
           (base, cy + head_w / 2), (x_tip, cy), (base, cy - head_w / 2), (base, cy - shaft / 2)]
    if not right:
        pts.reverse()
    polygon(pen, pts)


def height_glyph(kind):
    """p lowest point, q rising, r highest point, s falling."""
    width, cx = 1300, 650
    pen = TTGlyphPen(None)
    bar = 180
    if kind == "q":
        arrow(pen, cx, 0, TOP)
    elif kind == "s":
        arrow(pen, cx, TOP, 0)
    elif kind == "p":   # arrow coming down onto the floor
        rect(pen, 120, 0, width - 120, bar)
        arrow(pen, cx, TOP, bar + 110)
    elif kind == "r":   # arrow going up to the ceiling
        rect(pen, 120, TOP - bar, width - 120, TOP)
        arrow(pen, cx, 0, TOP - bar - 110)
    return pen.glyph(), width


def distance_glyph(kind):
    """Earth as a filled dot, the moon as a small ring.
    t apogee (far apart), u perigee (close), v approaching, w receding."""
    pen = TTGlyphPen(None)
    earth_r, moon_r, moon_w = 330, 230, 95
    if kind == "t":
        width, ex, mx = 2150, 400, 1800
        circle(pen, ex, MID, earth_r)
        circle(pen, mx, MID, moon_r)
        circle(pen, mx, MID, moon_r - moon_w, clockwise=False)
        for x in (860, 1080, 1300):  # dotted span: far away
            rect(pen, x, MID - 55, x + 140, MID + 55)
    elif kind == "u":
        width, ex, mx = 1400, 450, 1010
        circle(pen, ex, MID, earth_r)
        circle(pen, mx, MID, moon_r)
        circle(pen, mx, MID, moon_r - moon_w, clockwise=False)
    else:
        width, ex = 2050, 400
        circle(pen, ex, MID, earth_r)
        if kind == "v":
            h_arrow(pen, 1950, 860, MID, shaft=180, head_w=640, head_h=470)
        else:
            h_arrow(pen, 860, 1950, MID, shaft=180, head_w=640, head_h=470)
    return pen.glyph(), width


def sun_glyph():
    width, cx, r_out = 1700, 850, 700
    pen = TTGlyphPen(None)
    circle(pen, cx, MID, r_out)
    circle(pen, cx, MID, r_out - 110, clockwise=False)
    circle(pen, cx, MID, 150)
    return pen.glyph(), width


def notdef():
    pen = TTGlyphPen(None)
    rect(pen, 100, 0, 1100, TOP)
    polygon(pen, [(1000, 100), (200, 100), (200, TOP - 100), (1000, TOP - 100)])
    return pen.glyph(), 1200


def copy_glyph(src_set, name):
    pen = TTGlyphPen(None)
    src_set[name].draw(pen)
    return pen.glyph(), src_set[name].width


LICENSE_FILE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "LICENSE-DejaVu.txt")


def build(out_path):
    dejavu = TTFont(DEJAVU)
    dv_cmap = dejavu.getBestCmap()
    dv_set = dejavu.getGlyphSet()

    glyphs = {}   # name -> (glyph, advance)
    codes = {}    # 8-bit code -> glyph name
    glyphs[".notdef"] = notdef()

    # Plain characters a symbol run may contain.
    for ch in " ,-./0123456789:()":
        name = "c%02X" % ord(ch)
        glyphs[name] = copy_glyph(dv_set, dv_cmap[ord(ch)])
        codes[ord(ch)] = name

    for s in range(12):
        name = "sign%02d" % s
        glyphs[name] = copy_glyph(dv_set, dv_cmap[0x2648 + s])
        codes[0x50 + s] = name
    for i in range(1, 41):
        name = "phase%02d" % i
        glyphs[name] = moon_phase(i)
        codes[0x87 + i] = name
    for k in "pqrs":
        glyphs["height_" + k] = height_glyph(k)
        codes[ord(k)] = "height_" + k
    for k in "tuvw":
        glyphs["distance_" + k] = distance_glyph(k)
        codes[ord(k)] = "distance_" + k
    glyphs["node_asc"] = copy_glyph(dv_set, dv_cmap[0x260A])
    codes[ord("n")] = "node_asc"
    glyphs["node_desc"] = copy_glyph(dv_set, dv_cmap[0x260B])
    codes[ord("o")] = "node_desc"
    glyphs["sun"] = sun_glyph()
    codes[ord("a")] = "sun"

    order = [".notdef"] + [codes[c] for c in sorted(codes)]
    fb = FontBuilder(UPM, isTTF=True)
    fb.font.recalcTimestamp = False
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap({0xF000 + c: n for c, n in codes.items()})
    fb.setupGlyf({n: glyphs[n][0] for n in order})
    metrics = {}
    glyf = fb.font["glyf"]
    for n in order:
        g = glyf[n]
        g.recalcBounds(glyf)
        metrics[n] = (glyphs[n][1], getattr(g, "xMin", 0))
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    fb.setupNameTable({
        "copyright": "Tidewell symbol font. Zodiac, node and digit shapes from DejaVu Sans "
                     "(Bitstream Vera licence); all other shapes drawn for Tidewell.",
        "familyName": "Astrological",
        "styleName": "Regular",
        "uniqueFontIdentifier": "Tidewell: Astrological Regular 1.0",
        "fullName": "Astrological",
        "version": "Version 1.000",
        "psName": "Astrological",
        "licenseDescription": open(LICENSE_FILE, encoding="ascii").read(),
    })
    fb.setupOS2(
        sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
        usWinAscent=ASCENT, usWinDescent=DESCENT,
        achVendID="TIDE", fsType=0, usWeightClass=400,
        ulCodePageRange1=1 << 31,  # symbol character set
        ulCodePageRange2=0,
        ulUnicodeRange1=0, ulUnicodeRange2=0, ulUnicodeRange3=0, ulUnicodeRange4=0)
    fb.setupPost()
    fb.setupHead(unitsPerEm=UPM, created=FIXED_TIME, modified=FIXED_TIME, fontRevision=1.0)
    # FontBuilder files the symbol cmap as (3,1); a symbol font needs it as (3,0).
    cmap = fb.font["cmap"]
    for t in cmap.tables:
        if t.platformID == 3:
            t.platEncID = 0
    cmap.tables = [t for t in cmap.tables if t.platformID == 3]
    fb.font["OS/2"].usFirstCharIndex = 0xF000 + min(codes)
    fb.font["OS/2"].usLastCharIndex = 0xF000 + max(codes)
    fb.save(out_path)


if __name__ == "__main__":
    build(sys.argv[1] if len(sys.argv) > 1 else "data/Astrological.ttf")
