// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/dialogform.h"
#include "recordingtranslator.h"
#include "scales.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

namespace {

const char *const requestedFamily = "微软雅黑";

// The dialog's children, in the order they are created.
QStringList childNames()
{
    return {
        "comboBox", "comboBox_2", "comboBox_3",  "label",         "label_2",
        "label_3",  "label_4",    "radioButton", "radioButton_2", "radioButton_3",
    };
}

QStringList names(const rules::Scale &scale)
{
    QStringList list;
    for (const char *name : scale)
        list.append(QString::fromUtf8(name));
    return list;
}

QStringList entries(const QComboBox *selector)
{
    QStringList list;
    for (int i = 0; i < selector->count(); ++i)
        list.append(selector->itemText(i));
    return list;
}

QString textOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return {};
}

} // namespace

// Stands in for the calculator window: it has the slot names the form wires
// by name and records every call instead of recalculating. The form connects
// by name on purpose, so clazy's warning against such slots does not apply.
// clazy:excludeall=connect-by-name
class RecordingDialog : public QDialog
{
    Q_OBJECT

public:
    QStringList calls;

private slots:
    void on_comboBox_currentIndexChanged(int index) { calls << "comboBox " + QString::number(index); }
    void on_comboBox_2_currentIndexChanged(int index) { calls << "comboBox_2 " + QString::number(index); }
    void on_comboBox_3_currentIndexChanged(int index) { calls << "comboBox_3 " + QString::number(index); }
    void on_radioButton_pressed() { calls << "radioButton"; }
    void on_radioButton_2_pressed() { calls << "radioButton_2"; }
    void on_radioButton_3_pressed() { calls << "radioButton_3"; }
};

// The form built on a plain QDialog: which widgets it makes, where, in which
// fonts and with which texts, and what state it leaves before any slot runs.
class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void children();
    void widgets_data();
    void widgets();
    void fonts_data();
    void fonts();
    void selectorEntries();
    void stateAfterSetup();
    void slotsConnectedAfterFilling();
    void objectName_data();
    void objectName();
    void everyTextIsLookedUpOnce();
    void languageChangeKeepsTexts();
    void laterWidgetLiesOnTop_data();
    void laterWidgetLiesOnTop();
    void shownSizeAndFixedGeometry();
};

void TestForm::children()
{
    QDialog dialog;
    Ui_Dialog ui;
    ui.setupUi(&dialog);

    QStringList actual;
    for (QObject *child : dialog.children())
        actual.append(child->objectName());
    QCOMPARE(actual, childNames());

    QWidget *const fields[] = {ui.comboBox,      ui.comboBox_2,   ui.comboBox_3, ui.label,
                               ui.label_2,       ui.label_3,      ui.label_4,    ui.radioButton,
                               ui.radioButton_2, ui.radioButton_3};
    const QStringList names = childNames();
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(dialog.findChild<QWidget *>(names[i], Qt::FindDirectChildrenOnly), fields[i]);
        QCOMPARE(fields[i]->parent(), &dialog);
    }
}

void TestForm::widgets_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    QTest::newRow("comboBox") << "QComboBox" << QRect(230, 70, 61, 31) << QString();
    QTest::newRow("comboBox_2") << "QComboBox" << QRect(150, 170, 61, 31) << QString();
    QTest::newRow("comboBox_3") << "QComboBox" << QRect(300, 170, 61, 31) << QString();
    QTest::newRow("label") << "QLabel" << QRect(140, 70, 71, 31) << QStringLiteral("曲谱1=");
    QTest::newRow("label_2") << "QLabel" << QRect(10, 170, 131, 31) << QStringLiteral("筒音(全按)作");
    QTest::newRow("label_3") << "QLabel" << QRect(360, 170, 51, 31) << QStringLiteral("调箫");
    QTest::newRow("label_4") << "QLabel" << QRect(100, 310, 241, 16)
                             << QStringLiteral("箫友论坛 forum.tonmira.example");
    QTest::newRow("radioButton") << "QRadioButton" << QRect(250, 110, 21, 16) << QString();
    QTest::newRow("radioButton_2") << "QRadioButton" << QRect(220, 180, 21, 16) << QString();
    QTest::newRow("radioButton_3") << "QRadioButton" << QRect(280, 180, 21, 16) << QString();
}

