#pragma once

#include "screens/shell/HelpTexts.h"
#include "screens/shell/ScreenContext.h"

#include <QObject>

class QAbstractButton;
class QWidget;

// One screen: its panel and the handlers of its controls. The shell opens it with its screen
// button (prepare, hide the others, show, explain) and asks it to rebuild after a partner switch.
class ScreenController : public QObject
{
    Q_OBJECT
public:
    explicit ScreenController(ScreenContext &context, QObject *parent = nullptr);

    virtual QWidget *panel() const = 0;
    // The help tour's explanation of the screen.
    virtual HelpTopic helpTopic() const = 0;

    // What the screen button builds: some screens build before the others are hidden, so that
    // the previous screen stays up while the work is done; the rest build after.
    virtual void prepareBeforeHiding() {}
    virtual void prepareAfterHiding() {}

    // Whether the screen shows the selected partner, so that a partner switch rebuilds it.
    virtual bool followsPartner() const { return true; }
    // Its part of the refresh after a partner switch; by default what the screen button builds.
    virtual void refreshForPartner();

    // The screen is about to be left: another screen opens, another partner is chosen or the
    // window closes. False keeps everything as it is (the user chose to stay with text not yet
    // saved).
    virtual bool mayLeave() { return true; }
    // The button Ctrl+S presses while the screen is shown; nothing where the screen saves nothing.
    virtual QAbstractButton *saveButton() const { return nullptr; }

protected:
    ScreenContext &m_ctx;
};
