// The open dialog's filter of runnable files over a real folder.

#include "platform/executablefilter.h"

#include <QFile>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class ExecutableFilterTest : public QObject
{
    Q_OBJECT

private slots:
    void showsFoldersAndRunnableFilesOnly()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        for (const char *name : {"notes.txt", "game.exe", "tool"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QFile::setPermissions(dir.filePath(QStringLiteral("tool")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QFileSystemModel files;
        QSignalSpy loaded(&files, &QFileSystemModel::directoryLoaded);
        const QModelIndex root = files.setRootPath(dir.path());
        QVERIFY(loaded.wait());
        ExecutableFilter filter;
        filter.setSourceModel(&files);
        const QModelIndex shownRoot = filter.mapFromSource(root);
        QStringList shown;
        for (int row = 0; row < filter.rowCount(shownRoot); ++row)
            shown.append(filter.index(row, 0, shownRoot).data().toString());
        shown.sort();
        QCOMPARE(shown, (QStringList{"folder", "tool"}));
    }
};

QTEST_GUILESS_MAIN(ExecutableFilterTest)
#include "tst_executablefilter.moc"
