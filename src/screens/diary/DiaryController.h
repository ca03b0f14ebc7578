#pragma once

#include "screens/diary/CommentList.h"
#include "screens/shell/ScreenController.h"
#include "store/Measurement.h"

#include <QList>

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
    // The list afresh, the comment save off until a row is chosen; the memo box keeps its text.
    void prepareAfterHiding() override;

    void LoadMemo();
    void SetupCommentGrid();
    void FillCommentList();

    void msgMemoList_Click(int row, int col);
    void txtMemo_KeyPress();
    void cmdMemoHozon_Click();
    void cmdKizukiHozon_Click();

private:
    DiaryPanel *m_panel;
    // The row whose comment is edited; counts only while cmdMemoHozon is enabled.
    int selectedCommentRow = 0;
    // What the list shows, as read when it was filled: a save checks that the file still holds
    // these records before it changes the one chosen.
    QString m_listedFile;
    std::shared_ptr<QList<Measurement>> m_listed = std::make_shared<QList<Measurement>>();
};
