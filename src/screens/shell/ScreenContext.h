#pragma once

class Clock;
class DataFolder;
class Dialogs;
class Session;
class ShellServices;
class SituationLists;

// Everything a screen works with besides its own panel, handed to it by the window that owns
// it all: the data folder, the message boxes, the clock, what the screens share and the shell.
struct ScreenContext {
    const DataFolder &folder;
    Dialogs &dialogs;
    Clock &clock;
    Session &session;
    ShellServices &shell;
    // The three list boxes that always show the situation list.
    SituationLists &situations;
};
