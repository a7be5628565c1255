#pragma once

// Lesson documents made at test time with LibreOffice: a seven-paragraph Word
// document written from RTF (GBK escapes, bold, colour, centring), one with a
// header, a footer and notes, and a three-slide deck in red, green and blue.

#include "platform/office/cachedconverter.h"
#include "platform/office/documentcache.h"
#include "platform/office/officeprocess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

namespace officefixtures {

// Long enough for a cold LibreOffice on a busy machine.
const int kConversionWait = 300000;

// The program's converter on LibreOffice, over a cache of its own.
struct RealConverter {
    QTemporaryDir folder;
    CachedDocumentConverter converter{DocumentCache(folder.filePath(QStringLiteral("documents"))),
                                      new OfficeProcessBackEnd(folder.filePath(QStringLiteral("profiles")))};
};

// A lesson document kept in tests/data/documents.
inline QString fixture(const char *name)
{
    return QStringLiteral(VELTANO_TEST_DATA "/documents/") + QLatin1String(name);
}

// "高中" in GBK escapes, bold and centred; "two" red; five plain paragraphs.
inline QByteArray sevenParagraphRtf()
{
    return "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
           "{\\colortbl;\\red255\\green0\\blue0;}\n"
           "\\pard\\qc\\plain\\f0\\fs24\\b \\'b8\\'df\\'d6\\'d0\\par\n"
           "\\pard\\plain\\cf1 two\\par\n"
           "\\pard\\plain three\\par\n\\pard\\plain four\\par\n\\pard\\plain five\\par\n"
           "\\pard\\plain six\\par\n\\pard\\plain seven\\par\n}";
}

// Slides in red, green and blue, again and again.
inline QByteArray slideDeck(int count)
{
    const char *const colours[] = {"red", "green", "blue"};
    QByteArray slides;
    for (int i = 0; i < count; ++i)
        slides += QByteArray("<draw:page draw:master-page-name=\"M\"><draw:rect draw:style-name=\"") +
                  colours[i % 3] +
                  "\" svg:x=\"0cm\" svg:y=\"0cm\" svg:width=\"28cm\" svg:height=\"21cm\"/></draw:page>";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
           "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
           "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
           "xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\" "
           "xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\" "
           "xmlns:presentation=\"urn:oasis:names:tc:opendocument:xmlns:presentation:1.0\" "
           "office:version=\"1.2\" "
           "office:mimetype=\"application/vnd.oasis.opendocument.presentation\"><office:automatic-styles>"
           "<style:style style:name=\"red\" style:family=\"graphic\"><style:graphic-properties "
           "draw:fill=\"solid\" "
           "draw:fill-color=\"#ff0000\" draw:stroke=\"none\"/></style:style>"
           "<style:style style:name=\"green\" style:family=\"graphic\"><style:graphic-properties "
           "draw:fill=\"solid\" "
           "draw:fill-color=\"#00ff00\" draw:stroke=\"none\"/></style:style>"
           "<style:style style:name=\"blue\" style:family=\"graphic\"><style:graphic-properties "
           "draw:fill=\"solid\" "
           "draw:fill-color=\"#0000ff\" draw:stroke=\"none\"/></style:style>"
           "</office:automatic-styles><office:master-styles><style:page-layout style:name=\"PL\">"
           "<style:page-layout-properties fo:page-width=\"28cm\" "
           "fo:page-height=\"21cm\"/></style:page-layout>"
           "<style:master-page style:name=\"M\" style:page-layout-name=\"PL\"/></office:master-styles>"
           "<office:body><office:presentation>" +
           slides + "</office:presentation></office:body></office:document>";
}

inline QByteArray threeSlideDeck()
{
    return slideDeck(3);
}

// Seven body paragraphs "P1" to "P7" under a page header "HEADER" and above a
// footer "FOOTER", with a footnote "NOTE" on P1 and an endnote "ENDNOTE" on P6.
inline QByteArray headerFooterNotesDocument()
{
    QByteArray body;
    for (int i = 1; i <= 7; ++i) {
        body += "<text:p>P" + QByteArray::number(i);
        if (i == 1)
            body += "<text:note text:id=\"n1\" text:note-class=\"footnote\"><text:note-citation>1"
                    "</text:note-citation><text:note-body><text:p>NOTE</text:p></text:note-body></text:note>";
        if (i == 6)
            body +=
                "<text:note text:id=\"n2\" text:note-class=\"endnote\"><text:note-citation>i"
                "</text:note-citation><text:note-body><text:p>ENDNOTE</text:p></text:note-body></text:note>";
        body += "</text:p>";
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
           "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
           "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
           "xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\" office:version=\"1.2\" "
           "office:mimetype=\"application/vnd.oasis.opendocument.text\"><office:automatic-styles>"
           "<style:page-layout style:name=\"PL\"><style:page-layout-properties fo:page-width=\"21cm\" "
           "fo:page-height=\"29.7cm\"/><style:header-style/><style:footer-style/></style:page-layout>"
           "</office:automatic-styles><office:master-styles><style:master-page style:name=\"Standard\" "
           "style:page-layout-name=\"PL\"><style:header><text:p>HEADER</text:p></style:header>"
           "<style:footer><text:p>FOOTER</text:p></style:footer></style:master-page></office:master-styles>"
           "<office:body><office:text>" +
           body + "</office:text></office:body></office:document>";
}

// Writes `content` as `name` in `folder` and has LibreOffice save it as
// `format` ("doc", "ppt") beside it; returns the new file, or "" on failure.
inline QString officeSaveAs(const QString &folder, const QString &name, const QByteArray &content,
                            const QString &format)
{
    const QString source = folder + QLatin1Char('/') + name;
    QFile file(source);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    file.close();
    const QString out = folder + QStringLiteral("/made-") + format;
    QProcess office;
    office.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    office.setStandardOutputFile(QProcess::nullDevice());
    office.start(QStringLiteral("soffice"),
                 {QStringLiteral("-env:UserInstallation=") +
                      QUrl::fromLocalFile(folder + QStringLiteral("/profile-") + format).toString(),
                  QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
                  format, QStringLiteral("--outdir"), out, source});
    if (!office.waitForFinished(180000))
        return QString();
    const QString made =
        out + QLatin1Char('/') + name.section(QLatin1Char('.'), 0, 0) + QLatin1Char('.') + format;
    return QFile::exists(made) ? made : QString();
}

} // namespace officefixtures
