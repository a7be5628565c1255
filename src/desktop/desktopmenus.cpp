#include "desktopmenus.h"

#include <QMenu>
#include <QMenuBar>

namespace {

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

DesktopMenus::DesktopMenus(QMenuBar *bar) : QObject(bar), m_bar(bar)
{
    buildFileMenu();
    buildWindowMenu();
    buildFormatMenu();
    addItem(nullptr, "flashline", QStringLiteral("|"), Disabled);
    addItem(nullptr, "IE", text("浏览器"));
    buildBarCommands();
    addItem(nullptr, "flashline2", QStringLiteral("|"), Disabled);

    QMenu *game = addMenu(nullptr, "MyGame", text("休闲GAME"));
    addItem(game, "GameWar", text("机器人战争"));
    addItem(game, "GameMulan", text("新木兰传奇"));
    addItem(game, "GameJiandie", text("间谍通缉令"));
    addItem(game, "GameJuezhan", text("决战沙场"));
    addItem(game, "OtherGame", text("其他……"));
    addSeparator(game);
    addItem(game, "GameHide", text("隐藏"));

    QMenu *help = addMenu(nullptr, "SoftHelp", text("帮助"));
    addItem(help, "AboutMe", text("关于"));
    addItem(help, "MyHelp", text("帮助主题"));

    m_clickTs = addItem(nullptr, "ClickTs", text("提示"), Disabled);
}

QAction *DesktopMenus::item(const QString &name) const
{
    return m_items.value(name);
}

QMenu *DesktopMenus::menu(const QString &name) const
{
    return m_menus.value(name);
}

QAction *DesktopMenus::finish(QAction *action, const char *name, int flags)
{
    action->setObjectName(QLatin1String(name));
    if (flags & Checked) {
        action->setCheckable(true);
        action->setChecked(true);
    }
    action->setVisible(!(flags & Hidden));
    action->setEnabled(!(flags & Disabled));
    m_items.insert(action->objectName(), action);
    return action;
}

QMenu *DesktopMenus::addMenu(QMenu *parent, const char *name, const QString &caption, int flags)
{
    auto *menu = new QMenu(caption, parent ? static_cast<QWidget *>(parent) : m_bar);
    menu->setObjectName(QLatin1String(name));
    if (parent)
        parent->addMenu(menu);
    else
        m_bar->addMenu(menu);
    finish(menu->menuAction(), name, flags);
    m_menus.insert(menu->objectName(), menu);
    return menu;
}

QAction *DesktopMenus::addItem(QMenu *parent, const char *name, const QString &caption, int flags)
{
    return finish(parent ? parent->addAction(caption) : m_bar->addAction(caption), name, flags);
}

void DesktopMenus::addSeparator(QMenu *parent, int flags)
{
    parent->addSeparator()->setVisible(!(flags & Hidden));
}

void DesktopMenus::buildFileMenu()
{
    QMenu *tools = addMenu(nullptr, "Tools", text("文件（File）"));
    addItem(tools, "WordFileOpen", text("文档打开"));
    addItem(tools, "Wordstar", text("文档"), Hidden);
    addItem(tools, "Flashstar", text("Flash导入"));
    addItem(tools, "Powerpointstar", text("Powerpoint打开"));
    addItem(tools, "PictureStar", text("图片导入"));
    addItem(tools, "VideoStar", text("视频导入"));
    addItem(tools, "ExeOpen", text("其他程序导入"));
    addSeparator(tools);
    addItem(tools, "SysEnd", text("退出"));
}

void DesktopMenus::addPositionItems(QMenu *menu, const char *const names[5])
{
    addItem(menu, names[0], text("居中(Center)"));
    addItem(menu, names[1], text("左侧(Left)"));
    addItem(menu, names[2], text("右侧(Right)"));
    addItem(menu, names[3], text("上端(Top)"));
    addItem(menu, names[4], text("下端(Bottom)"));
}

void DesktopMenus::buildWindowMenu()
{
    QMenu *windows = addMenu(nullptr, "mywindows", text("窗口"));

    QMenu *word = addMenu(windows, "WordLocation", text("文档(Word)"));
    addItem(word, "WordOpen", text("打开文档(Open)"));
    addSeparator(word);
    static const char *const wordPositions[] = {"WordInmiddle", "WordInleft", "WordInright", "WordIntop",
                                                "WordInButtom"};
    addPositionItems(word, wordPositions);
    addSeparator(word);
    addItem(word, "WordFull", text("全屏(Full)"));

    QMenu *ppt = addMenu(windows, "PPtLocation", QStringLiteral("PowerPoint"));
    addItem(ppt, "PptFull", text("全屏"));
    addSeparator(ppt);
    addItem(ppt, "PPtInCenter", text("居中（center）"));
    addItem(ppt, "PPtInLeft", text("左侧(Left)"));
    addItem(ppt, "PPtInRight", text("右侧(Right)"));
    addItem(ppt, "PPtInTop", text("上端(Top)"));
    addItem(ppt, "PPtInBottom", text("下端(Bottom)"));
    addSeparator(ppt);
    addItem(ppt, "PPthidden", text("隐藏"));

    const struct {
        const char *menu;
        QString caption;
        const char *full;
        const char *positions[5];
        const char *hide;
    } standardMenus[] = {
        {"FlashLocation",
         QStringLiteral("Flash"),
         "FlashFull",
         {"FlashInMiddle", "FlashInLeft", "FlashInRight", "FlashInTop", "FlashInbuttom"},
         "FlashHidden"},
        {"TxtLocation",
         text("文本(txt)"),
         "TxtFull",
         {"TxtInMiddle", "TxtInleft", "TxTInright", "TxTIntop", "TxtInbuttom"},
         "TxtHidden"},
        {"PicDraw",
         text("画板(Paint)"),
         "PaintFull",
         {"PicDrawInmiddle", "PicDrawInleft", "PicDrawInright", "PicDrawIntop", "PicDrawInbuttom"},
         "PaintHidden"},
    };
    for (const auto &entry : standardMenus) {
        QMenu *menu = addMenu(windows, entry.menu, entry.caption);
        addItem(menu, entry.full, text("全屏"));
        addSeparator(menu);
        addPositionItems(menu, entry.positions);
        addSeparator(menu);
        addItem(menu, entry.hide, text("隐藏"));
    }

    QMenu *video = addMenu(windows, "Video", text("视频(Video)"));
    addItem(video, "VideoOpen", text("打开(Open)"));
    addItem(video, "VideoPlay", text("播放(Play)"));
    addItem(video, "VideoPause", text("暂停(Pause)"));
    addItem(video, "VideoStop", text("停止(Stop)"));
    addSeparator(video);
    addItem(video, "VideoPrevious", text("上一曲"));
    addItem(video, "VideoNext", text("下一曲"));
    addSeparator(video);
    addItem(video, "MediaFull", text("全屏"), Hidden);
    addSeparator(video, Hidden);
    static const char *const videoPositions[] = {"VideoInmiddle", "VideoInleft", "VideoInRight", "VideoIntop",
                                                 "VideoInbuttom"};
    addPositionItems(video, videoPositions);
    addSeparator(video);
    addItem(video, "Videohidden", text("隐藏"));

    QMenu *picture = addMenu(windows, "PictureLocation", text("图片(Picture)"));
    QMenu *single = addMenu(picture, "SingPicture", text("单图片"));
    addItem(single, "PictureLoad", text("导入图片(Load)"));
    addSeparator(single);
    static const char *const picturePositions[] = {"PictureCenter", "PictureLeft", "PictureRight",
                                                   "PictureTop", "PictureBottom"};
    addPositionItems(single, picturePositions);
    QMenu *many = addMenu(picture, "ManyPicture", text("画面切换"));
    addItem(many, "PictureOne", text("单画面"));
    addItem(many, "PictureTwo", text("二画面"));
    addItem(many, "PictureThree", text("三画面"));
    addItem(many, "PictureFour", text("四画面"));
    addItem(many, "PictureFive", text("五画面"));
    addItem(many, "PictureSix", text("六画面"));
    addSeparator(picture);
    addItem(picture, "PicEnlarge", text("放大"));
    addItem(picture, "PicShrink", text("缩小"));
    addSeparator(picture);
    addItem(picture, "PictureHidden", text("隐藏"));

    addSeparator(windows);
    addItem(windows, "IEinternet", text("浏览器"));
}

void DesktopMenus::buildFormatMenu()
{
    QMenu *format = addMenu(nullptr, "Moption", text("格式"));
    addItem(format, "Myfont", text("字体(Font)"));
    addSeparator(format);
    addItem(format, "FrontColor", text("前景色(FrontColor)"), Hidden);
    addItem(format, "Backcolour", text("背景色(BackColor)"), Checked);
    addItem(format, "BackImage", text("背景图(BackImage)"), Checked);
    QMenu *draw = addMenu(format, "PictDraw", text("画图"), Hidden);
    addItem(draw, "PictLine", text("直线"));
    addItem(draw, "PictRectangle", text("矩形"));
    addItem(draw, "PictCircle", text("圆"));
}

void DesktopMenus::buildBarCommands()
{
    addItem(nullptr, "AllCenter", text("居中"));
    addItem(nullptr, "AllLeft", text("左侧"));
    addItem(nullptr, "AllRight", text("右侧"));
    addItem(nullptr, "AllTop", text("上端"));
    addItem(nullptr, "AllButtom", text("下端"));
    addItem(nullptr, "AllFull", text("全屏"));
    addItem(nullptr, "AllHidden", text("隐藏"));
}
