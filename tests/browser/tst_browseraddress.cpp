// The address a browser window opens for a lesson's web address or a typed one.

#include "browser/logic/browseraddress.h"
#include "lesson/lessonbook.h"

#include <QtTest>

class BrowserAddressTest : public QObject
{
    Q_OBJECT
private slots:
    void addressesAndFilesOfTheProgramFolder()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("备课本/示例")));
        QFile page(dir.filePath(QStringLiteral("备课本/示例/首页.html")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        const LessonBook book(dir.path());
        const QString pageUrl = QUrl::fromLocalFile(page.fileName()).toString();

        // A page of the lesson named relative to the program folder, or by a
        // Windows full path, opens from where the program folder is now.
        QCOMPARE(browserAddress(QStringLiteral("备课本\\示例\\首页.html"), book), pageUrl);
        QCOMPARE(browserAddress(QStringLiteral(" D:\\Veltano\\备课本\\示例\\首页.html"), book), pageUrl);
        QCOMPARE(browserAddress(page.fileName(), book), pageUrl);
        QCOMPARE(browserAddress(QStringLiteral("E:\\VELTANO\\备课本\\示例\\首页.HTML"), book), pageUrl);
        // Addresses with a scheme, host names and names found nowhere stay as
        // written, whatever the current folder holds.
        QVERIFY(QDir::setCurrent(dir.filePath(QStringLiteral("备课本/示例"))));
        for (const char *kept : {"http://www.example.cn/a.html", "https://cn.bing.com/", "about:blank",
                                 "file:///nowhere/a.html", "www.example.cn", "备课本\\示例\\没有.html",
                                 "备课本\\示例", "D:\\Veltano\\没有.html", "首页.html", ""}) {
            const QString address = QString::fromUtf8(kept);
            QCOMPARE(browserAddress(address, book), address);
        }
        // A scheme with no place after it, as the editor writes for no address, is none.
        for (const char *none : {"http://", " https:// ", "http:", "about:"})
            QVERIFY2(browserAddress(QLatin1String(none), book).isEmpty(), none);
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
    }
};

QTEST_GUILESS_MAIN(BrowserAddressTest)
#include "tst_browseraddress.moc"
