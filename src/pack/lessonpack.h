#pragma once

#include "lesson/lessonfields.h"
#include "lesson/lessonmedia.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

class LessonBook;

// A lesson pack: one zip that carries a lesson and every file it names to
// another program folder. Members are named below the program folder ("/"
// between folders); the lesson inside stays a Windows lesson file (GBK, CR LF,
// "\" in its names), every name in it relative to the program folder or the
// lesson book so that it plays wherever it is unpacked.
namespace lessonpack {

// The member that lists every other one with its size and SHA-256.
QString manifestName();
// The folder every member but the manifest lies in.
QString lessonBookFolder();

// The member a name stored in a field of a packed lesson stands for: names of
// fields 3 to 6 lie in the lesson book, all others below the program folder.
QString memberOf(int field, const QString &stored);
// The inverse: how the lesson stores a member in the field.
QString storedOf(int field, const QString &member);

// A file or folder name the pack makes, valid on Windows and Linux and free of
// spaces, which end a name in the lesson's lists: `:*?"<>|/\`, spaces and
// control characters become "_".
QString portableName(const QString &name);

// The member a name in a field stands for, in any form the lesson uses: also a
// full name from another computer ("D:\\Veltano\\备课本\\图.jpg") by its part from
// the lesson book on; empty for a full name outside any lesson book.
QString memberNamed(int field, const QString &stored);

// The SHA-256 of a file in hex, as the manifest holds it; empty when it cannot be read.
QString fileSha256(const QString &path);

// The lesson with every name that stands for a renamed member renamed too.
LessonRecord renamed(const LessonRecord &fields, const QHash<QString, QString> &members);

struct PackFile {
    QString source; // the local file
    QString member; // its name in the pack
};

struct PackPlan {
    QString lessonMember;   // 备课本/配置区[/<chapter>]/<title>.spz
    QByteArray lessonBytes; // the lesson as packed
    QList<PackFile> files;
    QList<CheckItem> missing; // named by the lesson but not found here: not packed
    // In a hidden folder of the home or a folder of the system, or no file its
    // medium's reader would open (the reason says which): never packed.
    QList<CheckItem> refused;
    // Packed files from outside the program folder and the teacher's documents
    // folder, for the teacher to confirm before the pack is written.
    QStringList outside;
};

// What goes into the pack of a lesson: each named file found here at the
// place the lesson expects it below the lesson book, a file outside it in
// 备课本/<title>-附件/. Files of the program's own set folder are not packed:
// every program folder has them. Fails (with a reason) when the lesson cannot
// be written in GBK.
bool plan(const LessonRecord &fields, const LessonBook &book, const QString &documentsFolder, PackPlan *out,
          QString *error);

// The lesson with every name of a file outside the program folder taken out
// (a pack from elsewhere may name this computer's private files); `dropped`
// gets the names as the lesson stored them.
LessonRecord confined(const LessonRecord &fields, const LessonBook &book, QStringList *dropped);

} // namespace lessonpack
