#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pigmentrix {

// What the command line asks of this start.
struct StartOptions {
    bool singleInstanceCheck = true; // "/multi" turns it off
    bool allowClose = false; // "/allowclose"
    bool autostart = false; // "/autostart"
    bool noTray = false; // "/notray"
    std::string colorParameter; // last argument made only of "#" and hex digits
    bool pick = false; // "/pick" or "--pick": pick a colour at once, print its code
    bool colorArgumentGiven = false; // some argument was a colour, not empty
};

// Every character is "#", 0-9, A-F or a-f; the empty text qualifies too.
bool IsColorParameter(const std::string &argument);

// Scans every argument, the program path (argument 0) included. Switches are
// compared case-insensitively (ASCII); the last qualifying colour parameter
// wins, so an empty argument after a colour clears it. "/notray" forcing allow
// close on and autostart off happens later, once the window exists.
StartOptions ScanArguments(const std::vector<std::string> &arguments);

// Why these options cannot be carried out, in plain words; nullopt when
// they can. A colour to start with and a pick of one exclude each other.
std::optional<std::string> ArgumentError(const StartOptions &options);

} // namespace pigmentrix
