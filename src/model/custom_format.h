#pragma once

#include <span>
#include <string>

namespace pigmentrix {

// A colour code of the user's own: the name the notation list and the menu
// show, and the template it is written with (see CodeTemplate).
struct CustomFormat {
    std::string name;
    std::string text;
    friend bool operator==(const CustomFormat &, const CustomFormat &) = default;
};

// Why format cannot join the notations, in words for the user; empty when it
// can. Its name (blanks around it do not count) must be given and differ in
// any letter case from the built-in notations and from otherNames, and its
// template must be one CodeTemplate reads, not empty.
std::string CustomFormatProblem(const CustomFormat &format, std::span<const std::string> otherNames);

} // namespace pigmentrix
