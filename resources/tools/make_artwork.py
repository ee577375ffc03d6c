#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws all of Pixmora's pictures and writes them to resources/artwork/.

Every picture is drawn here, pixel by pixel, in the classic 16-colour palette: the toolbar
strips, the swap button, the application icon (PNGs and pixmora.ico), the splash picture and
the tip of the day's light bulb.
Only the Python standard library is used; PNGs are written as 8-bit indexed images whose
palette is exactly the 16 colours, plus one fully transparent entry where a picture has a
transparent background.

    python3 resources/tools/make_artwork.py            # writes resources/artwork/
    python3 resources/tools/make_artwork.py --preview /tmp/art   # also 8x enlarged previews

The output is deterministic, so re-running the script on an unchanged tree changes nothing.
"""

import argparse
import math
import os
import struct
import zlib

# The 16 colours of the classic 4-bit palette, in their usual index order.
PALETTE = [
    (0x00, 0x00, 0x00),  # black
    (0x80, 0x00, 0x00),  # maroon
    (0x00, 0x80, 0x00),  # green
    (0x80, 0x80, 0x00),  # olive
    (0x00, 0x00, 0x80),  # navy
    (0x80, 0x00, 0x80),  # purple
    (0x00, 0x80, 0x80),  # teal
    (0xC0, 0xC0, 0xC0),  # silver
    (0x80, 0x80, 0x80),  # grey
    (0xFF, 0x00, 0x00),  # red
    (0x00, 0xFF, 0x00),  # lime
    (0xFF, 0xFF, 0x00),  # yellow
    (0x00, 0x00, 0xFF),  # blue
    (0xFF, 0x00, 0xFF),  # fuchsia
    (0x00, 0xFF, 0xFF),  # aqua
    (0xFF, 0xFF, 0xFF),  # white
]
(BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER,
 GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE) = range(16)
CLEAR = 16  # fully transparent

# Letters used in the hand-drawn pictures below.
ART_KEY = {
    '.': CLEAR, '#': BLACK, 'M': MAROON, 'g': GREEN, 'O': OLIVE, 'N': NAVY, 'P': PURPLE,
    'T': TEAL, 's': SILVER, 'd': GREY, 'R': RED, 'L': LIME, 'Y': YELLOW, 'B': BLUE,
    'F': FUCHSIA, 'A': AQUA, 'W': WHITE,
}


# --------------------------------------------------------------------------------------------
# Canvas and drawing primitives

class Canvas:
    """A grid of palette indices; out-of-range writes are ignored so shapes may overhang."""

    def __init__(self, width, height, fill=CLEAR):
        self.width = width
        self.height = height
        self.pixels = [[fill] * width for _ in range(height)]

    def inside(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def set(self, x, y, colour):
        if self.inside(x, y):
            self.pixels[y][x] = colour

    def get(self, x, y):
        return self.pixels[y][x] if self.inside(x, y) else CLEAR

    def fill_rect(self, left, top, right, bottom, colour):
        """Fills the rectangle; right and bottom are exclusive."""
        for y in range(top, bottom):
            for x in range(left, right):
                self.set(x, y, colour)

    def frame_rect(self, left, top, right, bottom, colour):
        """Outlines the rectangle (right and bottom exclusive) with a one-pixel line."""
        for x in range(left, right):
            self.set(x, top, colour)
            self.set(x, bottom - 1, colour)
        for y in range(top, bottom):
            self.set(left, y, colour)
            self.set(right - 1, y, colour)

    def dashed_rect(self, left, top, right, bottom, on, off, dash=2):
        """A marquee: the outline walked clockwise in dashes of two alternating colours."""
        path = [(x, top) for x in range(left, right - 1)]
        path += [(right - 1, y) for y in range(top, bottom - 1)]
        path += [(x, bottom - 1) for x in range(right - 1, left, -1)]
        path += [(left, y) for y in range(bottom - 1, top, -1)]
        for i, (x, y) in enumerate(path):
            self.set(x, y, on if (i // dash) % 2 == 0 else off)

    def line(self, x0, y0, x1, y1, colour):
        """Bresenham line including both end points."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def shape(self, contains, colour, outline=None):
        """Fills every pixel whose centre the predicate accepts.

        colour is a palette index or a function (x, y) -> index, which lets a shape carry its
        own shading. With an outline colour, the accepted pixels that touch a rejected one
        (4-neighbourhood) become the outline, so every shape gets a clean one-pixel edge.
        """
        accepted = [[contains(x + 0.5, y + 0.5) for x in range(self.width)]
                    for y in range(self.height)]

        def hit(x, y):
            return self.inside(x, y) and accepted[y][x]

        for y in range(self.height):
            for x in range(self.width):
                if not accepted[y][x]:
                    continue
                edge = not (hit(x - 1, y) and hit(x + 1, y) and hit(x, y - 1) and hit(x, y + 1))
                if outline is not None and edge:
                    self.set(x, y, outline)
                else:
                    self.set(x, y, colour(x, y) if callable(colour) else colour)

    def art(self, left, top, rows, key=None):
        """Copies a hand-drawn picture given as rows of letters; '.' leaves a pixel alone."""
        key = key or ART_KEY
        for dy, row in enumerate(rows):
            for dx, letter in enumerate(row):
                if letter != '.':
                    self.set(left + dx, top + dy, key[letter])

    def blit(self, other, left, top, scale=1):
        """Copies another canvas (its transparent pixels excepted), optionally enlarged."""
        for y in range(other.height * scale):
            for x in range(other.width * scale):
                colour = other.pixels[y // scale][x // scale]
                if colour != CLEAR:
                    self.set(left + x, top + y, colour)

    def mirrored(self):
        flipped = Canvas(self.width, self.height)
        flipped.pixels = [list(reversed(row)) for row in self.pixels]
        return flipped


def ellipse_test(left, top, right, bottom):
    """Predicate for the ellipse inscribed in a box (right and bottom exclusive)."""
    cx, cy = (left + right) / 2, (top + bottom) / 2
    rx, ry = (right - left) / 2, (bottom - top) / 2
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


# --------------------------------------------------------------------------------------------
# Pixel fonts

# A 5x7 font (proportional: each glyph is as wide as its rows) for the splash picture.
FONT_5x7 = {
    'P': ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    'V': ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    'i': [".#.", "...", "##.", ".#.", ".#.", ".#.", "###"],
    'x': [".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"],
    'm': [".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"],
    'o': [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    'r': [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    'a': [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    'e': [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    's': [".....", ".....", ".####", "#....", ".###.", "....#", "####."],
    'n': [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    '1': ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    '0': [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    '.': ["..", "..", "..", "..", "..", "##", "##"],
    ' ': ["...", "...", "...", "...", "...", "...", "..."],
}

# A 4x7 font of the digits the image-size buttons show.
DIGITS_4x7 = {
    '1': ["..#.", ".##.", "..#.", "..#.", "..#.", "..#.", ".###"],
    '2': [".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"],
    '3': ["###.", "...#", "...#", ".##.", "...#", "...#", "###."],
    '4': ["..#.", ".##.", "#.#.", "#.#.", "####", "..#.", "..#."],
    '6': [".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."],
    '8': [".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."],
}


def text_width(text, font, scale=1):
    return sum((len(font[ch][0]) + 1) * scale for ch in text) - scale


def draw_text(canvas, left, top, text, font, colour, scale=1, bevel=None):
    """Draws text in one of the pixel fonts, each font pixel a scale x scale block. With a
    bevel (light, dark) every block is drawn as a small raised tile."""
    x = left
    for ch in text:
        glyph = font[ch]
        for gy, row in enumerate(glyph):
            for gx, bit in enumerate(row):
                if bit != '#':
                    continue
                bx, by = x + gx * scale, top + gy * scale
                canvas.fill_rect(bx, by, bx + scale, by + scale, colour)
                if bevel:
                    light, dark = bevel
                    canvas.fill_rect(bx, by, bx + scale, by + 1, light)
                    canvas.fill_rect(bx, by, bx + 1, by + scale, light)
                    canvas.fill_rect(bx, by + scale - 1, bx + scale, by + scale, dark)
                    canvas.fill_rect(bx + scale - 1, by, bx + scale, by + scale, dark)
        x += (len(glyph[0]) + 1) * scale


# --------------------------------------------------------------------------------------------
# Toolbar 200, "Tools": 16 buttons of 21 x 21

def tool_brush():
    c = Canvas(21, 21)
    c.art(0, 0, [
        ".....................",
        "..................##.",
        ".................#RM#",
        "................#RMM#",
        "...............#RMM#.",
        "..............#RMM#..",
        ".............#RMM#...",
        "............#RMM#....",
        "...........#RMM#.....",
        "..........#Wsd#......",
        ".........#Wsd#.......",
        "........#Wsd#........",
        ".......#sdd##........",
        "......#sddd#.........",
        ".....#sddd#..........",
        "....#BBdd#...........",
        "...#BBBB#............",
        "...#BBBN#............",
        "..#BBN#..............",
        "..#N##...............",
        "..##.................",
    ])
    return c


def tool_eraser():
    c = Canvas(21, 21)
    # A block lying at 45 degrees: a white rubber end at the lower left, a blue paper sleeve
    # towards the upper right, and a grey side face that gives it thickness.
    def block(dx, dy):
        def contains(x, y):
            u = ((x - dx) - (y - dy)) / math.sqrt(2)   # along the block
            v = ((x - dx) + (y - dy)) / math.sqrt(2)   # across it
            return -8.2 <= u <= 8.2 and 12.3 <= v <= 16.7
        return contains

    def face(x, y):
        u = (x - y) / math.sqrt(2)
        return BLUE if u > 0.8 else WHITE

    def side(x, y):
        u = ((x - 0) - (y - 2)) / math.sqrt(2)
        return NAVY if u > 0.8 else SILVER

    c.shape(block(0, 2), side, BLACK)
    c.shape(block(0, 0), face, BLACK)
    # Rubbed-out crumbs under the eraser.
    for x, y in ((3, 19), (6, 19), (9, 19), (12, 19)):
        c.set(x, y, GREY)
    return c


def tool_flood_fill():
    c = Canvas(21, 21)
    # A bucket tipped over at 45 degrees, its mouth to the lower left. In the rotated frame
    # p = x + y runs across the bucket and q = x - y along it, so its sides are clean
    # diagonals.
    def body(x, y):
        p, q = x + y, x - y
        return 14 <= p <= 26.5 and -2 <= q <= 12.5

    def body_colour(x, y):
        p = x + y + 1
        return WHITE if p < 19 else (SILVER if p < 23 else GREY)

    def mouth(x, y):
        p, q = x + y, x - y
        return ((p - 20.2) / 6.6) ** 2 + ((q + 2) / 2.9) ** 2 <= 1.0

    def handle(x, y):
        return abs(math.hypot(x - 9.6, y - 4.6) - 4.6) <= 0.55 and x + y < 14.2

    c.shape(handle, BLACK)
    c.shape(body, body_colour, BLACK)
    c.shape(mouth, lambda x, y: NAVY if x - y < -2.5 else BLUE, BLACK)
    # The paint pours over the lowest point of the lip and pools below.
    c.art(9, 14, [
        ".#BN#....",
        ".#BN#....",
        ".#BN#....",
        "#BBBN#...",
        "#BBBBN#..",
        ".######..",
    ])
    return c


def tool_line():
    c = Canvas(21, 21)
    c.line(3, 17, 17, 3, BLACK)
    c.line(4, 17, 17, 4, GREY)
    for x, y in ((3, 17), (17, 3)):
        c.fill_rect(x - 1, y - 1, x + 2, y + 2, NAVY)
        c.set(x, y, AQUA)
    return c


RIGHT_ARROW = [
    "#.....",
    "##....",
    "#B#...",
    "#BB#..",
    "#BBB#.",
    "#BBBB#",
    "#BBB#.",
    "#BB#..",
    "#B#...",
    "##....",
    "#.....",
]


def transposed(rows):
    return ["".join(row[i] for row in rows) for i in range(len(rows[0]))]


def tool_straight_horizontal():
    c = Canvas(21, 21)
    c.fill_rect(2, 6, 4, 15, NAVY)           # where the line starts
    c.fill_rect(4, 10, 14, 11, BLACK)        # the line, drawn left to right
    c.art(13, 5, RIGHT_ARROW)
    return c


def tool_straight_vertical():
    c = Canvas(21, 21)
    c.fill_rect(6, 2, 15, 4, NAVY)
    c.fill_rect(10, 4, 11, 14, BLACK)
    c.art(5, 13, transposed(RIGHT_ARROW))
    return c


def tool_rectangle():
    c = Canvas(21, 21)
    c.frame_rect(4, 6, 19, 17, GREY)         # shadow
    c.frame_rect(3, 5, 18, 16, BLACK)
    return c


def tool_filled_rectangle():
    c = Canvas(21, 21)
    c.fill_rect(4, 6, 19, 17, GREY)
    c.fill_rect(3, 5, 18, 16, BLACK)
    c.fill_rect(4, 6, 17, 15, BLUE)
    c.fill_rect(4, 6, 17, 7, AQUA)
    return c


def tool_ellipse():
    c = Canvas(21, 21)
    ring = ellipse_test(3, 4, 19, 17)
    hole = ellipse_test(4, 5, 18, 16)
    shadow_ring = ellipse_test(4, 5, 20, 18)
    shadow_hole = ellipse_test(5, 6, 19, 17)
    c.shape(lambda x, y: shadow_ring(x, y) and not shadow_hole(x, y), GREY)
    c.shape(lambda x, y: ring(x, y) and not hole(x, y), BLACK)
    return c


def tool_filled_ellipse():
    c = Canvas(21, 21)
    c.shape(ellipse_test(4, 5, 20, 18), GREY)
    highlight = ellipse_test(6, 6, 13, 11)
    c.shape(ellipse_test(3, 4, 19, 17),
            lambda x, y: AQUA if highlight(x + 0.5, y + 0.5) else BLUE, BLACK)
    return c


def drop_test(cx, cy, radius, top):
    """A water drop: a circle with a point straight above it."""
    def contains(x, y):
        if math.hypot(x - cx, y - cy) <= radius:
            return True
        if top <= y <= cy:
            half = radius * (y - top) / (cy - top)
            return abs(x - cx) <= half * 1.08
        return False
    return contains


def shaded_drop(lit, shade, highlight, sign):
    """A drop whose lower right half is shaded, with a small glint and a plus or minus sign
    that tells which way the brush moves a colour."""
    c = Canvas(21, 21)
    c.shape(drop_test(9.5, 12.5, 6.0, 2.0), lambda x, y: shade if x + y > 22 else lit, BLACK)
    for x, y in ((6, 11), (6, 12), (6, 13), (7, 10)):
        c.set(x, y, highlight)
    c.fill_rect(15, 2, 20, 3, BLACK)
    if sign == '+':
        c.fill_rect(17, 0, 18, 5, BLACK)
    return c


def tool_darken():
    return shaded_drop(NAVY, BLACK, GREY, '-')


def tool_lighten():
    return shaded_drop(WHITE, YELLOW, SILVER, '+')


def tool_rect_selector():
    c = Canvas(21, 21)
    c.dashed_rect(3, 4, 18, 17, BLACK, WHITE)
    return c


def tool_unselect():
    c = Canvas(21, 21)
    c.dashed_rect(3, 4, 18, 17, BLACK, WHITE)
    for i in range(11):
        for dx in (0, 1):
            c.set(5 + i + dx, 5 + i, RED)
            c.set(15 - i + dx, 5 + i, RED)
    return c


def tool_move_selection():
    c = Canvas(21, 21)
    c.dashed_rect(2, 2, 19, 19, GREY, WHITE)
    c.art(4, 4, [
        "......#......",
        ".....###.....",
        "....#####....",
        "......#......",
        "..#...#...#..",
        ".##...#...##.",
        "#############",
        ".##...#...##.",
        "..#...#...#..",
        "......#......",
        "....#####....",
        ".....###.....",
        "......#......",
    ])
    return c


def tool_text():
    c = Canvas(21, 21)
    c.art(3, 2, [
        "......##.......",
        "......###......",
        ".....####......",
        ".....#.###.....",
        "....##.###.....",
        "....#...###....",
        "...##...###....",
        "...#########...",
        "..##.....###...",
        "..#.......###..",
        ".##.......###..",
        "####.....######",
    ])
    c.fill_rect(2, 16, 19, 17, NAVY)         # the line of text it sits on
    c.fill_rect(2, 17, 19, 18, BLUE)
    return c


TOOLS = [
    tool_brush, tool_eraser, tool_flood_fill, tool_line, tool_straight_horizontal,
    tool_straight_vertical, tool_rectangle, tool_filled_rectangle, tool_ellipse,
    tool_filled_ellipse, tool_darken, tool_lighten, tool_rect_selector, tool_unselect,
    tool_move_selection, tool_text,
]


# --------------------------------------------------------------------------------------------
# Toolbar 199, "Brush Sizes": 4 buttons of 13 x 13

def pen_button(pattern):
    """A small white tile with the pen's footprint in the middle."""
    c = Canvas(13, 13)
    c.fill_rect(1, 1, 12, 12, WHITE)
    c.frame_rect(1, 1, 12, 12, GREY)
    c.set(1, 1, CLEAR)
    c.set(11, 1, CLEAR)
    c.set(1, 11, CLEAR)
    c.set(11, 11, CLEAR)
    c.art(6 - len(pattern) // 2, 6 - len(pattern) // 2, pattern)
    return c


BRUSH_SIZES = [
    lambda: pen_button(["#"]),
    lambda: pen_button(["###"] * 3),
    lambda: pen_button(["#####"] * 5),
    lambda: pen_button([".###.", "#####", "#####", "#####", ".###."]),
]


# --------------------------------------------------------------------------------------------
# Toolbar 128, "Commands": 19 buttons of 16 x 15

def cmd_new():
    c = Canvas(16, 15)
    c.art(0, 0, [
        "................",
        "..#######.......",
        "..#WWWWW##......",
        "..#WWWWW#s#.....",
        "..#WWWWW#ss#....",
        "..#WWWWW####....",
        "..#WWWWWWWW#....",
        "..#WWWWWWWW#....",
        "..#WWWWWWWW#....",
        "..#WWWWWWWW#....",
        "..#WWWWWWWW#....",
        "..#WWWWWWWW#....",
        "..#WWWWWWWW#....",
        "..##########....",
        "................",
    ])
    # A sparkle: the page is brand new.
    c.art(11, 0, [
        "..Y..",
        ".YYY.",
        "YYWYY",
        ".YYY.",
        "..Y..",
    ])
    return c


def cmd_open():
    c = Canvas(16, 15)
    # The back of the folder, with its tab, then the front flap falling open towards us.
    c.fill_rect(1, 1, 6, 3, OLIVE)
    c.frame_rect(1, 1, 6, 4, BLACK)
    c.fill_rect(0, 3, 13, 14, OLIVE)
    c.frame_rect(0, 3, 13, 14, BLACK)
    c.fill_rect(2, 2, 5, 3, OLIVE)

    def flap(x, y):
        shift = (y - 6.0) * 0.75
        return 6.0 <= y <= 14.0 and 4.5 - shift <= x <= 16.0 - shift

    c.shape(flap, lambda x, y: WHITE if y == 7 else YELLOW, BLACK)
    return c


def cmd_save():
    c = Canvas(16, 15)
    c.art(0, 0, [
        "................",
        ".##############.",
        ".#N#WWWWWWWW#N#.",
        ".#N#WddddddW#N#.",
        ".#N#WWWWWWWW#N#.",
        ".#N#WddddWWW#N#.",
        ".#N#WWWWWWWW#N#.",
        ".#NN########NN#.",
        ".#NNNNNNNNNNNN#.",
        ".#NNssssssssNN#.",
        ".#NNs##sssssNN#.",
        ".#NNs##sssssNN#.",
        ".#NNs##sssssNN#.",
        ".##############.",
        "................",
    ])
    return c


def cmd_cut():
    c = Canvas(16, 15)
    c.art(0, 0, [
        "................",
        "...#.......#....",
        "...##.....##....",
        "...#s#...#s#....",
        "....#s#.#s#.....",
        ".....#s#s#......",
        "......#W#.......",
        ".....#s#s#......",
        "....NNN.NNN.....",
        "...N..N.N..N....",
        "..N...N.N...N...",
        "..N...N.N...N...",
        "..N..N...N..N...",
        "...NN.....NN....",
        "................",
    ])
    return c


def page(canvas, left, top, width, height, lines):
    canvas.fill_rect(left, top, left + width, top + height, WHITE)
    canvas.frame_rect(left, top, left + width, top + height, BLACK)
    for row in range(top + 2, top + height - 2, 2):
        if lines:
            canvas.fill_rect(left + 2, row, left + width - 2, row + 1, lines)


def cmd_copy():
    c = Canvas(16, 15)
    page(c, 1, 1, 8, 10, GREY)
    page(c, 6, 4, 9, 10, NAVY)
    return c


def clipboard(content):
    c = Canvas(16, 15)
    c.art(0, 0, [
        ".....#####......",
        "..###sWWWs###...",
        ".#OOO#####OOO#..",
        ".#OOOOOOOOOOO#..",
        ".#OOOOOOOOOOO#..",
        ".#OOOOOOOOOOO#..",
        ".#OOOOOOOOOOO#..",
        ".#OOOOOOOOOOO#..",
        ".#OOOOOOOOOOO#..",
        ".#OOOOOOOOOOO#..",
        ".#OOOOOOOOOOO#..",
        ".#OOOOOOOOOOO#..",
        ".#OOOOOOOOOOO#..",
        "..###########...",
        "................",
    ])
    c.fill_rect(6, 5, 15, 14, WHITE)
    c.frame_rect(6, 5, 15, 14, BLACK)
    content(c)
    return c


def cmd_paste():
    def text_lines(c):
        for row in (7, 9, 11):
            c.fill_rect(8, row, 13, row + 1, NAVY)
    return clipboard(text_lines)


def cmd_paste_internal():
    def pixel_picture(c):
        c.art(8, 7, [
            "RRBB.",
            "RRBB.",
            "YYgg.",
            "YYgg.",
        ])
    return clipboard(pixel_picture)


def cmd_clear():
    c = Canvas(16, 15)
    c.fill_rect(1, 1, 14, 14, WHITE)
    c.frame_rect(1, 1, 14, 14, BLACK)
    for i in range(9):
        for dx in (0, 1):
            c.set(3 + i + dx, 3 + i, RED)
            c.set(11 - i + dx, 3 + i, RED)
    return c


def cmd_undo():
    c = Canvas(16, 15)

    # Half a ring over the top, turning back down on the left into the arrow head.
    def arrow(x, y):
        ring = y <= 8.5 and 2.0 <= math.hypot(x - 8.8, y - 8.5) <= 6.3
        head = 8.0 <= y <= 14.2 and abs(x - 4.65) <= (14.2 - y) * 0.8 + 0.2
        return ring or head

    c.shape(arrow, BLUE, NAVY)
    return c


def cmd_redo():
    return cmd_undo().mirrored()


def cmd_background_colour():
    c = Canvas(16, 15)
    c.fill_rect(1, 1, 15, 14, TEAL)
    for y in range(2, 13):
        for x in range(2, 14):
            if (x // 2 + y // 2) % 2 == 0:
                c.set(x, y, AQUA)
    c.frame_rect(1, 1, 15, 14, BLACK)
    # A small picture in front of the background.
    c.art(5, 4, [
        ".##.##.",
        "#RR#RR#",
        "#RRRRR#",
        ".#RRR#.",
        "..#R#..",
        "...#...",
    ])
    return c


def cmd_anti_alias():
    c = Canvas(16, 15)
    # A smooth curve: each pixel is shaded by how much of it a line one pixel wide covers.
    cx, cy, radius = 16.0, 15.0, 12.5
    for y in range(15):
        for x in range(16):
            coverage = max(0.0, 1.0 - abs(math.hypot(x + 0.5 - cx, y + 0.5 - cy) - radius) / 1.45)
            if coverage > 0.6:
                c.set(x, y, BLACK)
            elif coverage > 0.35:
                c.set(x, y, GREY)
            elif coverage > 0.12:
                c.set(x, y, SILVER)
    return c


def size_button(digits):
    c = Canvas(16, 15)
    c.fill_rect(1, 1, 15, 14, WHITE)
    c.frame_rect(1, 1, 15, 14, BLACK)
    c.fill_rect(2, 12, 14, 13, SILVER)
    draw_text(c, 8 - text_width(digits, DIGITS_4x7) // 2, 4, digits, DIGITS_4x7, NAVY)
    return c


def cmd_tool_palette():
    c = Canvas(16, 15)
    c.fill_rect(3, 1, 13, 14, SILVER)
    c.frame_rect(3, 1, 13, 14, BLACK)
    c.fill_rect(4, 2, 12, 4, NAVY)
    # Two columns of small buttons, as the palette shows them.
    for row in range(3):
        for col in range(2):
            left, top = 5 + col * 4, 5 + row * 3
            c.fill_rect(left, top, left + 2, top + 2, [RED, BLUE, GREEN, BLACK, YELLOW, PURPLE][row * 2 + col])
    c.fill_rect(13, 2, 14, 15, GREY)
    c.fill_rect(4, 14, 14, 15, GREY)
    return c


def cmd_about():
    c = Canvas(16, 15)
    c.shape(ellipse_test(1, 0, 15, 14), BLUE, NAVY)
    c.fill_rect(7, 3, 9, 5, WHITE)
    c.fill_rect(7, 6, 9, 11, WHITE)
    c.fill_rect(6, 6, 7, 7, WHITE)
    c.fill_rect(6, 10, 10, 11, WHITE)
    return c


def cmd_context_help():
    c = Canvas(16, 15)
    c.art(0, 0, [
        "#.......",
        "##......",
        "#W#.....",
        "#WW#....",
        "#WWW#...",
        "#WWWW#..",
        "#WWWWW#.",
        "#WWWWWW#",
        "#WWW####",
        "#W#W#...",
        "##.#W#..",
        "#..#W#..",
        "....#W#.",
        "....###.",
    ])
    c.art(9, 1, [
        ".####.",
        "##..##",
        "....##",
        "...##.",
        "..##..",
        "..##..",
        "......",
        "..##..",
        "..##..",
    ], {'#': NAVY, '.': CLEAR})
    return c


COMMANDS = [
    cmd_new, cmd_open, cmd_save, cmd_cut, cmd_copy, cmd_paste, cmd_paste_internal, cmd_clear,
    cmd_undo, cmd_redo, cmd_background_colour, cmd_anti_alias,
    lambda: size_button("16"), lambda: size_button("32"), lambda: size_button("48"),
    cmd_tool_palette, cmd_about, cmd_context_help,
]


# --------------------------------------------------------------------------------------------
# Bitmap 135: the swap button between the two colour swatches (19 x 19, opaque)

def swap_bitmap():
    c = Canvas(19, 19, SILVER)
    # The fill swatch is above the button and the pen swatch below, so a curved double arrow
    # links a red square at the top left with a green one at the bottom right.
    c.fill_rect(1, 1, 7, 7, RED)
    c.frame_rect(1, 1, 7, 7, BLACK)
    c.fill_rect(12, 12, 18, 18, LIME)
    c.frame_rect(12, 12, 18, 18, BLACK)
    c.art(0, 0, [
        "...................",
        "..........#........",
        ".........##........",
        "........######.....",
        "........#######....",
        ".........##..###...",
        "..........#...##...",
        "..............##...",
        "............######.",
        ".............####..",
        "..............##...",
    ])
    return c


# --------------------------------------------------------------------------------------------
# The application icon: a pencil drawing a pixel picture on a grid

HEART = [
    ".##.##.",
    "#######",
    "#######",
    ".#####.",
    "..###..",
    "...#...",
]


def pencil(canvas, tip, end, half_width, tip_length):
    """A yellow pencil from tip to end, with black lead, light wood, silver ferrule and a red
    eraser; the lit side faces up and left."""
    tx, ty = tip
    ex, ey = end
    length = math.hypot(ex - tx, ey - ty)
    ux, uy = (ex - tx) / length, (ey - ty) / length

    def frame(x, y):
        u = (x - tx) * ux + (y - ty) * uy
        v = -(x - tx) * uy + (y - ty) * ux
        return u, v

    def contains(x, y):
        u, v = frame(x, y)
        if u < 0 or u > length:
            return False
        if u < tip_length:
            return abs(v) <= half_width * u / tip_length + 0.35
        return abs(v) <= half_width

    eraser = length - 1.0 * half_width
    ferrule = eraser - 0.7 * half_width

    def colour(x, y):
        u, v = frame(x + 0.5, y + 0.5)
        if u < tip_length * 0.4:
            return BLACK
        if u < tip_length:
            return SILVER if v < 0 else WHITE
        if u > eraser:
            return RED if v < half_width / 3 else MAROON
        if u > ferrule:
            return SILVER if v < 0 else GREY
        if v < -half_width / 3:
            return YELLOW if half_width < 2 else WHITE
        return YELLOW if v < half_width / 3 else OLIVE

    canvas.shape(contains, colour, BLACK)


# Per icon side: top-left of the sheet, cell pitch, cells per side, pencil half width and
# the length of its sharpened tip. The 16 x 16 icon is drawn by hand instead.
ICON_LAYOUT = {
    32: dict(origin=0, pitch=3, cells=10, half_width=3.6, tip_length=6.5),
    48: dict(origin=1, pitch=4, cells=11, half_width=5.4, tip_length=10.0),
    # For the desktop's application menus and file managers, which want a large icon too.
    256: dict(origin=5, pitch=21, cells=11, half_width=28.8, tip_length=53.0),
}


def app_icon(side):
    """A sheet of squared paper with a red pixel heart, and the pencil that is drawing it."""
    if side == 16:
        return small_app_icon()
    layout = ICON_LAYOUT[side]
    c = Canvas(side, side)
    o, pitch, cells = layout["origin"], layout["pitch"], layout["cells"]
    sheet = cells * pitch + 1
    c.fill_rect(o, o, o + sheet, o + sheet, WHITE)
    for k in range(0, sheet, pitch):
        c.fill_rect(o + k, o, o + k + 1, o + sheet, SILVER)
        c.fill_rect(o, o + k, o + sheet, o + k + 1, SILVER)
    c.frame_rect(o, o, o + sheet, o + sheet, BLACK)

    def cell_box(gx, gy):
        """Pixel box (left, top, right, bottom) of grid cell (gx, gy), grid lines excluded."""
        left, top = o + gx * pitch + 1, o + gy * pitch + 1
        return left, top, left + pitch - 1, top + pitch - 1

    first_x, first_y = 1, 2
    for gy, row in enumerate(HEART):
        for gx, bit in enumerate(row):
            if bit == '#':
                c.fill_rect(*cell_box(first_x + gx, first_y + gy), RED)
    # The pencil's tip rests just below the heart's point and the pencil rises from there
    # along the heart's lower right edge; at 45 degrees its outline stays clean.
    _, _, tip_x, tip_y = cell_box(first_x + 3, first_y + len(HEART) - 1)
    reach = min(side - 0.5 - tip_x, tip_y - 0.5)
    pencil(c, (tip_x, tip_y), (tip_x + reach, tip_y - reach), layout["half_width"],
           layout["tip_length"])
    return c


def small_app_icon():
    """At 16 x 16 there is no room for grid lines, so this one is placed pixel by pixel."""
    c = Canvas(16, 16)
    c.fill_rect(0, 3, 13, 16, WHITE)
    c.frame_rect(0, 3, 13, 16, BLACK)
    c.art(1, 5, [
        "##.##",
        "#####",
        "#####",
        ".###.",
        "..#..",
    ], {'#': RED, '.': CLEAR})
    pencil_rows = [  # (first column, pixels) from the eraser down to the lead
        (12, "###"), (11, "#RRM#"), (10, "#RMM#"), (9, "#ssd#"), (8, "#YYO#"),
        (7, "#YYO#"), (6, "#YYO#"), (5, "#YYO#"), (4, "#sss#"), (3, "#ss#"), (3, "##"),
    ]
    for y, (x, pixels) in enumerate(pencil_rows, start=1):
        c.art(x, y, [pixels])
    return c


# --------------------------------------------------------------------------------------------
# Bitmap 104: the light bulb in the corner of the tip of the day (40 x 53, opaque)

def tip_bulb():
    """A glowing bulb on a screw base, on the white of the tip panel it is drawn on."""
    c = Canvas(40, 53, WHITE)
    cx, cy, radius = 20, 18, 12.5

    # Short rays around the glass.
    for angle in (-150, -120, -90, -60, -30, 180, 0):
        a = math.radians(angle)
        inner, outer = radius + 3, radius + 6
        c.line(round(cx + inner * math.cos(a)), round(cy + inner * math.sin(a)),
               round(cx + outer * math.cos(a)), round(cy + outer * math.sin(a)), OLIVE)

    def neck_half_width(y):
        return 9.0 - 3.0 * (y - 27) / 11

    def glass(x, y):
        if (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2:
            return True
        return 27 <= y < 39 and abs(x - cx) <= neck_half_width(y)

    def glass_colour(x, y):
        # Lit from the upper left: a white highlight, yellow glass, olive dithered shade.
        dx, dy = x + 0.5 - cx, y + 0.5 - cy
        if (dx + 5) ** 2 + (dy + 5) ** 2 <= 7 and dy < -3:
            return WHITE
        shade = (dx + dy) / (2 * radius)
        threshold = (BAYER_4[y % 4][x % 4] + 0.5) / 16
        return OLIVE if shade - 0.35 > threshold * 0.6 else YELLOW

    c.shape(glass, glass_colour, BLACK)

    # The filament on its two support wires.
    for x in (17, 23):
        c.line(x, 37, x, 22, GREY)
    c.art(16, 19, [
        "R.R.R.R.R",
        ".R.R.R.R.",
    ], {'R': RED, '.': CLEAR})
    c.line(17, 21, 17, 21, MAROON)
    c.line(23, 21, 23, 21, MAROON)

    # The screw base: silver threads with grey grooves, then the dark contact.
    c.fill_rect(13, 38, 28, 48, SILVER)
    for y in range(40, 48, 3):
        c.line(13, y, 27, y - 1, GREY)
    c.fill_rect(13, 38, 14, 48, WHITE)
    c.frame_rect(13, 38, 28, 48, BLACK)
    c.fill_rect(16, 48, 25, 51, GREY)
    c.frame_rect(16, 48, 25, 51, BLACK)
    c.fill_rect(18, 51, 23, 53, BLACK)
    return c


# --------------------------------------------------------------------------------------------
# Bitmap 103: the splash picture (520 x 317)

BAYER_4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def splash():
    width, height = 520, 317
    c = Canvas(width, height, NAVY)
    # Night-blue background that brightens towards the bottom through an ordered dither.
    for y in range(height):
        t = y / height
        for x in range(width):
            threshold = (BAYER_4[y % 4][x % 4] + 0.5) / 16
            if t < 0.55:
                c.pixels[y][x] = BLUE if (t / 0.55) * 0.45 > threshold else NAVY
            else:
                c.pixels[y][x] = TEAL if ((t - 0.55) / 0.45) > threshold + 0.2 else (
                    BLUE if threshold < 0.45 else NAVY)
    # A classic raised frame.
    c.frame_rect(0, 0, width, height, WHITE)
    c.frame_rect(1, 1, width - 1, height - 1, SILVER)
    c.fill_rect(width - 1, 0, width, height, BLACK)
    c.fill_rect(0, height - 1, width, height, BLACK)
    c.fill_rect(width - 2, 1, width - 1, height - 1, GREY)
    c.fill_rect(1, height - 2, width - 1, height - 1, GREY)

    # The application icon, enlarged, on a soft shadow.
    icon = app_icon(48)
    shadow = Canvas(48, 48)
    for y in range(48):
        for x in range(48):
            if icon.pixels[y][x] != CLEAR:
                shadow.pixels[y][x] = BLACK
    c.blit(shadow, 48 + 8, 64 + 8, 3)
    c.blit(icon, 48, 64, 3)

    # The name and version in the pixel font, with a drop shadow.
    title_left = 236
    draw_text(c, title_left + 6, 92 + 6, "Pixmora", FONT_5x7, BLACK, 6)
    draw_text(c, title_left, 92, "Pixmora", FONT_5x7, YELLOW, 6, bevel=(WHITE, OLIVE))
    version_left = title_left + 2
    draw_text(c, version_left + 2, 162 + 2, "Version 1.0", FONT_5x7, BLACK, 3)
    draw_text(c, version_left, 162, "Version 1.0", FONT_5x7, WHITE, 3)

    # The sixteen colours the editor works in, as a row of swatches.
    swatch, gap = 22, 4
    row_width = 16 * swatch + 15 * gap
    left, top = (width - row_width) // 2, 262
    for i, colour in enumerate([BLACK, GREY, SILVER, WHITE, MAROON, RED, OLIVE, YELLOW,
                                GREEN, LIME, TEAL, AQUA, NAVY, BLUE, PURPLE, FUCHSIA]):
        x = left + i * (swatch + gap)
        c.fill_rect(x + 2, top + 2, x + swatch + 2, top + swatch + 2, BLACK)
        c.fill_rect(x, top, x + swatch, top + swatch, colour)
        c.frame_rect(x, top, x + swatch, top + swatch, WHITE if colour == BLACK else BLACK)
    return c


# --------------------------------------------------------------------------------------------
# Writers

def png_bytes(canvas):
    """An 8-bit indexed PNG whose palette is the 16 colours (and a transparent 17th entry
    when the picture uses it)."""
    transparent = any(CLEAR in row for row in canvas.pixels)
    palette = PALETTE + ([(0, 0, 0)] if transparent else [])

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\x00" + bytes(row) for row in canvas.pixels)
    out = b"\x89PNG\r\n\x1a\n"
    out += chunk(b"IHDR", struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 3, 0, 0, 0))
    out += chunk(b"PLTE", b"".join(bytes(rgb) for rgb in palette))
    if transparent:
        out += chunk(b"tRNS", b"\xff" * 16 + b"\x00")
    out += chunk(b"IDAT", zlib.compress(raw, 9))
    out += chunk(b"IEND", b"")
    return out


def ico_image(canvas):
    """One 4-bit icon image: header, 16-colour table, colour rows and mask rows, bottom-up."""
    side = canvas.width
    header = struct.pack("<IiiHHIIiiII", 40, side, 2 * side, 1, 4, 0, 0, 0, 0, 0, 0)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    colour_rows = b""
    mask_rows = b""
    mask_stride = (side + 31) // 32 * 4
    for y in reversed(range(side)):
        row = [BLACK if p == CLEAR else p for p in canvas.pixels[y]]
        packed = bytes((row[x] << 4) | row[x + 1] for x in range(0, side, 2))
        colour_rows += packed + b"\x00" * (-len(packed) % 4)
        bits = bytearray(mask_stride)
        for x, p in enumerate(canvas.pixels[y]):
            if p == CLEAR:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask_rows += bytes(bits)
    return header + table + colour_rows + mask_rows


def ico_bytes(canvases):
    directory = struct.pack("<HHH", 0, 1, len(canvases))
    images = [ico_image(c) for c in canvases]
    offset = 6 + 16 * len(canvases)
    for c, image in zip(canvases, images):
        directory += struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 16, 0, 1, 4,
                                 len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


def strip(buttons):
    first = buttons[0]
    out = Canvas(first.width * len(buttons), first.height)
    for i, button in enumerate(buttons):
        assert (button.width, button.height) == (first.width, first.height)
        out.blit(button, i * first.width, 0)
    return out


def enlarged(canvas, scale, transparent=SILVER):
    """A preview for eyes: enlarged, with transparent pixels shown as the toolbar face."""
    out = Canvas(canvas.width * scale, canvas.height * scale, transparent)
    out.blit(canvas, 0, 0, scale)
    return out


def build():
    """Every picture, by output file name."""
    pictures = {
        "tools.png": strip([draw() for draw in TOOLS]),
        "brushsizes.png": strip([draw() for draw in BRUSH_SIZES]),
        "commands.png": strip([draw() for draw in COMMANDS]),
        "swap.png": swap_bitmap(),
        "splash.png": splash(),
        "tipbulb.png": tip_bulb(),
    }
    for side in (16, 32, 48, 256):
        pictures[f"pixmora{side}.png"] = app_icon(side)
    return pictures


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    default_out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "artwork")
    parser.add_argument("--out", default=default_out, help="output directory")
    parser.add_argument("--preview", help="also write 8x enlarged previews to this directory")
    args = parser.parse_args()

    pictures = build()
    os.makedirs(args.out, exist_ok=True)
    for name, canvas in pictures.items():
        with open(os.path.join(args.out, name), "wb") as f:
            f.write(png_bytes(canvas))
    icons = [pictures[f"pixmora{side}.png"] for side in (16, 32, 48)]
    with open(os.path.join(args.out, "pixmora.ico"), "wb") as f:
        f.write(ico_bytes(icons))

    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        for name, canvas in pictures.items():
            scale = 2 if canvas.width > 200 else 8
            with open(os.path.join(args.preview, name), "wb") as f:
                f.write(png_bytes(enlarged(canvas, scale)))


if __name__ == "__main__":
    main()
