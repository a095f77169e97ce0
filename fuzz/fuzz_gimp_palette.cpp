// Feeds arbitrary bytes to the GIMP palette reader. A refusal must carry a
// message; an accepted palette must come back the same from the bytes the
// writer makes of it.
#include "storage/gimp_palette.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace pigmentrix;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const SwatchReadResult read = ParseGimpPalette(bytes);
    if (!read.palette) {
        if (read.error.empty())
            std::abort();
        return 0;
    }
    const SwatchReadResult again = ParseGimpPalette(FormatGimpPalette(*read.palette));
    if (!again.palette || *again.palette != *read.palette)
        std::abort();
    return 0;
}
