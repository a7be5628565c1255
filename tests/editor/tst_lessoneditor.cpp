// The lesson editor window driven as a teacher would, with scripted dialogs.

#include "editor/backgroundpage.h"
#include "editor/editorlineedit.h"
#include "editor/lessoneditor.h"
#include "editor/lessonpage.h"
#include "editor/pickerbutton.h"
#include "editor/systempage.h"
#include "lesson/gbktext.h"
#include "lesson/settingsfile.h"
#include "support/testcontext.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QWidget *focusTarget(QWidget *widget)
{
    return widget->focusProxy() ? widget->focusProxy() : widget;
}

} // namespace

class TestLessonEditor : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestContext> m_f;
    LessonEditor *m_editor = nullptr;

    LessonPage *lesson() const { return m_editor->lessonPage(); }
    SystemPage *system() const { return m_editor->systemPage(); }
    BackgroundPage *background() const { return m_editor->backgroundPage(); }
    QString lessonBook() const { return m_f->programFolder() + QStringLiteral("/备课本"); }
    QString text1(int i) const { return lesson()->text1(i)->text(); }

    void visiblePageIs(int page)
    {
        QCOMPARE(lesson()->isVisible(), page == 1);
        QCOMPARE(system()->isVisible(), page == 2);
        QCOMPARE(background()->isVisible(), page == 3);
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(m_editor->pageButton(i)->isChecked(), i == page);
    }

    // Unloads the editor while another window stays, so the program does not end.
    void unloadEditorKeepingTheProgram()
    {
        m_f->flow.registerScreen(ScreenId::Browser, [] { return new QWidget; });
        m_f->flow.load(ScreenId::Browser);
        m_f->flow.unload(ScreenId::Editor);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    const FakeMessageBox::Shown &lastMessage() const { return m_f->fakes.messageBox.shown.last(); }

private slots:
    void init()
    {
        m_f = std::make_unique<TestContext>();
        QVERIFY(m_f->programDir.isValid());
        m_editor = qobject_cast<LessonEditor *>(m_f->flow.show(ScreenId::Editor));
        QVERIFY(m_editor);
    }

    void cleanup()
    {
        m_f.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void opensOnTheLessonPageWithTheLessonBookCreated()
    {
        QCOMPARE(m_editor->objectName(), QStringLiteral("Form5"));
        QCOMPARE(m_editor->windowTitle(), QStringLiteral("Veltano设置"));
        QCOMPARE(m_editor->size(), QSize(560, 541)); // 8400 x 8115 twips at 96 dpi
        QVERIFY(QFileInfo(lessonBook()).isDir());
        QCOMPARE(text1(2), lessonBook());
        QCOMPARE(text1(9), QStringLiteral("http://"));
        QVERIFY(text1(0).isEmpty() && text1(8).isEmpty());
        visiblePageIs(1);
        QCOMPARE(lesson()->text1(3)->geometry(), QRect(120, 128, 313, 25));
    }

    void pageButtonsSwitchPagesAndRefillTheLists()
    {
        for (int round = 0; round < 2; ++round) {
            m_editor->findChild<QAction *>(QStringLiteral("XkSet"))->trigger();
            visiblePageIs(2);
            QCOMPARE(system()->combo1()->count(), 3);
            QCOMPARE(system()->combo2()->count(), 13);
            QCOMPARE(system()->combo1()->currentText(), QStringLiteral("高中"));
            QCOMPARE(system()->combo2()->currentText(), QStringLiteral("语文"));
            QCOMPARE(m_editor->focusWidget(), system()->text2());
        }
        // Pressing the pressed button again keeps it pressed.
        m_editor->findChild<QAction *>(QStringLiteral("XkSet"))->trigger();
        visiblePageIs(2);
        m_editor->findChild<QAction *>(QStringLiteral("BackSet"))->trigger();
        visiblePageIs(3);
        lesson()->text1(0)->setText(QStringLiteral("第一章"));
        m_editor->findChild<QAction *>(QStringLiteral("KtSet"))->trigger();
        visiblePageIs(1);
        QCOMPARE(text1(0), QStringLiteral("第一章"));
    }

    void stageChoiceRefillsTheSubjects()
    {
        m_editor->Toolbar1_ButtonClick(QStringLiteral("XkSet"));
        QComboBox *stage = system()->combo1();
        QTest::keyClick(stage, Qt::Key_Down);
        QCOMPARE(stage->currentText(), QStringLiteral("初中"));
        QCOMPARE(system()->combo2()->count(), 7);
        QCOMPARE(system()->combo2()->itemText(3), QStringLiteral("自然科学"));
        QTest::keyClick(stage, Qt::Key_Up);
        QCOMPARE(stage->currentText(), QStringLiteral("高中"));
        QComboBox *subject = system()->combo2();
        QCOMPARE(subject->count(), 13);
        QCOMPARE(subject->itemText(7), QStringLiteral("历史"));
        QCOMPARE(subject->itemText(9), QStringLiteral("历史"));
        QCOMPARE(subject->currentText(), QStringLiteral("语文"));
    }

    void checkBoxesSwitchTheirRowOff()
    {
        m_editor->Toolbar1_ButtonClick(QStringLiteral("BackSet"));
        QLineEdit *music1 = background()->text4(0);
        music1->setText(QStringLiteral("/a.mp3"));
        background()->check1()->click();
        QVERIFY(music1->text().isEmpty());
        QVERIFY(!music1->isEnabled());
        QVERIFY(!background()->picker(0)->isEnabled());
        QCOMPARE(music1->palette().color(QPalette::Disabled, QPalette::Base), QColor(192, 192, 192));

        background()->check1()->click();
        QVERIFY(music1->isEnabled());
        QVERIFY(background()->picker(0)->isEnabled());
        QVERIFY(music1->text().isEmpty());
        QCOMPARE(music1->palette().color(QPalette::Base), QColor(255, 255, 255));
        QCOMPARE(m_editor->focusWidget(), music1);

        background()->check2()->click();
        QVERIFY(!background()->text4(2)->isEnabled());
        QVERIFY(background()->text4(1)->isEnabled());
    }

    void enterMovesOnInFocusOrder()
    {
        QLineEdit *pictures = lesson()->text1(8);
        pictures->setFocus();
        QTest::keyClick(pictures, Qt::Key_Return);
        QCOMPARE(m_editor->focusWidget(), lesson()->saveButton());
        // The next Enter presses the button it landed on.
        QTest::keyClick(lesson()->saveButton(), Qt::Key_Return);
        QCOMPARE(lastMessage().text, QStringLiteral("请输入本节课的课题"));

        m_editor->Toolbar1_ButtonClick(QStringLiteral("XkSet"));
        QTest::keyClick(system()->text2(), Qt::Key_Enter);
        QCOMPARE(m_editor->focusWidget(), focusTarget(system()->combo1()));

        // Text3 keeps Enter to itself.
        system()->text3()->setFocus();
        QTest::keyClick(system()->text3(), Qt::Key_Return);
        QCOMPARE(m_editor->focusWidget(), system()->text3());
    }

    void fieldSelectsItsWholeTextOnFocus()
    {
        QLineEdit *title = lesson()->text1(1);
        title->setText(QStringLiteral("旧课题"));
        // Focus events reach only the active window.
        m_editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_editor));
        lesson()->text1(0)->setFocus();
        title->setFocus();
        QCOMPARE(title->selectedText(), QStringLiteral("旧课题"));
        // A click into the field selects it too.
        lesson()->text1(0)->setFocus();
        QTest::mouseClick(title, Qt::LeftButton, {}, QPoint(5, title->height() / 2));
        QCOMPARE(m_editor->focusWidget(), title);
        QCOMPARE(title->selectedText(), QStringLiteral("旧课题"));
    }

    void twoTextFilesFromASubFolderAreAppended()
    {
        const QString a = m_f->write(QStringLiteral("备课本/高中/a.txt"));
        const QString b = m_f->write(QStringLiteral("备课本/高中/b.txt"));
        m_f->fakes.fileDialog.answer({a, b});
        QTest::mouseClick(lesson()->picker(7), Qt::LeftButton);
        QCOMPARE(text1(4), QStringLiteral("高中\\a.txt 高中\\b.txt "));
        const OpenFileRequest &asked = m_f->fakes.fileDialog.requests.last();
        QVERIFY(asked.multiple);
        QCOMPARE(asked.title, QStringLiteral("选择文件"));
        QCOMPARE(asked.filter, QStringLiteral("文本文件|*.txt|Richtxt文件|*.rtf|常用格式|*.docx;*.odt"));
        QCOMPARE(asked.startFolder, lessonBook());

        // Picking again adds after what is there; a cancel changes nothing.
        m_f->fakes.fileDialog.answer({a});
        QTest::mouseClick(lesson()->picker(7), Qt::LeftButton);
        m_f->fakes.fileDialog.answerCancel();
        QTest::mouseClick(lesson()->picker(7), Qt::LeftButton);
        QCOMPARE(text1(4), QStringLiteral("高中\\a.txt 高中\\b.txt 高中\\a.txt "));
        QVERIFY(m_f->fakes.messageBox.shown.isEmpty());
    }

    void filesOutsideTheRootAreRefused()
    {
        const QString deck = m_f->write(QStringLiteral("elsewhere/x.ppt"));
        lesson()->text1(5)->setText(QStringLiteral("old.ppt "));
        m_f->fakes.fileDialog.answer({deck});
        QTest::mouseClick(lesson()->picker(8), Qt::LeftButton);
        QCOMPARE(lastMessage().text,
                 QStringLiteral("请将文件移动到文件夹“") + lessonBook() + QStringLiteral("”子目录下"));
        QCOMPARE(lastMessage().title, QStringLiteral("文件位置错误"));
        QCOMPARE(lastMessage().icon, MessageBox::Icon::Information);
        QCOMPARE(text1(5), QStringLiteral("old.ppt "));

        // The document picker empties its field as well.
        lesson()->text1(3)->setText(QStringLiteral("old.doc"));
        m_f->fakes.fileDialog.answer({m_f->write(QStringLiteral("elsewhere/x.doc"))});
        QTest::mouseClick(lesson()->picker(6), Qt::LeftButton);
        QVERIFY(lastMessage().text.endsWith(QStringLiteral("”或其子目录下")));
        QVERIFY(text1(3).isEmpty());

        // A name with a space would split in two: refused, nothing added.
        m_f->fakes.fileDialog.answer({m_f->write(QStringLiteral("备课本/课 件/y.ppt"))});
        QTest::mouseClick(lesson()->picker(8), Qt::LeftButton);
        QVERIFY(lastMessage().text.startsWith(QStringLiteral("“课 件\\y.ppt”中含有空格")));
        QCOMPARE(text1(5), QStringLiteral("old.ppt "));

        // Pictures have the program folder as their root.
        m_f->fakes.fileDialog.answer({m_f->write(QStringLiteral("elsewhere/p.jpg"))});
        QTest::mouseClick(lesson()->picker(11), Qt::LeftButton);
        QCOMPARE(text1(8), QStringLiteral("elsewhere\\p.jpg "));
    }

    void missingLessonBookThatCannotBeMadeIsReported()
    {
        unloadEditorKeepingTheProgram();
        QDir(lessonBook()).removeRecursively();
        m_f->write(QStringLiteral("备课本"), "a file where the folder should be");
        m_editor = qobject_cast<LessonEditor *>(m_f->flow.show(ScreenId::Editor));
        QVERIFY(lastMessage().text.contains(lessonBook()));
        QCOMPARE(text1(2), lessonBook());
    }

    void pickersShowTheirBorderWhilePressed()
    {
        PickerButton *documents = lesson()->picker(6);
        QTest::mousePress(documents, Qt::LeftButton);
        QCOMPARE(documents->frameShape(), QFrame::Box);
        m_f->fakes.fileDialog.answerCancel();
        QTest::mouseRelease(documents, Qt::LeftButton);
        QCOMPARE(documents->frameShape(), QFrame::NoFrame);

        PickerButton *program = lesson()->picker(4);
        QTest::mousePress(program, Qt::LeftButton);
        QCOMPARE(program->frameShape(), QFrame::NoFrame);
        m_f->fakes.fileDialog.answerCancel();
        QTest::mouseRelease(program, Qt::LeftButton);
        QCOMPARE(m_f->fakes.fileDialog.requests.size(), 2);
        // No pointer icon in this program folder: the pickers fall back to a pointing hand.
        QCOMPARE(program->cursor().shape(), Qt::PointingHandCursor);
    }

    void pickerPointerComesFromTheProgramsIcon()
    {
        // The pointer is loaded when the window is built: open it afresh with the icon in place.
        unloadEditorKeepingTheProgram();
        m_f->install(QStringLiteral(VELTANO_APP_DIR "/set/image/small.ico"),
                     QStringLiteral("set/image/small.ico"));
        m_editor = qobject_cast<LessonEditor *>(m_f->flow.show(ScreenId::Editor));
        QCOMPARE(lesson()->picker(9)->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(background()->applyButton()->cursor().shape(), Qt::BitmapCursor);
    }

    void backgroundAndProgramPickersStoreFullPaths()
    {
        const QString music = m_f->write(QStringLiteral("set/music/tn.mid"));
        m_f->fakes.fileDialog.answer({music});
        m_editor->Toolbar1_ButtonClick(QStringLiteral("BackSet"));
        QTest::mouseClick(background()->picker(0), Qt::LeftButton);
        QCOMPARE(background()->text4(0)->text(), music);
        QCOMPARE(m_f->fakes.fileDialog.requests.last().startFolder,
                 m_f->programFolder() + QStringLiteral("/set/music"));
        QVERIFY(!m_f->fakes.fileDialog.requests.last().multiple);

        m_f->fakes.fileDialog.answerCancel();
        QTest::mouseClick(background()->picker(0), Qt::LeftButton);
        QCOMPARE(background()->text4(0)->text(), music);
    }

    void cancellingReadEmptiesThePage()
    {
        for (int i = 0; i < 11; ++i)
            lesson()->text1(i)->setText(QStringLiteral("x"));
        m_f->state.LessonFields[slot::Music1] = QStringLiteral("m");
        m_f->fakes.fileDialog.answerCancel();
        QTest::mouseClick(lesson()->readButton(), Qt::LeftButton);
        for (int i = 0; i < 11; ++i)
            QCOMPARE(text1(i), i == 9 ? QStringLiteral("http://") : QString());
        QVERIFY(m_f->state.LessonFields[slot::Music1].isEmpty());
        QCOMPARE(m_f->fakes.fileDialog.requests.last().startFolder, lessonBook() + QStringLiteral("/配置区"));

        // A lesson read and then a cancelled "读取": a save over that lesson keeps its music.
        const QString path = m_f->write(QStringLiteral("备课本/配置区/L2.spz"),
                                        "\r\nL2\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nm.mp3\r\n");
        m_f->fakes.fileDialog.answer({path});
        QTest::mouseClick(lesson()->readButton(), Qt::LeftButton);
        m_f->fakes.fileDialog.answerCancel();
        QTest::mouseClick(lesson()->readButton(), Qt::LeftButton);
        lesson()->text1(1)->setText(QStringLiteral("L2"));
        lesson()->text1(2)->setText(lessonBook());
        QTest::mouseClick(lesson()->saveButton(), Qt::LeftButton);
        QVERIFY(lastMessage().text.startsWith(QStringLiteral("已将文件保存为")));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll().split('\n').value(9), QByteArray("m.mp3\r"));
        saved.close();

        // A "读取" that read nothing (no lesson ending) does not speak for the music either.
        m_f->fakes.fileDialog.answer({m_f->write(QStringLiteral("备课本/配置区/notes.doc"), "x")});
        QTest::mouseClick(lesson()->readButton(), Qt::LeftButton);
        lesson()->text1(1)->setText(QStringLiteral("L2"));
        lesson()->text1(2)->setText(lessonBook());
        QTest::mouseClick(lesson()->saveButton(), Qt::LeftButton);
        QVERIFY(lastMessage().text.startsWith(QStringLiteral("已将文件保存为")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll().split('\n').value(9), QByteArray("m.mp3\r"));
    }

    void pickersAndSavesRefuseWhatWouldBreakTheLesson()
    {
        // After a cancelled "读取" the document folder is empty: nothing can be relative to it.
        m_f->fakes.fileDialog.answerCancel();
        QTest::mouseClick(lesson()->readButton(), Qt::LeftButton);
        const qsizetype asked = m_f->fakes.fileDialog.requests.size();
        for (const int picker : {6, 7, 8, 9}) {
            QTest::mouseClick(lesson()->picker(picker), Qt::LeftButton);
            QCOMPARE(lastMessage().title, QStringLiteral("文件位置错误"));
            QVERIFY(lastMessage().text.contains(QStringLiteral("文档目录")));
        }
        QCOMPARE(m_f->fakes.fileDialog.requests.size(), asked);
        for (const int field : {3, 4, 5, 6})
            QVERIFY(text1(field).isEmpty());

        // A folder beside the lesson book is not inside it.
        lesson()->text1(2)->setText(lessonBook());
        m_f->fakes.fileDialog.answer({m_f->write(QStringLiteral("备课本旧/a.doc"))});
        QTest::mouseClick(lesson()->picker(6), Qt::LeftButton);
        QVERIFY(lastMessage().text.startsWith(QStringLiteral("请将文件移动到文件夹")));
        QVERIFY(text1(3).isEmpty());

        // A pasted line break would shift the file's later lines: nothing is written.
        lesson()->text1(1)->setText(QStringLiteral("L3"));
        QGuiApplication::clipboard()->setText(QStringLiteral("a.doc\r\nb.doc"));
        QLineEdit *document = lesson()->text1(3);
        document->setFocus();
        QTest::keyClick(document, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(text1(3).contains(QLatin1Char('\n')));
        QTest::mouseClick(lesson()->saveButton(), Qt::LeftButton);
        QVERIFY(
            lastMessage().text.endsWith(QStringLiteral("“文档文件名”中含有换行等控制字符，请修改后再试")));
        QVERIFY(!QFileInfo::exists(lessonBook() + QStringLiteral("/配置区/L3.spz")));

        const QByteArray lines = "t\r\n";
        const QString target = m_f->write(QStringLiteral("备课本/配置区/a.spz"), lines);
        m_editor->Toolbar1_ButtonClick(QStringLiteral("BackSet"));
        QLineEdit *music = background()->text4(0);
        music->setFocus();
        QTest::keyClick(music, Qt::Key_V, Qt::ControlModifier);
        m_f->fakes.fileDialog.answer({target});
        QTest::mouseClick(background()->applyButton(), Qt::LeftButton);
        QVERIFY(lastMessage().text.endsWith(QStringLiteral("“背景音乐1”中含有换行等控制字符，请修改后再试")));
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), lines);
    }

    void lessonFromWindowsSavesInThisLessonBook()
    {
        QByteArray bytes;
        gbk::encode(QStringLiteral("第一章\r\n集合\r\nD:\\教学\\备课本\r\n"), &bytes);
        const QString path = m_f->write(QStringLiteral("备课本/配置区/集合.spz"), bytes);
        m_f->fakes.fileDialog.answer({path});
        QTest::mouseClick(lesson()->readButton(), Qt::LeftButton);
        QCOMPARE(text1(2), lessonBook());
        QTest::mouseClick(lesson()->saveButton(), Qt::LeftButton);
        QCOMPARE(lastMessage().text, QStringLiteral("已将文件保存为“") + lessonBook() +
                                         QStringLiteral("/配置区/第一章/集合.spz”"));
    }

    void savedLessonReadsBackThroughTheWindow()
    {
        QTest::mouseClick(lesson()->saveButton(), Qt::LeftButton);
        QCOMPARE(lastMessage().text, QStringLiteral("请输入本节课的课题"));
        QCOMPARE(lastMessage().icon, MessageBox::Icon::Warning);
        QCOMPARE(m_editor->focusWidget(), lesson()->text1(1));

        lesson()->text1(1)->setText(QStringLiteral("第一课"));
        lesson()->text1(8)->setText(QStringLiteral("备课本\\高中\\图.jpg "));
        QTest::mouseClick(lesson()->saveButton(), Qt::LeftButton);
        const QString path = lessonBook() + QStringLiteral("/配置区/第一课.spz");
        QCOMPARE(lastMessage().text, QStringLiteral("已将文件保存为“") + path + QStringLiteral("”"));
        QCOMPARE(lastMessage().title, QStringLiteral("提示"));
        QVERIFY(QFileInfo::exists(path));

        m_f->fakes.fileDialog.answer({path});
        QTest::mouseClick(lesson()->readButton(), Qt::LeftButton);
        QCOMPARE(text1(1), QStringLiteral("第一课"));
        QCOMPARE(text1(2), lessonBook());
        QCOMPARE(text1(8), QStringLiteral("备课本\\高中\\图.jpg "));
        QCOMPARE(m_f->state.LessonFields[slot::LessonTitle], QStringLiteral("第一课"));

        QTest::mouseClick(lesson()->resetButton(), Qt::LeftButton);
        QVERIFY(text1(1).isEmpty());
        QCOMPARE(text1(2), lessonBook());
        QCOMPARE(text1(9), QStringLiteral("http://"));
    }

    void backgroundsAreAppliedToALesson()
    {
        const QString path = m_f->write(QStringLiteral("备课本/配置区/a.spz"), "t\r\n");
        m_editor->Toolbar1_ButtonClick(QStringLiteral("BackSet"));
        background()->text4(3)->setText(QStringLiteral("/bj/2.jpg"));
        m_f->fakes.fileDialog.answer({path});
        QTest::mouseClick(background()->applyButton(), Qt::LeftButton);
        QCOMPARE(m_f->fakes.fileDialog.requests.last().title, QStringLiteral("应用于"));
        QCOMPARE(lastMessage().text, QStringLiteral("设置已应用于“") + path + QStringLiteral("中”"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("t\r\n"
                            "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n/bj/2.jpg\r\n\r\n\r\n"));

        QTest::mouseClick(background()->resetButton(), Qt::LeftButton);
        QVERIFY(background()->text4(3)->text().isEmpty());
    }

    void settingsAreWrittenFromTheSystemPage()
    {
        m_editor->Toolbar1_ButtonClick(QStringLiteral("XkSet"));
        system()->text2()->setText(QStringLiteral("学校"));
        QTest::mouseClick(system()->confirmButton(), Qt::LeftButton);
        QCOMPARE(lastMessage().text, QStringLiteral("请输入单位名称与执教者姓名。"));
        QCOMPARE(m_editor->focusWidget(), system()->text2());

        QTest::keyClick(system()->combo1(), Qt::Key_Down);
        system()->combo2()->setCurrentIndex(2);
        system()->text3()->setText(QStringLiteral("张老师"));
        QTest::mouseClick(system()->confirmButton(), Qt::LeftButton);
        QCOMPARE(lastMessage().title, QStringLiteral("修改系统设置"));
        QCOMPARE(SettingsFile(m_f->context.settingsPath).read().StageSubject, QStringLiteral("初中英语"));
    }

    void firstStartOpensTheSystemPage()
    {
        m_editor->prepareSystemPageForFirstStart();
        visiblePageIs(2);
        QCOMPARE(system()->combo1()->currentText(), QStringLiteral("高中"));
        QCOMPARE(system()->combo2()->count(), 13);
    }

    void closingQuestionCancelKeepsTheEditor()
    {
        m_f->fakes.messageBox.answer(MessageBox::Answer::Cancel);
        QTest::mouseClick(lesson()->exitButton(), Qt::LeftButton);
        const auto &asked = lastMessage();
        QCOMPARE(asked.text, QStringLiteral("  确定要返回到系统首页吗？"));
        QCOMPARE(asked.title, QStringLiteral("Veltano"));
        QCOMPARE(asked.icon, MessageBox::Icon::Question);
        QCOMPARE(asked.buttons, MessageBox::Buttons::YesNoCancel);
        QVERIFY(m_f->flow.isLoaded(ScreenId::Editor));
        QVERIFY(m_editor->isVisible());
    }

    void closingQuestionNoEndsTheProgram()
    {
        m_f->fakes.messageBox.answer(MessageBox::Answer::No);
        m_editor->close();
        QVERIFY(!m_f->flow.isLoaded(ScreenId::Editor));
        QVERIFY(!m_f->flow.isLoaded(ScreenId::Home));
        QVERIFY(m_f->ended);
    }

    void closingQuestionYesGoesHome()
    {
        SettingsFile(m_f->context.settingsPath).create();
        m_f->state.ConfigPath = QStringLiteral("/x.spz");
        m_f->fakes.messageBox.answer(MessageBox::Answer::Yes);
        m_editor->Toolbar1_ButtonClick(QStringLiteral("XkSet"));
        QTest::mouseClick(system()->exitButton(), Qt::LeftButton);
        QVERIFY(!m_f->flow.isLoaded(ScreenId::Editor));
        QVERIFY(m_f->flow.isLoaded(ScreenId::Home));
        QVERIFY(m_f->flow.window(ScreenId::Home)->isVisible());
        QVERIFY(m_f->state.ConfigPath.isEmpty()); // start-up ran again
        QVERIFY(!m_f->ended);
    }
};

QTEST_MAIN(TestLessonEditor)
#include "tst_lessoneditor.moc"
