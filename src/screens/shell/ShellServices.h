#pragma once

#include <QDate>
#include <QString>

// What the screens ask of the window that holds them. The window implements it; a screen never
// reaches into another screen's panel, it asks the shell, which knows every screen.
class ShellServices
{
public:
    virtual ~ShellServices() = default;

    virtual void HideAllScreens() = 0;
    // Shows the help tour's current text, when the tour is on.
    virtual void DSP_HELP() = 0;
    // Lets the window paint before the next message box opens.
    virtual void processPendingEvents() = 0;

    // A store operation failed: nothing was written, and the message says why.
    virtual void showStoreFailure(const QString &title, const QString &message) = 0;
    // Lines of a file that are not records; each file is reported once per run.
    virtual void noteMalformedLines(const QString &fileName, const QString &report) = 0;
    // A data file that exists but cannot be read (`message` is the store's), or, with an empty
    // message, one that has just been read. Said once until the file reads again; the store
    // refuses every write to it meanwhile.
    virtual void noteUnreadableFile(const QString &fileName, const QString &message) = 0;

    // The counts of the selected day beside both partner buttons, with their colours and faces.
    virtual void showPartnerCounts(int count1, int count2) = 0;
    virtual void focusSelectedPartner() = 0;
    // Sets the entry screen to the day, refreshes it and shows it; the help text stays.
    virtual void openEntryOnDay(const QDate &day) = 0;

    virtual void endProgram() = 0;
};
