#include "lessoneditor.h"

#include "backgroundcommands.h"
#include "backgroundpage.h"
#include "base/appcontext.h"
#include "editorlineedit.h"
#include "editorstyle.h"
#include "lessoncommands.h"
#include "lessonpage.h"
#include "mediapicker.h"
#include "pickerbutton.h"
#include "platform/messagebox.h"
#include "platform/songfont.h"
#include "projectorfield.h"
#include "settingscommand.h"
#include "systempage.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>

LessonEditor::LessonEditor(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Veltano设置"));
    // A fixed dialog: no minimise or maximise button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    const TwipsScale &scale = context.scale;
    setFixedSize(scale.toPixelsX(8400), scale.toPixelsY(8115));
    setFont(songFont(editorstyle::kFontPoints));
    editorstyle::fill(this, editorstyle::kWhite);

    m_frame1 = new QWidget(this);
    editorstyle::place(m_frame1, QStringLiteral("Frame1"), scale, 0, 0, 8415, 8175);
    editorstyle::fill(m_frame1, editorstyle::kPanel);
    buildToolbar();

    const QCursor cursor = editorstyle::pickerCursor(context.book);
    m_frame2 = new LessonPage(scale, cursor, m_frame1);
    editorstyle::place(m_frame2, QStringLiteral("Frame2"), scale, 0, 480, 8055, 7575);
    m_frame3 = new SystemPage(scale, m_frame1);
    editorstyle::place(m_frame3, QStringLiteral("Frame3"), scale, 0, 480, 8415, 7575);
    m_frame4 = new BackgroundPage(scale, cursor, m_frame1);
    editorstyle::place(m_frame4, QStringLiteral("Frame4"), scale, 0, 480, 8415, 7575);
    for (QFrame *frame : {static_cast<QFrame *>(m_frame2), static_cast<QFrame *>(m_frame3),
                          static_cast<QFrame *>(m_frame4)}) {
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        editorstyle::fill(frame, editorstyle::kPanel);
    }
    for (QCheckBox *box : {m_frame4->check1(), m_frame4->check2()})
        editorstyle::fill(box, editorstyle::kPanel);
    // Enter on a focused command button presses it, as on Windows: Enter leads from the
    // last field to "保存", and the next Enter saves. Qt does this only inside a QDialog.
    for (QPushButton *command : m_frame1->findChildren<QPushButton *>())
        command->setAutoDefault(true);

    m_lessonCommands = std::make_unique<LessonCommands>(context, *m_frame2);
    m_settingsCommand = std::make_unique<SettingsCommand>(context, *m_frame3);
    m_backgroundCommands = std::make_unique<BackgroundCommands>(context, *m_frame4);
    m_picker = std::make_unique<MediaPicker>(context, *m_frame2, *m_frame4);
    new ProjectorField(context.screens, *m_frame3->combo3(), this);
    connectCommands();
    setFocusOrder();
    showPage(1);
}

LessonEditor::~LessonEditor() = default;

