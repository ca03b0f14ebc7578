#pragma once

#include "store/StoreResult.h"

#include <QByteArray>
#include <QString>

// The one way the store reads a whole file: before computing from it and, above all, before
// writing it back changed. A file is missing, read whole, or unreadable: one that cannot be
// opened (no permission, a folder of that name, an I/O error) and one whose read ends short of
// the file's size are unreadable, never an empty or shorter file, so that nothing is written back
// over what could not be read.
struct FileRead {
    enum class State { Missing, Read, Unreadable };
    State state = State::Missing;
    QByteArray bytes; // the whole file when read; empty otherwise
    // When unreadable: "「データ1.txt」を読み込めませんでした（…）。", naming the file as it is
    // spelled in its folder.
    QString error;

    bool missing() const { return state == State::Missing; }
    bool unreadable() const { return state == State::Unreadable; }
    // Success for a missing or a read file; for a writer that must not go on after a failed read.
    StoreResult result() const { return unreadable() ? StoreResult::failure(error) : StoreResult::success(); }
};

FileRead readWholeFile(const QString &path);
