#include "screens/history/HistoryController.h"

#include "diary/PartnerDiary.h"
#include "screens/history/HistoryPanel.h"
#include "screens/history/PeriodDate.h"
#include "screens/shell/GraphQuantity.h"
#include "screens/shell/ReadProblems.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "screens/shell/SituationLists.h"
#include "store/NumberText.h"
#include "ui/ButtonColour.h"
#include "ui/Chart.h"
#include "ui/Clock.h"
#include "ui/Dialogs.h"
#include "ui/FocusForCorrection.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {
// The colour of the filter button chosen last.
constexpr Bgr kChosen = Colour::lightYellow;

// Most filter actions give most buttons the colour they have already; restyling a button for
// nothing would lay out the whole screen again.
void mark(QPushButton *button, Bgr colour)
{
    if (buttonBackColor(button) != colour)
        setButtonBackColor(button, colour);
}
} // namespace

HistoryController::HistoryController(ScreenContext &context, QWidget *panelParent)
    : ScreenController(context, panelParent)
    , m_panel(new HistoryPanel(panelParent))
{
    m_ctx.situations.add(m_panel->lstAct2);
    connectControls();
}

QWidget *HistoryController::panel() const
{
    return m_panel;
}

void HistoryController::connectControls()
{
    HistoryPanel *p = m_panel;
    connect(p->cmdKikan1, &QPushButton::clicked, this, &HistoryController::cmdKikan1_Click);
    connect(p->cmdKikan2, &QPushButton::clicked, this, &HistoryController::cmdKikan2_Click);
    connect(p->cmdKikan3, &QPushButton::clicked, this, &HistoryController::cmdKikan3_Click);
    connect(p->cmdKikan4, &QPushButton::clicked, this, &HistoryController::cmdKikan4_Click);
    connect(p->cmdKikan5, &QPushButton::clicked, this, &HistoryController::cmdKikan5_Click);
    connect(p->cmdKikan6, &QPushButton::clicked, this, &HistoryController::cmdKikan6_Click);
    connect(p->cmdKikan7, &QPushButton::clicked, this, &HistoryController::cmdKikan7_Click);
    connect(p->cmdKikan8, &QPushButton::clicked, this, &HistoryController::cmdKikan8_Click);
    connect(p->cmdAllDay, &QPushButton::clicked, this, &HistoryController::cmdAllDay_Click);
    connect(p->cmdKikanF, &QPushButton::clicked, this, &HistoryController::cmdKikanF_Click);
    for (int i = 0; i < 7; ++i)
        connect(p->cmdWeek[std::size_t(i)], &QPushButton::clicked, this, [this, i] { cmdWeek_Click(i); });
    connect(p->cmdAllWeek, &QPushButton::clicked, this, &HistoryController::cmdAllWeek_Click);
    connect(p->cmdAllact, &QPushButton::clicked, this, &HistoryController::cmdAllact_Click);
    // A click chooses an entry; from the keyboard the arrows move through the list and Enter
    // chooses (see eventFilter).
    connect(p->lstAct2, &QListWidget::itemClicked, this, &HistoryController::lstAct2_Click);
    p->lstAct2->installEventFilter(this);
    connect(p->txtKey, &QLineEdit::returnPressed, this, [this] { txtKey_KeyPress(13); });
    p->txtKey->installEventFilter(this);
    connect(p->optTai2, &QRadioButton::clicked, this, &HistoryController::optTai2_Click);
    connect(p->optShi2, &QRadioButton::clicked, this, &HistoryController::optShi2_Click);
    connect(p->optKon2, &QRadioButton::clicked, this, &HistoryController::optKon2_Click);
}

bool HistoryController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_panel->txtKey && event->type() == QEvent::FocusIn) {
        // The user coming to the box, not the focus coming back to it after a listing or from
        // another window or a menu.
        switch (static_cast<QFocusEvent *>(event)->reason()) {
        case Qt::MouseFocusReason:
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            txtKey_GotFocus();
            break;
        default:
            break;
        }
    } else if (watched == m_panel->lstAct2 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_panel->lstAct2->currentItem()) {
            lstAct2_Click();
            return true;
        }
    }
    return ScreenController::eventFilter(watched, event);
}

void HistoryController::prepareAfterHiding()
{
    // The unfiltered listing as it stands is the one this would list again.
    if (!upToDate() || m_listed.kind != HistoryListingKind::All)
        ListAllHistory();
    if (!m_panel->optTai2->isChecked()) {
        m_panel->optTai2->setChecked(true);
        optTai2_Click();
    }
    resetFilterMarks();
}

