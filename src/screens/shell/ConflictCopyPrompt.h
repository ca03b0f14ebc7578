#pragma once

#include "screens/shell/ConflictCopyDialog.h"
#include "screens/shell/ScreenContext.h"

#include <QList>
#include <QSet>

#include <functional>
#include <optional>

struct ConflictCopy;

// The offer of the conflict copies a sync tool left in the data folder, at start-up and whenever
// the folder changes. For a partner's data file the window 同期の競合コピー lists what the copy
// holds that the file lacks; the ticked measurements are added and the copy moves into the
// backup folder (also when nothing was missing), and あとで leaves everything as it is, to be
// offered again. For any other file the current one stays, the user is told how the copy
// differs, and the copy moves into the backup folder; the memo's lines that only the copy has
// may be appended first.
class ConflictCopyPrompt
{
public:
    // The window's answer for one copy: the ticked measurements (indexes into the offer's), or
    // nothing for あとで. Tests put their own answer in place of the window.
    using Chooser = std::function<std::optional<QList<int>>(const ConflictCopyOffer &)>;
    static void setChooser(Chooser chooser);

    explicit ConflictCopyPrompt(ScreenContext &context) : m_ctx(context) {}

    // Runs before the first box opens: the splash window stays on top and would hide it.
    void setBeforeAsking(std::function<void()> beforeAsking) { m_beforeAsking = std::move(beforeAsking); }

    void OfferConflictCopies();

private:
    void offerDataCopy(const ConflictCopy &copy);
    void offerOtherCopy(const ConflictCopy &copy);
    void beforeAsking();
    // Says why `copy` could not be taken in; it is not offered again in this run, since every
    // save of the program's own is a change of the folder.
    void fail(const ConflictCopy &copy, const QString &message);

    ScreenContext &m_ctx;
    std::function<void()> m_beforeAsking;
    // Copies put off with あとで, or that could not be taken in, in this run.
    QSet<QString> m_later;
    bool m_offering = false;
};
