#include "homescreen.h"

#include "backgroundstep.h"
#include "base/appcontext.h"
#include "base/producttitle.h"
#include "base/sharedstate.h"
#include "pack/packprogress.h"
#include "pack/packtasks.h"
#include "pack/packwriter.h"
#include "platform/filedialog.h"
#include "platform/messagebox.h"
#include "platform/pictures/picturefile.h"
#include "platform/songfont.h"
#include "startup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

// The design-time stage and subject; its caption stays the base caption of a
// chosen file's title.
const char *const kDesignStageSubject = "高中数学";
const double kClientWidth = 8550;
const double kClientHeight = 5640;

} // namespace

HomeScreen::HomeScreen(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(subjectTitle(QString::fromUtf8(kDesignStageSubject)));
    setFixedSize(context.scale.toPixelsX(kClientWidth), context.scale.toPixelsY(kClientHeight));

    const QFont titleFont = songFont(36, true);
    m_label1 = makeLabel("Label1", 1680, 1200, 5535, 975, titleFont);
    m_label3 = makeLabel("Label3", 2880, 2400, 3135, 975, titleFont);
    m_label2 = makeLabel("Label2", 2880, 4320, 4095, 495, songFont(15));
    // The title breaks between the stage and subject and the product's name.
    m_label1->setText(QString::fromUtf8(kDesignStageSubject));
    m_label3->setText(QLatin1String(kProductTitle));
    m_label2->setText(QStringLiteral("课堂多媒体教学演示"));
    // Orange title: colour value &H000080FF.
    const QString orange = QStringLiteral("color: #FF8000; background: transparent;");
    m_label1->setStyleSheet(orange);
    m_label3->setStyleSheet(orange);
    m_label2->setStyleSheet(QStringLiteral("color: #E0E8F0; background: transparent;"));

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    m_statusBar->setStyleSheet(QStringLiteral("color: #C0CCD8;"));
    m_statusBar->showMessage(QStringLiteral("右击打开菜单：打开配置文件或设置；选好课件后单击进入"));
    // Only the form and its labels answer clicks.
    m_statusBar->setAttribute(Qt::WA_NoMousePropagation);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(m_statusBar);

    m_myfile = new QMenu(QStringLiteral("文件"), this);
    m_myfile->setObjectName(QStringLiteral("myfile"));
    QAction *open = m_myfile->addAction(QStringLiteral("打开配置文件"));
    open->setObjectName(QStringLiteral("MyFileOpen"));
    // The before-class check of the chosen lesson's media.
    m_myCheck = m_myfile->addAction(QStringLiteral("检查课件"));
    m_myCheck->setObjectName(QStringLiteral("MyCheck"));
    m_myCheck->setEnabled(false);
    // Packs carry a lesson with its files to the classroom computer.
    m_myPack = m_myfile->addAction(QStringLiteral("打包课件"));
    m_myPack->setObjectName(QStringLiteral("MyPack"));
    m_myPack->setEnabled(false);
    QAction *import = m_myfile->addAction(QStringLiteral("导入课件包"));
    import->setObjectName(QStringLiteral("MyImport"));
    QAction *separator = m_myfile->addSeparator();
    separator->setObjectName(QStringLiteral("clin"));
    QAction *reset = m_myfile->addAction(QStringLiteral("设置"));
    reset->setObjectName(QStringLiteral("Reset"));
    connect(open, &QAction::triggered, this, &HomeScreen::MyFileOpen_Click);
    connect(reset, &QAction::triggered, this, &HomeScreen::Reset_Click);
    connect(m_myCheck, &QAction::triggered, this, &HomeScreen::MyCheck_Click);
    connect(m_myPack, &QAction::triggered, this, &HomeScreen::MyPack_Click);
    connect(import, &QAction::triggered, this, &HomeScreen::MyImport_Click);

    m_background =
        QPixmap::fromImage(readPicture(context.book.setFolder(QStringLiteral("bj/home.jpg"))).image);
}

