// Feeds arbitrary bytes to the palette file reader. A refusal must carry a
// message; an accepted palette (any colour values, system colours included)
// must survive being written and read again.
#include "storage/palette_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace pigmentrix;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const PaletteLoadResult loaded = ParsePaletteText(bytes, DesignPalette);
    if (!loaded.palette) {
        if (loaded.error.empty())
            std::abort();
        return 0;
    }
    const PaletteLoadResult again = ParsePaletteText(FormatPaletteFile(*loaded.palette), Palette{});
    if (!again.palette || *again.palette != *loaded.palette)
        std::abort();
    return 0;
}
