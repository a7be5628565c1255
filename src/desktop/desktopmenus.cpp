#include "desktopmenus.h"

#include "desktop/unknownname.h"

#include <QMenu>
#include <QMenuBar>

namespace {

enum Flag { Plain = 0, Hidden = 1, Checked = 2, Disabled = 4, Checkable = 8 };

// The tree, one entry per line in menu order: nesting depth, name (none for a
// separator line), caption, flags. An entry followed by deeper ones is a menu.
const struct Entry {
    int depth;
    const char *name;
    const char *caption;
    int flags;
} kTree[] = {
    {0, "Tools", "文件（File）", Plain},
    {1, "WordFileOpen", "文档打开", Plain},
    {1, "Wordstar", "文档", Hidden},
    {1, "Flashstar", "Flash导入", Plain},
    {1, "Powerpointstar", "Powerpoint打开", Plain},
    {1, "PictureStar", "图片导入", Plain},
    {1, "VideoStar", "视频导入", Plain},
    {1, "ExeOpen", "其他程序导入", Plain},
    {1, nullptr, "", Plain},
    {1, "SysEnd", "退出", Plain},
    {0, "mywindows", "窗口", Plain},
    {1, "WordLocation", "文档(Word)", Plain},
    {2, "WordOpen", "打开文档(Open)", Plain},
    {2, nullptr, "", Plain},
    {2, "WordInmiddle", "居中(Center)", Plain},
    {2, "WordInleft", "左侧(Left)", Plain},
    {2, "WordInright", "右侧(Right)", Plain},
    {2, "WordIntop", "上端(Top)", Plain},
    {2, "WordInButtom", "下端(Bottom)", Plain},
    {2, nullptr, "", Plain},
    {2, "WordFull", "全屏(Full)", Plain},
    {1, "PPtLocation", "PowerPoint", Plain},
    {2, "PptFull", "全屏", Plain},
    {2, nullptr, "", Plain},
    {2, "PPtInCenter", "居中（center）", Plain},
    {2, "PPtInLeft", "左侧(Left)", Plain},
    {2, "PPtInRight", "右侧(Right)", Plain},
    {2, "PPtInTop", "上端(Top)", Plain},
    {2, "PPtInBottom", "下端(Bottom)", Plain},
    {2, nullptr, "", Plain},
    {2, "PPthidden", "隐藏", Plain},
    {1, "FlashLocation", "Flash", Plain},
    {2, "FlashFull", "全屏", Plain},
    {2, nullptr, "", Plain},
    {2, "FlashInMiddle", "居中(Center)", Plain},
    {2, "FlashInLeft", "左侧(Left)", Plain},
    {2, "FlashInRight", "右侧(Right)", Plain},
    {2, "FlashInTop", "上端(Top)", Plain},
    {2, "FlashInbuttom", "下端(Bottom)", Plain},
    {2, nullptr, "", Plain},
    {2, "FlashHidden", "隐藏", Plain},
    {1, "TxtLocation", "文本(txt)", Plain},
    {2, "TxtFull", "全屏", Plain},
    {2, nullptr, "", Plain},
    {2, "TxtInMiddle", "居中(Center)", Plain},
    {2, "TxtInleft", "左侧(Left)", Plain},
    {2, "TxTInright", "右侧(Right)", Plain},
    {2, "TxTIntop", "上端(Top)", Plain},
    {2, "TxtInbuttom", "下端(Bottom)", Plain},
    {2, nullptr, "", Plain},
    {2, "TxtHidden", "隐藏", Plain},
    {1, "PicDraw", "画板(Paint)", Plain},
    {2, "PaintFull", "全屏", Plain},
    {2, nullptr, "", Plain},
    {2, "PicDrawInmiddle", "居中(Center)", Plain},
    {2, "PicDrawInleft", "左侧(Left)", Plain},
    {2, "PicDrawInright", "右侧(Right)", Plain},
    {2, "PicDrawIntop", "上端(Top)", Plain},
    {2, "PicDrawInbuttom", "下端(Bottom)", Plain},
    {2, nullptr, "", Plain},
    {2, "PaintHidden", "隐藏", Plain},
    {1, "Video", "视频(Video)", Plain},
    {2, "VideoOpen", "打开(Open)", Plain},
    {2, "VideoPlay", "播放(Play)", Plain},
    {2, "VideoPause", "暂停(Pause)", Plain},
    {2, "VideoStop", "停止(Stop)", Plain},
    {2, nullptr, "", Plain},
    {2, "VideoPrevious", "上一曲", Plain},
    {2, "VideoNext", "下一曲", Plain},
    {2, nullptr, "", Plain},
    {2, "MediaFull", "全屏", Hidden},
    {2, nullptr, "", Hidden},
    {2, "VideoInmiddle", "居中(Center)", Plain},
    {2, "VideoInleft", "左侧(Left)", Plain},
    {2, "VideoInRight", "右侧(Right)", Plain},
    {2, "VideoIntop", "上端(Top)", Plain},
    {2, "VideoInbuttom", "下端(Bottom)", Plain},
    {2, nullptr, "", Plain},
    {2, "Videohidden", "隐藏", Plain},
    {1, "PictureLocation", "图片(Picture)", Plain},
    {2, "SingPicture", "单图片", Plain},
    {3, "PictureLoad", "导入图片(Load)", Plain},
    {3, nullptr, "", Plain},
    {3, "PictureCenter", "居中(Center)", Plain},
    {3, "PictureLeft", "左侧(Left)", Plain},
    {3, "PictureRight", "右侧(Right)", Plain},
    {3, "PictureTop", "上端(Top)", Plain},
    {3, "PictureBottom", "下端(Bottom)", Plain},
    {2, "ManyPicture", "画面切换", Plain},
    {3, "PictureOne", "单画面", Plain},
    {3, "PictureTwo", "二画面", Plain},
    {3, "PictureThree", "三画面", Plain},
    {3, "PictureFour", "四画面", Plain},
    {3, "PictureFive", "五画面", Plain},
    {3, "PictureSix", "六画面", Plain},
    {2, nullptr, "", Plain},
    {2, "PicEnlarge", "放大", Checkable},
    {2, "PicShrink", "缩小", Checkable},
    {2, nullptr, "", Plain},
    {2, "PictureHidden", "隐藏", Plain},
    {1, nullptr, "", Plain},
    {1, "IEinternet", "浏览器", Plain},
    {0, "Moption", "格式", Plain},
    {1, "Myfont", "字体(Font)", Plain},
    {1, nullptr, "", Plain},
    {1, "FrontColor", "前景色(FrontColor)", Hidden},
    {1, "Backcolour", "背景色(BackColor)", Checked},
    {1, "BackImage", "背景图(BackImage)", Checked},
    {1, "PictDraw", "画图", Hidden},
    {2, "PictLine", "直线", Plain},
    {2, "PictRectangle", "矩形", Plain},
    {2, "PictCircle", "圆", Plain},
    {1, "Annotate", "批注", Checkable},
    {0, "flashline", "|", Disabled},
    {0, "IE", "浏览器", Plain},
    {0, "AllCenter", "居中", Plain},
    {0, "AllLeft", "左侧", Plain},
    {0, "AllRight", "右侧", Plain},
    {0, "AllTop", "上端", Plain},
    {0, "AllButtom", "下端", Plain},
    {0, "AllFull", "全屏", Plain},
    {0, "AllHidden", "隐藏", Plain},
    {0, "flashline2", "|", Disabled},
    {0, "MyGame", "休闲GAME", Plain},
    {1, "GameWar", "机器人战争", Plain},
    {1, "GameMulan", "新木兰传奇", Plain},
    {1, "GameJiandie", "间谍通缉令", Plain},
    {1, "GameJuezhan", "决战沙场", Plain},
    {1, "OtherGame", "其他……", Plain},
    {1, nullptr, "", Plain},
    {1, "GameHide", "隐藏", Plain},
    {0, "SoftHelp", "帮助", Plain},
    {1, "AboutMe", "关于", Plain},
    {1, "MyHelp", "帮助主题", Plain},
    {0, "ClickTs", "提示", Disabled},
};

void applyFlags(QAction *action, int flags)
{
    if (flags & (Checked | Checkable)) {
        action->setCheckable(true);
        action->setChecked(flags & Checked);
    }
    action->setVisible(!(flags & Hidden));
    action->setEnabled(!(flags & Disabled));
}

} // namespace

