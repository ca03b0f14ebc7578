#include "screens/entry/EntryController.h"

#include "diary/PartnerDiary.h"
#include "metrics/BmiGauge.h"
#include "metrics/BodyMetrics.h"
#include "screens/entry/EntryDay.h"
#include "screens/entry/EntryPanel.h"
#include "screens/entry/EntrySave.h"
#include "screens/entry/RecordEditDialog.h"
#include "screens/shell/GraphQuantity.h"
#include "screens/shell/ReadProblems.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "screens/shell/SituationLists.h"
#include "store/Backup.h"
#include "store/FileNames.h"
#include "store/NumberText.h"
#include "store/SettingsFiles.h"
#include "store/SituationListFile.h"
#include "ui/Chart.h"
#include "ui/Clock.h"
#include "ui/Dialogs.h"
#include "ui/FocusForCorrection.h"
#include "ui/Grid.h"
#include "ui/MonthCalendar.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace {
const QString kFreeInputPrompt = QStringLiteral("状況リストに無い内容をフリーで入力できます。\n\n"
                                                "任意の言葉で内容を書き込んでください。\n\n"
                                                "体重は通常と同じように ↓↑ボタンで指定してください。\n");
}

EntryController::EntryController(ScreenContext &context, QWidget *panelParent)
    : ScreenController(context, panelParent)
    , m_panel(new EntryPanel(panelParent))
    , m_day(std::make_unique<EntryDay>())
{
    m_ctx.situations.add(m_panel->lstAct);
    connectControls();
    // The entry screen's values (which the body metrics read too) follow the selected partner's
    // records and profile wherever they change, shown or not; what was typed stays.
    connect(&m_ctx.session, &Session::partnerChanged, this, &EntryController::RefreshEntryScreen);
    connect(&m_ctx.session, &Session::profileChanged, this, [this](int partner) {
        if (partner == m_ctx.session.partner() && !m_writing)
            refreshKeepingInput();
    });
    connect(&m_ctx.session, &Session::recordsChanged, this, [this](int partner) {
        if (m_writing)
            return;
        if (partner == m_ctx.session.partner())
            refreshKeepingInput();
        else
            RefreshPartnerCounts();
    });
}

EntryController::~EntryController() = default;

QWidget *EntryController::panel() const
{
    return m_panel;
}

const EntryDay &EntryController::day() const
{
    return *m_day;
}

void EntryController::connectControls()
{
    EntryPanel *p = m_panel;
    connect(p->mtvmain, &MonthCalendar::dateClick, this, &EntryController::mtvmain_DateClick);
    connect(p->optTai, &QRadioButton::clicked, this, &EntryController::optTai_Click);
    connect(p->optShi, &QRadioButton::clicked, this, &EntryController::optShi_Click);
    connect(p->optKon, &QRadioButton::clicked, this, &EntryController::optKon_Click);
    connect(p->mcrMain, &Chart::clicked, this, &EntryController::mcrMain_Click);
    connect(p->lstAct, &QListWidget::itemClicked, this, &EntryController::lstAct_Click);
    // From the keyboard: the arrows move through the list, Enter chooses.
    connect(p->lstAct, &QListWidget::itemActivated, this, &EntryController::lstAct_Click);
    connect(p->cmdJikan, &QPushButton::clicked, this, &EntryController::cmdJikan_Click);
    connect(p->cmdFree, &QPushButton::clicked, this, &EntryController::cmdFree_Click);
    connect(p->txtTaiInp, &QLineEdit::returnPressed, this, &EntryController::txtTaiInp_Enter);
    connect(p->txtShiInp, &QLineEdit::returnPressed, this, &EntryController::txtShiInp_Enter);
    connect(p->cmdUp, &QPushButton::clicked, this, [this] { stepBox(m_panel->txtTaiInp, m_ctx.session.weightStep(), 1); });
    connect(p->cmdDn, &QPushButton::clicked, this, [this] { stepBox(m_panel->txtTaiInp, m_ctx.session.weightStep(), -1); });
    connect(p->cmdUp1, &QPushButton::clicked, this, [this] { stepBox(m_panel->txtShiInp, m_ctx.session.fatStep(), 1); });
    connect(p->cmdDn1, &QPushButton::clicked, this, [this] { stepBox(m_panel->txtShiInp, m_ctx.session.fatStep(), -1); });
    connect(p->cmdTaiHozon, &QPushButton::clicked, this, &EntryController::cmdTaiHozon_Click);
    // The up and down keys in the two boxes do what the arrow buttons beside them do.
    p->txtTaiInp->installEventFilter(this);
    p->txtShiInp->installEventFilter(this);
    connect(p->msgDayList, &Grid::selectedRowChanged, this, &EntryController::msgDayList_SelChange);
    connect(p->msgDayList, &QWidget::customContextMenuRequested, this, &EntryController::msgDayList_ContextMenu);
    connect(p->cmdShusei, &QPushButton::clicked, this, &EntryController::cmdShusei_Click);
    connect(p->cmdSakujo, &QPushButton::clicked, this, &EntryController::cmdSakujo_Click);
    connect(p->actShusei, &QAction::triggered, this, &EntryController::cmdShusei_Click);
    connect(p->actSakujo, &QAction::triggered, this, &EntryController::cmdSakujo_Click);
    // The Delete key in the day list removes its selected row.
    p->msgDayList->installEventFilter(this);
    msgDayList_SelChange();
}

