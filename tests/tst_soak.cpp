// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogprobe.h"
#include "referencemodel.h"

#include <QtTest>

#include <random>
#include <vector>

using namespace model;

namespace {

// TONMIRA_SOAK_SEED repeats a failing run; TONMIRA_SOAK_ACTIONS shortens the
// soak for slow runs (under valgrind).
constexpr long defaultActions = 1000000;

quint64 seedFromEnvironment()
{
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("TONMIRA_SOAK_SEED").toULongLong(&ok);
    return ok ? seed : std::random_device{}();
}

long actionsFromEnvironment()
{
    bool ok = false;
    const long actions = qEnvironmentVariable("TONMIRA_SOAK_ACTIONS").toLong(&ok);
    return ok && actions > 0 ? actions : defaultActions;
}

// QVERIFY2 builds its message even when the check holds; at a million steps
// that string work would be most of the soak's time, so the message is built
// only for a check that fails.
#define SOAK_VERIFY(condition, message)                                                                      \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            QVERIFY2(condition, (where() + ": " + (message)).constData());                                   \
    } while (false)

// One index-changed emission as a connected receiver sees it.
struct Emission
{
    int selector;
    int index;
};

} // namespace

// Random user actions, checked one by one against the reference model.
class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void randomActions();
};

void TestSoak::randomActions()
{
    const quint64 seed = seedFromEnvironment();
    const long actions = actionsFromEnvironment();
    qInfo("seed %llu, %ld actions (TONMIRA_SOAK_SEED=%llu repeats this run)", seed, actions, seed);

    Dialog dialog;
    DialogProbe w(dialog);

    // Connected after the dialog's own slots, so each selector's receiver here
    // runs once the dialog's slot for that emission has returned.
    std::vector<Emission> emissions;
    for (int i = 0; i < 3; ++i) {
        connect(w.selectors[i], &QComboBox::currentIndexChanged, this, [&emissions, i](int index) {
            emissions.push_back({i, index});
        });
    }

    std::mt19937_64 random(seed);
    std::uniform_int_distribution<int> action(0, 3); // 0-2: a selector, 3: a lock button
    std::uniform_int_distribution<int> anyIndex(0, 11);
    std::uniform_int_distribution<int> anySelector(0, 2);

    Triple state = w.indices();
    int lock = NoLock;
    long changes = 0;
    long presses = 0;
    for (long step = 0; step < actions; ++step) {
        emissions.clear();
        const Triple before = state;
        const int lockBefore = lock;
        const auto where = [&] {
            return "seed " + QByteArray::number(seed) + ", step " + QByteArray::number(step) + " from "
                + describe(before) + " lock " + QByteArray::number(lockBefore);
        };

        if (action(random) == 3) {
            const int pressed = anySelector(random); // includes the one already locked
            w.buttons[pressed]->click();
            lock = pressed;
            ++presses;
            SOAK_VERIFY(emissions.empty(), "a lock press changed an index");
        } else {
            int changed = anySelector(random);
            if (changed == lock) // disabled: the user cannot reach it
                changed = (changed + 1 + anySelector(random) % 2) % 3;
            const int newIndex = anyIndex(random); // includes the index shown
            w.selectors[changed]->setCurrentIndex(newIndex);
            const Triple expected = expectedAfter(state, lock, changed, newIndex);
            ++changes;

            // The follower's emission completes inside the user's, so the
            // receivers see the follower first. Nothing else may signal.
            if (newIndex == state[changed]) {
                SOAK_VERIFY(emissions.empty(), "an unchanged pick signalled");
            } else {
                const int follows = follower(lock, changed);
                SOAK_VERIFY(emissions.size() == 2, QByteArray::number(int(emissions.size())) + " emissions");
                SOAK_VERIFY(emissions[0].selector == follows && emissions[1].selector == changed,
                            "wrong selectors signalled");
            }
            for (const Emission &e : emissions)
                SOAK_VERIFY(e.index >= 0 && e.index <= 11,
                            "a selector signalled " + QByteArray::number(e.index));
            state = expected;
        }

        SOAK_VERIFY(w.indices() == state, "got " + describe(w.indices()) + ", expected " + describe(state));
        SOAK_VERIFY(holdsRelation(w.indices()), "relation broken");
        SOAK_VERIFY(w.lock() == lock, "lock is " + QByteArray::number(w.lock()));
    }
    qInfo("%ld selector changes, %ld lock presses", changes, presses);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
