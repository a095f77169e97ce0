#include "update/download_text.h"

#include "storage/text_lines.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTimer>

#include <string_view>

namespace pigmentrix {
namespace {

// Enough for any reason the fetch program gives.
constexpr qint64 MaxReasonBytes = 4096;

QString Decode(const QByteArray &bytes)
{
    return QString::fromStdString(
        DecodeTextFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

// One run of the fetch program: collects its answer, reports once and goes
// away. The time-out and the size cap are kept here too, so a fetch program
// that hangs or floods cannot hold the check up.
class Download final : public QObject {
public:
    Download(const QUrl &url, const DownloadOptions &options, QObject *context, DownloadDone done)
        : QObject(context)
        , maxBytes(options.maxBytes)
        , done(std::move(done))
    {
        process.setProgram(options.fetcher.isEmpty() ? InstalledFetcherPath() : options.fetcher);
        process.setArguments(FetchArguments({url, options}));
        process.setStandardInputFile(QProcess::nullDevice());
        connect(&process, &QProcess::readyReadStandardOutput, this, &Download::collect);
        connect(&process, &QProcess::finished, this, &Download::finish);
        // Queued: a failed fork is reported from inside start(), and the
        // answer must never come from inside DownloadText.
        connect(
            &process, &QProcess::errorOccurred, this,
            [this](QProcess::ProcessError error) {
                if (error == QProcess::FailedToStart)
                    report({false,
                            {},
                            QStringLiteral("Cannot start %1: %2").arg(process.program(), process.errorString())});
            },
            Qt::QueuedConnection);
        timer.setSingleShot(true);
        connect(&timer, &QTimer::timeout, this, [this] { stopWith(TimeoutReason()); });
        timer.start(options.timeout);
        process.start();
    }

    // A fetch cancelled with its context must not report from inside the
    // teardown of its own members; the process ends with its object.
    ~Download() override { process.disconnect(this); }

private:
    void collect()
    {
        if (!failure.isEmpty())
            return;
        answer += process.read(maxBytes + 1 - answer.size());
        if (answer.size() > maxBytes)
            stopWith(TooLargeReason(maxBytes));
    }

    void stopWith(const QString &reason)
    {
        if (failure.isEmpty())
            failure = reason;
        process.kill();
    }

    void finish(int exitCode, QProcess::ExitStatus status)
    {
        collect();
        if (!failure.isEmpty())
            return report({false, {}, failure});
        if (status != QProcess::NormalExit)
            return report({false, {}, QStringLiteral("%1 stopped unexpectedly").arg(process.program())});
        if (exitCode != 0) {
            const QString reason = QString::fromUtf8(process.readAllStandardError().left(MaxReasonBytes)).trimmed();
            return report({false, {}, reason.isEmpty() ? QStringLiteral("%1 failed").arg(process.program()) : reason});
        }
        report({true, Decode(answer), {}});
    }

    void report(const DownloadResult &result)
    {
        timer.stop();
        process.disconnect(this);
        deleteLater();
        done(result);
    }

    QProcess process;
    QTimer timer;
    qint64 maxBytes;
    QByteArray answer;
    QString failure;
    DownloadDone done;
};

} // namespace

QString InstalledFetcherPath()
{
    return QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(PIGMENTRIX_FETCHER_FROM_PROGRAM)));
}

void DownloadText(const QUrl &url, const DownloadOptions &options, QObject *context, DownloadDone done)
{
    if (!IsFetchable(url)) {
        const QString error = NotFetchableReason(url);
        QTimer::singleShot(0, context, [done = std::move(done), error] { done({false, {}, error}); });
        return;
    }
    new Download(url, options, context, std::move(done));
}

} // namespace pigmentrix
