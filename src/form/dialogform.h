// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QComboBox;
class QDialog;
class QLabel;
class QRadioButton;

// The calculator's fixed arrangement of widgets, written by hand rather than
// generated so that the selectors are filled from the scales in src/rules and
// not from a copy of the names kept in a form file. The fields only point at
// the widgets; the dialog that setupUi() populates owns them.
class Ui_Dialog
{
public:
    QComboBox *comboBox = nullptr;
    QComboBox *comboBox_2 = nullptr;
    QComboBox *comboBox_3 = nullptr;
    QLabel *label = nullptr;
    QLabel *label_2 = nullptr;
    QLabel *label_3 = nullptr;
    QLabel *label_4 = nullptr;
    QRadioButton *radioButton = nullptr;
    QRadioButton *radioButton_2 = nullptr;
    QRadioButton *radioButton_3 = nullptr;

    // Builds the ten widgets on Dialog, applies the texts and, last of all,
    // connects Dialog's on_<object name>_<signal> slots by name.
    void setupUi(QDialog *Dialog);

    // Applies every visible text once; only setupUi() calls it.
    void retranslateUi(QDialog *Dialog);
};