void LessonEditor::buildToolbar()
{
    m_toolbar1 = new QToolBar(m_frame1);
    editorstyle::place(m_toolbar1, QStringLiteral("Toolbar1"), m_context.scale, 0, 120, 3375, 390);
    m_toolbar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_toolbar1->setFocusPolicy(Qt::NoFocus);
    m_toolbar1->setMovable(false);
    m_toolbar1->setContentsMargins(0, 0, 0, 0);
    // Three captions must fit the bar's 3375 twips. The style sheet keeps the window's
    // font from the buttons, so it names the font itself.
    m_toolbar1->setStyleSheet(QStringLiteral("QToolBar { border: none; spacing: 1px; padding: 0px; }"
                                             "QToolButton { padding: 1px 3px; font: 9pt \"宋体\"; }"));
    m_pageButtons = new QActionGroup(this);
    m_pageButtons->setExclusive(true);
    const QStringList captions = {QStringLiteral("课题设置"), QStringLiteral("系统设置"),
                                  QStringLiteral("背景设置")};
    const QStringList keys = {QStringLiteral("KtSet"), QStringLiteral("XkSet"), QStringLiteral("BackSet")};
    for (int i = 0; i < 3; ++i) {
        QAction *button = m_toolbar1->addAction(captions.at(i));
        button->setObjectName(keys.at(i));
        button->setCheckable(true);
        m_pageButtons->addAction(button);
        const QString key = keys.at(i);
        connect(button, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
}

void LessonEditor::connectCommands()
{
    LessonCommands *lesson = m_lessonCommands.get();
    connect(m_frame2->readButton(), &QPushButton::clicked, this, [lesson] { lesson->Command6_Click(); });
    connect(m_frame2->saveButton(), &QPushButton::clicked, this, [lesson] { lesson->Command1_Click(); });
    connect(m_frame2->resetButton(), &QPushButton::clicked, this, [lesson] { lesson->Command2_Click(); });
    SettingsCommand *settings = m_settingsCommand.get();
    connect(m_frame3->confirmButton(), &QPushButton::clicked, this,
            [settings] { settings->Command7_Click(); });
    BackgroundCommands *background = m_backgroundCommands.get();
    connect(m_frame4->applyButton(), &QPushButton::clicked, this,
            [background] { background->applyToLesson(); });
    connect(m_frame4->resetButton(), &QPushButton::clicked, this, [background] { background->reset(); });
    for (QPushButton *exit : {m_frame2->exitButton(), m_frame3->exitButton(), m_frame4->exitButton()})
        connect(exit, &QPushButton::clicked, this, &QWidget::close);

    MediaPicker *picker = m_picker.get();
    QList<PickerButton *> pickers = m_frame2->pickers();
    for (int row = 0; row < 4; ++row)
        pickers.append(m_frame4->picker(row));
    for (PickerButton *button : pickers)
        connect(button, &PickerButton::clicked, this, [picker](int index) { picker->Image1_Click(index); });
}

void LessonEditor::setFocusOrder()
{
    QList<QWidget *> order;
    for (int field = 0; field <= 8; ++field)
        order.append(m_frame2->text1(field));
    order << m_frame2->saveButton() << m_frame2->resetButton() << m_frame2->exitButton()
          << m_frame2->readButton() << m_frame2->text1(9) << m_frame2->text1(10);
    order << m_frame3->confirmButton() << m_frame3->exitButton() << m_frame3->text2() << m_frame3->combo1()
          << m_frame3->combo2() << m_frame3->text3();
    for (int row = 0; row < 4; ++row)
        order.append(m_frame4->text4(row));
    order << m_frame4->check1() << m_frame4->check2() << m_frame4->applyButton() << m_frame4->resetButton()
          << m_frame4->exitButton();
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));
}

void LessonEditor::load()
{
    const QString lessonBook = m_context.book.lessonBook();
    if (!QFileInfo(lessonBook).isDir() && !QDir().mkdir(lessonBook))
        m_context.platform.messageBox->show(
            QStringLiteral("无法建立备课本文件夹“") + lessonBook + QStringLiteral("”，课件将无法保存。"),
            QStringLiteral("提示"), MessageBox::Icon::Warning, MessageBox::Buttons::Ok);
    m_frame2->text1(slot::DocumentFolder)->setText(lessonBook);
    showPage(1);
    if (const QScreen *shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

void LessonEditor::prepareSystemPageForFirstStart()
{
    showPage(2);
    m_frame3->fillLists();
}

QAction *LessonEditor::pageButton(int page) const
{
    return m_pageButtons->actions().value(page - 1);
}

void LessonEditor::showPage(int page)
{
    m_frame2->setVisible(page == 1);
    m_frame3->setVisible(page == 2);
    m_frame4->setVisible(page == 3);
    pageButton(page)->setChecked(true);
}

void LessonEditor::Toolbar1_ButtonClick(const QString &key)
{
    if (key == QLatin1String("KtSet")) {
        showPage(1);
    } else if (key == QLatin1String("XkSet")) {
        showPage(2);
        m_frame3->fillLists();
        m_frame3->text2()->setFocus();
    } else if (key == QLatin1String("BackSet")) {
        showPage(3);
    }
}

void LessonEditor::closeEvent(QCloseEvent *event)
{
    // The window goes through the screen flow, never by Qt's own close.
    event->ignore();
    const MessageBox::Answer answer = m_context.platform.messageBox->show(
        QStringLiteral("  确定要返回到系统首页吗？"), QStringLiteral("Veltano"), MessageBox::Icon::Question,
        MessageBox::Buttons::YesNoCancel);
    if (answer == MessageBox::Answer::Cancel)
        return;
    if (answer == MessageBox::Answer::Yes)
        m_context.flow.load(ScreenId::Home);
    m_context.flow.unload(ScreenId::Editor);
    if (answer == MessageBox::Answer::Yes)
        m_context.flow.show(ScreenId::Home);
}
