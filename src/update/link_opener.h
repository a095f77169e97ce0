#pragma once

class QUrl;

namespace pigmentrix {

// Hands an address or a local file to the desktop (browser, mail program,
// text viewer). The program never reads these targets itself.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // False when the desktop could not open it.
    virtual bool open(const QUrl &target) = 0;
};

// The desktop's own opener (QDesktopServices).
LinkOpener &DesktopLinks();

} // namespace pigmentrix
