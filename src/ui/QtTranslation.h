#pragma once

class QCoreApplication;

// Qt's own texts (the context menu of a text box, the buttons of the standard boxes, the
// calendar) in Japanese, whatever the user's locale: the rest of the program speaks Japanese,
// and a menu that says "Undo" beside it would not. Returns false when the translation file is
// not installed; the program then runs with Qt's English texts.
bool installJapaneseQtTranslation(QCoreApplication &app);
