// The real message and input boxes: wide enough for their titles, and what each button answers.
#include "UiTestMain.h"

#include "ui/Dialogs.h"
#include "ui/JapaneseFont.h"
#include "ui/WindowPlacement.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFontMetrics>
#include <QTimer>

#include <functional>

namespace {
// Runs `look` on the box once it is open; `look` closes it.
void whenOpen(std::function<void(QWidget *)> look)
{
    QTimer::singleShot(0, qApp, [look] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        look(box);
    });
}
} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        chooseJapaneseFont(*qApp);
        QApplication::setApplicationDisplayName(QStringLiteral("ポムリナ"));
    }

    // A short text under a longer title: the box is as wide as the title bar needs.
    void boxIsAsWideAsItsTitle_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("warning") << int(MessageButtons::Ok) << QStringLiteral("行動未入力") << QStringLiteral("未入力");
        QTest::newRow("question") << int(MessageButtons::YesNoCancel) << QStringLiteral("保存の確認") << QStringLiteral("保存？");
        QTest::newRow("with details") << int(MessageButtons::Ok) << QStringLiteral("読み取れない行") << QStringLiteral("次の行");
        QTest::newRow("input box") << -1 << QStringLiteral("状況フリー入力") << QStringLiteral("状況");
    }
    void boxIsAsWideAsItsTitle()
    {
        QFETCH(int, buttons);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QtDialogs dialogs;
        int width = 0;
        int titleWidth = 0;
        int needed = 0;
        whenOpen([&](QWidget *box) {
            width = box->width();
            QFont bold = box->font();
            bold.setBold(true);
            titleWidth = QFontMetrics(bold).horizontalAdvance(title + QStringLiteral(" — ポムリナ"));
            needed = titleBarRoom(title, box);
            box->close();
        });
        if (buttons < 0) {
            dialogs.input(title, text, QString());
        } else {
            const bool details = QTest::currentDataTag() == QByteArray("with details");
            dialogs.show({MessageIcon::Exclamation, MessageButtons(buttons), title, text, details ? QStringLiteral("1行目") : QString()});
        }
        QVERIFY(titleWidth > 0);
        // the title with the program's name, and room for the window's buttons
        QVERIFY2(width >= needed && needed >= titleWidth + 100, qPrintable(QStringLiteral("%1 %2 %3").arg(width).arg(needed).arg(titleWidth)));
    }

    // はい, いいえ and キャンセル answer Yes, No and Cancel; closing the box is キャンセル.
    void yesNoCancelAnswers_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<bool>("details");
        QTest::addColumn<int>("answer");
        for (bool details : {false, true}) {
            const char *kind = details ? " (with details)" : "";
            QTest::addRow("はい%s", kind) << QStringLiteral("はい") << details << int(MessageAnswer::Yes);
            QTest::addRow("いいえ%s", kind) << QStringLiteral("いいえ") << details << int(MessageAnswer::No);
            QTest::addRow("キャンセル%s", kind) << QStringLiteral("キャンセル") << details << int(MessageAnswer::Cancel);
            QTest::addRow("closed%s", kind) << QString() << details << int(MessageAnswer::Cancel);
        }
    }
    void yesNoCancelAnswers()
    {
        QFETCH(QString, press);
        QFETCH(bool, details);
        QFETCH(int, answer);
        QtDialogs dialogs;
        QStringList captions;
        whenOpen([&](QWidget *box) {
            for (QAbstractButton *button : box->findChildren<QAbstractButton *>()) {
                captions << button->text();
                if (button->text() == press)
                    QTimer::singleShot(0, button, &QAbstractButton::click);
            }
            if (press.isEmpty())
                box->close();
        });
        // The same buttons in the box that lists lines below its text.
        const MessageAnswer got = dialogs.show({MessageIcon::Question, MessageButtons::YesNoCancel, QStringLiteral("保存の確認"),
                                                QStringLiteral("保存しますか？"), details ? QStringLiteral("1行目") : QString()});
        QCOMPARE(int(got), answer);
        for (const QString &caption : {QStringLiteral("はい"), QStringLiteral("いいえ"), QStringLiteral("キャンセル")})
            QVERIFY(captions.contains(caption));
    }
};

PMLINA_UI_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
