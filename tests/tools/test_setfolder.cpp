// Checks the set/ folder that the build writes into the program folder.

#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QStringDecoder>
#include <QtTest>

class TestSetFolder : public QObject
{
    Q_OBJECT

private slots:
    void everyFileIsThere_data();
    void everyFileIsThere();
    void sayingsFileHasGbkSayingsOnOddLines();
    void picturesAndPointersLoad();
    void toolbarPicturesAtOneAndTwoTimes();
    void musicFilesHaveTheirHeaders();
    void flashMoviesHaveValidHeaders();
    void chineseFontNamesGetSimplifiedChineseFaces();
};

namespace {

QString setPath(const QString &relative)
{
    return QStringLiteral(VELTANO_APP_DIR "/set/") + relative;
}

QByteArray contents(const QString &relative)
{
    QFile file(setPath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QStringList kMovies = {QStringLiteral("flash/机器人战争.swf"), QStringLiteral("flash/新木兰传奇.swf"),
                             QStringLiteral("flash/间谍通缉令.swf"), QStringLiteral("flash/决战沙场.swf"),
                             QStringLiteral("sample.swf")};

QStringList pictures()
{
    QStringList names;
    for (int n = 1; n <= 10; ++n)
        names << QStringLiteral("image/%1.jpg").arg(n);
    return names << QStringLiteral("image/closing.jpg") << QStringLiteral("bj/1.jpg")
                 << QStringLiteral("bj/2.jpg") << QStringLiteral("bj/3.jpg") << QStringLiteral("bj/home.jpg");
}

const QStringList kPointers = {QStringLiteral("image/large.ico"), QStringLiteral("image/small.ico"),
                               QStringLiteral("image/pencil11.ico")};

} // namespace

void TestSetFolder::everyFileIsThere_data()
{
    QTest::addColumn<QString>("name");
    const QStringList others = {QStringLiteral("music/gaoshanls.mp3"), QStringLiteral("music/tn.mid"),
                                QStringLiteral("GoodWords.sys"), QStringLiteral("fonts/fonts.conf")};
    for (const QString &name : pictures() + kPointers + kMovies + others)
        QTest::newRow(qPrintable(name)) << name;
}

void TestSetFolder::everyFileIsThere()
{
    QFETCH(QString, name);
    QVERIFY2(QFileInfo(setPath(name)).size() > 0, qPrintable(setPath(name)));
}

void TestSetFolder::sayingsFileHasGbkSayingsOnOddLines()
{
    const QByteArray bytes = contents(QStringLiteral("GoodWords.sys"));
    QVERIFY(!bytes.startsWith("\xef\xbb\xbf"));
    QVERIFY(bytes.endsWith("\r\n"));
    // Every line break is a CR LF pair.
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));

    QStringDecoder decoder("GBK");
    const QString text = decoder.decode(bytes);
    QVERIFY(!decoder.hasError());
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast(); // after the final CR LF
    QVERIFY2(lines.size() >= 1687, qPrintable(QString::number(lines.size())));
    for (int i = 0; i < lines.size(); i += 2)
        QVERIFY2(!lines.at(i).trimmed().isEmpty(), qPrintable(QStringLiteral("line %1").arg(i + 1)));
}

void TestSetFolder::picturesAndPointersLoad()
{
    for (const QString &name : pictures()) {
        const QImage image(setPath(name));
        QVERIFY2(!image.isNull(), qPrintable(name));
    }
    QCOMPARE(QImage(setPath(QStringLiteral("bj/home.jpg"))).size(), QSize(570, 376));
    for (const QString &name : kPointers) {
        const QImage icon(setPath(name));
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY2(icon.hasAlphaChannel(), qPrintable(name));
    }
}

void TestSetFolder::toolbarPicturesAtOneAndTwoTimes()
{
    const QStringList keys = {"word",  "ppt",    "flash",     "txt",   "paint", "Picture",
                              "video", "google", "MyProgram", "Input", "Exit"};
    QSet<QByteArray> distinct;
    for (const QString &key : keys) {
        for (int scale : {1, 2}) {
            const QString name = QStringLiteral("toolbar/%1%2.png").arg(key, scale == 2 ? "@2x" : "");
            const QImage picture = QImage(setPath(name)).convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(picture.size(), QSize(20 * scale, 20 * scale));
            // A drawing on a transparent ground: clear corners, a fair share inked.
            QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
            int inked = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    inked += qAlpha(picture.pixel(x, y)) > 128;
            QVERIFY2(inked > picture.width() * picture.height() / 10, qPrintable(name));
            distinct.insert(contents(name));
        }
    }
    QCOMPARE(distinct.size(), keys.size() * 2);
}

void TestSetFolder::musicFilesHaveTheirHeaders()
{
    const QByteArray midi = contents(QStringLiteral("music/tn.mid"));
    QVERIFY(midi.startsWith("MThd"));
    QVERIFY(midi.indexOf("MTrk") > 0);
    // MPEG audio frame sync.
    const QByteArray mp3 = contents(QStringLiteral("music/gaoshanls.mp3"));
    QVERIFY(mp3.size() > 1000);
    QCOMPARE(uint8_t(mp3[0]), uint8_t(0xff));
    QCOMPARE(uint8_t(mp3[1]) & 0xe0, 0xe0);
}

void TestSetFolder::flashMoviesHaveValidHeaders()
{
    QSet<QByteArray> distinct;
    for (const QString &name : kMovies) {
        const QByteArray swf = contents(name);
        QVERIFY2(swf.startsWith("FWS\x08"), qPrintable(name));
        const uint32_t length =
            uint8_t(swf[4]) | uint8_t(swf[5]) << 8 | uint8_t(swf[6]) << 16 | uint8_t(swf[7]) << 24;
        QCOMPARE(length, uint32_t(swf.size()));
        distinct.insert(swf);
    }
    QCOMPARE(distinct.size(), kMovies.size());
}

void TestSetFolder::chineseFontNamesGetSimplifiedChineseFaces()
{
    // FONTCONFIG_FILE names the generated fonts.conf in the test environment.
    QVERIFY(qEnvironmentVariable("FONTCONFIG_FILE").endsWith(QLatin1String("/set/fonts/fonts.conf")));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("宋体"))).family(), QStringLiteral("Noto Serif CJK SC"));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("SimSun"))).family(), QStringLiteral("Noto Serif CJK SC"));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("黑体"))).family(), QStringLiteral("Noto Sans CJK SC"));
}

QTEST_MAIN(TestSetFolder)
#include "test_setfolder.moc"
