#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <sys/mount.h>

namespace testing {

// A small tmpfs mounted over a folder for the lifetime of this object, to see what a
// full disk does. Mounting needs root: mounted() tells whether it worked.
class SmallDisk {
public:
    SmallDisk(const QString& folder, int kilobytes)
        : m_folder(QFile::encodeName(folder))
    {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }

    // Fills the disk with 4 KiB files, then frees the given number of them again.
    void fillLeaving(int freeBlocks) const
    {
        QStringList fillers;
        for (int i = 0;; ++i) {
            const QString path = QFile::decodeName(m_folder) + QStringLiteral("/riempimento%1").arg(i);
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
                break;
            const bool whole = file.write(QByteArray(4096, 'x')) == 4096;
            file.close();
            if (!whole) {
                QFile::remove(path);
                break;
            }
            fillers << path;
        }
        for (int i = 0; i < freeBlocks && !fillers.isEmpty(); ++i)
            QFile::remove(fillers.takeLast());
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

} // namespace testing
