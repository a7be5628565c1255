// The choice text of a several-files dialog (UTF-16 as the dialog hands it over):
// either refused or split into a folder ending in its separator and at least one
// name without NULs; the names survive being joined and split again.
#include "filesel/selectfileinfo.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text(reinterpret_cast<const QChar *>(data), int(size / sizeof(QChar)));
    bool ok = false;
    const SelectFileInfo info = GetDlgSelectFileInfo(text, &ok);
    FUZZ_CHECK(info.FileCount == info.FileNames.size());
    if (!ok)
        return 0;
    FUZZ_CHECK(info.FileCount >= 1);
    FUZZ_CHECK(info.FilePath.endsWith(QLatin1Char('/')) || info.FilePath.endsWith(QLatin1Char('\\')));
    bool plainNames = true;
    for (const QString &name : info.FileNames) {
        FUZZ_CHECK(!name.contains(QChar(0)));
        plainNames = plainNames && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
    }
    if (!plainNames || (info.FileCount == 1 && info.FileNames.first().isEmpty()))
        return 0;
    bool okAgain = false;
    const SelectFileInfo again = GetDlgSelectFileInfo(selectionText(info.FilePath, info.FileNames), &okAgain);
    FUZZ_CHECK(okAgain);
    FUZZ_CHECK(again.FileNames == info.FileNames);
    return 0;
}
