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
    if (running_) {
        pending.silent = pending.silent && silent;
        pending.showform = pending.showform || showform;
        return;
    }
    running_ = new QObject(this);
    pending = VersionAnswer{std::nullopt, silent, showform};
    DownloadText(source.url, source.options, running_, [this, ownVersion](const DownloadResult &result) {
        running_->deleteLater();
        running_ = nullptr;
        VersionAnswer answer = pending;
        if (result.ok)
            answer.report = ReadVersionFile(result.text, ownVersion);
        emit answered(answer);
    });
}

void VersionChecker::cancel()
{
    delete running_;
    running_ = nullptr;
}

} // namespace pigmentrix
