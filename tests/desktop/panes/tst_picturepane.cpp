#include "desktop/panes/pictureelement.h"
#include "desktop/panes/picturepane.h"
#include "panedesktop.h"

#include <QMenu>
#include <QTimer>

namespace {

// A desktop whose lesson names pictures below the program folder: each of
// 200 x 150 pixels (3000 x 2250 twips) unless written otherwise.
struct PictureDesktop : PaneDesktop {
    PicturePane *pictures = nullptr;

    QString picture(const char *name, QSize size = QSize(200, 150), QColor colour = Qt::darkGreen)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = write(QStringLiteral("pics/") + QLatin1String(name));
        image.save(path);
        return path;
    }

    void open(const QString &field)
    {
        state.LessonFields[slot::PictureFiles] = field;
        show();
        pictures = pane<PicturePane>(PaneKind::Picture);
    }

    PictureElementView *view(int k) const { return pictures->Image1(k); }
    TwipsRect at(int k) const { return pictures->element(k)->geometry(); }
    QAction *mark(const char *name) const { return desktop->menus().item(QLatin1String(name)); }

    // A real click: press and release with the event loop in between.
    void click(int k, QPoint pos = QPoint(5, 5)) const
    {
        QTest::mousePress(view(k), Qt::LeftButton, {}, pos);
        QTest::mouseRelease(view(k), Qt::LeftButton, {}, pos);
    }

    // An item of the menu the right button pops up over element k, clicked there.
    void choose(int k, const char *item) const
    {
        QMenu *location = desktop->menus().menu(QStringLiteral("PictureLocation"));
        QTest::mouseClick(view(k), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(QTest::qWaitFor([location] { return location->isVisible(); }));
        QTest::mouseClick(location, Qt::LeftButton, {}, location->actionGeometry(mark(item)).center());
        QVERIFY(QTest::qWaitFor([location] { return !location->isVisible(); }));
    }
};

// Whether smooth scaling has blended black and white into grey anywhere.
bool blended(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const int red = qRed(image.pixel(x, y)); red > 40 && red < 215)
                return true;
    return false;
}

} // namespace

class PicturePaneTest : public QObject
{
    Q_OBJECT
private slots:
    void aBrokenFileAmongThreeLeavesTwoPicturesAndOneNotice()
    {
        PictureDesktop d;
        d.picture("a.png");
        d.write(QStringLiteral("pics/b.jpg"), QByteArray("\xFF\xD8\xFF\xE0 not really", 14));
        d.picture("c.png");
        // The third named in other letter case, as lessons from Windows name files.
        d.open(QStringLiteral("pics\\a.png pics\\b.jpg PICS\\C.PNG "));
        QCOMPARE(d.desktop->desktopState().PictureCount, 1);

        d.item("PictureThree");
        for (int k = 0; k < 3; ++k)
            QVERIFY(d.view(k)->isVisible());
        QVERIFY(!d.view(0)->showsNotice() && d.view(1)->showsNotice() && !d.view(2)->showsNotice());
        QCOMPARE(d.at(1), (TwipsRect{9830, 3555, 4915, 3555}));
        // Told in its place only: no box stops the lesson.
        QVERIFY(d.fakes.messageBox.shown.isEmpty());

        // Painted: the pictures' colour, and the notice's pale panel.
        const QImage a = d.view(0)->grab().toImage();
        QCOMPARE(a.pixelColor(a.width() / 2, a.height() / 2), QColor(Qt::darkGreen));
        const QImage notice = d.view(1)->grab().toImage();
        QCOMPARE(notice.pixelColor(2, 2), QColor(255, 255, 225));

        d.item("PictureThree");
        d.item("PictureOne");
        d.item("PictureOne");
        QVERIFY(d.view(0)->showsNotice());
        QVERIFY(d.fakes.messageBox.shown.isEmpty());
    }

