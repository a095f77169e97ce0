#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pigmentrix {

// Runs pigmentrix-cli on its arguments (the program name left out), writing
// results to out and complaints to err. Returns the exit code: 0 done,
// 1 a code that does not convert, 2 bad arguments.
int RunCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

} // namespace pigmentrix
