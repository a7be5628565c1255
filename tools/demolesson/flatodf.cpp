#include "flatodf.h"

#include <QXmlStreamWriter>

namespace {

const char *const kOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
const char *const kStyle = "urn:oasis:names:tc:opendocument:xmlns:style:1.0";
const char *const kText = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
const char *const kDraw = "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0";
const char *const kFo = "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0";
const char *const kSvg = "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0";
const char *const kPresentation = "urn:oasis:names:tc:opendocument:xmlns:presentation:1.0";
const char *const kAnim = "urn:oasis:names:tc:opendocument:xmlns:animation:1.0";
const char *const kSmil = "urn:oasis:names:tc:opendocument:xmlns:smil-compatible:1.0";
const char *const kXml = "http://www.w3.org/XML/1998/namespace";

// Writes the document element with every namespace used here; the caller
// closes it with writeEndDocument().
void beginDocument(QXmlStreamWriter &xml, const char *mimeType)
{
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    for (const auto &[prefix, uri] : {std::pair{"office", kOffice},
                                      {"style", kStyle},
                                      {"text", kText},
                                      {"draw", kDraw},
                                      {"fo", kFo},
                                      {"svg", kSvg},
                                      {"presentation", kPresentation},
                                      {"anim", kAnim},
                                      {"smil", kSmil}})
        xml.writeNamespace(QLatin1String(uri), QLatin1String(prefix));
    xml.writeStartElement(QLatin1String(kOffice), QStringLiteral("document"));
    xml.writeAttribute(QLatin1String(kOffice), QStringLiteral("version"), QStringLiteral("1.2"));
    xml.writeAttribute(QLatin1String(kOffice), QStringLiteral("mimetype"), QLatin1String(mimeType));
}

// A paragraph style whose text is `size` in 宋体 for Latin and Chinese letters alike.
void paragraphStyle(QXmlStreamWriter &xml, const QString &name, const QString &size, const QString &colour)
{
    xml.writeStartElement(QLatin1String(kStyle), QStringLiteral("style"));
    xml.writeAttribute(QLatin1String(kStyle), QStringLiteral("name"), name);
    xml.writeAttribute(QLatin1String(kStyle), QStringLiteral("family"), QStringLiteral("paragraph"));
    xml.writeEmptyElement(QLatin1String(kStyle), QStringLiteral("text-properties"));
    xml.writeAttribute(QLatin1String(kStyle), QStringLiteral("font-name"), QStringLiteral("宋体"));
    xml.writeAttribute(QLatin1String(kStyle), QStringLiteral("font-name-asian"), QStringLiteral("宋体"));
    xml.writeAttribute(QLatin1String(kFo), QStringLiteral("font-size"), size);
    xml.writeAttribute(QLatin1String(kStyle), QStringLiteral("font-size-asian"), size);
    xml.writeAttribute(QLatin1String(kFo), QStringLiteral("color"), colour);
    xml.writeEndElement();
}

void fontFaces(QXmlStreamWriter &xml)
{
    xml.writeStartElement(QLatin1String(kOffice), QStringLiteral("font-face-decls"));
    xml.writeEmptyElement(QLatin1String(kStyle), QStringLiteral("font-face"));
    xml.writeAttribute(QLatin1String(kStyle), QStringLiteral("name"), QStringLiteral("宋体"));
    xml.writeAttribute(QLatin1String(kSvg), QStringLiteral("font-family"), QStringLiteral("宋体"));
    xml.writeEndElement();
}

void graphicStyle(QXmlStreamWriter &xml, const QString &name, const QString &fill)
{
    xml.writeStartElement(QLatin1String(kStyle), QStringLiteral("style"));
    xml.writeAttribute(QLatin1String(kStyle), QStringLiteral("name"), name);
    xml.writeAttribute(QLatin1String(kStyle), QStringLiteral("family"), QStringLiteral("graphic"));
    xml.writeEmptyElement(QLatin1String(kStyle), QStringLiteral("graphic-properties"));
    xml.writeAttribute(QLatin1String(kDraw), QStringLiteral("stroke"), QStringLiteral("none"));
    if (fill.isEmpty()) {
        xml.writeAttribute(QLatin1String(kDraw), QStringLiteral("fill"), QStringLiteral("none"));
    } else {
        xml.writeAttribute(QLatin1String(kDraw), QStringLiteral("fill"), QStringLiteral("solid"));
        xml.writeAttribute(QLatin1String(kDraw), QStringLiteral("fill-color"), fill);
    }
    xml.writeEndElement();
}

void frame(QXmlStreamWriter &xml, double top, double height, const QString &style, const QStringList &lines,
           const QString &id = QString())
{
    xml.writeStartElement(QLatin1String(kDraw), QStringLiteral("frame"));
    if (!id.isEmpty())
        xml.writeAttribute(QLatin1String(kXml), QStringLiteral("id"), id);
    xml.writeAttribute(QLatin1String(kDraw), QStringLiteral("style-name"), QStringLiteral("clear"));
    xml.writeAttribute(QLatin1String(kSvg), QStringLiteral("x"), QStringLiteral("2cm"));
    xml.writeAttribute(QLatin1String(kSvg), QStringLiteral("y"), QStringLiteral("%1cm").arg(top));
    xml.writeAttribute(QLatin1String(kSvg), QStringLiteral("width"), QStringLiteral("24cm"));
    xml.writeAttribute(QLatin1String(kSvg), QStringLiteral("height"), QStringLiteral("%1cm").arg(height));
    xml.writeStartElement(QLatin1String(kDraw), QStringLiteral("text-box"));
    for (const QString &line : lines) {
        xml.writeStartElement(QLatin1String(kText), QStringLiteral("p"));
        xml.writeAttribute(QLatin1String(kText), QStringLiteral("style-name"), style);
        xml.writeCharacters(line);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
}

// The shape `id` appears on the slide's first click.
void appearOnClick(QXmlStreamWriter &xml, const QString &id)
{
    xml.writeStartElement(QLatin1String(kAnim), QStringLiteral("par"));
    xml.writeAttribute(QLatin1String(kPresentation), QStringLiteral("node-type"),
                       QStringLiteral("timing-root"));
    xml.writeStartElement(QLatin1String(kAnim), QStringLiteral("seq"));
    xml.writeAttribute(QLatin1String(kPresentation), QStringLiteral("node-type"),
                       QStringLiteral("main-sequence"));
    xml.writeStartElement(QLatin1String(kAnim), QStringLiteral("par"));
    xml.writeAttribute(QLatin1String(kSmil), QStringLiteral("begin"), QStringLiteral("next"));
    xml.writeStartElement(QLatin1String(kAnim), QStringLiteral("par"));
    xml.writeAttribute(QLatin1String(kSmil), QStringLiteral("begin"), QStringLiteral("0s"));
    xml.writeStartElement(QLatin1String(kAnim), QStringLiteral("par"));
    xml.writeAttribute(QLatin1String(kSmil), QStringLiteral("begin"), QStringLiteral("0s"));
    xml.writeAttribute(QLatin1String(kSmil), QStringLiteral("fill"), QStringLiteral("hold"));
    xml.writeAttribute(QLatin1String(kPresentation), QStringLiteral("node-type"), QStringLiteral("on-click"));
    xml.writeAttribute(QLatin1String(kPresentation), QStringLiteral("preset-class"),
                       QStringLiteral("entrance"));
    xml.writeAttribute(QLatin1String(kPresentation), QStringLiteral("preset-id"),
                       QStringLiteral("ooo-entrance-appear"));
    xml.writeEmptyElement(QLatin1String(kAnim), QStringLiteral("set"));
    xml.writeAttribute(QLatin1String(kSmil), QStringLiteral("begin"), QStringLiteral("0s"));
    xml.writeAttribute(QLatin1String(kSmil), QStringLiteral("dur"), QStringLiteral("0.001s"));
    xml.writeAttribute(QLatin1String(kSmil), QStringLiteral("fill"), QStringLiteral("hold"));
    xml.writeAttribute(QLatin1String(kSmil), QStringLiteral("targetElement"), id);
    xml.writeAttribute(QLatin1String(kSmil), QStringLiteral("attributeName"), QStringLiteral("visibility"));
    xml.writeAttribute(QLatin1String(kSmil), QStringLiteral("to"), QStringLiteral("visible"));
    for (int level = 0; level < 5; ++level)
        xml.writeEndElement();
}

} // namespace

QByteArray flatodf::textDocument(const QStringList &paragraphs)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    beginDocument(xml, "application/vnd.oasis.opendocument.text");
    fontFaces(xml);
    xml.writeStartElement(QLatin1String(kOffice), QStringLiteral("automatic-styles"));
    paragraphStyle(xml, QStringLiteral("body"), QStringLiteral("14pt"), QStringLiteral("#000000"));
    xml.writeEndElement();
    xml.writeStartElement(QLatin1String(kOffice), QStringLiteral("body"));
    xml.writeStartElement(QLatin1String(kOffice), QStringLiteral("text"));
    for (const QString &paragraph : paragraphs) {
        xml.writeStartElement(QLatin1String(kText), QStringLiteral("p"));
        xml.writeAttribute(QLatin1String(kText), QStringLiteral("style-name"), QStringLiteral("body"));
        xml.writeCharacters(paragraph);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return out;
}

QByteArray flatodf::presentation(const QVector<demotexts::Slide> &slides)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    beginDocument(xml, "application/vnd.oasis.opendocument.presentation");
    fontFaces(xml);
    xml.writeStartElement(QLatin1String(kOffice), QStringLiteral("automatic-styles"));
    xml.writeStartElement(QLatin1String(kStyle), QStringLiteral("page-layout"));
    xml.writeAttribute(QLatin1String(kStyle), QStringLiteral("name"), QStringLiteral("screen"));
    xml.writeEmptyElement(QLatin1String(kStyle), QStringLiteral("page-layout-properties"));
    for (const char *margin : {"margin-top", "margin-bottom", "margin-left", "margin-right"})
        xml.writeAttribute(QLatin1String(kFo), QLatin1String(margin), QStringLiteral("0cm"));
    xml.writeAttribute(QLatin1String(kFo), QStringLiteral("page-width"), QStringLiteral("28cm"));
    xml.writeAttribute(QLatin1String(kFo), QStringLiteral("page-height"), QStringLiteral("21cm"));
    xml.writeAttribute(QLatin1String(kStyle), QStringLiteral("print-orientation"),
                       QStringLiteral("landscape"));
    xml.writeEndElement();
    graphicStyle(xml, QStringLiteral("clear"), QString());
    for (int i = 0; i < slides.size(); ++i)
        graphicStyle(xml, QStringLiteral("ground%1").arg(i), slides.at(i).background.name());
    paragraphStyle(xml, QStringLiteral("title"), QStringLiteral("44pt"), QStringLiteral("#ffffff"));
    paragraphStyle(xml, QStringLiteral("line"), QStringLiteral("26pt"), QStringLiteral("#ffffff"));
    paragraphStyle(xml, QStringLiteral("answer"), QStringLiteral("30pt"), QStringLiteral("#ffd700"));
    // A slide that fades in over the one before.
    xml.writeStartElement(QLatin1String(kStyle), QStringLiteral("style"));
    xml.writeAttribute(QLatin1String(kStyle), QStringLiteral("name"), QStringLiteral("fade"));
    xml.writeAttribute(QLatin1String(kStyle), QStringLiteral("family"), QStringLiteral("drawing-page"));
    xml.writeEmptyElement(QLatin1String(kStyle), QStringLiteral("drawing-page-properties"));
    xml.writeAttribute(QLatin1String(kPresentation), QStringLiteral("transition-type"),
                       QStringLiteral("manual"));
    xml.writeAttribute(QLatin1String(kPresentation), QStringLiteral("transition-speed"),
                       QStringLiteral("slow"));
    xml.writeAttribute(QLatin1String(kSmil), QStringLiteral("type"), QStringLiteral("fade"));
    xml.writeAttribute(QLatin1String(kSmil), QStringLiteral("subtype"), QStringLiteral("crossfade"));
    xml.writeEndElement();
    xml.writeEndElement();

