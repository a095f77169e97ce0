#pragma once

namespace pigmentrix {

// Runs the program: reads the command line, creates the picker window, shows
// it unless started for autostart, and runs the event loop. Returns the
// process exit code.
int RunPicker(int argc, char **argv);

} // namespace pigmentrix
