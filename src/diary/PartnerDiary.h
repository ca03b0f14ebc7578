#pragma once

#include "diary/FileSnapshot.h"
#include "store/DataFile.h"
#include "store/DataFolder.h"
#include "store/Profile.h"
#include "store/RecordEdit.h"

#include <QObject>

#include <functional>
#include <memory>

struct TrendData;

// One partner's diary as every screen sees it: the records of the data file as last read, what
// reading it found wrong, and the profile. It is read at start-up and again only when one of
// the two files is no longer what was read (FileSnapshot), and every change the program makes to
// either file goes through it, so that no screen ever works from a copy of its own.
//
// Each change of the records or the profile, whoever made it, moves the revision on and is
// announced by a signal; a screen that remembers the revision it showed knows whether it is
// still true to the files.
class PartnerDiary : public QObject
{
    Q_OBJECT
public:
    PartnerDiary(const DataFolder &folder, int partner, QObject *parent = nullptr);
    ~PartnerDiary() override;

    int partner() const { return m_partner; }
    QString fileName() const;
    QString profileFileName() const;

    // The records in file order, and what the reading found (malformed lines, an unreadable or
    // vanished file). A file that cannot be read holds no records, which is not an empty diary.
    const MeasurementFile &file() const { return m_file; }
    const QList<Measurement> &records() const { return m_file.records; }
    int recordCount() const { return int(m_file.records.size()); }
    const PartnerProfile &profile() const { return m_profile; }
    // The trend data set of the records, worked out once for each revision.
    const TrendData &trend() const;
    // Moves on with every change of the records (or of what reading them found) or the profile.
    quint64 revision() const { return m_recordsRevision + m_profileRevision; }
    // Moves on with every change of the records alone: a list names its records by it.
    quint64 recordsRevision() const { return m_recordsRevision; }

    // Reads both files afresh.
    void load();
    // Reads again each file that is no longer what was read; true when the records or the
    // profile changed.
    bool refresh();

    // The writes. Each first takes in any change made from outside, then writes, then reads the
    // file back: what the diary holds is always what the file holds. A data file that cannot be
    // read, or that has gone since it was read, is written to by none of them (but a new start).
    StoreResult append(const Measurement &m);
    StoreResult insertInOrder(const Measurement &m);
    StoreResult merge(const QList<Measurement> &added);
    StoreResult renameSituation(const QString &oldText, const QString &newText);
    StoreResult writeProfile(const PartnerProfile &profile);
    // Changes record `index` of the records as they were at `listedRevision`, the revision the
    // caller listed them from. When the file has changed since (here or on disk), nothing is
    // written, the records are read again and the refusal says so (fileChanged).
    RecordChange replaceComment(quint64 listedRevision, int index, const QString &comment);
    RecordChange replaceRecord(quint64 listedRevision, int index, const Measurement &replacement);
    RecordChange deleteRecord(quint64 listedRevision, int index);
    // A writer of both files that replaces them whole (a new couple's registration): runs even
    // when the data file has gone, then reads both back.
    StoreResult startOver(const std::function<StoreResult()> &writer);
    // Any other writer of the data file (a conversion of older data).
    StoreResult write(const std::function<StoreResult()> &writer);

Q_SIGNALS:
    // The records, or what reading the data file found, changed.
    void recordsChanged();
    void profileChanged();

private:
    // Takes what was read, which differs from what the diary held.
    void takeData(const FileRead &read);
    // Takes a file that only grew at the end by decoding what was added; false when it changed
    // in any other way.
    bool takeAppended(const FileRead &read);
    void takeProfile(const FileRead &read);
    // The refusal for a data file that is not there to be written, or cannot be read.
    StoreResult writable() const;
    RecordChange changeListed(quint64 listedRevision, int index,
                              const std::function<RecordChange(int index, int count, const Measurement &expected)> &change);

    DataFolder m_folder;
    int m_partner;
    FileSnapshot m_dataSnapshot;
    FileSnapshot m_profileSnapshot;
    MeasurementFile m_file;
    PartnerProfile m_profile;
    // The data file has been there in this run: its disappearing is then no empty diary.
    bool m_hadFile = false;
    // The data file as last read, as far as telling lines added at its end needs.
    struct Reading {
        bool wasRead = false;
        qsizetype size = 0;
        bool endedWithLineEnd = false;
        size_t hash = 0;
        int lines = 0;
    } m_read;
    quint64 m_recordsRevision = 0;
    quint64 m_profileRevision = 0;
    mutable std::unique_ptr<TrendData> m_trend;
    mutable quint64 m_trendRevision = 0;
};
