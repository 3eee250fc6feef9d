#include "storage/PhotoStore.h"

#include "app/ProgramFolder.h"
#include "app/Text.h"

#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

namespace storage {

QString PhotoFolderPath()
{
    const QString folder = app::ProgramFolder() + QStringLiteral("Foto_Listino");
    QDir().mkpath(folder);
    return folder;
}

QChar SlotLetter(int slot)
{
    return QChar(char16_t(u'A' + slot));
}

QString SlotPhotoPath(const QString& title, QChar letter, const QString& position)
{
    return PhotoFolderPath() + QDir::separator() + app::TrimBlanks(title) + QStringLiteral("_Foto_")
        + letter + QLatin1Char('_') + app::TrimBlanks(position) + QStringLiteral(".jpg");
}

QString PreviewPicturePath(const QString& title, QChar letter)
{
    return PhotoFolderPath() + QDir::separator() + app::TrimBlanks(title) + QStringLiteral("_Anteprima_")
        + letter + QStringLiteral(".jpg");
}

QImage ScaleBitmap(const QImage& source, int width, int height)
{
    QImage result(width, height, QImage::Format_ARGB32_Premultiplied);
    if (result.isNull())
        return result;
    result.fill(Qt::transparent);
    if (source.isNull())
        return result;
    // Area-averaging reduction keeps fine detail from aliasing at a tenth of the size.
    const QImage scaled = source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter painter;
    if (!painter.begin(&result))
        return result;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, width, height), scaled);
    painter.end();
    return result;
}

bool SavePhoto(const QImage& picture, const QString& path)
{
    if (picture.isNull())
        return false;
    const QImage scaled = ScaleBitmap(picture, kPhotoWidth, kPhotoHeight);
    if (scaled.isNull())
        return false;
    // Written beside the old file and put in its place only when complete, so a failed
    // write leaves the earlier photo as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "jpg");
    // Above the encoder's default of 75, which leaves visible blocks on flat product shots.
    writer.setQuality(kPhotoQuality);
    if (!writer.write(scaled)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QImage> LoadPhoto(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true); // a picture is read whatever its name says
    reader.setAutoTransform(true);           // camera photos come upright
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    return image;
}

} // namespace storage
