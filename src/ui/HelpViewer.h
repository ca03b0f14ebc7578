#pragma once

#include <QWidget>

class QTextBrowser;

// The help window: the program's help document in a browser window of its own, owned by the
// main window.
class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    explicit HelpViewer(QWidget *owner);

    // Shows the document at its first topic and brings the window to the front.
    void showDefaultTopic();
    // Closes every help window.
    void closeAll();

    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};
