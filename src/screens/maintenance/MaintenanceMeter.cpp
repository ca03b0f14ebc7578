// The BMI meter of the maintenance screen: it follows the entry screen's BMI, and the slider
// lets the user try other weights.
#include "screens/maintenance/MaintenanceController.h"

#include "metrics/BmiGauge.h"
#include "metrics/BodyMetrics.h"
#include "screens/maintenance/MaintenancePanel.h"
#include "screens/shell/MainState.h"
#include "screens/shell/Session.h"
#include "store/NumberText.h"

#include <QLabel>
#include <QScrollBar>

void MaintenanceController::prepareMeter()
{
    m_panel->lblTai->setText(QString());
}

void MaintenanceController::showBmiOnMeter()
{
    MainState &state = m_ctx.state;
    m_panel->placeMeterPointer(PointerLeft(kMeterGauge, state.meterBmi));
    state.meterSetByProgram = true;
    // A changed value runs UpdateBmiMeter at once, through the slider's change event.
    m_panel->HScroll1->setValue(SliderValueFor(state.meterBmi));
    state.bmiJudgement = JudgeBmi(state.currentBmi).text;
    m_panel->Label9[25]->setText(formatOneDecimal(state.currentBmi));
}

void MaintenanceController::ShowMeterFormula()
{
    const MainState &state = m_ctx.state;
    if (m_ctx.session.recordCount() == 0)
        return;
    m_panel->Label9[28]->setText(generalNumber(state.entry.lastRecordWeight));
    m_panel->Label9[30]->setText(generalNumber(m_ctx.session.profile().height / 100.0f));
}

void MaintenanceController::UpdateBmiMeter()
{
    MainState &state = m_ctx.state;
    MaintenancePanel *p = m_panel;
    const PartnerProfile &profile = m_ctx.session.profile();
    if (m_ctx.session.recordCount() == 0 || !heightIsUsable(profile.height))
        return;
    const bool movedByUser = !state.meterSetByProgram;
    const MeterReading reading = ReadMeter(p->HScroll1->value(), profile.height, p->Label9[28]->text(), movedByUser);
    if (movedByUser)
        p->Label9[28]->setText(reading.weightText);
    state.meterBmi = reading.meterBmi;
    p->placeMeterPointer(PointerLeft(kMeterGauge, state.meterBmi));
    state.meterSetByProgram = false;
    state.bmiJudgement = reading.judgement.text;
    p->Label9[25]->setText(reading.bmiText);
    p->showJudgement(reading.judgement.text, reading.judgement.labelColour);
    p->lblHyojun[0]->setText(reading.standardWeight);
    p->lblHyojun[1]->setText(reading.standardWeight);
    p->lblTai->setText(p->Label9[28]->text());
    p->lblHiman->setText(reading.obesityText);
}
