#include "print/PageTemplate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace print {

namespace {

[[noreturn]] void Fail(const QString& what)
{
    throw TemplateError(("page template: " + what).toStdString());
}

double Number(const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble())
        Fail(QStringLiteral("missing number \"%1\"").arg(QLatin1String(key)));
    return value.toDouble();
}

QString Text(const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString())
        Fail(QStringLiteral("missing text \"%1\"").arg(QLatin1String(key)));
    return value.toString();
}

QColor Colour(const QString& name)
{
    const QColor colour = QColor::fromString(name);
    if (!colour.isValid())
        Fail(QStringLiteral("unknown colour \"%1\"").arg(name));
    return colour;
}

QRectF Geometry(const QJsonObject& object, double topOffset)
{
    return QRectF(Number(object, "left"), Number(object, "top") + topOffset, Number(object, "width"),
                  Number(object, "height"));
}

Qt::Alignment Alignment(const QJsonObject& object)
{
    Qt::Alignment alignment;
    const QString horizontal = Text(object, "align");
    if (horizontal == QLatin1String("left"))
        alignment |= Qt::AlignLeft;
    else if (horizontal == QLatin1String("right"))
        alignment |= Qt::AlignRight;
    else if (horizontal == QLatin1String("center"))
        alignment |= Qt::AlignHCenter;
    else
        Fail(QStringLiteral("unknown alignment \"%1\"").arg(horizontal));
    const QString vertical = Text(object, "valign");
    if (vertical == QLatin1String("top"))
        alignment |= Qt::AlignTop;
    else if (vertical == QLatin1String("middle"))
        alignment |= Qt::AlignVCenter;
    else if (vertical == QLatin1String("bottom"))
        alignment |= Qt::AlignBottom;
    else
        Fail(QStringLiteral("unknown vertical alignment \"%1\"").arg(vertical));
    return alignment;
}

// Adds one object of the description to the page; name and fill come from the caller for
// slot rectangles.
void AddObject(report::Page& page, const QJsonObject& object, const QString& name, double topOffset,
               const QString& fill = {})
{
    const QString kind = Text(object, "kind");
    if (kind == QLatin1String("rectangle")) {
        page.shapes.push_back({name, Geometry(object, topOffset), Colour(fill), Colour(Text(object, "outline"))});
    } else if (kind == QLatin1String("picture")) {
        page.pictureBoxes.push_back({name, Geometry(object, topOffset), QImage()});
    } else if (kind == QLatin1String("text")) {
        const QJsonObject font = object.value(QLatin1String("font")).toObject();
        report::TextBox box;
        box.name = name;
        box.rect = Geometry(object, topOffset);
        box.fontFamily = Text(font, "family");
        box.pointSize = Number(font, "size");
        box.bold = font.value(QLatin1String("bold")).toBool();
        box.color = Colour(Text(object, "color"));
        box.alignment = Alignment(object);
        box.text = Text(object, "text");
        page.textBoxes.push_back(box);
    } else {
        Fail(QStringLiteral("unknown object kind \"%1\"").arg(kind));
    }
}

} // namespace

PageTemplate PageTemplate::Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("cannot read %1").arg(path));
    return FromJson(file.readAll());
}

PageTemplate PageTemplate::FromJson(const QByteArray& json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        Fail(QStringLiteral("not a JSON object (%1)").arg(error.errorString()));
    const QJsonObject root = document.object();

    PageTemplate result;
    result.m_reportName = Text(root, "report");

    const QJsonObject pageObject = root.value(QLatin1String("page")).toObject();
    report::Page& page = result.m_page;
    page.name = Text(pageObject, "name");
    page.paperSize = QSizeF(Number(pageObject, "paperWidth"), Number(pageObject, "paperHeight"));
    page.orientation =
        Text(pageObject, "orientation") == QLatin1String("landscape") ? QPageLayout::Landscape : QPageLayout::Portrait;
    const QJsonObject margins = pageObject.value(QLatin1String("margins")).toObject();
    page.margins =
        QMarginsF(Number(margins, "left"), Number(margins, "top"), Number(margins, "right"), Number(margins, "bottom"));

    const QJsonObject slots = root.value(QLatin1String("slots")).toObject();
    const QString letters = Text(slots, "letters");
    const double pitch = Number(slots, "pitch");
    const QJsonArray rectangles = slots.value(QLatin1String("rectangles")).toArray();
    const QJsonArray slotObjects = slots.value(QLatin1String("objects")).toArray();
    if (letters.size() != kSlotCount || rectangles.size() != kSlotCount)
        Fail(QStringLiteral("the template needs eight slots"));

    // The slots' rectangles lie beneath everything, so they come first; then slot by slot
    // its other objects; the page objects last.
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const QJsonObject rectangle = rectangles.at(slot).toObject();
        for (const QJsonValue& value : slotObjects) {
            const QJsonObject object = value.toObject();
            if (Text(object, "kind") == QLatin1String("rectangle"))
                AddObject(page, object, Text(rectangle, "name"), pitch * slot, Text(rectangle, "fill"));
        }
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        for (const QJsonValue& value : slotObjects) {
            const QJsonObject object = value.toObject();
            if (Text(object, "kind") == QLatin1String("rectangle"))
                continue;
            QString name = Text(object, "name");
            name.replace(QLatin1String("{slot}"), letters.at(slot));
            AddObject(page, object, name, pitch * slot);
        }
    }
    for (const QJsonValue& value : root.value(QLatin1String("objects")).toArray()) {
        const QJsonObject object = value.toObject();
        AddObject(page, object, Text(object, "name"), 0.0);
    }
    return result;
}

QString SlotObjectName(const QString& role, int slot)
{
    return role + QLatin1Char('_') + QChar(char16_t(u'A' + slot));
}

QString PrintedPrice(const QString& price)
{
    return QStringLiteral("\u20AC  ") + price;
}

void FillPageTemplate(report::Report& report, const PageContent& content)
{
    const auto setText = [&report](const QString& name, const QString& text) {
        if (report::TextBox* box = report.findTextBox(name))
            box->setText(text);
    };
    report.setOrientation(QPageLayout::Portrait);
    setText(QStringLiteral("txtNome"), content.title);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SlotContent& values = content.slots[slot];
        if (report::PictureBox* box = report.findPictureBox(SlotObjectName(QStringLiteral("imgFoto"), slot)))
            box->setPicture(values.picture);
        setText(SlotObjectName(QStringLiteral("txtNome"), slot), values.nome);
        setText(SlotObjectName(QStringLiteral("txtUM"), slot), values.um);
        setText(SlotObjectName(QStringLiteral("txtCaratteristiche"), slot), values.caratteristiche);
        setText(SlotObjectName(QStringLiteral("txtCodice"), slot), values.codice);
        setText(SlotObjectName(QStringLiteral("txtPrezzo"), slot), PrintedPrice(values.prezzo));
    }
    setText(QStringLiteral("txtPagina"), content.pageNumber);
}

report::Report PreparePage(const PageTemplate& pageTemplate, const PageContent& content)
{
    report::Report report = pageTemplate.CreateReport();
    FillPageTemplate(report, content);
    report.prepare();
    return report;
}

} // namespace print
