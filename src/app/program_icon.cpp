#include "app/program_icon.h"

#include <QGuiApplication>

QIcon programIcon()
{
    if (qGuiApp->devicePixelRatio() != 1.0)
        return QIcon(QStringLiteral(":/lumvik/lumvik.svg"));
    QIcon icon;
    // The sizes given here make the images load only when the window system asks for them.
    for (const int size : {LUMVIK_ICON_SIZES})
        icon.addFile(QStringLiteral(":/lumvik/lumvik-%1.png").arg(size), QSize(size, size));
    return icon;
}
