// Builds Guida.pdf, the user guide, at build time.
//
//   vetrinalia-guide grab <folder>                    pictures of the program's screens
//   vetrinalia-guide pdf <guida.html> <folder> <pdf>  lays the guide out and writes the PDF
//
// The two steps run as separate processes, so that a screen that cannot be pictured
// costs only its pictures, never the guide.

#include "ui/Dialogs.h"
#include "base/ProgramFolder.h"
#include "ui/ScreenRegistry.h"
#include "ui/Program.h"
#include "editor/ListinoPrezzi.h"
#include "help/Guida.h"
#include "help/HelpTopics.h"
#include "help/Info.h"
#include "help/Splash.h"
#include "print/PageTemplate.h"
#include "report/Report.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

// Modal requests during the grab are answered at once, so nothing waits for a user.
class QuietSeam : public ui::ModalSeam {
public:
    ui::MessageAnswer messageBox(QWidget*, const QString&, ui::MessageKind kind) override
    {
        return kind == ui::MessageKind::Confirmation ? ui::MessageAnswer::No : ui::MessageAnswer::Cancel;
    }
    void plainMessage(QWidget*, const QString&) override {}
    QString openFileName(QWidget*, const ui::FileRequest&) override { return {}; }
    bool printDialog(QWidget*, QPrinter&) override { return false; }
    void showPreview(QWidget*, const report::Report&) override {}
    void openUrl(const QUrl&) override {}
    void runModal(QDialog&) override {}
};

bool Save(QWidget* widget, const QString& folder, const QString& name)
{
    QApplication::processEvents();
    const QImage image = widget->grab().toImage();
    if (image.isNull() || !image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png")))
        return false;
    std::fprintf(stdout, "%s.png %dx%d\n", qPrintable(name), image.width(), image.height());
    std::fflush(stdout);
    return true;
}

QWidget* TopLevel(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name)
            return widget;
    return nullptr;
}

void SetText(QWidget* screen, const QString& name, const QString& text)
{
    if (auto* edit = screen->findChild<QLineEdit*>(name)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    }
    else if (auto* label = screen->findChild<QLabel*>(name))
        label->setText(text);
}

// A page of sample products, so that the editor's picture shows a page in use.
void FillSamplePage(QWidget* editor)
{
    struct Product {
        const char* name;
        const char* look;
        const char* features;
        const char* code;
        const char* price;
    };
    static const Product products[] = {
        {"Caffè in grani miscela classica", "Confezione da 1 kg", "Tostatura media, 70% arabica e 30% robusta", "CF-1001", "12,90"},
        {"Olio extravergine di oliva", "Bottiglia in vetro da 1 litro", "Prima spremitura a freddo, raccolto 2026", "OL-2040", "9,50"},
        {"Pasta di semola di grano duro", "Pacco da 500 g", "Trafilata al bronzo, essiccazione lenta", "PA-0317", "1,29"},
        {"Passata di pomodoro", "Vasetto da 700 g", "Pomodori 100% italiani", "PO-0702", "0,99"},
        {"Formaggio stagionato", "Trancio da 300 g circa", "Stagionatura 24 mesi", "FO-5520", "6,80"},
        {"Biscotti al burro", "Scatola in latta da 400 g", "Ricetta tradizionale, senza olio di palma", "BI-1188", "3,49"},
    };
    const QString letters = QStringLiteral("ABCDEFGH");
    for (int slot = 0; slot < 6; ++slot) {
        const QString x = letters.at(slot);
        SetText(editor, QStringLiteral("txtNome_") + x, QString::fromUtf8(products[slot].name));
        SetText(editor, QStringLiteral("txtUM_") + x, QString::fromUtf8(products[slot].look));
        SetText(editor, QStringLiteral("txtCaratteristiche_") + x, QString::fromUtf8(products[slot].features));
        SetText(editor, QStringLiteral("txtCodice_") + x, QString::fromUtf8(products[slot].code));
        SetText(editor, QStringLiteral("txtPrezzo_") + x, QString::fromUtf8(products[slot].price));
    }
    SetText(editor, QStringLiteral("lblPosizione"), QStringLiteral("1"));
}

