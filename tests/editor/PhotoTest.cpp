#include "EditorFixture.h"
#include "support/TestRegistry.h"
#include "ui/Program.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QDirIterator>
#include <QImageReader>
#include <QListView>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

using namespace testing;

namespace {

// A picture file of one colour.
QString PictureFile(const TestFolder& folder, const QString& name, QSize size, QColor colour)
{
    const QString path = folder.file(name);
    Plain(size.width(), size.height(), colour).save(path);
    return path;
}

// The average colour of a picture, to tell stored photos apart after JPEG.
QColor Mean(const QImage& image)
{
    qint64 r = 0, g = 0, b = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = rgb.pixel(x, y);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
        }
    const qint64 n = qint64(rgb.width()) * rgb.height();
    return QColor(int(r / n), int(g / n), int(b / n));
}

bool Near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
}

} // namespace

class PhotoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pickPhoto_data();
    void pickPhoto();
    void savedPhotosComeBack();
    void missingPhotoFileGivesBlank();
    void unwritablePhotoFolder();
    void pickedPhotoIsLostByMovingAway();
    void shownFittedAndCentred_data();
    void shownFittedAndCentred();
    void pageWithPhotos();
    void realFileDialog();
    void typedNameCompletion_data();
    void typedNameCompletion();
};

void PhotoTest::pickPhoto_data()
{
    QTest::addColumn<QString>("file");     // as the dialog returns it; empty = cancelled
    QTest::addColumn<QByteArray>("bytes"); // written to the file first, when given
    QTest::addColumn<QSize>("held");       // picture size held afterwards; invalid = blank picture
    QTest::newRow("cancelled") << "" << QByteArray() << QSize(7, 7);
    QTest::newRow("jpeg") << "foto.jpg" << QByteArray() << QSize(1000, 1000);
    QTest::newRow("bitmap") << "foto.bmp" << QByteArray() << QSize(1000, 1000);
    QTest::newRow("png, not in the filter") << "foto.png" << QByteArray() << QSize(1000, 1000);
    QTest::newRow("text file named .jpg") << "testo.jpg" << QByteArray("non sono una foto\n") << QSize();
    QTest::newRow("missing file") << "manca.jpg" << QByteArray("-") << QSize();
    // Pictures that cannot be held: a cut-off file, a header that lies about the size.
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    Plain(1000, 1000, Qt::blue).save(&buffer, "jpg");
    QTest::newRow("jpeg cut off") << "tagliata.jpg" << jpeg.left(jpeg.size() / 2) << QSize();
    QByteArray huge = jpeg;
    const qsizetype frame = huge.indexOf("\xFF\xC0");
    huge[frame + 5] = huge[frame + 7] = char(30000 >> 8);
    huge[frame + 6] = huge[frame + 8] = char(30000 & 0xFF);
    QTest::newRow("jpeg claiming 30000 x 30000") << "enorme.jpg" << huge << QSize();
}

