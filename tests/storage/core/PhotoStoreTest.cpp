#include "support/SmallDisk.h"
#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include "base/ProgramFolder.h"
#include "storage/PhotoStore.h"
#include "storage/WholeWrites.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QTest>

#include <cmath>
#include <vector>

using namespace testing;

namespace {

// Four quadrants of different colours, to see where each part of the source ends up.
QImage Quadrants(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            image.setPixel(x, y,
                           right ? (bottom ? qRgb(0, 0, 255) : qRgb(0, 255, 0))
                                 : (bottom ? qRgb(255, 255, 0) : qRgb(255, 0, 0)));
        }
    return image;
}

// Weights of the source columns (or rows) that make up each destination column: the exact
// overlap of source pixel i with destination pixel d's span.
std::vector<std::vector<std::pair<int, double>>> BoxWeights(int source, int destination)
{
    std::vector<std::vector<std::pair<int, double>>> weights(destination);
    const double step = double(source) / destination;
    for (int d = 0; d < destination; ++d) {
        const double begin = d * step;
        const double end = begin + step;
        for (int i = int(std::floor(begin)); i < source && i < end; ++i) {
            const double overlap = std::min(end, i + 1.0) - std::max(begin, double(i));
            if (overlap > 0)
                weights[d].emplace_back(i, overlap / step);
        }
    }
    return weights;
}

// The exact area average of the source at the destination size.
QImage AreaAverage(const QImage& source, int width, int height)
{
    const auto columns = BoxWeights(source.width(), width);
    const auto rows = BoxWeights(source.height(), height);
    // Horizontal pass into doubles, then the vertical one.
    std::vector<double> mid(size_t(source.height()) * width * 3);
    for (int y = 0; y < source.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            double r = 0, g = 0, b = 0;
            for (auto [i, w] : columns[x]) {
                r += w * qRed(line[i]);
                g += w * qGreen(line[i]);
                b += w * qBlue(line[i]);
            }
            double* out = &mid[(size_t(y) * width + x) * 3];
            out[0] = r;
            out[1] = g;
            out[2] = b;
        }
    }
    QImage result(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double c[3] = {0, 0, 0};
            for (auto [j, w] : rows[y])
                for (int k = 0; k < 3; ++k)
                    c[k] += w * mid[(size_t(j) * width + x) * 3 + k];
            result.setPixel(x, y, qRgb(int(std::lround(c[0])), int(std::lround(c[1])), int(std::lround(c[2]))));
        }
    return result;
}

double Psnr(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            const double dr = qRed(p) - qRed(q), dg = qGreen(p) - qGreen(q), db = qBlue(p) - qBlue(q);
            sum += dr * dr + dg * dg + db * db;
        }
    const double mse = sum / (3.0 * x.width() * x.height());
    return mse == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

} // namespace

class PhotoStoreTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void paths();
    void folderCreatedWithMissingParents();
    void scaleBitmap_data();
    void scaleBitmap();
    void scaleBitmapOfNothing();
    void savePhoto();
    void saveFailures();
    void cutOffWritesFail();
    void fullDiskKeepsTheEarlierPhoto();
    void loadPhoto_data();
    void loadPhoto();
    void cameraSizedPhotoLoads();
    void reductionAveragesFineDetail();
};

void PhotoStoreTest::paths()
{
    TestFolder folder;
    const QString dir = folder.file(QStringLiteral("Foto_Listino")) + QDir::separator();
    QCOMPARE(storage::SlotPhotoPath(QStringLiteral("Estate"), u'C', QStringLiteral("3")),
             dir + QStringLiteral("Estate_Foto_C_3.jpg"));
    // Blanks and control characters around the title and the position do not count.
    QCOMPARE(storage::SlotPhotoPath(QStringLiteral(" Estate \t"), u'H', QStringLiteral(" 12 ")),
             dir + QStringLiteral("Estate_Foto_H_12.jpg"));
    QCOMPARE(storage::PreviewPicturePath(QStringLiteral("Estate  "), u'A'),
             dir + QStringLiteral("Estate_Anteprima_A.jpg"));
    QCOMPARE(storage::SlotLetter(0), QChar(u'A'));
    QCOMPARE(storage::SlotLetter(7), QChar(u'H'));
    QVERIFY(QFileInfo(dir).isDir());
}

