// lumvik-icon-renderer icon.svg output-folder size...
// Writes output-folder/lumvik-<size>.png for each size, drawn by Qt's SVG icon engine exactly as
// it draws the SVG icon for the window at run time.
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
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
        const QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
        const QString png = QStringLiteral("%1/lumvik-%2.png").arg(folder).arg(size);
        if (pixmap.size() != QSize(size, size) || !pixmap.save(png)) {
            std::fprintf(stderr, "cannot render %s at %d pixels into %s (Qt's SVG icon plugin, libqt6svg6, missing?)\n",
                         qPrintable(svg), size, qPrintable(png));
            return 1;
        }
    }
    return 0;
}
