#include "help/Guida.h"

#include "base/ProgramFolder.h"
#include "help/LinkText.h"
#include "help/OpenURL.h"
#include "ui/Widgets.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace help {

TfrmGuida::TfrmGuida(ui::ScreenRegistry& screens, QWidget* owner)
    : ui::FixedDialogScreen(screens, QStringLiteral("frmGuida"), QStringLiteral(" Guida all'utilizzo del software"),
                            QSize(670, 572), Qt::white, QColor(0xBF, 0xD8, 0xEF), Centre::Screen, owner)
{
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    ui::Place(panContainer, 15, 12, 640, 548);

    shpLogo = new ui::Rect(QStringLiteral("shpLogo"), Qt::white, panContainer);
    shpLogo->setBorder(QColor(0xF5, 0xDE, 0xB3), 2);
    ui::Place(shpLogo, 0, 0, 640, 85);
    imgLogo = new ui::Picture(QStringLiteral("imgLogo"), QStringLiteral(":/help/guida_banner.svg"), shpLogo);
    imgLogo->setAccessibleName(QStringLiteral("Guida all'utilizzo del software"));
    ui::Place(imgLogo, 26, 8, 587, 69);

    lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), panContainer);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    QFont titleFont(QStringLiteral("Arial"), 16);
    titleFont.setBold(true);
    lblTitolo->setFont(titleFont);
    QPalette titleLook = lblTitolo->palette();
    titleLook.setColor(QPalette::WindowText, QColor(0xDC, 0x14, 0x3C));
    lblTitolo->setPalette(titleLook);
    lblTitolo->setAccessibleDescription(QStringLiteral("Argomento della guida"));
    lblTitolo->move(7, 97);
    // Fitted to its text when first shown (see eventFilter), not while start-up builds it.
    lblTitolo->installEventFilter(this);

    txtGuida = new QPlainTextEdit(panContainer);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    QFont bodyFont(QStringLiteral("Verdana"), 12);
    bodyFont.setBold(true);
    txtGuida->setFont(bodyFont);
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtGuida->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtGuida->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtGuida->setAccessibleName(QStringLiteral("Testo della guida"));
    ui::Place(txtGuida, 7, 135, 625, 350);

    imgPDF = new ui::PictureButton(QStringLiteral("imgPDF"), QStringLiteral(":/help/pdf.svg"),
                                   QStringLiteral("Guida in formato PDF"), panContainer);
    ui::Place(imgPDF, 7, 507, 27, 27);

    lnkWeb = new LinkText(QStringLiteral("lnkWeb"), QStringLiteral("Visualizza guida in formato PDF"),
                          QStringLiteral("Visualizza guida in formato PDF"), panContainer);
    lnkWeb->setAccessibleDescription(QStringLiteral("Apre la guida completa del programma in formato PDF"));
    lnkWeb->placeCentredLeft(42, 520);
    lnkWeb->attachIcon(imgPDF);
    connect(lnkWeb, &LinkText::activated, this, &TfrmGuida::lnkWebClick);

    btnChiudi = MakeCloseButton(panContainer, 10, QRect(471, 501, 161, 38));
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmGuida::btnChiudiClick);

    btnChiudi->setFocus();
}

bool TfrmGuida::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblTitolo && event->type() == QEvent::Show) {
        lblTitolo->removeEventFilter(this);
        lblTitolo->adjustSize();
    }
    return ui::FixedDialogScreen::eventFilter(watched, event);
}

void TfrmGuida::ShowTopic(const QString& title, const QString& body)
{
    lblTitolo->setText(title);
    lblTitolo->adjustSize();
    txtGuida->setPlainText(body);
}

void TfrmGuida::btnChiudiClick()
{
    close();
}

void TfrmGuida::lnkWebClick()
{
    TMisc::Open(QStringLiteral("\"") + base::ProgramFolder() + QStringLiteral("Guida.pdf\""));
}

} // namespace help
