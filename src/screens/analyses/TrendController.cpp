#include "screens/analyses/TrendController.h"

#include "diary/PartnerDiary.h"
#include "screens/analyses/MovingAverage.h"
#include "diary/TrendData.h"
#include "screens/analyses/TrendPanel.h"
#include "screens/analyses/TrendSummary.h"
#include "screens/shell/GraphQuantity.h"
#include "screens/shell/ReadProblems.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "store/NumberText.h"
#include "store/SettingsFiles.h"
#include "ui/Chart.h"
#include "ui/Clock.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TrendController::TrendController(ScreenContext &context, QWidget *panelParent)
    : ScreenController(context, panelParent)
    , m_panel(new TrendPanel(panelParent))
{
    TrendPanel *p = m_panel;
    // An item picked from the list or with the arrow keys is a click. Enter is the box's own
    // key: the combo box would also take it, or leaving the box, as picking the item of the
    // same text, which would save a size nobody confirmed.
    connect(p->cboIdou, &QComboBox::activated, this, &TrendController::cboIdou_Click);
    disconnect(p->cboIdou->lineEdit(), &QLineEdit::editingFinished, p->cboIdou, nullptr);
    // Keys reach the combo box, which hands them to its line edit itself.
    p->cboIdou->installEventFilter(this);
    p->cboIdou->lineEdit()->installEventFilter(this);
    connect(p->cmdMokuChk, &QPushButton::clicked, this, &TrendController::cmdMokuChk_Click);
    connect(p->optTai1, &QRadioButton::clicked, this, &TrendController::optTai1_Click);
    connect(p->optShi1, &QRadioButton::clicked, this, &TrendController::optShi1_Click);
    connect(p->optKon1, &QRadioButton::clicked, this, &TrendController::optKon1_Click);
}

TrendController::~TrendController() = default;

QWidget *TrendController::panel() const
{
    return m_panel;
}

void TrendController::prepareBeforeHiding()
{
    if (!upToDate()) {
        LoadTrendData();
        applyLowerBound();
    } else if (m_panel->cboIdou->currentText() != m_drawnAverageSize) {
        // The box was changed and not confirmed: the graph is drawn with what it says, as ever.
        RedrawMovingAverage();
    }
    // The weight view, unless it is the one shown already: switching the view of a graph of
    // every measurement lays it out again.
    if (!m_panel->optTai1->isChecked()) {
        m_panel->optTai1->setChecked(true);
        optTai1_Click();
    }
}

void TrendController::refreshForPartner()
{
    LoadTrendData();
    applyLowerBound();
}

void TrendController::refreshShown()
{
    // The view and the target mode stay as chosen.
    if (!upToDate())
        refreshForPartner();
}

void TrendController::LoadMovingAverageSetting()
{
    QComboBox *combo = m_panel->cboIdou;
    for (int i = 1; i <= 30; ++i)
        combo->addItem(QString::number(i));
    combo->setEditText(ReadMovingAverageSetting(m_ctx.folder));
}

void TrendController::LoadTrendData()
{
    m_ctx.session.refresh();
    const PartnerDiary &diary = m_ctx.session.diary();
    noteReadProblems(m_ctx.shell, diary.file());
    const TrendData &trend = diary.trend();
    const QDate today = m_ctx.clock.today();
    m_forecast = ComputeForecast(trend, m_ctx.session.profile().targetWeight, today);
    m_weeklyRate = ComputeWeeklyRate(trend, today);
    // The axes first: the forecast's line is drawn as far as they show it.
    m_panel->showSummary(ComputeTrendSummary(trend, m_ctx.session.profile().targetWeight));
    RedrawMovingAverage();
    m_panel->showForecast(ForecastText(m_forecast));
    m_panel->showWeeklyRate(WeeklyRateText(m_weeklyRate));
    noteBuilt();
}

const TrendData &TrendController::trendData() const
{
    return m_ctx.session.diary().trend();
}

void TrendController::RedrawMovingAverage()
{
    const TrendData &trend = trendData();
    m_drawnAverageSize = m_panel->cboIdou->currentText();
    m_panel->showSeries(trend, MovingAverage(trend.weights, MovingAverageSize(m_panel->cboIdou->currentText())), projection());
}

std::optional<ForecastProjection> TrendController::projection() const
{
    const Chart *chart = m_panel->mcrRentai;
    if (!chart->axisScaleVisible(1))
        return std::nullopt;
    return ProjectionOf(m_forecast, chart->axisMinimum(1), chart->axisMaximum(1), trendData().count());
}

void TrendController::showProjection()
{
    m_panel->showProjection(trendData().count(), projection());
}

void TrendController::applyLowerBound()
{
    const TrendData &trend = trendData();
    // Without a measurement there is no lowest weight to go back to: the axes stay as they are.
    if (trend.count() > 0) {
        m_panel->setWeightAxisMinimum(TrendWeightAxisMinimum(trend, m_ctx.session.profile().targetWeight, m_lowerBoundAtTarget));
        showProjection();
    }
    m_panel->setMokuChkColour(m_lowerBoundAtTarget ? Colour::chosenToggle : Colour::buttonFace);
}

void TrendController::cmdMokuChk_Click()
{
    m_lowerBoundAtTarget = !m_lowerBoundAtTarget;
    applyLowerBound();
}

bool TrendController::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_panel->cboIdou || watched == m_panel->cboIdou->lineEdit()) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cboIdou_KeyPress(13);
            return true;
        }
    }
    return ScreenController::eventFilter(watched, event);
}

void TrendController::cboIdou_Click()
{
    confirmMovingAverageSize();
}

void TrendController::cboIdou_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        confirmMovingAverageSize();
}

void TrendController::confirmMovingAverageSize()
{
    QComboBox *box = m_panel->cboIdou;
    const QString text = box->currentText();
    if (text.isEmpty())
        return;
    if (!(MovingAverageSize(text) >= 1.0)) {
        box->setEditText(QString());
        return;
    }
    RedrawMovingAverage();
    if (StoreResult r = WriteMovingAverageSetting(m_ctx.folder, text); !r)
        m_ctx.shell.showStoreFailure(QStringLiteral("設定を保存できません"), r.message());
    m_ctx.shell.processPendingEvents();
}

// The forecast's line belongs to the weight axis: without it, its rows would only narrow the
// history.
void TrendController::optTai1_Click()
{
    SelectGraphQuantity(m_panel->mcrRentai, GraphQuantity::Weight);
    showProjection();
}

void TrendController::optShi1_Click()
{
    SelectGraphQuantity(m_panel->mcrRentai, GraphQuantity::BodyFat);
    showProjection();
}

void TrendController::optKon1_Click()
{
    SelectGraphQuantity(m_panel->mcrRentai, GraphQuantity::Mixed);
    showProjection();
}
