// Feeds arbitrary bytes to the swatch exchange reader. A refusal must carry
// a message; the colours and names of an accepted file must come back the
// same from the RGB entries the writer makes of them.
#include "storage/swatch_exchange.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace pigmentrix;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const SwatchReadResult read = ParseSwatchExchange(bytes);
    if (!read.palette) {
        if (read.error.empty())
            std::abort();
        return 0;
    }
    const SwatchReadResult again = ParseSwatchExchange(FormatSwatchExchange(*read.palette));
    if (!again.palette || again.palette->swatches != read.palette->swatches)
        std::abort();
    return 0;
}
