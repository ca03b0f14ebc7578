// The entry screen: choosing a day and a situation, setting the values, saving, and the
// refresh of the day's list, graph, status and both partners' counts.
#include "app/MainWindow.h"

#include "screens/entry/EntryDay.h"
#include "screens/entry/EntryPanel.h"
#include "screens/entry/EntrySave.h"
#include "screens/entry/PartnerCount.h"
#include "screens/history/HistoryPanel.h"
#include "screens/maintenance/MaintenancePanel.h"
#include "store/DataFile.h"
#include "store/NumberText.h"
#include "store/SettingsFiles.h"
#include "store/SituationListFile.h"
#include "ui/Chart.h"
#include "ui/Clock.h"
#include "ui/Colors.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/MonthCalendar.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString kFreeInputPrompt = QStringLiteral("状況リストに無い内容をフリーで入力できます。\n\n"
                                                "任意の言葉で内容を書き込んでください。\n\n"
                                                "体重は通常と同じように ↓↑ボタンで指定してください。\n");
}

void MainWindow::connectEntryScreen()
{
    EntryPanel *p = fraMain;
    connect(p->mtvmain, &MonthCalendar::dateClick, this, &MainWindow::mtvmain_DateClick);
    connect(p->optTai, &QRadioButton::clicked, this, &MainWindow::graphQuantity_Click);
    connect(p->optShi, &QRadioButton::clicked, this, &MainWindow::graphQuantity_Click);
    connect(p->optKon, &QRadioButton::clicked, this, &MainWindow::graphQuantity_Click);
    connect(p->mcrMain, &Chart::clicked, this, &MainWindow::mcrMain_Click);
    connect(p->lstAct, &QListWidget::itemClicked, this, &MainWindow::lstAct_Click);
    connect(p->cmdJikan, &QPushButton::clicked, this, &MainWindow::cmdJikan_Click);
    connect(p->cmdFree, &QPushButton::clicked, this, &MainWindow::cmdFree_Click);
    connect(p->txtTaiInp, &QLineEdit::returnPressed, this, &MainWindow::txtTaiInp_Enter);
    connect(p->txtShiInp, &QLineEdit::returnPressed, this, &MainWindow::txtShiInp_Enter);
    connect(p->cmdUp, &QPushButton::clicked, this, [this] { stepBox(fraMain->txtTaiInp, m_state.weightStep, 1); });
    connect(p->cmdDn, &QPushButton::clicked, this, [this] { stepBox(fraMain->txtTaiInp, m_state.weightStep, -1); });
    connect(p->cmdUp1, &QPushButton::clicked, this, [this] { stepBox(fraMain->txtShiInp, m_state.fatStep, 1); });
    connect(p->cmdDn1, &QPushButton::clicked, this, [this] { stepBox(fraMain->txtShiInp, m_state.fatStep, -1); });
    connect(p->cmdTaiHozon, &QPushButton::clicked, this, &MainWindow::cmdTaiHozon_Click);
}

int MainWindow::currentPartner() const
{
    return m_state.currentDataFile.compare(QStringLiteral("データ2.txt"), Qt::CaseInsensitive) == 0 ? 2 : 1;
}

void MainWindow::RefreshEntryScreen()
{
    const MeasurementFile file = ReadMeasurements(m_folder, m_state.currentDataFile);
    noteMalformedLines(file.fileName, file.malformedReport());
    m_state.entry = ComputeEntryDay(file.records, fraMain->mtvmain->selectedDate(), m_state.profile.height);
    fraMain->showDay(m_state.entry);
    ShowBmiGauge();
    m_state.selectedSituation.clear();
    fraMain->txtTaiInp->clear();
    fraMain->txtShiInp->clear();
    RefreshPartnerCounts();
}

void MainWindow::RefreshPartnerCounts()
{
    const int partner = currentPartner();
    const int own = fraMain->msgDayList->rows() - 1;
    const QString otherFile = partner == 1 ? QStringLiteral("データ2.TXT") : QStringLiteral("データ1.TXT");
    const int otherCount = CountMeasurementsOn(m_folder, otherFile, storedDate(fraMain->mtvmain->selectedDate()));
    const int count1 = partner == 1 ? own : otherCount;
    const int count2 = partner == 1 ? otherCount : own;

    auto show = [](QLabel *label, std::array<QLabel *, 4> &faces, int count, int against) {
        label->setText(QString::number(count));
        setBackColor(label, CountColour(count, against));
        for (QLabel *face : faces)
            face->hide();
        faces[int(CountFaceFor(count))]->show();
    };
    show(lblUser1, m_faces1, count1, count2);
    show(lblUser2, m_faces2, count2, count1);
}

void MainWindow::mtvmain_DateClick()
{
    RefreshEntryScreen();
    (currentPartner() == 1 ? cmdUser1 : cmdUser2)->setFocus();
}