void TestForm::widgets()
{
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    QDialog dialog;
    Ui_Dialog ui;
    ui.setupUi(&dialog);

    auto *const widget = dialog.findChild<QWidget *>(QTest::currentDataTag());
    QVERIFY(widget);
    QCOMPARE(widget->metaObject()->className(), kind);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(textOf(widget), text);
    QVERIFY(!widget->isWindow());
}

void TestForm::fonts_data()
{
    QTest::addColumn<bool>("ownFont");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("italic");

    // The dialog is given an italic font: a widget whose font does not set
    // the style inherits it, the score-key selector's font sets it to normal.
    QTest::newRow("comboBox") << true << 18 << false;
    QTest::newRow("comboBox_2") << true << 18 << true;
    QTest::newRow("comboBox_3") << true << 18 << true;
    QTest::newRow("label") << true << 16 << true;
    QTest::newRow("label_2") << true << 16 << true;
    QTest::newRow("label_3") << true << 16 << true;
    QTest::newRow("label_4") << false << 0 << true;
    QTest::newRow("radioButton") << false << 0 << true;
    QTest::newRow("radioButton_2") << false << 0 << true;
    QTest::newRow("radioButton_3") << false << 0 << true;
}

void TestForm::fonts()
{
    QFETCH(bool, ownFont);
    QFETCH(int, pointSize);
    QFETCH(bool, italic);

    QDialog dialog;
    QFont dialogFont = dialog.font();
    dialogFont.setItalic(true);
    dialog.setFont(dialogFont);
    Ui_Dialog ui;
    ui.setupUi(&dialog);

    auto *const widget = dialog.findChild<QWidget *>(QTest::currentDataTag());
    QVERIFY(widget);
    const QFont font = widget->font();
    QCOMPARE(font.italic(), italic);
    if (ownFont) {
        QCOMPARE(font.family(), QString::fromUtf8(requestedFamily));
        QCOMPARE(font.pointSize(), pointSize);
        QCOMPARE(font.weight(), QFont::Bold);
    } else {
        QCOMPARE(font, dialog.font());
    }
}

void TestForm::selectorEntries()
{
    QDialog dialog;
    Ui_Dialog ui;
    ui.setupUi(&dialog);

    QCOMPARE(entries(ui.comboBox), names(rules::keyScale));
    QCOMPARE(entries(ui.comboBox_2), names(rules::degreeScale));
    QCOMPARE(entries(ui.comboBox_3), names(rules::keyScale));
    for (const QComboBox *selector : {ui.comboBox, ui.comboBox_2, ui.comboBox_3})
        QVERIFY(!selector->isEditable());
}

void TestForm::stateAfterSetup()
{
    QDialog dialog;
    Ui_Dialog ui;
    ui.setupUi(&dialog);

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tonmira"));
    QCOMPARE(dialog.size(), QSize(437, 341));
    QCOMPARE(ui.comboBox->currentText(), QStringLiteral("C"));
    QCOMPARE(ui.comboBox_2->currentText(), QStringLiteral("5"));
    QCOMPARE(ui.comboBox_3->currentText(), QStringLiteral("C"));
    for (const QWidget *widget : dialog.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));
        QVERIFY2(!widget->isHidden(), qPrintable(widget->objectName()));
    }
    for (const QRadioButton *button : {ui.radioButton, ui.radioButton_2, ui.radioButton_3}) {
        QVERIFY(!button->isChecked());
        QVERIFY(button->autoExclusive());
    }
}

void TestForm::slotsConnectedAfterFilling()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("connectSlotsByName")));
    RecordingDialog dialog;
    Ui_Dialog ui;
    ui.setupUi(&dialog);

    // Filling signalled on every selector, but before anything was connected.
    QCOMPARE(dialog.calls, QStringList());

    ui.comboBox->setCurrentIndex(3);
    ui.comboBox_2->setCurrentIndex(4);
    ui.comboBox_3->setCurrentIndex(5);
    emit ui.radioButton->pressed();
    emit ui.radioButton_2->pressed();
    emit ui.radioButton_3->pressed();
    emit ui.radioButton->clicked();
    emit ui.radioButton->toggled(true);
    QCOMPARE(dialog.calls,
             (QStringList{"comboBox 3", "comboBox_2 4", "comboBox_3 5", "radioButton", "radioButton_2",
                          "radioButton_3"}));
}