bool EntryController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched == m_panel->msgDayList) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Delete && (key->modifiers() & ~Qt::KeypadModifier) == 0) {
            cmdSakujo_Click();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && (watched == m_panel->txtTaiInp || watched == m_panel->txtShiInp)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool weight = watched == m_panel->txtTaiInp;
        QPushButton *button = nullptr;
        if (key->key() == Qt::Key_Up)
            button = weight ? m_panel->cmdUp : m_panel->cmdUp1;
        else if (key->key() == Qt::Key_Down)
            button = weight ? m_panel->cmdDn : m_panel->cmdDn1;
        if (button && (key->modifiers() & ~Qt::KeypadModifier) == 0) {
            // A disabled button (no situation chosen yet) does nothing, and neither does the key.
            button->click();
            return true;
        }
    }
    return ScreenController::eventFilter(watched, event);
}

QAbstractButton *EntryController::saveButton() const
{
    return m_panel->cmdTaiHozon;
}

QWidget *EntryController::firstInput() const
{
    return m_panel->lstAct;
}

QDate EntryController::selectedDay() const
{
    return m_panel->mtvmain->selectedDate();
}

void EntryController::setSelectedDay(const QDate &day)
{
    m_panel->mtvmain->setSelectedDate(day);
}

void EntryController::RefreshEntryScreen()
{
    m_ctx.session.refresh();
    showDayAfresh();
}

void EntryController::showDayAfresh()
{
    refreshKeepingInput();
    m_selectedSituation.clear();
    m_panel->showNoSituationChosen();
    m_panel->txtTaiInp->clear();
    m_panel->txtShiInp->clear();
}

void EntryController::refreshKeepingInput()
{
    const PartnerDiary &diary = m_ctx.session.diary();
    noteReadProblems(m_ctx.shell, diary.file());
    *m_day = ComputeEntryDay(diary.records(), selectedDay(), m_ctx.session.profile().height);
    m_listedRevision = diary.recordsRevision();
    ShowBmiGauge();
    RefreshPartnerCounts();
    // The day's values serve the body metrics and the counts wherever the user is; the list and
    // the graph are filled only for a panel that can be seen, the hidden one when it is shown.
    m_panelStale = true;
    if (!m_panel->isHidden())
        showComputedDay();
}

void EntryController::showComputedDay()
{
    m_panel->showDay(*m_day);
    msgDayList_SelChange();
    m_panelStale = false;
    noteBuilt();
}

void EntryController::prepareAfterHiding()
{
    if (m_panelStale)
        showComputedDay();
}

void EntryController::refreshShown()
{
    m_ctx.session.refresh();
    if (!upToDate())
        refreshKeepingInput();
}

