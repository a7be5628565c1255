#include "fakes/fakeplatform.h"
#include "filesel/selectfileinfo.h"
#include "platform/dialogs/dialogchoice.h"

#include <QtTest>

class SelectFileInfoTest : public QObject
{
    Q_OBJECT
private slots:
    void oneFileInAFolder()
    {
        bool ok = false;
        const SelectFileInfo info = GetDlgSelectFileInfo(QStringLiteral("D:\\课件\\a.doc"), &ok);
        QVERIFY(ok);
        QCOMPARE(info.FileCount, 1);
        QCOMPARE(info.FilePath, QStringLiteral("D:\\课件\\"));
        QCOMPARE(info.FileNames, QStringList{QStringLiteral("a.doc")});

        const SelectFileInfo native = GetDlgSelectFileInfo(QStringLiteral("/v/备课本/高中/a b.txt"));
        QCOMPARE(native.FilePath, QStringLiteral("/v/备课本/高中/"));
        QCOMPARE(native.FileNames, QStringList{QStringLiteral("a b.txt")});
    }

    void oneFileInARoot()
    {
        QCOMPARE(GetDlgSelectFileInfo(QStringLiteral("D:\\a.doc")).FilePath, QStringLiteral("D:\\"));
        QCOMPARE(GetDlgSelectFileInfo(QStringLiteral("D:\\a.doc")).FileNames.first(),
                 QStringLiteral("a.doc"));
        QCOMPARE(GetDlgSelectFileInfo(QStringLiteral("/a.doc")).FilePath, QStringLiteral("/"));
    }

    void severalFilesKeepTheirOrderAndSpaces()
    {
        const QString text = QStringLiteral("/v/pics") + QChar(0) + QStringLiteral("c.jpg") + QChar(0) +
                             QStringLiteral("a b.jpg") + QChar(0) + QStringLiteral("b.jpg");
        const SelectFileInfo info = GetDlgSelectFileInfo(text);
        QCOMPARE(info.FileCount, 3);
        QCOMPARE(info.FilePath, QStringLiteral("/v/pics/"));
        QCOMPARE(info.FileNames,
                 (QStringList{QStringLiteral("c.jpg"), QStringLiteral("a b.jpg"), QStringLiteral("b.jpg")}));
        QCOMPARE(GetDlgSelectFileInfo(selectionText(QStringLiteral("/v/pics"), info.FileNames)).FileNames,
                 info.FileNames);
    }

    void unparsableTextIsReported()
    {
        bool ok = true;
        const SelectFileInfo info = GetDlgSelectFileInfo(QString(), &ok);
        QVERIFY(!ok);
        QCOMPARE(info.FileCount, 0);
        GetDlgSelectFileInfo(QStringLiteral("nofolder.txt"), &ok);
        QVERIFY(!ok);
        GetDlgSelectFileInfo(QChar(0) + QStringLiteral("a.txt"), &ok);
        QVERIFY(!ok);

        FakeMessageBox messages;
        QCOMPARE(parseDialogChoice(QStringLiteral("/v/a.txt"), messages).FileCount, 1);
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(parseDialogChoice(QString(), messages).FileCount, 0);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().text, QStringLiteral("GetDlgSelectFileInfo函数执行错误！"));
        QCOMPARE(messages.shown.first().title, QStringLiteral("自定义函数错误"));
        QCOMPARE(messages.shown.first().icon, MessageBox::Icon::Critical);
    }
};

QTEST_GUILESS_MAIN(SelectFileInfoTest)
#include "tst_selectfileinfo.moc"
