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
    void refreshShown() override;
    // A comment or the memo typed and not saved: asks whether to save it first. Yes saves as
    // the save buttons do (a refused save stays), No puts back what is saved, Cancel stays.
    bool mayLeave() override;
    // Ctrl+S: the memo's save while its box has the focus or no comment is being edited,
    // otherwise the comment's.
    QAbstractButton *saveButton() const override;

    void LoadMemo();
    void SetupCommentGrid();
    void FillCommentList();

    void msgMemoList_Click(int row, int col);
    void txtMemo_KeyPress();
    void cmdMemoHozon_Click();
    void cmdKizukiHozon_Click();

private:
    // The memo file changed (here or elsewhere): an untouched box shows it.
    void followMemoFile();
    // Whether the chosen comment or the memo differ from what is saved.
    bool commentUnsaved() const;
    bool memoUnsaved() const;
    // The two saves; false when nothing was saved (refused or failed).
    bool saveComment();
    bool saveMemo();

    DiaryPanel *m_panel;
    // The memo as 気付きメモ.txt holds it, since it was read or last saved.
    QString m_savedMemo;
    // The row whose comment is edited; counts only while cmdMemoHozon is enabled.
    int selectedCommentRow = 0;
    // What the list shows, and the revision of the diary it was filled from: a save names its
    // record by its place in them.
    quint64 m_listedRevision = 0;
    std::shared_ptr<QList<Measurement>> m_listed = std::make_shared<QList<Measurement>>();
};
