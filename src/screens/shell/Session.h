#pragma once

#include "store/DataFolder.h"
#include "store/Profile.h"

#include <QObject>
#include <QString>

#include <memory>

class FileSnapshot;
class FolderWatcher;
class PartnerDiary;

// What a screen was built from: the selected partner and the revision of each diary it showed
// (0 for a diary it does not show). Equal stamps, equal screens.
struct DataStamp {
    int partner = 0;
    quint64 partner1 = 0;
    quint64 partner2 = 0;
    bool operator==(const DataStamp &) const = default;
};

// What the screens share while the program runs: both partners' diaries (records and profiles,
// each held once, always true to their files), the selected partner, the settings more than one
// screen reads, the start-up flag and the help text. The window owns it. Every change to the
// partners' files goes through the diaries, and the session announces it, whoever made it:
// this program's screens or, once seen, another program.
class Session : public QObject
{
    Q_OBJECT
public:
    explicit Session(const DataFolder &folder, QObject *parent = nullptr);
    ~Session() override;

    // The selected partner, 1 or 2; partner 1 until another one is selected.
    int partner() const { return m_partner; }
    // The selected partner's files, named by the store as every other reader names them.
    QString currentDataFile() const;
    QString currentProfileFile() const;
    // Another partner is selected; the screens hear of it only when it is another partner.
    void selectPartner(int partner);

    PartnerDiary &diary(int partner);
    const PartnerDiary &diary(int partner) const;
    // The selected partner's.
    PartnerDiary &diary() { return diary(m_partner); }
    const PartnerDiary &diary() const { return diary(m_partner); }
    const PartnerProfile &profile() const;
    const PartnerProfile &profile(int partner) const;
    QString nickname(int partner) const;
    float targetWeight(int partner) const;
    // The number of measurements of the selected partner; the body metrics and the analysis lists
    // do nothing while it is 0.
    int recordCount() const;

    // Reads both partners' files, as the start-up does, without announcing anything.
    void load();
    // Takes in every change made to the folder's files since they were read (a look at each
    // file's identity; only a changed file is read) and announces each. Called when a screen is
    // entered, when the window is activated and when the folder watcher tells of a change.
    void refresh();
    // From now on a change in the data folder is taken in shortly after it is made.
    void watchFolder();

    DataStamp stamp(bool bothPartners) const;

    // Set while the start-up sets the controls from the stored values: the handlers that would
    // show messages or write files return at once.
    bool isLoading() const { return m_isLoading; }
    void setLoading(bool loading) { m_isLoading = loading; }

    // The explanation of the screen last opened, which the help tour shows.
    const QString &helpText() const { return m_helpText; }
    void setHelpText(const QString &text) { m_helpText = text; }

    // The scale steps of the arrow buttons, as typed or chosen (they need not be numbers).
    const QString &weightStep() const { return m_weightStep; }
    const QString &fatStep() const { return m_fatStep; }
    void setWeightStep(const QString &step) { m_weightStep = step; }
    void setFatStep(const QString &step) { m_fatStep = step; }
    // Whether a save on today's date writes the time of day as its comment.
    bool autoTimeStamp() const { return m_autoTimeStamp; }
    void setAutoTimeStamp(bool on) { m_autoTimeStamp = on; }

Q_SIGNALS:
    // Another partner is selected.
    void partnerChanged(int partner);
    // A partner's records (or what reading them found) changed, by this program or another.
    void recordsChanged(int partner);
    // A partner's profile changed.
    void profileChanged(int partner);
    // The memo or the situation list file is no longer what was read; whoever shows it reads
    // it and compares.
    void memoFileChanged();
    void situationFileChanged();
    // Something in the data folder changed (the watcher's notice, after the files were taken in):
    // a file may have come that none of the above follows, a sync tool's conflict copy.
    void folderChanged();

private:
    DataFolder m_folder;
    int m_partner = 1;
    std::unique_ptr<PartnerDiary> m_diary1;
    std::unique_ptr<PartnerDiary> m_diary2;
    std::unique_ptr<FileSnapshot> m_memo;
    std::unique_ptr<FileSnapshot> m_situations;
    FolderWatcher *m_watcher = nullptr;
    bool m_isLoading = false;
    QString m_helpText;
    QString m_weightStep = QStringLiteral("0.1");
    QString m_fatStep = QStringLiteral("0.1");
    bool m_autoTimeStamp = false;
};
