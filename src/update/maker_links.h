#pragma once

#include <QString>
#include <QUrl>

namespace pigmentrix {

// The maker's web server: the version file, the website, the online help and
// the support address all live there.
inline constexpr char MakerHost[] = "pigmentrix.org";

QUrl VersionFileUrl(); // https://<host>/version/pigmentrix.txt
QUrl MakerWebsiteUrl(); // https://<host>/
QUrl HelpUrl(); // https://<host>/pigmentrix/help
QString SupportEmailAddress();
QString WebsiteName();

// The text shown when a link or file cannot be opened: the caption, a line
// feed, a carriage return and the target.
QString InvalidLinkMessage(const QString &target);

} // namespace pigmentrix
