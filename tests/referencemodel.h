// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <array>

// What the calculator must do, written down independently of the dialog's
// code: plain modular arithmetic and the table of which selector follows
// which. The tests compare the dialog against it.
namespace model {

enum Selector { NoLock = -1, ScoreKey = 0, Degree = 1, InstrumentKey = 2 };
constexpr const char *selectorNames[] = {"score key", "degree", "instrument key"};

// S, D, I: score key, degree, instrument key, as selector indices.
using Triple = std::array<int, 3>;

// For each lock state (none, then each selector) and each selector the user
// changes, the selector that follows; -1 where the user cannot change it.
constexpr int followerTable[4][3] = {
    {Degree, InstrumentKey, ScoreKey}, // none
    {-1, InstrumentKey, Degree},       // score key locked
    {InstrumentKey, -1, ScoreKey},     // degree locked
    {Degree, ScoreKey, -1},            // instrument key locked
};

inline int follower(int lock, int changed)
{
    return followerTable[lock + 1][changed];
}

inline bool holdsRelation(const Triple &t)
{
    return t[2] == (t[0] + t[1]) % 12;
}

// The user's selector takes its new index and the follower is solved from the
// other two so that I = S + D (mod 12) again.
inline Triple expectedAfter(Triple state, int lock, int changed, int newIndex)
{
    if (state[changed] == newIndex)
        return state;
    state[changed] = newIndex;
    switch (follower(lock, changed)) {
    case ScoreKey:
        state[0] = ((state[2] - state[1]) % 12 + 12) % 12;
        break;
    case Degree:
        state[1] = ((state[2] - state[0]) % 12 + 12) % 12;
        break;
    case InstrumentKey:
        state[2] = (state[0] + state[1]) % 12;
        break;
    }
    return state;
}

inline QByteArray describe(const Triple &t)
{
    return QByteArray::number(t[0]) + "," + QByteArray::number(t[1]) + "," + QByteArray::number(t[2]);
}

} // namespace model
