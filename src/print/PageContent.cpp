#include "print/PageContent.h"

#include "base/Text.h"

#include <algorithm>

namespace print {

PageContent BuildPageContent(const storage::PageRecord& record, const QString& title, const QString& pageNumber,
                             const storage::SlotPictures& pictures)
{
    PageContent content;
    content.title = base::TrimBlanks(title);
    content.pageNumber = base::TrimBlanks(pageNumber);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const storage::ProductSlot& values = record.slots[slot];
        SlotContent& target = content.slots[slot];
        target.picture = pictures[slot];
        target.nome = base::TrimBlanks(values.nome);
        target.um = base::TrimBlanks(values.um);
        target.caratteristiche = base::TrimBlanks(values.caratteristiche);
        target.codice = base::TrimBlanks(values.codice);
        target.prezzo = base::TrimBlanks(values.prezzo);
    }
    return content;
}

QImage PrintedPicture(const QImage& picture)
{
    // A stored photo already has the size and no transparency: scaling would copy it unchanged.
    if (picture.size() == QSize(storage::kPhotoWidth, storage::kPhotoHeight)
        && picture.format() == QImage::Format_RGB32)
        return picture;
    const QImage argb = storage::ScaleBitmap(picture, storage::kPhotoWidth, storage::kPhotoHeight)
                            .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        if (!std::all_of(line, line + argb.width(), [](QRgb pixel) { return qAlpha(pixel) == 255; }))
            return argb;
    }
    return argb.convertToFormat(QImage::Format_RGB32);
}

QImage StoredSlotPicture(const QString& path, const QImage& blank)
{
    const std::optional<QImage> photo = storage::LoadPhoto(path);
    return photo ? PrintedPicture(*photo) : blank;
}

PageContent StoredPageContent(const QString& photoFolder, const QString& title, qint64 number,
                              const storage::PageRecord& record, const QImage& blank)
{
    const QString position = QString::number(number);
    storage::SlotPictures pictures;
    for (int slot = 0; slot < kSlotCount; ++slot)
        pictures[slot] =
            StoredSlotPicture(storage::SlotPhotoPath(photoFolder, title, storage::SlotLetter(slot), position), blank);
    return BuildPageContent(record, title, position, pictures);
}

} // namespace print
