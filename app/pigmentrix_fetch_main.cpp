// pigmentrix-fetch: fetches one small text over HTTPS for the picker and
// writes it to standard output unchanged. Exit status 0: the answer follows;
// 1: the fetch failed, the reason is on standard error; 2: the command line
// is not understood.
#include "fetch/https_fetch.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <variant>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {

void Complain(const QString &text)
{
    std::fprintf(stderr, "pigmentrix-fetch: %s\n", qPrintable(text));
}

bool WriteToStandardOutput(const QByteArray &bytes)
{
#ifdef Q_OS_WIN
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    QFile out;
    return out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const auto parsed = pigmentrix::ParseFetchArguments(QCoreApplication::arguments().mid(1));
    if (const QString *error = std::get_if<QString>(&parsed)) {
        Complain(*error);
        return 2;
    }
    int status = 1;
    pigmentrix::FetchOverHttps(std::get<pigmentrix::FetchRequest>(parsed), &application,
                               [&status](const pigmentrix::FetchResult &result) {
                                   if (!result.ok)
                                       Complain(result.error);
                                   else if (WriteToStandardOutput(result.body))
                                       status = 0;
                                   else
                                       Complain(QStringLiteral("the answer cannot be written"));
                                   QCoreApplication::quit();
                               });
    QCoreApplication::exec();
    return status;
}
