// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog.h"

#include "circle.h"
#include "form/dialogform.h"

#include <QComboBox>

#include <initializer_list>

using rules::wrappedDifference;
using rules::wrappedSum;

namespace {

// The window opens on a G instrument; with the degree at "5" the score key
// follows to G as well.
constexpr int openingInstrumentKey = 7;

// Holds `locked` by disabling it and frees the other selectors. Only
// selectors that are disabled are touched, so a repeated press changes nothing.
void lockSelector(QComboBox *locked, std::initializer_list<QComboBox *> others)
{
    locked->setEnabled(false);
    for (QComboBox *other : others) {
        if (!other->isEnabled())
            other->setEnabled(true);
    }
}

} // namespace

Dialog::Dialog(QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
    , ui(std::make_unique<Ui_Dialog>())
{
    ui->setupUi(this);
    ui->comboBox_3->setCurrentIndex(openingInstrumentKey);
}

Dialog::~Dialog() = default;

// Each recalculation slot looks at the selector after its sender in the cycle
// score key -> degree -> instrument key -> score key. If that one is held, the
// selector before the sender follows; otherwise that next one follows. Setting
// the follower re-enters the follower's slot, which sets a selector to the
// index it already has, and since an unchanged index emits nothing the chain
// stops after two slots.

void Dialog::on_comboBox_currentIndexChanged(int index)
{
    if (ui->comboBox_2->isEnabled())
        ui->comboBox_2->setCurrentIndex(wrappedDifference(ui->comboBox_3->currentIndex(), index));
    else
        ui->comboBox_3->setCurrentIndex(
            wrappedSum(ui->comboBox->currentIndex(), ui->comboBox_2->currentIndex()));
}

void Dialog::on_comboBox_2_currentIndexChanged(int index)
{
    if (ui->comboBox_3->isEnabled())
        ui->comboBox_3->setCurrentIndex(
            wrappedSum(ui->comboBox->currentIndex(), ui->comboBox_2->currentIndex()));
    else
        ui->comboBox->setCurrentIndex(wrappedDifference(ui->comboBox_3->currentIndex(), index));
}

void Dialog::on_comboBox_3_currentIndexChanged(int /*index*/)
{
    if (ui->comboBox->isEnabled())
        ui->comboBox->setCurrentIndex(
            wrappedDifference(ui->comboBox_3->currentIndex(), ui->comboBox_2->currentIndex()));
    else
        ui->comboBox_2->setCurrentIndex(
            wrappedDifference(ui->comboBox_3->currentIndex(), ui->comboBox->currentIndex()));
}

// The locks follow the press, not the click: the lock moves as soon as the
// button goes down, even if the press is then released outside the button.

void Dialog::on_radioButton_pressed()
{
    lockSelector(ui->comboBox, {ui->comboBox_2, ui->comboBox_3});
}

void Dialog::on_radioButton_2_pressed()
{
    lockSelector(ui->comboBox_2, {ui->comboBox, ui->comboBox_3});
}

void Dialog::on_radioButton_3_pressed()
{
    lockSelector(ui->comboBox_3, {ui->comboBox, ui->comboBox_2});
}
