// The program's start-up, shared by the program and the start-up probe that measures it, so
// the figures are those of the real thing.
#pragma once

#include <QString>

namespace vornask {

enum class RunUntil {
    StartWindowClosed, // the program: until the user closes the start window
    FirstIdle,         // the probe: until the start window is up and nothing is left to do
};

struct StartupOptions {
    RunUntil until = RunUntil::StartWindowClosed;
    // The file named on the command line, empty when none: opened once the start window is up.
    QString fileToOpen;
};

// Names the application, creates every window, shows the start window and runs the event
// loop. A QApplication must exist.
int RunVornaskCreator(const StartupOptions& options = {});

// For --find-game: prints to standard output where the game's registry key was looked for,
// which Wine prefix holds it, the InstallDir read there and the folder the file dialogs will
// start in. Needs no application object and no display. Returns the exit status: 0 when the
// game was found, 1 when not.
int PrintGameSearch();

} // namespace vornask
