#include "closingscreen.h"

#include "base/appcontext.h"
#include "base/leftclick.h"
#include "base/producttitle.h"
#include "base/screenroles.h"
#include "base/sharedstate.h"
#include "lesson/lineconfigfile.h"
#include "platform/pictures/picturefile.h"
#include "platform/songfont.h"
#include "shell/logic/closingrules.h"

#include <QCloseEvent>
#include <QFile>
#include <QLabel>

ClosingScreen::ClosingScreen(AppContext &context, RandomSource random, QWidget *parent)
    : QWidget(parent), m_context(context), m_random(orSystemRandom(std::move(random))),
      m_sayingWidth(closing::kSayingWidth)
{
    setObjectName(QStringLiteral("Form4"));
    setStyleSheet(QStringLiteral("ClosingScreen { background: #000040; }"));
    setAttribute(Qt::WA_StyledBackground);
    context.screens.present(this, Qt::WindowMaximized, [this] {
        m_sayingWidth = closing::sayingWidth(m_context.state.ScreenWidth);
        layOut();
    });

    m_label2 = new QLabel(QStringLiteral("名家名言录："), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setFont(songFont(21.75));
    m_label2->setStyleSheet(QStringLiteral("color: white; background: transparent;"));

    m_frame1 = new QWidget(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));

    m_image1 = new QLabel(m_frame1);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setScaledContents(true);
    m_image1->setPixmap(
        QPixmap::fromImage(readPicture(context.book.setFolder(QStringLiteral("image/closing.jpg"))).image));

    m_label1 = new QLabel(m_frame1);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setFont(songFont(36, true));
    m_label1->setWordWrap(true);
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Yellow: colour value &H0000FFFF.
    m_label1->setStyleSheet(QStringLiteral("color: #FFFF00; background: transparent;"));
    layOut();

    auto *click = new LeftClick(this);
    click->watch(m_image1);
    click->watch(m_label1);
    connect(click, &LeftClick::clicked, this, [this] { m_context.flow.endProgram(); });
}

void ClosingScreen::layOut()
{
    const TwipsScale &scale = m_context.scale;
    m_label2->setGeometry(scale.toPixels(360, 120, 2895, 495));
    m_frame1->setGeometry(scale.toPixels(360, 720, 12495, 9975));
    m_image1->setGeometry(scale.toPixels(0, 0, 12480, 9960));
    m_label1->setGeometry(scale.toPixels(closing::kSayingLeft, 2160, m_sayingWidth, 6615));
}

void ClosingScreen::load()
{
    setWindowTitle(subjectTitle(m_context.state.SettingsRecord.StageSubject));
    m_sayingWidth = closing::sayingWidth(m_context.state.ScreenWidth);
    layOut();
    m_label1->setText(readSaying(closing::sayingLine(m_random())));
}

QString ClosingScreen::readSaying(int line) const
{
    QFile file(m_context.book.sayingsFile());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QStringList lines = lineconfig::readLines(file, line);
    return lines.size() == line ? lines.last() : QString();
}

void ClosingScreen::closeEvent(QCloseEvent *event)
{
    event->ignore();
    m_context.flow.endProgram();
}