void EntryController::followToday(const QDate &yesterday, const QDate &today)
{
    if (selectedDay() != yesterday)
        return;
    setSelectedDay(today);
    refreshKeepingInput();
}

void EntryController::RefreshPartnerCounts()
{
    const int partner = m_ctx.session.partner();
    const int own = int(m_day->rows.size());
    const PartnerDiary &other = m_ctx.session.diary(partner == 1 ? 2 : 1);
    m_ctx.shell.noteUnreadableFile(other.fileName(), other.file().readError);
    // Counted again only when the other diary or the day is another than last time: a change of
    // the selected partner's records leaves it as it was.
    const OtherCount key{other.partner(), other.recordsRevision(), storedDate(selectedDay())};
    if (!(key == m_otherCountOf)) {
        m_otherCount = CountRecordsOn(other.records(), key.date);
        m_otherCountOf = key;
    }
    const int otherCount = m_otherCount;
    m_ctx.shell.showPartnerCounts(partner == 1 ? own : otherCount, partner == 1 ? otherCount : own);
}

void EntryController::ShowBmiGauge()
{
    if (m_ctx.session.recordCount() == 0)
        return;
    // Without a height there is no BMI: the gauges keep what they showed.
    const std::optional<float> bmi = Bmi(m_day->latestWeight, m_ctx.session.profile().height);
    if (!bmi)
        return;
    m_currentBmi = *bmi;
    m_panel->placeGaugePointer(PointerLeft(kEntryGauge, ClampMeterBmi(m_currentBmi)));
    const BmiJudgement judgement = JudgeBmi(m_currentBmi);
    m_panel->showJudgement(judgement.text, judgement.labelColour);
    Q_EMIT bmiShown(m_currentBmi);
}

void EntryController::mtvmain_DateClick()
{
    RefreshEntryScreen();
    m_ctx.shell.focusSelectedPartner();
}

void EntryController::optTai_Click()
{
    SelectGraphQuantity(m_panel->mcrMain, GraphQuantity::Weight);
}

void EntryController::optShi_Click()
{
    SelectGraphQuantity(m_panel->mcrMain, GraphQuantity::BodyFat);
}

void EntryController::optKon_Click()
{
    SelectGraphQuantity(m_panel->mcrMain, GraphQuantity::Mixed);
}

void EntryController::selectMixedGraph()
{
    m_panel->optKon->setChecked(true);
    optKon_Click();
}

void EntryController::mcrMain_Click()
{
    m_markerStyle = (m_markerStyle + 1) % 3;
    ApplyMarkerStyle();
    if (StoreResult r = WriteMarkerStyle(m_ctx.folder, m_markerStyle); !r)
        m_ctx.shell.showStoreFailure(QStringLiteral("設定を保存できません"), r.message());
}

void EntryController::ApplyMarkerStyle()
{
    m_panel->applyMarkerStyle(m_markerStyle);
}

void EntryController::LoadMarkerStyle()
{
    m_markerStyle = ReadMarkerStyle(m_ctx.folder);
    ApplyMarkerStyle();
}

void EntryController::lstAct_Click()
{
    QListWidgetItem *item = m_panel->lstAct->currentItem();
    if (!item)
        return;
    m_selectedSituation = item->text();
    prefillInputs(true);
}

void EntryController::cmdJikan_Click()
{
    m_selectedSituation = timeOfDayText(m_ctx.clock.timeOfDay());
    // The time is the situation now, not what the list showed before.
    m_panel->showNoSituationChosen();
    prefillInputs(true);
}

void EntryController::prefillInputs(bool moveFocus)
{
    m_panel->txtTaiInp->setText(generalNumber(m_day->latestWeight));
    m_panel->txtShiInp->setText(generalNumber(m_day->latestBodyFat));
    setArrowButtonsEnabled(true);
    if (moveFocus)
        m_panel->txtTaiInp->setFocus();
}

