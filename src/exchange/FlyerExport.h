#pragma once

#include "exchange/Exchange.h"
#include "storage/FlyerArchive.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace exchange {

// A flyer as it is exported: its title, where its photos are, and its pages as read.
struct FlyerPagesSnapshot {
    QString title;
    QString photoFolder;
    std::vector<storage::PageRecord> pages;
};

// Reads every page of the archive at once, under its lock (or, for an archive that
// cannot be opened for writing, without it). Throws ExchangeError.
FlyerPagesSnapshot ReadFlyer(const QString& archivePath, const QString& title, const QString& photoFolder,
                             int lockTimeoutMs = storage::FlyerArchive::kDefaultLockTimeoutMs);

// Pages first to last, from 1, both included.
struct PageRange {
    qint64 first = 1;
    qint64 last = 0; // 0: to the end
};
// "3-5", "4", "3-" or "-5"; nothing for anything else.
std::optional<PageRange> ParsePageRange(const QString& text);

// The pages are exported at 150 dots per inch: 1240 x 1754 for an A4 page.
inline constexpr int kPictureDotsPerInch = 150;

// The pages as one A4 PDF, each as the program prints it, written under a temporary name
// beside outputPath and put in its place only when whole. An empty flyer or a range
// outside it throws ExchangeError, as does a failed write; a cancel throws Cancelled.
// Either way no file is left behind.
void ExportPdf(const FlyerPagesSnapshot& flyer, const QString& outputPath, PageRange range = {},
               const Progress& progress = {});

// One PNG per page in folder, named <title>_<page>.png, each written whole or not at all.
// Returns the files written. Throws as ExportPdf; after a cancel the pictures already
// written stay.
QStringList ExportPictures(const FlyerPagesSnapshot& flyer, const QString& folder, PageRange range = {},
                           const Progress& progress = {});

// The name of the picture of page `number` in ExportPictures' folder.
QString PictureFileName(const QString& title, qint64 number);

// The products of the flyer, one row per filled slot with its page and slot letter, as
// .xlsx or .csv after outputPath's extension (UTF-8 with BOM and ";" for .csv), prices as
// the text they show. Returns the number of rows. Throws ExchangeError.
qint64 ExportList(const FlyerPagesSnapshot& flyer, const QString& outputPath);

} // namespace exchange
