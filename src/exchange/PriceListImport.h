#pragma once

#include "exchange/Exchange.h"
#include "exchange/Sheet.h"
#include "storage/FlyerArchive.h"

#include <QString>

#include <vector>

namespace exchange {

// Every eight products of a list make one page, slots A to H.
inline constexpr int kRowsPerPage = 8;

// One product of the list as it will be stored.
struct ImportRow {
    int line = 0; // the row number in the list
    storage::ProductSlot slot;
    QString picture; // the photo's path; empty for the blank picture
};

// A remark on one row of the list.
struct RowNote {
    int line = 0;
    QString text;
};

// A list read and checked, nothing written yet.
struct ImportPlan {
    QString listName; // the list's file name
    std::vector<ImportRow> rows;
    std::vector<RowNote> skipped;         // rows left out, and why
    std::vector<RowNote> missingPictures; // photos named but not found or not readable
    std::vector<RowNote> longTexts;       // texts the printed page cuts at the box's edge

    qint64 pageCount() const { return (qint64(rows.size()) + kRowsPerPage - 1) / kRowsPerPage; }
};

// Reads the whole list and checks it: columns found by their header (letter case and
// accents aside), texts and prices as the editor saves them, photos by path or by article
// code in the list's folder or its foto/ subfolder, texts measured against the printed
// page. Throws ExchangeError when the list cannot be read or lacks the name or price
// column, Cancelled when progress says stop.
ImportPlan PlanImport(const QString& listPath, const Progress& progress = {});
ImportPlan PlanImport(const Sheet& sheet, const QString& listName, const QString& listFolder,
                      const Progress& progress = {});

// The summary the user confirms: the pages to add from firstPage on, the rows skipped,
// the pictures not found and the long texts, each list cut after maxLines rows.
QString PlanSummary(const ImportPlan& plan, qint64 firstPage, int maxLines = 12);

// Where an import goes: the flyer's archive, its photo folder and its title.
struct ImportTarget {
    QString archivePath;
    QString photoFolder;
    QString title;
    int lockTimeoutMs = storage::FlyerArchive::kDefaultLockTimeoutMs;
};

struct ImportResult {
    qint64 firstPage = 0; // from 1
    qint64 pages = 0;
    std::vector<RowNote> unreadablePictures; // found, but not readable as a picture
};

// The number of pages the archive holds now, read under its lock. Throws ExchangeError.
qint64 PageCountOf(const QString& archivePath, int lockTimeoutMs = storage::FlyerArchive::kDefaultLockTimeoutMs);

// Appends the plan's pages after the archive's last page and stores every slot's photo
// (the blank picture where there is none) as the editor does, the archive locked
// throughout. On a failure (ExchangeError) or a cancel (Cancelled) the archive and the
// photo folder are left as they were.
ImportResult ApplyImport(const ImportPlan& plan, const ImportTarget& target, const Progress& progress = {});

// What the user is told after an import.
QString ResultText(const ImportResult& result, int maxLines = 12);

} // namespace exchange
