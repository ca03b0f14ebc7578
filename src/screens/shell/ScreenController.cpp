#include "screens/shell/ScreenController.h"

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
