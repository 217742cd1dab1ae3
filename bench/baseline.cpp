// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/dialogform.h"

#include <QApplication>
#include <QDialog>

// The floor Tonmira's start-up is measured against: the same form, with its
// ten widgets, texts and fonts, on a plain QDialog, so nothing is connected
// and no recalculation runs. Everything it costs is the toolkit's.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    Ui_Dialog ui;
    ui.setupUi(&dialog);
    dialog.show();
    return QApplication::exec();
}
