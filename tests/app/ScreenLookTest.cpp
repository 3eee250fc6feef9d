#include "start/Avvio.h"
#include "support/ProgramScreens.h"
#include "ui/Widgets.h"
#include "catalog/ApriCatalogo.h"
#include "catalog/CreaCatalogo.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <memory>

using testing::ScriptedDialogs;
using testing::TestFolder;

namespace {

// The grabbed window; also written to $VETRINALIA_GRAB_DIR/<name>.png when that is set.
QImage grabScreen(QWidget* screen, const QString& name)
{
    QImage image = screen->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString folder = qEnvironmentVariable("VETRINALIA_GRAB_DIR");
    if (!folder.isEmpty() && QDir().mkpath(folder))
        image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    return image;
}

QColor pixel(const QImage& image, QWidget* screen, QWidget* control, QPoint inControl)
{
    return image.pixelColor(control->mapTo(screen, inControl));
}

bool near(const QColor& a, const QColor& b, int tolerance = 6)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

bool orangeToRed(const QColor& c)
{
    return c.red() > 190 && c.green() < 190 && c.blue() < 90;
}

QWidget* child(QWidget* screen, const char* name)
{
    auto* widget = screen->findChild<QWidget*>(QString::fromLatin1(name));
    if (!widget)
        qWarning("no control %s", name);
    return widget;
}

} // namespace

class ScreenLookTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<testing::ProgramScreens> m_screens;

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestFolder>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_screens = std::make_unique<testing::ProgramScreens>();
    }

    void cleanup()
    {
        m_screens.reset();
        m_dialogs.reset();
        m_folder.reset();
    }

    void startScreen()
    {
        start::TfrmAvvio* screen = m_screens->frmAvvio;
        screen->showScreen();
        QCOMPARE(screen->windowTitle(), QStringLiteral(" Vetrinalia"));

        const struct {
            const char* name;
            QRect place;
        } table[] = {
            {"shpTop", {4, 4, 986, 120}},          {"imgInfo", {14, 14, 30, 30}},
            {"imgTitolo", {78, 24, 836, 60}},      {"imgGuida", {952, 16, 29, 28}},
            {"imgSottotitolo", {17, 88, 961, 22}}, {"shpApp01", {4, 130, 490, 472}},
            {"imgApp01", {64, 154, 368, 368}},     {"btnApp01", {52, 532, 395, 53}},
            {"shpApp02", {500, 130, 490, 472}},    {"imgApp02", {560, 154, 368, 368}},
            {"btnApp02", {548, 532, 395, 53}},     {"shpBottom", {4, 608, 986, 80}},
            {"imgSito", {17, 628, 961, 22}},       {"imgCopyright", {16, 660, 23, 22}},
            {"imgEsci", {960, 662, 17, 18}},
        };
        QWidget* panel = child(screen, "panAvvio");
        QVERIFY(panel);
        QCOMPARE(panel->size(), QSize(995, 692));
        // Centred in the window.
        const QPoint offset = panel->mapTo(screen, QPoint());
        QVERIFY(qAbs(offset.x() * 2 + 995 - screen->width()) <= 1);
        QVERIFY(qAbs(offset.y() * 2 + 692 - screen->height()) <= 1);
        for (const auto& row : table) {
            QWidget* control = child(screen, row.name);
            QVERIFY(control);
            QCOMPARE(control->parentWidget(), panel);
            QCOMPARE(control->geometry(), row.place);
        }
        for (auto* button : screen->findChildren<ui::PictureButton*>()) {
            QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(!button->accessibleName().isEmpty());
        }

        const QImage image = grabScreen(screen, QStringLiteral("avvio"));
        QVERIFY(near(image.pixelColor(image.width() / 2, 0), QColor(0x46, 0x82, 0xB4), 8));
        QVERIFY(near(image.pixelColor(image.width() / 2, image.height() - 1), Qt::white, 8));
        QVERIFY(orangeToRed(pixel(image, screen, child(screen, "btnApp01"), {30, 40})));
        QVERIFY(orangeToRed(pixel(image, screen, child(screen, "btnApp02"), {30, 40})));
        QVERIFY(near(pixel(image, screen, child(screen, "shpTop"), {40, 110}), Qt::white));
    }

    // In a window larger than the panel the background is one gradient: the centred
    // panel paints no second one over the window's.
    void oneBackgroundGradient()
    {
        start::TfrmAvvio* screen = m_screens->frmAvvio;
        screen->showScreen();
        screen->setWindowState(Qt::WindowNoState);
        screen->resize(1300, 1000);
        QTRY_COMPARE(screen->size(), QSize(1300, 1000));
        QWidget* content = screen->content();
        const QPoint corner = content->mapTo(screen, QPoint());
        QVERIFY(corner.y() > 100 && corner.x() > 100);
        const QImage image = grabScreen(screen, QStringLiteral("avvio-large-window"));
        // Beside the panel's left edge, inside the content and just outside it, at the
        // content's top, middle and bottom: the same colour.
        for (const int y : {corner.y() + 2, corner.y() + content->height() / 2, corner.y() + content->height() - 3}) {
            const QColor inside = image.pixelColor(corner.x() + 3, y);
            const QColor outside = image.pixelColor(corner.x() - 3, y);
            QVERIFY2(near(inside, outside, 2), qPrintable(QStringLiteral("y %1: %2 against %3")
                                                              .arg(y)
                                                              .arg(inside.name(), outside.name())));
        }
    }

    void createScreen()
    {
        catalog::TfrmCreaCatalogo* screen = m_screens->frmCreaCatalogo;
        screen->showScreen();
        const struct {
            const char* name;
            QRect place;
        } table[] = {
            {"bkgSfondo02", {8, 8, 978, 676}},    {"bkgSfondo01", {8, 8, 129, 137}},
            {"icoIcona04", {16, 22, 112, 112}},   {"icoIstruzioni", {152, 24, 670, 108}},
            {"bkgSfondo03", {136, 144, 850, 190}}, {"bkgSfondo04", {136, 144, 282, 512}},
            {"icoIcona02", {146, 154, 262, 492}}, {"imgGuida", {946, 152, 29, 28}},
            {"icoMano", {692, 154, 30, 58}},      {"bkgFile", {418, 220, 566, 78}},
            {"txtFile", {438, 240, 526, 34}},     {"bkgSfondo05", {424, 588, 554, 68}},
            {"btnAnnulla", {436, 603, 258, 45}},  {"btnApplica", {710, 603, 258, 45}},
        };
        for (const auto& row : table) {
            QWidget* control = child(screen, row.name);
            QVERIFY(control);
            QCOMPARE(control->geometry(), row.place);
        }
        screen->txtFile->setText(QStringLiteral("Offerte di primavera"));
        const QImage image = grabScreen(screen, QStringLiteral("crea"));
        QWidget* frame = child(screen, "bkgSfondo02");
        QVERIFY(near(pixel(image, screen, frame, {700, 400}), QColor(0x46, 0x82, 0xB4)));
        QVERIFY(near(pixel(image, screen, child(screen, "bkgFile"), {2, 1}), QColor(0x46, 0x82, 0xB4), 10));
        QVERIFY(near(pixel(image, screen, child(screen, "bkgFile"), {2, 76}), Qt::white, 10));
        QVERIFY(orangeToRed(pixel(image, screen, screen->btnApplica, {20, 30})));
    }

    void createFieldHighlight()
    {
        catalog::TfrmCreaCatalogo* screen = m_screens->frmCreaCatalogo;
        screen->showScreen();
        QLineEdit* field = screen->txtFile;
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QVERIFY(field->hasFocus());
        QVERIFY(near(field->grab().toImage().pixelColor(field->width() - 5, field->height() / 2), QColor(0xFF, 0xFF, 0x00)));
        field->clearFocus();
        QVERIFY(near(field->grab().toImage().pixelColor(field->width() - 5, field->height() / 2), QColor(0xF0, 0xF8, 0xFF)));
    }

    void openScreen()
    {
        for (const char* name : {"Autunno.lis", "Estate.lis", "Natale 2026.lis"})
            QVERIFY(testing::WriteFile(m_folder->file(QString::fromLatin1(name)), {}));
        catalog::TfrmApriCatalogo* screen = m_screens->frmApriCatalogo;
        screen->showScreen();
        const struct {
            const char* name;
            QRect place;
        } table[] = {
            {"bkgSfondo02", {8, 8, 978, 676}},    {"bkgSfondo01", {8, 8, 129, 126}},
            {"icoIcona04", {16, 16, 112, 112}},   {"icoIstruzioni", {148, 22, 694, 107}},
            {"bkgSfondo03", {8, 145, 978, 416}},  {"btnElimina", {24, 158, 43, 45}},
            {"icoMano", {490, 148, 30, 58}},      {"imgGuida", {946, 156, 29, 28}},
            {"bkgElenco", {24, 216, 946, 316}},   {"lstFiles", {34, 224, 926, 298}},
            {"bkgSfondo06", {30, 588, 934, 68}},  {"btnAnnulla", {44, 602, 258, 45}},
            {"btnApri", {694, 602, 258, 45}},
        };
        for (const auto& row : table) {
            QWidget* control = child(screen, row.name);
            QVERIFY(control);
            QCOMPARE(control->geometry(), row.place);
        }
        screen->lstFiles->setCurrentRow(1);
        const QImage image = grabScreen(screen, QStringLiteral("apri"));
        // The list shows the BlanchedAlmond behind it, and the count line is green.
        QVERIFY(near(pixel(image, screen, screen->lstFiles, {900, 290}), QColor(0xFF, 0xEB, 0xCD)));
        bool green = false;
        const QImage label = screen->lblCreati->grab().toImage();
        for (int x = 0; x < label.width() && !green; ++x)
            for (int y = 0; y < label.height() && !green; ++y)
                green = near(label.pixelColor(x, y), QColor(0x00, 0x80, 0x00), 12);
        QVERIFY(green);
        QVERIFY(orangeToRed(pixel(image, screen, screen->btnApri, {20, 30})));
    }
};

VETRINALIA_TEST(ScreenLookTest)
#include "ScreenLookTest.moc"
