// lumvik-icon-renderer icon.svg output size...
// Draws the icon with Qt's SVG icon engine, exactly as it draws the SVG icon for the window at
// run time, at each size. When output ends in ".ico" it is written as one Windows icon file
// with a PNG image per size (the form Windows reads since Vista). Otherwise output is a folder
// that gets output/lumvik-<size>.argb for each size: the raw 32-bit ARGB pixels that Qt's X11
// integration hands the window system (QImage::Format_ARGB32, row after row, in this machine's
// byte order).
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QtEndian>

#include <cstdio>

namespace {

bool writeRawPixels(const QString& folder, const QImage& image)
{
    const QString path = QStringLiteral("%1/lumvik-%2.argb").arg(folder).arg(image.width());
    QFile file(path);
    const auto bytes = reinterpret_cast<const char*>(image.constBits());
    return image.bytesPerLine() == image.width() * 4 && file.open(QIODevice::WriteOnly) &&
           file.write(bytes, image.sizeInBytes()) == image.sizeInBytes() && file.flush();
}

template <typename T> void append(QByteArray& bytes, T value)
{
    value = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// ICONDIR, one ICONDIRENTRY per image, then the PNG images.
bool writeIconFile(const QString& path, const QList<QImage>& images)
{
    QList<QByteArray> pngs;
    for (const QImage& image : images) {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        if (!image.save(&png, "PNG"))
            return false;
        pngs.append(png.data());
    }
    QByteArray file;
    append<quint16>(file, 0);
    append<quint16>(file, 1); // an icon, not a cursor
    append<quint16>(file, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = images[i].width();
        file.append(char(size >= 256 ? 0 : size)); // 0 stands for 256
        file.append(char(size >= 256 ? 0 : size));
        file.append(char(0)); // no palette
        file.append(char(0));
        append<quint16>(file, 1);  // colour planes
        append<quint16>(file, 32); // bits per pixel
        append<quint32>(file, quint32(pngs[i].size()));
        append<quint32>(file, offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        file.append(png);
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size() && out.flush();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s icon.svg output size...\n", argv[0]);
        return 2;
    }
    const QString svg = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    const bool iconFile = output.endsWith(QLatin1String(".ico"));

    qputenv("QT_QPA_PLATFORM", "offscreen"); // a build machine needs no display
    QGuiApplication application(argc, argv);
    const QIcon icon(svg);
    const QString folder = iconFile ? QFileInfo(output).absolutePath() : output;
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    QList<QImage> images;
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.size() != QSize(size, size) || (!iconFile && !writeRawPixels(folder, image))) {
            std::fprintf(stderr, "cannot render %s at %d pixels into %s (Qt's SVG icon plugin, libqt6svg6, missing?)\n",
                         qPrintable(svg), size, qPrintable(output));
            return 1;
        }
        images.append(image);
    }
    if (iconFile && !writeIconFile(output, images)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}
