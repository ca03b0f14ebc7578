#include "screens/comparison/ComparisonController.h"

#include "diary/PartnerDiary.h"
#include "screens/comparison/ComparisonPanel.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "ui/Clock.h"

#include <QRadioButton>

ComparisonController::ComparisonController(ScreenContext &context, QWidget *panelParent)
    : ScreenController(context, panelParent)
    , m_panel(new ComparisonPanel(panelParent))
{
    m_data.autoAxes = automaticAxes(PartnerSummary(), PartnerSummary());
    ComparisonPanel *p = m_panel;
    connect(p->optG1, &QRadioButton::clicked, this, &ComparisonController::optG1_Click);
    connect(p->optG2, &QRadioButton::clicked, this, &ComparisonController::optG2_Click);
    connect(p->optG3, &QRadioButton::clicked, this, &ComparisonController::optG3_Click);
    connect(p->optG4, &QRadioButton::clicked, this, &ComparisonController::optG4_Click);
    connect(p->optGra1, &QRadioButton::clicked, this, &ComparisonController::optGra1_Click);
    connect(p->optGra2, &QRadioButton::clicked, this, &ComparisonController::optGra2_Click);
}

QWidget *ComparisonController::panel() const
{
    return m_panel;
}

void ComparisonController::prepareBeforeHiding()
{
    if (upToDate())
        return;
    SetupAverageGrid();
    ShowComparison();
}

void ComparisonController::refreshShown()
{
    // The options keep their choice: a rebuild draws the graphs the way they say.
    if (!upToDate())
        ShowComparison();
}

void ComparisonController::SetupAverageGrid()
{
    m_panel->SetupAverageGrid();
}

void ComparisonController::ShowComparison()
{
    Session &session = m_ctx.session;
    session.refresh();
    m_partners = {session.nickname(1), session.nickname(2), session.targetWeight(1), session.targetWeight(2)};
    // Lines that are not records are left out here: the entry screen is where they are reported.
    // A file that cannot be read at all is said here, since this is the screen the program opens on.
    const PartnerDiary &diary1 = session.diary(1);
    const PartnerDiary &diary2 = session.diary(2);
    for (const PartnerDiary *diary : {&diary1, &diary2})
        m_ctx.shell.noteUnreadableFile(diary->fileName(), diary->file().readError);
    m_data = computeComparison(diary1.records(), diary2.records(), m_partners, m_ctx.clock.today());

    m_panel->fillList(m_data.days);
    m_panel->fillSeparateAxesGraph(m_data.days, m_partners);
    m_panel->fillScoreboard(m_data.board);
    m_panel->showCoupleForecast(m_data.coupleForecast);
    // The graphs follow the options as they stand, so a rebuild never shows a graph that
    // disagrees with the chosen buttons.
    applyLowerBound();
    CopyToSameAxisChart();
    if (m_panel->optG2->isChecked())
        optG2_Click();
    noteBuilt();
}

void ComparisonController::applyLowerBound()
{
    const LowerBound mode = m_panel->optG4->isChecked() ? LowerBound::Target : LowerBound::Automatic;
    m_panel->applySeparateAxes(separateAxes(m_data.autoAxes, mode, m_partners.targetWeight1, m_partners.targetWeight2));
}

void ComparisonController::CopyToSameAxisChart()
{
    m_sameAxisData = copyToSameAxis(m_data.days.partner1.graphPoint, m_data.days.partner2.graphPoint, m_panel->currentSeparateAxes());
    m_panel->showSameAxisGraph(m_sameAxisData);
}

void ComparisonController::optG1_Click()
{
    CopyToSameAxisChart();
}

void ComparisonController::optG2_Click()
{
    overlayGraphs(m_sameAxisData, m_panel->currentSeparateAxes());
    m_panel->showSameAxisGraph(m_sameAxisData);
}

void ComparisonController::optG3_Click()
{
    applyLowerBound();
}

void ComparisonController::optG4_Click()
{
    applyLowerBound();
}

void ComparisonController::optGra1_Click()
{
    m_panel->showGraphKind(true);
    m_ctx.session.setHelpText(helpTourText(HelpTopic::SameAxisGraph));
    m_ctx.shell.DSP_HELP();
}

void ComparisonController::optGra2_Click()
{
    m_panel->showGraphKind(false);
    m_ctx.session.setHelpText(helpTourText(HelpTopic::SeparateAxesGraph));
    m_ctx.shell.DSP_HELP();
}
