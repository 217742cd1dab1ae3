// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog.h"
#include "dialogprobe.h"
#include "recordingtranslator.h"
#include "referencemodel.h"

#include <QComboBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <array>

namespace {

using namespace model;

void click(QRadioButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

} // namespace

// The dialog as a user works it: the opening state, the recalculation under
// every lock, and how the lock buttons move the lock.
class TestDialog : public QObject
{
    Q_OBJECT

private slots:
    void slotsConnectWithoutWarnings();
    void openingState();
    void workedExamples_data();
    void workedExamples();
    void everyChangeUnderEveryLock_data();
    void everyChangeUnderEveryLock();
    void keyboardStepsASelector_data();
    void keyboardStepsASelector();
    void lockButtons_data();
    void lockButtons();
    void languageChangeKeepsState();
};

void TestDialog::slotsConnectWithoutWarnings()
{
    // A slot whose name matches no child's signal is reported here.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("connectSlotsByName")));
    Dialog dialog;
    DialogProbe w(dialog);
    for (QComboBox *selector : w.selectors)
        QVERIFY(selector);
    for (QRadioButton *button : w.buttons)
        QVERIFY(button);
}

void TestDialog::openingState()
{
    Dialog dialog;
    DialogProbe w(dialog);

    // Already set before the window is first shown.
    QVERIFY(!dialog.isVisible());
    QCOMPARE(w.texts(), (QStringList{"G", "5", "G"}));
    QCOMPARE(w.lock(), int(NoLock));
    QCOMPARE(w.checkedButton(), int(NoLock));
    QVERIFY(!dialog.parent());
    QCOMPARE(dialog.metaObject()->className(), "Dialog");
    QCOMPARE(dialog.metaObject()->superClass(), &QDialog::staticMetaObject);
    QCOMPARE(dialog.qt_metacast("Dialog"), &dialog);
    QCOMPARE(dialog.qt_metacast("QDialog"), &dialog);
    QCOMPARE(dialog.qt_metacast(nullptr), nullptr);
    QCOMPARE(dialog.qt_metacast("Dialo"), nullptr);
}

void TestDialog::workedExamples_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("lockBefore");
    QTest::addColumn<int>("selector"); // -1: the action is a lock press
    QTest::addColumn<QString>("pick");
    QTest::addColumn<int>("press");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("lockAfter");

    const QStringList g5g{"G", "5", "G"};
    const QStringList f6g{"F", "6", "G"};
    const QStringList c2g{"C", "2", "G"};
    const QStringList c1f{"C", "1", "F"};
    QTest::newRow("G 5 G, no lock: pick F as score key")
        << g5g << int(NoLock) << 0 << "F" << -1 << f6g << int(NoLock);
    QTest::newRow("F 6 G: press instrument key lock")
        << f6g << int(NoLock) << -1 << "" << 2 << f6g << int(InstrumentKey);
    QTest::newRow("F 6 G, instrument key locked: pick 2 as degree")
        << f6g << int(InstrumentKey) << 1 << "2" << -1 << c2g << int(InstrumentKey);
    QTest::newRow("C 2 G: press score key lock")
        << c2g << int(InstrumentKey) << -1 << "" << 0 << c2g << int(ScoreKey);
    QTest::newRow("C 2 G, score key locked: pick F as instrument key")
        << c2g << int(ScoreKey) << 2 << "F" << -1 << c1f << int(ScoreKey);
    QTest::newRow("C 1 F: press degree lock") << c1f << int(ScoreKey) << -1 << "" << 1 << c1f << int(Degree);
    QTest::newRow("C 1 F, degree locked: pick B as score key")
        << c1f << int(Degree) << 0 << "B" << -1 << QStringList{"B", "1", "E"} << int(Degree);
    QTest::newRow("G 5 G, instrument key locked: pick A as score key")
        << g5g << int(InstrumentKey) << 0 << "A" << -1 << QStringList{"A", "4", "G"} << int(InstrumentKey);
}

