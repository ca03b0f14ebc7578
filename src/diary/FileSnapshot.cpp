#include "diary/FileSnapshot.h"

#include <QHashFunctions>

#include <algorithm>

namespace {
// How close to the reading a file's times must lie for a change to hide within their tick: the
// two seconds of FAT, the coarsest file system a data folder is likely to be on.
constexpr qint64 kCoarseTimesNs = 2'000'000'000;

} // namespace

size_t hashOf(const QByteArray &bytes)
{
    return qHashBits(bytes.constData(), size_t(bytes.size()), 0x9E3779B97F4A7C15ull);
}

bool FileSnapshot::uncertain() const
{
    if (!m_known || m_state == FileRead::State::Unreadable)
        return true;
    if (!m_identity.exists)
        return false;
    return m_readAtNs - std::max(m_identity.changedNs, m_identity.modifiedNs) < kCoarseTimesNs;
}

void FileSnapshot::remember(const FileIdentity &before, const FileRead &read, size_t hash)
{
    m_known = true;
    m_identity = before;
    m_readAtNs = fileClockNowNs();
    m_state = read.state;
    m_error = read.error;
    m_hash = hash;
    m_hashKnown = true;
}

void FileSnapshot::note(const QString &path)
{
    m_known = true;
    m_identity = identityOf(path);
    m_readAtNs = fileClockNowNs();
    m_state = m_identity.exists ? FileRead::State::Read : FileRead::State::Missing;
    m_error.clear();
    m_hashKnown = false;
}

FileRead FileSnapshot::read(const QString &path)
{
    // The identity is taken before the bytes: a change between the two is then seen as a change
    // at the next look, never taken for what was read.
    const FileIdentity before = identityOf(path);
    FileRead read = readWholeFile(path);
    remember(before, read, hashOf(read.bytes));
    return read;
}

std::optional<FileRead> FileSnapshot::readIfChanged(const QString &path)
{
    const FileIdentity now = identityOf(path);
    if (m_known && now == m_identity && !uncertain())
        return std::nullopt;
    FileRead read = readWholeFile(path);
    const size_t hash = hashOf(read.bytes);
    const bool same = m_known && m_hashKnown && read.state == m_state && read.error == m_error && hash == m_hash;
    // Remembered again either way: a file whose bytes proved the same is now known by times
    // that lie further behind this reading, and the next look is a stat alone.
    remember(now, read, hash);
    if (same)
        return std::nullopt;
    return read;
}