void HistoryController::refreshForPartner()
{
    ReloadHistory();
}

void HistoryController::refreshShown()
{
    if (upToDate())
        return;
    // The filters stay as chosen; the listing they selected is made from the diary as it now is,
    // without a word: a change from outside or the new day is no reason to question the boxes.
    if (m_listed.kind == HistoryListingKind::All)
        ReloadHistory();
    else
        listWith(m_listed);
}

void HistoryController::ReloadHistory()
{
    ListAllHistory();
    resetFilterMarks();
}

void HistoryController::resetFilterMarks()
{
    for (QPushButton *button : {m_panel->cmdAllDay, m_panel->cmdAllact, m_panel->cmdAllWeek})
        mark(button, kChosen);
    m_selectedWeekday = kAllWeekdays;
}

// ---- listings ----

void HistoryController::listHistory(HistoryListingKind kind)
{
    HistoryFilter filter;
    filter.kind = kind;
    if (kind != HistoryListingKind::All) {
        filter.firstDay = m_panel->cboStdate->currentText();
        filter.lastDay = m_panel->cboEddate->currentText();
        filter.key = m_panel->txtKey->text();
        filter.weekday = m_selectedWeekday;
    }
    listWith(filter);
}

void HistoryController::listWith(const HistoryFilter &filter)
{
    m_ctx.session.refresh();
    m_panel->SetUpHistoryGrid();
    const PartnerDiary &diary = m_ctx.session.diary();
    noteReadProblems(m_ctx.shell, diary.file());
    std::shared_ptr<HistoryListing> listing;
    if (filter.kind == HistoryListingKind::All) {
        // The unfiltered listing is the diary's trend data set.
        listing = std::make_shared<HistoryListing>(diary.trend(), m_ctx.session.profile().height);
        m_panel->setDateLists(listing->dates());
    } else {
        listing = std::make_shared<HistoryListing>(filter, m_ctx.session.profile().height);
        listing->addEach(diary.trend());
    }
    m_panel->showListing(std::move(listing));
    m_listed = filter;
    noteBuilt();
}

void HistoryController::ListAllHistory()
{
    listHistory(HistoryListingKind::All);
}

void HistoryController::ListHistoryByPeriod()
{
    listHistory(HistoryListingKind::ByPeriod);
}

void HistoryController::ListHistoryBySituation()
{
    listHistory(HistoryListingKind::BySituation);
}

void HistoryController::ListHistoryByWeekday()
{
    listHistory(HistoryListingKind::ByWeekday);
}

void HistoryController::ListHistoryBySituationAndWeekday()
{
    listHistory(HistoryListingKind::BySituationAndWeekday);
}

bool HistoryController::readPeriodBoxes()
{
    const std::pair<QComboBox *, QString> boxes[] = {{m_panel->cboStdate, QStringLiteral("期間の初めの日")},
                                                     {m_panel->cboEddate, QStringLiteral("期間の終わりの日")}};
    for (const auto &[box, name] : boxes) {
        const QString typed = box->currentText();
        // Nothing to read: an empty first day admits every date, an empty last day none, which
        // the listing then says.
        if (typed.isEmpty())
            continue;
        const std::optional<QString> date = ReadPeriodDate(typed);
        if (!date) {
            m_ctx.dialogs.warning(QStringLiteral("期間指定"), QStringLiteral("%1「%2」は日付として読めません。\n"
                                                                          "2026/11/01 のように年/月/日で入力してください。")
                                                              .arg(name, typed));
            focusForCorrection(box);
            return false;
        }
        if (*date != typed)
            box->setEditText(*date);
    }
    return true;
}

void HistoryController::RefreshHistory()
{
    // A period box that holds no date leaves the list as it is. (The filter buttons read the
    // boxes before they change anything; this catches every other way here.)
    if (!readPeriodBoxes())
        return;
    // The list is filled again in place, where the user is: the screen stays up.
    switch (FilteredListingFor(m_panel->txtKey->text(), m_selectedWeekday)) {
    case HistoryListingKind::BySituation:
        ListHistoryBySituation();
        break;
    case HistoryListingKind::ByWeekday:
        ListHistoryByWeekday();
        break;
    case HistoryListingKind::BySituationAndWeekday:
        ListHistoryBySituationAndWeekday();
        break;
    case HistoryListingKind::All:
    case HistoryListingKind::ByPeriod:
        ListHistoryByPeriod();
        break;
    }
    // An empty list whose period admits no date at all says why.
    const QString reason = EmptyPeriodReason(m_panel->cboStdate->currentText(), m_panel->cboEddate->currentText());
    if (!reason.isEmpty() && m_panel->msgBunseki->rows() <= 1)
        m_ctx.dialogs.information(QStringLiteral("期間指定"), reason);
}

