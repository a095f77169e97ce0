#pragma once

#include "picker/command_line.h"

namespace pigmentrix {

// What the start of "pigmentrix /pick" goes on with.
struct PickCommandStart {
    // This process is the picker that a command started in the background:
    // it runs as "/autostart" does and takes its request from connection.
    bool runPicker = false;
    int connection = -1;
    // Otherwise the command is over with this exit code: 0 taken (the code
    // is printed), 1 given up or no picker to ask.
    int exitCode = 0;
};

// The command side of "/pick": asks the picker running in this graphical
// session (unless "/multi" or "/notray" rule it out) and waits for its
// answer; without one, it forks the picker that will answer, detached from
// the command's terminal and output so that it can keep running. Runs
// before the application exists.
PickCommandStart StartPickCommand(const StartOptions &options);

} // namespace pigmentrix
