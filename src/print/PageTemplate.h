#pragma once

#include "print/PageContent.h"
#include "report/Report.h"

#include <QString>

#include <stdexcept>

namespace print {

// The template resource could not be read or does not describe a page.
class TemplateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The printed flyer page: A4 portrait, the title, the eight product boxes and the page
// number, read from the JSON description compiled into the program.
class PageTemplate {
public:
    static inline const QString kResource = QStringLiteral(":/print/template.json");

    // Throws TemplateError when the description cannot be read.
    static PageTemplate Load(const QString& path = kResource);
    static PageTemplate FromJson(const QByteArray& json);

    const QString& reportName() const { return m_reportName; }
    const report::Page& page() const { return m_page; }

    // A report on a fresh copy of the template, its design-time texts in place.
    report::Report CreateReport() const { return report::Report(m_reportName, m_page); }

private:
    QString m_reportName;
    report::Page m_page;
};

// Names of a slot's objects (slot 0..7 = A..H).
QString SlotObjectName(const QString& role, int slot);

// The price as printed: the euro sign and two spaces before the text, which is used as it is.
QString PrintedPrice(const QString& price);

// Sets the template's objects from content in this order: the page to portrait, the title,
// then slot by slot A to H the picture, name, appearance, features, code and price, last the
// page number. Every object is found by its name; texts are set whole, pictures copied.
void FillPageTemplate(report::Report& report, const PageContent& content);

// A report on the template filled with content and laid out, ready to be drawn.
report::Report PreparePage(const PageTemplate& pageTemplate, const PageContent& content);

} // namespace print
