// The two dialogs as a user sees them: size, caption, frame, panel, buttons, pictures.

#include "support/ScriptedDialogs.h"
#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include "editor/ListinoPrezzi.h"
#include "print/AnteprimaProdotto.h"
#include "print/StampaProdotto.h"
#include "support/ProgramScreens.h"
#include "ui/Widgets.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

namespace {

struct Expected {
    const char* name;
    QRect geometry;
};

void CheckCommon(print::ProductDialog& dialog, const QString& caption, const QString& action)
{
    QCOMPARE(dialog.windowTitle(), caption);
    QCOMPARE(dialog.size(), QSize(364, 287));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    // No frame buttons: "Annulla" is the way out.
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint));
    QCOMPARE(dialog.shpSfondo->geometry(), QRect(18, 18, 326, 215));
    QCOMPARE(dialog.btnAnnulla->geometry(), QRect(18, 243, 145, 28));
    QCOMPARE(dialog.btnStampa->geometry(), QRect(200, 243, 145, 28));
    QCOMPARE(dialog.btnAnnulla->text(), QStringLiteral("Annulla"));
    QCOMPARE(dialog.btnStampa->text(), action);
    QCOMPARE(dialog.btnStampa->accessibleName(), action);
    for (QPushButton* button : {dialog.btnAnnulla, dialog.btnStampa}) {
        QCOMPARE(button->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    }
    QCOMPARE(dialog.btnAnnulla->nextInFocusChain(), dialog.btnStampa);
}

void CheckPictures(QWidget& dialog, const QList<Expected>& pictures)
{
    for (const Expected& expected : pictures) {
        auto* widget = dialog.findChild<QWidget*>(QLatin1String(expected.name));
        QVERIFY2(widget, expected.name);
        QCOMPARE(widget->geometry(), expected.geometry);
        QVERIFY2(widget->isVisibleTo(&dialog), expected.name);
        if (auto* picture = qobject_cast<ui::Picture*>(widget)) {
            QVERIFY2(!picture->accessibleName().isEmpty(), expected.name);
            QVERIFY2(QFile::exists(picture->resource()), qPrintable(picture->resource()));
        }
    }
}

void Look(QWidget& widget, const QString& file)
{
    QDir().mkpath(QStringLiteral(VETRINALIA_BINARY_DIR "/look"));
    widget.grab().save(QStringLiteral(VETRINALIA_BINARY_DIR "/look/") + file);
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void previewDialogLayout();
    void printDialogLayout();
    void damagedTemplateIsReported_data();
    void damagedTemplateIsReported();
};

void DialogsTest::damagedTemplateIsReported_data()
{
    QTest::addColumn<QByteArray>("json"); // empty: no file at all
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not JSON") << QByteArray("{ \"name\": ");
    QTest::newRow("no objects") << QByteArray("{}");
}

void DialogsTest::damagedTemplateIsReported()
{
    // Both dialogs tell the user the page cannot be laid out, preview or print nothing,
    // and close.
    QFETCH(QByteArray, json);
    testing::TestFolder folder;
    testing::ScriptedDialogs dialogs;
    testing::ProgramScreens screens;
    const QString path = folder.file(QStringLiteral("modello.json"));
    if (!json.isEmpty())
        QVERIFY(testing::WriteFile(path, json));
    dialogs.printAnswers = {true};

    print::TfrmAnteprimaProdotto preview(screens, screens.frmListinoPrezzi);
    print::TfrmStampaProdotto printing(screens, screens.frmListinoPrezzi);
    for (print::ProductDialog* dialog : {static_cast<print::ProductDialog*>(&preview),
                                         static_cast<print::ProductDialog*>(&printing)}) {
        dialog->setTemplatePath(path);
        dialog->show();
        dialog->btnStampaClick();
        QVERIFY(!dialog->isVisible());
    }
    QCOMPARE(dialogs.messageTexts(), QStringList(2, print::ProductDialog::TemplateErrorText()));
    QCOMPARE(dialogs.messages.front().kind, ui::MessageKind::Error);
    QCOMPARE(dialogs.previews, 0);
    QCOMPARE(dialogs.printDialogs, 0);
}

void DialogsTest::previewDialogLayout()
{
    testing::TestFolder folder;
    testing::ScriptedDialogs dialogs;
    testing::ProgramScreens screens;
    print::TfrmAnteprimaProdotto dialog(screens, screens.frmListinoPrezzi);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    CheckCommon(dialog, QStringLiteral(" Anteprima di stampa"), QStringLiteral("Mostra anteprima"));
    CheckPictures(dialog,
                  {{"icoInf01", {28, 28, 225, 83}},
                   {"imgLogo01", {280, 31, 51, 81}},
                   {"shpSepara", {26, 122, 311, 6}},
                   {"imgSezione04", {30, 142, 66, 69}},
                   {"icoInf02", {112, 142, 209, 67}}});
    // The sentences are read out as they are printed on the pictures.
    QVERIFY(dialog.icoInf01->accessibleDescription().startsWith(QStringLiteral("Questa operazione consente")));
    QVERIFY(dialog.icoInf02->accessibleName().startsWith(QStringLiteral("Fare clic su Mostra anteprima")));
    Look(dialog, QStringLiteral("frmAnteprimaProdotto.png"));
}

void DialogsTest::printDialogLayout()
{
    testing::TestFolder folder;
    testing::ScriptedDialogs dialogs;
    testing::ProgramScreens screens;
    print::TfrmStampaProdotto dialog(screens, screens.frmListinoPrezzi);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    CheckCommon(dialog, QStringLiteral(" Stampa scheda"), QStringLiteral("Stampa"));
    CheckPictures(dialog, {{"imgLogo01", {22, 26, 317, 198}}});
    Look(dialog, QStringLiteral("frmStampaProdotto.png"));
}

VETRINALIA_TEST(DialogsTest)
#include "DialogsTest.moc"
