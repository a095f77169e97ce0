#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QStringView>

namespace pigmentrix {

// The program's pictures, rendered when the program was built at every size
// they are drawn at and every common display scale (folder FOLDER of the
// artwork, ":/icons/FOLDER/WxH.png"). Each picture is read only when first
// drawn at a size.
QIcon ArtworkIcon(QStringView folder);

// The picture of FOLDER for a label of SIZE on a display of that scale.
QPixmap ArtworkPixmap(QStringView folder, QSize size, qreal devicePixelRatio);

} // namespace pigmentrix
