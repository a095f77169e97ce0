// Feeds arbitrary text to the template reader: a template error is the only
// acceptable failure, and a template that reads must render any colour.
#include "model/code_template.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace pigmentrix;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    try {
        const CodeTemplate codeTemplate(text);
        const TColor color = size >= 3 ? ComposeColor(data[0], data[1], data[2]) : clBlack;
        codeTemplate.Render(color, size >= 4 ? data[3] : 255);
    } catch (const TemplateError &) {
    }
    return 0;
}
