// The two BMI gauges: the small one of the entry screen and the meter of the maintenance screen.
#include "app/MainWindow.h"

#include "metrics/BmiGauge.h"
#include "metrics/BodyMetrics.h"
#include "screens/entry/EntryPanel.h"
#include "screens/maintenance/MaintenancePanel.h"
#include "store/NumberText.h"

#include <QLabel>
#include <QScrollBar>

void MainWindow::ShowBmiGauge()
{
    if (m_state.entry.recordCount == 0)
        return;
    // Without a height there is no BMI: the gauges keep what they showed.
    const std::optional<float> bmi = Bmi(m_state.entry.latestWeight, m_state.profile.height);
    if (!bmi)
        return;
    m_state.currentBmi = *bmi;
    m_state.meterBmi = ClampMeterBmi(m_state.currentBmi);
    fraMain->placeGaugePointer(PointerLeft(kEntryGauge, m_state.meterBmi));
    fraSettei->placeMeterPointer(PointerLeft(kMeterGauge, m_state.meterBmi));
    m_state.meterSetByProgram = true;
    // A changed value runs UpdateBmiMeter at once, through the slider's change event.
    fraSettei->HScroll1->setValue(SliderValueFor(m_state.meterBmi));
    const BmiJudgement judgement = JudgeBmi(m_state.currentBmi);
    m_state.bmiJudgement = judgement.text;
    fraMain->showJudgement(judgement.text, judgement.labelColour);
    fraSettei->Label9[25]->setText(formatOneDecimal(m_state.currentBmi));
}

void MainWindow::ShowMeterFormula()
{
    if (m_state.entry.recordCount == 0)
        return;
    fraSettei->Label9[28]->setText(generalNumber(m_state.entry.lastRecordWeight));
    fraSettei->Label9[30]->setText(generalNumber(m_state.profile.height / 100.0f));
}

void MainWindow::UpdateBmiMeter()
{
    if (m_state.entry.recordCount == 0 || !heightIsUsable(m_state.profile.height))
        return;
    const bool movedByUser = !m_state.meterSetByProgram;
    const MeterReading reading = ReadMeter(fraSettei->HScroll1->value(), m_state.profile.height, fraSettei->Label9[28]->text(), movedByUser);
    if (movedByUser)
        fraSettei->Label9[28]->setText(reading.weightText);
    m_state.meterBmi = reading.meterBmi;
    fraSettei->placeMeterPointer(PointerLeft(kMeterGauge, m_state.meterBmi));
    m_state.meterSetByProgram = false;
    m_state.bmiJudgement = reading.judgement.text;
    fraSettei->Label9[25]->setText(reading.bmiText);
    fraSettei->showJudgement(reading.judgement.text, reading.judgement.labelColour);
    fraSettei->lblHyojun[0]->setText(reading.standardWeight);
    fraSettei->lblHyojun[1]->setText(reading.standardWeight);
    fraSettei->lblTai->setText(fraSettei->Label9[28]->text());
    fraSettei->lblHiman->setText(reading.obesityText);
}
