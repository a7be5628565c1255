#pragma once

#include "lesson/lessonfields.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class LessonBook;
class QIODevice;
typedef struct zip zip_t;

namespace lessonpack {

class Progress;

// The room where a pack unpacks: free bytes, the size files are allocated in,
// and free file entries (-1 when the file system does not count them).
struct Room {
    qint64 bytes = 0;
    qint64 blockSize = 4096;
    qint64 files = -1;
};
Room roomAt(const QString &folder);

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
    QStringList dropped;   // names in the lesson of files outside the program folder: taken out
};

enum class OnConflict { Replace, KeepBoth };

// Reads a lesson pack and unpacks it into a program folder's lesson book.
// Nothing is written before every member has passed: its name (no absolute
// name, drive, "..", link, or name outside the lesson book; one that fits the
// file system and no existing file in its way), its data (no two members
// sharing data, none inflating to over 100 times its packed size nor all of
// them to over 100 times the pack, all of them within the free space counted
// in blocks) and its checksum against the manifest. Refusals name the member.
// The members are then written into a staging folder inside the lesson book
// and moved into place once all are written and verified; a failure, a
// cancel or a kill leaves the lesson book as it was (the next start removes
// the staging folder of a killed import).
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
    // program folder holds; `room` is what is left where it unpacks.
    // `progress` (may be null) counts the bytes read and can cancel.
    bool prepare(const LessonBook &book, const Room &room, Progress *progress, ImportPreview *preview,
                 QString *error);

    // Writes the members, keeping or replacing files that differ; a kept file's
    // packed one gets a numbered name (" (2)") that the unpacked lesson names,
    // unless a numbered file here already holds the same content. The lesson
    // names no file outside the program folder. Gives the unpacked lesson's path.
    bool unpack(const LessonBook &book, OnConflict onConflict, Progress *progress, QString *lessonPath,
                QString *error);

private:
    bool examine(qint64 packSize, QIODevice &device, QString *error);
    bool readMember(const PackEntry &entry, QByteArray *bytes, QString *sha256, QIODevice *sink,
                    Progress *progress, QString *error) const;
    bool readLesson(LessonRecord *fields, QByteArray *bytes, QString *error) const;

    QByteArray m_data;
    zip_t *m_zip = nullptr;
    QString m_lesson;
    QList<PackEntry> m_entries; // the lesson among them
    QStringList m_differing;
    bool m_prepared = false;
};

// Removes what imports killed before they finished left in the lesson book.
void removeStaleStaging(const LessonBook &book);

// `text` with control and formatting characters written as "\x1B" or
// "\u202E", so that a name from a pack cannot drive a terminal or reorder a
// line; with `keepNewlines` the line breaks stay.
QString escapedControls(const QString &text, bool keepNewlines = false);

// Why a member's name may not be unpacked (empty when it may): "\" counts as
// a folder separator, as Windows tools write it.
QString refusalOf(const QString &member);

} // namespace lessonpack
