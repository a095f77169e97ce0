#include "update/version_checker.h"

#include "update/maker_links.h"

namespace pigmentrix {

VersionSource MakerVersionSource()
{
    return {VersionFileUrl(), DownloadOptions{}};
}

VersionChecker::VersionChecker(QObject *parent)
    : QObject(parent)
{
}

void VersionChecker::start(const QString &ownVersion, bool silent, bool showform)
{
    if (busy) {
        pending.silent = pending.silent && silent;
        pending.showform = pending.showform || showform;
        return;
    }
    busy = true;
    pending = VersionAnswer{std::nullopt, silent, showform};
    DownloadText(source.url, source.options, this, [this, ownVersion](const DownloadResult &result) {
        busy = false;
        VersionAnswer answer = pending;
        if (result.ok)
            answer.report = ReadVersionFile(result.text, ownVersion);
        emit answered(answer);
    });
}

} // namespace pigmentrix
