#include "storage/PhotoStore.h"
#include "storage/WholeWrites.h"

#include "base/Parallel.h"
#include "base/ProgramFolder.h"
#include "base/Text.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <atomic>

namespace storage {

QString PhotoFolderIn(const QString& programFolder)
{
    return programFolder + QStringLiteral("Foto_Listino");
}

QString PhotoFolderPath()
{
    const QString folder = PhotoFolderIn(base::ProgramFolder());
    QDir().mkpath(folder);
    return folder;
}

QChar SlotLetter(int slot)
{
    return QChar(char16_t(u'A' + slot));
}

QString SlotPhotoPath(const QString& photoFolder, const QString& title, QChar letter, const QString& position)
{
    return photoFolder + QDir::separator() + base::TrimBlanks(title) + QStringLiteral("_Foto_") + letter
        + QLatin1Char('_') + base::TrimBlanks(position) + QStringLiteral(".jpg");
}

QString SlotPhotoPath(const QString& title, QChar letter, const QString& position)
{
    return SlotPhotoPath(PhotoFolderPath(), title, letter, position);
}

QString PreviewPicturePath(const QString& title, QChar letter)
{
    return PhotoFolderPath() + QDir::separator() + base::TrimBlanks(title) + QStringLiteral("_Anteprima_") + letter
        + QStringLiteral(".jpg");
}

QImage DrawBlankPicture()
{
    QImage image(kBlankPictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(QStringLiteral(":/editor/bianco.svg"));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(kBlankPictureSize)));
    painter.end();
    return image;
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
    // Unbuffered, so that a write the disk refuses fails at once: a buffered QSaveFile
    // loses the error of its last flush and puts an empty file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    WholeWrites whole(&file);
    QImageWriter writer(&whole, "jpg");
    // Above the encoder's default of 75, which leaves visible blocks on flat product shots.
    writer.setQuality(kPhotoQuality);
    if (!writer.write(scaled) || whole.failed()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

namespace {

quint32 Little32(const uchar* at)
{
    return quint32(at[0]) | quint32(at[1]) << 8 | quint32(at[2]) << 16 | quint32(at[3]) << 24;
}

// A JPEG is whole when its first scan is followed by the end-of-image marker and holds at
// least the one bit per 8 x 8 block that Huffman coding needs (half of it, to be safe):
// then the frame's size is no lie. The marker segments before the scan are stepped over by
// their lengths, so the end marker of an embedded thumbnail is not taken for the picture's.
bool JpegComplete(const uchar* data, qint64 size)
{
    qint64 pixels = 0; // as the frame header says; 0 = no bound known
    qint64 at = 2;
    while (at + 4 <= size) {
        if (data[at] != 0xFF)
            return true; // not a layout this check knows: the decoder judges it
        const uchar marker = data[at + 1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        const qint64 length = qint64(data[at + 2]) << 8 | data[at + 3];
        const bool huffmanFrame = (marker >= 0xC0 && marker <= 0xC3) || (marker >= 0xC5 && marker <= 0xC7);
        if (huffmanFrame && at + 9 <= size)
            pixels = (qint64(data[at + 5]) << 8 | data[at + 6]) * (qint64(data[at + 7]) << 8 | data[at + 8]);
        if (marker == 0xDA) { // start of scan: coded data runs on to the end marker
            // In coded data 0xFF is always followed by 0x00 or a restart marker, so any
            // 0xFF 0xD9 after the scan header is an end marker. Searched from the end,
            // where it normally is.
            const qint64 coded = at + 2 + length;
            for (qint64 i = size - 2; i >= coded; --i) {
                if (data[i] == 0xFF && data[i + 1] == 0xD9)
                    return (i - coded) * 1024 >= pixels;
            }
            return false;
        }
        if (marker == 0xD9)
            return false; // ends before any scan
        at += 2 + length;
    }
    return false;
}

// An uncompressed bitmap is whole when the file holds every row its header announces.
bool BitmapComplete(const uchar* data, qint64 size)
{
    if (size < 26)
        return false;
    const quint32 offset = Little32(data + 10);
    const quint32 header = Little32(data + 14);
    qint64 width = 0;
    qint64 height = 0;
    int bits = 0;
    quint32 compression = 0;
    if (header == 12) { // OS/2 header: 16-bit sizes
        width = data[18] | data[19] << 8;
        height = data[20] | data[21] << 8;
        bits = data[24] | data[25] << 8;
    } else {
        if (size < 34)
            return false;
        width = qint32(Little32(data + 18));
        height = qint32(Little32(data + 22));
        bits = data[28] | data[29] << 8;
        compression = Little32(data + 30);
    }
    if (compression != 0 && compression != 3)
        return true; // run-length coded: the decoder judges it
    if (width <= 0 || height == 0 || bits <= 0 || bits > 32)
        return false;
    const qint64 stride = (width * bits + 31) / 32 * 4;
    return offset <= size && qAbs(height) <= (size - offset) / stride;
}

} // namespace

bool PhotoLooksComplete(const uchar* data, qint64 size)
{
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8)
        return JpegComplete(data, size);
    if (size >= 2 && data[0] == 'B' && data[1] == 'M')
        return BitmapComplete(data, size);
    return true;
}

std::optional<QImage> LoadPhoto(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Read whole, not mapped: a file cut short by someone else while mapped would crash
    // the program. No file is larger than the biggest picture it may decode to.
    const qint64 size = file.size();
    if (size <= 0 || size > qint64(kPhotoAllocationLimitMb) * 1024 * 1024)
        return std::nullopt;
    QByteArray bytes = file.read(size);
    if (bytes.size() != size || !PhotoLooksComplete(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size()))
        return std::nullopt;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);

    // Far above any camera's photo, far below what would exhaust the machine. Process-wide,
    // so set once, before the first read on any thread.
    static const bool limited = [] {
        QImageReader::setAllocationLimit(kPhotoAllocationLimitMb);
        return true;
    }();
    (void)limited;
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true); // a picture is read whatever its name says
    reader.setAutoTransform(true);           // camera photos come upright
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    return image;
}

std::array<bool, 8> SaveSlotPhotos(const SlotPictures& pictures, const QString& title, const QString& position)
{
    const QString folder = PhotoFolderPath();
    std::array<bool, 8> stored{};
    // Reducing eight camera photos is most of a save: the slots are shared out over the
    // processor's cores.
    std::atomic<int> next{0};
    base::RunOnCores(8, [&](bool) {
        for (int s = next++; s < 8; s = next++)
            stored[s] = SavePhoto(pictures[s], SlotPhotoPath(folder, title, SlotLetter(s), position));
    });
    return stored;
}

SlotPhotos LoadSlotPhotos(const QString& title, const QString& position)
{
    const QString folder = PhotoFolderPath();
    SlotPhotos photos;
    for (int s = 0; s < 8; ++s)
        photos[s] = LoadPhoto(SlotPhotoPath(folder, title, SlotLetter(s), position));
    return photos;
}

} // namespace storage