void HistoryController::markChosenPeriod(QPushButton *chosen)
{
    // One pass: a chosen button chosen again keeps its colour rather than losing it and getting
    // it back, each change a restyle.
    for (QPushButton *button : m_panel->periodButtons())
        mark(button, button == chosen ? kChosen : Colour::buttonFace);
}

// ---- period ----

void HistoryController::choosePeriodPreset(QPushButton *button, int daysBeforeToday)
{
    const QDate today = m_ctx.clock.today();
    m_panel->setPeriod(storedDate(today.addDays(-daysBeforeToday)), storedDate(today));
    RefreshHistory();
    markChosenPeriod(button);
}

void HistoryController::cmdKikan1_Click() { choosePeriodPreset(m_panel->cmdKikan1, 1); }
void HistoryController::cmdKikan8_Click() { choosePeriodPreset(m_panel->cmdKikan8, 2); }
void HistoryController::cmdKikan2_Click() { choosePeriodPreset(m_panel->cmdKikan2, 7); }
void HistoryController::cmdKikan3_Click() { choosePeriodPreset(m_panel->cmdKikan3, 14); }
void HistoryController::cmdKikan4_Click() { choosePeriodPreset(m_panel->cmdKikan4, 30); }
void HistoryController::cmdKikan5_Click() { choosePeriodPreset(m_panel->cmdKikan5, 90); }
void HistoryController::cmdKikan6_Click() { choosePeriodPreset(m_panel->cmdKikan6, 180); }
void HistoryController::cmdKikan7_Click() { choosePeriodPreset(m_panel->cmdKikan7, 365); }

void HistoryController::cmdAllDay_Click()
{
    // From the start of the diet: the first record.
    const QList<Measurement> &records = m_ctx.session.diary().records();
    m_panel->setPeriod(records.isEmpty() ? QString() : records.first().date, storedDate(m_ctx.clock.today()));
    RefreshHistory();
    markChosenPeriod(m_panel->cmdAllDay);
}

void HistoryController::cmdKikanF_Click()
{
    if (!readPeriodBoxes())
        return;
    RefreshHistory();
    markChosenPeriod(m_panel->cmdKikanF);
}

// ---- weekday ----

void HistoryController::markChosenWeekday(QPushButton *chosen)
{
    mark(m_panel->cmdAllWeek, m_panel->cmdAllWeek == chosen ? kChosen : Colour::buttonFace);
    for (QPushButton *button : m_panel->cmdWeek)
        mark(button, button == chosen ? kChosen : Colour::buttonFace);
}

void HistoryController::cmdWeek_Click(int index)
{
    if (index < 0 || index > 6 || !readPeriodBoxes())
        return;
    m_selectedWeekday = index;
    RefreshHistory();
    markChosenWeekday(m_panel->cmdWeek[std::size_t(index)]);
}

void HistoryController::cmdAllWeek_Click()
{
    if (!readPeriodBoxes())
        return;
    m_selectedWeekday = kAllWeekdays;
    RefreshHistory();
    markChosenWeekday(m_panel->cmdAllWeek);
}

// ---- situation ----

void HistoryController::cmdAllact_Click()
{
    if (!readPeriodBoxes())
        return;
    m_panel->txtKey->clear();
    RefreshHistory();
    mark(m_panel->cmdAllact, kChosen);
}

void HistoryController::lstAct2_Click()
{
    QListWidgetItem *item = m_panel->lstAct2->currentItem();
    if (!item || !readPeriodBoxes())
        return;
    m_panel->txtKey->setText(item->text());
    mark(m_panel->cmdAllact, Colour::buttonFace);
    RefreshHistory();
}

void HistoryController::txtKey_GotFocus()
{
    m_panel->txtKey->clear();
}

void HistoryController::txtKey_KeyPress(int keyAscii)
{
    if (keyAscii != 13 || !readPeriodBoxes())
        return;
    mark(m_panel->cmdAllact, Colour::buttonFace);
    RefreshHistory();
}

// ---- graph quantity ----

void HistoryController::optTai2_Click()
{
    SelectGraphQuantity(m_panel->mcrBunseki, GraphQuantity::Weight);
}

void HistoryController::optShi2_Click()
{
    SelectGraphQuantity(m_panel->mcrBunseki, GraphQuantity::BodyFat);
}

void HistoryController::optKon2_Click()
{
    SelectGraphQuantity(m_panel->mcrBunseki, GraphQuantity::Mixed);
}
