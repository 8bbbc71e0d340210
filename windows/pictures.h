#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace plandeck {

// A picture from the resources, sharp on the screen it is shown on: where
// the screen has twice the pixel density, the "@2x" variant beside the file
// is picked by Qt's icon loader (a plain QPixmap would be the 1x picture
// scaled up). Sized, in device-independent pixels, as the 1x picture.
inline QPixmap resourcePicture(const QString& path)
{
    const QIcon icon(path);
    return icon.pixmap(icon.availableSizes().value(0));
}

} // namespace plandeck
