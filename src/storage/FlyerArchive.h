#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <array>
#include <stdexcept>
#include <vector>

class QIODevice;

namespace storage {

// One product box of a page, in the archive's field order.
struct ProductSlot {
    QString codice;
    QString nome;
    QString um;
    QString caratteristiche;
    QString prezzo;

    bool operator==(const ProductSlot&) const = default;
};

// One page: the slots A to H.
struct PageRecord {
    std::array<ProductSlot, 8> slots;

    bool operator==(const PageRecord&) const = default;
};

inline constexpr int kSlotCount = 8;
inline constexpr qint64 kSlotSize = 462;
inline constexpr qint64 kPageRecordSize = 3696;

// A field of a slot: where it lies in the slot and how many characters it holds.
struct FieldLayout {
    int offset;
    int maxLength;
};
inline constexpr FieldLayout kCodiceField{0, 25};
inline constexpr FieldLayout kNomeField{26, 50};
inline constexpr FieldLayout kUmField{77, 120};
inline constexpr FieldLayout kCaratteristicheField{198, 250};
inline constexpr FieldLayout kPrezzoField{449, 12};

// Any failure to open, create, size, seek, read, write or close an archive.
class StorageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Text of one field to its Windows-1252 bytes: trimmed, converted ("?" for a character the
// code page cannot hold) and cut to maxLength bytes.
QByteArray EncodeField(const QString& text, int maxLength);
// Bytes of one field back to text, trimmed.
QString DecodeField(QByteArrayView bytes);

// The 3696 bytes of a page. Bytes after each stored length are taken from base when it
// has the size of a record, zero otherwise.
QByteArray EncodePageRecord(const PageRecord& record, const QByteArray& base = {});
// A page from its bytes; a length byte larger than its field's maximum is clamped.
// Throws StorageError when fewer than 3696 bytes are given.
PageRecord DecodePageRecord(QByteArrayView bytes);

// Page operations on any device: index counts from 0.
qint64 RecordCount(qint64 sizeInBytes);
PageRecord ReadPage(QIODevice& device, qint64 index);
void WritePage(QIODevice& device, qint64 index, const PageRecord& record);

// What a refused byte-range lock means. Busy: another copy holds it, wait. Retry: the
// call was interrupted. Unsupported: any other refusal; file systems that keep no locks
// (network and FUSE mounts answer ENOLCK, EOPNOTSUPP, EIO and the like) are used without
// one, as the format always was.
enum class LockRefusal { Busy, Retry, Unsupported };
// error is errno on POSIX systems, GetLastError() on Windows.
LockRefusal ClassifyLockRefusal(int error);

// An archive file, open for one command: opened for reading and writing, created empty
// when missing, released by close() or at the end of its life. While open it holds an
// exclusive lock on the file, so that two copies of the program sharing a folder never
// interleave their writes; another copy's lock is waited for at most lockTimeoutMs. Where
// the file system refuses locks, the archive is used without one.
class FlyerArchive {
public:
    static constexpr int kDefaultLockTimeoutMs = 5000;

    explicit FlyerArchive(const QString& path, int lockTimeoutMs = kDefaultLockTimeoutMs);
    ~FlyerArchive();
    FlyerArchive(const FlyerArchive&) = delete;
    FlyerArchive& operator=(const FlyerArchive&) = delete;

    qint64 recordCount();
    PageRecord readPage(qint64 index);
    void writePage(qint64 index, const PageRecord& record);
    // Appends the pages after the last one in one step, flushed to disk once; on a failure
    // the archive is cut back to its length before and StorageError is thrown.
    void appendPages(const std::vector<PageRecord>& records);
    void close();

private:
    void lock(int timeoutMs);
    void syncToDisk();

    QFile m_file;
};

} // namespace storage
