#include "officeprofile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

const QByteArray kItems =
    "<item oor:path=\"/org.openoffice.Office.Common/Security/Scripting\">"
    "<prop oor:name=\"MacroSecurityLevel\" oor:op=\"fuse\"><value>3</value></prop></item>\n"
    "<item oor:path=\"/org.openoffice.Office.Common/Security/Scripting\">"
    "<prop oor:name=\"DisableMacrosExecution\" oor:op=\"fuse\"><value>true</value></prop></item>\n";

const QByteArray kEnd = "</oor:items>";

} // namespace

namespace officeprofile {

bool secure(const QString &folder)
{
    const QString user = folder + QStringLiteral("/user");
    const QString path = user + QStringLiteral("/registrymodifications.xcu");
    QByteArray content;
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly))
        content = existing.readAll();
    existing.close();
    if (content.contains("DisableMacrosExecution\" oor:op=\"fuse\"><value>true<") &&
        content.contains("MacroSecurityLevel\" oor:op=\"fuse\"><value>3<"))
        return true;
    const int end = content.lastIndexOf(kEnd);
    if (end < 0)
        content = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                  "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
                  "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
                  "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n" +
                  kItems + kEnd + "\n";
    else
        // Later items win, so these override any weaker level set before.
        content.insert(end, kItems);
    QSaveFile file(path);
    return QDir().mkpath(user) && file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
           file.commit();
}

} // namespace officeprofile
