#!/usr/bin/env python3
"""Draws the program's icon and bitmaps and writes them next to this script.

    python3 resources/draw_resources.py

Run it by hand whenever the art changes and commit the files it writes:

    globe.ico        32 x 32, 16 colours   application and main window icon
    logo.bmp         405 x 201, 5 colours  logo picture of the main window, run-length
                                           encoded (RLE8): a quarter of a megabyte
                                           less in the program
    exit.bmp         36 x 18, 16 colours   Exit button glyph (normal, disabled)
    about.bmp        18 x 18, 16 colours   About button glyph
    help.bmp         32 x 16, 16 colours   Help button glyph (normal, disabled)
    eclbmpglyph.bmp  104 x 14, 16 colours  strip of eight browse-button pictures

The glyphs are drawn transparently by the program: every pixel of the colour
of a bitmap's lower-left pixel is left out.  That colour is the background of
each glyph, so it must not be used inside the pictures themselves.  For the
same reason the white parts of the logo's globe are a shade off pure white.

Standard library only: the BMP and ICO bytes are packed with struct.
"""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The standard 16-colour palette, in its usual order.
VGA16 = [
    (0, 0, 0),        # 0 black
    (128, 0, 0),      # 1 maroon
    (0, 128, 0),      # 2 green
    (128, 128, 0),    # 3 olive
    (0, 0, 128),      # 4 navy
    (128, 0, 128),    # 5 purple
    (0, 128, 128),    # 6 teal
    (192, 192, 192),  # 7 silver
    (128, 128, 128),  # 8 grey
    (255, 0, 0),      # 9 red
    (0, 255, 0),      # 10 lime
    (255, 255, 0),    # 11 yellow
    (0, 0, 255),      # 12 blue
    (255, 0, 255),    # 13 fuchsia
    (0, 255, 255),    # 14 aqua
    (255, 255, 255),  # 15 white
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)

# Letters used in the pixel-art pictures below; '.' is the picture's background.
ART = {
    'k': BLACK, 'm': MAROON, 'G': GREEN, 'o': OLIVE, 'n': NAVY, 'p': PURPLE,
    't': TEAL, 's': SILVER, 'g': GREY, 'r': RED, 'l': LIME, 'y': YELLOW,
    'b': BLUE, 'f': FUCHSIA, 'a': AQUA, 'w': WHITE,
}


class Canvas:
    """A width x height grid of pixels, row 0 at the top.  A pixel is a
    palette index for the 16-colour files and an (r, g, b) tuple for the logo."""

    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    def get(self, x, y):
        return self.rows[y][x]

    def put(self, x, y, value):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = value

    def blit(self, other, left, top):
        for y in range(other.height):
            for x in range(other.width):
                self.put(left + x, top + y, other.get(x, y))

    def stroke(self, polylines, radius, value, scale=1.0, left=0.0, top=0.0):
        """Inks every pixel whose centre lies within radius of one of the
        polylines: thick strokes with round ends and joins.  A polyline of a
        single point is a round dot.  Points are scaled, then moved."""
        for line in polylines:
            pts = [(left + scale * x, top + scale * y) for x, y in line]
            if len(pts) == 1:
                pts = pts * 2
            for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
                self._segment(x0, y0, x1, y1, radius, value)

    def _segment(self, x0, y0, x1, y1, radius, value):
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy
        xa = max(0, int(math.floor(min(x0, x1) - radius)))
        xb = min(self.width - 1, int(math.ceil(max(x0, x1) + radius)))
        ya = max(0, int(math.floor(min(y0, y1) - radius)))
        yb = min(self.height - 1, int(math.ceil(max(y0, y1) + radius)))
        r2 = radius * radius
        for y in range(ya, yb + 1):
            py = y + 0.5
            for x in range(xa, xb + 1):
                px = x + 0.5
                t = 0.0
                if length2 > 0:
                    t = ((px - x0) * dx + (py - y0) * dy) / length2
                    t = min(1.0, max(0.0, t))
                ex = px - (x0 + t * dx)
                ey = py - (y0 + t * dy)
                if ex * ex + ey * ey <= r2:
                    self.rows[y][x] = value


