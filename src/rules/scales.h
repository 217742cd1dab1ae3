// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

// The two lists in which the calculator holds its three quantities. A
// selector's current index is a position in one of them; the names are only
// shown, never read back, so every rule works on indices alone.
namespace rules {

constexpr int stepCount = 12;

using Scale = std::array<const char *, stepCount>;

// Index = semitones of the key's tonic above C. Black keys are spelled as
// flats with a lowercase ASCII "b", as players of numbered notation write them.
constexpr Scale keyScale = {
    "C", "bD", "D", "bE", "E", "F", "bG", "G", "bA", "A", "bB", "B",
};

// Index = semitones of the degree above degree "5" of the score key. Starting
// at "5" makes the index equal to the interval from score key up to
// instrument key, because an instrument is named by the key in which its tube
// tone is "5".
constexpr Scale degreeScale = {
    "5", "b6", "6", "b7", "7", "1", "b2", "2", "b3", "3", "4", "b5",
};

} // namespace rules
