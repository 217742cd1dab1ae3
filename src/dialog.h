// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <memory>

class Ui_Dialog;

// The calculator window. It keeps no state of its own: the three quantities
// are the selectors' current indices and the lock is the one disabled
// selector, so the slots below read and write the widgets directly. They are
// wired by object name when the form is built; the names are checked by the
// tests, which is why clazy's warning against such slots is turned off here.
// clazy:excludeall=connect-by-name
class Dialog : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog(QWidget *parent = nullptr);
    ~Dialog() override;

private slots:
    void on_comboBox_currentIndexChanged(int index);
    void on_comboBox_2_currentIndexChanged(int index);
    void on_comboBox_3_currentIndexChanged(int index);
    void on_radioButton_pressed();
    void on_radioButton_2_pressed();
    void on_radioButton_3_pressed();

private:
    std::unique_ptr<Ui_Dialog> ui;
};