def from_art(lines, background):
    """A 16-colour canvas from rows of ART letters."""
    canvas = Canvas(len(lines[0]), len(lines), background)
    for y, line in enumerate(lines):
        assert len(line) == canvas.width, (y, line)
        for x, ch in enumerate(line):
            if ch != '.':
                canvas.put(x, y, ART[ch])
    return canvas


def recoloured(canvas, mapping):
    """A copy with colours replaced: the disabled look of a glyph."""
    copy = Canvas(canvas.width, canvas.height, 0)
    for y in range(canvas.height):
        for x in range(canvas.width):
            v = canvas.get(x, y)
            copy.put(x, y, mapping.get(v, v))
    return copy


def arc(cx, cy, rx, ry, start, end, steps=48):
    """Points along an ellipse, angles in degrees counter-clockwise from
    3 o'clock (y grows downwards, so positive angles go up)."""
    pts = []
    for i in range(steps + 1):
        a = math.radians(start + (end - start) * i / steps)
        pts.append((cx + rx * math.cos(a), cy - ry * math.sin(a)))
    return pts


# ---------------------------------------------------------------- file writers

def bmp_rows(canvas, bits):
    """Pixel data bottom-up, each row padded to a multiple of 4 bytes."""
    stride = (canvas.width * bits + 31) // 32 * 4
    data = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        if bits == 24:
            for x in range(canvas.width):
                r, g, b = canvas.get(x, y)
                row += bytes((b, g, r))
        elif bits == 4:
            for x in range(0, canvas.width, 2):
                hi = canvas.get(x, y)
                lo = canvas.get(x + 1, y) if x + 1 < canvas.width else 0
                row.append((hi << 4) | lo)
        elif bits == 1:
            for x in range(0, canvas.width, 8):
                byte = 0
                for i in range(8):
                    if x + i < canvas.width and canvas.get(x + i, y):
                        byte |= 0x80 >> i
                row.append(byte)
        row += bytes(stride - len(row))
        data += row
    return bytes(data)


def info_header(width, height, bits, image_size, colours):
    # BITMAPINFOHEADER: 2835 pixels per metre is 72 dpi.
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0,
                       image_size, 2835, 2835, colours, 0)


def palette_bytes():
    return b''.join(bytes((b, g, r, 0)) for r, g, b in VGA16)


def write_bmp(name, canvas, bits):
    pixels = bmp_rows(canvas, bits)
    palette = palette_bytes() if bits == 4 else b''
    colours = 16 if bits == 4 else 0
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    data = header + info_header(canvas.width, canvas.height, bits,
                                len(pixels), colours) + palette + pixels
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)


def write_bmp_rle8(name, canvas):
    """An 8-bit bitmap with a palette of the picture's own colours, each row as runs of one
    colour (at most 255 pixels a run), bottom-up."""
    colours = sorted({canvas.get(x, y) for y in range(canvas.height) for x in range(canvas.width)})
    assert len(colours) <= 256, name
    index = {c: i for i, c in enumerate(colours)}
    pixels = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        x = 0
        while x < canvas.width:
            colour = canvas.get(x, y)
            run = 1
            while x + run < canvas.width and run < 255 and canvas.get(x + run, y) == colour:
                run += 1
            pixels += bytes((run, index[colour]))
            x += run
        pixels += b'\x00\x00'  # end of the row
    pixels += b'\x00\x01'  # end of the picture
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in colours)
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 8, 1,  # BI_RLE8
                       len(pixels), 2835, 2835, len(colours), 0)
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(header + info + palette + pixels)


