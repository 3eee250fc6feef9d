// Any bytes read from an archive either are refused as a short record or give a page whose
// fields fit their limits, are trimmed, and survive being written back and read again.
#include "base/Text.h"
#include "storage/FlyerArchive.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using storage::FieldLayout;
using storage::PageRecord;
using storage::ProductSlot;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "page_record: %s\n", what);
    std::abort();
}

struct Field {
    QString ProductSlot::*member;
    FieldLayout layout;
};

const std::array<Field, 5> kFields{{
    {&ProductSlot::codice, storage::kCodiceField},
    {&ProductSlot::nome, storage::kNomeField},
    {&ProductSlot::um, storage::kUmField},
    {&ProductSlot::caratteristiche, storage::kCaratteristicheField},
    {&ProductSlot::prezzo, storage::kPrezzoField},
}};

PageRecord Decode(QByteArrayView bytes)
{
    try {
        return storage::DecodePageRecord(bytes);
    } catch (const storage::StorageError&) {
        Fail("a whole record was refused");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    if (bytes.size() < storage::kPageRecordSize) {
        try {
            storage::DecodePageRecord(bytes);
        } catch (const storage::StorageError&) {
            return 0;
        }
        Fail("a short record was read");
    }

    const PageRecord record = Decode(bytes);
    for (const ProductSlot& slot : record.slots) {
        for (const Field& field : kFields) {
            const QString& text = slot.*field.member;
            if (text.size() > field.layout.maxLength)
                Fail("a field is longer than its limit");
            if (base::TrimBlanks(text) != text)
                Fail("a field is not trimmed");
        }
    }

    // Written back over the bytes it came from: every field is stored as it was read and
    // the bytes past each stored length are kept.
    const QByteArray base = bytes.first(storage::kPageRecordSize).toByteArray();
    const QByteArray written = storage::EncodePageRecord(record, base);
    if (written.size() != storage::kPageRecordSize)
        Fail("a written record has the wrong size");
    for (int s = 0; s < storage::kSlotCount; ++s) {
        const qsizetype slotOffset = s * storage::kSlotSize;
        for (const Field& field : kFields) {
            const qsizetype offset = slotOffset + field.layout.offset;
            const int length = quint8(written.at(offset));
            if (length > field.layout.maxLength)
                Fail("a stored length exceeds its field");
            for (qsizetype i = offset + 1 + length; i < offset + 1 + field.layout.maxLength; ++i) {
                if (written.at(i) != base.at(i))
                    Fail("a byte past a stored length was not kept");
            }
        }
    }
    if (Decode(written) != record)
        Fail("a page read, written back and read again differs");
    if (storage::EncodePageRecord(record).size() != storage::kPageRecordSize)
        Fail("a fresh record has the wrong size");
    return 0;
}
