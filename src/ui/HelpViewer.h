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
    // The same at a section of the document (an anchor name); its start when empty.
    void showTopic(const QString &section);
    // Closes every help window.
    void closeAll();

    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};
