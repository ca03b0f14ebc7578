#include "screens/diary/DiaryController.h"

#include "screens/diary/DiaryPanel.h"
#include "screens/shell/MainState.h"
#include "store/MemoFile.h"

#include <QPlainTextEdit>

DiaryController::DiaryController(ScreenContext &context, QWidget *panelParent)
    : ScreenController(context, panelParent)
    , m_panel(new DiaryPanel(panelParent))
{
}

QWidget *DiaryController::panel() const
{
    return m_panel;
}

void DiaryController::LoadMemo()
{
    m_ctx.state.memoText = ReadMemo(m_ctx.folder);
    m_panel->txtKizuki->setPlainText(m_ctx.state.memoText);
}
