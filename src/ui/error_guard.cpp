#include "ui/error_guard.h"

#include "model/integer_text.h"

namespace pigmentrix {

ErrorGuard::ErrorGuard(Reporter report, std::function<void()> afterEach)
    : reporter(std::move(report))
    , afterEach(std::move(afterEach))
{
}

void ErrorGuard::run(const std::function<void()> &handler) const
{
    try {
        handler();
    } catch (const ConvertError &error) {
        report(QString::fromStdString(error.what()));
    }
    if (afterEach)
        afterEach();
}

void ErrorGuard::report(const QString &message) const
{
    reporter(message.endsWith(QLatin1Char('.')) ? message : message + QLatin1Char('.'));
}

} // namespace pigmentrix
