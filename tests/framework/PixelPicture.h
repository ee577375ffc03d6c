// SPDX-License-Identifier: GPL-3.0-or-later
// Surfaces as text, one character per pixel, so tests can state exact pixels readably.
#pragma once

#include "framework/Bitmap.h"

#include <map>
#include <string>

inline std::string Picture(const QImage& image, const std::map<COLORREF, char>& legend)
{
    std::string text;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const COLORREF c
                = RGB(qRed(image.pixel(x, y)), qGreen(image.pixel(x, y)), qBlue(image.pixel(x, y)));
            const auto it = legend.find(c);
            text += it == legend.end() ? '?' : it->second;
        }
        text += '\n';
    }
    return text;
}

inline std::string Picture(const CBitmap& bmp, const std::map<COLORREF, char>& legend)
{
    return Picture(bmp.Image(), legend);
}

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// White '.', black '#', red 'r', green 'g'.
inline const std::map<COLORREF, char> kLegend { { kWhite, '.' }, { kBlack, '#' }, { kRed, 'r' },
    { kGreen, 'g' } };

inline CBitmap WhiteBitmap(int width, int height)
{
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(width, height);
    bmp.Fill(kWhite);
    return bmp;
}