void PhotoTest::pickPhoto()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, held);
    EditorFixture f;
    f.editor->imgFoto(2)->setPicture(Plain(7, 7, Qt::green));
    if (!file.isEmpty()) {
        const QString path = f.folder.file(file);
        if (bytes.isEmpty())
            PictureFile(f.folder, file, QSize(1000, 1000), Qt::blue);
        else if (bytes != "-")
            WriteFile(path, bytes);
        f.dialogs.fileNames.push_back(path);
    }
    f.editor->txtUM(1)->setFocus();

    f.click(QStringLiteral("imgFoto_C"));

    QCOMPARE(f.dialogs.fileRequests.size(), 1);
    const ui::FileRequest request = f.dialogs.fileRequests.first();
    QCOMPARE(request.title, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
    QCOMPARE(request.nameFilters,
             (QStringList{QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)"), QStringLiteral("Immagine Bitmap (*.bmp)")}));
    QCOMPARE(request.defaultSuffix, QStringLiteral("JPG"));
    if (held.isValid())
        QCOMPARE(f.editor->imgFoto(2)->picture().size(), held);
    else
        QCOMPARE(f.editor->imgFoto(2)->picture(), f.editor->BlankPicture());
    QVERIFY(f.dialogs.messages.isEmpty());
    QVERIFY(f.editor->txtUM(1)->hasFocus());
    // Nothing is written by picking.
    QVERIFY(!QFile::exists(f.photoPath(u'C', 1)));
}

void PhotoTest::savedPhotosComeBack()
{
    EditorFixture f;
    f.fillSlotA();
    f.dialogs.fileNames.push_back(PictureFile(f.folder, QStringLiteral("q.png"), {1000, 1000}, Qt::blue));
    f.click(QStringLiteral("imgFoto_B"));
    QCOMPARE(f.editor->imgFoto(1)->picture().size(), QSize(1000, 1000));
    f.click(QStringLiteral("cmdSalva"));

    // Stretched to 366 x 274, not cropped or letter-boxed: blue to the very corners.
    const QImage stored(f.photoPath(u'B', 1));
    QCOMPARE(stored.size(), QSize(366, 274));
    for (QPoint corner : {QPoint(0, 0), QPoint(365, 0), QPoint(0, 273), QPoint(365, 273)})
        QVERIFY(Near(stored.pixelColor(corner), Qt::blue));
    // A slot showing the blank picture stores it too, stretched.
    const QImage blank(f.photoPath(u'A', 1));
    QCOMPARE(blank.size(), QSize(366, 274));
    QVERIFY(Near(Mean(blank), Mean(f.editor->BlankPicture())));
    // The box still holds the picture as loaded.
    QCOMPARE(f.editor->imgFoto(1)->picture().size(), QSize(1000, 1000));

    f.click(QStringLiteral("cmdNuovo"));
    QCOMPARE(f.editor->imgFoto(1)->picture(), f.editor->BlankPicture());
    f.click(QStringLiteral("cmdPrimo"));
    QCOMPARE(f.editor->imgFoto(1)->picture().size(), QSize(366, 274));
    QVERIFY(Near(Mean(f.editor->imgFoto(1)->picture()), Qt::blue));
}

void PhotoTest::missingPhotoFileGivesBlank()
{
    EditorFixture f;
    f.fillSlotA();
    for (int s = 0; s < 8; ++s)
        f.editor->imgFoto(s)->setPicture(Plain(400, 300, QColor(20 * s, 100, 200)));
    f.click(QStringLiteral("cmdSalva"));
    QVERIFY(QFile::remove(f.photoPath(u'D', 1)));
    WriteFile(f.photoPath(u'F', 1), "rovinato");
    f.click(QStringLiteral("cmdNuovo"));
    f.click(QStringLiteral("cmdUltimo"));
    for (int s = 0; s < 8; ++s) {
        const QImage shown = f.editor->imgFoto(s)->picture();
        if (s == 3 || s == 5) {
            QCOMPARE(shown, f.editor->BlankPicture());
        } else {
            QCOMPARE(shown.size(), QSize(366, 274));
            QVERIFY(Near(Mean(shown), QColor(20 * s, 100, 200)));
        }
    }
    QVERIFY(f.dialogs.messageTexts()
            == QStringList{QStringLiteral("La scheda corrente è stata inserita in archivio.")});
}

void PhotoTest::unwritablePhotoFolder()
{
    EditorFixture f;
    // A file where the folder should be: no photo can be written or read.
    WriteFile(f.folder.file(QStringLiteral("Foto_Listino")), "occupato");
    f.fillSlotA();
    for (int s = 0; s < 8; ++s)
        f.editor->imgFoto(s)->setPicture(Plain(50, 50, Qt::darkCyan));
    f.click(QStringLiteral("cmdSalva"));

    QCOMPARE(f.archiveBytes().size(), storage::kPageRecordSize);
    QCOMPARE(storage::DecodePageRecord(f.archiveBytes()).slots[0].nome, QStringLiteral("Mele"));
    QCOMPARE(f.editor->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(f.dialogs.messageTexts(), QStringList{QStringLiteral("La scheda corrente è stata inserita in archivio.")});
    for (int s = 0; s < 8; ++s)
        QCOMPARE(f.editor->imgFoto(s)->picture(), f.editor->BlankPicture());
    QCOMPARE(testing::ReadFile(f.folder.file(QStringLiteral("Foto_Listino"))), QByteArray("occupato"));

    // Once the folder can be made again, the next save creates it.
    QVERIFY(QFile::remove(f.folder.file(QStringLiteral("Foto_Listino"))));
    f.click(QStringLiteral("cmdSalva"));
    QCOMPARE(QImageReader(f.photoPath(u'H', 1)).size(), QSize(366, 274));
}

void PhotoTest::pickedPhotoIsLostByMovingAway()
{
    EditorFixture f(2);
    // Page 1 saved with a red photo in slot A; page 2 has no photos at all.
    f.click(QStringLiteral("cmdPrimo"));
    f.editor->imgFoto(0)->setPicture(Plain(366, 274, Qt::red));
    f.click(QStringLiteral("cmdSalva"));
    f.dialogs.fileNames.push_back(PictureFile(f.folder, QStringLiteral("verde.jpg"), {640, 480}, Qt::green));
    f.click(QStringLiteral("imgFoto_A"));
    QCOMPARE(f.editor->imgFoto(0)->picture().size(), QSize(640, 480));

    f.click(QStringLiteral("cmdAvanti"));
    QCOMPARE(f.editor->lblPosizione->text(), QStringLiteral("2"));
    for (int s = 0; s < 8; ++s)
        QCOMPARE(f.editor->imgFoto(s)->picture(), f.editor->BlankPicture());
    f.click(QStringLiteral("cmdIndietro"));
    QCOMPARE(f.editor->imgFoto(0)->picture().size(), QSize(366, 274));
    QVERIFY(Near(Mean(f.editor->imgFoto(0)->picture()), Qt::red));
}

void PhotoTest::shownFittedAndCentred_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("shown");
    QTest::newRow("stored photo") << QSize(366, 274) << QRect(0, 1, 136, 102);
    QTest::newRow("camera photo") << QSize(4000, 3000) << QRect(0, 1, 136, 102);
    QTest::newRow("smaller, own size") << QSize(50, 40) << QRect(43, 32, 50, 40);
    QTest::newRow("exact size") << QSize(136, 104) << QRect(0, 0, 136, 104);
    QTest::newRow("panorama") << QSize(2000, 200) << QRect(0, 45, 136, 14);
    QTest::newRow("tall") << QSize(100, 1000) << QRect(63, 0, 10, 104);
}

void PhotoTest::shownFittedAndCentred()
{
    QFETCH(QSize, picture);
    QFETCH(QRect, shown);
    EditorFixture f;
    editor::PhotoBox* box = f.editor->imgFoto(4);
    box->setPicture(Plain(picture.width(), picture.height(), Qt::red));
    QCOMPARE(box->shownRect(), shown);
    QCOMPARE(box->picture().size(), picture);

    // On screen: red inside the shown area, the product box around it.
    const QImage shot = box->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    const auto at = [&](int x, int y) { return QColor(shot.pixel(QPoint(x, y) * ratio)); };
    QCOMPARE(at(shown.center().x(), shown.center().y()), QColor(Qt::red));
    QCOMPARE(at(shown.left(), shown.top()), QColor(Qt::red));
    QCOMPARE(at(shown.right(), shown.bottom()), QColor(Qt::red));
    if (shown.top() > 0)
        QVERIFY(at(shown.center().x(), shown.top() - 1) != QColor(Qt::red));
    if (shown.left() > 0)
        QVERIFY(at(shown.left() - 1, shown.center().y()) != QColor(Qt::red));
}

void PhotoTest::pageWithPhotos()
{
    // A page as a user fills it: a photo of each shape, saved and shown again.
    EditorFixture f;
    f.fillSlotA();
    const QSize sizes[] = {{4000, 3000}, {1000, 1000}, {60, 40},   {2000, 300},
                           {300, 2000},  {366, 274},   {800, 600}, {136, 104}};
    for (int s = 0; s < 8; ++s) {
        QImage photo(sizes[s], QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb(40 + 200 * x / photo.width(), 60 + 25 * s, 220 - 180 * y / photo.height()));
        const QString path = f.folder.file(QStringLiteral("foto%1.jpg").arg(s));
        photo.save(path);
        f.dialogs.fileNames.push_back(path);
        f.click(QStringLiteral("imgFoto_") + storage::SlotLetter(s));
        f.editor->txtNome(s)->setText(QStringLiteral("Prodotto %1").arg(storage::SlotLetter(s)));
    }
    f.editor->txtCaratteristiche(1)->setFocus();
    f.saveGrab(QStringLiteral("editor-photos-picked"));
    f.click(QStringLiteral("cmdSalva"));
    f.click(QStringLiteral("cmdNuovo"));
    f.click(QStringLiteral("cmdPrimo"));
    f.saveGrab(QStringLiteral("editor-photos-stored"));
    for (int s = 0; s < 8; ++s) {
        QCOMPARE(f.editor->imgFoto(s)->picture().size(), QSize(366, 274));
        QCOMPARE(f.editor->imgFoto(s)->shownRect(), QRect(0, 1, 136, 102));
    }
}

namespace {

// Every file of a folder, below it too, with its size and time: to see that nothing changed.
QStringList FolderState(const QString& path)
{
    QStringList state;
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        state << info.filePath() + QStringLiteral(" %1 %2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
    }
    state.sort();
    return state;
}

} // namespace

void PhotoTest::realFileDialog()
{
    // The photo click through Qt's own open-file dialog.
    EditorFixture f;
    const QString path = PictureFile(f.folder, QStringLiteral("vera.jpg"), {320, 240}, Qt::magenta);
    PictureFile(f.folder, QStringLiteral("altra.JPEG"), {32, 24}, Qt::cyan);
    WriteFile(f.folder.file(QStringLiteral("nota.txt")), "testo");

    // Qt's own settings would live in the configuration folder (the test's own, see the
    // tests' main): a last folder left there by another Qt program is not where the dialog
    // opens, and opening the dialog changes nothing there.
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY(!config.isEmpty());
    QTemporaryDir elsewhere;
    WriteFile(config + QStringLiteral("/QtProject.conf"),
              "[FileDialog]\nlastVisited=file://" + QFile::encodeName(elsewhere.path()) + "\nhistory=file://"
                  + QFile::encodeName(elsewhere.path()) + "\nviewMode=Detail\n");
    const QStringList configBefore = FolderState(config);

    ui::InstallSeam(&ui::QtSeam());
    struct Seen {
        QString title;
        QStringList filters;
        QString selectedFilter;
        QString startFolder;
        QStringList listed;
        QStringList messageBoxes;
    };
    // Clicks the photo box, types name into the dialog once it lists the folder, and takes it.
    const auto pick = [&](const QString& box, const QString& name) {
        Seen seen;
        QTimer timer;
        timer.setInterval(10);
        int ticks = 0;
        bool typed = false;
        connect(&timer, &QTimer::timeout, &timer, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen.messageBoxes << box->text();
                box->reject();
                return;
            }
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog)
                return;
            if (seen.title.isNull()) {
                seen.title = dialog->windowTitle();
                seen.filters = dialog->nameFilters();
                seen.selectedFilter = dialog->selectedNameFilter();
                seen.startFolder = dialog->directory().absolutePath();
                dialog->setDirectory(f.folder.path());
            }
            // The list fills in the background; give up rather than hang.
            auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
            QStringList listed;
            if (list) {
                const QModelIndex root = list->rootIndex();
                for (int row = 0; row < list->model()->rowCount(root); ++row)
                    listed << list->model()->index(row, 0, root).data().toString();
            }
            listed.sort();
            if (!typed && (listed.size() < 2 && ++ticks < 300))
                return;
            if (!typed) {
                seen.listed = listed;
                if (const QByteArray dir = qgetenv("VETRINALIA_GRAB_DIR"); !dir.isEmpty())
                    dialog->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/photo-dialog.png"));
                auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QVERIFY(edit);
                edit->setText(name);
                typed = true;
                QTest::keyClick(edit, Qt::Key_Return);
                return;
            }
            timer.stop();
            if (QApplication::activeModalWidget() == dialog)
                dialog->reject();
        });
        timer.start();
        f.click(box);
        timer.stop();
        return seen;
    };

    // A name typed without extension finds vera.jpg, though the suffix asked is "JPG".
    const Seen seen = pick(QStringLiteral("imgFoto_G"), QStringLiteral("vera"));
    QCOMPARE(seen.title, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
    QCOMPARE(seen.filters, editor::TfrmListinoPrezzi::PhotoFileRequest().nameFilters);
    QCOMPARE(seen.selectedFilter, QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)"));
    QVERIFY(seen.startFolder != QDir(elsewhere.path()).absolutePath());
    // The program's own filter text lists both kinds, whatever the letter case.
    QCOMPARE(seen.listed, (QStringList{QStringLiteral("altra.JPEG"), QStringLiteral("vera.jpg")}));
    QVERIFY(seen.messageBoxes.isEmpty());
    QCOMPARE(f.editor->imgFoto(6)->picture().size(), QSize(320, 240));

    // A name of no file: the blank picture, and no message of Qt's own.
    const Seen missing = pick(QStringLiteral("imgFoto_G"), QStringLiteral("manca.jpg"));
    QVERIFY2(missing.messageBoxes.isEmpty(), qPrintable(missing.messageBoxes.join(u'|')));
    QCOMPARE(f.editor->imgFoto(6)->picture(), f.editor->BlankPicture());
    QVERIFY(f.dialogs.messages.isEmpty());

    ui::InstallSeam(&f.dialogs);
    QCOMPARE(FolderState(config), configBefore);
}

