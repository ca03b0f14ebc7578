#pragma once

#include "store/Profile.h"

#include <QObject>
#include <QString>

// What the screens share while the program runs: the selected partner with the profile last read
// for them, both partners' nicknames and targets, the settings more than one screen reads, the
// start-up flag and the record count. The window owns it; a screen that changes something others
// show says so here, and the others follow the signals. Nothing here is saved on exit: every
// change that matters is written to its file when it is made.
class Session : public QObject
{
    Q_OBJECT
public:
    explicit Session(QObject *parent = nullptr);

    // The selected partner, 1 or 2; partner 1 until another one is selected.
    int partner() const { return m_partner; }
    // The selected partner's files, named by the store as every other reader names them.
    QString currentDataFile() const;
    QString currentProfileFile() const;
    // The selected partner's profile as last read or saved.
    const PartnerProfile &profile() const { return m_profile; }

    // `partner` becomes the selected partner, with the profile read from their file. The screens
    // hear of it only when it is another partner than before.
    void selectPartner(int partner, const PartnerProfile &profile);
    // A partner's profile as read at start-up: the nickname on their button and the target
    // weight the comparison draws.
    void notePartnerProfile(int partner, const PartnerProfile &profile);
    // The selected partner's profile has just been saved: their nickname and target follow it.
    void setProfile(const PartnerProfile &profile);
    // A screen has changed the selected partner's measurements (an import, a renamed situation).
    void noteDataFileChanged();

    QString nickname(int partner) const { return partner == 2 ? m_nickname2 : m_nickname1; }
    float targetWeight(int partner) const { return partner == 2 ? m_target2 : m_target1; }

    // Set while the start-up sets the controls from the stored values: the handlers that would
    // show messages or write files return at once.
    bool isLoading() const { return m_isLoading; }
    void setLoading(bool loading) { m_isLoading = loading; }

    // The number of measurements in the current data file, as the entry refresh or the trend data
    // last counted them; the body metrics and the analysis lists do nothing while it is 0.
    int recordCount() const { return m_recordCount; }
    void setRecordCount(int count) { m_recordCount = count; }

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
    // Another partner is selected; their profile is the current one already.
    void partnerChanged(int partner);
    // The selected partner's profile was saved.
    void profileChanged();
    // The selected partner's measurements were changed by another screen than the entry screen.
    // A changed comment alone says nothing: no other screen keeps comments.
    void dataFileChanged();

private:
    int m_partner = 1;
    PartnerProfile m_profile;
    QString m_nickname1;
    QString m_nickname2;
    float m_target1 = 0;
    float m_target2 = 0;
    bool m_isLoading = false;
    int m_recordCount = 0;
    QString m_helpText;
    QString m_weightStep = QStringLiteral("0.1");
    QString m_fatStep = QStringLiteral("0.1");
    bool m_autoTimeStamp = false;
};
