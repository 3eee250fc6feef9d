#pragma once

#include "storage/FlyerArchive.h"
#include "storage/PhotoStore.h"

#include <QImage>
#include <QString>

#include <array>

namespace print {

inline constexpr int kSlotCount = 8;

// What one printed page shows: the page's texts as stored, its pictures, the flyer's
// title and the page's number.
struct SlotContent {
    QImage picture;
    QString nome;
    QString um;
    QString caratteristiche;
    QString codice;
    QString prezzo;
};

struct PageContent {
    QString title;
    std::array<SlotContent, kSlotCount> slots;
    QString pageNumber; // the bare number; empty for a page not yet saved
};

// The printed page of a page record: the title, the page number and the record's texts
// trimmed, the pictures as given, slot by slot A to H. The editor, the print dialogs and
// the PDF tool all build their pages here.
PageContent BuildPageContent(const storage::PageRecord& record, const QString& title, const QString& pageNumber,
                             const storage::SlotPictures& pictures);

// A picture as it is printed and written to PDF: 366 x 274, opaque pictures as RGB32 (the
// PDF engine embeds those without converting them). The pixels are those of ScaleBitmap.
QImage PrintedPicture(const QImage& picture);

// The picture a saved page prints in a slot: its stored photo at `path`, or `blank` (a
// PrintedPicture) when there is none or it cannot be read.
QImage StoredSlotPicture(const QString& path, const QImage& blank);

// A saved page as printed: its record, and the photos stored for its number in
// photoFolder under the flyer's title. `blank` stands in for a missing photo.
PageContent StoredPageContent(const QString& photoFolder, const QString& title, qint64 number,
                              const storage::PageRecord& record, const QImage& blank);

} // namespace print
