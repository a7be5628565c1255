// A lesson's Word document and deck, made with LibreOffice at test time and
// converted by the real converter, shown on a real display: the page in the
// work area and the slides' own colours on the screen.

#include "desktop/desktoptoolbar.h"
#include "desktop/panes/deckpane.h"
#include "desktop/panes/deckview.h"
#include "desktop/panes/documentcontainer.h"
#include "panes/panedesktop.h"
#include "platform/office/cachedconverter.h"
#include "platform/office/officeprocess.h"
#include "support/officefixtures.h"

#include <QFile>

#include <QScreen>
#include <QTextDocument>
#include <QToolButton>

namespace {

const int kConversionWait = 300000;

// The colour at the centre of a widget as the screen shows it.
QColor onScreen(QWidget *widget)
{
    const QPoint centre = widget->mapToGlobal(widget->rect().center());
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, centre.x(), centre.y(), 1, 1)
        .toImage()
        .pixelColor(0, 0);
}

void click(TeachingDesktop *desktop, const char *key)
{
    for (QToolButton *tool : desktop->toolbar()->findChildren<QToolButton *>())
        if (tool->defaultAction() == desktop->toolbar()->button(QLatin1String(key)))
            QTest::mouseClick(tool, Qt::LeftButton);
}

} // namespace

class LessonDocumentsTest : public QObject
{
    Q_OBJECT
private slots:
    void documentAndDeckShowOnTheScreen()
    {
        PaneDesktop d;
        QTemporaryDir made;
        const QString doc =
            officefixtures::officeSaveAs(made.path(), QStringLiteral("seven.rtf"),
                                         officefixtures::sevenParagraphRtf(), QStringLiteral("doc"));
        const QString ppt =
            officefixtures::officeSaveAs(made.path(), QStringLiteral("deck.fodp"),
                                         officefixtures::threeSlideDeck(), QStringLiteral("ppt"));
        QVERIFY2(!doc.isEmpty() && !ppt.isEmpty(), "LibreOffice could not make the test documents");
        d.install(doc, QStringLiteral("备课本/第一章/集合.doc"));
        d.install(ppt, QStringLiteral("备课本/第一章/集合.ppt"));
        d.state.LessonFields[slot::DocumentFile] = QStringLiteral("第一章\\集合.doc");
        d.state.LessonFields[slot::DeckFiles] = QStringLiteral("第一章\\集合.ppt ");

        QTemporaryDir cache;
        CachedDocumentConverter converter(
            DocumentCache(cache.filePath(QStringLiteral("documents"))),
            new OfficeProcessBackEnd(cache.filePath(QStringLiteral("profiles"))));
        d.context.platform.documents = &converter;
        TeachingDesktop *desktop = d.show();
        QVERIFY(desktop);

        // Start-up set both conversions going; the clicks find them or wait for them.
        click(desktop, "word");
        auto *ole1 = desktop->findChild<DocumentContainer *>(QStringLiteral("OLE1"));
        QTRY_VERIFY_WITH_TIMEOUT(ole1->page(), kConversionWait);
        QCOMPARE(ole1->page()->toPlainText(), QStringLiteral("高中\ntwo\nthree"));
        QTRY_COMPARE(onScreen(ole1), QColor(Qt::white));

        // The deck comes as its slide show...
        click(desktop, "ppt");
        QTRY_VERIFY_WITH_TIMEOUT(!d.fakes.deckPlayers.created.isEmpty() &&
                                     !d.fakes.deckPlayers.created.first()->show().isEmpty(),
                                 kConversionWait);
        FakeDeckPlayer *show = d.fakes.deckPlayers.created.first();
        QFile svg(show->show());
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.read(4096).contains("<svg"));
        // ...and, where the show cannot play, as its pages.
        click(desktop, "ppt");
        show->refusal = QStringLiteral("no show here");
        click(desktop, "ppt");
        DeckView *view = d.pane<DeckPane>(PaneKind::Deck)->WebBrowser1();
        QTRY_COMPARE_WITH_TIMEOUT(view->slideCount(), 3, kConversionWait);
        QTRY_COMPARE(onScreen(view), QColor(255, 0, 0));
        QTest::keyClick(view, Qt::Key_PageDown);
        QTRY_COMPARE(onScreen(view), QColor(0, 255, 0));
        QCOMPARE(d.fakes.messageBox.shown.size(), 0);
    }
};

QTEST_MAIN(LessonDocumentsTest)
#include "tst_lessondocuments.moc"
