#include "app/program_icon.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(ProgramIcon, ImagesAreTheSvgAsTheWindowSystemGetsItAtEachSize)
{
    const QIcon icon = programIcon();
    const QIcon svg(QStringLiteral(":/lumvik/lumvik.svg"));
    ASSERT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {64, 64}, {128, 128}}));
    for (const QSize& size : icon.availableSizes()) {
        // The X11 integration hands the window system these ARGB32 images.
        const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(image, svg.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32)) << size.width();
    }
}

} // namespace
