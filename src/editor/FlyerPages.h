#pragma once

#include "storage/FlyerArchive.h"

#include <QString>

#include <optional>

namespace editor {

// What a move through the archive does to the page on screen.
struct PageMove {
    enum class Outcome {
        Moved,  // show `record` as page `number`
        Stayed, // the page on screen stays as it is
        Empty,  // the archive holds no page; the page on screen stays
    };
    Outcome outcome = Outcome::Stayed;
    qint64 number = 0; // from 1; only for Moved
    storage::PageRecord record;
    // Only with Empty: the page on screen no longer has a number.
    bool numberCleared = false;
};

// What keeps a page from being saved, in the order the checks run.
struct SaveRefusal {
    enum class Reason {
        NomeMissing,            // slot A's name
        UmMissing,              // slot A's appearance
        CaratteristicheMissing, // slot A's features
        CodiceMissing,          // slot A's article code
        PrezzoMissing,          // slot A's price
        PrezzoTooLong,          // a price the archive cannot hold whole
    };
    Reason reason;
    int slot = 0; // 0 (A) to 7 (H)
};

struct SavedPage {
    qint64 number = 0;     // the page's number now
    bool appended = false; // a new page at the end, not one overwritten
};

// The editor's rules over one flyer archive: moving through its pages, and saving the page
// on screen. The page on screen is known by its number as shown, empty for a new page.
// Every call opens the archive, does its step and closes it before it returns; a failure of
// the archive, or a page number that cannot be read, throws storage::StorageError and
// leaves the archive as it was.
class FlyerPages {
public:
    explicit FlyerPages(const QString& archivePath);

    PageMove first() const;
    PageMove previous(const QString& position) const;
    PageMove next(const QString& position) const;
    PageMove last() const;

    // The first check a page fails before it may be saved; nothing when it may.
    static std::optional<SaveRefusal> CheckBeforeSave(const storage::PageRecord& record);
    // Overwrites the page of that number, or appends the page when it has none. The
    // record should have passed CheckBeforeSave.
    SavedPage save(const QString& position, const storage::PageRecord& record) const;

    // The page a new page starts from: empty texts and a price of "0,00" in every slot.
    static storage::PageRecord NewPage();

    // The page number as shown; 0 for none. Throws storage::StorageError when unreadable.
    static qint64 PagePosition(const QString& position);

private:
    QString m_path;
};

} // namespace editor
