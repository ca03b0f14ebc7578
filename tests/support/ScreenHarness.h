#pragma once

#include "screens/shell/ScreenContext.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "screens/shell/SituationLists.h"
#include "store/DataFolder.h"
#include "store/FileNames.h"
#include "store/Profile.h"
#include "support/FakeClock.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QWidget>

#include <memory>
#include <type_traits>

// A shell that only remembers what the screens asked of it, so that one screen can be tested
// without the window and the other screens.
class RecordingShell : public ShellServices
{
public:
    // The help texts DSP_HELP would have shown (the tour is taken as on).
    QStringList helpShown;
    QStringList failures;
    QStringList malformed;
    QStringList unreadable;
    QList<QDate> entryDaysOpened;
    std::pair<int, int> counts{-1, -1};
    int hideAllCount = 0;
    int endCount = 0;
    Session *session = nullptr;

    void HideAllScreens() override { ++hideAllCount; }
    void DSP_HELP() override { helpShown << (session ? session->helpText() : QString()); }
    void processPendingEvents() override {}
    void showStoreFailure(const QString &title, const QString &message) override { failures << title + u'|' + message; }
    void noteMalformedLines(const QString &, const QString &report) override
    {
        if (!report.isEmpty())
            malformed << report;
    }
    void noteUnreadableFile(const QString &, const QString &message) override
    {
        if (!message.isEmpty())
            unreadable << message;
    }
    void showPartnerCounts(int count1, int count2) override { counts = {count1, count2}; }
    void focusSelectedPartner() override {}
    void openEntryOnDay(const QDate &day) override { entryDaysOpened << day; }
    void endProgram() override { ++endCount; }
};

// One screen's controller on a temporary data folder (or the given one), with scripted boxes, a
// clock (set by the test, or the system's for a benchmark) and a recording shell. The
// controller's panel lives in `host`.
template <typename Controller, typename ClockType = FakeClock>
struct ScreenHarness {
    QTemporaryDir dir;
    DataFolder folder;
    ScriptedDialogs dialogs;
    ClockType clock;
    Session session{folder};
    RecordingShell shell;
    SituationLists situations;
    ScreenContext context{folder, dialogs, clock, session, shell, situations};
    std::unique_ptr<QWidget> host = std::make_unique<QWidget>();
    Controller *controller = nullptr;

    // A screen that needs only the context is built at once; one that reads another screen's
    // results is built with `build` once those exist.
    explicit ScreenHarness(const QString &folderPath = QString())
        : folder(folderPath.isEmpty() ? dir.path() : folderPath)
    {
        shell.session = &session;
        if constexpr (std::is_constructible_v<Controller, ScreenContext &, QWidget *>)
            controller = new Controller(context, host.get());
    }
    template <typename... Sources>
    void build(Sources &...sources)
    {
        controller = new Controller(context, sources..., host.get());
    }
    // The panel in a window of its own, at the size the main window gives it.
    void showHost()
    {
        host->resize(1180, 700);
        controller->panel()->resize(host->size());
        host->show();
    }
    ~ScreenHarness() { host.reset(); }

    QString path() const { return folder.path(); }
    void write(const QString &name, const QString &text) { TestFiles::write(path(), name, text); }
    // A partner's profile file; the screens take it from there, as every profile.
    void writeProfile(int partner, const PartnerProfile &profile)
    {
        if (StoreResult r = WriteProfile(folder, FileName::profileFile(partner), profile); !r)
            qFatal("cannot write the profile: %s", qPrintable(r.message()));
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        T *w = host->findChild<T *>(name);
        if (!w)
            qWarning("no control %s", qPrintable(name));
        return w;
    }
};
