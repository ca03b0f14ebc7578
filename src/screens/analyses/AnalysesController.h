#pragma once

#include "screens/shell/ScreenController.h"

class AnalysesPanel;
class QWidget;

// The four analysis lists (fraBunseki).
class AnalysesController : public ScreenController
{
    Q_OBJECT
public:
    AnalysesController(ScreenContext &context, QWidget *panelParent);

    QWidget *panel() const override;
    AnalysesPanel *analysesPanel() const { return m_panel; }
    HelpTopic helpTopic() const override { return HelpTopic::Analyses; }

private:
    AnalysesPanel *m_panel;
};
