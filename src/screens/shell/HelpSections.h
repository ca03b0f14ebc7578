#pragma once

#include "screens/shell/HelpTexts.h"

#include <QString>

// The section of the help document (its anchor) that explains a screen; the help window opens
// there when the screen is shown.
QString helpDocumentSection(HelpTopic topic);
