#include "storage/FlyerArchive.h"

#include "base/Text.h"

#include <QDeadlineTimer>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QThread>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace storage {

namespace {

constexpr std::array<FieldLayout, 5> kFields{kCodiceField, kNomeField, kUmField, kCaratteristicheField, kPrezzoField};

const char* const kCodePage = "windows-1252";

QString* fieldOf(ProductSlot& slot, int field)
{
    switch (field) {
    case 0:
        return &slot.codice;
    case 1:
        return &slot.nome;
    case 2:
        return &slot.um;
    case 3:
        return &slot.caratteristiche;
    default:
        return &slot.prezzo;
    }
}

const QString& fieldOf(const ProductSlot& slot, int field)
{
    return *fieldOf(const_cast<ProductSlot&>(slot), field);
}

} // namespace

QByteArray EncodeField(const QString& text, int maxLength)
{
    const QString trimmed = base::TrimBlanks(text);
    {
        // Most texts convert whole.
        QStringEncoder encoder(kCodePage);
        QStringDecoder decoder(kCodePage);
        if (!encoder.isValid() || !decoder.isValid())
            throw StorageError("code page windows-1252 not available");
        QByteArray bytes = encoder.encode(trimmed);
        if (!encoder.hasError() && bytes.size() == trimmed.size() && QString(decoder.decode(bytes)) == trimmed)
            return bytes.left(maxLength);
    }
    // One code point at a time, so that a character the code page cannot hold becomes
    // exactly one "?".
    QByteArray bytes;
    for (qsizetype i = 0; i < trimmed.size() && bytes.size() < maxLength;) {
        const qsizetype width =
            (trimmed.at(i).isHighSurrogate() && i + 1 < trimmed.size() && trimmed.at(i + 1).isLowSurrogate()) ? 2 : 1;
        const QStringView character = QStringView(trimmed).mid(i, width);
        QStringEncoder encoder(kCodePage);
        QStringDecoder decoder(kCodePage);
        QByteArray encoded = encoder.encode(character);
        if (encoder.hasError() || encoded.size() != 1 || QString(decoder.decode(encoded)) != character)
            encoded = QByteArrayLiteral("?");
        bytes += encoded;
        i += width;
    }
    return bytes;
}

QString DecodeField(QByteArrayView bytes)
{
    QStringDecoder decoder(kCodePage);
    if (!decoder.isValid())
        throw StorageError("code page windows-1252 not available");
    return base::TrimBlanks(QString(decoder.decode(bytes)));
}

QByteArray EncodePageRecord(const PageRecord& record, const QByteArray& base)
{
    QByteArray bytes = base.size() == kPageRecordSize ? base : QByteArray(kPageRecordSize, '\0');
    char* data = bytes.data();
    for (int s = 0; s < kSlotCount; ++s) {
        char* slot = data + s * kSlotSize;
        for (int f = 0; f < int(kFields.size()); ++f) {
            const FieldLayout layout = kFields[f];
            const QByteArray value = EncodeField(fieldOf(record.slots[s], f), layout.maxLength);
            slot[layout.offset] = char(quint8(value.size()));
            std::copy(value.begin(), value.end(), slot + layout.offset + 1);
        }
    }
    return bytes;
}

PageRecord DecodePageRecord(QByteArrayView bytes)
{
    if (bytes.size() < kPageRecordSize)
        throw StorageError("short page record");
    PageRecord record;
    for (int s = 0; s < kSlotCount; ++s) {
        const QByteArrayView slot = bytes.sliced(s * kSlotSize, kSlotSize);
        for (int f = 0; f < int(kFields.size()); ++f) {
            const FieldLayout layout = kFields[f];
            const int length = qMin<int>(quint8(slot[layout.offset]), layout.maxLength);
            *fieldOf(record.slots[s], f) = DecodeField(slot.sliced(layout.offset + 1, length));
        }
    }
    return record;
}

qint64 RecordCount(qint64 sizeInBytes)
{
    return sizeInBytes < 0 ? 0 : sizeInBytes / kPageRecordSize;
}

PageRecord ReadPage(QIODevice& device, qint64 index)
{
    if (index < 0 || !device.seek(index * kPageRecordSize))
        throw StorageError("cannot seek in archive");
    const QByteArray bytes = device.read(kPageRecordSize);
    if (bytes.size() != kPageRecordSize)
        throw StorageError("cannot read page from archive");
    return DecodePageRecord(bytes);
}

