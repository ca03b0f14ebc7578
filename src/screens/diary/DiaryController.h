#pragma once

#include "screens/shell/ScreenController.h"

class DiaryPanel;
class QWidget;

// The comment diary and the free memo (fraMemo).
class DiaryController : public ScreenController
{
    Q_OBJECT
public:
    DiaryController(ScreenContext &context, QWidget *panelParent);

    QWidget *panel() const override;
    DiaryPanel *diaryPanel() const { return m_panel; }
    HelpTopic helpTopic() const override { return HelpTopic::Diary; }

    void LoadMemo();
private:
    DiaryPanel *m_panel;
};
