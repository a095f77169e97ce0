#include "update/maker_links.h"

namespace pigmentrix {
namespace {

QUrl OnMakerHost(const QString &path)
{
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(QString::fromLatin1(MakerHost));
    url.setPath(path);
    return url;
}

} // namespace

QUrl VersionFileUrl()
{
    return OnMakerHost(QStringLiteral("/version/pigmentrix.txt"));
}

QUrl MakerWebsiteUrl()
{
    return OnMakerHost(QStringLiteral("/"));
}

QUrl HelpUrl()
{
    return OnMakerHost(QStringLiteral("/pigmentrix/help"));
}

QString SupportEmailAddress()
{
    return QStringLiteral("support@") + QString::fromLatin1(MakerHost);
}

QString WebsiteName()
{
    return QStringLiteral("www.") + QString::fromLatin1(MakerHost);
}

QString InvalidLinkMessage(const QString &target)
{
    return QStringLiteral("The following link is invalid :\n\r") + target;
}

} // namespace pigmentrix
