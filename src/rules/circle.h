// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scales.h"

// Arithmetic on the twelve-step circle. Both operands are always indices of a
// filled selector (0 to 11), so one correction step is enough and the result is
// again a valid index; there is deliberately no general remainder here.
namespace rules {

constexpr int wrappedSum(int x, int y)
{
    const int sum = x + y;
    return sum > stepCount - 1 ? sum - stepCount : sum;
}

constexpr int wrappedDifference(int x, int y)
{
    return x < y ? x - y + stepCount : x - y;
}

} // namespace rules
