// The pickers' table, location check and stored names, without a window.

#include "editor/logic/pickerrules.h"
#include "lesson/lessonbook.h"

#include <QTest>

class TestPickerRules : public QObject
{
    Q_OBJECT

private slots:
    void elevenPickersWithTheirDialogs()
    {
        const LessonBook book(QStringLiteral("/opt/v"));
        int count = 0;
        for (int k = 0; k < 16; ++k)
            count += pickerrules::rule(k).has_value();
        QCOMPARE(count, 11);
        QVERIFY(!pickerrules::rule(5));

        const auto music = *pickerrules::rule(0);
        QCOMPARE(music.startFolder(book), QStringLiteral("/opt/v/set/music"));
        QVERIFY(!music.several);
        QVERIFY(music.filter.startsWith(QStringLiteral("MP3文件|*.mp3;*.M3u|Midi文件")));
        QCOMPARE(pickerrules::rule(3)->startFolder(book), QStringLiteral("/opt/v/set/bj"));
        QCOMPARE(pickerrules::rule(4)->filter, QStringLiteral("可执行程序|*|应用程序(*.exe)|*.exe"));
        QVERIFY(pickerrules::rule(4)->picksProgram() && !pickerrules::rule(3)->picksProgram());
        QCOMPARE(pickerrules::rule(4)->field, 10);

        const auto deck = *pickerrules::rule(8);
        QVERIFY(deck.several);
        QCOMPARE(deck.root, PickerRule::Root::Document);
        QCOMPARE(deck.startFolder(book), QStringLiteral("/opt/v/备课本"));
        // The Windows version's entries first, character for character, then today's kinds;
        // "所有文件" stays last.
        QCOMPARE(deck.filter, QStringLiteral("PowerPointView文件|*.ppt|Powerpoint文件|*.pps|"
                                             "常用格式|*.pptx;*.ppsx;*.odp;*.dps;*.pdf"));
        QCOMPARE(pickerrules::rule(6)->filter,
                 QStringLiteral("文档文件|*.doc|RichTex文件|*.rtf|常用格式|*.docx;*.odt;*.wps;*.txt"));
        QCOMPARE(pickerrules::rule(7)->filter,
                 QStringLiteral("文本文件|*.txt|Richtxt文件|*.rtf|常用格式|*.docx;*.odt"));
        QCOMPARE(
            pickerrules::rule(11)->filter,
            QStringLiteral("图片文件|*.bmp;*.ico;*.cur;*.jpg;*.jpeg;*.gif|Jpg文件|*.jpeg;*.jpg|Gif文件|*.gif|"
                           "常用格式|*.png;*.webp;*.svg;*.tif;*.tiff|所有文件|*.*"));
        QCOMPARE(pickerrules::rule(2)->filter,
                 QStringLiteral("Jpg文件|*.jpg|Bmp文件|*.bmp|Jpeg文件|*.jpeg|Gif文件|*.gif|"
                                "常用格式|*.png;*.webp;*.svg;*.tif;*.tiff|所有文件|*.*"));
        QCOMPARE(pickerrules::rule(10)->filter, music.filter);
        QVERIFY(music.filter.endsWith(QStringLiteral(
            "*.wvx|常用格式|*.mp4;*.m4a;*.mov;*.webm;*.mkv;*.ogg;*.opus;*.flac;*.aac|所有文件|*.*")));
        QCOMPARE(pickerrules::rule(9)->filter, QStringLiteral("Flash播放文件|*.swf"));
        const auto pictures = *pickerrules::rule(11);
        QCOMPARE(pictures.root, PickerRule::Root::Program);
        QCOMPARE(pictures.startFolder(book), QStringLiteral("/opt/v"));
        QCOMPARE(pictures.field, 8);
    }

