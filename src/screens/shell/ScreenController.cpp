#include "screens/shell/ScreenController.h"

#include "ui/Clock.h"

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

DataStamp ScreenController::currentStamp() const
{
    return m_ctx.session.stamp(showsBothPartners());
}

bool ScreenController::upToDate() const
{
    return m_builtValid && m_built == currentStamp() && m_builtDay == m_ctx.clock.today();
}

bool ScreenController::needsBuilding()
{
    m_ctx.session.refresh();
    return !upToDate();
}

void ScreenController::noteBuilt()
{
    m_builtValid = true;
    m_built = currentStamp();
    m_builtDay = m_ctx.clock.today();
}
