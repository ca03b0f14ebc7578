#include "screens/analyses/AnalysesController.h"

#include "diary/PartnerDiary.h"
#include "diary/TrendData.h"
#include "screens/shell/ReadProblems.h"
#include "screens/analyses/AnalysesPanel.h"
#include "screens/analyses/AverageTrend.h"
#include "screens/analyses/BreakProgress.h"
#include "screens/analyses/PeriodAverages.h"
#include "screens/analyses/WeightRanking.h"
#include "screens/analyses/WeightSeries.h"
#include "screens/shell/Session.h"
#include "ui/Clock.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

// Each list shows the trend data set as it stands, and an empty data set as empty lists: a
// partner without measurements must not be shown the other partner's figures.

AnalysesController::AnalysesController(ScreenContext &context, QWidget *panelParent)
    : ScreenController(context, panelParent)
    , m_panel(new AnalysesPanel(panelParent))
{
    for (QRadioButton *option : m_panel->Option1)
        connect(option, &QRadioButton::clicked, this, &AnalysesController::Option1_Click);
    for (QRadioButton *option : m_panel->Option2)
        connect(option, &QRadioButton::clicked, this, &AnalysesController::Option2_Click);
    for (QRadioButton *option : m_panel->Option3)
        connect(option, &QRadioButton::clicked, this, &AnalysesController::Option3_Click);
}

QWidget *AnalysesController::panel() const
{
    return m_panel;
}

void AnalysesController::prepareAfterHiding()
{
    if (upToDate())
        return;
    noteReadProblems(m_ctx.shell, m_ctx.session.diary().file());
    ListWeightSeries();
    ListBreakProgress();
    ListAverageTrend();
    ListWeightRanking();
    ListPeriodAverages();
    noteBuilt();
}

const TrendData &AnalysesController::trend() const
{
    return m_ctx.session.diary().trend();
}

void AnalysesController::SetupAnalysisGrids()
{
    m_panel->setupGrids();
}

void AnalysesController::ListWeightSeries()
{
    const WeightDifference mode = m_panel->Option1[0]->isChecked() ? WeightDifference::ToPrevious : WeightDifference::ToFirst;
    m_panel->setHeading(m_panel->msgB1, 3, WeightSeriesHeading(mode));
    m_panel->showList(m_panel->msgB1, std::make_shared<WeightSeries>(trend(), mode), 9);
}

void AnalysesController::ListBreakProgress()
{
    BreakProgress progress = ComputeBreakProgress(trend());
    m_panel->showList(m_panel->msgB2, std::make_shared<WrittenList>(std::move(progress.rows)), 9);
    m_panel->Label5[0]->setText(progress.label);
}

void AnalysesController::ListAverageTrend()
{
    auto average = std::make_shared<AverageTrend>(trend());
    m_panel->Label5[1]->setText(average->label());
    m_panel->showList(m_panel->msgB3, std::move(average), 8);
}

void AnalysesController::ListWeightRanking()
{
    const BandWidth width = m_panel->Option2[0]->isChecked() ? BandWidth::OneKg : BandWidth::HalfKg;
    m_panel->fraB4->setTitle(WeightRankingCaption(width));
    m_panel->showList(m_panel->msgB4, std::make_shared<WrittenList>(WeightRankingRows(trend(), width)), -1);
}

void AnalysesController::ListPeriodAverages()
{
    const Session &session = m_ctx.session;
    const PeriodKind kind = m_panel->Option3[0]->isChecked() ? PeriodKind::Week : PeriodKind::Month;
    std::vector<PeriodRow> rows =
        ComputePeriodAverages(session.diary(1).records(), session.diary(2).records(), kind, m_ctx.clock.today());
    m_panel->showPeriodList(
        std::make_shared<PeriodList>(std::move(rows), kind, session.partner(), session.nickname(1), session.nickname(2)));
}

void AnalysesController::Option1_Click()
{
    ListWeightSeries();
}

void AnalysesController::Option2_Click()
{
    ListWeightRanking();
}

void AnalysesController::Option3_Click()
{
    ListPeriodAverages();
}