void MainWindow::graphQuantity_Click()
{
    fraMain->applyGraphQuantity();
}

void MainWindow::mcrMain_Click()
{
    m_state.markerStyle = (m_state.markerStyle + 1) % 3;
    ApplyMarkerStyle();
    if (StoreResult r = WriteMarkerStyle(m_folder, m_state.markerStyle); !r)
        showStoreFailure(QStringLiteral("設定を保存できません"), r.message());
}

void MainWindow::ApplyMarkerStyle()
{
    fraMain->applyMarkerStyle(m_state.markerStyle);
}

void MainWindow::LoadMarkerStyle()
{
    m_state.markerStyle = ReadMarkerStyle(m_folder);
    ApplyMarkerStyle();
}

void MainWindow::lstAct_Click()
{
    QListWidgetItem *item = fraMain->lstAct->currentItem();
    if (!item)
        return;
    m_state.selectedSituation = item->text();
    prefillInputs(true);
}

void MainWindow::cmdJikan_Click()
{
    m_state.selectedSituation = timeOfDayText(m_clock.timeOfDay());
    prefillInputs(true);
}

void MainWindow::prefillInputs(bool moveFocus)
{
    fraMain->txtTaiInp->setText(generalNumber(m_state.entry.latestWeight));
    fraMain->txtShiInp->setText(generalNumber(m_state.entry.latestBodyFat));
    setArrowButtonsEnabled(true);
    if (moveFocus)
        fraMain->txtTaiInp->setFocus();
}

void MainWindow::setArrowButtonsEnabled(bool enabled)
{
    for (QPushButton *button : {fraMain->cmdDn, fraMain->cmdUp, fraMain->cmdDn1, fraMain->cmdUp1})
        button->setEnabled(enabled);
}

void MainWindow::cmdFree_Click()
{
    const std::optional<QString> answer = m_dialogs.input(QStringLiteral("状況フリー入力"), kFreeInputPrompt, QString());
    if (!answer || answer->isEmpty())
        return;
    // A text the files cannot hold would fail at the save anyway; say so while it is typed.
    if (StoreResult r = checkStorableText(*answer); !r) {
        m_dialogs.warning(QStringLiteral("状況フリー入力"), r.message());
        return;
    }
    m_state.selectedSituation = *answer;
    prefillInputs(false);
    if (m_dialogs.askYesNo(QStringLiteral("状況リスト登録の有無"), QStringLiteral("状況リストに追加しますか？"))) {
        if (StoreResult r = AppendSituationQuoted(m_folder, *answer); !r) {
            showStoreFailure(QStringLiteral("状況リスト登録"), r.message());
        } else {
            for (QListWidget *list : {fraMain->lstAct, fraTaijyu->lstAct2, fraSettei->lstKoumoku})
                list->addItem(*answer);
        }
    }
    fraMain->txtTaiInp->setFocus();
    fraMain->txtTaiInp->setCursorPosition(0);
    fraMain->txtTaiInp->selectAll();
}

void MainWindow::txtTaiInp_Enter()
{
    if (!fraMain->txtTaiInp->text().isEmpty())
        fraMain->txtShiInp->setFocus();
}

void MainWindow::txtShiInp_Enter()
{
    if (!fraMain->txtShiInp->text().isEmpty())
        fraMain->cmdTaiHozon->setFocus();
}

void MainWindow::stepBox(QLineEdit *box, const QString &step, int direction)
{
    if (const std::optional<QString> value = SteppedValue(box->text(), step, direction))
        box->setText(*value);
}

void MainWindow::cmdTaiHozon_Click()
{
    const QString weightText = fraMain->txtTaiInp->text();
    const QString fatText = fraMain->txtShiInp->text();
    if (const std::optional<SaveRefusal> refusal = CheckSave(m_state.selectedSituation, weightText, fatText)) {
        m_dialogs.warning(refusal->title, refusal->message);
        return;
    }
    const QDate day = fraMain->mtvmain->selectedDate();
    Measurement m = BuildMeasurement(day, m_state.selectedSituation, weightText, fatText, QString());
    StoreResult stored = StoreResult::success();
    if (NeedsOrderedInsert(m_state.entry.lastRecordDate, m.date)) {
        stored = InsertMeasurementInOrder(m_folder, m_state.currentDataFile, m);
    } else {
        if (fraSettei->chkJikan->isChecked())
            m.comment = timeOfDayText(m_clock.timeOfDay());
        stored = AppendMeasurement(m_folder, m_state.currentDataFile, m);
    }
    if (!stored) {
        // Nothing was written; the input stays so that nothing typed is lost.
        m_dialogs.warning(QStringLiteral("保存できません"), stored.message());
        return;
    }
    RefreshEntryScreen();
    setArrowButtonsEnabled(false);
}
