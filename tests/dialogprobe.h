// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialog.h"
#include "referencemodel.h"

#include <QComboBox>
#include <QRadioButton>
#include <QtTest>

#include <array>

// The dialog's widgets by role, found by object name as the form names them.
struct DialogProbe
{
    explicit DialogProbe(Dialog &dialog)
    {
        const char *const selectorObjectNames[] = {"comboBox", "comboBox_2", "comboBox_3"};
        const char *const buttonObjectNames[] = {"radioButton", "radioButton_2", "radioButton_3"};
        for (int i = 0; i < 3; ++i) {
            selectors[i] = dialog.findChild<QComboBox *>(selectorObjectNames[i]);
            buttons[i] = dialog.findChild<QRadioButton *>(buttonObjectNames[i]);
        }
    }

    model::Triple indices() const
    {
        return {selectors[0]->currentIndex(), selectors[1]->currentIndex(), selectors[2]->currentIndex()};
    }

    QStringList texts() const
    {
        return {selectors[0]->currentText(), selectors[1]->currentText(), selectors[2]->currentText()};
    }

    // The lock as the user sees it: the one disabled selector, or none.
    int lock() const
    {
        int locked = model::NoLock;
        for (int i = 0; i < 3; ++i) {
            if (!selectors[i]->isEnabled()) {
                if (locked != model::NoLock)
                    return -2; // more than one: never valid
                locked = i;
            }
        }
        return locked;
    }

    int checkedButton() const
    {
        for (int i = 0; i < 3; ++i) {
            if (buttons[i]->isChecked())
                return i;
        }
        return model::NoLock;
    }

    // Puts the widgets into a state without running any slot.
    void force(const model::Triple &state, int locked)
    {
        for (int i = 0; i < 3; ++i) {
            const QSignalBlocker blocker(selectors[i]);
            selectors[i]->setCurrentIndex(state[i]);
            selectors[i]->setEnabled(i != locked);
        }
    }

    void pick(int selector, const QString &name)
    {
        const int index = selectors[selector]->findText(name);
        QVERIFY2(index >= 0, qPrintable(name));
        selectors[selector]->setCurrentIndex(index);
    }

    std::array<QComboBox *, 3> selectors{};
    std::array<QRadioButton *, 3> buttons{};
};