void EntryController::setArrowButtonsEnabled(bool enabled)
{
    for (QPushButton *button : {m_panel->cmdDn, m_panel->cmdUp, m_panel->cmdDn1, m_panel->cmdUp1})
        button->setEnabled(enabled);
}

void EntryController::cmdFree_Click()
{
    const std::optional<QString> answer = m_ctx.dialogs.input(QStringLiteral("状況フリー入力"), kFreeInputPrompt, QString());
    if (!answer || answer->isEmpty())
        return;
    // A text the files cannot hold would fail at the save anyway; say so while it is typed.
    if (StoreResult r = checkStorableText(*answer); !r) {
        m_ctx.dialogs.warning(QStringLiteral("状況フリー入力"), r.message());
        return;
    }
    m_selectedSituation = *answer;
    m_panel->showNoSituationChosen();
    prefillInputs(false);
    if (m_ctx.dialogs.askYesNo(QStringLiteral("状況リスト登録の有無"), QStringLiteral("状況リストに追加しますか？"))) {
        if (StoreResult r = AppendSituationQuoted(m_ctx.folder, *answer); !r)
            m_ctx.shell.showStoreFailure(QStringLiteral("状況リスト登録"), r.message());
        else
            m_ctx.situations.append(*answer);
    }
    m_panel->txtTaiInp->setFocus();
    m_panel->txtTaiInp->setCursorPosition(0);
    m_panel->txtTaiInp->selectAll();
}

void EntryController::txtTaiInp_Enter()
{
    if (!m_panel->txtTaiInp->text().isEmpty())
        m_panel->txtShiInp->setFocus();
}

void EntryController::txtShiInp_Enter()
{
    if (!m_panel->txtShiInp->text().isEmpty())
        m_panel->cmdTaiHozon->setFocus();
}

void EntryController::stepBox(QLineEdit *box, const QString &step, int direction)
{
    if (const std::optional<QString> value = SteppedValue(box->text(), step, direction))
        box->setText(*value);
}

void EntryController::cmdTaiHozon_Click()
{
    const QString weightText = m_panel->txtTaiInp->text();
    const QString fatText = m_panel->txtShiInp->text();
    if (const std::optional<SaveRefusal> refusal = CheckSave(m_selectedSituation, weightText, fatText)) {
        m_ctx.dialogs.warning(refusal->title, refusal->message);
        switch (refusal->field) {
        case SaveField::Situation: focusForCorrection(m_panel->lstAct); break;
        case SaveField::Weight: focusForCorrection(m_panel->txtTaiInp); break;
        case SaveField::BodyFat: focusForCorrection(m_panel->txtShiInp); break;
        }
        return;
    }
    Measurement m = BuildMeasurement(selectedDay(), m_selectedSituation, weightText, fatText, QString());
    StoreResult stored = StoreResult::success();
    {
        // The refresh below follows the save; the diary's own announcement need not do it first.
        const QScopedValueRollback writing(m_writing, true);
        PartnerDiary &diary = m_ctx.session.diary();
        if (NeedsOrderedInsert(m_day->lastRecordDate, m.date)) {
            stored = diary.insertInOrder(m);
        } else {
            if (m_ctx.session.autoTimeStamp())
                m.comment = timeOfDayText(m_ctx.clock.timeOfDay());
            stored = diary.append(m);
        }
    }
    if (!stored) {
        // Nothing was written; the input stays so that nothing typed is lost.
        m_ctx.dialogs.warning(QStringLiteral("保存できません"), stored.message());
        return;
    }
    // The diary has just read the file back.
    showDayAfresh();
    setArrowButtonsEnabled(false);
    // Ready for the next measurement: its situation comes first. Taking the focus makes the list's
    // first entry its current one, drawn framed as if chosen; nothing is, until an arrow key or a
    // click chooses.
    m_panel->lstAct->setFocus(Qt::OtherFocusReason);
    m_panel->showNoSituationChosen();
}

void EntryController::msgDayList_SelChange()
{
    const bool selected = selectedDayRow() != nullptr;
    m_panel->cmdShusei->setEnabled(selected);
    m_panel->cmdSakujo->setEnabled(selected);
    m_panel->actShusei->setEnabled(selected);
    m_panel->actSakujo->setEnabled(selected);
}

