// Feeds arbitrary argument lists to the start-up argument scan. Arguments are
// separated by NUL bytes in the input.
#include "picker/command_line.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back().push_back(static_cast<char>(data[i]));
    }
    const pigmentrix::StartOptions options = pigmentrix::ScanArguments(arguments);
    // The colour parameter is always one of the arguments and always qualifies.
    if (!pigmentrix::IsColorParameter(options.colorParameter))
        std::abort();
    return 0;
}