// The editor's page as the printer gets it, through the program's own page template.
bool SavePrintedPage(editor::TfrmListinoPrezzi& editor, const QString& folder)
{
    try {
        const report::Report report = print::PreparePage(print::PageTemplate::Load(), editor.pageContent());
        if (!report.preparedPage())
            return false;
        QImage page = report::RenderPageImage(*report.preparedPage(), 96);
        if (!page.isNull()) {
            // The edge of the sheet, so that the white paper shows on the guide's page.
            QPainter painter(&page);
            painter.setPen(QColor(0xA0, 0xA0, 0xA0));
            painter.drawRect(page.rect().adjusted(0, 0, -1, -1));
        }
        if (page.isNull() || !page.save(folder + QStringLiteral("/paginaStampata.png")))
            return false;
        std::fprintf(stdout, "paginaStampata.png %dx%d\n", page.width(), page.height());
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

int Grab(const QString& folder)
{
    QDir().mkpath(folder);
    QTemporaryDir programFolder;
    if (!programFolder.isValid())
        return 1;
    base::SetProgramFolder(programFolder.path());
    for (const char* flyer : {"Offerte di primavera.lis", "Promozioni casa e giardino.lis", "Volantino estate.lis"}) {
        QFile file(base::ProgramFolder() + QString::fromUtf8(flyer));
        if (file.open(QIODevice::WriteOnly))
            file.close();
    }
    QuietSeam seam;
    ui::InstallSeam(&seam);

    int failures = 0;
    {
        const std::unique_ptr<ui::ScreenRegistry> registry = ui::CreateScreens();
        ui::ScreenRegistry& screens = *registry;
        // The long-lived screens as the user meets them; the dialogs of the registry
        // look like the fresh ones the program opens.
        const QStringList names{QStringLiteral("frmPassword"), QStringLiteral("frmCambiaPassword"),
                                QStringLiteral("frmAvvio"), QStringLiteral("frmCreaCatalogo"),
                                QStringLiteral("frmApriCatalogo"), QStringLiteral("frmListinoPrezzi"),
                                QStringLiteral("frmAnteprimaProdotto"), QStringLiteral("frmStampaProdotto")};
        for (const QString& name : names) {
            QWidget* screen = TopLevel(name);
            if (!screen) {
                ++failures;
                continue;
            }
            screen->setWindowState(Qt::WindowNoState);
            screen->show();
            if (name == QLatin1String("frmListinoPrezzi")) {
                SetText(screen, QStringLiteral("lblNome"), QStringLiteral("Offerte di primavera"));
                FillSamplePage(screen);
            }
            if (!Save(screen, folder, name))
                ++failures;
            if (name == QLatin1String("frmListinoPrezzi") && !SavePrintedPage(*screens.find<editor::TfrmListinoPrezzi>(), folder))
                ++failures;
            screen->hide();
        }

        help::TfrmGuida guida(screens);
        guida.ShowTopic(help::HelpTopicTitle(help::HelpTopic::Start), help::HelpTopicBody(help::HelpTopic::Start));
        help::TfrmInfo info(screens);
        help::TfrmSplash splash(screens);
        for (QDialog* dialog : {static_cast<QDialog*>(&guida), static_cast<QDialog*>(&info), static_cast<QDialog*>(&splash)}) {
            dialog->show();
            if (!Save(dialog, folder, dialog->objectName()))
                ++failures;
            dialog->hide();
        }
    }
    ui::InstallSeam(nullptr);
    return failures == 0 ? 0 : 2;
}

// Screens pictured by the grab step are used where they exist; a missing one is noted
// in the text instead.
QString PlacePictures(QString html, const QString& folder, QTextDocument& document)
{
    static const QRegularExpression image(QStringLiteral("<img\\s+src=\"shots/([A-Za-z]+)\\.png\"[^>]*>"));
    QString result;
    qsizetype last = 0;
    auto matches = image.globalMatch(html);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        result += html.mid(last, match.capturedStart() - last);
        last = match.capturedEnd();
        const QString name = match.captured(1);
        const QImage picture(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (picture.isNull()) {
            result += QStringLiteral("<i>(Immagine della schermata non disponibile.)</i>");
            continue;
        }
        document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("shots/") + name + QStringLiteral(".png")),
                             picture);
        result += match.captured(0);
    }
    result += html.mid(last);
    return result;
}

