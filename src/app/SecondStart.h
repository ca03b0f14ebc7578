#pragma once

class Dialogs;
class FolderLock;

// Takes the data folder for this run. When a running program already holds it, says so in a
// message box and returns false: the caller then brings nothing else up.
bool ClaimDataFolder(FolderLock &lock, Dialogs &dialogs);
