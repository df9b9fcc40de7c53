// lumvik-icon-renderer icon.svg output-folder size...
// Writes output-folder/lumvik-<size>.argb for each size: the icon drawn by Qt's SVG icon engine
// exactly as it draws the SVG icon for the window at run time, as the raw 32-bit ARGB pixels that
// Qt's X11 integration hands the window system (QImage::Format_ARGB32, row after row, in this
// machine's byte order).
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s icon.svg output-folder size...\n", argv[0]);
        return 2;
    }
    const QString svg = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QList<int> sizes;
    for (int i = 3; i < argc; ++i)
        sizes.append(QByteArray(argv[i]).toInt());

    qputenv("QT_QPA_PLATFORM", "offscreen"); // a build machine needs no display
    QGuiApplication application(argc, argv);
    const QIcon icon(svg);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    for (const int size : sizes) {
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        const QString path = QStringLiteral("%1/lumvik-%2.argb").arg(folder).arg(size);
        QFile file(path);
        const auto bytes = reinterpret_cast<const char*>(image.constBits());
        if (image.size() != QSize(size, size) || image.bytesPerLine() != size * 4 || !file.open(QIODevice::WriteOnly) ||
            file.write(bytes, image.sizeInBytes()) != image.sizeInBytes() || !file.flush()) {
            std::fprintf(stderr, "cannot render %s at %d pixels into %s (Qt's SVG icon plugin, libqt6svg6, missing?)\n",
                         qPrintable(svg), size, qPrintable(path));
            return 1;
        }
    }
    return 0;
}
