#!/usr/bin/python3
"""Draws RestWarden's icons and writes res/icons/*.ico and res/icons.rc.

The tray pictures are small clock faces, drawn at 16, 20, 24 and 32 px so that the tray
takes the size the system asks for at 100, 125, 150 and 200 % scaling: a red sector that grows clockwise from the top
while working (IDI_RED1..12), a blue sector that empties while resting (IDI_BLUE1 full,
IDI_BLUE12 a last wedge before the top), a plain grey disc for "stopped" and "rest over"
(IDI_GRAY) and a dark red disc for "work over" (IDI_DRED). The program icon IDI_AMAIN is a
larger clock with a red work sector and a blue rest sector.

Everything is drawn 16 times larger and reduced with an area filter, so edges are smooth
without blurring the straight lines at 12, 3, 6 and 9 o'clock (the centre sits on a pixel
corner). A thin dark rim keeps the disc readable on light and dark taskbars.

Run with Debian's python3 (package python3-pil):
    python3 res/make_icons.py [--sheet contact.png]
The .ico files hold PNG-compressed images (palette with alpha where the picture has few
colours), which Windows reads since Vista and Wine reads too; uncompressed 32-bit images
would make the tray pictures four times larger.
"""
import argparse
import io
import math
import os
import struct

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(HERE, "icons")
RC_PATH = os.path.join(HERE, "icons.rc")
SUPERSAMPLE = 16
TRAY_SIZES = (16, 20, 24, 32)
PROGRAM_SIZES = (64, 48, 32, 24, 20, 16)

RIM = (38, 38, 38, 255)
FACE = (218, 218, 218, 255)
TICK = (150, 150, 150, 255)
RED = (228, 36, 28, 255)
BLUE = (34, 118, 226, 255)
GRAY_DISC = (150, 150, 150, 255)
DARK_RED = (168, 22, 22, 255)
HUB = (38, 38, 38, 255)


class Canvas:
    """A supersampled square drawing surface measured in final-size pixels."""

    def __init__(self, size):
        self.size = size
        self.scale = SUPERSAMPLE
        self.image = Image.new("RGBA", (size * self.scale, size * self.scale), (0, 0, 0, 0))
        self.draw = ImageDraw.Draw(self.image)

    def box(self, radius):
        c = self.size / 2 * self.scale
        r = radius * self.scale
        return [c - r, c - r, c + r - 1, c + r - 1]

    def disc(self, radius, colour):
        self.draw.ellipse(self.box(radius), fill=colour)

    def sector(self, radius, start_twelfths, end_twelfths, colour):
        """Fills the sector between two clock positions (0 = 12 o'clock), clockwise."""
        if end_twelfths - start_twelfths >= 12:
            self.disc(radius, colour)
            return
        # PIL measures angles clockwise from 3 o'clock.
        start = -90 + 30 * start_twelfths
        end = -90 + 30 * end_twelfths
        self.draw.pieslice(self.box(radius), start, end, fill=colour)

    def line_from_centre(self, inner, outer, twelfths, width, colour):
        angle = math.radians(30 * twelfths)
        c = self.size / 2 * self.scale
        dx, dy = math.sin(angle), -math.cos(angle)
        p0 = (c + dx * inner * self.scale, c + dy * inner * self.scale)
        p1 = (c + dx * outer * self.scale, c + dy * outer * self.scale)
        self.draw.line([p0, p1], fill=colour, width=max(1, round(width * self.scale)))

    def ring(self, radius, width, colour):
        self.draw.ellipse(self.box(radius), outline=colour, width=max(1, round(width * self.scale)))

    def result(self):
        # Pillow reduces RGBA with premultiplied alpha, so the rim does not darken the edge.
        return self.image.resize((self.size, self.size), Image.BOX)


def geometry(size):
    """Radius of the disc and width of its rim, in whole pixels where it matters: the disc
    fills the square so the rim's flat stretches at the four sides land on pixel rows."""
    outer = size / 2
    rim = max(1, round(size / 24))
    return outer, rim


def quarter_ticks(canvas, face):
    """Hour marks at 12, 3, 6 and 9 o'clock, on whole pixels so they stay sharp."""
    size = canvas.size
    c = size / 2
    width = 2 if size <= 24 else round(size / 16)
    length = 2 if size <= 24 else round(size / 9)
    inner = face - length
    s = canvas.scale
    half = width / 2
    for x0, y0, x1, y1 in (
        (c - half, c - face, c + half, c - inner),  # 12
        (c + inner, c - half, c + face, c + half),  # 3
        (c - half, c + inner, c + half, c + face),  # 6
        (c - face, c - half, c - inner, c + half),  # 9
    ):
        canvas.draw.rectangle([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], fill=TICK)


def clock_face(size, coloured_from, coloured_to, colour):
    canvas = Canvas(size)
    outer, rim = geometry(size)
    face = outer - rim
    canvas.disc(outer - rim * 0.5, FACE)
    # The marks go under the sector so the colour stays clean.
    quarter_ticks(canvas, face)
    if coloured_to > coloured_from:
        canvas.sector(outer - rim * 0.5, coloured_from, coloured_to, colour)
    canvas.ring(outer, rim, RIM)
    return canvas.result()


