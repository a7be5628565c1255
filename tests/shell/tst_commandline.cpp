#include "app/logic/commandline.h"

#include <QtTest>

using Request = CommandLine::Request;

class CommandLineTest : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("request");
        QTest::addColumn<QString>("lesson");
        QTest::addColumn<QString>("error");
        const QString none;
        QTest::newRow("nothing") << QStringList() << int(Request::Run) << none << none;
        QTest::newRow("relative lesson")
            << QStringList{QStringLiteral("课件/../高一/集合.spz")} << int(Request::Run)
            << QStringLiteral("/home/t/高一/集合.spz") << none;
        QTest::newRow("help wins") << QStringList{QStringLiteral("x.spz"), QStringLiteral("-h")}
                                   << int(Request::Help) << none << none;
        QTest::newRow("version") << QStringList{QStringLiteral("--version")} << int(Request::Version) << none
                                 << none;
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--kiosk")} << int(Request::Error)
                                        << none << QStringLiteral("--kiosk");
        QTest::newRow("two lessons") << QStringList{QStringLiteral("a.spz"), QStringLiteral("b.spz")}
                                     << int(Request::Error) << none << QStringLiteral("b.spz");
        QTest::newRow("check") << QStringList{QStringLiteral("--check"), QStringLiteral("课/集合.spz")}
                               << int(Request::Check) << QStringLiteral("/home/t/课/集合.spz") << none;
        QTest::newRow("check without its lesson") << QStringList{QStringLiteral("--check")}
                                                  << int(Request::Error) << none << QStringLiteral("--check");
        QTest::newRow("check and a second lesson")
            << QStringList{QStringLiteral("--check"), QStringLiteral("a.spz"), QStringLiteral("b.spz")}
            << int(Request::Error) << none << QStringLiteral("b.spz");
        // The toolkit takes its own options later; they are no lesson and no error.
        QTest::newRow("toolkit options")
            << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"),
                           QStringLiteral("-reverse"), QStringLiteral("a.spz")}
            << int(Request::Run) << QStringLiteral("/home/t/a.spz") << none;
        QTest::newRow("unknown single-dash option")
            << QStringList{QStringLiteral("a.spz"), QStringLiteral("-kiosk=1")} << int(Request::Error) << none
            << QStringLiteral("-kiosk=1");
        QTest::newRow("dash name after --") << QStringList{QStringLiteral("--"), QStringLiteral("-1.spz")}
                                            << int(Request::Run) << QStringLiteral("/home/t/-1.spz") << none;
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        const CommandLine line = CommandLine::parse(arguments, QStringLiteral("/home/t"));
        QTEST(int(line.request), "request");
        QTEST(line.lessonPath, "lesson");
        QTEST(line.error, "error");
    }

    // The IT staff's pack commands: a lesson and its zip, or a zip; anything more is an error.
    void packAndUnpackNameTheirZip()
    {
        const QString here = QStringLiteral("/home/t");
        const auto parse = [&here](const QStringList &arguments) {
            return CommandLine::parse(arguments, here);
        };
        CommandLine line =
            parse({QStringLiteral("--pack"), QStringLiteral("课/集合.spz"), QStringLiteral("包.zip")});
        QCOMPARE(int(line.request), int(Request::Pack));
        QCOMPARE(line.lessonPath, QStringLiteral("/home/t/课/集合.spz"));
        QCOMPARE(line.packPath, QStringLiteral("/home/t/包.zip"));
        QVERIFY(!line.includeOutside);
        QVERIFY(parse({QStringLiteral("--pack"), QStringLiteral("a.spz"), QStringLiteral("a.zip"),
                       QStringLiteral("--include-outside")})
                    .includeOutside);
        QCOMPARE(parse({QStringLiteral("--include-outside"), QStringLiteral("a.spz")}).error,
                 QStringLiteral("--include-outside"));
        line = parse({QStringLiteral("--unpack"), QStringLiteral("/media/u/包.zip")});
        QCOMPARE(int(line.request), int(Request::Unpack));
        QCOMPARE(line.packPath, QStringLiteral("/media/u/包.zip"));

        QCOMPARE(parse({QStringLiteral("--pack"), QStringLiteral("a.spz")}).error, QStringLiteral("--pack"));
        QCOMPARE(parse({QStringLiteral("--unpack"), QStringLiteral("a.zip"), QStringLiteral("b")}).error,
                 QStringLiteral("b"));
        QCOMPARE(int(parse({QStringLiteral("--pack"), QStringLiteral("a.spz"), QStringLiteral("a.zip"),
                            QStringLiteral("--unpack"), QStringLiteral("b.zip")})
                         .request),
                 int(Request::Error));
    }

    void textsFollowTheMessageLocale()
    {
        QVERIFY(CommandLine::chineseLocale(QString(), QString(), QStringLiteral("zh_CN.UTF-8")));
        QVERIFY(CommandLine::chineseLocale(QString(), QStringLiteral("zh_TW.UTF-8"), QStringLiteral("C")));
        QVERIFY(
            !CommandLine::chineseLocale(QStringLiteral("C.UTF-8"), QString(), QStringLiteral("zh_CN.UTF-8")));
        QVERIFY(!CommandLine::chineseLocale(QString(), QString(), QString()));

        QVERIFY(CommandLine::helpText(true).startsWith(QStringLiteral("用法：veltano [课件配置文件]\n")));
        QVERIFY(CommandLine::helpText(false).startsWith(QStringLiteral("Usage: veltano [LESSON-FILE]\n")));
        QCOMPARE(CommandLine::versionText(QStringLiteral("4.0.0")), QStringLiteral("Veltano 4.0.0\n"));
        QVERIFY(
            CommandLine::errorText(QStringLiteral("--kiosk"), true).contains(QStringLiteral("“--kiosk”")));
        QVERIFY(
            CommandLine::errorText(QStringLiteral("--kiosk"), false).contains(QStringLiteral("'--kiosk'")));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