def write_ico(name, canvas, mask):
    """One 16-colour image; mask pixels that are 1 are transparent."""
    xor = bmp_rows(canvas, 4)
    andmask = bmp_rows(mask, 1)
    image = (info_header(canvas.width, 2 * canvas.height, 4, len(xor) + len(andmask), 16)
             + palette_bytes() + xor + andmask)
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', canvas.width, canvas.height, 16, 0, 1, 4,
                        len(image), 6 + 16)
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(directory + entry + image)


# ---------------------------------------------------------------- the globe

# Land masses as ellipses in longitude/latitude degrees: (lon, lat, half width,
# half height).  Rough, but at these sizes it reads as Europe, Africa and the
# Americas at the edge.
LAND = [
    (20, 2, 19, 30),     # Africa
    (32, -22, 10, 14),   # southern Africa
    (8, 16, 22, 9),      # the Sahara's western bulge
    (15, 49, 20, 9),     # Europe
    (30, 60, 14, 8),     # Scandinavia and beyond
    (47, 24, 9, 9),      # Arabia
    (75, 45, 30, 16),    # Asia
    (-60, -12, 14, 24),  # South America
    (-75, 45, 25, 17),   # North America
    (-40, 72, 12, 8),    # Greenland
]


def is_land(lon, lat):
    for clon, clat, hw, hh in LAND:
        dlon = (lon - clon + 180) % 360 - 180
        # A ripple on the coast keeps the outlines from looking like eggs.
        wobble = 1 + 0.18 * math.sin(3 * math.radians(lon) + 2 * math.radians(lat) + clon)
        if (dlon / hw) ** 2 + ((lat - clat) / hh) ** 2 <= wobble:
            return True
    return False


TILT = math.radians(18)       # north pole leaning towards the viewer
CENTRE_LON = 10               # longitude facing the viewer


def sphere_point(nx, ny):
    """Longitude, latitude (degrees) and depth of the visible point of a unit
    sphere at screen offsets nx, ny (y down), or None outside the disc."""
    d2 = nx * nx + ny * ny
    if d2 > 1:
        return None
    nz = math.sqrt(1 - d2)
    up = -ny
    # Rotate about the horizontal axis so that the north pole leans forward.
    y = up * math.cos(TILT) + nz * math.sin(TILT)
    z = -up * math.sin(TILT) + nz * math.cos(TILT)
    lat = math.degrees(math.asin(max(-1.0, min(1.0, y))))
    lon = math.degrees(math.atan2(nx, z)) + CENTRE_LON
    return lon, lat, nz


def project(lon, lat):
    """Screen offsets (y down) and depth of a point on the unit sphere."""
    lo = math.radians(lon - CENTRE_LON)
    la = math.radians(lat)
    x = math.cos(la) * math.sin(lo)
    y = math.sin(la)
    z = math.cos(la) * math.cos(lo)
    up = y * math.cos(TILT) - z * math.sin(TILT)
    depth = y * math.sin(TILT) + z * math.cos(TILT)
    return x, -up, depth


def grid_lines(cx, cy, radius):
    """Visible meridians and parallels as screen polylines."""
    lines = []

    def add(points):
        run = []
        for lon, lat in points:
            x, y, depth = project(lon, lat)
            if depth > 0.02:
                run.append((cx + radius * x, cy + radius * y))
            elif run:
                lines.append(run)
                run = []
        if run:
            lines.append(run)

    for lon in range(-180, 180, 30):
        add([(lon, lat) for lat in range(-90, 91, 3)])
    for lat in (-60, -30, 0, 30, 60):
        add([(lon, lat) for lon in range(-180, 181, 3)])
    return lines


