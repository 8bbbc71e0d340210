#include "windows/pictures.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

using namespace plandeck;

namespace {

// The banner and the icon come at the screen's density, in their designed
// size: run once more with QT_SCALE_FACTOR=2, where they must come from
// their @2x files instead of being scaled up.
TEST(Pictures, FollowTheScreensDensity)
{
    const struct
    {
        const char* path;
        QSize size;
    } pictures[] = {{":/plandeck/banner.gif", {115, 55}}, {":/plandeck/icon.gif", {47, 47}}};
    for (const auto& picture : pictures) {
        const QPixmap pixmap = resourcePicture(QString::fromLatin1(picture.path));
        EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(picture.size)) << picture.path;
        EXPECT_EQ(pixmap.devicePixelRatio(), qApp->devicePixelRatio()) << picture.path;
    }
}

} // namespace
