#pragma once

#include "screens/shell/ScreenContext.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "screens/shell/SituationLists.h"
#include "store/DataFolder.h"
#include "ui/Clock.h"
#include "ui/Dialogs.h"

#include <QWidget>

#include <memory>
#include <type_traits>

// One screen's controller on a benchmark folder, shown in a window of its own, with a shell and
// message boxes that do nothing: what is timed is the screen's own work.
class SilentShell : public ShellServices
{
public:
    void HideAllScreens() override {}
    void DSP_HELP() override {}
    void processPendingEvents() override {}
    void showStoreFailure(const QString &, const QString &) override {}
    void noteMalformedLines(const QString &, const QString &) override {}
    void noteUnreadableFile(const QString &, const QString &) override {}
    void showPartnerCounts(int, int) override {}
    void focusSelectedPartner() override {}
    void openEntryOnDay(const QDate &) override {}
    void endProgram() override {}
};

class SilentDialogs : public Dialogs
{
public:
    MessageAnswer show(const Message &message) override
    {
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    std::optional<QString> input(const QString &, const QString &, const QString &) override { return std::nullopt; }
    std::optional<QString> openFileName(const QString &, const QString &, const QString &) override { return std::nullopt; }
    std::optional<QString> saveFileName(const QString &, const QString &, const QString &) override { return std::nullopt; }
};

template <typename Controller>
struct BenchScreen {
    DataFolder folder;
    SilentDialogs dialogs;
    SystemClock clock;
    Session session;
    SilentShell shell;
    SituationLists situations;
    ScreenContext context{folder, dialogs, clock, session, shell, situations};
    std::unique_ptr<QWidget> host = std::make_unique<QWidget>();
    Controller *controller = nullptr;

    // A screen that needs only the context is built at once; one that reads another screen's
    // results is built with `build` once those exist.
    explicit BenchScreen(const QString &path)
        : folder(path)
    {
        if constexpr (std::is_constructible_v<Controller, ScreenContext &, QWidget *>)
            build();
    }
    template <typename... Sources>
    void build(Sources &...sources)
    {
        controller = new Controller(context, sources..., host.get());
        host->resize(1180, 700);
        controller->panel()->resize(host->size());
        host->show();
    }
    ~BenchScreen() { host.reset(); }
};
