#include "picker/app_version.h"

#include <gtest/gtest.h>

#include <regex>

namespace pigmentrix {
namespace {

TEST(AppVersion, IsMajorDotMinor)
{
    EXPECT_TRUE(std::regex_match(GetAppVersion(), std::regex(R"(\d+\.\d+)"))) << GetAppVersion();
}

} // namespace
} // namespace pigmentrix
