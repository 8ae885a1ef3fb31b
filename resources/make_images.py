#!/usr/bin/env python3
"""Draws Orbalin's bitmaps, icons, cursors and animation into resources/images (BMP, ICO, CUR and AVI files)."""
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "images")


def bmp(name, w, h, pixel):
    """24-bit bottom-up BMP; pixel(x, y) -> (r, g, b)."""
    row = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        line = bytearray()
        for x in range(w):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        data += line + b"\0" * (row - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(header + info + data)


def ico(name, pixel, size=16):
    """32-bit icon with alpha; pixel(x, y) -> (r, g, b, a)."""
    xor = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            r, g, b, a = pixel(x, y)
            xor += bytes((b, g, r, a))
    mask = b"\0" * (((size + 31) // 32) * 4 * size)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + xor + mask
    header = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 22)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(header + image)


def cur(name, ink, hotspot):
    """32 x 32 two-colour cursor: the pixels in ink are black, edged in white so
    the cursor shows on any background; all others are transparent."""
    size = 32
    edge = {(x + dx, y + dy) for (x, y) in ink for dx in (-1, 0, 1) for dy in (-1, 0, 1)} - ink
    row = size // 8
    xor, mask = bytearray(), bytearray()
    for y in range(size - 1, -1, -1):
        xbits, mbits = 0, 0
        for x in range(size):
            bit = 1 << (size - 1 - x)
            if (x, y) in edge:
                xbits |= bit
            elif (x, y) not in ink:
                mbits |= bit
        xor += xbits.to_bytes(row, "big")
        mask += mbits.to_bytes(row, "big")
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 0)
    image = info + bytes((0, 0, 0, 0, 255, 255, 255, 0)) + xor + mask
    header = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", size, size, 2, 0, hotspot[0], hotspot[1],
                                                         len(image), 22)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(header + image)


def arrowheads(horizontal, bars=True):
    """Two opposed arrowheads on a shaft across the centre (15, 15); with bars, a
    double bar across the middle: the splitter cursors."""
    ink = set()
    for t in range(-10, 11):
        ink.add((15 + t, 15) if horizontal else (15, 15 + t))
    for d in range(5):
        for s in range(-d, d + 1):
            for end in (-1, 1):
                a = 15 + end * (12 - d)
                ink.add((a, 15 + s) if horizontal else (15 + s, a))
    if bars:
        for s in range(-7, 8):
            for b in (-1, 1):
                ink.add((15 + b, 15 + s) if horizontal else (15 + s, 15 + b))
    return ink


def move_cross():
    """Four arrowheads on a cross: moving a bar."""
    return arrowheads(True, bars=False) | arrowheads(False, bars=False)


