// SPDX-License-Identifier: GPL-3.0-or-later
// The colour limit of a written image and the means to meet it. The writer keeps black at
// colour-table entry 0 and adds the other colours in scan order, 256 at most; every cell whose
// colour no longer fits is written as black. These functions say when that would happen and
// reduce an image beforehand so that it does not.
#pragma once

#include "document/IconTypes.h"

struct ColourFit {
    int colours = 0; // distinct colours the table would need, black included
    int lostPixels = 0; // painted cells the writer would turn black
};

// What writing grid (of side x side cells) would do to its colours.
ColourFit CheckColourFit(const IconGrid& grid, int side);

struct ColourReduction {
    int coloursBefore = 0; // black included
    int coloursAfter = 0;
    double meanError = 0.0; // mean RGB distance per painted cell, 0..441
};

// Reduces the painted cells of grid to colours that fit the table (black and at most 255
// others) by median cut, each cell taking the nearest palette colour or, with dither, the
// nearest after Floyd-Steinberg error diffusion over the painted cells. Deterministic: the
// same grid always gives the same result. Transparent cells stay transparent, and no cell is
// given the transparent value. A grid that already fits is left alone.
ColourReduction ReduceColours(IconGrid& grid, int side, bool dither);
