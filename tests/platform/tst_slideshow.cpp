// Decks written by hand as the presentation program stores them (Office Open
// XML, tests/data/decks) converted by the program's LibreOffice listener into
// slide shows and played by the web module's show: real keys and clicks on the
// engine's own widget, judged from the pixels it paints. A click build, a fade
// transition, an action button to slide 3 beside a hidden slide, an embedded
// sound.

#include "platform/deckplayer.h"
#include "platform/office/cachedconverter.h"
#include "platform/office/officelistener.h"
#include "platform/office/officeprocess.h"
#include "platform/web/moduledeckplayer.h"
#include "platform/web/webmodule.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kDecks = QStringLiteral(VELTANO_TEST_DATA "/decks");
const QString kScript = QStringLiteral(VELTANO_APP_DIR "/office/convertserver.py");

} // namespace

class SlideShowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        CachedDocumentConverter converter(
            DocumentCache(m_folder.filePath(QStringLiteral("documents"))),
            new OfficeListenerBackEnd(
                m_folder.filePath(QStringLiteral("listener")), kScript,
                new OfficeProcessBackEnd(m_folder.filePath(QStringLiteral("profiles")))));
        connect(&converter, &DocumentConverter::opened, this, [this](const ConvertedDocument &document) {
            QCOMPARE(document.format, ConvertedDocument::Format::Show);
            m_shows.insert(QFileInfo(document.source).baseName(), document.file);
        });
        for (const char *deck : {"quiz", "transition", "button", "sound"})
            converter.open(kDecks + QStringLiteral("/%1.pptx").arg(QLatin1String(deck)));
        QTRY_COMPARE_WITH_TIMEOUT(m_shows.size(), 4, 120000);

        m_window.resize(400, 300);
        m_player = m_players.create(&m_window);
        m_player->widget()->setGeometry(0, 0, 400, 300);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window));
    }

    // The quiz: the question alone; a click on the slide brings the red
    // answer; Space goes to the blue slide 2, where a further step and Enter
    // change nothing; ← goes back to slide 1 with its answer, once more
    // takes the answer back.
    void clickBuildsStepOnAndBack()
    {
        play(QStringLiteral("quiz"));
        QVERIFY(stays(Qt::white));
        QVERIFY(!red());
        QTest::mouseClick(input(), Qt::LeftButton, {}, QPoint(60, 40));
        QVERIFY(QTest::qWaitFor([this] { return red(); }, 5000));
        QTest::keyClick(input(), Qt::Key_Space);
        QVERIFY(QTest::qWaitFor([this] { return centre() == QColor(Qt::blue); }, 5000));
        QTest::keyClick(input(), Qt::Key_Return);
        m_player->step(+1);
        QVERIFY(stays(Qt::blue));
        QTest::keyClick(input(), Qt::Key_Left);
        QVERIFY(QTest::qWaitFor([this] { return red(); }, 5000));
        m_player->step(-1);
        QVERIFY(QTest::qWaitFor([this] { return !red(); }, 5000));
        QVERIFY(stays(Qt::white));
    }

    // Slide 2 fades in over slide 1 and its green line flies in on the next
    // step, from below the slide.
    void transitionsAndEntrancesPlay()
    {
        play(QStringLiteral("transition"));
        QVERIFY(stays(Qt::white));
        QTest::keyClick(input(), Qt::Key_PageDown);
        QVERIFY(QTest::qWaitFor([this] { return centre() == QColor(Qt::yellow); }, 5000));
        const QPoint line(100, 180);
        QVERIFY(pixel(line) != QColor(0, 160, 0));
        QTest::keyClick(input(), Qt::Key_Down);
        QVERIFY(QTest::qWaitFor([this, line] { return pixel(line) == QColor(0, 160, 0); }, 5000));
    }

    // The green action button goes to slide 3 (blue); the hidden slide 4 is
    // skipped, so the next step shows slide 5 (grey), the last, which stays.
    void actionButtonsGoWhereTheySayAndHiddenSlidesStayHidden()
    {
        play(QStringLiteral("button"));
        QVERIFY(QTest::qWaitFor([this] { return pixel(QPoint(130, 110)) == QColor(0, 160, 0); }, 5000));
        QTest::mouseClick(input(), Qt::LeftButton, {}, QPoint(130, 110));
        QVERIFY(QTest::qWaitFor([this] { return centre() == QColor(Qt::blue); }, 5000));
        QTest::keyClick(input(), Qt::Key_Right);
        QVERIFY(QTest::qWaitFor([this] { return centre() == QColor(128, 128, 128); }, 5000));
        QTest::keyClick(input(), Qt::Key_Right);
        QVERIFY(stays(QColor(128, 128, 128)));
    }

    // The sound the show does not play is named as its slide shows.
    void soundsThatCannotPlayAreNamed()
    {
        QSignalSpy named(m_player, &DeckPlayer::cannotPlay);
        play(QStringLiteral("sound"));
        QVERIFY(named.wait(5000) || !named.isEmpty());
        QCOMPARE(named.first().first().toString(), QStringLiteral("tone.wav"));
    }

private:
    void play(const QString &deck)
    {
        m_player->setShow(m_shows.value(deck));
        QVERIFY(QTest::qWaitFor([this] { return m_player->status() == DeckPlayer::Status::Playing; }, 30000));
        input()->setFocus();
    }

    // The engine's widget that takes the keyboard and the mouse.
    QWidget *input() const
    {
        auto *view = m_player->widget()->findChild<QWidget *>(QStringLiteral("engineView"));
        return view && view->focusProxy() ? view->focusProxy() : m_player->widget();
    }

    QColor pixel(QPoint at) const { return m_player->widget()->grab().toImage().pixelColor(at); }
    // The slide's background, in its lower left corner.
    QColor centre() const { return pixel(QPoint(20, 280)); }
    // The quiz's answer box, in the middle of the slide's lower half.
    bool red() const { return pixel(QPoint(200, 210)) == QColor(Qt::red); }
    // The slide's background keeps this colour for a second.
    bool stays(const QColor &colour) const
    {
        if (!QTest::qWaitFor([this, colour] { return centre() == colour; }, 5000))
            return false;
        QTest::qWait(1000);
        return centre() == colour;
    }

    QTemporaryDir m_folder;
    QHash<QString, QString> m_shows;
    WebModule m_module{QStringLiteral(VELTANO_APP_DIR "/libveltano-web.so"),
                       QStringLiteral(VELTANO_APP_DIR "/web")};
    ModuleDeckPlayerFactory m_players{m_module};
    QWidget m_window;
    DeckPlayer *m_player = nullptr;
};

QTEST_MAIN(SlideShowTest)
#include "tst_slideshow.moc"
