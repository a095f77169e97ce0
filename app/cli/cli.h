#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pigmentrix {

// Runs pigmentrix-cli on its arguments (the program name left out), reading
// the colours given as "-" from in, writing results to out and complaints to
// err. Returns the exit code: 0 done, 1 a colour or code that does not
// convert, 2 bad arguments.
int RunCli(const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

} // namespace pigmentrix
