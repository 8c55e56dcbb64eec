#!/usr/bin/python3
"""Draws the picture of the version dialog: res/version.jpg.

The dialog copies a 172 x 81 block from the picture, so the picture must be exactly that
size; it is stored as a baseline (not progressive) three-component JPEG, the kind every
OleLoadPicture decodes. Run it from anywhere:  /usr/bin/python3 res/make_version_picture.py
(needs python3-pil and the IPA fonts: fonts-ipafont-gothic).
"""
import math
import os

from PIL import Image, ImageDraw, ImageFont

WIDTH, HEIGHT = 172, 81
HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "version.jpg")
GOTHIC = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"

PAPER = (250, 246, 232)       # warm off-white background
INK = (50, 50, 50)            # the dialogs' text colour
WORK_RED = (255, 34, 68)      # the colour of a worked minute in the charts
REST_BLUE = (34, 85, 255)     # the colour of a rested minute
RIM = (136, 136, 136)


def clock_face(draw, cx, cy, r):
    """The tray icon's clock face, larger: a quarter of work (red) and a slice of rest (blue)."""
    box = (cx - r, cy - r, cx + r, cy + r)
    draw.ellipse(box, fill=(255, 255, 255), outline=RIM, width=3)
    inner = (cx - r + 4, cy - r + 4, cx + r - 4, cy + r - 4)
    # PIL angles start at 3 o'clock and run clockwise; 12 o'clock is -90.
    draw.pieslice(inner, -90, 60, fill=WORK_RED)
    draw.pieslice(inner, 60, 100, fill=REST_BLUE)
    for hour in range(12):
        a = math.radians(hour * 30 - 90)
        outer = r - 3
        inner_r = r - (9 if hour % 3 == 0 else 6)
        draw.line((cx + inner_r * math.cos(a), cy + inner_r * math.sin(a),
                   cx + outer * math.cos(a), cy + outer * math.sin(a)), fill=INK, width=2)
    draw.line((cx, cy, cx, cy - r + 12), fill=INK, width=3)                # minute hand at 12
    a = math.radians(60)
    draw.line((cx, cy, cx + (r - 18) * math.cos(a), cy + (r - 18) * math.sin(a)), fill=INK, width=3)
    draw.ellipse((cx - 3, cy - 3, cx + 3, cy + 3), fill=INK)


def main():
    image = Image.new("RGB", (WIDTH, HEIGHT), PAPER)
    draw = ImageDraw.Draw(image)
    # A solid band along the bottom: flat colour that survives JPEG compression intact, so the
    # end-to-end test can check the decoded picture's pixels at known points.
    draw.rectangle((0, 70, WIDTH - 1, HEIGHT - 1), fill=WORK_RED)
    clock_face(draw, 35, 35, 30)
    draw.text((74, 8), "RestWarden", font=ImageFont.truetype(GOTHIC, 16), fill=INK)
    draw.text((74, 31), "レストワーデン", font=ImageFont.truetype(GOTHIC, 13), fill=REST_BLUE)
    draw.text((74, 50), "Version 1.0", font=ImageFont.truetype(GOTHIC, 11), fill=INK)
    # Full-resolution chroma keeps the thin red and blue strokes crisp.
    image.save(OUTPUT, "JPEG", quality=92, progressive=False, optimize=False, subsampling=0)


if __name__ == "__main__":
    main()
