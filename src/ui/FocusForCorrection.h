#pragma once

class QWidget;

// After a refused input the focus goes to the box that failed its check, with its whole text
// selected: the user sees which box it was and types over it. A list only gets the focus.
void focusForCorrection(QWidget *box);