void TestDialog::workedExamples()
{
    QFETCH(QStringList, before);
    QFETCH(int, lockBefore);
    QFETCH(int, selector);
    QFETCH(QString, pick);
    QFETCH(int, press);
    QFETCH(QStringList, after);
    QFETCH(int, lockAfter);

    Dialog dialog;
    DialogProbe w(dialog);
    Triple start{};
    for (int i = 0; i < 3; ++i)
        start[i] = w.selectors[i]->findText(before[i]);
    w.force(start, lockBefore);
    QCOMPARE(w.texts(), before);

    if (selector >= 0)
        w.pick(selector, pick);
    else
        click(w.buttons[press]);

    QCOMPARE(w.texts(), after);
    QCOMPARE(w.lock(), lockAfter);
}

void TestDialog::everyChangeUnderEveryLock_data()
{
    QTest::addColumn<int>("lock");
    QTest::newRow("no lock") << int(NoLock);
    for (int lock = ScoreKey; lock <= InstrumentKey; ++lock)
        QTest::newRow(selectorNames[lock]) << lock;
}

// Every starting triple that satisfies the relation, every selector the user
// can change and every index it can be set to, including the one it shows.
void TestDialog::everyChangeUnderEveryLock()
{
    QFETCH(int, lock);

    Dialog dialog;
    DialogProbe w(dialog);
    std::array<std::unique_ptr<QSignalSpy>, 3> spies;
    for (int i = 0; i < 3; ++i)
        spies[i] = std::make_unique<QSignalSpy>(w.selectors[i], &QComboBox::currentIndexChanged);

    int cases = 0;
    for (int s = 0; s < 12; ++s) {
        for (int d = 0; d < 12; ++d) {
            const Triple start{s, d, (s + d) % 12};
            for (int changed = 0; changed < 3; ++changed) {
                if (changed == lock)
                    continue;
                for (int newIndex = 0; newIndex < 12; ++newIndex) {
                    w.force(start, lock);
                    for (auto &spy : spies)
                        spy->clear();

                    w.selectors[changed]->setCurrentIndex(newIndex);

                    const Triple expected = expectedAfter(start, lock, changed, newIndex);
                    const QByteArray where = "from " + describe(start) + ", selector "
                        + QByteArray::number(changed) + " to " + QByteArray::number(newIndex);
                    QVERIFY2(w.indices() == expected,
                             where + ": got " + describe(w.indices()) + ", expected " + describe(expected));
                    QVERIFY2(w.lock() == lock, where);

                    // The user's selector and the follower each signal once;
                    // the held one not at all. An unchanged pick signals nothing.
                    const bool moved = newIndex != start[changed];
                    for (int i = 0; i < 3; ++i) {
                        const int emissions = moved && (i == changed || i == follower(lock, changed)) ? 1 : 0;
                        QVERIFY2(spies[i]->count() == emissions,
                                 where + ": selector " + QByteArray::number(i) + " signalled "
                                     + QByteArray::number(spies[i]->count()) + " times");
                        if (emissions)
                            QVERIFY2(spies[i]->first().first().toInt() == expected[i], where);
                    }
                    ++cases;
                }
            }
        }
    }
    QCOMPARE(cases, 144 * (lock == NoLock ? 3 : 2) * 12);
}

void TestDialog::keyboardStepsASelector_data()
{
    QTest::addColumn<int>("selector");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("score key, Down") << 0 << int(Qt::Key_Down) << QStringList{"bA", "b5", "G"};
    QTest::newRow("score key, Up") << 0 << int(Qt::Key_Up) << QStringList{"bG", "b6", "G"};
    QTest::newRow("degree, Down") << 1 << int(Qt::Key_Down) << QStringList{"G", "b6", "bA"};
    QTest::newRow("instrument key, Up") << 2 << int(Qt::Key_Up) << QStringList{"bG", "5", "bG"};
    QTest::newRow("instrument key, End") << 2 << int(Qt::Key_End) << QStringList{"B", "5", "B"};
}

