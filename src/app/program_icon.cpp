#include "app/program_icon.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QResource>

QIcon programIcon()
{
    if (qGuiApp->devicePixelRatio() != 1.0)
        return QIcon(QStringLiteral(":/lumvik/lumvik.svg"));
    QIcon icon;
    for (const int size : {LUMVIK_ICON_SIZES}) {
        // Stored uncompressed (see CMakeLists.txt), so the images share the program's own bytes.
        const QResource pixels(QStringLiteral(":/lumvik/lumvik-%1.argb").arg(size));
        if (pixels.compressionAlgorithm() != QResource::NoCompression || pixels.size() != qint64(size) * size * 4)
            continue;
        // Kept as ARGB32: the X11 integration converts every other format to it first.
        icon.addPixmap(
            QPixmap::fromImage(QImage(pixels.data(), size, size, QImage::Format_ARGB32), Qt::NoFormatConversion));
    }
    return icon;
}
