// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// Answers every lookup in any context with a marked text, and remembers what
// was asked, so a test can see which texts go through translation.
class RecordingTranslator : public QTranslator
{
public:
    mutable QStringList lookups;

    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *sourceText, const char * /*disambiguation*/,
                      int /*n*/) const override
    {
        lookups.append(QString::fromUtf8(context) + '/' + QString::fromUtf8(sourceText));
        return QStringLiteral("<") + QString::fromUtf8(sourceText) + QStringLiteral(">");
    }
};
