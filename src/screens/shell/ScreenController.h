#pragma once

#include "screens/shell/HelpTexts.h"
#include "screens/shell/ScreenContext.h"
#include "screens/shell/Session.h"

#include <QDate>
#include <QObject>

class QAbstractButton;
class QWidget;

// One screen: its panel and the handlers of its controls. The shell opens it with its screen
// button (prepare, hide the others, show, explain), asks it to rebuild after a partner switch,
// and to show the data as it now is when it changed while the screen is up.
class ScreenController : public QObject
{
    Q_OBJECT
public:
    explicit ScreenController(ScreenContext &context, QObject *parent = nullptr);

    virtual QWidget *panel() const = 0;
    // The help tour's explanation of the screen.
    virtual HelpTopic helpTopic() const = 0;

    // What the screen button builds: some screens build before the others are hidden, so that
    // the previous screen stays up while the work is done; the rest build after. What the screen
    // shows is built again only when the data or the day changed since it was built.
    virtual void prepareBeforeHiding() {}
    virtual void prepareAfterHiding() {}

    // Whether the screen shows the selected partner, so that a partner switch rebuilds it.
    virtual bool followsPartner() const { return true; }
    // Its part of the refresh after a partner switch; by default what the screen button builds.
    virtual void refreshForPartner();
    // The data or the day changed while the screen is shown: it shows them as they now are,
    // keeping what the user typed and chose. Nothing when it is up to date.
    virtual void refreshShown();

    // The screen is about to be left: another screen opens, another partner is chosen or the
    // window closes. False keeps everything as it is (the user chose to stay with text not yet
    // saved).
    virtual bool mayLeave() { return true; }
    // The button Ctrl+S presses while the screen is shown; nothing where the screen saves nothing.
    virtual QAbstractButton *saveButton() const { return nullptr; }
    // Where the keyboard starts when the screen is opened: by default the first control of the
    // panel that Tab reaches.
    virtual QWidget *firstInput() const;

    // Whether what the screen shows was built from the diaries and the day as the session now
    // holds them. The shell has the session look at the files before it opens a screen.
    bool upToDate() const;

protected:
    // Whether the screen shows both partners rather than the selected one.
    virtual bool showsBothPartners() const { return false; }
    // What the screen shows is now built from the diaries as they are.
    void noteBuilt();
    // What the screen shows must be built again at the next chance.
    void forgetBuilt() { m_builtValid = false; }

    ScreenContext &m_ctx;

private:
    DataStamp currentStamp() const;

    bool m_builtValid = false;
    DataStamp m_built;
    QDate m_builtDay;
};