def drag_pointer(with_plus):
    """The standard pointer with a small page below it (moving), or a page with a plus (copying)."""
    ink = set()
    for y in range(17):
        for x in range(y // 1 + 1 if y < 12 else 0):
            if x <= y * 7 // 11:
                ink.add((1 + x, 1 + y))
    ink |= {(3 + t, 13 + t) for t in range(5)} | {(4 + t, 13 + t) for t in range(5)}
    box = {(x, y) for x in range(12, 23) for y in range(20, 29) if x in (12, 22) or y in (20, 28)}
    if with_plus:
        box |= {(17, y) for y in range(22, 27)} | {(x, 24) for x in range(15, 20)}
    return ink | box


def hand():
    """A pointing hand: the index finger up, three folded fingers and the palm."""
    ink = set()
    ink |= {(x, y) for x in (9, 12) for y in range(2, 14)} | {(10, 1), (11, 1)}
    for left in (12, 15, 18):
        ink |= {(left + 3, y) for y in range(10, 17)} | {(left + 1, 9), (left + 2, 9)}
    ink |= {(x, 17) for x in range(9, 22)} - set()
    ink |= {(21, y) for y in range(10, 23)} | {(9, y) for y in range(14, 23)} | {(x, 23) for x in range(10, 21)}
    ink |= {(6, 13), (7, 13), (8, 14), (5, 14), (5, 15), (6, 16), (7, 17), (8, 18)}
    inside = {(x, y) for x in range(10, 21) for y in range(18, 23)}
    return ink | inside


def avi(name, w, h, frames, pixel, rate=10):
    """Uncompressed 8-bit AVI with one video stream and an index, as the animation
    control plays it; pixel(frame, x, y) -> (r, g, b), at most 256 colours in all."""
    palette = []
    images = []
    for n in range(frames):
        data = bytearray()
        for y in range(h - 1, -1, -1):
            for x in range(w):
                colour = pixel(n, x, y)
                if colour not in palette:
                    palette.append(colour)
                data.append(palette.index(colour))
            data += b"\0" * (((w + 3) & ~3) - w)
        images.append(bytes(data))
    assert len(palette) <= 256

    def chunk(fourcc, body):
        return fourcc + struct.pack("<I", len(body)) + body + b"\0" * (len(body) & 1)

    def lst(kind, body):
        return chunk(b"LIST", kind + body)

    size = len(images[0])
    avih = struct.pack("<10I16x", 1000000 // rate, size * rate, 0, 0x10, frames, 0, 1, size, w, h)
    strh = b"vids" + b"DIB " + struct.pack("<IHHIIIIIIiI4h", 0, 0, 0, 0, 1, rate, 0, frames, size, -1, 0, 0, 0, w, h)
    strf = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, size, 0, 0, len(palette), len(palette))
    strf += b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    movi = b""
    index = b""
    for image in images:
        # Offsets count from the "movi" type field of the list.
        index += b"00db" + struct.pack("<III", 0x10, 4 + len(movi), len(image))
        movi += chunk(b"00db", image)
    body = b"AVI " + lst(b"hdrl", chunk(b"avih", avih) + lst(b"strl", chunk(b"strh", strh) + chunk(b"strf", strf)))
    body += lst(b"movi", movi) + chunk(b"idx1", index)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(chunk(b"RIFF", body))


def mix(a, b, t):
    return tuple(int(a[i] + (b[i] - a[i]) * t) for i in range(3))


def disc(colour):
    def p(x, y):
        d = (x - 7.5) ** 2 + (y - 7.5) ** 2
        if d > 49:
            return (0, 0, 0, 0)
        shade = mix((255, 255, 255), colour, min(1.0, d / 30 + 0.4))
        return shade + (255,)
    return p


def folder(colour):
    def p(x, y):
        if 2 <= y <= 13 and 1 <= x <= 14 and not (y < 4 and x > 7):
            edge = x in (1, 14) or y in (2, 13) or (y == 4 and x > 7)
            return ((90, 70, 20) if edge else colour) + (255,)
        return (0, 0, 0, 0)
    return p


def arrow(colour, left=False):
    def p(x, y):
        xx = 15 - x if left else x
        if (3 <= y <= 12 and 2 <= xx <= 8 and 6 <= y <= 9) or (xx >= 8 and abs(y - 7.5) <= 14 - xx):
            return colour + (255,)
        return (0, 0, 0, 0)
    return p


def page(offset):
    """A 32 x 32 sheet with a folded corner and text lines, moved by offset."""
    def p(x, y):
        x, y = x - offset[0], y - offset[1]
        if not (6 <= x <= 21 and 3 <= y <= 26) or x - y > 15:
            return (0, 0, 0, 0)
        if x in (6, 21) or y in (3, 26) or x - y == 15:
            return (60, 60, 90, 255)
        if y % 4 == 2 and 9 <= x <= 18 and y > 7:
            return (90, 120, 200, 255)
        return (255, 255, 255, 255)
    return p


def pages():
    back, front = page((4, 2)), page((0, 0))
    return lambda x, y: front(x, y) if front(x, y)[3] else back(x, y)


def edit_commands(x, y):
    """The edit menu's icons, 16 x 15 each on light grey (the mask colour): undo,
    cut, copy, paste and delete."""
    i, px = divmod(x, 16)
    grey, ink, paper = (192, 192, 192), (30, 30, 30), (255, 255, 255)
    if i == 0:  # undo: a blue hook bending back to an arrowhead at the left
        if (4 <= px <= 11 and y in (4, 5)) or (px in (11, 12) and 4 <= y <= 10) or (7 <= px <= 12 and y in (10, 11)):
            return (0, 70, 180)
        if px <= 5 and abs(y - 4.5) <= px - 1:
            return (0, 70, 180)
        return grey
    if i == 1:  # cut: two blades crossing above two rings
        if (abs(px - 7.5 - (y - 7) * 0.5) < 0.8 or abs(px - 7.5 + (y - 7) * 0.5) < 0.8) and 1 <= y <= 8:
            return ink
        for cx in (4.5, 10.5):
            if 2.5 <= ((px - cx) ** 2 + (y - 11.5) ** 2) ** 0.5 <= 3.3:
                return (0, 70, 180)
        return grey
    if i == 2 or i == 3:  # copy: two sheets; paste: a sheet on a clipboard
        for ox, oy in (((6, 6), (1, 1)) if i == 2 else ((6, 6),)):
            if ox <= px <= ox + 8 and oy <= y <= oy + 8:
                if px in (ox, ox + 8) or y in (oy, oy + 8):
                    return ink
                return (0, 70, 180) if (y - oy) % 2 == 0 and ox + 2 <= px <= ox + 6 else paper
        if i == 3 and 2 <= px <= 11 and 2 <= y <= 13:
            if 5 <= px <= 8 and y <= 3:
                return (150, 150, 150)
            return (90, 60, 20) if px in (2, 11) or y in (2, 13) else (200, 150, 70)
        return grey
    # delete: a red cross
    if 2 <= px <= 13 and 1 <= y <= 12 and (abs(px - y - 1) <= 1 or abs(px + y - 14) <= 1):
        return (210, 20, 20)
    return grey


def main():
    os.makedirs(OUT, exist_ok=True)
    navy, sky, gold = (20, 50, 120), (120, 180, 240), (251, 211, 10)
    # Banner: a dark-to-light strip with a gold rule, then its stretchable fill.
    bmp("banner-left.bmp", 400, 70, lambda x, y: (255, 210, 0) if y >= 66 else mix(navy, sky, x / 400))
    bmp("banner-fill.bmp", 8, 70, lambda x, y: (255, 210, 0) if y >= 66 else sky)
    # Step marks: 60 images of 16 x 16; 46 current (red arrow), 53 done (green tick).
    def steps(x, y):
        i, px = divmod(x, 16)
        if i == 46 and abs(y - 8) <= 7 - px // 2 and px < 14:
            return (220, 30, 30)
        if i == 53 and ((px + y == 16 and 6 <= px <= 14) or (y - px == 6 and 2 <= px <= 6)
                        or (px + y == 17 and 6 <= px <= 14) or (y - px == 7 and 2 <= px <= 6)):
            return (0, 150, 0)
        return (255, 0, 255)
    bmp("step-marks.bmp", 16 * 60, 16, steps)
    bmp("folder-extra.bmp", 16, 16, lambda x, y: (255, 0, 255) if (x - 7.5) ** 2 + (y - 7.5) ** 2 > 40 else (200, 160, 60))
    bmp("step-footer.bmp", 120, 24, lambda x, y: mix((255, 255, 255), gold, y / 24) if 2 < x < 118 else navy)
    bmp("banner-link.bmp", 180, 51, lambda x, y: mix(sky, (255, 255, 255), y / 51) if 1 <= x < 179 and 1 <= y < 50 else navy)
    bmp("saving-complete.bmp", 48, 48, lambda x, y: (0, 160, 0) if abs(x - y) < 4 or abs(x + y - 48) < 4 else (255, 255, 255))
    # Side buttons: hover, normal and disabled pictures (white is transparent).
    for base, colour in ((155, (0, 120, 215)), (154, (0, 150, 80)), (156, (150, 80, 0)), (165, (200, 40, 40))):
        bmp(f"side-{base}.bmp", 48, 48, lambda x, y, c=colour: c if (x - 23.5) ** 2 + (y - 23.5) ** 2 < 400 else (255, 255, 255))
    for base, colour in ((157, (0, 80, 160)), (161, (0, 110, 60)), (162, (110, 60, 0)), (164, (150, 20, 20))):
        bmp(f"side-{base}.bmp", 48, 48, lambda x, y, c=colour: c if (x - 23.5) ** 2 + (y - 23.5) ** 2 < 360 else (255, 255, 255))
    for base in (158, 177):
        bmp(f"side-{base}.bmp", 48, 48, lambda x, y: (170, 170, 170) if (x - 23.5) ** 2 + (y - 23.5) ** 2 < 360 else (255, 255, 255))
    # Toolbar strip: five 16 x 15 buttons on light grey (the mask colour).
    colours = [(0, 120, 215), (0, 150, 80), (200, 120, 0), (120, 0, 160), (40, 40, 40)]
    bmp("toolbar.bmp", 80, 15, lambda x, y: colours[x // 16] if 3 <= x % 16 <= 12 and 2 <= y <= 12 else (192, 192, 192))
    bmp("edit-commands.bmp", 80, 15, edit_commands)
    # Caption glyphs: three 16 x 15 images on magenta (the mask colour): the push pin lying
    # (popup not pinned), the push pin standing (pinned) and the close cross.
    def caption_glyphs(x, y):
        i, px = divmod(x, 16)
        ink = (0, 0, 0)
        if i == 0 and ((y == 7 and 1 <= px <= 6) or (px == 7 and 3 <= y <= 11)
                       or (8 <= px <= 12 and y in (5, 9)) or (px == 12 and 5 <= y <= 9) or (px == 13 and 4 <= y <= 10)):
            return ink
        if i == 1 and ((px == 7 and 9 <= y <= 14) or (y == 8 and 3 <= px <= 11)
                       or (px in (5, 9) and 2 <= y <= 7) or (y == 2 and 5 <= px <= 9) or (y == 1 and 4 <= px <= 10)):
            return ink
        if i == 2 and 4 <= px <= 11 and 3 <= y <= 10 and (px - 4 in (y - 3, y - 2) or 11 - px in (y - 3, y - 2)):
            return ink
        return (255, 0, 255)
    bmp("caption-glyphs.bmp", 48, 15, caption_glyphs)
    # Toolkit glyphs: eight 11 x 11 black marks on magenta (the mask colour): check, cross,
    # left, up, the browse button's popup arrow (4), down, dot and ellipsis.
    def glyphs(x, y):
        i, px = divmod(x, 11)
        ink = (i == 0 and ((px + y == 12 and px >= 4) or (y - px == 3 and px <= 4))
               or i == 1 and 2 <= px <= 8 and 2 <= y <= 8 and (px == y or px + y == 10)
               or i == 2 and 3 <= px <= 6 and abs(y - 5) <= px - 3
               or i == 3 and 3 <= y <= 6 and abs(px - 5) <= y - 3
               or i == 4 and 3 <= px <= 6 and abs(y - 5) <= 6 - px
               or i == 5 and 3 <= y <= 6 and abs(px - 5) <= 6 - y
               or i == 6 and (px - 5) ** 2 + (y - 5) ** 2 <= 4
               or i == 7 and y in (7, 8) and px in (1, 2, 4, 5, 7, 8))
        return (0, 0, 0) if ink else (255, 0, 255)
    bmp("toolkit-glyphs.bmp", 8 * 11, 11, glyphs)
    # Icons: the program, the folder kinds, the buttons and the toolbar commands.
    ico("orbalin.ico", disc(navy), 32)
    folder_colours = {138: (240, 200, 80), 139: (250, 220, 120), 140: (120, 170, 240), 141: (240, 120, 120),
                      142: (140, 200, 140), 143: (200, 140, 220), 144: (250, 180, 80), 145: (180, 180, 180),
                      147: (220, 220, 120), 148: (120, 200, 220), 149: (240, 160, 200)}
    for number, colour in folder_colours.items():
        ico(f"folder-{number}.ico", folder(colour))
    ico("next.ico", arrow((0, 140, 0)))
    ico("back.ico", arrow((0, 90, 200), left=True))
    ico("exit.ico", disc((200, 30, 30)))
    ico("stop.ico", lambda x, y: ((200, 0, 0, 255) if 2 <= x <= 13 and 2 <= y <= 13 else (0, 0, 0, 0)))
    ico("preview.ico", disc((0, 150, 200)))
    # Step 1: the list buttons (add, remove, remove all) and the two option pictures.
    ico("list-add.ico", lambda x, y: ((0, 150, 0, 255) if (6 <= x <= 9 and 2 <= y <= 13) or (2 <= x <= 13 and 6 <= y <= 9)
                                      else (0, 0, 0, 0)))
    ico("list-remove.ico", lambda x, y: (200, 30, 30, 255) if 2 <= x <= 13 and 6 <= y <= 9 else (0, 0, 0, 0))
    ico("list-remove-all.ico", lambda x, y: (200, 30, 30, 255) if 2 <= x <= 13 and (abs(x - y) <= 1 or abs(x + y - 15) <= 1)
        else (0, 0, 0, 0))
    ico("single-file.ico", page((0, 0)), 32)
    ico("multiple-files.ico", pages(), 32)
    for number, colour in zip((216, 217, 218, 219, 220), ((40, 40, 40), (0, 120, 215), (200, 120, 0), (120, 0, 160), (0, 150, 80))):
        ico(f"command-{number}.ico", disc(colour))
    # Cursors of the toolkit: splitting side by side and one above the other, moving a bar,
    # dragging to move and to copy, and the link hand.
    cur("split-horizontal.cur", arrowheads(True), (15, 15))
    cur("split-vertical.cur", arrowheads(False), (15, 15))
    cur("move.cur", move_cross(), (15, 15))
    cur("drag-move.cur", drag_pointer(False), (1, 1))
    cur("drag-copy.cur", drag_pointer(True), (1, 1))
    cur("hand.cur", hand(), (10, 1))
    # Listing Domino databases: a light runs along five blocks and back, on white.
    lit, unlit = (0, 90, 200), (180, 205, 240)
    bounce = (0, 1, 2, 3, 4, 3, 2, 1)

    def blocks(n, x, y):
        if not 8 <= y < 16 or x < 2 or (x - 2) % 8 >= 6 or (x - 2) // 8 > 4:
            return (255, 255, 255)
        return lit if (x - 2) // 8 == bounce[n] else unlit
    avi("listing.avi", 40, 24, len(bounce), blocks)


if __name__ == "__main__":
    main()