void PhotoStoreTest::folderCreatedWithMissingParents()
{
    TestFolder folder;
    const QString nested = folder.file(QStringLiteral("a/b/"));
    base::SetProgramFolder(nested);
    QCOMPARE(storage::PhotoFolderPath(), nested + QStringLiteral("Foto_Listino"));
    QVERIFY(QFileInfo(nested + QStringLiteral("Foto_Listino")).isDir());
    // Removed between two uses: made again.
    QVERIFY(QDir(nested + QStringLiteral("Foto_Listino")).removeRecursively());
    QVERIFY(
        storage::SavePhoto(Quadrants(40, 30), storage::SlotPhotoPath(QStringLiteral("T"), u'A', QStringLiteral("1"))));
    QVERIFY(QFile::exists(nested + QStringLiteral("Foto_Listino/T_Foto_A_1.jpg")));
}

void PhotoStoreTest::scaleBitmap_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("target");
    QTest::newRow("square photo stretched wide") << QSize(1000, 1000) << QSize(366, 274);
    QTest::newRow("blank picture enlarged") << QSize(136, 104) << QSize(366, 274);
    QTest::newRow("camera photo reduced") << QSize(4000, 3000) << QSize(366, 274);
    QTest::newRow("panorama squeezed") << QSize(3000, 200) << QSize(366, 274);
    QTest::newRow("tiny") << QSize(2, 2) << QSize(366, 274);
}

void PhotoStoreTest::scaleBitmap()
{
    QFETCH(QSize, source);
    QFETCH(QSize, target);
    const QImage original = Quadrants(source.width(), source.height());
    const QImage copy = original.copy();
    const QImage scaled = storage::ScaleBitmap(original, target.width(), target.height());
    QCOMPARE(scaled.size(), target);
    QCOMPARE(original, copy); // the source is not changed
    // The whole source, stretched: each quadrant reaches its own corner, fully opaque.
    const int w = target.width() - 1;
    const int h = target.height() - 1;
    QCOMPARE(scaled.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(scaled.pixel(w, 0), qRgb(0, 255, 0));
    QCOMPARE(scaled.pixel(0, h), qRgb(255, 255, 0));
    QCOMPARE(scaled.pixel(w, h), qRgb(0, 0, 255));
    if (source.width() >= target.width() && source.height() >= target.height()) {
        QCOMPARE(scaled.pixel(w / 4, h / 4), qRgb(255, 0, 0));
        QCOMPARE(scaled.pixel(3 * w / 4, 3 * h / 4), qRgb(0, 0, 255));
    }
}

void PhotoStoreTest::scaleBitmapOfNothing()
{
    const QImage scaled = storage::ScaleBitmap(QImage(), 366, 274);
    QCOMPARE(scaled.size(), QSize(366, 274));
    QCOMPARE(scaled.pixel(0, 0), 0x00000000u);
    QCOMPARE(scaled.pixel(200, 100), 0x00000000u);
}

void PhotoStoreTest::savePhoto()
{
    TestFolder folder;
    const QString path = storage::SlotPhotoPath(QStringLiteral("Prova"), u'B', QStringLiteral("2"));
    QVERIFY(storage::SavePhoto(Quadrants(1000, 1000), path));
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.size(), QSize(366, 274));

    // Saved again: replaced, and nothing else is left in the folder.
    QVERIFY(storage::SavePhoto(QImage(10, 10, QImage::Format_RGB32), path));
    QCOMPARE(QImage(path).size(), QSize(366, 274));
    QCOMPARE(QDir(storage::PhotoFolderPath()).entryList(QDir::Files | QDir::Hidden), QStringList{"Prova_Foto_B_2.jpg"});
}

void PhotoStoreTest::saveFailures()
{
    TestFolder folder;
    // The folder is a file: nothing can be written into it.
    WriteFile(folder.file(QStringLiteral("Foto_Listino")), "x");
    QVERIFY(
        !storage::SavePhoto(Quadrants(50, 50), storage::SlotPhotoPath(QStringLiteral("P"), u'A', QStringLiteral("1"))));
    QCOMPARE(ReadFile(folder.file(QStringLiteral("Foto_Listino"))), QByteArray("x"));
    QVERIFY(QFile::remove(folder.file(QStringLiteral("Foto_Listino"))));

    // A folder where the photo should be, and a picture of nothing.
    const QString path = storage::SlotPhotoPath(QStringLiteral("P"), u'A', QStringLiteral("1"));
    QVERIFY(QDir().mkpath(path));
    QVERIFY(!storage::SavePhoto(Quadrants(50, 50), path));
    QVERIFY(QFileInfo(path).isDir());
    const QString other = storage::SlotPhotoPath(QStringLiteral("P"), u'B', QStringLiteral("1"));
    QVERIFY(storage::SavePhoto(Quadrants(50, 50), other));
    const QByteArray before = ReadFile(other);
    QVERIFY(!storage::SavePhoto(QImage(), other));
    QCOMPARE(ReadFile(other), before);
}

