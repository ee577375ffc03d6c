# SPDX-License-Identifier: GPL-3.0-or-later
# Times Pillow's 8-bit ICO writer on the icon pixmora-bench's BM_EncodeAndWriteIcon/255 writes:
# the same three images, cell for cell, held as palette images with a transparent index.
# Prints "pillow ico8 MICROSECONDS" per repetition, in process CPU time as the C++ figures are.
import io
import time
import timeit

from PIL import Image

COLOURS = 255
TRANSPARENT = 255


def image(side):
    cells = []
    for y in range(side):
        for x in range(side):
            cells.append(TRANSPARENT if (x + y) % 9 == 0 else (x * side + y) % COLOURS)
    picture = Image.new("P", (side, side))
    picture.putdata(cells)
    palette = []
    for k in range(COLOURS):
        palette += [k & 0xFF, k >> 8, 200]
    picture.putpalette(palette + [1, 2, 3])
    picture.info["transparency"] = TRANSPARENT
    return picture


def main():
    small, middle, large = image(16), image(32), image(48)

    def write():
        out = io.BytesIO()
        large.save(out, format="ICO", sizes=[(16, 16), (32, 32), (48, 48)],
                   append_images=[small, middle], bitmap_format="bmp")
        return out

    header = write().getvalue()[:22]
    if header[12] != 8:  # bit count of the first entry: the writer must produce 8-bit images
        raise SystemExit("Pillow wrote %d-bit images, not 8-bit" % header[12])
    calls = 200
    for seconds in timeit.repeat(write, number=calls, repeat=5, timer=time.process_time):
        print("pillow ico8 %.2f" % (seconds / calls * 1e6))


main()
