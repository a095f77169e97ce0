#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <system_error>

#include <unistd.h>

namespace pigmentrix::testing {

// Runs check where file permissions bind: as it is for an ordinary user,
// and for the superuser (CI) in a child process that gives up its rights
// first (as "nobody"), with folder handed to that user. check returns
// whether everything held; the case fails when it does not.
inline void RunWithPermissionsBinding(const std::filesystem::path &folder, const std::function<bool()> &check)
{
    if (::geteuid() != 0) {
        EXPECT_TRUE(check());
        return;
    }
    constexpr uid_t Nobody = 65534;
    std::error_code ignored;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder, ignored))
        [[maybe_unused]] const int owned = ::lchown(entry.path().c_str(), Nobody, Nobody);
    [[maybe_unused]] const int owned = ::chown(folder.c_str(), Nobody, Nobody);
    EXPECT_EXIT(
        {
            if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
                std::_Exit(2);
            std::_Exit(check() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace pigmentrix::testing
