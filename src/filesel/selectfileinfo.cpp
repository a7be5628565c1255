#include "selectfileinfo.h"

namespace {

QChar separatorOf(const QString &folder)
{
    return folder.contains(QLatin1Char('/')) ? QLatin1Char('/') : QLatin1Char('\\');
}

int lastSeparator(const QString &path)
{
    return qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}

} // namespace

SelectFileInfo GetDlgSelectFileInfo(const QString &dialogText, bool *ok)
{
    SelectFileInfo info;
    if (ok)
        *ok = false;
    const int firstNul = dialogText.indexOf(QChar(0));
    QString folder;
    QString rest;
    if (firstNul < 0) {
        const int cut = lastSeparator(dialogText);
        if (cut < 0 || cut == dialogText.size() - 1)
            return info;
        // A drive's or the file system's root keeps its separator as the folder.
        folder =
            dialogText.left(cut == 0 || (cut == 2 && dialogText.at(1) == QLatin1Char(':')) ? cut + 1 : cut);
        rest = dialogText.mid(folder.size());
    } else {
        folder = dialogText.left(firstNul);
        rest = dialogText.mid(firstNul);
        if (folder.isEmpty())
            return info;
    }

    if (rest.at(0) != QChar(0)) {
        if (rest.startsWith(QLatin1Char('\\')) || rest.startsWith(QLatin1Char('/')))
            rest.remove(0, 1);
        info.FileNames.append(rest);
    } else {
        for (const QChar c : rest) {
            if (c == QChar(0))
                info.FileNames.append(QString());
            else
                info.FileNames.last().append(c);
        }
    }
    info.FileCount = info.FileNames.size();
    const QChar separator = separatorOf(folder);
    info.FilePath = folder.endsWith(separator) ? folder : folder + separator;
    if (ok)
        *ok = true;
    return info;
}

QString selectionText(const QString &folder, const QStringList &names)
{
    QString base = folder;
    if (base.size() > 1 && (base.endsWith(QLatin1Char('/')) || base.endsWith(QLatin1Char('\\'))))
        base.chop(1);
    if (names.size() == 1)
        return base + (base.endsWith(separatorOf(base)) ? QString() : QString(separatorOf(base))) +
               names.first();
    QString text = base;
    for (const QString &name : names)
        text += QChar(0) + name;
    return text;
}
