#pragma once

#include "screens/comparison/ComparisonData.h"
#include "screens/shell/ScreenController.h"

class ComparisonPanel;
class QWidget;

// The comparison screen (fraAvgTai): both partners side by side. It shows both partners
// whoever is selected, so a partner switch leaves it alone.
class ComparisonController : public ScreenController
{
    Q_OBJECT
public:
    ComparisonController(ScreenContext &context, QWidget *panelParent);

    QWidget *panel() const override;
    ComparisonPanel *comparisonPanel() const { return m_panel; }
    HelpTopic helpTopic() const override { return HelpTopic::Comparison; }
    void prepareBeforeHiding() override;
    bool followsPartner() const override { return false; }
    void refreshShown() override;

    void SetupAverageGrid();
    // Reads both data files and rebuilds the whole screen. The option buttons keep their choice,
    // and the graphs are drawn the way the chosen options say.
    void ShowComparison();

    void optG1_Click();
    void optG2_Click();
    void optG3_Click();
    void optG4_Click();
    void optGra1_Click();
    void optGra2_Click();

private:
    bool showsBothPartners() const override { return true; }
    void applyLowerBound();
    void CopyToSameAxisChart();

    ComparisonPanel *m_panel;
    // Kept until the next rebuild: the graphs are redrawn from these when an option is chosen.
    ComparisonPartners m_partners;
    ComparisonData m_data;
    SameAxisGraph m_sameAxisData; // what mcrAvgtai2 holds now
};
