#include "print/AnteprimaProdotto.h"

#include "ui/Dialogs.h"
#include "ui/Widgets.h"

#include <QLinearGradient>
#include <QPainter>

namespace print {

namespace {

// A thin bar shading from SteelBlue at the left to white at the right.
class SeparatorBar : public QWidget {
public:
    explicit SeparatorBar(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("shpSepara"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QLinearGradient gradient(rect().topLeft(), rect().topRight());
        gradient.setColorAt(0.0, QColor(0x46, 0x82, 0xB4));
        gradient.setColorAt(1.0, Qt::white);
        painter.fillRect(rect(), gradient);
    }
};

ui::Picture* MakePicture(const QString& name, const QString& resource, const QString& accessibleName,
                         const QString& description, QWidget* parent, const QRect& place)
{
    auto* picture = new ui::Picture(name, resource, parent);
    picture->setAccessibleName(accessibleName);
    picture->setAccessibleDescription(description);
    ui::Place(picture, place.x(), place.y(), place.width(), place.height());
    return picture;
}

} // namespace

TfrmAnteprimaProdotto::TfrmAnteprimaProdotto(ui::ScreenRegistry& screens, QWidget* owner)
    : ProductDialog(screens, QStringLiteral("frmAnteprimaProdotto"), QStringLiteral(" Anteprima di stampa"),
                    QStringLiteral("Mostra anteprima"), QStringLiteral("Mostra la pagina come verr\u00E0 stampata"),
                    owner)
{
    icoInf01 = MakePicture(QStringLiteral("icoInf01"), QStringLiteral(":/print/anteprima-intestazione.svg"),
                           QStringLiteral("Anteprima di stampa"),
                           QStringLiteral("Questa operazione consente di visualizzare in anteprima i dati che "
                                          "appariranno in stampa."),
                           this, QRect(28, 28, 225, 83));
    imgLogo01 = MakePicture(QStringLiteral("imgLogo01"), QStringLiteral(":/print/donna-lettura.svg"),
                            QStringLiteral("Ragazza che legge un libro"), QString(), this, QRect(280, 31, 51, 81));
    shpSepara = new SeparatorBar(this);
    ui::Place(shpSepara, 26, 122, 311, 6);
    imgSezione04 =
        MakePicture(QStringLiteral("imgSezione04"), QStringLiteral(":/print/stampante-lente.svg"),
                    QStringLiteral("Stampante con lente d'ingrandimento"), QString(), this, QRect(30, 142, 66, 69));
    icoInf02 = MakePicture(QStringLiteral("icoInf02"), QStringLiteral(":/print/anteprima-istruzioni.svg"),
                           QStringLiteral("Fare clic su Mostra anteprima per visualizzare il documento sullo "
                                          "schermo prima di eseguire la stampa su carta."),
                           QString(), this, QRect(112, 142, 209, 67));
    // The panel lies beneath the pictures.
    shpSfondo->lower();
}

void TfrmAnteprimaProdotto::deliver(report::Report& report)
{
    ui::Seam().showPreview(this, report);
}

} // namespace print