void TestForm::objectName_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("unnamed") << QString() << QStringLiteral("Dialog");
    QTest::newRow("named") << QStringLiteral("calculator") << QStringLiteral("calculator");
}

void TestForm::objectName()
{
    QFETCH(QString, before);
    QFETCH(QString, after);

    QDialog dialog;
    dialog.setObjectName(before);
    Ui_Dialog ui;
    ui.setupUi(&dialog);
    QCOMPARE(dialog.objectName(), after);
}

void TestForm::everyTextIsLookedUpOnce()
{
    RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    translator.lookups.clear(); // the toolkit's own lookup on installation
    QDialog dialog;
    Ui_Dialog ui;
    ui.setupUi(&dialog);
    QCoreApplication::removeTranslator(&translator);

    QStringList expected{"Dialog/Tonmira"};
    for (const QStringList &scale :
         {names(rules::keyScale), names(rules::degreeScale), names(rules::keyScale)}) {
        for (const QString &name : scale)
            expected.append("Dialog/" + name);
    }
    expected << QStringLiteral("Dialog/曲谱1=") << QStringLiteral("Dialog/筒音(全按)作")
             << QStringLiteral("Dialog/调箫") << QStringLiteral("Dialog/箫友论坛 forum.tonmira.example");
    QCOMPARE(translator.lookups, expected);

    // What the lookup returns is what is shown; the lock captions stay empty.
    QCOMPARE(dialog.windowTitle(), QStringLiteral("<Tonmira>"));
    QCOMPARE(ui.comboBox_2->itemText(11), QStringLiteral("<b5>"));
    QCOMPARE(ui.label_3->text(), QStringLiteral("<调箫>"));
    QCOMPARE(ui.radioButton->text(), QString());
}

void TestForm::languageChangeKeepsTexts()
{
    QDialog dialog;
    Ui_Dialog ui;
    ui.setupUi(&dialog);

    RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator); // sends LanguageChange
    QCoreApplication::sendPostedEvents();
    QEvent languageChange(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&dialog, &languageChange);
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tonmira"));
    QCOMPARE(ui.label->text(), QStringLiteral("曲谱1="));
    QCOMPARE(ui.comboBox->itemText(0), QStringLiteral("C"));
    QCOMPARE(ui.comboBox_2->count(), 12);
}

void TestForm::laterWidgetLiesOnTop_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("topmost");

    // The instrument-key selector's first and last columns are shared.
    QTest::newRow("x 300, lock button over selector") << QPoint(300, 185) << "radioButton_3";
    QTest::newRow("x 360, label over selector") << QPoint(360, 185) << "label_3";
    QTest::newRow("x 301, selector alone") << QPoint(301, 185) << "comboBox_3";
}

void TestForm::laterWidgetLiesOnTop()
{
    QFETCH(QPoint, point);
    QFETCH(QString, topmost);

    QDialog dialog;
    Ui_Dialog ui;
    ui.setupUi(&dialog);
    QWidget *hit = dialog.childAt(point);
    QVERIFY(hit);
    while (hit->parentWidget() != &dialog)
        hit = hit->parentWidget();
    QCOMPARE(hit->objectName(), topmost);
}

void TestForm::shownSizeAndFixedGeometry()
{
    QDialog dialog;
    Ui_Dialog ui;
    ui.setupUi(&dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.size(), QSize(437, 341));

    const QStringList names = childNames();
    QList<QRect> before;
    for (const QString &name : names)
        before.append(dialog.findChild<QWidget *>(name)->geometry());
    for (const QSize size : {QSize(800, 600), QSize(200, 120)}) {
        dialog.resize(size);
        QCoreApplication::processEvents();
        QCOMPARE(dialog.size(), size);
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(dialog.findChild<QWidget *>(names[i])->geometry(), before[i]);
    }
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
