// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/BrushStrengths.h"

#include <algorithm>

BrushStrengths brushStrengths = kBrushStrengthsAtStartUp;

namespace {
int HeldWithinChannelRange(long long amount) { return int(std::clamp(amount, -255LL, 255LL)); }
}

int CommandAmount(int strengthIndex) { return HeldWithinChannelRange(11LL * strengthIndex + 5); }

int DensityBrushAmount(int strengthIndex) { return HeldWithinChannelRange(strengthIndex + 1LL); }