DesktopMenus::DesktopMenus(QMenuBar *bar) : QObject(bar)
{
    // The menu that receives entries of each depth; depth 0 goes to the bar.
    QList<QMenu *> parents{nullptr};
    const int entries = int(std::size(kTree));
    for (int i = 0; i < entries; ++i) {
        const Entry &entry = kTree[i];
        parents.resize(entry.depth + 1);
        QMenu *parent = parents.at(entry.depth);
        QWidget *owner = parent ? static_cast<QWidget *>(parent) : bar;
        const QString caption = QString::fromUtf8(entry.caption);
        QAction *action = nullptr;
        if (!entry.name) {
            action = parent->addSeparator();
        } else if (i + 1 < entries && kTree[i + 1].depth > entry.depth) {
            auto *menu = new QMenu(caption, owner);
            menu->setObjectName(QLatin1String(entry.name));
            action = menu->menuAction();
            owner->addAction(action);
            m_menus.insert(menu->objectName(), menu);
            parents.append(menu);
        } else {
            action = new QAction(caption, owner);
            owner->addAction(action);
        }
        applyFlags(action, entry.flags);
        if (entry.name) {
            action->setObjectName(QLatin1String(entry.name));
            m_items.insert(action->objectName(), action);
        }
    }
    m_clickTs = item(QStringLiteral("ClickTs"));
}

QAction *DesktopMenus::item(const QString &name) const
{
    QAction *found = m_items.value(name);
    if (!found)
        reportUnknownName("menu item", name);
    return found;
}

QMenu *DesktopMenus::menu(const QString &name) const
{
    QMenu *found = m_menus.value(name);
    if (!found)
        reportUnknownName("menu", name);
    return found;
}
