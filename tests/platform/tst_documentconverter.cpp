#include "platform/office/cachedconverter.h"
#include "platform/office/documentcache.h"
#include "platform/office/officeprocess.h"
#include "platform/office/worddocument.h"
#include "support/officefixtures.h"

#include <QPdfDocument>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

const int kConversionWait = 300000;

// The real converter over a cache of its own, recording what it answers.
struct Converter {
    QTemporaryDir folder;
    CachedDocumentConverter converter{DocumentCache(folder.filePath(QStringLiteral("documents"))),
                                      new OfficeProcessBackEnd(folder.filePath(QStringLiteral("profiles")))};
    QHash<QString, ConvertedDocument> opened;
    QHash<QString, QString> failed;

    Converter()
    {
        QObject::connect(&converter, &DocumentConverter::opened, [this](const ConvertedDocument &document) {
            opened.insert(document.source, document);
        });
        QObject::connect(
            &converter, &DocumentConverter::failed,
            [this](const QString &source, const QString &reason) { failed.insert(source, reason); });
    }
};

QString write(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.fileName();
}

} // namespace

class DocumentConverterTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_doc = officefixtures::officeSaveAs(m_fixtures.path(), QStringLiteral("seven.rtf"),
                                             officefixtures::sevenParagraphRtf(), QStringLiteral("doc"));
        m_ppt = officefixtures::officeSaveAs(m_fixtures.path(), QStringLiteral("deck.fodp"),
                                             officefixtures::threeSlideDeck(), QStringLiteral("ppt"));
        m_notes =
            officefixtures::officeSaveAs(m_fixtures.path(), QStringLiteral("notes.fodt"),
                                         officefixtures::headerFooterNotesDocument(), QStringLiteral("doc"));
        QVERIFY2(!m_doc.isEmpty() && !m_ppt.isEmpty() && !m_notes.isEmpty(),
                 "LibreOffice could not make the test documents");
        m_rtf = write(m_fixtures, QStringLiteral("gbk.rtf"), officefixtures::sevenParagraphRtf());
        // Rich text saved under a text file's name.
        m_rtfAsText = write(m_fixtures, QStringLiteral("gbk.txt"), officefixtures::sevenParagraphRtf());
    }

    void convertsSeveralAtOnceThenFromTheCache()
    {
        Converter c;
        for (const QString &path : {m_doc, m_rtf, m_rtfAsText})
            c.converter.open(path);
        c.converter.open(m_ppt, DocumentConverter::Urgency::Teacher, DocumentConverter::Form::Pages);
        // Nothing is answered from inside open().
        QVERIFY(c.opened.isEmpty() && c.failed.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(c.opened.size() + c.failed.size(), 4, kConversionWait);
        QVERIFY2(c.failed.isEmpty(), qPrintable(c.failed.values().join(QLatin1Char(' '))));
        // The same rich text under two names converts once.
        QCOMPARE(c.converter.conversionsStarted(), 3);

        for (const QString &path : {m_doc, m_rtf, m_rtfAsText}) {
            const ConvertedDocument &converted = c.opened.value(path);
            QCOMPARE(converted.format, ConvertedDocument::Format::Html);
            QString problem;
            const std::unique_ptr<WordDocument> word = WordDocument::load(converted, &problem);
            QVERIFY2(word, qPrintable(problem));
            QCOMPARE(word->paragraphCount(), 7);
            const QTextBlock first = word->document().begin();
            QCOMPARE(first.text(), QStringLiteral("高中"));
            QCOMPARE(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                     Qt::Alignment(Qt::AlignHCenter));
            QCOMPARE(first.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
            QCOMPARE(first.next().begin().fragment().charFormat().foreground().color(), QColor(Qt::red));

            // The second page: paragraphs 4 to 7, every character at the page's size.
            const std::unique_ptr<QTextDocument> page = word->copyRange(4, 7, 31);
            QCOMPARE(page->blockCount(), 4);
            QCOMPARE(page->toPlainText(), QStringLiteral("four\nfive\nsix\nseven"));
            for (QTextBlock block = page->begin(); block.isValid(); block = block.next())
                for (auto it = block.begin(); !it.atEnd(); ++it)
                    QCOMPARE(it.fragment().charFormat().font().pointSizeF(), 31.0);
            // A page of the centred heading stays centred.
            const std::unique_ptr<QTextDocument> pageOne = word->copyRange(1, 3, 28);
            QCOMPARE(pageOne->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                     Qt::Alignment(Qt::AlignHCenter));
            QCOMPARE(pageOne->toPlainText(), QStringLiteral("高中\ntwo\nthree"));
        }

        const ConvertedDocument &deck = c.opened.value(m_ppt);
        QCOMPARE(deck.format, ConvertedDocument::Format::Pdf);
        QPdfDocument pdf;
        QCOMPARE(pdf.load(deck.file), QPdfDocument::Error::None);
        QCOMPARE(pdf.pageCount(), 3);
        const QImage second = pdf.render(1, QSize(80, 60));
        QCOMPARE(second.pixelColor(40, 30), QColor(0, 255, 0));

        // The same content under another name: from the cache, no process.
        const QString copy = m_fixtures.filePath(QStringLiteral("renamed.doc"));
        QVERIFY(QFile::copy(m_doc, copy));
        c.converter.open(copy);
        QTRY_VERIFY(c.opened.contains(copy));
        QCOMPARE(c.opened.value(copy).file, c.opened.value(m_doc).file);
        QCOMPARE(c.converter.conversionsStarted(), 3);
    }

    // Word pages the body's paragraphs: the header, the footer and the notes
    // LibreOffice writes around them are no paragraphs of the document.
    void pagesHoldTheBodyParagraphsOnly()
    {
        Converter c;
        c.converter.open(m_notes);
        QTRY_COMPARE_WITH_TIMEOUT(c.opened.size() + c.failed.size(), 1, kConversionWait);
        QVERIFY2(c.failed.isEmpty(), qPrintable(c.failed.values().join(QLatin1Char(' '))));
        QString problem;
        const std::unique_ptr<WordDocument> word = WordDocument::load(c.opened.value(m_notes), &problem);
        QVERIFY2(word, qPrintable(problem));
        QCOMPARE(word->paragraphCount(), 7);
        // The note marks stay where the text has them.
        QCOMPARE(word->copyRange(1, 3, 28)->toPlainText(), QStringLiteral("P11\nP2\nP3"));
        QCOMPARE(word->copyRange(4, 7, 28)->toPlainText(), QStringLiteral("P4\nP5\nP6i\nP7"));

        // Divisions inside a header go with it; other divisions are the body's.
        const QString html = write(m_fixtures, QStringLiteral("nested.html"),
                                   "<html><body><div title=\"first page header\"><div><p>H1</p></div>"
                                   "<p>H2</p></div><div><p>one</p></div><p>two</p>"
                                   "<div id=\"sdendnote1\"><p>E</p></div></body></html>");
        const std::unique_ptr<WordDocument> nested = WordDocument::load({html, html}, &problem);
        QVERIFY(nested);
        QCOMPARE(nested->document().toPlainText(), QStringLiteral("one\ntwo"));
    }

    void refusesWhatIsNoDocument()
    {
        Converter c;
        QByteArray noise(4096, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919 + 13) % 251);
        const QString random = write(m_fixtures, QStringLiteral("random.doc"), noise);
        const QString textAsDeck = write(m_fixtures, QStringLiteral("notes.ppt"), "plain words");
        const QString missing = m_fixtures.filePath(QStringLiteral("missing.doc"));
        for (const QString &path : {random, textAsDeck, missing})
            c.converter.open(path);
        QTRY_COMPARE(c.failed.size(), 3);
        QCOMPARE(c.failed.value(random), QStringLiteral("文件内容不是 Word 文档"));
        QCOMPARE(c.failed.value(textAsDeck), QStringLiteral("文件内容不是 PowerPoint 演示文稿"));
        QCOMPARE(c.failed.value(missing), QStringLiteral("找不到文件"));
        QCOMPARE(c.converter.conversionsStarted(), 0);
        // A machine without LibreOffice: a clear reason, no hanging wait.
        CachedDocumentConverter bare(DocumentCache(c.folder.filePath(QStringLiteral("bare"))),
                                     new OfficeProcessBackEnd(c.folder.filePath(QStringLiteral("p")),
                                                              QStringLiteral("no-such-office")));
        QString reason;
        connect(&bare, &DocumentConverter::failed, this,
                [&reason](const QString &, const QString &why) { reason = why; });
        bare.open(m_doc);
        QTRY_COMPARE(reason, QStringLiteral("找不到 LibreOffice（soffice）"));
        // A rich-text file named ".doc" is what Word opens too, and so is a Word
        // 2007 document; another zip is not a Word document.
        QVERIFY(CachedDocumentConverter::signatureProblem(QStringLiteral("DOC"), "{\\rtf1 x}").isEmpty());
        QFile word2007(officefixtures::fixture("word2007.doc"));
        QVERIFY(word2007.open(QIODevice::ReadOnly));
        QVERIFY(
            CachedDocumentConverter::signatureProblem(QStringLiteral("doc"), word2007.readAll()).isEmpty());
        QCOMPARE(CachedDocumentConverter::signatureProblem(QStringLiteral("doc"),
                                                           QByteArray("PK\x03\x04", 4) + "xl/workbook.xml"),
                 QStringLiteral("文件内容不是 Word 文档"));
    }

    // Today's files open as what they hold: Office 2007 and OpenDocument texts
    // and decks through LibreOffice, a WPS text of Word 97 kind as one, a PDF
    // deck as it is without LibreOffice; what cannot be opened says why.
    void todaysKindsOpenAsWhatTheyHold()
    {
        const QString folder = m_fixtures.path();
        const auto made = [&folder](const char *name, const QByteArray &content, const char *format) {
            return officefixtures::officeSaveAs(folder, QLatin1String(name), content, QLatin1String(format));
        };
        const QString docx = made("seven-x.rtf", officefixtures::sevenParagraphRtf(), "docx");
        const QString odt = made("seven-o.rtf", officefixtures::sevenParagraphRtf(), "odt");
        const QString pptx = made("deck-x.fodp", officefixtures::threeSlideDeck(), "pptx");
        const QString odp = made("deck-o.fodp", officefixtures::threeSlideDeck(), "odp");
        const QString pdf = made("deck-p.fodp", officefixtures::threeSlideDeck(), "pdf");
        QVERIFY2(!docx.isEmpty() && !odt.isEmpty() && !pptx.isEmpty() && !odp.isEmpty() && !pdf.isEmpty(),
                 "LibreOffice could not make the test documents");
        const QString slideShow = folder + QStringLiteral("/show.ppsx");
        const QString wps = folder + QStringLiteral("/教案.wps");
        const QString docxAsText = folder + QStringLiteral("/docx.txt");
        QVERIFY(QFile::copy(pptx, slideShow) && QFile::copy(m_doc, wps) && QFile::copy(docx, docxAsText));
        QFile whole(pdf);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QString cutPdf = write(m_fixtures, QStringLiteral("cut.pdf"), whole.read(whole.size() / 3));
        QByteArray noise("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
        for (int i = 0; i < 8192; ++i)
            noise += char((i * 7919 + 13) % 251);
        const QString brokenWps = write(m_fixtures, QStringLiteral("broken.wps"), noise);
        // No compound file: it may be a Works text of before Works 4, which the
        // office suite's Works import is asked to read before it is refused.
        const QString noiseWps = write(m_fixtures, QStringLiteral("noise.wps"), noise.mid(8));
        const QString pictureAsDeck =
            write(m_fixtures, QStringLiteral("shot.pptx"), QByteArray("\x89PNG\r\n\x1a\n", 8) + noise);

        Converter c;
        const QStringList all = {docx, odt, wps,    docxAsText, pptx,     slideShow,
                                 odp,  pdf, cutPdf, brokenWps,  noiseWps, pictureAsDeck};
        const QStringList decks = {pptx, slideShow, odp, pdf, cutPdf, pictureAsDeck};
        for (const QString &path : all)
            c.converter.open(path, DocumentConverter::Urgency::Teacher,
                             decks.contains(path) ? DocumentConverter::Form::Pages
                                                  : DocumentConverter::Form::Usual);
        QTRY_COMPARE_WITH_TIMEOUT(c.opened.size() + c.failed.size(), int(all.size()), kConversionWait);

        QCOMPARE(c.failed.value(cutPdf), QStringLiteral("PDF 文件已损坏，无法读取"));
        QCOMPARE(c.failed.value(brokenWps), QStringLiteral("WPS 格式无法转换，请在 WPS 中另存为 .docx"));
        QCOMPARE(c.failed.value(noiseWps), QStringLiteral("WPS 格式无法转换，请在 WPS 中另存为 .docx"));
        QCOMPARE(c.failed.value(pictureAsDeck), QStringLiteral("文件内容不是 PowerPoint 演示文稿"));
        QCOMPARE(c.failed.size(), 4);
        for (const QString &path : {docx, odt, wps, docxAsText}) {
            QCOMPARE(c.opened.value(path).format, ConvertedDocument::Format::Html);
            QString problem;
            const std::unique_ptr<WordDocument> word = WordDocument::load(c.opened.value(path), &problem);
            QVERIFY2(word, qPrintable(path + problem));
            QCOMPARE(word->paragraphCount(), 7);
            QCOMPARE(word->document().begin().text(), QStringLiteral("高中"));
        }
        for (const QString &path : {pptx, slideShow, odp, pdf}) {
            const ConvertedDocument &deck = c.opened.value(path);
            QCOMPARE(deck.format, ConvertedDocument::Format::Pdf);
            QPdfDocument slides;
            QCOMPARE(slides.load(deck.file), QPdfDocument::Error::None);
            QCOMPARE(slides.pageCount(), 3);
            QCOMPARE(slides.render(1, QSize(80, 60)).pixelColor(40, 30), QColor(0, 255, 0));
        }
        // The PDF deck is shown from where it lies; the same deck as .pptx and
        // .ppsx converts once; both broken .wps are tried.
        QCOMPARE(c.opened.value(pdf).file, pdf);
        QCOMPARE(c.converter.conversionsStarted(), 7);

        // Asked for as usual, a deck becomes a slide show of its three slides;
        // a PDF deck stays as it is.
        c.opened.clear();
        c.converter.open(odp);
        c.converter.open(pdf);
        QTRY_COMPARE_WITH_TIMEOUT(c.opened.size(), 2, kConversionWait);
        QCOMPARE(c.opened.value(odp).format, ConvertedDocument::Format::Show);
        QFile show(c.opened.value(odp).file);
        QVERIFY(show.open(QIODevice::ReadOnly));
        QVERIFY(show.readAll().contains("ooo:number-of-slides=\"3\""));
        QCOMPARE(c.opened.value(pdf).format, ConvertedDocument::Format::Pdf);
    }

    void cacheDropsTheLeastRecentlyUsedBeyondItsBudget()
    {
        QTemporaryDir folder;
        DocumentCache cache(folder.path(), 250);
        QStringList keys;
        for (int i = 0; i < 3; ++i) {
            const QString output = folder.filePath(QStringLiteral("out%1").arg(i));
            QDir().mkpath(output);
            QFile document(output + QStringLiteral("/document.pdf"));
            QVERIFY(document.open(QIODevice::WriteOnly));
            document.write(QByteArray(100, 'x'));
            document.close();
            keys.append(DocumentCache::key(QByteArray::number(i)));
            QVERIFY(!cache.store(keys.last(), QStringLiteral("pdf"), output).isEmpty());
        }
        // Entry 0 was used last; entry 1 is now the oldest.
        for (int i = 1; i < 3; ++i) {
            QFile document(cache.find(keys.at(i), QStringLiteral("pdf")));
            QVERIFY(document.open(QIODevice::ReadWrite));
            document.setFileTime(QDateTime::currentDateTime().addSecs(i - 100),
                                 QFileDevice::FileModificationTime);
        }
        QVERIFY(!cache.find(keys.at(0), QStringLiteral("pdf")).isEmpty());
        cache.trim();
        QVERIFY(cache.find(keys.at(1), QStringLiteral("pdf")).isEmpty());
        QVERIFY(!cache.find(keys.at(0), QStringLiteral("pdf")).isEmpty());
        QVERIFY(!cache.find(keys.at(2), QStringLiteral("pdf")).isEmpty());
    }

private:
    QTemporaryDir m_fixtures;
    QString m_doc;
    QString m_rtf;
    QString m_rtfAsText;
    QString m_ppt;
    QString m_notes;
};

QTEST_MAIN(DocumentConverterTest)
#include "tst_documentconverter.moc"