    void locationMessagesHaveTwoEndings()
    {
        QCOMPARE(pickerrules::locationMessage(QStringLiteral("/v/备课本"), PickerRule::Ending::Below),
                 QStringLiteral("请将文件移动到文件夹“/v/备课本”子目录下"));
        QCOMPARE(pickerrules::locationMessage(QStringLiteral("/v/备课本"), pickerrules::rule(9)->ending),
                 QStringLiteral("请将文件移动到文件夹“/v/备课本”或其子目录下"));
        QCOMPARE(pickerrules::rule(8)->ending, PickerRule::Ending::Below);
    }

    void documentNamesBelowTheRoot()
    {
        const QString root = QStringLiteral("/v/备课本");
        QCOMPARE(pickerrules::documentName(root, QStringLiteral("/v/备课本/高中/一/a.doc")),
                 QStringLiteral("高中\\一\\a.doc"));
        QCOMPARE(pickerrules::documentName(root, QStringLiteral("/v/备课本/a.doc")), QStringLiteral("a.doc"));
        QVERIFY(!pickerrules::documentName(root, QStringLiteral("/v/set/image/a.doc")));
        // Letter case counts.
        QVERIFY(!pickerrules::documentName(QStringLiteral("/V/lessons"), QStringLiteral("/v/lessons/a.doc")));
    }

    void listEntriesAppendOneSpaceAfterEachName()
    {
        const QString root = QStringLiteral("/v/备课本");
        const SelectFileInfo two =
            GetDlgSelectFileInfo(selectionText(QStringLiteral("/v/备课本/高中"), {"a.txt", "b.txt"}));
        QCOMPARE(pickerrules::listEntries(root, two), QStringLiteral("高中\\a.txt 高中\\b.txt "));

        const SelectFileInfo inProgram = GetDlgSelectFileInfo(QStringLiteral("/v/p.jpg"));
        QCOMPARE(pickerrules::listEntries(QStringLiteral("/v"), inProgram), QStringLiteral("p.jpg "));
        // A video in the lesson book is stored below the program folder.
        const SelectFileInfo video = GetDlgSelectFileInfo(QStringLiteral("/v/备课本/高中/x.avi"));
        QCOMPARE(pickerrules::listEntries(QStringLiteral("/v"), video),
                 QStringLiteral("备课本\\高中\\x.avi "));

        QVERIFY(!pickerrules::listEntries(root, GetDlgSelectFileInfo(QStringLiteral("/w/x.ppt"))));
        QVERIFY(!pickerrules::listEntries(root, SelectFileInfo()));
    }

    void namesWithSpacesAreFound()
    {
        const QString root = QStringLiteral("/v/备课本");
        const auto choice = [](const char *folder) {
            return GetDlgSelectFileInfo(selectionText(QString::fromUtf8(folder), {"a.txt", "b c.txt"}));
        };
        QCOMPARE(pickerrules::nameWithSpace(root, choice("/v/备课本/高中")), QStringLiteral("高中\\b c.txt"));
        QCOMPARE(pickerrules::nameWithSpace(root, choice("/v/备课本/一 班")), QStringLiteral("一 班\\a.txt"));
        QVERIFY(pickerrules::nameWithSpace(root, GetDlgSelectFileInfo(QStringLiteral("/v/备课本/a.txt")))
                    .isEmpty());
    }

    void siblingFolderNamedLikeTheRootIsOutside()
    {
        // "备课本2" begins with "备课本" but lies beside it.
        const QString root = QStringLiteral("/v/备课本");
        QVERIFY(!pickerrules::listEntries(root, GetDlgSelectFileInfo(QStringLiteral("/v/备课本2/a.swf"))));
        QVERIFY(!pickerrules::documentName(root, QStringLiteral("/v/备课本旧/a.doc")));
        QCOMPARE(pickerrules::documentName(root + QLatin1Char('/'), QStringLiteral("/v/备课本/高中/a.doc")),
                 std::optional<QString>(QStringLiteral("高中\\a.doc")));
        // An empty root holds nothing.
        QVERIFY(!pickerrules::documentName(QString(), QStringLiteral("/v/备课本/a.doc")));
    }
};

QTEST_GUILESS_MAIN(TestPickerRules)
#include "tst_pickerrules.moc"
