#pragma once

#include <QImage>
#include <QString>

#include <array>
#include <optional>

namespace storage {

// Size of every stored slot photo and preview picture.
inline constexpr int kPhotoWidth = 366;
inline constexpr int kPhotoHeight = 274;
// JPEG quality of the stored photos.
inline constexpr int kPhotoQuality = 90;
// Largest decoded picture LoadPhoto accepts, in megabytes (a 50-megapixel photo takes 200).
inline constexpr int kPhotoAllocationLimitMb = 512;

// Size of the blank picture, the placeholder of an empty slot.
inline constexpr QSize kBlankPictureSize{136, 104};

// The Foto_Listino folder of a program folder (given with its trailing separator); only
// the path, nothing is created.
QString PhotoFolderIn(const QString& programFolder);
// The program folder's Foto_Listino, created (with any missing parent) when missing.
// A failure to create it shows as a failure of the read or write that follows.
QString PhotoFolderPath();

// The slot letter A..H of slot index 0..7.
QChar SlotLetter(int slot);

// <photoFolder>/<title>_Foto_<letter>_<position>.jpg; title and position are trimmed.
// Only the path: nothing is read or created.
QString SlotPhotoPath(const QString& photoFolder, const QString& title, QChar letter, const QString& position);
// The same in the program folder's Foto_Listino, which is created when missing.
QString SlotPhotoPath(const QString& title, QChar letter, const QString& position);
// Foto_Listino/<title>_Anteprima_<letter>.jpg; title is trimmed. Creates Foto_Listino
// when missing.
QString PreviewPicturePath(const QString& title, QChar letter);

// The blank picture: the placeholder badge on white, 136 x 104.
QImage DrawBlankPicture();

// A new picture of exactly width x height holding the whole source stretched to fill it
// (proportions not kept), cleared to transparent black first, smoothly resampled.
QImage ScaleBitmap(const QImage& source, int width, int height);

// Scales the picture to 366 x 274 and writes it as JPEG, replacing any file of that name
// only once the new one is complete. False on any failure; never throws.
bool SavePhoto(const QImage& picture, const QString& path);

// False for a JPEG or bitmap file that is cut off or whose header promises more pixels than
// the file holds: Qt's decoders would hand such a picture back filled out with grey or with
// whatever memory held. True for whole files and for formats it does not know.
bool PhotoLooksComplete(const uchar* data, qint64 size);

// Reads a picture file at its own pixel size; nothing when it cannot be read, is cut off,
// or would be larger than kPhotoAllocationLimitMb.
std::optional<QImage> LoadPhoto(const QString& path);

// The eight photos of one page, slots A to H, in the program folder's Foto_Listino
// (created when missing), named after the title and the page number.
using SlotPictures = std::array<QImage, 8>;
using SlotPhotos = std::array<std::optional<QImage>, 8>;

// Stores each picture as its slot's photo, slot by slot, sharing the work out over the
// processor's cores; every slot is stored by itself, whatever the others do. Which slots
// were stored; never throws.
std::array<bool, 8> SaveSlotPhotos(const SlotPictures& pictures, const QString& title, const QString& position);
// Reads the page's photos; nothing for a slot whose photo is missing or unreadable.
SlotPhotos LoadSlotPhotos(const QString& title, const QString& position);

} // namespace storage
