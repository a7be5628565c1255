// The open dialog's filter entries over a real folder.

#include "platform/dialogs/executablefilter.h"
#include "platform/filedialog.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QtTest>

class ExecutableFilterTest : public QObject
{
    Q_OBJECT

private slots:
    void runBitFiltersTheProgramsEntryAlone()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        for (const char *name : {"notes.txt", "game.exe", "tool", "readme"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QFile::setPermissions(dir.filePath(QStringLiteral("tool")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        // Set up as the program's open dialog is.
        QFileDialog dialog(nullptr, QString(), dir.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setNameFilters(
            qtNameFilters(QStringLiteral("可执行程序|*|应用程序(*.exe)|*.exe|所有文件|*.*")));
        ExecutableFilter::install(dialog);
        dialog.show();
        auto *list = dialog.findChild<QListView *>(QStringLiteral("listView"));
        QVERIFY(list);
        const auto shown = [list] {
            QStringList names;
            for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
                names.append(list->model()->index(row, 0, list->rootIndex()).data().toString());
            names.sort();
            return names;
        };
        QTRY_COMPARE(shown(), (QStringList{"folder", "tool"}));

        // The teacher picks the other entries in the file type box.
        auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types);
        QTest::keyClick(types, Qt::Key_Down);
        QTRY_COMPARE(shown(), (QStringList{"folder", "game.exe"}));
        // "*.*" lists every file, also names without a dot.
        QTest::keyClick(types, Qt::Key_Down);
        QTRY_COMPARE(shown(), (QStringList{"folder", "game.exe", "notes.txt", "readme", "tool"}));
    }
};

QTEST_MAIN(ExecutableFilterTest)
#include "tst_executablefilter.moc"
