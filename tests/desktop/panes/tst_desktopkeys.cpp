// The desktop's keys for a keyboard or a wireless presenter, pressed and
// released on whatever control holds the keyboard, beside the keys the panes
// had before.

#include "desktop/panes/documentcontainer.h"
#include "desktop/panes/pictureelement.h"
#include "desktop/panes/picturepane.h"
#include "desktop/panes/textpane.h"
#include "fakes/fakemediaplayer.h"
#include "lesson/lessonfields.h"
#include "panedesktop.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextEdit>

namespace {

struct KeyDesktop : PaneDesktop {
    // A seven-paragraph document, two pictures of their own colours, one clip.
    void lesson()
    {
        const QString doc = write(QStringLiteral("备课本/seven.doc"), "\xD0\xCF\x11\xE0");
        QByteArray html = "<html><body>";
        for (int i = 1; i <= 7; ++i)
            html += "<p>p" + QByteArray::number(i) + "</p>";
        fakes.documents.provide(doc, ConvertedDocument::Format::Html,
                                write(QStringLiteral("converted/seven.html"), html + "</body></html>"));
        state.LessonFields[slot::DocumentFile] = QStringLiteral("seven.doc");
        picture("a.png", Qt::red);
        picture("b.png", Qt::blue);
        state.LessonFields[slot::PictureFiles] = QStringLiteral("pics\\a.png pics\\b.png ");
        write(QStringLiteral("clip.mp4"), "clip");
        state.LessonFields[slot::MediaFiles] = QStringLiteral("clip.mp4 ");
    }

    void picture(const char *name, QColor colour)
    {
        QImage image(200, 150, QImage::Format_RGB32);
        image.fill(colour);
        image.save(write(QStringLiteral("pics/") + QLatin1String(name)));
    }

    // A press and a release on the control that has the keyboard.
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, Qt::Key(key), modifiers);
    }

    QString page() const
    {
        const QTextDocument *shown = desktop->findChild<DocumentContainer *>(QStringLiteral("OLE1"))->page();
        return shown ? shown->toPlainText() : QString();
    }

    QColor firstPicture() const
    {
        const QImage shown = pane<PicturePane>(PaneKind::Picture)->Image1(0)->grab().toImage();
        return shown.pixelColor(shown.rect().center());
    }
};

} // namespace

class DesktopKeysTest : public QObject
{
    Q_OBJECT
private slots:
    void keysDriveTheLessonAndLeaveThePanesKeysAlone()
    {
        KeyDesktop d;
        d.lesson();
        d.show();
        QTRY_COMPARE(d.fakes.documents.requested.size(), 1);

        // F1 is the first button, "Word": the document, with the keyboard.
        d.press(Qt::Key_F1);
        QTRY_VERIFY(!d.page().isEmpty());
        const QString first = d.page();
        auto *ole1 = d.desktop->findChild<DocumentContainer *>(QStringLiteral("OLE1"));
        QCOMPARE(QApplication::focusWidget(), ole1);
        d.press(Qt::Key_PageDown);
        const QString second = d.page();
        QVERIFY(second != first);
        d.press(Qt::Key_Up);
        QCOMPARE(d.page(), first);
        // The container's own keys page as before.
        d.press('.');
        QCOMPARE(d.page(), second);
        d.press(',');
        QCOMPARE(d.page(), first);

        // F6, "图片": the first picture; the arrows now step through the
        // pictures, which come before the document.
        d.press(Qt::Key_F6);
        auto *pictures = d.pane<PicturePane>(PaneKind::Picture);
        QVERIFY(pictures->isVisible());
        QCOMPARE(d.firstPicture(), QColor(Qt::red));
        d.press(Qt::Key_Right);
        QCOMPARE(d.firstPicture(), QColor(Qt::blue));
        d.press(Qt::Key_PageUp);
        QCOMPARE(d.firstPicture(), QColor(Qt::red));
        QCOMPARE(d.page(), first);

        // The input box keeps its arrows and its Enter; "=" is the text pane's.
        QPlainTextEdit *text1 = d.desktop->inputBox();
        QTest::mouseClick(text1->viewport(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), text1);
        QTest::keyClicks(text1, QStringLiteral("ab"));
        d.press(Qt::Key_Left);
        d.press(Qt::Key_Return);
        QCOMPARE(text1->toPlainText(), QStringLiteral("a\nb"));
        QCOMPARE(d.firstPicture(), QColor(Qt::red));
        d.button("Input");
        auto *textPane = d.pane<TextPane>(PaneKind::Text);
        QVERIFY(textPane->isVisible());
        QTest::keyClick(textPane->RichTextBox1(), '=');
        QCOMPARE(textPane->fontSize().points(), 30.0);
        QCOMPARE(d.firstPicture(), QColor(Qt::red));

        // Ctrl+7, "隐藏": the current pane goes, the others stay.
        QTest::mouseClick(pictures->Image1(0), Qt::LeftButton);
        QCOMPARE(d.current(), QStringLiteral("Image"));
        d.press(Qt::Key_7, Qt::ControlModifier);
        QVERIFY(!pictures->isVisible());
        QVERIFY(textPane->isVisible());

        // Esc leaves the full-screen video, also from the document, which
        // takes every other key it is given.
        QVERIFY(!d.fakes.mediaPlayers.created.isEmpty());
        FakeMediaPlayer *player = d.fakes.mediaPlayers.created.first();
        player->setFullScreen(true);
        ole1->setFocus(Qt::OtherFocusReason);
        d.press(Qt::Key_Escape);
        QVERIFY(!player->fullScreen());
    }
};

QTEST_MAIN(DesktopKeysTest)
#include "tst_desktopkeys.moc"
