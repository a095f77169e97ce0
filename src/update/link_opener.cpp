#include "update/link_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace pigmentrix {
namespace {

class DesktopLinkOpener final : public LinkOpener {
public:
    bool open(const QUrl &target) override { return QDesktopServices::openUrl(target); }
};

} // namespace

LinkOpener &DesktopLinks()
{
    static DesktopLinkOpener opener;
    return opener;
}

} // namespace pigmentrix
