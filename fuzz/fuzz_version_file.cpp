// Feeds arbitrary bytes, read as UTF-8 as the download is, to the version
// file reader and its parts.
#include "update/version_file.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace pigmentrix;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList lines = SplitVersionLines(text);
    for (const QString &line : lines) {
        if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')) || line.contains(QChar(0)))
            std::abort();
        if (GetContentValue(line).size() > 254)
            std::abort();
    }
    const std::optional<VersionReport> report = ReadVersionFile(text, QStringLiteral("1.0"));
    if (report && report->newVersion.isEmpty())
        std::abort();
    VersionMajor(text);
    VersionMinor(text);
    return 0;
}
