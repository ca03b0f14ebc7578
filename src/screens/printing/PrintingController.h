#pragma once

#include "screens/shell/ScreenContext.h"
#include "ui/Printer.h"

#include <QObject>

class QWidget;

// The two print buttons of the main window: the window as it is shown, and the blank weight
// record sheet. Both ask first; nothing of the data files is read.
class PrintingController : public QObject
{
    Q_OBJECT
public:
    // `window` is what 画面印刷 prints, and owns the controller.
    PrintingController(ScreenContext &context, QWidget *window);

    Printer &printer() { return m_printer; }

    void cmdPrint_Click();
    void cmdPrint1_Click();

private:
    bool confirm(const QString &question);
    void print(const QString &documentName, const QString &fileStem, QPageLayout::Orientation orientation,
               const std::function<void(PrintPage &)> &draw);

    ScreenContext &m_ctx;
    QWidget *m_window;
    Printer m_printer;
};

// The record sheet drawn on a page in the order it is laid out: lines, font, texts.
void drawRecordSheet(PrintPage &page);
