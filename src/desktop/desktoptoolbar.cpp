#include "desktoptoolbar.h"

#include "desktop/unknownname.h"

#include <QAction>
#include <QIcon>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const int kButtonHeightPixels = 38;
// The pictures are painted at this size (and twice it), so they are shown unscaled.
const int kPicturePixels = 20;
// Position 10, counted from 1.
const int kBlankIndex = 9;

} // namespace

DesktopToolbar::DesktopToolbar(const TwipsScale &scale, int widthPixels, QString pictureFolder,
                               QWidget *parent)
    : QWidget(parent), m_scale(scale), m_width(widthPixels), m_pictureFolder(std::move(pictureFolder))
{
    setObjectName(QStringLiteral("Toolbar1"));
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    QFont small = font();
    small.setPointSizeF(7);
    setFont(small);

    const struct {
        const char *caption;
        const char *key;
        const char *toolTip;
    } kButtons[] = {
        {"Word", "word", "Word文档显示"},
        {"播放", "ppt", "Powerpoint播放文件"},
        {"播放", "flash", "Flash 播放"},
        {"Txt", "txt", "文本显示"},
        {"Paint", "paint", "画出任意曲线"},
        {"Picture", "Picture", "图片"},
        {"Video", "video", "音视频播放"},
        {"Google", "google", "网络搜索"},
        {"外接程序", "MyProgram", "外接程序"},
        {"", "", ""},
        {"", "", ""},
        {"", "", ""},
        {"输入", "Input", "文本输入"},
        {"退出", "Exit", "退出"},
    };
    for (const auto &entry : kButtons)
        addButton(int(m_buttons.size()), QString::fromUtf8(entry.caption), QString::fromUtf8(entry.key),
                  QString::fromUtf8(entry.toolTip));
    m_designCount = int(m_buttons.size());
    button(QStringLiteral("paint"))->setCheckable(true);
    fitHeight();
}

QAction *DesktopToolbar::addButton(int index, const QString &caption, const QString &key,
                                   const QString &toolTip)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(key);
    action->setData(key);
    action->setToolTip(toolTip);
    connect(action, &QAction::triggered, this, [this, key] { emit ButtonClick(key); });
    auto *tool = new QToolButton(this);
    tool->setDefaultAction(action);
    const QPixmap picture(m_pictureFolder + QLatin1Char('/') + key + QStringLiteral(".png"));
    if (!key.isEmpty() && !picture.isNull()) {
        QIcon icon(picture);
        // Stated, not left to QIcon's own look-up, which takes the @2x file
        // only when the screen is doubled at the moment the icon is made.
        QPixmap doubled(m_pictureFolder + QLatin1Char('/') + key + QStringLiteral("@2x.png"));
        if (!doubled.isNull()) {
            doubled.setDevicePixelRatio(2);
            icon.addPixmap(doubled);
        }
        action->setIcon(icon);
        tool->setIconSize(QSize(kPicturePixels, kPicturePixels));
        tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    } else {
        tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    tool->setFixedSize(m_width, kButtonHeightPixels);
    tool->setAutoRaise(false);
    m_layout->insertWidget(index, tool);
    m_buttons.insert(index, action);
    return action;
}

QAction *DesktopToolbar::button(const QString &key) const
{
    for (QAction *action : m_buttons) {
        if (!key.isEmpty() && action->data().toString() == key)
            return action;
    }
    reportUnknownName("toolbar button", key);
    return nullptr;
}

QList<QAction *> DesktopToolbar::buttons() const
{
    return m_buttons;
}

float DesktopToolbar::designHeightTwips() const
{
    return m_scale.toTwipsY(m_designCount * kButtonHeightPixels);
}

float DesktopToolbar::buttonHeightTwips() const
{
    return m_scale.toTwipsY(kButtonHeightPixels);
}

// The design's three blanks start at position 10 and a fit removes at most
// those three, so only blanks come and go there.
void DesktopToolbar::fitBlanks(int change)
{
    const int wanted = m_designCount + change;
    while (m_buttons.size() < wanted)
        addButton(kBlankIndex, QString(), QString(), QString());
    while (m_buttons.size() > wanted && m_buttons.size() > kBlankIndex) {
        QAction *gone = m_buttons.takeAt(kBlankIndex);
        QLayoutItem *item = m_layout->takeAt(kBlankIndex);
        delete item->widget();
        delete item;
        delete gone;
    }
    fitHeight();
}

void DesktopToolbar::fitHeight()
{
    resize(m_width, int(m_buttons.size()) * kButtonHeightPixels);
}
