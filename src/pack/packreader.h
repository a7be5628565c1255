#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class LessonBook;
class QIODevice;
typedef struct zip zip_t;

namespace lessonpack {

// A member the pack would write below the program folder.
struct PackEntry {
    QString member;
    quint64 index = 0;
    qint64 size = 0;
    QString sha256; // from the manifest, then as read
    bool executable = false;
};

// What a pack would do to this program folder.
struct ImportPreview {
    QString lessonMember;
    int fileCount = 0; // files besides the lesson
    qint64 totalSize = 0;
    QStringList differing; // members that exist here with other content
};

enum class OnConflict { Replace, KeepBoth };

// Reads a lesson pack and unpacks it into a program folder's lesson book.
// Nothing is written before every member has passed: its name (no absolute
// name, drive, "..", link, or name outside the lesson book), its size (no
// member inflating to over 100 times its packed size, all of them within the
// free space) and its checksum against the manifest. Refusals name the member.
class PackReader
{
public:
    PackReader() = default;
    ~PackReader();
    PackReader(const PackReader &) = delete;
    PackReader &operator=(const PackReader &) = delete;

    // Opens the pack and checks its names, sizes and manifest.
    bool open(const QString &zipPath, QString *error);
    bool openData(const QByteArray &bytes, QString *error);

    const QString &lessonMember() const { return m_lesson; }
    const QList<PackEntry> &entries() const { return m_entries; }

    // Reads every member against the manifest and compares it with what the
    // program folder holds. `freeBytes` is the room left where it unpacks.
    bool prepare(const LessonBook &book, qint64 freeBytes, ImportPreview *preview, QString *error);

    // Writes the members, keeping or replacing files that differ; a kept file's
    // packed one gets a numbered name (" (2)") that the unpacked lesson names.
    // Gives the unpacked lesson's path.
    bool unpack(const LessonBook &book, OnConflict onConflict, QString *lessonPath, QString *error);

private:
    bool examine(QString *error);
    bool readMember(const PackEntry &entry, QByteArray *bytes, QString *sha256, QIODevice *sink,
                    QString *error) const;

    QByteArray m_data;
    zip_t *m_zip = nullptr;
    QString m_lesson;
    QList<PackEntry> m_entries; // the lesson among them
    QStringList m_differing;
    bool m_prepared = false;
};

// Why a member's name may not be unpacked (empty when it may): "\" counts as
// a folder separator, as Windows tools write it.
QString refusalOf(const QString &member);

} // namespace lessonpack
