#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <memory>

struct zip;
struct zip_file;

// A zip file from elsewhere (the Health app's export.zip, a Google Takeout, a folder of Fitbit
// files zipped), read through libzip: its entries are read as streams, never unpacked to disk,
// and every entry's checksum is checked as it is read, so a damaged entry is an error and never
// a shorter text. Messages are Japanese and name the entry.
class ImportArchive
{
public:
    // Opens the archive on a copy of a descriptor of a file already checked (ImportFileHandle).
    static std::unique_ptr<ImportArchive> fromDescriptor(int descriptor, QString *error);
    // Opens an archive held in memory (the fuzzer's bytes); `bytes` must outlive the archive.
    static std::unique_ptr<ImportArchive> fromBytes(QByteArrayView bytes, QString *error);
    ~ImportArchive();

    qint64 entryCount() const;
    QString entryName(qint64 index) const;
    // The uncompressed size the archive states, -1 when it states none; a damaged archive may
    // lie, so reads bound themselves.
    qint64 entrySize(qint64 index) const;
    bool isFolder(qint64 index) const;

    // Up to `maxBytes` of the entry from its start: the whole entry when it is not longer, with
    // *complete set; an error when the entry cannot be read (then *error says why).
    QByteArray read(qint64 index, qint64 maxBytes, bool *complete, QString *error) const;
    // The entry as a device to read in pieces; reading fails (-1, errorString() set) at a
    // damaged piece or a wrong checksum.
    std::unique_ptr<QIODevice> stream(qint64 index) const;

private:
    explicit ImportArchive(zip *archive) : m_zip(archive) {}
    zip *m_zip;
};

// Whether the bytes start as a zip file does (a local entry, or the end record of an empty one).
bool looksLikeZip(QByteArrayView head);