// From the opening state, before any lock: the score key keeps the
// instrument, the degree keeps the score key, the instrument keeps the degree.
void TestDialog::keyboardStepsASelector()
{
    QFETCH(int, selector);
    QFETCH(int, key);
    QFETCH(QStringList, after);

    Dialog dialog;
    DialogProbe w(dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(w.selectors[selector], Qt::Key(key));
    QCOMPARE(w.texts(), after);
}

void TestDialog::lockButtons_data()
{
    QTest::addColumn<int>("lockBefore");
    QTest::addColumn<int>("press");
    QTest::addColumn<QString>("how");

    for (const char *how : {"click", "press held", "released outside", "space bar"}) {
        for (int before = NoLock; before <= InstrumentKey; ++before) {
            for (int press = ScoreKey; press <= InstrumentKey; ++press) {
                QTest::addRow("%s locked, %s on %s lock",
                              before == NoLock ? "nothing" : selectorNames[before], how, selectorNames[press])
                    << before << press << QString::fromLatin1(how);
            }
        }
    }
}

// The lock moves the moment the button goes down, from the mouse or the
// space bar; only the check mark waits for the release.
void TestDialog::lockButtons()
{
    QFETCH(int, lockBefore);
    QFETCH(int, press);
    QFETCH(QString, how);

    Dialog dialog;
    DialogProbe w(dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    w.pick(0, "F"); // F, 6, G: away from the opening values
    if (lockBefore != NoLock)
        click(w.buttons[lockBefore]);
    QCOMPARE(w.lock(), lockBefore);
    QCOMPARE(w.checkedButton(), lockBefore);
    const Triple indices = w.indices();

    QRadioButton *button = w.buttons[press];
    QSignalSpy changes0(w.selectors[0], &QComboBox::currentIndexChanged);
    QSignalSpy changes1(w.selectors[1], &QComboBox::currentIndexChanged);
    QSignalSpy changes2(w.selectors[2], &QComboBox::currentIndexChanged);

    const bool keyboard = how == QLatin1String("space bar");
    if (keyboard) {
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        button->setFocus(Qt::TabFocusReason);
        QVERIFY(button->hasFocus());
        QTest::keyPress(button, Qt::Key_Space);
    } else {
        QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
    }

    // Down, not yet released.
    QVERIFY(button->isDown());
    QCOMPARE(w.lock(), press);
    QCOMPARE(w.checkedButton(), lockBefore);

    bool checksButton = true;
    if (keyboard)
        QTest::keyRelease(button, Qt::Key_Space);
    else if (how == QLatin1String("click"))
        QTest::mouseRelease(button, Qt::LeftButton, {}, button->rect().center());
    else if (how == QLatin1String("released outside"))
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-20, -20));
    else
        checksButton = false; // press held: never released

    if (how == QLatin1String("released outside"))
        checksButton = false;

    QCOMPARE(w.lock(), press);
    QCOMPARE(w.checkedButton(), checksButton ? press : lockBefore);
    QCOMPARE(w.indices(), indices);
    QCOMPARE(changes0.count() + changes1.count() + changes2.count(), 0);
}

// Re-applying the texts would refill the selectors and so lose the user's
// values; a language change at run time leaves everything as it is.
void TestDialog::languageChangeKeepsState()
{
    Dialog dialog;
    DialogProbe w(dialog);
    w.pick(0, "F");
    emit w.buttons[2]->pressed();
    QSignalSpy changes0(w.selectors[0], &QComboBox::currentIndexChanged);
    QSignalSpy changes1(w.selectors[1], &QComboBox::currentIndexChanged);
    QSignalSpy changes2(w.selectors[2], &QComboBox::currentIndexChanged);

    RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator); // sends LanguageChange to every widget
    QCoreApplication::sendPostedEvents();
    QEvent languageChange(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&dialog, &languageChange);
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(w.texts(), (QStringList{"F", "6", "G"}));
    QCOMPARE(w.lock(), int(InstrumentKey));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tonmira"));
    QCOMPARE(changes0.count() + changes1.count() + changes2.count(), 0);
}

QTEST_MAIN(TestDialog)
#include "tst_dialog.moc"