namespace {

// A device that takes at most `room` bytes in all, the last of them as a short write, as
// a file on a disk that fills up does.
class CramFullDevice : public QIODevice {
public:
    explicit CramFullDevice(qint64 room)
        : m_room(room)
    {
        open(QIODevice::WriteOnly);
    }
    QByteArray taken;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        const qint64 fits = qMin(length, m_room - qint64(taken.size()));
        if (fits <= 0)
            return -1;
        taken.append(data, fits);
        return fits;
    }

private:
    qint64 m_room;
};

} // namespace

void PhotoStoreTest::cutOffWritesFail()
{
    // A JPEG whose very last write is cut short: the encoder takes the short count as done.
    const QImage picture = Quadrants(366, 274);
    QByteArray whole;
    {
        QBuffer buffer(&whole);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(picture.save(&buffer, "jpg"));
    }
    for (const qint64 room : {whole.size() - 1, whole.size() / 2, qint64(0), whole.size() + 0}) {
        CramFullDevice device(room);
        storage::WholeWrites checked(&device);
        QImageWriter writer(&checked, "jpg");
        const bool written = writer.write(picture);
        const bool fits = room >= whole.size();
        QCOMPARE(written && !checked.failed(), fits);
        // Nothing is taken after the first refusal.
        QVERIFY(device.taken.size() <= room);
    }
}

void PhotoStoreTest::fullDiskKeepsTheEarlierPhoto()
{
    // The disk takes part of the new photo, then refuses the rest: the write fails and the
    // earlier photo of that name stays whole.
    TestFolder folder;
    SmallDisk disk(folder.path(), 64);
    if (!disk.mounted())
        QSKIP("mounting a small tmpfs needs root; not allowed here");
    const QString path = storage::SlotPhotoPath(QStringLiteral("P"), u'A', QStringLiteral("1"));
    QVERIFY(storage::SavePhoto(Quadrants(366, 274), path));
    const QByteArray before = ReadFile(path);
    // Noise codes to far more than the one block left.
    QImage noise(366, 274, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, qRgb((x * 7919 + y * 104729) % 251, (x * y) % 253, (x ^ y) & 255));
    disk.fillLeaving(1);

    QVERIFY(!storage::SavePhoto(noise, path));
    QCOMPARE(ReadFile(path), before);
    QCOMPARE(QDir(storage::PhotoFolderPath()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});
}

namespace {

QByteArray Encoded(const QImage& image, const char* format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

void Put16(QByteArray& bytes, qsizetype at, int value) // big-endian, as in JPEG
{
    bytes[at] = char(value >> 8);
    bytes[at + 1] = char(value & 0xFF);
}

void Put32(QByteArray& bytes, qsizetype at, qint32 value) // little-endian, as in BMP
{
    for (int k = 0; k < 4; ++k)
        bytes[at + k] = char((quint32(value) >> (8 * k)) & 0xFF);
}

// A JPEG whose frame header claims another size than its data holds.
QByteArray JpegClaiming(int width, int height)
{
    QByteArray bytes = Encoded(Quadrants(640, 480), "jpg");
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    Put16(bytes, frame + 5, height);
    Put16(bytes, frame + 7, width);
    return bytes;
}

// A JPEG carrying a whole small JPEG as a thumbnail in an APP1 segment, as cameras write.
QByteArray JpegWithThumbnail()
{
    const QByteArray thumbnail = Encoded(Quadrants(64, 48), "jpg");
    QByteArray segment("\xFF\xE1");
    segment.append(char(0)).append(char(0)).append("Exif\0\0", 6).append(thumbnail);
    Put16(segment, 2, int(segment.size() - 2));
    QByteArray bytes = Encoded(Quadrants(640, 480), "jpg");
    return bytes.insert(2, segment);
}

} // namespace

void PhotoStoreTest::loadPhoto_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size"); // invalid = cannot be read: the slot shows the blank picture
    const QByteArray jpeg = Encoded(Quadrants(640, 480), "jpg");
    const QByteArray bitmap = Encoded(Quadrants(640, 480), "bmp");
    const QSize whole(640, 480);
    QTest::newRow("jpeg at its own size") << "a.jpg" << jpeg << whole;
    QTest::newRow("progressive jpeg") << "p.jpg" << Encoded(Quadrants(640, 480), "jpg", true) << whole;
    QTest::newRow("jpeg with data after its end") << "t.jpg" << jpeg + QByteArray(300, 'x') << whole;
    QTest::newRow("jpeg with a thumbnail") << "th.jpg" << JpegWithThumbnail() << whole;
    QTest::newRow("bitmap") << "a.bmp" << bitmap << whole;
    QTest::newRow("png named .jpg") << "b.jpg" << Encoded(Quadrants(640, 480), "png") << whole;
    QTest::newRow("jpeg without extension") << "foto" << jpeg << whole;

