// The program's start-up, shared by the program and the start-up probe that measures it, so
// the figures are those of the real thing.
#pragma once

namespace vornask {

enum class RunUntil {
    StartWindowClosed, // the program: until the user closes the start window
    FirstIdle,         // the probe: until the start window is up and nothing is left to do
};

// Names the application, creates every window, shows the start window and runs the event
// loop. A QApplication must exist.
int RunVornaskCreator(RunUntil until = RunUntil::StartWindowClosed);

} // namespace vornask
