// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/dialogform.h"

#include <QApplication>
#include <QDialog>

// Leaks the window's form object on purpose, as a dialog would that forgot to
// delete it. The leak checks suppress leaks that belong to the toolkit alone;
// this program proves they still report one of ours, made on the same path as
// the real program's: a shown window on a real display, with the toolkit's
// D-Bus and accessibility threads running.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    auto *form = new Ui_Dialog; // never deleted: the leak the checks must find
    form->setupUi(&dialog);
    dialog.show();
    // Handles what showing the window set going, then ends as the program does.
    QCoreApplication::processEvents();
    return 0;
}
