#include "model/custom_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pigmentrix {
namespace {

struct ProblemRow {
    const char *what;
    CustomFormat format;
    std::string problem;
};

TEST(CustomFormatTest, NamesWhatKeepsAFormatOut)
{
    const std::vector<std::string> others = {"Tailwind", "Swift"};
    const std::vector<ProblemRow> rows = {
        {"fine", {"Qt", "QColor({r}, {g}, {b})"}, ""},
        {"blanks around a free name", {"  Qt  ", "#{hex}"}, ""},
        {"no name", {"", "#{hex}"}, "Enter a name for the format."},
        {"blanks only", {" \t ", "#{hex}"}, "Enter a name for the format."},
        {"another format's name", {"tailwind", "#{hex}"}, "There is already a format called 'tailwind'."},
        {"a built-in notation's name", {" HTML hex ", "#{hex}"}, "There is already a format called 'HTML hex'."},
        {"no template", {"Qt", ""}, "Enter a template for the format."},
        {"unknown field", {"Qt", "{red}"}, "Unknown field 'red' in template"},
        {"bad format", {"Qt", "{r:q}"}, "Bad format 'q' for field 'r'"},
    };
    for (const ProblemRow &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(CustomFormatProblem(row.format, others), row.problem);
    }
}

} // namespace
} // namespace pigmentrix