QLabel *HomeScreen::makeLabel(const char *name, double left, double top, double width, double height,
                              const QFont &font)
{
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(m_context.scale.toPixels(left, top, width, height));
    label->setFont(font);
    // Releases over a label act as releases over the window.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void HomeScreen::load()
{
    m_baseCaption = subjectTitle(QString::fromUtf8(kDesignStageSubject));
    m_myCheck->setEnabled(false);
    m_myPack->setEnabled(false);
    // Back from the editor where no settings file could be made, the editor
    // would only send the teacher here again: the home screen stays.
    if (runStartUp(m_context) && !m_context.flow.isLoaded(ScreenId::Editor)) {
        openEditorOnSystemPage();
        return;
    }
    const QString &stageSubject = m_context.state.SettingsRecord.StageSubject;
    if (!stageSubject.isEmpty()) {
        m_label1->setText(stageSubject);
        setWindowTitle(subjectTitle(stageSubject));
    }
}

void HomeScreen::openEditorOnSystemPage()
{
    if (auto *editor = dynamic_cast<FirstStartScreen *>(m_context.flow.load(ScreenId::Editor)))
        editor->prepareSystemPageForFirstStart();
    m_context.flow.show(ScreenId::Editor);
    m_context.flow.unload(ScreenId::Home);
}

void HomeScreen::mouseReleaseEvent(QMouseEvent *event)
{
    goOn(event->button(), event->globalPosition().toPoint());
}

void HomeScreen::goOn(Qt::MouseButton button, const QPoint &globalPos)
{
    if (!m_context.state.ConfigPath.isEmpty() && button == Qt::LeftButton) {
        m_context.flow.load(ScreenId::Cover);
        // The cover page stays away when it could not read the lesson.
        if (!m_context.flow.isLoaded(ScreenId::Cover))
            return;
        m_context.flow.unload(ScreenId::Home);
        m_context.flow.show(ScreenId::Cover);
        return;
    }
    m_myfile->popup(globalPos);
}

void HomeScreen::MyFileOpen_Click()
{
    m_context.book.ensureConfigArea();
    const std::optional<QString> chosen = m_context.platform.fileDialog->chooseFile(
        QStringLiteral("配置文件（*.spz）|*.spz|系统配置文件（*.gsx）|*.gsx"), m_context.book.configArea());
    if (chosen)
        takeChosenFile(*chosen);
}

void HomeScreen::chooseLesson(const QString &path)
{
    m_context.book.ensureConfigArea();
    takeChosenFile(path);
}

void HomeScreen::takeChosenFile(const QString &path)
{
    m_context.state.ConfigPath = path;
    m_myCheck->setEnabled(true);
    m_myPack->setEnabled(true);
    const QString fileName = QFileInfo(path).fileName();
    if (fileName.size() < 4)
        return;
    setWindowTitle(m_baseCaption + QStringLiteral("-------") + fileName.left(fileName.size() - 4));
}

void HomeScreen::MyCheck_Click()
{
    if (m_context.state.ConfigPath.isEmpty())
        return;
    m_context.flow.openChildWindow(ScreenId::LessonCheck, this);
}

void HomeScreen::MyPack_Click()
{
    const QString lesson = m_context.state.ConfigPath;
    if (lesson.isEmpty())
        return;
    OpenFileRequest request;
    request.title = QStringLiteral("打包课件");
    request.filter = QStringLiteral("课件包（*.zip）|*.zip");
    request.startFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.fileName = QFileInfo(lesson).completeBaseName() + QStringLiteral(".zip");
    request.save = true;
    std::optional<QString> zipPath = m_context.platform.fileDialog->chooseFile(request);
    if (!zipPath)
        return;
    if (!zipPath->endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
        *zipPath += QStringLiteral(".zip");
    lessonpack::PackPlan plan;
    QString error;
    if (!lessonpack::planLesson(lesson, m_context.book,
                                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), &plan,
                                &error)) {
        notify(error);
        return;
    }
    if (!plan.outside.isEmpty() &&
        m_context.platform.messageBox->show(
            lessonpack::outsideText(plan) + QStringLiteral("\n\n打包这些文件？"), QStringLiteral("打包课件"),
            MessageBox::Icon::Question, MessageBox::Buttons::OkCancel) != MessageBox::Answer::Ok)
        return;
    lessonpack::Progress progress;
    const bool packed = backgroundstep::run(
        this, QStringLiteral("打包课件"), QStringLiteral("正在打包课件……"), progress, [&] {
            return lessonpack::writePack(plan, *zipPath, QCoreApplication::applicationVersion(), &progress,
                                         &error);
        });
    notify(packed ? lessonpack::packedText(plan, *zipPath) : error);
}

void HomeScreen::MyImport_Click()
{
    const std::optional<QString> zipPath = m_context.platform.fileDialog->chooseFile(
        QStringLiteral("课件包（*.zip）|*.zip"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (!zipPath)
        return;
    lessonpack::PackReader reader;
    lessonpack::ImportPreview preview;
    QString error;
    lessonpack::Progress reading;
    const bool prepared = backgroundstep::run(
        this, QStringLiteral("导入课件包"), QStringLiteral("正在检查课件包……"), reading, [&] {
            return lessonpack::preparePack(reader, *zipPath, m_context.book, &reading, &preview, &error);
        });
    if (!prepared) {
        notify(error);
        return;
    }
    QString question = lessonpack::previewText(preview);
    MessageBox::Buttons buttons = MessageBox::Buttons::OkCancel;
    if (!preview.differing.isEmpty()) {
        question += QStringLiteral(
            "\n\n“是”：用包中的文件替换它们；“否”：两者都保留，包中的文件改名；“取消”：不导入。");
        buttons = MessageBox::Buttons::YesNoCancel;
    } else {
        question += QStringLiteral("\n\n导入到本机的备课本？");
    }
    const MessageBox::Answer answer = m_context.platform.messageBox->show(
        question, QStringLiteral("导入课件包"), MessageBox::Icon::Question, buttons);
    if (answer == MessageBox::Answer::Cancel)
        return;
    const auto onConflict = answer == MessageBox::Answer::Yes ? lessonpack::OnConflict::Replace
                                                              : lessonpack::OnConflict::KeepBoth;
    QString lessonPath;
    lessonpack::Progress writing;
    const bool unpacked = backgroundstep::run(
        this, QStringLiteral("导入课件包"), QStringLiteral("正在导入课件包……"), writing,
        [&] { return reader.unpack(m_context.book, onConflict, &writing, &lessonPath, &error); });
    if (!unpacked) {
        notify(error);
        return;
    }
    chooseLesson(lessonPath);
    notify(lessonpack::unpackedText(preview, lessonPath));
}

void HomeScreen::notify(const QString &text)
{
    m_context.platform.messageBox->show(text, QStringLiteral("提示"), MessageBox::Icon::Information,
                                        MessageBox::Buttons::Ok);
}

void HomeScreen::Reset_Click()
{
    m_context.flow.show(ScreenId::Editor);
    m_context.flow.unload(ScreenId::Home);
}

void HomeScreen::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!m_background.isNull()) {
        painter.drawPixmap(0, 0, m_background);
        return;
    }
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0x10, 0x3a, 0x6e));
    gradient.setColorAt(1, QColor(0x06, 0x14, 0x2c));
    painter.fillRect(rect(), gradient);
}

void HomeScreen::closeEvent(QCloseEvent *event)
{
    event->ignore();
    m_context.flow.unload(ScreenId::Home);
}