def draw_icon():
    size = 32
    canvas = Canvas(size, size, WHITE)
    mask = Canvas(size, size, 0)          # opaque everywhere: light background
    c, r = 16.0, 15.0
    lx, ly, lz = -0.55, -0.55, 0.63       # light from the upper left
    for y in range(size):
        for x in range(size):
            nx, ny = (x + 0.5 - c) / r, (y + 0.5 - c) / r
            p = sphere_point(nx, ny)
            if p is None:
                continue
            lon, lat, nz = p
            light = nx * lx + ny * ly + nz * lz
            if math.hypot(nx, ny) > 0.93:
                colour = NAVY                  # rim
            elif is_land(lon, lat):
                colour = OLIVE
            else:
                colour = BLUE if light > 0.05 else NAVY
            canvas.put(x, y, colour)
    return canvas, mask


# ---------------------------------------------------------------- the logo

# A rounded stroke font: each letter is a list of polylines in font units, the
# baseline at y = 0, y growing downwards (x-height 40, capitals 60), and an
# advance width.  Strokes are drawn with round ends, so the letters come out
# thick and rounded.
def font():
    oval = lambda cx, cy, rx, ry: arc(cx, cy, rx, ry, 0, 360, 64)
    return {
        'T': ([[(0, -60), (40, -60)], [(20, -60), (20, 0)]], 40),
        'i': ([[(0, -40), (0, 0)], [(0, -60)]], 0),
        'l': ([[(0, -64), (0, 0)]], 0),
        'o': ([oval(19, -20, 19, 20)], 38),
        'r': ([[(0, -40), (0, 0)], arc(24, -16, 24, 24, 180, 75)], 30),
        'a': ([oval(17, -20, 17, 20), [(34, -40), (34, 0)]], 34),
        'P': ([[(0, 0), (0, -60), (16, -60)] + arc(16, -44, 16, 16, 90, -90)
               + [(0, -28)]], 32),
        'O': ([oval(24, -30, 24, 30)], 48),
        'S': ([arc(17, -45, 17, 15, 25, 270) + arc(17, -15, 17, 15, 90, -155)], 34),
    }


def text_width(text, scale, gap):
    glyphs = font()
    return sum(glyphs[ch][1] * scale for ch in text) + gap * (len(text) - 1)


def draw_text(canvas, text, left, baseline, scale, radius, gap, colour):
    glyphs = font()
    x = left
    for ch in text:
        lines, advance = glyphs[ch]
        canvas.stroke(lines, radius, colour, scale, x, baseline)
        x += advance * scale + gap


def draw_logo():
    white = (255, 255, 255)
    black = (0, 0, 0)
    canvas = Canvas(405, 201, white)

    # "Tillora", large, and "POS" centred beneath it.
    big_scale, big_radius, big_gap = 0.82, 6.5, 17
    big_left = 14
    big_width = text_width('Tillora', big_scale, big_gap)
    draw_text(canvas, 'Tillora', big_left, 94, big_scale, big_radius, big_gap, black)
    small_scale, small_radius, small_gap = 0.62, 5.5, 16
    small_width = text_width('POS', small_scale, small_gap)
    small_left = big_left + (big_width - small_width) / 2
    draw_text(canvas, 'POS', small_left, 162, small_scale, small_radius, small_gap, black)

    # The globe: off-white sea, green land, green grid, dark green rim.
    sea = (250, 250, 250)
    land = (40, 160, 60)
    line = (0, 100, 30)
    cx, cy, r = 331.0, 100.5, 70.0
    for y in range(canvas.height):
        for x in range(canvas.width):
            p = sphere_point((x + 0.5 - cx) / r, (y + 0.5 - cy) / r)
            if p is None:
                continue
            lon, lat, _ = p
            canvas.put(x, y, land if is_land(lon, lat) else sea)
    canvas.stroke(grid_lines(cx, cy, r), 1.1, line)
    canvas.stroke([arc(cx, cy, r - 1.5, r - 1.5, 0, 360, 180)], 2.0, line)
    return canvas


# ---------------------------------------------------------------- button glyphs