def plain_disc(size, colour):
    canvas = Canvas(size)
    outer, rim = geometry(size)
    canvas.disc(outer, colour)
    canvas.ring(outer, rim, RIM)
    return canvas.result()


def tray_icons():
    icons = {}
    for n in range(1, 13):
        # Working: n twelfths red, clockwise from the top.
        icons["IDI_RED%d" % n] = [clock_face(s, 0, n, RED) for s in TRAY_SIZES]
        # Resting: the time still to rest, from the hand's place round to the top;
        # IDI_BLUE1 is the whole face, IDI_BLUE12 the last twelfth.
        icons["IDI_BLUE%d" % n] = [clock_face(s, n - 1, 12, BLUE) for s in TRAY_SIZES]
    icons["IDI_GRAY"] = [plain_disc(s, GRAY_DISC) for s in TRAY_SIZES]
    icons["IDI_DRED"] = [plain_disc(s, DARK_RED) for s in TRAY_SIZES]
    return icons


def program_icon():
    images = []
    for size in PROGRAM_SIZES:
        canvas = Canvas(size)
        outer, rim = geometry(size)
        face = outer - rim
        canvas.disc(outer - rim * 0.5, FACE)
        if size >= 32:
            for t in range(12):
                if t % 3:
                    canvas.line_from_centre(face - size / 14, face, t, size / 40, TICK)
        quarter_ticks(canvas, face)
        # Fifty minutes of work, then ten of rest.
        canvas.sector(outer - rim * 0.5, 0, 10, RED)
        canvas.sector(outer - rim * 0.5, 10, 12, BLUE)
        if size >= 24:
            canvas.line_from_centre(0, face * 0.9, 10, max(1.0, size / 24), HUB)
            canvas.disc(max(1.0, size / 14), HUB)
        canvas.ring(outer, rim, RIM)
        images.append(canvas.result())
    return images


def png_bytes(image):
    """The smallest PNG of the picture that keeps every pixel: a palette with alpha when the
    picture has at most 256 colours, else full RGBA."""
    candidates = []
    if len(image.getcolors(256) or []) > 0:
        colours = image.getcolors(256)
        palette = Image.new("P", image.size)
        lookup = {c: i for i, (_, c) in enumerate(colours)}
        palette.putdata([lookup[p] for p in image.getdata()])
        flat = []
        for _, (r, g, b, a) in colours:
            flat += [r, g, b]
        palette.putpalette(flat)
        out = io.BytesIO()
        palette.save(out, "PNG", optimize=True, transparency=bytes(c[3] for _, c in colours))
        candidates.append(out.getvalue())
    out = io.BytesIO()
    image.save(out, "PNG", optimize=True)
    candidates.append(out.getvalue())
    return min(candidates, key=len)


def ico_bytes(images):
    """An .ico file with one PNG-compressed image per entry."""
    blobs = [(image.size[0], image.size[1], png_bytes(image)) for image in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for w, h, blob in blobs:
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for _, _, blob in blobs:
        out += blob
    return bytes(out)


def ordered_names():
    names = ["IDI_AMAIN", "IDI_GRAY", "IDI_DRED"]
    names += ["IDI_RED%d" % n for n in range(1, 13)]
    names += ["IDI_BLUE%d" % n for n in range(1, 13)]
    return names


def contact_sheet(icons, path):
    """Every picture at 8x (the program icon's 64 px image at 2x), light taskbar colour
    above, dark below; each picture's images at their real size under it."""
    zoom, pad, columns = 8, 10, 7
    names = ordered_names()
    cell_w = 16 * zoom + pad
    cell_h = 16 * zoom + 70 + pad
    rows = (len(names) + columns - 1) // columns
    band = rows * cell_h + pad
    sheet = Image.new("RGBA", (columns * cell_w + pad, 2 * band), (0, 0, 0, 255))
    draw = ImageDraw.Draw(sheet)
    for half, background in enumerate(((240, 240, 240, 255), (32, 32, 32, 255))):
        y0 = half * band
        draw.rectangle([0, y0, sheet.size[0], y0 + band - 1], fill=background)
        for i, name in enumerate(names):
            images = icons[name]
            first = images[0]
            factor = max(1, 16 * zoom // first.size[0])
            big = first.resize((first.size[0] * factor, first.size[1] * factor), Image.NEAREST)
            x = pad + (i % columns) * cell_w
            y = y0 + pad + (i // columns) * cell_h
            sheet.alpha_composite(big, (x, y))
            sx, sy = x, y + big.size[1] + 4
            for image in images:
                sheet.alpha_composite(image, (sx, sy))
                sx += image.size[0] + 3
    sheet.convert("RGB").save(path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sheet", help="also write a contact sheet PNG to this path")
    args = parser.parse_args()

    icons = tray_icons()
    icons["IDI_AMAIN"] = program_icon()
    os.makedirs(OUT_DIR, exist_ok=True)
    lines = ["// Written by res/make_icons.py; run it again rather than editing this file."]
    for name in ordered_names():
        file_name = name.lower() + ".ico"
        with open(os.path.join(OUT_DIR, file_name), "wb") as f:
            f.write(ico_bytes(icons[name]))
        lines.append('%s ICON "icons/%s"' % (name, file_name))
    with open(RC_PATH, "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
    if args.sheet:
        contact_sheet(icons, args.sheet)


if __name__ == "__main__":
    main()
