#pragma once

#include "support/ScriptedDialogs.h"
#include "support/TestFolder.h"

#include "editor/ListinoPrezzi.h"
#include "editor/PhotoBox.h"
#include "editor/PriceEdit.h"
#include "storage/FlyerArchive.h"
#include "storage/PhotoStore.h"
#include "support/ProgramScreens.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace testing {

// The editor's error box for an archive it cannot open, read or write.
inline QString AccessErrorText()
{
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                          "programma.");
}

// A page whose every text tells the page it belongs to.
inline storage::PageRecord NumberedPage(int page)
{
    storage::PageRecord record;
    for (int s = 0; s < 8; ++s) {
        const QString tag = QStringLiteral("%1%2").arg(page).arg(storage::SlotLetter(s));
        record.slots[s] = {QStringLiteral("COD-") + tag, QStringLiteral("Prodotto ") + tag,
                           QStringLiteral("Aspetto ") + tag, QStringLiteral("Caratteristiche ") + tag,
                           QStringLiteral("%1,%2").arg(page).arg(s * 10 + 5)};
    }
    return record;
}

// The editor inside a temporary program folder, on the archive Prova.lis, shown and active.
class EditorFixture {
public:
    explicit EditorFixture(int pages = 0, bool createArchive = true)
    {
        archive = folder.file(QStringLiteral("Prova.lis"));
        if (createArchive) {
            QByteArray bytes;
            for (int p = 1; p <= pages; ++p)
                bytes += storage::EncodePageRecord(NumberedPage(p));
            WriteFile(archive, bytes);
        }
        screens = std::make_unique<testing::ProgramScreens>();
        editor = screens->frmListinoPrezzi;
        editor->lblFile->setText(archive);
        editor->lblNome->setText(QStringLiteral("Prova"));
        // The pointer away from the commands, so that no hint shows when the window appears.
        QCursor::setPos(QPoint(0, 0));
        editor->showScreen();
        editor->activateWindow();
        (void)QTest::qWaitForWindowActive(editor);
        // The offscreen screen is 800 x 800: give the window room for its 1016 x 713 content.
        editor->resize(editor->size().expandedTo(ui::kMaximisedContentSize));
        QCoreApplication::processEvents();
    }

    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        return editor->findChild<T*>(name);
    }

    // Clicks a command picture or a photo box by name.
    void click(const QString& name) const
    {
        QWidget* widget = find(name);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    // Writes a picture of the editor to $VETRINALIA_GRAB_DIR/<name>.png, when that is set.
    void saveGrab(const QString& name) const
    {
        const QByteArray dir = qgetenv("VETRINALIA_GRAB_DIR");
        if (!dir.isEmpty())
            editor->grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    QByteArray archiveBytes() const { return ReadFile(archive); }
    QString photoPath(QChar letter, int page) const
    {
        return folder.file(QStringLiteral("Foto_Listino/Prova_Foto_%1_%2.jpg").arg(letter).arg(page));
    }

    // Slot A complete, so that a save passes its checks.
    void fillSlotA() const
    {
        editor->txtNome(0)->setText(QStringLiteral("Mele"));
        editor->txtUM(0)->setText(QStringLiteral("Cassetta da 5 kg"));
        editor->txtCaratteristiche(0)->setText(QStringLiteral("Golden, raccolto 2026"));
        editor->txtCodice(0)->setText(QStringLiteral("MEL-05"));
        editor->txtPrezzo(0)->setText(QStringLiteral("7,90"));
    }

    TestFolder folder;
    ScriptedDialogs dialogs;
    QString archive;
    std::unique_ptr<testing::ProgramScreens> screens;
    editor::TfrmListinoPrezzi* editor = nullptr;
};

// A plain picture of one colour.
inline QImage Plain(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace testing
