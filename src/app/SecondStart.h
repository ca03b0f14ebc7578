#pragma once

#include <QString>

class Dialogs;
class FolderLock;

// Takes the data folder for this run. When another program on this computer holds it, says so
// in a message box, naming its process, and returns false: the caller then brings nothing else
// up. When the folder cannot be had for another reason (it cannot be written, the lock cannot be
// made), says why and what still works, turns the store's writers off for this run, and returns
// true: the diary opens to be read.
bool ClaimDataFolder(FolderLock &lock, Dialogs &dialogs);

// The same for a command without a window, which writes nothing unless it has the folder to
// itself: an empty string when it has it, otherwise the message for standard error, `task` naming
// what to do once the window is closed ("取り込んで").
QString ClaimDataFolderForCommand(FolderLock &lock, const QString &task);
