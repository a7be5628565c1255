#include "filekinds.h"

#include <QIODevice>

namespace filekinds {

namespace {

// The contents a file of an ending may hold, as the program it was made for opens them.
enum class Family { Any, Writer, WpsText, RichTextOnly, Slides, PdfOnly, Pictures, Media };

constexpr unsigned bit(MediaKind kind)
{
    return 1u << unsigned(kind);
}

struct Ending {
    const char *suffix;
    Family family;
    unsigned addedTo; // the fields that take it beyond the Windows version's endings
    const char *advice;
};

const char *const kWpsWriter = "WPS 格式无法转换，请在 WPS 中另存为 .docx";
const char *const kWpsSlides = "WPS 格式无法转换，请在 WPS 中另存为 .pptx";

// In the order the open dialogs list them.
const Ending kEndings[] = {
    {"doc", Family::Writer, 0, nullptr},
    {"rtf", Family::RichTextOnly, 0, nullptr},
    {"docx", Family::Writer, bit(MediaKind::Document) | bit(MediaKind::Text), nullptr},
    {"odt", Family::Writer, bit(MediaKind::Document) | bit(MediaKind::Text), nullptr},
    {"wps", Family::WpsText, bit(MediaKind::Document), kWpsWriter},
    {"txt", Family::Any, bit(MediaKind::Document), nullptr},
    {"ppt", Family::Slides, 0, nullptr},
    {"pps", Family::Slides, 0, nullptr},
    {"pptx", Family::Slides, bit(MediaKind::Deck), nullptr},
    {"ppsx", Family::Slides, bit(MediaKind::Deck), nullptr},
    {"odp", Family::Slides, bit(MediaKind::Deck), nullptr},
    {"dps", Family::Slides, bit(MediaKind::Deck), kWpsSlides},
    {"pdf", Family::PdfOnly, bit(MediaKind::Deck), nullptr},
    {"mp4", Family::Media, bit(MediaKind::AudioVideo), nullptr},
    {"m4a", Family::Media, bit(MediaKind::AudioVideo), nullptr},
    {"mov", Family::Media, bit(MediaKind::AudioVideo), nullptr},
    {"webm", Family::Media, bit(MediaKind::AudioVideo), nullptr},
    {"mkv", Family::Media, bit(MediaKind::AudioVideo), nullptr},
    {"ogg", Family::Media, bit(MediaKind::AudioVideo), nullptr},
    {"opus", Family::Media, bit(MediaKind::AudioVideo), nullptr},
    {"flac", Family::Media, bit(MediaKind::AudioVideo), nullptr},
    {"aac", Family::Media, bit(MediaKind::AudioVideo), nullptr},
    {"png", Family::Pictures, bit(MediaKind::Picture), nullptr},
    {"webp", Family::Pictures, bit(MediaKind::Picture), nullptr},
    {"svg", Family::Pictures, bit(MediaKind::Picture), nullptr},
    {"tif", Family::Pictures, bit(MediaKind::Picture), nullptr},
    {"tiff", Family::Pictures, bit(MediaKind::Picture), nullptr},
};

const Ending *endingOf(const QString &suffix)
{
    const QString lower = suffix.toLower();
    for (const Ending &ending : kEndings) {
        if (lower == QLatin1String(ending.suffix))
            return &ending;
    }
    return nullptr;
}

bool accepts(Family family, Content content)
{
    switch (family) {
    case Family::Any:
        return true;
    case Family::Writer:
        return content == Content::Compound || content == Content::RichText || content == Content::WordXml ||
               content == Content::OdfText;
    case Family::WpsText:
        // Works texts before Works 4 have no signature: the office suite judges.
        return content == Content::Unknown || content == Content::WorksText ||
               accepts(Family::Writer, content);
    case Family::RichTextOnly:
        return content == Content::RichText;
    case Family::Slides:
        return content == Content::Compound || content == Content::SlidesXml || content == Content::OdfSlides;
    case Family::PdfOnly:
        return content == Content::Pdf;
    case Family::Pictures:
        // Qt's readers take more kinds than the signatures here know (a
        // BigTIFF, a Netpbm file...): only content known to be something
        // else is no picture; the decoder judges the rest.
        return content == Content::Picture || content == Content::Unknown;
    case Family::Media:
        return content == Content::AudioVideo;
    }
    return false;
}

QString refusal(const QString &suffix, Family family)
{
    const QString lower = suffix.toLower();
    switch (family) {
    case Family::RichTextOnly:
        return QStringLiteral("文件内容不是 RTF 格式");
    case Family::Writer:
    case Family::WpsText:
        return lower == QLatin1String("odt") ? QStringLiteral("文件内容不是 OpenDocument 文档")
                                             : QStringLiteral("文件内容不是 Word 文档");
    case Family::Slides:
        return lower == QLatin1String("odp") ? QStringLiteral("文件内容不是 OpenDocument 演示文稿")
                                             : QStringLiteral("文件内容不是 PowerPoint 演示文稿");
    case Family::PdfOnly:
        return QStringLiteral("文件内容不是 PDF 文档");
    case Family::Pictures:
        return QStringLiteral("文件内容不是图片");
    case Family::Media:
        return QStringLiteral("文件内容不是视频或音频");
    case Family::Any:
        break;
    }
    return QString();
}

Content zipContent(QIODevice &device, const QByteArray &head)
{
    // OpenDocument: the uncompressed member "mimetype" comes first and holds the type.
    if (head.mid(30, 8) == "mimetype") {
        const QByteArray type = head.mid(38, 64);
        if (type.startsWith("application/vnd.oasis.opendocument.text"))
            return Content::OdfText;
        if (type.startsWith("application/vnd.oasis.opendocument.presentation"))
            return Content::OdfSlides;
        return Content::Unknown;
    }
    // Office 2007: the parts' folders, named in the local headers at the start and
    // in the zip's directory at its end, whatever order the writer chose.
    const qint64 tailSize = 64 * 1024;
    QByteArray names = head;
    if (device.size() > head.size() && device.seek(qMax<qint64>(head.size(), device.size() - tailSize)))
        names += device.read(tailSize);
    if (names.contains("word/"))
        return Content::WordXml;
    if (names.contains("ppt/"))
        return Content::SlidesXml;
    return Content::Unknown;
}

bool isPicture(const QByteArray &head)
{
    if (head.startsWith("\x89PNG\r\n\x1a\n") || head.startsWith("\xFF\xD8\xFF") || head.startsWith("GIF8") ||
        head.startsWith("BM") || head.startsWith(QByteArray("\0\0\1\0", 4)) ||
        head.startsWith(QByteArray("\0\0\2\0", 4)) || head.startsWith(QByteArray("II*\0", 4)) ||
        head.startsWith(QByteArray("MM\0*", 4)) || head.startsWith(QByteArray("II+\0", 4)) ||
        head.startsWith(QByteArray("MM\0+", 4)))
        return true;
    if (head.startsWith("RIFF") && head.mid(8, 4) == "WEBP")
        return true;
    // SVG is XML text: an "<svg" element near its start.
    const QByteArray start = head.left(2048).trimmed();
    return (start.startsWith('<') || start.startsWith("\xEF\xBB\xBF")) && start.contains("<svg");
}

bool isAudioVideo(const QByteArray &head)
{
    if (head.size() < 12)
        return false;
    const QByteArray box = head.mid(4, 4); // MP4 / QuickTime: the first box's type
    if (box == "ftyp" || box == "moov" || box == "mdat" || box == "free" || box == "wide" || box == "skip")
        return true;
    if (head.startsWith("\x1A\x45\xDF\xA3") || head.startsWith("OggS") || head.startsWith("fLaC") ||
        head.startsWith("ID3") || head.startsWith("ADIF") || head.startsWith("MThd") ||
        head.startsWith("\x30\x26\xB2\x75") || head.startsWith(QByteArray("\0\0\1\xBA", 4)))
        return true;
    if (head.startsWith("RIFF") && (head.mid(8, 4) == "WAVE" || head.mid(8, 4) == "AVI "))
        return true;
    // MPEG audio frames, AAC's ADTS frames among them.
    return uchar(head.at(0)) == 0xFF && (uchar(head.at(1)) & 0xE0) == 0xE0;
}

} // namespace

Content identify(QIODevice &device)
{
    if (!device.seek(0))
        return Content::Unknown;
    const QByteArray head = device.read(4096);
    if (head.startsWith("\xD0\xCF\x11\xE0"))
        return Content::Compound;
    if (head.startsWith("{\\rtf"))
        return Content::RichText;
    if (head.startsWith("PK\x03\x04"))
        return zipContent(device, head);
    // Readers take a PDF whose header comes within its first kilobyte.
    if (head.left(1024).contains("%PDF-"))
        return Content::Pdf;
    if (isPicture(head))
        return Content::Picture;
    if (isAudioVideo(head))
        return Content::AudioVideo;
    return Content::Unknown;
}

Content refine(const QString &suffix, Content content, const QByteArray &bytes)
{
    if (suffix.compare(QLatin1String("wps"), Qt::CaseInsensitive) != 0 ||
        (content != Content::Compound && content != Content::Unknown))
        return content;
    // The directory of a compound file names its streams in UTF-16.
    static const QByteArray wordStream = QByteArray::fromRawData("W\0o\0r\0d\0D\0o\0c\0u\0m\0e\0n\0t\0", 24);
    return content == Content::Compound && bytes.contains(wordStream) ? content : Content::WorksText;
}

QString commonFormatsEntry(MediaKind kind)
{
    QStringList patterns;
    for (const Ending &ending : kEndings) {
        if (ending.addedTo & bit(kind))
            patterns.append(QStringLiteral("*.") + QLatin1String(ending.suffix));
    }
    return patterns.isEmpty() ? QString() : QStringLiteral("常用格式|") + patterns.join(QLatin1Char(';'));
}

QString withCommonFormats(const QString &filter, MediaKind kind)
{
    const QString entry = commonFormatsEntry(kind);
    if (entry.isEmpty())
        return filter;
    const QString all = QStringLiteral("|所有文件|");
    const qsizetype last = filter.lastIndexOf(all);
    if (last < 0)
        return filter + QLatin1Char('|') + entry;
    return filter.left(last) + QLatin1Char('|') + entry + filter.mid(last);
}

Conversion conversionFor(const QString &suffix)
{
    const Ending *ending = endingOf(suffix);
    if (!ending)
        return Conversion::None;
    switch (ending->family) {
    case Family::Writer:
    case Family::WpsText:
    case Family::RichTextOnly:
        return Conversion::Html;
    case Family::Slides:
    case Family::PdfOnly:
        return Conversion::Pdf;
    default:
        return Conversion::None;
    }
}

QString contentProblem(const QString &suffix, Content content)
{
    const Ending *ending = endingOf(suffix);
    if (!ending || accepts(ending->family, content))
        return QString();
    return refusal(suffix, ending->family);
}

QString officeSuffix(const QString &suffix, Content content, Conversion conversion)
{
    switch (content) {
    case Content::Compound:
        if (conversion == Conversion::Pdf)
            return QStringLiteral("ppt");
        return suffix.compare(QLatin1String("wps"), Qt::CaseInsensitive) == 0 ? QStringLiteral("wps")
                                                                              : QStringLiteral("doc");
    case Content::RichText:
        return QStringLiteral("rtf");
    case Content::WordXml:
        return QStringLiteral("docx");
    case Content::SlidesXml:
        return QStringLiteral("pptx");
    case Content::OdfText:
        return QStringLiteral("odt");
    case Content::OdfSlides:
        return QStringLiteral("odp");
    case Content::Pdf:
        return QStringLiteral("pdf");
    case Content::WorksText:
        return QStringLiteral("works");
    default:
        return QString();
    }
}

QString conversionFailure(const QString &suffix, const QString &reason)
{
    const Ending *ending = endingOf(suffix);
    return ending && ending->advice ? QString::fromUtf8(ending->advice) : reason;
}

bool isRichText(Content content)
{
    return content == Content::RichText || content == Content::WordXml || content == Content::OdfText;
}

} // namespace filekinds
