// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Dialog dialog;
    dialog.show();
    return QApplication::exec();
}
