#pragma once

#include <QIODevice>

namespace storage {

// Passes writes on to another device and remembers any write that was refused or cut
// short. A file on a full disk takes the part of a write that fits and reports that as a
// success, and writers such as QImageWriter and QPdfWriter do not check the count: this
// device makes a cut-off write a failure, and refuses everything after it.
class WholeWrites : public QIODevice {
public:
    explicit WholeWrites(QIODevice* target)
        : m_target(target)
    {
        open(QIODevice::WriteOnly);
    }

    bool failed() const { return m_failed; }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 length) override
    {
        if (m_failed)
            return -1;
        qint64 done = 0;
        while (done < length) {
            const qint64 written = m_target->write(data + done, length - done);
            if (written <= 0) {
                m_failed = true;
                return -1;
            }
            done += written;
        }
        return length;
    }

private:
    QIODevice* m_target;
    bool m_failed = false;
};

} // namespace storage
