// What a lesson file holds, told by its bytes, and what each ending may hold.

#include "lesson/filekinds.h"
#include "lesson/mediacodecs.h"

#include <QBuffer>
#include <QFile>
#include <QTest>

using filekinds::Content;

namespace {

Content identify(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return filekinds::identify(buffer);
}

// A zip's first local header naming `member`, then `data`.
QByteArray zipStart(const QByteArray &member, const QByteArray &data)
{
    QByteArray header("PK\x03\x04", 4);
    header += QByteArray(22, '\0');
    header += char(member.size());
    header += QByteArray(3, '\0');
    return header + member + data;
}

} // namespace

class TestFileKinds : public QObject
{
    Q_OBJECT

private slots:
    void contentIsToldByTheBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Content>("content");
        QTest::newRow("Word 97 / WPS")
            << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 rest") << Content::Compound;
        QTest::newRow("rich text") << QByteArray("{\\rtf1 x}") << Content::RichText;
        QTest::newRow("OpenDocument text")
            << zipStart("mimetype", "application/vnd.oasis.opendocument.textPK") << Content::OdfText;
        QTest::newRow("OpenDocument slides")
            << zipStart("mimetype", "application/vnd.oasis.opendocument.presentation") << Content::OdfSlides;
        QTest::newRow("OpenDocument sheet")
            << zipStart("mimetype", "application/vnd.oasis.opendocument.spreadsheet") << Content::Unknown;
        // The Word part named only in the zip's directory, far beyond the first member.
        QTest::newRow("Office 2007 text")
            << zipStart("[Content_Types].xml", QByteArray(200000, 'x') + "PK\x01\x02word/document.xml")
            << Content::WordXml;
        QTest::newRow("Office 2007 slides") << zipStart("ppt/slides/slide1.xml", "x") << Content::SlidesXml;
        QTest::newRow("Office 2007 sheet") << zipStart("xl/workbook.xml", "x") << Content::Unknown;
        QTest::newRow("PDF after junk") << QByteArray("\r\n%PDF-1.7\n") << Content::Pdf;
        QTest::newRow("PNG") << QByteArray("\x89PNG\r\n\x1a\n....IHDR") << Content::Picture;
        QTest::newRow("WebP") << QByteArray("RIFF\x10\0\0\0WEBPVP8 ", 16) << Content::Picture;
        QTest::newRow("SVG") << QByteArray("<?xml version=\"1.0\"?>\n<svg xmlns=\"x\"/>") << Content::Picture;
        QTest::newRow("TIFF") << QByteArray("II*\0\x08\0\0\0", 8) << Content::Picture;
        QTest::newRow("MP4") << QByteArray("\0\0\0\x18"
                                           "ftypmp42\0\0\0\0",
                                           16)
                             << Content::AudioVideo;
        QTest::newRow("Matroska / WebM")
            << QByteArray("\x1A\x45\xDF\xA3\x9F\x42\x86\x81\x01\x42\xF7\x81") << Content::AudioVideo;
        QTest::newRow("Ogg / Opus") << QByteArray("OggS\0\x02\0\0\0\0\0\0", 12) << Content::AudioVideo;
        QTest::newRow("FLAC") << QByteArray("fLaC\0\0\0\x22\x10\0\x10\0", 12) << Content::AudioVideo;
        QTest::newRow("AAC (ADTS)") << QByteArray("\xFF\xF1\x50\x80\x02\x1F\xFC\0\0\0\0\0", 12)
                                    << Content::AudioVideo;
        QTest::newRow("plain words") << QByteArray("plain words, nothing else") << Content::Unknown;
    }

    void contentIsToldByTheBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Content, content);
        QCOMPARE(identify(bytes), content);
    }

    void aRealWordDocumentIsOfficeXml()
    {
        QFile word(QStringLiteral(VELTANO_TEST_DATA "/documents/word2007.doc"));
        QVERIFY(word.open(QIODevice::ReadOnly));
        QCOMPARE(filekinds::identify(word), Content::WordXml);
    }

    void eachEndingTakesWhatItsProgramOpens()
    {
        using filekinds::contentProblem;
        // WPS Office saves Word 97 and PowerPoint 97 files under its own endings.
        for (const char *suffix : {"doc", "docx", "odt", "wps", "DOCX"}) {
            for (Content c : {Content::Compound, Content::RichText, Content::WordXml, Content::OdfText})
                QVERIFY2(contentProblem(QLatin1String(suffix), c).isEmpty(), suffix);
        }
        for (const char *suffix : {"ppt", "pps", "pptx", "ppsx", "odp", "dps"}) {
            for (Content c : {Content::Compound, Content::SlidesXml, Content::OdfSlides})
                QVERIFY2(contentProblem(QLatin1String(suffix), c).isEmpty(), suffix);
        }
        QCOMPARE(contentProblem(QStringLiteral("docx"), Content::Pdf),
                 QStringLiteral("文件内容不是 Word 文档"));
        // A Works text from before Works 4 has no signature: the office suite judges.
        QVERIFY(contentProblem(QStringLiteral("wps"), Content::Unknown).isEmpty());
        QCOMPARE(contentProblem(QStringLiteral("wps"), Content::Pdf),
                 QStringLiteral("文件内容不是 Word 文档"));
        QCOMPARE(contentProblem(QStringLiteral("pptx"), Content::Pdf),
                 QStringLiteral("文件内容不是 PowerPoint 演示文稿"));
        QCOMPARE(contentProblem(QStringLiteral("odp"), Content::WordXml),
                 QStringLiteral("文件内容不是 OpenDocument 演示文稿"));
        QCOMPARE(contentProblem(QStringLiteral("pdf"), Content::Compound),
                 QStringLiteral("文件内容不是 PDF 文档"));
        QCOMPARE(contentProblem(QStringLiteral("rtf"), Content::WordXml),
                 QStringLiteral("文件内容不是 RTF 格式"));
        QCOMPARE(contentProblem(QStringLiteral("png"), Content::AudioVideo),
                 QStringLiteral("文件内容不是图片"));
        QCOMPARE(contentProblem(QStringLiteral("mp4"), Content::Picture),
                 QStringLiteral("文件内容不是视频或音频"));
        // A renamed picture is still a picture: its decoder reads the content.
        QVERIFY(contentProblem(QStringLiteral("tif"), Content::Picture).isEmpty());
        // Text takes anything; the Windows version's media are left to their players.
        for (const char *suffix : {"txt", "mp3", "jpg", "wmv", "swf"})
            QVERIFY2(contentProblem(QLatin1String(suffix), Content::Unknown).isEmpty(), suffix);
    }

    void officeSuiteReadsWhatTheFileHolds()
    {
        using filekinds::Conversion;
        QCOMPARE(filekinds::conversionFor(QStringLiteral("WPS")), Conversion::Html);
        QCOMPARE(filekinds::conversionFor(QStringLiteral("dps")), Conversion::Pdf);
        QCOMPARE(filekinds::conversionFor(QStringLiteral("pdf")), Conversion::Pdf);
        QCOMPARE(filekinds::conversionFor(QStringLiteral("png")), Conversion::None);
        QCOMPARE(filekinds::conversionFor(QStringLiteral("txt")), Conversion::None);
        // Imported as what it holds: a Word 2007 deck renamed ".ppt" as a ".pptx", a rich
        // text named ".docx" as a ".rtf"; a WPS text keeps its own ending.
        // A ".wps" without a Word 97 document is Microsoft Works' own, read
        // with the Works import; a ".doc" stays what its start says.
        const QByteArray compound("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
        QByteArray wpsOffice = compound;
        for (const char c : QByteArray("WordDocument"))
            wpsOffice += QByteArray(1, c) + QByteArray(1, '\0');
        QCOMPARE(filekinds::refine(QStringLiteral("wps"), Content::Compound, wpsOffice), Content::Compound);
        QCOMPARE(filekinds::refine(QStringLiteral("WPS"), Content::Compound, compound + "MatOST"),
                 Content::WorksText);
        QCOMPARE(filekinds::refine(QStringLiteral("wps"), Content::Unknown, "\x01\xfe"), Content::WorksText);
        QCOMPARE(filekinds::refine(QStringLiteral("doc"), Content::Compound, compound), Content::Compound);
        QCOMPARE(filekinds::refine(QStringLiteral("wps"), Content::WordXml, "PK"), Content::WordXml);
        QCOMPARE(filekinds::officeSuffix(QStringLiteral("wps"), Content::WorksText, Conversion::Html),
                 QStringLiteral("works"));
        QCOMPARE(filekinds::officeSuffix(QStringLiteral("docx"), Content::Compound, Conversion::Html),
                 QStringLiteral("doc"));
        QCOMPARE(filekinds::officeSuffix(QStringLiteral("WPS"), Content::Compound, Conversion::Html),
                 QStringLiteral("wps"));
        QCOMPARE(filekinds::officeSuffix(QStringLiteral("dps"), Content::Compound, Conversion::Pdf),
                 QStringLiteral("ppt"));
        QCOMPARE(filekinds::officeSuffix(QStringLiteral("ppt"), Content::SlidesXml, Conversion::Pdf),
                 QStringLiteral("pptx"));
        QCOMPARE(filekinds::officeSuffix(QStringLiteral("docx"), Content::RichText, Conversion::Html),
                 QStringLiteral("rtf"));
        // What the office suite cannot open of WPS Office's own is explained in a teacher's words.
        const QString refused = QStringLiteral("LibreOffice 无法打开该文件");
        QCOMPARE(filekinds::conversionFailure(QStringLiteral("wps"), refused),
                 QStringLiteral("WPS 格式无法转换，请在 WPS 中另存为 .docx"));
        QCOMPARE(filekinds::conversionFailure(QStringLiteral("dps"), refused),
                 QStringLiteral("WPS 格式无法转换，请在 WPS 中另存为 .pptx"));
        QCOMPARE(filekinds::conversionFailure(QStringLiteral("doc"), refused), refused);
        QVERIFY(filekinds::isRichText(Content::WordXml) && filekinds::isRichText(Content::OdfText));
        QVERIFY(!filekinds::isRichText(Content::Compound));
    }

    // A missing decoder is named by the codec the container declares, wherever
    // its index lies.
    void codecsAreReadFromTheContainer()
    {
        using mediacodecs::Codec;
        const auto codecs = [](QByteArray bytes) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            return mediacodecs::declaredIn(buffer);
        };
        const QByteArray ftyp("\0\0\0\x18"
                              "ftypisom\0\0\0\0",
                              16);
        QCOMPARE(codecs(ftyp + "moov....stsd....mp4a....stsd....hvc1"),
                 (QList<Codec>{Codec::H265, Codec::Aac}));
        // A phone writes the index after three megabytes of frames.
        QCOMPARE(codecs(ftyp + QByteArray(3 * 1024 * 1024, '\0') + "moov....stsd....avc1"),
                 QList<Codec>{Codec::H264});
        QCOMPARE(codecs(QByteArray("\x1A\x45\xDF\xA3....V_MPEG4/ISO/AVC....A_OPUS")),
                 (QList<Codec>{Codec::H264, Codec::Opus}));
        QCOMPARE(codecs(QByteArray("OggS..........OpusHead")), QList<Codec>{Codec::Opus});
        QCOMPARE(codecs(QByteArray("\xFF\xF1\x50\x80\x02\x1F\xFC", 7)), QList<Codec>{Codec::Aac});
        QCOMPARE(codecs(QByteArray("ID3\x04\0\0\0\0\0\0")), QList<Codec>{Codec::Mp3});
        QVERIFY(codecs(QByteArray("RIFF....AVI LIST")).isEmpty());

        QCOMPARE(mediacodecs::missingDecoderNotice({Codec::H265, Codec::Aac}),
                 QStringLiteral("缺少播放这种格式的解码组件（GStreamer 插件）：H.265 视频、AAC 音频"));
        QCOMPARE(mediacodecs::missingDecoderNotice({}),
                 QStringLiteral("缺少播放这种格式的解码组件（GStreamer 插件）"));
    }

    void filtersGainOneEntryBeforeAllFiles()
    {
        QCOMPARE(filekinds::withCommonFormats(QStringLiteral("PowerPoint演示文稿|*.ppt"), MediaKind::Deck),
                 QStringLiteral("PowerPoint演示文稿|*.ppt|常用格式|*.pptx;*.ppsx;*.odp;*.dps;*.pdf"));
        QCOMPARE(
            filekinds::withCommonFormats(QStringLiteral("Gif文件|*.gif|所有文件|*.*"), MediaKind::Picture),
            QStringLiteral("Gif文件|*.gif|常用格式|*.png;*.webp;*.svg;*.tif;*.tiff|所有文件|*.*"));
        QCOMPARE(filekinds::withCommonFormats(QStringLiteral("Flash播放文件|*.swf"), MediaKind::Flash),
                 QStringLiteral("Flash播放文件|*.swf"));
    }
};

QTEST_GUILESS_MAIN(TestFileKinds)
#include "tst_filekinds.moc"