    void aClickInZoomModeRunsUntilTheThresholdAndFollowsThePointer()
    {
        PictureDesktop d;
        d.picture("a.png");
        d.picture("b.png");
        d.open(QStringLiteral("pics\\a.png pics\\b.png "));
        d.item("PictureTwo");
        QTimer *timer = d.pictures->Timer1();
        QCOMPARE(timer->objectName(), QStringLiteral("Timer1"));

        // No mode checked: a click only selects and raises.
        d.click(1);
        QCOMPARE(d.desktop->desktopState().CurrentPicture, 1);
        QVERIFY(!timer->isActive());
        // The second press of a double click is no click: it neither selects
        // nor starts anything (no event loop runs here, so no tick either).
        d.item("PicEnlarge");
        d.click(0);
        QVERIFY(timer->isActive());
        QTest::mouseDClick(d.view(1), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(d.view(1), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(d.desktop->desktopState().CurrentPicture, 0);
        d.item("PicEnlarge");
        timer->stop();

        // The lower picture grows from its corner; once it has, the pointer
        // moves over the upper one between two ticks and the zoom goes on there.
        d.item("PicEnlarge");
        QVERIFY(d.mark("PicEnlarge")->isChecked());
        d.click(1);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 16);
        QTRY_VERIFY_WITH_TIMEOUT(d.at(1).width > 3686.25f, 5000);
        // Through the window, which finds the element under the pointer.
        QTest::mouseMove(d.desktop->windowHandle(), d.view(0)->mapTo(d.desktop, QPoint(3, 3)));
        QCOMPARE(d.desktop->desktopState().CurrentPicture, 0);
        const TwipsRect lower = d.at(1);
        QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 10000);
        QCOMPARE(d.at(1), lower);
        QCOMPARE(double(lower.top) + lower.height, 10665.0);
        QCOMPARE(d.at(0).top, 5332.5f);
        QVERIFY(d.at(0).height > 10665 / 2.0f);
        QCOMPARE(d.at(0).height, d.at(0).width * 3 / 4);

        // Shrinking it again, down to a third of the work area's height.
        d.item("PicShrink");
        QVERIFY(!d.mark("PicEnlarge")->isChecked());
        d.click(0);
        QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 10000);
        QVERIFY(d.at(0).height < 10665 / 3.0f);

