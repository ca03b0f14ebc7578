#pragma once

class Clock;
class DataFolder;
class Dialogs;
class ShellServices;
class SituationLists;
struct MainState;

// Everything a screen works with besides its own panel, handed to it by the window that owns
// it all: the data folder, the message boxes, the clock, the shared state and the shell.
struct ScreenContext {
    const DataFolder &folder;
    Dialogs &dialogs;
    Clock &clock;
    MainState &state;
    ShellServices &shell;
    // The three list boxes that always show the situation list.
    SituationLists &situations;
};
