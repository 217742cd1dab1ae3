// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog.h"
#include "form/dialogform.h"

#include <QComboBox>
#include <QDialog>
#include <QRadioButton>
#include <QtTest>

// What one user change costs: the whole cascade in the dialog against the
// same index changes made on a form whose selectors are connected to nothing.
class BenchRecalc : public QObject
{
    Q_OBJECT

private slots:
    void cascade();
    void cascadeFloor();
    void lockPress();
};

// With no lock, a change of the score key moves the degree and then sets the
// instrument key to the index it already has: G 5 G <-> F 6 G.
void BenchRecalc::cascade()
{
    Dialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *scoreKey = dialog.findChild<QComboBox *>("comboBox");
    auto *degree = dialog.findChild<QComboBox *>("comboBox_2");
    QCOMPARE(scoreKey->currentIndex(), 7);

    int next = 5;
    QBENCHMARK {
        scoreKey->setCurrentIndex(next);
        next = 12 - next;
    }
    QVERIFY(degree->currentIndex() == 0 || degree->currentIndex() == 2);
}

// The same three set calls the cascade makes, on unconnected selectors.
void BenchRecalc::cascadeFloor()
{
    QDialog dialog;
    Ui_Dialog ui;
    ui.setupUi(&dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    ui.comboBox->setCurrentIndex(7);
    ui.comboBox_3->setCurrentIndex(7);

    int next = 5;
    QBENCHMARK {
        ui.comboBox->setCurrentIndex(next);
        ui.comboBox_2->setCurrentIndex(7 - next);
        ui.comboBox_3->setCurrentIndex(7);
        next = 12 - next;
    }
}

// Alternating between two lock buttons, so that every press moves the lock.
void BenchRecalc::lockPress()
{
    Dialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QRadioButton *buttons[] = {dialog.findChild<QRadioButton *>("radioButton"),
                               dialog.findChild<QRadioButton *>("radioButton_3")};
    auto *scoreKey = dialog.findChild<QComboBox *>("comboBox");

    int next = 0;
    QBENCHMARK {
        emit buttons[next]->pressed();
        next = 1 - next;
    }
    QVERIFY(!scoreKey->isEnabled() || !dialog.findChild<QComboBox *>("comboBox_3")->isEnabled());
}

QTEST_MAIN(BenchRecalc)
#include "bench_recalc.moc"
