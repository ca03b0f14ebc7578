// SPDX-License-Identifier: GPL-3.0-or-later
// The maintenance screen: new couple registration, scale steps, the time stamp and the BMI meter.
#include "screens/entry/EntryController.h"
#include "screens/maintenance/MaintenanceController.h"
#include "screens/maintenance/MaintenanceMeter.h"
#include "screens/maintenance/MaintenanceRegistration.h"
#include "screens/shell/Session.h"
#include "support/MainWindowHarness.h"
#include "support/ScreenHarness.h"

#include "ui/LayoutScale.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {
struct MaintenanceHarness : MainWindowHarness {
    QLineEdit *box(const char *name) { return find<QLineEdit>(QString::fromLatin1(name)); }
    void fill(const QStringList &texts)
    {
        const char *names[] = {"txtPriData1", "txtSincyou1", "txtMokuTai1", "txtNowTai", "txtNowShi", "txtNowJyou"};
        for (int i = 0; i < 6; ++i)
            box(names[i])->setText(texts.value(i));
    }
    QString label(const QString &name) { return find<QLabel>(name)->text(); }
    int stage() { return window->findChild<MaintenanceRegistration *>()->stage(); }
};

const QStringList kOldCouple1 = {line(QStringLiteral("2020/01/01"), 80.0), line(QStringLiteral("2020/01/02"), 79.0)};
const QStringList kOldCouple2 = {line(QStringLiteral("2020/01/01"), 60.0)};
} // namespace

class MaintenanceScreenTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void registrationInTwoStages()
    {
        MaintenanceHarness h;
        // The old couple's nicknames differ from the new couple's.
        h.writeCouple(kOldCouple1, kOldCouple2, QStringLiteral("まえ"), QStringLiteral("もと"));
        h.setHelpTour(0);
        h.clock.day = QDate(2026, 12, 7);
        h.start();
        h.click(QStringLiteral("cmdSettei"));
        QVERIFY(!h.visible(QStringLiteral("fraNew")));
        h.box("txtNowJyou")->setText(QStringLiteral("はじめの一歩"));
        h.click(QStringLiteral("cmdNew1"));
        QVERIFY(h.visible(QStringLiteral("fraNew")));
        QCOMPARE(h.dialogs.shown.last().title, QStringLiteral("データを登録しましょう"));
        QVERIFY(h.dialogs.shown.last().text.startsWith(QStringLiteral("新規にポムリナをスタートさせます。\r\n\r\n一人目の名前")));
        QCOMPARE(h.stage(), 1);

        // empty fields, one at a time, in the order of the form
        h.fill({QString(), QString(), QString(), QString(), QString(), QStringLiteral("はじめの一歩")});
        h.dialogs.clear();
        h.click(QStringLiteral("cmdStHozon"));
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.dialogs.shown[0], (Message{MessageIcon::Information, MessageButtons::Ok, QStringLiteral("ニックネーム未入力"),
                                              QStringLiteral("ニックネームが入力されていません")}));
        h.box("txtPriData1")->setText(QStringLiteral("ぽむ"));
        h.box("txtSincyou1")->setText(QStringLiteral("abc"));
        h.click(QStringLiteral("cmdStHozon"));
        QCOMPARE(h.dialogs.shown.last().title, QStringLiteral("目標体重未入力"));
        h.fill({QStringLiteral("ぽむ"), QStringLiteral("abc"), QStringLiteral("65"), QStringLiteral("72"), QStringLiteral("26"),
                QStringLiteral("はじめの一歩")});
        h.click(QStringLiteral("cmdStHozon"));
        QCOMPARE(h.dialogs.shown.last().text, QStringLiteral("身長は数値で入力してください"));

        // Cancel at the confirmation writes nothing and keeps the stage
        h.fill({QStringLiteral("ぽむ"), QStringLiteral("172"), QStringLiteral("65"), QStringLiteral("72.4kg"), QStringLiteral("abc"),
                QStringLiteral("はじめの一歩")});
        h.dialogs.answers = {MessageAnswer::Cancel};
        h.click(QStringLiteral("cmdStHozon"));
        // The question says where the couple's records are kept: in the day's first copy.
        const auto keptIn = [&](const QString &folder) {
            return QStringLiteral("入力した内容でデータを作ります。よろしいですか？\n今までの記録はバックアップのフォルダ「%1」に残してあります。")
                .arg(QDir::toNativeSeparators(h.dir.filePath(QStringLiteral("backup/") + folder)));
        };
        QCOMPARE(h.dialogs.shown.last(),
                 (Message{MessageIcon::Exclamation, MessageButtons::OkCancel, QStringLiteral("クリア確認"), keptIn(QStringLiteral("2026-12-07"))}));
        QCOMPARE(TestFiles::lines(h.path(), FileName::data1).size(), 2);
        QCOMPARE(h.stage(), 1);

        // A measurement saved since the day's first start is kept too, beside that start's copy.
        const QStringList savedSince = kOldCouple1 + QStringList{line(QStringLiteral("2026/12/07"), 78.0)};
        h.write(FileName::data1, savedSince.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));

        // stage 1
        h.click(QStringLiteral("cmdStHozon"));
        QCOMPARE(h.dialogs.shown.at(h.dialogs.shown.size() - 2).text, keptIn(QStringLiteral("2026-12-07-2")));
        QCOMPARE(TestFiles::lines(h.path(), QStringLiteral("backup/2026-12-07/") + FileName::data1), kOldCouple1);
        QCOMPARE(TestFiles::lines(h.path(), QStringLiteral("backup/2026-12-07-2/") + FileName::data1), savedSince);
        QCOMPARE(TestFiles::lines(h.path(), FileName::data1),
                 QStringList{QStringLiteral("\"2026/12/07\",\"はじめの一歩\",72.4,\"\",0,\"\"")});
        QCOMPARE(TestFiles::text(h.path(), FileName::profile1),
                 QStringLiteral("\"氏名\",\"ぽむ\"\r\n\"身長\",172\r\n\"目標体重\",65\r\n"));
        QCOMPARE(h.stage(), 2);
        // From here on the window shows the partner as registered.
        QCOMPARE(h.window->windowTitle(), QStringLiteral(" ぽむ のデータ"));
        QCOMPARE(h.find<QPushButton>(QStringLiteral("cmdUser1"))->text(), QStringLiteral("ぽむ"));
        QVERIFY(h.box("txtPriData1")->text().isEmpty());
        QCOMPARE(h.box("txtNowJyou")->text(), QStringLiteral("はじめの一歩"));
        QCOMPARE(h.dialogs.shown.last().text, QStringLiteral("二人目の名前（ニックネーム）を入力してください。\r\n\r\n"
                                                             "同様に身長と目標体重、体重、体脂肪を入力してください。\r\n\r\n"
                                                             "入力し準備ができたら新規登録ボタンを押してください。"));
        QCOMPARE(TestFiles::lines(h.path(), FileName::data2).size(), 1);
        QCOMPARE(TestFiles::lines(h.path(), FileName::data2)[0], kOldCouple2[0]);
        QCOMPARE(h.ended, 0);

        // stage 2 ends the program
        h.fill({QStringLiteral("りな"), QStringLiteral("158.5"), QStringLiteral("52"), QStringLiteral("58"), QStringLiteral("30.5"),
                QStringLiteral("スタート")});
        h.click(QStringLiteral("cmdStHozon"));
        QCOMPARE(TestFiles::lines(h.path(), FileName::data2),
                 QStringList{QStringLiteral("\"2026/12/07\",\"スタート\",58,\"\",30.5,\"\"")});
        QCOMPARE(TestFiles::text(h.path(), FileName::profile2),
                 QStringLiteral("\"氏名\",\"りな\"\r\n\"身長\",158.5\r\n\"目標体重\",52\r\n"));
        QCOMPARE(h.dialogs.shown.last().title, QStringLiteral("新規登録終了"));
        QCOMPARE(h.dialogs.shown.last().text, QStringLiteral("登録が終了しました。\r\n\r\n"
                                                             "一旦プログラムを終了させていただきます。次の起動からポムリナのスタートです！"));
        QCOMPARE(h.ended, 1);
    }

    // A registration that ended after partner 1 goes on at partner 2 on the next start, says so,
    // and leaves partner 1 as registered.
    void unfinishedRegistrationContinuesWithPartner2()
    {
        MaintenanceHarness h;
        h.clock.day = QDate(2026, 12, 7);
        h.write(FileName::profile1, QStringLiteral("\"氏名\",\"ぽむ\"\r\n\"身長\",172\r\n\"目標体重\",65\r\n"));
        h.write(FileName::data1, QStringLiteral("\"2026/12/07\",\"はじめの一歩\",72.4,\"\",26.1,\"\"\r\n"));
        const QByteArray partner1 = TestFiles::bytes(h.path(), FileName::data1);
        h.start();
        QVERIFY(h.visible(QStringLiteral("fraNew")));
        QCOMPARE(h.stage(), 2);
        QCOMPARE(h.dialogs.shown.last().title, QStringLiteral("データを登録しましょう"));
        QVERIFY(h.dialogs.shown.last().text.startsWith(QStringLiteral("前回は一人目（ぽむ）を登録したところで終わっています。")));
        h.fill({QStringLiteral("りな"), QStringLiteral("158"), QStringLiteral("52"), QStringLiteral("58"), QStringLiteral("30"),
                QStringLiteral("はじめの一歩")});
        h.click(QStringLiteral("cmdStHozon"));
        QCOMPARE(TestFiles::lines(h.path(), FileName::data2), QStringList{QStringLiteral("\"2026/12/07\",\"はじめの一歩\",58,\"\",30,\"\"")});
        QCOMPARE(TestFiles::bytes(h.path(), FileName::data1), partner1);
        QCOMPARE(h.dialogs.shown.last().title, QStringLiteral("新規登録終了"));
        QCOMPARE(h.ended, 1);
    }

    void cancelClosesThePanelAndKeepsTheStage()
    {
        MaintenanceHarness h;
        h.writeCouple(kOldCouple1, kOldCouple2);
        h.setHelpTour(0);
        h.start();
        h.click(QStringLiteral("cmdSettei"));
        h.click(QStringLiteral("cmdNew1"));
        h.fill({QStringLiteral("ぽむ"), QStringLiteral("172"), QStringLiteral("65"), QStringLiteral("72"), QStringLiteral("26"),
                QStringLiteral("はじめの一歩")});
        h.click(QStringLiteral("cmdStHozon"));
        QCOMPARE(h.stage(), 2);
        h.click(QStringLiteral("cmdYame"));
        QVERIFY(!h.visible(QStringLiteral("fraNew")));
        QCOMPARE(h.stage(), 2);
        // a new start begins at stage 1 again
        h.click(QStringLiteral("cmdNew1"));
        QCOMPARE(h.stage(), 1);
    }

    void registeringPartner1SelectsPartner1()
    {
        // Partner 2 is selected when partner 1 is registered anew: what follows is partner 1's,
        // the button as well as where a save goes.
        MaintenanceHarness h;
        h.writeCouple(kOldCouple1, kOldCouple2);
        h.setHelpTour(0);
        h.clock.day = QDate(2026, 12, 7);
        h.start();
        h.click(QStringLiteral("cmdUser2"));
        h.click(QStringLiteral("cmdSettei"));
        h.click(QStringLiteral("cmdNew1"));
        h.fill({QStringLiteral("ぽむぽむ"), QStringLiteral("172"), QStringLiteral("65"), QStringLiteral("72"), QStringLiteral("26"),
                QStringLiteral("はじめの一歩")});
        h.click(QStringLiteral("cmdStHozon"));
        QCOMPARE(h.stage(), 2);
        QCOMPARE(h.window->session().partner(), 1);
        QVERIFY(h.find(QStringLiteral("cmdUser1"))->styleSheet().contains(QStringLiteral("#fffff0")));
        QVERIFY(h.find(QStringLiteral("cmdUser2"))->styleSheet().isEmpty());
        QCOMPARE(h.window->windowTitle(), QStringLiteral(" ぽむぽむ のデータ"));
        QCOMPARE(h.box("txtPriData")->text(), QStringLiteral("ぽむぽむ"));

        h.click(QStringLiteral("cmdYame"));
        h.click(QStringLiteral("cmdMain"));
        h.click(QStringLiteral("cmdJikan"));
        h.click(QStringLiteral("cmdTaiHozon"));
        QCOMPARE(TestFiles::lines(h.path(), FileName::data1).size(), 2);
        QCOMPARE(TestFiles::lines(h.path(), FileName::data2), kOldCouple2);
    }

    void registrationEnterOrder()
    {
        MaintenanceHarness h;
        h.writeCouple(kOldCouple1, kOldCouple2);
        h.setHelpTour(0);
        h.start();
        h.window->activateWindow();
        h.click(QStringLiteral("cmdSettei"));
        h.click(QStringLiteral("cmdNew1"));
        const char *order[] = {"txtPriData1", "txtSincyou1", "txtMokuTai1", "txtNowTai", "txtNowShi", "txtNowJyou"};
        for (int i = 0; i < 6; ++i) {
            QLineEdit *box = h.box(order[i]);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
            const QString next = i + 1 < 6 ? QString::fromLatin1(order[i + 1]) : QStringLiteral("cmdStHozon");
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
    }

    void maintenanceScreenShowsTheProfile()
    {
        MaintenanceHarness h;
        h.writeCouple(kOldCouple1, kOldCouple2, QStringLiteral("ぽむ"), QStringLiteral("りな"), 172, 158);
        h.setHelpTour(0);
        h.start();
        h.click(QStringLiteral("cmdSettei"));
        QCOMPARE(h.box("txtPriData")->text(), QStringLiteral("ぽむ"));
        QCOMPARE(h.box("txtSincyou")->text(), QStringLiteral("172"));
        QCOMPARE(h.box("txtMokuTai")->text(), QStringLiteral("60"));
        // switching partners here shows the other profile
        h.click(QStringLiteral("cmdUser2"));
        QCOMPARE(h.box("txtPriData")->text(), QStringLiteral("りな"));
        QCOMPARE(h.box("txtSincyou")->text(), QStringLiteral("158"));
    }

    void scaleSteps()
    {
        MaintenanceHarness h;
        h.writeCouple(kOldCouple1, kOldCouple2);
        h.setHelpTour(0);
        h.write(FileName::scaleSteps, QStringLiteral("0.2\r\n0.3\r\n"));
        h.start();
        QVERIFY(h.find<QRadioButton>(QStringLiteral("optKizami(2)"))->isChecked());
        for (int i = 1; i <= 3; ++i)
            QVERIFY(!h.find<QRadioButton>(QStringLiteral("optKizami1(%1)").arg(i))->isChecked());
        QCOMPARE(h.box("txtKizami2")->text(), QStringLiteral("0.3"));
        QCOMPARE(h.window->session().weightStep(), QStringLiteral("0.2"));
        QCOMPARE(h.window->session().fatStep(), QStringLiteral("0.3"));

        h.click(QStringLiteral("cmdSettei"));
        h.click(QStringLiteral("optKizami(3)"));
        QCOMPARE(TestFiles::text(h.path(), FileName::scaleSteps), QStringLiteral("0.5\r\n0.3\r\n"));
        h.click(QStringLiteral("optKizami1(1)"));
        QCOMPARE(TestFiles::text(h.path(), FileName::scaleSteps), QStringLiteral("0.5\r\n0.1\r\n"));

        // typed steps are taken as typed, on Enter
        h.box("txtKizami")->setText(QStringLiteral("0.25"));
        QTest::keyClick(h.box("txtKizami"), Qt::Key_Return);
        QCOMPARE(TestFiles::text(h.path(), FileName::scaleSteps), QStringLiteral("0.25\r\n0.1\r\n"));
        QVERIFY(!h.find<QRadioButton>(QStringLiteral("optKizami(3)"))->isChecked());
        h.box("txtKizami2")->setText(QStringLiteral("0.05"));
        QTest::keyClick(h.box("txtKizami2"), Qt::Key_Return);
        QCOMPARE(TestFiles::text(h.path(), FileName::scaleSteps), QStringLiteral("0.25\r\n0.05\r\n"));
        QCOMPARE(h.window->session().fatStep(), QStringLiteral("0.05"));
        // a step that cannot be stored is refused, the file keeps its lines
        h.box("txtKizami")->setText(QStringLiteral("0.\"1"));
        QTest::keyClick(h.box("txtKizami"), Qt::Key_Return);
        QCOMPARE(h.dialogs.shown.last().icon, MessageIcon::Exclamation);
        QCOMPARE(TestFiles::text(h.path(), FileName::scaleSteps), QStringLiteral("0.25\r\n0.05\r\n"));
    }

    // Whatever screen shows while the partner is switched, 編集 then shows the new partner's
    // weight, height, BMI, standard weight, obesity and judgement together.
    void meterFollowsThePartnerFromEveryScreen_data()
    {
        QTest::addColumn<QString>("screen");
        for (const char *screen : {"cmdAvgtai", "cmdMain", "cmdTaijyu", "cmdCale", "cmdMemo", "cmdSettei"})
            QTest::newRow(screen) << QString::fromLatin1(screen);
    }
    void meterFollowsThePartnerFromEveryScreen()
    {
        QFETCH(QString, screen);
        MaintenanceHarness h;
        // partner 1: 170 cm, 70 kg (BMI 24.2, obesity 10.1 %); partner 2: 158 cm, 55 kg
        h.writeCouple({line(QStringLiteral("2026/12/01"), 70.0)}, {line(QStringLiteral("2026/12/01"), 55.0)}, QStringLiteral("ぽむ"),
                      QStringLiteral("りな"), 170, 158);
        h.setHelpTour(0);
        h.start();
        h.click(screen);
        h.click(QStringLiteral("cmdUser2"));
        h.click(QStringLiteral("cmdSettei"));
        QStringList shown;
        for (const char *name : {"Label9(28)", "Label9(30)", "Label9(25)", "lblTai", "lblHyojun(0)", "lblHyojun(1)", "lblHiman", "lblHyouka"})
            shown << h.label(QString::fromLatin1(name));
        // 55 ÷ 1.58² = 22.03; the standard weight 1.58² × 22 = 54.92; (55 − 54.9) ÷ 54.9 = 0.2 %
        QCOMPARE(shown, (QStringList{QStringLiteral("55"), QStringLiteral("1.58"), QStringLiteral("22.0"), QStringLiteral("55"),
                                     QStringLiteral("54.9"), QStringLiteral("54.9"), QStringLiteral("0.2"), QStringLiteral("スタンダード")}));
        QCOMPARE(h.find<QScrollBar>(QStringLiteral("HScroll1"))->value(), 220);
    }

    // Every number of the scale stands where the pointer points for its BMI and over the zone
    // edges it names, whole and at the window's font size, at every layout scale.
    void scaleNumbersStandOverTheirBmi_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("designed size") << 1.0;
        QTest::newRow("1280x720") << LayoutScaleFor(QSize(1280, 720), LeastWindowSize(96));
        QTest::newRow("smallest") << kSmallestLayoutScale;
    }
    void scaleNumbersStandOverTheirBmi()
    {
        QFETCH(double, scale);
        applyLayoutScale(scale);
        auto h = std::make_unique<ScreenHarness<MaintenanceController>>();
        auto place = [&](const QString &name) { return QRect(h->find(name)->mapTo(h->host.get(), QPoint(0, 0)), h->find(name)->size()); };
        auto pointedAt = [&](float bmi) { // the pointer's tip is the middle of its picture
            h->controller->meter().showBmiOnMeter(bmi);
            return place(QStringLiteral("Image2")).x() + place(QStringLiteral("Image2")).width() / 2.0;
        };
        auto middleOf = [&](int bmi) {
            const QRect number = place(QStringLiteral("Label19(%1)").arg(bmi));
            return number.x() + number.width() / 2.0;
        };
        for (int bmi = 17; bmi <= 32; ++bmi) {
            const auto *number = h->find<QLabel>(QStringLiteral("Label19(%1)").arg(bmi));
            QVERIFY(number && number->text() == QString::number(bmi));
            QVERIFY2(qAbs(middleOf(bmi) - pointedAt(float(bmi))) <= 1.0, qPrintable(number->text()));
            QVERIFY(number->fontMetrics().boundingRect(number->text()).width() <= number->width());
            QVERIFY(number->fontMetrics().height() <= number->height());
            QVERIFY(number->font().pointSizeF() >= 0.9 * QApplication::font().pointSizeF());
        }
        // BMI 23.2 points nearer 23 than 24.
        QVERIFY(pointedAt(23.2f) - middleOf(23) < middleOf(24) - pointedAt(23.2f));
        // The zones begin at BMI 17, 20, 24 and 30 (their twips are off a straight scale by up to
        // 30 twips) and end at 32.
        for (const auto &[bmi, zone] : {std::pair{17, 0}, std::pair{20, 1}, std::pair{24, 2}, std::pair{30, 4}})
            QVERIFY(qAbs(middleOf(bmi) - place(QStringLiteral("Shape2(%1)").arg(zone)).x()) <= 2.5);
        QVERIFY(qAbs(middleOf(32) - place(QStringLiteral("Shape2(4)")).right() - 1) <= 2.5);
        h.reset();
        applyLayoutScale(1.0);
    }

    void autoTimeSetting()
    {
        MaintenanceHarness h;
        h.writeCouple(kOldCouple1, kOldCouple2);
        h.setHelpTour(0);
        h.write(FileName::autoTime, QStringLiteral(" 1 \r\n"));
        h.start();
        QVERIFY(h.find<QCheckBox>(QStringLiteral("chkJikan"))->isChecked());
        h.click(QStringLiteral("cmdSettei"));
        h.click(QStringLiteral("chkJikan"));
        QCOMPARE(TestFiles::text(h.path(), FileName::autoTime), QStringLiteral(" 0 \r\n"));
    }

    void meterFollowsTheSlider()
    {
        MaintenanceHarness h;
        // 160 cm; the last weight 61.4 kg: BMI 24.0
        h.writeCouple({line(QStringLiteral("2026/12/01"), 62.0), line(QStringLiteral("2026/12/06"), 61.4)}, kOldCouple2,
                      QStringLiteral("ぽむ"), QStringLiteral("りな"), 160, 158);
        h.setHelpTour(0);
        h.start();
        QCOMPARE(h.find<QScrollBar>(QStringLiteral("HScroll1"))->value(), 240);
        QCOMPARE(h.label(QStringLiteral("Label9(28)")), QStringLiteral("61.4"));
        QCOMPARE(h.label(QStringLiteral("Label9(30)")), QStringLiteral("1.6"));
        QCOMPARE(h.label(QStringLiteral("lblTai")), QStringLiteral("61.4"));
        QCOMPARE(h.label(QStringLiteral("lblHyojun(0)")), QStringLiteral("56.3"));
        QCOMPARE(h.label(QStringLiteral("lblHiman")), QStringLiteral("9.1"));
        QCOMPARE(h.label(QStringLiteral("lblHyouka")), QStringLiteral("スタンダード"));
        QCOMPARE(h.label(QStringLiteral("lblMHyouka")), QStringLiteral("スタンダード"));

        h.click(QStringLiteral("cmdSettei"));
        h.find<QScrollBar>(QStringLiteral("HScroll1"))->setValue(250);
        QCOMPARE(h.label(QStringLiteral("Label9(25)")), QStringLiteral("25.0"));
        QCOMPARE(h.label(QStringLiteral("Label9(28)")), QStringLiteral("64.0"));
        QCOMPARE(h.label(QStringLiteral("lblTai")), QStringLiteral("64.0"));
        QCOMPARE(h.label(QStringLiteral("lblHyojun(0)")), QStringLiteral("56.3"));
        QCOMPARE(h.label(QStringLiteral("lblHyojun(1)")), QStringLiteral("56.3"));
        QCOMPARE(h.label(QStringLiteral("lblHiman")), QStringLiteral("13.7"));
        QCOMPARE(h.label(QStringLiteral("lblHyouka")), QStringLiteral("でぶメゾフォルテ"));
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblHyouka"))->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xC0));
        // the entry screen's gauge keeps the real judgement
        QCOMPARE(h.label(QStringLiteral("lblMHyouka")), QStringLiteral("スタンダード"));
    }

    void veryLowBmiPinsThePointer()
    {
        MaintenanceHarness h;
        // 170 cm, 43.35 kg: BMI 15.0
        h.writeCouple({line(QStringLiteral("2026/12/01"), 43.35)}, kOldCouple2, QStringLiteral("ぽむ"), QStringLiteral("りな"), 170, 158);
        h.setHelpTour(0);
        h.start();
        QCOMPARE(h.find<QScrollBar>(QStringLiteral("HScroll1"))->value(), 170);
        QCOMPARE(h.label(QStringLiteral("lblMHyouka")), QStringLiteral("やせ過ぎ"));
        QCOMPARE(h.label(QStringLiteral("lblHyouka")), QStringLiteral("やせ気味"));
        QCOMPARE(h.window->findChild<EntryController *>()->currentBmi(), 15.0f);
        QCOMPARE(h.window->findChild<MaintenanceMeter *>()->meterBmi(), 17.0f);
        // both pointers at the left end of their scales (BMI 17): 24's place minus 7 steps and
        // half the pointer's width
        QCOMPARE(h.find(QStringLiteral("Image2"))->x(), twipsToPixels(3975 - (7 * 500 + 240)));
        QCOMPARE(h.find(QStringLiteral("Image1"))->x(), twipsToPixels(1305 - (7 * 160 + 240)));
    }

    void noMeasurementsLeaveTheGaugesAlone()
    {
        MaintenanceHarness h;
        h.writeCouple({}, kOldCouple2, QStringLiteral("ぽむ"), QStringLiteral("りな"), 170, 158);
        h.setHelpTour(0);
        h.start();
        QCOMPARE(h.find<QScrollBar>(QStringLiteral("HScroll1"))->value(), 170);
        QVERIFY(h.label(QStringLiteral("lblHyouka")).isEmpty());
        QVERIFY(h.label(QStringLiteral("lblMHyouka")).isEmpty());
        QVERIFY(h.label(QStringLiteral("Label9(28)")).isEmpty());
        // switching to partner 2, who has a measurement, fills them
        h.click(QStringLiteral("cmdSettei"));
        h.click(QStringLiteral("cmdUser2"));
        QVERIFY(!h.label(QStringLiteral("lblHyouka")).isEmpty());
        QCOMPARE(h.label(QStringLiteral("Label9(28)")), QStringLiteral("60"));
    }

    void zeroHeightDoesNotFail()
    {
        MaintenanceHarness h;
        h.writeCouple({line(QStringLiteral("2026/12/01"), 70.0)}, kOldCouple2, QStringLiteral("ぽむ"), QStringLiteral("りな"), 0, 158);
        h.setHelpTour(0);
        h.start();
        h.click(QStringLiteral("cmdMain"));
        QVERIFY(h.label(QStringLiteral("lblMHyouka")).isEmpty());
        h.click(QStringLiteral("cmdSettei"));
        h.find<QScrollBar>(QStringLiteral("HScroll1"))->setValue(260);
        QVERIFY(h.label(QStringLiteral("lblHiman")).isEmpty());
    }
};

QTEST_MAIN(MaintenanceScreenTest)
#include "tst_maintenancescreen.moc"
