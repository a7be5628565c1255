#include "sayings/fortuneverse.h"
#include "sayings/sayingsbook.h"

#include <QStringDecoder>
#include <QtTest>

class TestSayings : public QObject
{
    Q_OBJECT

private slots:
    void readsTitlesAuthorsAndVerseOfBothCollections();
    void keepsOnlyVerseLinesEndedAsSentences();
    void choosesClassicsThenOneLinePerPoemInTurn();
    void leavesOutWhatGbkCannotHoldAndRepeats();
    void encodesGbkWithCrLf();
};

namespace {

// Layout of fortunes-zh: tang300 titles are bare, song100 ones are labelled.
const char *const kFortunes = "\x1b[32m《静夜思》\x1b[m\n"
                              "\x1b[33m作者：李白\x1b[m\n"
                              "床前明月光，疑是地上霜。\n"
                              "举头望明月，低头思故乡。\n"
                              "%\n"
                              "\x1b[32m题目:《寒食》\x1b[m\n"
                              "\x1b[33m作者:王禹偁（９５４－１００１）\x1b[m\n"
                              "今年寒食在商山，山里风光亦可怜：\n"
                              "\n"
                              "            其一\n"
                              "稚子就花拈蛱蝶，人家依树系秋千。\n"
                              "%\n";

} // namespace

void TestSayings::readsTitlesAuthorsAndVerseOfBothCollections()
{
    const QVector<FortuneVerse::Poem> poems = FortuneVerse::parse(QString::fromUtf8(kFortunes));
    QCOMPARE(poems.size(), 2);
    QCOMPARE(poems[0].title, QStringLiteral("《静夜思》"));
    QCOMPARE(poems[0].author, QStringLiteral("李白"));
    QCOMPARE(poems[0].lines, QStringList({QStringLiteral("床前明月光，疑是地上霜。"),
                                          QStringLiteral("举头望明月，低头思故乡。")}));
    QCOMPARE(poems[1].title, QStringLiteral("《寒食》"));
    QCOMPARE(poems[1].author, QStringLiteral("王禹偁"));
    QCOMPARE(poems[1].lines, QStringList({QStringLiteral("今年寒食在商山，山里风光亦可怜。"),
                                          QStringLiteral("稚子就花拈蛱蝶，人家依树系秋千。")}));
}

void TestSayings::keepsOnlyVerseLinesEndedAsSentences()
{
    QCOMPARE(FortuneVerse::asSaying(QStringLiteral("  问渠那得清如许？")),
             QStringLiteral("问渠那得清如许？"));
    QCOMPARE(FortuneVerse::asSaying(QStringLiteral("春眠不觉晓，")), QStringLiteral("春眠不觉晓。"));
    QVERIFY(FortuneVerse::asSaying(QStringLiteral("其一")).isEmpty());
    QVERIFY(FortuneVerse::asSaying(QStringLiteral("Debian 是一个庞大的项目。")).isEmpty());
    QVERIFY(FortuneVerse::asSaying(QStringLiteral("没有标点的一行诗句")).isEmpty());
    QVERIFY(FortuneVerse::asSaying(QString(40, QChar(0x5b57)) + QChar(0x3002)).isEmpty());
}

void TestSayings::choosesClassicsThenOneLinePerPoemInTurn()
{
    const QVector<FortuneVerse::Poem> poems = FortuneVerse::parse(QString::fromUtf8(kFortunes));
    const Saying classic{QStringLiteral("千里之行，始于足下。"), QStringLiteral("——《老子》第六十四章")};
    const QVector<Saying> chosen = SayingsBook::choose({classic}, poems, 4);
    QCOMPARE(chosen.size(), 4);
    QCOMPARE(chosen[0].text, classic.text);
    QCOMPARE(chosen[1].text, QStringLiteral("床前明月光，疑是地上霜。"));
    QCOMPARE(chosen[1].source, QStringLiteral("——李白《静夜思》"));
    QCOMPARE(chosen[2].text, QStringLiteral("今年寒食在商山，山里风光亦可怜。"));
    QCOMPARE(chosen[3].text, QStringLiteral("举头望明月，低头思故乡。"));
}

void TestSayings::leavesOutWhatGbkCannotHoldAndRepeats()
{
    const Saying plain{QStringLiteral("知足不辱。"), QStringLiteral("——《老子》")};
    const Saying hangul{QStringLiteral("知止不殆。"), QStringLiteral("——한")};
    const QVector<Saying> chosen = SayingsBook::choose({plain, hangul, plain}, {}, 10);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen[0].text, plain.text);
}

void TestSayings::encodesGbkWithCrLf()
{
    const QByteArray bytes =
        SayingsBook::encode({{QStringLiteral("千里之行"), QStringLiteral("——《老子》")}});
    QVERIFY(bytes.startsWith(QByteArray::fromHex("c7a7c0efd6aed0d00d0a")));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), 2);
    QStringDecoder decoder("GBK");
    QCOMPARE(QString(decoder.decode(bytes)), QStringLiteral("千里之行\r\n——《老子》\r\n"));
}

QTEST_GUILESS_MAIN(TestSayings)
#include "test_sayings.moc"
