#include "diary/PartnerDiary.h"

#include "diary/TrendData.h"
#include "store/CsvMerge.h"
#include "store/Cp932.h"
#include "store/FileNames.h"
#include "store/SituationRename.h"

#include <cstring>

namespace {
int lineEndsIn(const QByteArray &bytes)
{
    int count = 0;
    const char *p = bytes.constData();
    const char *const end = p + bytes.size();
    while ((p = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p))))) {
        ++count;
        ++p;
    }
    return count;
}
} // namespace

PartnerDiary::PartnerDiary(const DataFolder &folder, int partner, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_partner(partner == 2 ? 2 : 1)
{
    m_file.fileName = fileName();
}

PartnerDiary::~PartnerDiary() = default;

QString PartnerDiary::fileName() const
{
    return FileName::dataFile(m_partner);
}

QString PartnerDiary::profileFileName() const
{
    return FileName::profileFile(m_partner);
}

const TrendData &PartnerDiary::trend() const
{
    if (!m_trend || m_trendRevision != m_recordsRevision) {
        m_trend = std::make_unique<TrendData>(ComputeTrendData(m_file.records));
        m_trendRevision = m_recordsRevision;
    }
    return *m_trend;
}

void PartnerDiary::takeData(const FileRead &read)
{
    if (!takeAppended(read)) {
        m_file = ReadMeasurements(read, fileName());
        if (!read.missing())
            m_hadFile = true;
        else if (m_hadFile)
            m_file.readError = QStringLiteral("「%1」が見当たりません（ほかのプログラムが移したか消したようです）。").arg(fileName());
    }
    // What the next reading is compared with, to tell lines added at the end.
    m_read = {read.state == FileRead::State::Read, read.bytes.size(), read.bytes.endsWith('\n'), m_dataSnapshot.hash(),
              lineEndsIn(read.bytes)};
    ++m_recordsRevision;
}

bool PartnerDiary::takeAppended(const FileRead &read)
{
    // Most changes add lines at the end (a save, a sync tool bringing the other computer's
    // measurements): then only the new lines are decoded. The file read before must have ended
    // with its line end, so that no line of it was cut.
    if (!m_read.wasRead || read.state != FileRead::State::Read || !m_read.endedWithLineEnd || read.bytes.size() <= m_read.size)
        return false;
    const QByteArray before = QByteArray::fromRawData(read.bytes.constData(), m_read.size);
    if (hashOf(before) != m_read.hash)
        return false;
    FileRead tail;
    tail.state = FileRead::State::Read;
    tail.bytes = read.bytes.mid(m_read.size);
    MeasurementFile added = ReadMeasurements(tail, fileName());
    m_file.records.append(std::move(added.records));
    for (MalformedLine &bad : added.malformed) {
        bad.lineNumber += m_read.lines;
        m_file.malformed.append(std::move(bad));
    }
    return true;
}

void PartnerDiary::takeProfile(const FileRead &read)
{
    m_profile = read.state == FileRead::State::Read ? ParseProfile(decodeCp932(read.bytes)) : PartnerProfile();
    ++m_profileRevision;
}

void PartnerDiary::load()
{
    takeData(m_dataSnapshot.read(m_folder.pathFor(fileName())));
    takeProfile(m_profileSnapshot.read(m_folder.pathFor(profileFileName())));
}

bool PartnerDiary::refresh()
{
    const std::optional<FileRead> data = m_dataSnapshot.readIfChanged(m_folder.pathFor(fileName()));
    if (data)
        takeData(*data);
    const std::optional<FileRead> profile = m_profileSnapshot.readIfChanged(m_folder.pathFor(profileFileName()));
    if (profile)
        takeProfile(*profile);
    // Announced once both are taken, so that whoever follows sees the two files together.
    if (data)
        Q_EMIT recordsChanged();
    if (profile)
        Q_EMIT profileChanged();
    return data || profile;
}

StoreResult PartnerDiary::writable() const
{
    return m_file.unreadable() ? StoreResult::failure(m_file.readError) : StoreResult::success();
}

StoreResult PartnerDiary::append(const Measurement &m)
{
    return write([&] { return AppendMeasurement(m_folder, fileName(), m); });
}

StoreResult PartnerDiary::insertInOrder(const Measurement &m)
{
    return write([&] { return InsertMeasurementInOrder(m_folder, fileName(), m); });
}

StoreResult PartnerDiary::merge(const QList<Measurement> &added)
{
    return write([&] { return mergeMeasurements(m_folder, fileName(), added); });
}

StoreResult PartnerDiary::renameSituation(const QString &oldText, const QString &newText)
{
    return write([&] { return RenameSituationInData(m_folder, fileName(), oldText, newText); });
}

StoreResult PartnerDiary::write(const std::function<StoreResult()> &writer)
{
    refresh();
    if (StoreResult r = writable(); !r)
        return r;
    const StoreResult written = writer();
    refresh();
    return written;
}

StoreResult PartnerDiary::startOver(const std::function<StoreResult()> &writer)
{
    const StoreResult written = writer();
    refresh();
    return written;
}

StoreResult PartnerDiary::writeProfile(const PartnerProfile &profile)
{
    refresh();
    const StoreResult written = WriteProfile(m_folder, profileFileName(), profile);
    refresh();
    return written;
}

RecordChange PartnerDiary::changeListed(quint64 listedRevision, int index,
                                        const std::function<RecordChange(int index, int count, const Measurement &expected)> &change)
{
    const QString changedElsewhere = QStringLiteral("「%1」はほかのプログラムによって変更されていました。\n"
                                                    "一覧を読み込み直しましたので、記録を選んでもう一度やり直してください。")
                                         .arg(fileName());
    refresh();
    if (listedRevision != m_recordsRevision || index < 0 || index >= m_file.records.size())
        return {StoreResult::failure(changedElsewhere), true};
    if (StoreResult r = writable(); !r)
        return {r, false};
    RecordChange changed = change(index, recordCount(), m_file.records.at(index));
    if (changed.fileChanged) {
        // The file differs from what was read while its identity does not tell: read it whole.
        takeData(m_dataSnapshot.read(m_folder.pathFor(fileName())));
        Q_EMIT recordsChanged();
        changed.result = StoreResult::failure(changedElsewhere);
        return changed;
    }
    refresh();
    return changed;
}

RecordChange PartnerDiary::replaceComment(quint64 listedRevision, int index, const QString &comment)
{
    return changeListed(listedRevision, index, [&](int i, int count, const Measurement &expected) {
        return ReplaceComment(m_folder, fileName(), i, count, expected, comment);
    });
}

RecordChange PartnerDiary::replaceRecord(quint64 listedRevision, int index, const Measurement &replacement)
{
    return changeListed(listedRevision, index, [&](int i, int count, const Measurement &expected) {
        return ReplaceRecord(m_folder, fileName(), i, count, expected, replacement);
    });
}

RecordChange PartnerDiary::deleteRecord(quint64 listedRevision, int index)
{
    return changeListed(listedRevision, index, [&](int i, int count, const Measurement &expected) {
        return DeleteRecord(m_folder, fileName(), i, count, expected);
    });
}
