// SPDX-FileCopyrightText: 2026 The Tonmira developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogprobe.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QtTest>

// The window on a high-density X11 screen, as QT_SCALE_FACTOR gives it: the
// toolkit scales the whole window, so its size in device pixels grows by the
// factor while the widgets keep their places in logical pixels (tst_form
// checks those at each scale), and each selector must still have room for
// every entry it can show, in the fonts a Chinese-speaking player gets.
class TestHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowSizeInDevicePixels();
    void everyEntryFitsItsSelector_data();
    void everyEntryFitsItsSelector();

private:
    qreal factor = 1;
};

namespace {

// The size the X server gives the window, read from outside the toolkit.
QSize xWindowSize(WId window)
{
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)});
    if (!xwininfo.waitForFinished() || xwininfo.exitCode() != 0)
        return {};
    const QString info = QString::fromUtf8(xwininfo.readAllStandardOutput());
    static const QRegularExpression width(QStringLiteral("Width: (\\d+)"));
    static const QRegularExpression height(QStringLiteral("Height: (\\d+)"));
    return {width.match(info).captured(1).toInt(), height.match(info).captured(1).toInt()};
}

} // namespace

void TestHiDpi::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs a real X11 display");
    bool ok = false;
    factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    QVERIFY2(ok && factor > 1, "run with QT_SCALE_FACTOR above 1");
}

void TestHiDpi::windowSizeInDevicePixels()
{
    Dialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(dialog.size(), QSize(437, 341));
    QCOMPARE(dialog.devicePixelRatio(), factor);
    QCOMPARE(xWindowSize(dialog.winId()), QSize(qRound(437 * factor), qRound(341 * factor)));
}

void TestHiDpi::everyEntryFitsItsSelector_data()
{
    QTest::addColumn<int>("selector");
    QTest::newRow("score key") << 0;
    QTest::newRow("degree") << 1;
    QTest::newRow("instrument key") << 2;
}

// The room is the edit field that the widget's own style leaves beside the
// arrow, measured with the selector's own font, in logical pixels.
void TestHiDpi::everyEntryFitsItsSelector()
{
    QFETCH(int, selector);
    Dialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QComboBox *const combo = DialogProbe(dialog).selectors[selector];

    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = false;
    option.frame = true;
    const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, combo);
    const QFontMetrics metrics = combo->fontMetrics();
    qInfo("%s at %.2gx: room %dx%d, font %s %dpt, height %d", QTest::currentDataTag(), factor, room.width(),
          room.height(), qPrintable(QFontInfo(combo->font()).family()), combo->font().pointSize(),
          metrics.height());
    for (int i = 0; i < combo->count(); ++i) {
        const QString text = combo->itemText(i);
        const int width = metrics.horizontalAdvance(text);
        qInfo("  %-3s %d", qPrintable(text), width);
        QVERIFY2(
            width <= room.width(),
            qPrintable(QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(width).arg(room.width())));
    }
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