    QTest::newRow("text named .jpg") << "t.jpg" << QByteArray("ciao\n") << QSize();
    QTest::newRow("empty file") << "e.jpg" << QByteArray("") << QSize();
    QTest::newRow("missing") << "" << QByteArray() << QSize();
    QTest::newRow("jpeg cut in its data") << "c.jpg" << jpeg.left(jpeg.size() / 2) << QSize();
    QTest::newRow("jpeg cut in its headers") << "h.jpg" << jpeg.left(300) << QSize();
    QTest::newRow("progressive jpeg cut")
        << "pc.jpg" << Encoded(Quadrants(640, 480), "jpg", true).chopped(2000) << QSize();
    QTest::newRow("jpeg with a thumbnail, cut") << "thc.jpg" << JpegWithThumbnail().chopped(1000) << QSize();
    QTest::newRow("jpeg claiming 30000 x 30000") << "g.jpg" << JpegClaiming(30000, 30000) << QSize();
    QTest::newRow("jpeg claiming 8000 x 6000") << "m.jpg" << JpegClaiming(8000, 6000) << QSize();
    QTest::newRow("bitmap cut") << "c.bmp" << bitmap.left(bitmap.size() / 2) << QSize();
    QByteArray lying = bitmap;
    Put32(lying, 18, 5000);
    Put32(lying, 22, 5000);
    QTest::newRow("bitmap claiming 5000 x 5000") << "l.bmp" << lying << QSize();
    Put32(lying, 18, 30000);
    Put32(lying, 22, -30000);
    QTest::newRow("bitmap claiming 30000 x 30000") << "x.bmp" << lying << QSize();
    lying = bitmap;
    Put32(lying, 10, 0x7FFFFFFF);
    QTest::newRow("bitmap with its pixels beyond the end") << "o.bmp" << lying << QSize();
    lying = bitmap;
    Put32(lying, 18, -640);
    QTest::newRow("bitmap of negative width") << "n.bmp" << lying << QSize();
}

void PhotoStoreTest::loadPhoto()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    TestFolder folder;
    const QString path = folder.file(name.isEmpty() ? QStringLiteral("manca.jpg") : name);
    if (!name.isEmpty())
        WriteFile(path, bytes);
    const std::optional<QImage> photo = storage::LoadPhoto(path);
    QCOMPARE(photo.has_value(), size.isValid());
    if (photo)
        QCOMPARE(photo->size(), size);
}

void PhotoStoreTest::cameraSizedPhotoLoads()
{
    // A 50-megapixel photo, 200 MB once decoded.
    QImage photo(8660, 5774, QImage::Format_RGB32);
    photo.fill(qRgb(90, 140, 200));
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("camera.jpg"));
    QVERIFY(photo.save(path, "jpg"));
    photo = QImage();
    const std::optional<QImage> loaded = storage::LoadPhoto(path);
    QVERIFY(loaded);
    QCOMPARE(loaded->size(), QSize(8660, 5774));
    QCOMPARE(loaded->pixel(4000, 3000) & 0xF0F0F0, qRgb(90, 140, 200) & 0xF0F0F0);
}

void PhotoStoreTest::reductionAveragesFineDetail()
{
    // One-pixel stripes, upright in red and across in green, and a gradient in blue: a
    // reduction that samples instead of averaging turns the stripes into moiré.
    QImage source(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
        const int green = y % 2 ? 210 : 40;
        for (int x = 0; x < source.width(); ++x)
            line[x] = qRgb(x % 2 ? 235 : 20, green, x * 255 / 3999);
    }
    TestFolder folder;
    const QString path = storage::SlotPhotoPath(QStringLiteral("Nitido"), u'A', QStringLiteral("1"));
    QVERIFY(storage::SavePhoto(source, path));
    const QImage stored(path);
    QCOMPARE(stored.size(), QSize(366, 274));
    const QImage reference = AreaAverage(source, 366, 274);
    const double psnr = Psnr(stored, reference);
    qInfo("PSNR of the stored photo against the area average: %.1f dB", psnr);
    QVERIFY2(psnr >= 35.0, qPrintable(QString::number(psnr)));
}

VETRINALIA_TEST(PhotoStoreTest)
#include "PhotoStoreTest.moc"
