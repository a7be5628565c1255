#include "qtfiledialog.h"

#include "executablefilter.h"
#include "filesel/selectfileinfo.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

QStringList qtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'));
        // On Windows "*.*" means every file; here it would skip names without a dot.
        for (QString &pattern : patterns) {
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        filters.append(parts.at(i) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')'));
    }
    return filters;
}

OpenFileResult QtFileDialog::getOpenFile(const OpenFileRequest &request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.startFolder);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiple ? QFileDialog::ExistingFiles : QFileDialog::AnyFile);
    dialog.setNameFilters(qtNameFilters(request.filter));
    // The Qt dialog keeps Chinese file names readable and works the same everywhere.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The descriptions already name their patterns ("配置文件（*.spz）").
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (request.executablesOnly)
        ExecutableFilter::install(dialog);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    OpenFileResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return result;
    result.cancelled = false;
    result.paths = dialog.selectedFiles();
    QStringList names;
    for (const QString &path : result.paths)
        names.append(QFileInfo(path).fileName());
    result.text = result.paths.size() == 1
                      ? result.paths.first()
                      : selectionText(QFileInfo(result.paths.first()).absolutePath(), names);
    return result;
}
