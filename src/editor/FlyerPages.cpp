#include "editor/FlyerPages.h"

#include "base/Text.h"

namespace editor {

namespace {

PageMove MoveTo(storage::FlyerArchive& archive, qint64 index)
{
    PageMove move;
    move.outcome = PageMove::Outcome::Moved;
    move.record = archive.readPage(index);
    move.number = index + 1;
    archive.close();
    return move;
}

PageMove Ends(storage::FlyerArchive& archive, PageMove::Outcome outcome, bool numberCleared = false)
{
    archive.close();
    PageMove move;
    move.outcome = outcome;
    move.numberCleared = numberCleared;
    return move;
}

} // namespace

FlyerPages::FlyerPages(const QString& archivePath)
    : m_path(base::TrimBlanks(archivePath))
{ }

qint64 FlyerPages::PagePosition(const QString& position)
{
    const QString text = base::TrimBlanks(position);
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    if (!ok || number < 1)
        throw storage::StorageError("unreadable page number");
    return number;
}

PageMove FlyerPages::first() const
{
    storage::FlyerArchive archive(m_path);
    if (archive.recordCount() == 0)
        return Ends(archive, PageMove::Outcome::Empty);
    return MoveTo(archive, 0);
}

PageMove FlyerPages::previous(const QString& position) const
{
    storage::FlyerArchive archive(m_path);
    if (base::TrimBlanks(position) == QLatin1String("1"))
        return Ends(archive, PageMove::Outcome::Stayed);
    if (archive.recordCount() == 0)
        return Ends(archive, PageMove::Outcome::Empty);
    const qint64 number = PagePosition(position);
    // From a new page the first page is the one before.
    return MoveTo(archive, number == 0 ? 0 : number - 2);
}

PageMove FlyerPages::next(const QString& position) const
{
    storage::FlyerArchive archive(m_path);
    const qint64 count = archive.recordCount();
    if (count == 0)
        return Ends(archive, PageMove::Outcome::Empty, true);
    const qint64 number = PagePosition(position);
    if (number >= count)
        return Ends(archive, PageMove::Outcome::Stayed);
    return MoveTo(archive, number);
}

PageMove FlyerPages::last() const
{
    storage::FlyerArchive archive(m_path);
    const qint64 count = archive.recordCount();
    if (count == 0)
        return Ends(archive, PageMove::Outcome::Empty);
    return MoveTo(archive, count - 1);
}

std::optional<SaveRefusal> FlyerPages::CheckBeforeSave(const storage::PageRecord& record)
{
    using Reason = SaveRefusal::Reason;
    const storage::ProductSlot& a = record.slots[0];
    const std::pair<const QString*, Reason> required[] = {
        {&a.nome, Reason::NomeMissing},
        {&a.um, Reason::UmMissing},
        {&a.caratteristiche, Reason::CaratteristicheMissing},
        {&a.codice, Reason::CodiceMissing},
        {&a.prezzo, Reason::PrezzoMissing},
    };
    for (const auto& [text, reason] : required) {
        if (base::TrimBlanks(*text).isEmpty())
            return SaveRefusal{reason, 0};
    }
    // A price the archive cannot hold whole would be stored cut, as a different price.
    for (int slot = 0; slot < storage::kSlotCount; ++slot) {
        if (base::TrimBlanks(record.slots[slot].prezzo).size() > storage::kPrezzoField.maxLength)
            return SaveRefusal{Reason::PrezzoTooLong, slot};
    }
    return std::nullopt;
}

SavedPage FlyerPages::save(const QString& position, const storage::PageRecord& record) const
{
    storage::FlyerArchive archive(m_path);
    SavedPage saved;
    const qint64 number = PagePosition(position);
    if (number > 0) {
        archive.writePage(number - 1, record);
        saved.number = number;
    } else {
        const qint64 count = archive.recordCount();
        archive.writePage(count, record);
        saved.number = count + 1;
        saved.appended = true;
    }
    archive.close();
    return saved;
}

storage::PageRecord FlyerPages::NewPage()
{
    storage::PageRecord record;
    for (storage::ProductSlot& slot : record.slots)
        slot.prezzo = QStringLiteral("0,00");
    return record;
}

} // namespace editor