void EntryController::msgDayList_ContextMenu(const QPoint &pos)
{
    // The row under the pointer is the one the menu acts on, as in any list.
    const QModelIndex under = m_panel->msgDayList->indexAt(pos);
    if (under.isValid())
        m_panel->msgDayList->setCurrentCell(under.row() + 1, under.column());
    if (selectedDayRow())
        m_panel->mnuDayList->popup(m_panel->msgDayList->viewport()->mapToGlobal(pos));
}

const DayListRow *EntryController::selectedDayRow() const
{
    const int row = m_panel->msgDayList->selectedRow();
    if (row < 1 || row > m_day->rows.size())
        return nullptr;
    return &m_day->rows[row - 1];
}

void EntryController::cmdShusei_Click()
{
    const DayListRow *row = selectedDayRow();
    if (!row)
        return;
    const RecordEditDialog::Check check = [this](const RecordFields &fields) -> std::optional<SaveField> {
        if (const std::optional<SaveRefusal> refusal = CheckSave(fields.situation, fields.weight, fields.bodyFat)) {
            m_ctx.dialogs.warning(refusal->title, refusal->message);
            return refusal->field;
        }
        if (StoreResult r = checkStorableText(fields.situation); !r) {
            m_ctx.dialogs.warning(QStringLiteral("状況の確認"), r.message());
            return SaveField::Situation;
        }
        return std::nullopt;
    };
    // Copied before the dialog: while it is open the diary may be read again (a change from
    // outside), and the day list with it; the record stays the one chosen.
    const int index = row->recordIndex;
    const quint64 listedRevision = m_listedRevision;
    const Measurement listed = m_ctx.session.diary().records().at(index);
    RecordEditDialog dialog(QStringLiteral("%1 の %2回目").arg(listed.date, row->ordinal), m_ctx.situations.entries(),
                            {listed.situation, generalNumber(listed.weight), generalNumber(listed.bodyFat)}, check, m_panel->window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const RecordFields fields = dialog.fields();
    const Measurement replacement = BuildMeasurement(selectedDay(), fields.situation, fields.weight, fields.bodyFat, QString());
    changeListedRecord(QStringLiteral("修正できません"),
                       [&](PartnerDiary &diary) { return diary.replaceRecord(listedRevision, index, replacement); });
}

void EntryController::cmdSakujo_Click()
{
    const DayListRow *row = selectedDayRow();
    if (!row)
        return;
    // As for a correction: the question may stay open while the list is read again.
    const int index = row->recordIndex;
    const quint64 listedRevision = m_listedRevision;
    // Removing the first record moves the start of the diet: the question says so.
    const QString startChange = StartChangeNote(m_ctx.session.diary().records(), index);
    if (!m_ctx.dialogs.askYesNoDefaultNo(QStringLiteral("記録の削除"), DeleteQuestion(row->ordinal, row->situation, row->weight, startChange)))
        return;
    changeListedRecord(QStringLiteral("削除できません"), [&](PartnerDiary &diary) { return diary.deleteRecord(listedRevision, index); });
}

void EntryController::changeListedRecord(const QString &failureTitle, const std::function<RecordChange(PartnerDiary &)> &change)
{
    const QString file = m_ctx.session.currentDataFile();
    // Like the other replacements of a whole file: today's backup holds it as it was.
    if (StoreResult r = BackupBeforeReplace(m_ctx.folder, {file}, m_ctx.clock.today()); !r) {
        m_ctx.dialogs.warning(QStringLiteral("バックアップできません"), r.message());
        return;
    }
    // The diary announces the change (or the file it found changed on disk); the day list
    // follows it at once.
    const RecordChange changed = change(m_ctx.session.diary());
    if (!changed.result) {
        m_ctx.dialogs.warning(failureTitle, changed.result.message());
        return;
    }
    m_panel->msgDayList->setFocus(Qt::OtherFocusReason);
}
