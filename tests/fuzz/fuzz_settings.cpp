// The settings file: any content gives settings (empty when record 2 is bad);
// writing record 2 into it keeps record 1 and whatever follows record 2.
#include "fuzzcheck.h"
#include "lesson/recordtexts.h"
#include "lesson/settingsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray contents(reinterpret_cast<const char *>(data), int(size));
    const Settings settings = SettingsFile::parse(contents);

    QByteArray record2;
    const Settings written{QStringLiteral("第一中学"), settings.StageSubject, QStringLiteral("王老师")};
    if (recordtexts::pack({written.UnitName, written.StageSubject, written.TeacherName}, &record2) !=
        recordtexts::PackResult::Ok)
        return 0;
    const QByteArray updated = SettingsFile::withRecord2(contents, record2);
    FUZZ_CHECK(updated.size() >= 2 * recordtexts::kRecordSize);
    FUZZ_CHECK(updated.mid(recordtexts::kRecordSize, recordtexts::kRecordSize) == record2);
    if (contents.size() >= recordtexts::kRecordSize)
        FUZZ_CHECK(updated.left(recordtexts::kRecordSize) == contents.left(recordtexts::kRecordSize));
    if (contents.size() > 2 * recordtexts::kRecordSize)
        FUZZ_CHECK(updated.mid(2 * recordtexts::kRecordSize) == contents.mid(2 * recordtexts::kRecordSize));
    const Settings back = SettingsFile::parse(updated);
    FUZZ_CHECK(back.UnitName == written.UnitName && back.StageSubject == written.StageSubject &&
               back.TeacherName == written.TeacherName);
    return 0;
}