void PhotoTest::typedNameCompletion_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("lower case") << QStringList{"a.jpg"} << "a" << "a.jpg";
    QTest::newRow("upper case") << QStringList{"a.JPG"} << "a" << "a.JPG";
    QTest::newRow("both: as given") << QStringList{"a.jpg", "a.JPG"} << "a" << "a.JPG";
    QTest::newRow("mixed case") << QStringList{"a.Jpg"} << "a" << "a.Jpg";
    QTest::newRow("none") << QStringList{} << "a" << "a.JPG";
    QTest::newRow("with extension") << QStringList{"a.bmp.JPG"} << "a.bmp" << "a.bmp";
    QTest::newRow("folder of that name") << QStringList{"a.jpg/"} << "a" << "a.JPG";
}

void PhotoTest::typedNameCompletion()
{
    QFETCH(QStringList, files);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    TestFolder folder;
    for (const QString& file : files) {
        if (file.endsWith(u'/'))
            QVERIFY(QDir().mkpath(folder.file(file)));
        else
            QVERIFY(WriteFile(folder.file(file), "x"));
    }
    QCOMPARE(ui::CompleteWithSuffix(folder.file(typed), QStringLiteral("JPG")), folder.file(expected));
}

VETRINALIA_TEST(PhotoTest)
#include "PhotoTest.moc"
