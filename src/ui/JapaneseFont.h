#pragma once

class QApplication;

// Japanese text wants Japanese glyph shapes: the application's font becomes the first Japanese
// family installed (Noto Sans CJK JP, ...), at the desktop's size; nothing changes without one.
void chooseJapaneseFont(QApplication &app);
