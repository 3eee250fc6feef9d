#include "TestFolder.h"
#include "TestRegistry.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The build-time tool behind Guida.pdf.
class GuideToolTest : public QObject {
    Q_OBJECT

    static int run(const QStringList& arguments)
    {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral(VETRINALIA_GUIDE_TOOL), arguments);
        if (!tool.waitForFinished(60000))
            return -1;
        return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    }

private Q_SLOTS:
    void picturesEveryScreenAtItsSize()
    {
        QTemporaryDir shots;
        QCOMPARE(run({QStringLiteral("grab"), shots.path()}), 0);
        const QList<QPair<QString, QSize>> expected{
            {QStringLiteral("frmPassword"), QSize(388, 405)},   {QStringLiteral("frmCambiaPassword"), QSize(411, 418)},
            {QStringLiteral("frmAvvio"), QSize(1016, 713)},     {QStringLiteral("frmCreaCatalogo"), QSize(1016, 713)},
            {QStringLiteral("frmApriCatalogo"), QSize(1016, 713)}, {QStringLiteral("frmListinoPrezzi"), QSize(1016, 713)},
            {QStringLiteral("frmAnteprimaProdotto"), QSize(364, 287)}, {QStringLiteral("frmStampaProdotto"), QSize(364, 287)},
            {QStringLiteral("frmGuida"), QSize(670, 572)},      {QStringLiteral("frmInfo"), QSize(473, 579)},
            {QStringLiteral("frmSplash"), QSize(661, 467)},
            // The editor's sample page through the page template, A4 at 96 dpi.
            {QStringLiteral("paginaStampata"), QSize(794, 1123)}};
        for (const auto& [name, size] : expected) {
            const QImage picture(shots.filePath(name + QStringLiteral(".png")));
            QVERIFY2(!picture.isNull(), qPrintable(name));
            QCOMPARE(picture.size(), size);
        }
    }

    void writesThePdfWithAndWithoutPictures()
    {
        QTemporaryDir work;
        QVERIFY(QDir(work.path()).mkdir(QStringLiteral("shots")));
        QImage picture(200, 100, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        QVERIFY(picture.save(work.filePath(QStringLiteral("shots/frmAvvio.png"))));
        const QByteArray html =
            "<html><body><h1>Indice</h1><p>@INDICE@</p>"
            "<h1 style=\"page-break-before: always\">1. Primo</h1><p><img src=\"shots/frmAvvio.png\" width=\"200\"></p>"
            "<h1 style=\"page-break-before: always\">2. Secondo</h1><p><img src=\"shots/frmMancante.png\"></p>"
            "</body></html>";
        QVERIFY(testing::WriteFile(work.filePath(QStringLiteral("guida.html")), html));
        const QString pdf = work.filePath(QStringLiteral("Guida.pdf"));
        QCOMPARE(run({QStringLiteral("pdf"), work.filePath(QStringLiteral("guida.html")), work.filePath(QStringLiteral("shots")), pdf}), 0);
        const QByteArray written = testing::ReadFile(pdf);
        QVERIFY(written.startsWith("%PDF-"));
        QVERIFY(written.contains("/Count 3"));
        QVERIFY(written.contains("/Subtype /Image"));
        QVERIFY(!QFile::exists(pdf + QStringLiteral(".part")));

        // A guide that cannot be read fails and leaves the earlier PDF in place.
        QVERIFY(run({QStringLiteral("pdf"), work.filePath(QStringLiteral("missing.html")), work.filePath(QStringLiteral("shots")), pdf}) != 0);
        QCOMPARE(testing::ReadFile(pdf), written);
    }
};

VETRINALIA_TEST(GuideToolTest)
#include "GuideToolTest.moc"
