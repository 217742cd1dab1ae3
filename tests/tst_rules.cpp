// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circle.h"
#include "scales.h"

#include <QtTest>

#include <algorithm>
#include <cstring>

using namespace rules;

namespace {

int indexIn(const Scale &scale, const char *name)
{
    const auto *const it = std::find_if(scale.begin(), scale.end(),
                                        [name](const char *entry) { return std::strcmp(entry, name) == 0; });
    return it == scale.end() ? -1 : int(it - scale.begin());
}

} // namespace

// The scales and the circle arithmetic, checked against plain modular
// arithmetic and against triples a xiao player would recognise.
class TestRules : public QObject
{
    Q_OBJECT

private slots:
    void scales_data();
    void scales();
    void wrappedArithmeticMatchesModulo();
    void relation_data();
    void relation();
};

void TestRules::scales_data()
{
    QTest::addColumn<const Scale *>("scale");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("key scale") << &keyScale << QStringList{"C",  "bD", "D",  "bE", "E",  "F",
                                                           "bG", "G",  "bA", "A",  "bB", "B"};
    QTest::newRow("degree scale") << &degreeScale << QStringList{"5",  "b6", "6",  "b7", "7", "1",
                                                                 "b2", "2",  "b3", "3",  "4", "b5"};
}

void TestRules::scales()
{
    QFETCH(const Scale *, scale);
    QFETCH(QStringList, expected);

    QStringList actual;
    for (const char *name : *scale)
        actual.append(QString::fromUtf8(name));
    QCOMPARE(actual, expected);
}

void TestRules::wrappedArithmeticMatchesModulo()
{
    for (int x = 0; x < stepCount; ++x) {
        for (int y = 0; y < stepCount; ++y) {
            const QByteArray where = QByteArray::number(x) + ", " + QByteArray::number(y);
            QVERIFY2(wrappedSum(x, y) == (x + y) % 12, where);
            QVERIFY2(wrappedDifference(x, y) == (x - y + 12) % 12, where);
        }
    }
}

void TestRules::relation_data()
{
    QTest::addColumn<QByteArray>("scoreKey");
    QTest::addColumn<QByteArray>("degree");
    QTest::addColumn<QByteArray>("instrumentKey");

    const char *const rows[][3] = {
        {"G", "5", "G"},  {"C", "2", "G"},   {"F", "6", "G"}, {"D", "1", "G"},
        {"bB", "3", "G"}, {"A", "4", "G"},   {"C", "1", "F"}, {"bE", "1", "bA"},
        {"E", "2", "B"},  {"B", "b5", "bB"}, {"F", "2", "C"},
    };
    for (const auto &row : rows)
        QTest::addRow("1=%s, tube tone %s, %s xiao", row[0], row[1], row[2])
            << QByteArray(row[0]) << QByteArray(row[1]) << QByteArray(row[2]);
    // Degree "5" means the instrument is in the score's own key.
    for (const char *key : keyScale)
        QTest::addRow("1=%s, tube tone 5", key) << QByteArray(key) << QByteArray("5") << QByteArray(key);
}

// Each quantity is recovered from the other two, whichever way round.
void TestRules::relation()
{
    QFETCH(QByteArray, scoreKey);
    QFETCH(QByteArray, degree);
    QFETCH(QByteArray, instrumentKey);

    const int s = indexIn(keyScale, scoreKey);
    const int d = indexIn(degreeScale, degree);
    const int i = indexIn(keyScale, instrumentKey);
    QVERIFY(s >= 0 && d >= 0 && i >= 0);

    QCOMPARE(wrappedSum(s, d), i);
    QCOMPARE(wrappedDifference(i, s), d);
    QCOMPARE(wrappedDifference(i, d), s);
}

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