void WritePage(QIODevice& device, qint64 index, const PageRecord& record)
{
    if (index < 0 || !device.seek(index * kPageRecordSize))
        throw StorageError("cannot seek in archive");
    const QByteArray bytes = EncodePageRecord(record);
    if (device.write(bytes) != bytes.size())
        throw StorageError("cannot write page to archive");
}

FlyerArchive::FlyerArchive(const QString& path, int lockTimeoutMs)
    : m_file(path)
{
    // Unbuffered: a write that fails fails at once, with nothing held back for later.
    if (!m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        throw StorageError("cannot open archive");
    lock(lockTimeoutMs);
}

FlyerArchive::~FlyerArchive()
{
    // Closing the handle releases the lock.
    if (m_file.isOpen())
        m_file.close();
}

LockRefusal ClassifyLockRefusal(int error)
{
#ifdef Q_OS_WIN
    if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING)
        return LockRefusal::Busy;
    return LockRefusal::Unsupported;
#else
    if (error == EACCES || error == EAGAIN)
        return LockRefusal::Busy;
    if (error == EINTR)
        return LockRefusal::Retry;
    return LockRefusal::Unsupported;
#endif
}

void FlyerArchive::lock(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
#ifdef Q_OS_WIN
        auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(m_file.handle()));
        OVERLAPPED whole{};
        if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &whole))
            return;
        const LockRefusal refusal = ClassifyLockRefusal(int(GetLastError()));
#else
        struct flock whole { };
        whole.l_type = F_WRLCK;
        whole.l_whence = SEEK_SET;
        whole.l_start = 0;
        whole.l_len = 0;
#ifdef F_OFD_SETLK
        // Open file description locks also keep apart two archives opened in one process.
        const int command = F_OFD_SETLK;
#else
        const int command = F_SETLK;
#endif
        if (::fcntl(m_file.handle(), command, &whole) == 0)
            return;
        const LockRefusal refusal = ClassifyLockRefusal(errno);
#endif
        if (refusal == LockRefusal::Unsupported)
            return; // a file system without locks: work as the format always did
        if (refusal == LockRefusal::Retry)
            continue;
        if (deadline.hasExpired()) {
            m_file.close();
            throw StorageError("archive locked by another copy of the program");
        }
        QThread::msleep(20);
    }
}

void FlyerArchive::syncToDisk()
{
#ifdef Q_OS_WIN
    const bool synced = FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(m_file.handle())));
#else
    const bool synced = ::fsync(m_file.handle()) == 0;
#endif
    if (!synced)
        throw StorageError("cannot write page to archive");
}

qint64 FlyerArchive::recordCount()
{
    if (!m_file.isOpen())
        throw StorageError("archive not open");
    return RecordCount(m_file.size());
}

PageRecord FlyerArchive::readPage(qint64 index)
{
    if (index >= recordCount())
        throw StorageError("page beyond the end of the archive");
    return ReadPage(m_file, index);
}

void FlyerArchive::writePage(qint64 index, const PageRecord& record)
{
    const qint64 count = recordCount();
    if (index > count)
        throw StorageError("page beyond the end of the archive");
    // What the write may spoil if it stops halfway (a full disk): the old record, or, when
    // appending, the archive's length.
    const qint64 sizeBefore = m_file.size();
    QByteArray before;
    if (index < count && m_file.seek(index * kPageRecordSize))
        before = m_file.read(kPageRecordSize);
    try {
        WritePage(m_file, index, record);
        if (!m_file.flush())
            throw StorageError("cannot write page to archive");
        // A confirmed save must survive a power cut.
        syncToDisk();
    } catch (const StorageError&) {
        m_file.unsetError();
        if (index == count)
            m_file.resize(sizeBefore);
        else if (before.size() == kPageRecordSize && m_file.seek(index * kPageRecordSize))
            m_file.write(before);
        m_file.unsetError();
        throw;
    }
}

void FlyerArchive::appendPages(const std::vector<PageRecord>& records)
{
    const qint64 count = recordCount();
    const qint64 sizeBefore = m_file.size();
    try {
        for (size_t i = 0; i < records.size(); ++i)
            WritePage(m_file, count + qint64(i), records[i]);
        if (!m_file.flush())
            throw StorageError("cannot write page to archive");
        syncToDisk();
    } catch (const StorageError&) {
        m_file.unsetError();
        m_file.resize(sizeBefore);
        m_file.unsetError();
        throw;
    }
}

void FlyerArchive::close()
{
    if (!m_file.isOpen())
        return;
    const bool flushed = m_file.flush();
    m_file.close();
    if (!flushed || m_file.error() != QFileDevice::NoError)
        throw StorageError("cannot close archive");
}

} // namespace storage
