// Renders the program's SVG icon into the PNG sizes of the hicolor icon theme.
//
//   vetrinalia-icons <icon.svg> <theme folder> <size>...
//
// writes <theme folder>/<size>x<size>/apps/<icon name>.png for every size.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <icon.svg> <theme folder> <size>...\n", argv[0]);
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString theme = QString::fromLocal8Bit(argv[2]);
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read the icon %s\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(source).completeBaseName();
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QByteArray(argv[i]).toInt(&ok);
        if (!ok || size < 1 || size > 4096) {
            std::fprintf(stderr, "not an icon size: %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            renderer.render(&painter, QRectF(0, 0, size, size));
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(size);
        QSaveFile file(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly)
            || !image.convertToFormat(QImage::Format_ARGB32).save(&file, "PNG") || !file.commit()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