        // Clearing the mark: the picture stays, the timer ticks on without effect.
        d.click(0);
        d.item("PicShrink");
        QVERIFY(!d.mark("PicShrink")->isChecked() && !d.mark("PicEnlarge")->isChecked());
        const TwipsRect frozen = d.at(0);
        QTest::qWait(100);
        QVERIFY(timer->isActive());
        QCOMPARE(d.at(0), frozen);
    }

    // Fast scaling is for a moving zoom only: with both marks cleared during a
    // zoom the picture stands still while the timer runs on, and is drawn smoothly.
    void clearingTheMarksDuringAZoomSmoothsThePicture()
    {
        PictureDesktop d;
        // One-pixel stripes: only smooth scaling makes grey of them.
        QImage stripes(40, 30, QImage::Format_RGB32);
        for (int x = 0; x < stripes.width(); ++x)
            for (int y = 0; y < stripes.height(); ++y)
                stripes.setPixel(x, y, x % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        QVERIFY(stripes.save(d.write(QStringLiteral("pics/s.png"))));
        d.open(QStringLiteral("pics\\s.png "));
        d.item("PictureOne");
        QTimer *timer = d.pictures->Timer1();

        d.choose(0, "PicEnlarge");
        QVERIFY(d.mark("PicEnlarge")->isChecked());
        d.click(0);
        QVERIFY(timer->isActive());
        QTRY_VERIFY(d.at(0).width > 600);
        QVERIFY(!blended(d.view(0)->grab().toImage()));

        d.choose(0, "PicEnlarge");
        QVERIFY(!d.mark("PicEnlarge")->isChecked() && !d.mark("PicShrink")->isChecked());
        QTRY_VERIFY(blended(d.view(0)->grab().toImage()));
        const TwipsRect frozen = d.at(0);
        QTest::qWait(50);
        QVERIFY(timer->isActive());
        QCOMPARE(d.at(0), frozen);
    }

    // A picture copied in after its notice, or changed on disk, shows with the
    // next layout: the same size in bytes, a later modification time.
    void aFileCopiedInOrChangedShowsOnTheNextLayout()
    {
        PictureDesktop d;
        d.open(QStringLiteral("pics\\a.bmp "));
        d.item("PictureOne");
        QVERIFY(d.view(0)->showsNotice());

        const QString path = d.picture("a.bmp");
        d.item("PictureOne");
        QVERIFY(!d.view(0)->showsNotice());
        QImage shown = d.view(0)->grab().toImage();
        QCOMPARE(shown.pixelColor(100, 75), QColor(Qt::darkGreen));

        const qint64 size = QFileInfo(path).size();
        const QDateTime before = QFileInfo(path).lastModified();
        d.picture("a.bmp", QSize(200, 150), Qt::darkRed);
        QFile changed(path);
        QVERIFY(changed.open(QIODevice::ReadWrite));
        QVERIFY(changed.setFileTime(before.addSecs(2), QFileDevice::FileModificationTime));
        changed.close();
        QCOMPARE(QFileInfo(path).size(), size);
        d.item("PictureOne");
        shown = d.view(0)->grab().toImage();
        QCOMPARE(shown.pixelColor(100, 75), QColor(Qt::darkRed));
    }

    void zoomPointersAndTheContextMenu()
    {
        PictureDesktop d;
        d.picture("a.png");
        d.open(QStringLiteral("pics\\a.png "));
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(Qt::red);
        QVERIFY(icon.save(d.write(QStringLiteral("set/image/large.ico")), "ICO"));
        d.button("Picture");
        QVERIFY(d.view(0)->isVisible());

        d.item("PicEnlarge");
        for (int k = 0; k < 6; ++k)
            QCOMPARE(d.view(k)->cursor().shape(), Qt::BitmapCursor);
        // 缩小's icon is missing: the arrow stays.
        d.item("PicShrink");
        QCOMPARE(d.view(3)->cursor().shape(), Qt::ArrowCursor);
        d.item("PicShrink");
        QVERIFY(!d.mark("PicShrink")->isChecked());

        // Any release records the kind, and the menu-bar commands reach the
        // alignment items through it; the right button pops up the location menu.
        QMenu *location = d.desktop->menus().menu(QStringLiteral("PictureLocation"));
        QTest::mouseClick(d.view(0), Qt::MiddleButton, {}, QPoint(4, 4));
        QCOMPARE(d.current(), QStringLiteral("Image"));
        QVERIFY(!location->isVisible());
        d.item("AllLeft");
        QCOMPARE(d.at(0).left, 0.0f);
        QTest::mouseClick(d.view(0), Qt::RightButton, {}, QPoint(4, 4));
        QTRY_VERIFY(location->isVisible());
        location->hide();
        d.item("PictureHidden");
        QVERIFY(!d.view(0)->isVisible());
    }

    void importThroughTheSeveralFilesDialog()
    {
        PictureDesktop d;
        d.open(QString());
        const QString x = d.picture("x.png", QSize(60, 40));
        const QString y = d.picture("y.png");
        d.fakes.fileDialog.answer({x, y});
        d.button("Picture");
        const OpenFileRequest &request = d.fakes.fileDialog.requests.first();
        QCOMPARE(request.title, QStringLiteral("选择文件"));
        QVERIFY(request.multiple);
        QCOMPARE(request.startFolder, d.programFolder());
        QCOMPARE(request.filter,
                 QStringLiteral("图片文件|*.bmp;*.ico;*.cur;*.jpg;*.jpeg;*.gif|Jpeg文件|*.jpeg;"
                                "*.jpg|Gif文件|*.gif|常用格式|*.png;*.webp;*.svg;*.tif;*.tiff|所有文件|*.*"));

        const QString folder = d.programFolder() + QStringLiteral("/pics/");
        QCOMPARE(d.state.LessonFields[slot::PictureFiles], folder);
        QCOMPARE(d.desktop->desktopState().lists.pictures.count, 2);
        QVERIFY(d.view(0)->isVisible());
        QCOMPARE(d.view(0)->file(), x);
        // Its own size: 60 x 40 pixels, at the right edge.
        QCOMPARE(d.at(0), (TwipsRect{13847, 0, 900, 600}));

        // Cancelled: nothing changes.
        d.fakes.fileDialog.answerCancel();
        d.item("PictureStar");
        QCOMPARE(d.desktop->desktopState().lists.pictures.count, 2);
        QCOMPARE(d.fakes.messageBox.shown.size(), 0);
    }
};

QTEST_MAIN(PicturePaneTest)
#include "tst_picturepane.moc"
