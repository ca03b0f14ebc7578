// SPDX-License-Identifier: GPL-3.0-or-later
// The real message and input boxes: as wide as their titles, and what each button answers.
#include "UiTestMain.h"

#include "ui/Dialogs.h"
#include "ui/JapaneseFont.h"
#include "ui/WindowPlacement.h"

#include <QAbstractButton>
#include <QTimer>

class TestDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        chooseJapaneseFont(*qApp);
        QApplication::setApplicationDisplayName(QStringLiteral("ポムリナ"));
    }

    // A short text under a longer title leaves room for the title as the title bar shows it
    // ("行動未入力 — ポムリナ") and for the window's buttons. はい, いいえ and キャンセル answer Yes,
    // No and Cancel, also in the box that lists lines below its text; closing it is Cancel.
    void boxFitsItsTitleAndAnswers_data()
    {
        QTest::addColumn<int>("buttons"); // -1: an input box
        QTest::addColumn<QString>("details");
        QTest::addColumn<QString>("press"); // empty: the box is closed
        QTest::addColumn<int>("answer");
        QTest::newRow("warning") << int(MessageButtons::Ok) << QString() << QStringLiteral("OK") << int(MessageAnswer::Ok);
        QTest::newRow("はい") << int(MessageButtons::YesNoCancel) << QString() << QStringLiteral("はい") << int(MessageAnswer::Yes);
        QTest::newRow("いいえ") << int(MessageButtons::YesNoCancel) << QString() << QStringLiteral("いいえ") << int(MessageAnswer::No);
        QTest::newRow("closed") << int(MessageButtons::YesNoCancel) << QString() << QString() << int(MessageAnswer::Cancel);
        QTest::newRow("いいえ, details") << int(MessageButtons::YesNoCancel) << QStringLiteral("1行目") << QStringLiteral("いいえ")
                                         << int(MessageAnswer::No);
        QTest::newRow("closed, details") << int(MessageButtons::YesNoCancel) << QStringLiteral("1行目") << QString()
                                         << int(MessageAnswer::Cancel);
        QTest::newRow("input box") << -1 << QString() << QString() << -1;
    }
    void boxFitsItsTitleAndAnswers()
    {
        QFETCH(int, buttons);
        QFETCH(QString, details);
        QFETCH(QString, press);
        QFETCH(int, answer);
        const QString title = QStringLiteral("行動未入力");
        int width = 0, needed = 0, titleWidth = 0;
        QTimer::singleShot(0, qApp, [&] {
            QWidget *box = QApplication::activeModalWidget();
            width = box->width();
            needed = titleBarRoom(title, box);
            QFont bold = box->font();
            bold.setBold(true);
            titleWidth = QFontMetrics(bold).horizontalAdvance(title + QStringLiteral(" — ポムリナ"));
            for (QAbstractButton *button : box->findChildren<QAbstractButton *>()) {
                if (button->text() == press)
                    QTimer::singleShot(0, button, &QAbstractButton::click);
            }
            if (press.isEmpty())
                box->close();
        });
        QtDialogs dialogs;
        if (buttons < 0)
            QCOMPARE(dialogs.input(title, QStringLiteral("状況"), QString()), std::nullopt);
        else
            QCOMPARE(int(dialogs.show({MessageIcon::Question, MessageButtons(buttons), title, QStringLiteral("未入力"), details})), answer);
        QVERIFY2(width >= needed && needed >= titleWidth + 100, qPrintable(QStringLiteral("%1 %2 %3").arg(width).arg(needed).arg(titleWidth)));
    }
};

PMLINA_UI_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
