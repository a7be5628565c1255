// A converted document's HTML as the document panes import it into paragraphs:
// any page (styles, fonts, empty paragraphs, tables, broken tags) gives a document
// whose every run of paragraphs can be copied at a type size.
#include "fuzzcheck.h"
#include "platform/office/worddocument.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextDocument>

namespace {

QTemporaryDir *folder = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Fonts and the text layout need the application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    static QTemporaryDir dir;
    folder = &dir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString page = folder->filePath(QStringLiteral("page.html"));
    QFile file(page);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    QString problem;
    const auto document = WordDocument::load({page, page, ConvertedDocument::Format::Html}, &problem);
    FUZZ_CHECK(document);
    const int count = document->paragraphCount();
    FUZZ_CHECK(count >= 1);
    const auto all = document->copyAll(15);
    FUZZ_CHECK(all->blockCount() == count);
    // The pages the panes show: three paragraphs at a time, and one past the end.
    for (int first = 1; first <= count + 1 && first <= 31; first += 3)
        FUZZ_CHECK(document->copyRange(first, first + 2, 21)->blockCount() >= 1);
    return 0;
}