EXIT = [
    # An open door: the dark doorway in a grey frame, the silver leaf swung
    # out towards the viewer on the left, and a red arrow leaving through it.
    '..................',
    'kk..ggggggggg.....',
    'kskkgkkkkkkkg.....',
    'ksssgkkkkkkkg.....',
    'ksssgkkkkkkkgm....',
    'ksssgkkkkkkkgrm...',
    'ksssgkkkkkkkgrrm..',
    'ksssgkmmmmmmmrrrm.',
    'kskkgkrrrrrrrrrrrm',
    'kskkgkrrrrrrrrrrrm',
    'ksssgkmmmmmmmrrrm.',
    'ksssgkkkkkkkgrrm..',
    'ksssgkkkkkkkgrm...',
    'ksssgkkkkkkkgm....',
    'ksssgkkkkkkkg.....',
    'kskkgkkkkkkkg.....',
    'kk..ggggggggg.....',
    '..................',
]
EXIT_DISABLED = {BLACK: GREY, GREY: SILVER, SILVER: WHITE, RED: WHITE, MAROON: GREY}

HELP_MARK = [
    '................',
    '................',
    '......rrrr......',
    '.....rrrrrr.....',
    '.....rr..rr.....',
    '.........rr.....',
    '........rrr.....',
    '.......rrr......',
    '.......rr.......',
    '.......rr.......',
    '.......rr.......',
    '................',
    '.......rr.......',
    '.......rr.......',
    '................',
    '................',
]
HELP_DISABLED = {YELLOW: WHITE, RED: GREY, MAROON: GREY, BLACK: GREY}


def draw_exit():
    cell = from_art(EXIT, TEAL)
    strip = Canvas(36, 18, TEAL)
    strip.blit(cell, 0, 0)
    strip.blit(recoloured(cell, EXIT_DISABLED), 18, 0)
    return strip


def draw_about():
    canvas = Canvas(18, 18, TEAL)
    c = 9.0
    for y in range(18):
        for x in range(18):
            dx, dy = x + 0.5 - c, y + 0.5 - c
            d = math.hypot(dx, dy)
            angle = math.degrees(math.atan2(-dy, dx))
            ring = 7.0 <= d <= 8.75
            letter = 2.6 <= d <= 4.9 and abs(angle) > 42
            if ring or letter:
                canvas.put(x, y, NAVY)
    return canvas


def draw_help():
    cell = Canvas(16, 16, OLIVE)
    c = 8.0
    for y in range(16):
        for x in range(16):
            d = math.hypot(x + 0.5 - c, y + 0.5 - c)
            if d <= 7.7:
                cell.put(x, y, MAROON if d > 6.7 else YELLOW)
    mark = from_art(HELP_MARK, OLIVE)
    for y in range(16):
        for x in range(16):
            if mark.get(x, y) != OLIVE:
                cell.put(x, y, mark.get(x, y))
    strip = Canvas(32, 16, OLIVE)
    strip.blit(cell, 0, 0)
    strip.blit(recoloured(cell, HELP_DISABLED), 16, 0)
    return strip


