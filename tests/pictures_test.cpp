#include "windows/pictures.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

// The banner and the icon come at the screen's density, in their designed
// size: run once more with QT_SCALE_FACTOR=2, where they must come from
// their @2x files instead of being scaled up.
TEST(Pictures, FollowTheScreensDensity)
{
    for (const auto& [path, size] : {std::pair(":/plandeck/banner.gif", QSizeF(115, 55)),
                                     std::pair(":/plandeck/icon.gif", QSizeF(47, 47))}) {
        const QPixmap pixmap = plandeck::resourcePicture(QString::fromLatin1(path));
        EXPECT_EQ(pixmap.deviceIndependentSize(), size) << path;
        EXPECT_EQ(pixmap.devicePixelRatio(), qApp->devicePixelRatio()) << path;
    }
}
