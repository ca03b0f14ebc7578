#include "screens/shell/ScreenController.h"

#include "ui/Clock.h"

#include <QWidget>

ScreenController::ScreenController(ScreenContext &context, QObject *parent)
    : QObject(parent)
    , m_ctx(context)
{
}

void ScreenController::refreshForPartner()
{
    prepareBeforeHiding();
    prepareAfterHiding();
}

void ScreenController::refreshShown()
{
    if (upToDate())
        return;
    prepareBeforeHiding();
    prepareAfterHiding();
}

QWidget *ScreenController::firstInput() const
{
    QWidget *const start = panel();
    for (QWidget *w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
        if (start->isAncestorOf(w) && w->isVisibleTo(start) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            return w;
    }
    return nullptr;
}

DataStamp ScreenController::currentStamp() const
{
    return m_ctx.session.stamp(showsBothPartners());
}

bool ScreenController::upToDate() const
{
    return m_builtValid && m_built == currentStamp() && m_builtDay == m_ctx.clock.today();
}

void ScreenController::noteBuilt()
{
    m_builtValid = true;
    m_built = currentStamp();
    m_builtDay = m_ctx.clock.today();
}
