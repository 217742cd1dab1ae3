// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogform.h"

#include "scales.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QMetaObject>
#include <QRadioButton>
#include <QStringList>

namespace {

constexpr int dialogWidth = 437;
constexpr int dialogHeight = 341;
constexpr int selectorPointSize = 18;
constexpr int labelPointSize = 16;
// "Microsoft YaHei". Where it is missing the toolkit picks a substitute.
const char *const fontFamily = "微软雅黑";
const char *const translationContext = "Dialog";

QString tr(const char *sourceText)
{
    return QCoreApplication::translate(translationContext, sourceText);
}

// Only the attributes set here override the widget's inherited font; the
// style is left to the dialog's font unless a caller sets it.
QFont boldFont(int pointSize)
{
    QFont font;
    font.setFamily(QString::fromUtf8(fontFamily));
    font.setPointSize(pointSize);
    font.setWeight(QFont::Bold);
    return font;
}

// One insertItems() call on an empty selector, so entry i is scale name i and
// the selector stands at entry 0 afterwards.
void fillSelector(QComboBox *selector, const rules::Scale &scale)
{
    selector->clear();
    QStringList names;
    names.reserve(int(scale.size()));
    for (const char *name : scale)
        names.append(tr(name));
    selector->insertItems(0, names);
}

} // namespace

void Ui_Dialog::setupUi(QDialog *Dialog)
{
    if (Dialog->objectName().isEmpty())
        Dialog->setObjectName(QString::fromUtf8("Dialog"));
    Dialog->resize(dialogWidth, dialogHeight);

    comboBox = new QComboBox(Dialog);
    comboBox->setObjectName(QString::fromUtf8("comboBox"));
    comboBox->setGeometry(230, 70, 61, 31);
    QFont scoreKeyFont = boldFont(selectorPointSize);
    scoreKeyFont.setStyle(QFont::StyleNormal);
    comboBox->setFont(scoreKeyFont);

    comboBox_2 = new QComboBox(Dialog);
    comboBox_2->setObjectName(QString::fromUtf8("comboBox_2"));
    comboBox_2->setGeometry(150, 170, 61, 31);
    const QFont selectorFont = boldFont(selectorPointSize);
    comboBox_2->setFont(selectorFont);

    comboBox_3 = new QComboBox(Dialog);
    comboBox_3->setObjectName(QString::fromUtf8("comboBox_3"));
    comboBox_3->setGeometry(300, 170, 61, 31);
    comboBox_3->setFont(selectorFont);

    label = new QLabel(Dialog, Qt::WindowFlags());
    label->setObjectName(QString::fromUtf8("label"));
    label->setGeometry(140, 70, 71, 31);
    const QFont labelFont = boldFont(labelPointSize);
    label->setFont(labelFont);

    label_2 = new QLabel(Dialog, Qt::WindowFlags());
    label_2->setObjectName(QString::fromUtf8("label_2"));
    label_2->setGeometry(10, 170, 131, 31);
    label_2->setFont(labelFont);

    label_3 = new QLabel(Dialog, Qt::WindowFlags());
    label_3->setObjectName(QString::fromUtf8("label_3"));
    label_3->setGeometry(360, 170, 51, 31);
    label_3->setFont(labelFont);

    label_4 = new QLabel(Dialog, Qt::WindowFlags());
    label_4->setObjectName(QString::fromUtf8("label_4"));
    label_4->setGeometry(100, 310, 241, 16);

    radioButton = new QRadioButton(Dialog);
    radioButton->setObjectName(QString::fromUtf8("radioButton"));
    radioButton->setGeometry(250, 110, 21, 16);

    radioButton_2 = new QRadioButton(Dialog);
    radioButton_2->setObjectName(QString::fromUtf8("radioButton_2"));
    radioButton_2->setGeometry(220, 180, 21, 16);

    radioButton_3 = new QRadioButton(Dialog);
    radioButton_3->setObjectName(QString::fromUtf8("radioButton_3"));
    radioButton_3->setGeometry(280, 180, 21, 16);

    // Filling a selector moves its index from -1 to 0 and signals it; the
    // slots are connected only afterwards, so no recalculation sees a
    // half-filled form.
    retranslateUi(Dialog);
    QMetaObject::connectSlotsByName(Dialog);
}

void Ui_Dialog::retranslateUi(QDialog *Dialog)
{
    Dialog->setWindowTitle(tr("Tonmira"));
    fillSelector(comboBox, rules::keyScale);
    fillSelector(comboBox_2, rules::degreeScale);
    fillSelector(comboBox_3, rules::keyScale);
    label->setText(tr("曲谱1="));
    label_2->setText(tr("筒音(全按)作"));
    label_3->setText(tr("调箫"));
    label_4->setText(tr("箫友论坛 forum.tonmira.example"));
    radioButton->setText(QString());
    radioButton_2->setText(QString());
    radioButton_3->setText(QString());
}