    xml.writeStartElement(QLatin1String(kOffice), QStringLiteral("master-styles"));
    xml.writeEmptyElement(QLatin1String(kStyle), QStringLiteral("master-page"));
    xml.writeAttribute(QLatin1String(kStyle), QStringLiteral("name"), QStringLiteral("Default"));
    xml.writeAttribute(QLatin1String(kStyle), QStringLiteral("page-layout-name"), QStringLiteral("screen"));
    xml.writeEndElement();

    xml.writeStartElement(QLatin1String(kOffice), QStringLiteral("body"));
    xml.writeStartElement(QLatin1String(kOffice), QStringLiteral("presentation"));
    for (int i = 0; i < slides.size(); ++i) {
        const demotexts::Slide &slide = slides.at(i);
        xml.writeStartElement(QLatin1String(kDraw), QStringLiteral("page"));
        xml.writeAttribute(QLatin1String(kDraw), QStringLiteral("name"),
                           QStringLiteral("slide%1").arg(i + 1));
        xml.writeAttribute(QLatin1String(kDraw), QStringLiteral("master-page-name"),
                           QStringLiteral("Default"));
        if (slide.fades)
            xml.writeAttribute(QLatin1String(kDraw), QStringLiteral("style-name"), QStringLiteral("fade"));
        xml.writeEmptyElement(QLatin1String(kDraw), QStringLiteral("rect"));
        xml.writeAttribute(QLatin1String(kDraw), QStringLiteral("style-name"),
                           QStringLiteral("ground%1").arg(i));
        xml.writeAttribute(QLatin1String(kSvg), QStringLiteral("x"), QStringLiteral("0cm"));
        xml.writeAttribute(QLatin1String(kSvg), QStringLiteral("y"), QStringLiteral("0cm"));
        xml.writeAttribute(QLatin1String(kSvg), QStringLiteral("width"), QStringLiteral("28cm"));
        xml.writeAttribute(QLatin1String(kSvg), QStringLiteral("height"), QStringLiteral("21cm"));
        frame(xml, 3, 4, QStringLiteral("title"), {slide.title});
        frame(xml, 9, 10, QStringLiteral("line"), slide.lines);
        if (!slide.answer.isEmpty()) {
            const QString id = QStringLiteral("answer%1").arg(i + 1);
            frame(xml, 15, 3, QStringLiteral("answer"), {slide.answer}, id);
            appearOnClick(xml, id);
        }
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return out;
}
