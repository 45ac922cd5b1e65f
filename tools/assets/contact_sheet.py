#!/usr/bin/python3
"""Renders every glyph of data/Astrological.ttf and every picture of resources/art.rc
and data/*.bmp into one contact sheet, so people can look at the artwork at a glance,
and checks what a renderer can check: every glyph code draws something, every bitmap
has the size and count the program expects.

Usage: contact_sheet.py [REPO_ROOT] [OUTPUT_PNG]
Exit code 1 and a message per problem when a check fails.
"""
import os
import re
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
LABEL_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"

GLYPH_CODES = (list(range(0x50, 0x5C)) + list(range(0x88, 0xB0)) +
               [ord(c) for c in "pqrstuvwnoa"])

# id -> (width, height) the program draws with; image lists and strips by range.
EXPECTED = {2042: (300, 20), 138: (72, 18), 151: (45, 130), 188: None}
for i in range(98, 138):
    EXPECTED[i] = (96, 96)
for i in list(range(139, 151)) + [96, 97] + list(range(156, 160)):
    EXPECTED[i] = (18, 18)
for i in (90, 91, 94, 95, 152, 153, 154, 155):
    EXPECTED[i] = (18, 16)
for i in range(161, 178):
    EXPECTED[i] = (12, 12)
for i in range(178, 188):
    EXPECTED[i] = (18, 18)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.normpath(os.path.join(HERE, "..", ".."))
    out_png = sys.argv[2] if len(sys.argv) > 2 else os.path.join(root, "build", "contact-sheet.png")
    problems = []
    label = ImageFont.truetype(LABEL_FONT, 11)
    tiles = []  # (caption, image)

    font_path = os.path.join(root, "data", "Astrological.ttf")
    sym = ImageFont.truetype(font_path, 36, encoding="symb")
    for code in GLYPH_CODES:
        img = Image.new("RGB", (56, 56), "white")
        d = ImageDraw.Draw(img)
        d.text((28, 30), chr(0xF000 + code), font=sym, fill="black", anchor="mm")
        if img.getbbox() is None or img.convert("L").getextrema()[0] > 128:
            problems.append("glyph 0x%02X draws nothing" % code)
        tiles.append(("0x%02X %s" % (code, chr(code) if 0x20 < code < 0x7F else ""), img))

    rc_text = open(os.path.join(root, "resources", "art.rc"), encoding="ascii").read()
    entries = re.findall(r'^(\d+)\s+(BITMAP|ICON|CURSOR)\s+"([^"]+)"', rc_text, re.M)
    ids = {int(i): (kind, path) for i, kind, path in entries}
    wanted = (list(range(90, 92)) + list(range(94, 160)) + list(range(161, 189)) + [2042])
    for rid in wanted:
        if rid == 160 or rid not in ids or ids[rid][0] != "BITMAP":
            if rid != 160:
                problems.append("bitmap %d missing from art.rc" % rid)
    for rid in (1, 2):
        if ids.get(rid, ("",))[0] != "ICON":
            problems.append("icon %d missing" % rid)
    for rid in range(38, 47):
        if ids.get(rid, ("",))[0] != "CURSOR":
            problems.append("cursor %d missing" % rid)

    for rid, (kind, rel) in sorted(ids.items()):
        path = os.path.join(root, "resources", rel)
        try:
            img = Image.open(path)
            img.load()
        except Exception as e:  # noqa: BLE001 - report and go on
            problems.append("%d %s cannot be read: %s" % (rid, rel, e))
            continue
        if kind == "BITMAP":
            if img.format != "BMP":
                problems.append("%d is not a BMP" % rid)
            want = EXPECTED.get(rid)
            if want and img.size != want:
                problems.append("bitmap %d is %dx%d, expected %dx%d" % ((rid,) + img.size + want))
        else:
            if kind == "ICON":
                sizes = sorted(img.info.get("sizes", {img.size}))
                if (16, 16) not in sizes or (32, 32) not in sizes:
                    problems.append("icon %d lacks 16x16 or 32x32" % rid)
            elif img.size != (32, 32):
                problems.append("cursor %d is not 32x32" % rid)
            img = img.convert("RGBA")
            bg = Image.new("RGBA", img.size, (200, 220, 200, 255))
            img = Image.alpha_composite(bg, img)
        img = img.convert("RGB")
        h = img.size[1]
        scale = 3 if h <= 24 else (2 if h <= 60 else 1)
        tiles.append(("%s %d" % (kind.lower(), rid),
                      img.resize((img.size[0] * scale, img.size[1] * scale), Image.NEAREST)))

    ell = Image.open(os.path.join(root, "data", "Ell.bmp"))
    if ell.size[0] != 18 * ell.size[1]:
        problems.append("Ell.bmp is %dx%d, expected 18 square pictures" % ell.size)
    tiles.append(("data/Ell.bmp", ell.convert("RGB")))
    about = Image.open(os.path.join(root, "data", "Tidewell.bmp"))
    if about.info.get("compression", 0) not in (0,) or about.mode not in ("P", "RGB"):
        problems.append("Tidewell.bmp must be an uncompressed 8- or 24-bit bitmap")
    tiles.append(("data/Tidewell.bmp", about.convert("RGB")))

    # Shelf packing, rows of at most 1200 pixels.
    width, x, y, row_h, placed = 1200, 8, 8, 0, []
    for caption, img in tiles:
        w, h = max(img.size[0], 60), img.size[1] + 16
        if x + w > width - 8:
            x, y, row_h = 8, y + row_h + 8, 0
        placed.append((x, y, caption, img))
        x += w + 8
        row_h = max(row_h, h)
    sheet = Image.new("RGB", (width, y + row_h + 8), (236, 236, 236))
    d = ImageDraw.Draw(sheet)
    for x, y, caption, img in placed:
        sheet.paste(img, (x, y))
        d.text((x, y + img.size[1] + 2), caption, font=label, fill=(40, 40, 40))
    os.makedirs(os.path.dirname(os.path.abspath(out_png)), exist_ok=True)
    sheet.save(out_png)

    for p in problems:
        print("contact sheet: " + p)
    print("%d glyphs, %d resources; %s" % (len(GLYPH_CODES), len(ids), out_png))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