// Replaces the paragraph "@INDICE@" by the list of chapters with their pages. The list
// fits on its own page, so filling it in moves no chapter.
void FillContents(QTextDocument& document, qreal pageHeight)
{
    document.pageCount(); // lays the whole document out
    QTextBlock placeholder;
    QStringList rows;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text().trimmed() == QLatin1String("@INDICE@")) {
            placeholder = block;
            continue;
        }
        if (block.blockFormat().headingLevel() != 1 || !placeholder.isValid())
            continue;
        const QRectF box = document.documentLayout()->blockBoundingRect(block);
        const int page = int((box.top() + 1) / pageHeight) + 1;
        rows << QStringLiteral("<tr><td width=\"92%\">%1</td><td align=\"right\">%2</td></tr>")
                    .arg(block.text().toHtmlEscaped())
                    .arg(page);
    }
    if (!placeholder.isValid())
        return;
    QTextCursor cursor(placeholder);
    cursor.select(QTextCursor::BlockUnderCursor);
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertHtml(QStringLiteral("<table width=\"100%\" cellpadding=\"3\" cellspacing=\"0\">") + rows.join(QString())
                      + QStringLiteral("</table>"));
}

int WritePdf(const QString& source, const QString& folder, const QString& output)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "vetrinalia-guide: cannot read %s\n", qPrintable(source));
        return 1;
    }
    const QString html = QString::fromUtf8(file.readAll());

    // Layout in 96 dpi units; the painter scales them to the writer's resolution.
    constexpr qreal dpi = 96.0;
    constexpr qreal mm = dpi / 25.4;
    const QSizeF a4(210 * mm, 297 * mm);
    const QMarginsF margins(20 * mm, 20 * mm, 20 * mm, 22 * mm);
    const QSizeF body(a4.width() - margins.left() - margins.right(), a4.height() - margins.top() - margins.bottom());

    QTextDocument document;
    document.setDocumentMargin(0);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setHtml(PlacePictures(html, folder, document));
    document.setPageSize(body);
    FillContents(document, body.height());

    const QString partial = output + QStringLiteral(".part");
    {
        QPdfWriter writer(partial);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        writer.setTitle(QStringLiteral("Vetrinalia - Guida all'utilizzo del software"));
        writer.setCreator(QStringLiteral("Vetrinalia"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            std::fprintf(stderr, "vetrinalia-guide: cannot write %s\n", qPrintable(partial));
            return 1;
        }
        const qreal scale = writer.resolution() / dpi;
        const int pages = document.pageCount();
        // Sized in layout units: a point size would be taken at the writer's resolution.
        QFont small(QStringLiteral("Liberation Sans"));
        small.setPixelSize(11);
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                writer.newPage();
            painter.save();
            painter.scale(scale, scale);
            painter.setFont(small);
            painter.setPen(QColor(0x70, 0x70, 0x70));
            if (page > 0) {
                const QRectF header(margins.left(), 10 * mm, body.width(), 6 * mm);
                painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vetrinalia"));
                painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Guida all'utilizzo del software"));
                painter.drawLine(QPointF(margins.left(), 16.5 * mm), QPointF(margins.left() + body.width(), 16.5 * mm));
            }
            const QRectF footer(margins.left(), a4.height() - 14 * mm, body.width(), 6 * mm);
            painter.drawText(footer, Qt::AlignCenter, QStringLiteral("Pagina %1 di %2").arg(page + 1).arg(pages));

            painter.translate(margins.left(), margins.top() - page * body.height());
            // A line moved to the next page may start a hair above its top: keep the
            // last few units of each page out, so nothing of the next page shows here.
            const QRectF clip(0, page * body.height(), body.width(), body.height() - 3);
            painter.setClipRect(clip);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = clip;
            document.documentLayout()->draw(&painter, context);
            painter.restore();
        }
        if (!painter.end())
            return 1;
    }
    QFile::remove(output);
    if (!QFile::rename(partial, output)) {
        std::fprintf(stderr, "vetrinalia-guide: cannot write %s\n", qPrintable(output));
        return 1;
    }
    std::fprintf(stdout, "%s: %d pages\n", qPrintable(QFileInfo(output).fileName()), document.pageCount());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::PrepareRendering();
    QApplication application(argc, argv);
    ui::ApplyProcessSettings();
    QApplication::setQuitOnLastWindowClosed(false);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("grab"))
        return Grab(arguments.at(2));
    if (arguments.size() == 5 && arguments.at(1) == QLatin1String("pdf"))
        return WritePdf(arguments.at(2), arguments.at(3), arguments.at(4));
    std::fprintf(stderr, "usage: vetrinalia-guide grab <folder> | pdf <guida.html> <folder> <Guida.pdf>\n");
    return 1;
}
