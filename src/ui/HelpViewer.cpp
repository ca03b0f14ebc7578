#include "ui/HelpViewer.h"

#include "ui/Colors.h"
#include "ui/Twips.h"
#include "ui/WindowPlacement.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpViewer::HelpViewer(QWidget *owner)
    : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(QStringLiteral("ポムリナ ヘルプ"));
    resize(layoutPixels(720, owner), layoutPixels(640, owner));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(false);
    // The help is a page written for white paper (its coloured words and marked spans), shown
    // as such on a dark desktop too.
    setBoxColor(m_browser, 0xFFFFFF);
    auto *home = new QPushButton(QStringLiteral("目次へ"), this);
    home->setObjectName(QStringLiteral("helpHome"));
    connect(home, &QPushButton::clicked, this, &HelpViewer::showDefaultTopic);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(home, 0, Qt::AlignRight);
}

void HelpViewer::showDefaultTopic()
{
    showTopic(QString());
}

void HelpViewer::showTopic(const QString &section)
{
    QUrl document(QStringLiteral("qrc:/help/pmlina_help.html"));
    if (!section.isEmpty())
        document.setFragment(section);
    m_browser->setSource(document);
    if (section.isEmpty()) {
        m_browser->scrollToAnchor(QString());
        m_browser->moveCursor(QTextCursor::Start);
    }
    if (!isVisible() && parentWidget()) {
        // Beside the main window's middle, inside the screen's available area.
        move(parentWidget()->geometry().center() - rect().center());
        keepInsideAvailableArea(this);
    }
    show();
    raise();
    activateWindow();
    // The browser can only scroll to a section once its page is laid out in the window.
    if (!section.isEmpty())
        m_browser->scrollToAnchor(section);
}

void HelpViewer::closeAll()
{
    close();
}