# The browse-button pictures, 13 x 14 each, on olive.
ECL_PICTURES = [
    [   # ellipsis
        '.............',
        '.............',
        '.............',
        '.............',
        '.............',
        '.............',
        '.............',
        '.............',
        '.............',
        '.kk..kk..kk..',
        '.kk..kk..kk..',
        '.............',
        '.............',
        '.............',
    ],
    [   # diskette
        '.............',
        '.kkkkkkkkkkk.',
        '.knwwwwwwwnk.',
        '.knwgggggwnk.',
        '.knwwwwwwwnk.',
        '.knwgggggwnk.',
        '.knwwwwwwwnk.',
        '.knnnnnnnnnk.',
        '.knnsssssnnk.',
        '.knnskksssnk.',
        '.knnskksssnk.',
        '.knnsssssnnk.',
        '.kkkkkkkkkkk.',
        '.............',
    ],
    [   # folder
        '.............',
        '.............',
        '..kkkkk......',
        '.kwyyyyk.....',
        '.kyyyyyykkkkk',
        '.kwwwwwwwwwwk',
        '.kwyyyyyyyyyk',
        '.kwyyyyyyyyyk',
        '.kwyyyyyyyyyk',
        '.kwyyyyyyyyyk',
        '.kwyyyyyyyyyk',
        '.kyyyyyyyyyyk',
        '.kkkkkkkkkkkk',
        '.............',
    ],
    [   # grid
        '.............',
        'kkkkkkkkkkkkk',
        'ksssksssksssk',
        'ksssksssksssk',
        'kkkkkkkkkkkkk',
        'kwwwkwwwkwwwk',
        'kwwwkwwwkwwwk',
        'kkkkkkkkkkkkk',
        'kwwwkwwwkwwwk',
        'kwwwkwwwkwwwk',
        'kkkkkkkkkkkkk',
        'kwwwkwwwkwwwk',
        'kwwwkwwwkwwwk',
        'kkkkkkkkkkkkk',
    ],
    [   # calendar page
        '...g.....g...',
        '.kkgkkkkkgkk.',
        '.krrrrrrrrrk.',
        '.krrrrrrrrrk.',
        '.kkkkkkkkkkk.',
        '.kwwwwwwwwwk.',
        '.kwkwkwkwkwk.',
        '.kwwwwwwwwwk.',
        '.kwkwkwkwkwk.',
        '.kwwwwwwwwwk.',
        '.kwkwkwrwkwk.',
        '.kwwwwwwwwwk.',
        '.kkkkkkkkkkk.',
        '.............',
    ],
    [   # magnifier
        '.............',
        '...kkkkk.....',
        '..kwwaaak....',
        '.kwaaaaaak...',
        '.kwaaaaaak...',
        '.kaaaaaaak...',
        '.kaaaaaaak...',
        '.kaaaaaaak...',
        '..kaaaaak....',
        '...kkkkkkk...',
        '........kkk..',
        '.........kkk.',
        '..........kkk',
        '...........k.',
    ],
    [   # palette
        '.............',
        '....kkkkk....',
        '..kkwwwwwkk..',
        '.kwwrrwbbwwk.',
        '.kwwrrwbbwwwk',
        'kwyywwwwwwwwk',
        'kwyywwwkkkkk.',
        'kwwwwwk......',
        'kwllwwwkk....',
        'kwllwwwwwk...',
        '.kwwwffwwwk..',
        '.kwwwffwwwk..',
        '..kkwwwwkk...',
        '....kkkk.....',
    ],
    [   # letter A
        '.............',
        '......k......',
        '.....kkk.....',
        '.....kkk.....',
        '....kk.kk....',
        '....kk.kk....',
        '...kk...kk...',
        '...kk...kk...',
        '..kkkkkkkkk..',
        '..kk.....kk..',
        '.kk.......kk.',
        '.kk.......kk.',
        'kkkk.....kkkk',
        '.............',
    ],
]


def draw_ecl_strip():
    strip = Canvas(104, 14, OLIVE)
    for i, art in enumerate(ECL_PICTURES):
        strip.blit(from_art(art, OLIVE), 13 * i, 0)
    return strip


def main():
    icon, mask = draw_icon()
    write_ico('globe.ico', icon, mask)

    logo = draw_logo()
    assert logo.get(0, logo.height - 1) == (255, 255, 255)
    write_bmp_rle8('logo.bmp', logo)

    for name, canvas, background in (
            ('exit.bmp', draw_exit(), TEAL),
            ('about.bmp', draw_about(), TEAL),
            ('help.bmp', draw_help(), OLIVE),
            ('eclbmpglyph.bmp', draw_ecl_strip(), OLIVE)):
        assert canvas.get(0, canvas.height - 1) == background, name
        write_bmp(name, canvas, 4)


if __name__ == '__main__':
    main()
