#include "demotexts.h"

QStringList demotexts::documentParagraphs()
{
    return {
        QStringLiteral("欢迎使用 Veltano。这是一节示例课，它用到的每一份材料都放在备课本的“示例”文件夹里。"),
        QStringLiteral("右边工具栏上的“Word”按钮每按一次，就显示这份文档的下一页，每页三段。"),
        QStringLiteral(
            "单击文档后按“.”翻到下一页，按“,”回到上一页；用菜单栏还可以把文档窗口放到左侧或右侧。"),
        QStringLiteral("第一个“播放”按钮放映幻灯片，按钮随即变成“停止”；再按一次，幻灯片就收起来。"),
        QStringLiteral("第二个“播放”按钮播放 Flash 动画，同样再按一次就停止。"),
        QStringLiteral("“Txt”按钮依次打开课文和思考题；在右侧输入框里写几个字，按“输入”就能放大显示。"),
        QStringLiteral("“Paint”按钮打开画板，按住鼠标左键就能圈点勾画；再按一次，画板就收起来。"),
        QStringLiteral("“Picture”按钮一幅一幅地展示图片，也可以三幅、六幅一起排开，单击图片还能逐步放大。"),
        QStringLiteral("“Video”按钮播放视频；“Google”按钮打开搜索网页；“外接程序”启动课上要用的其他软件。"),
        QStringLiteral("下课时按“退出”，确认以后会出现结束画面，再单击一下，程序就结束了。"),
    };
}

QVector<demotexts::Slide> demotexts::slides()
{
    return {
        {QStringLiteral("示例课"), {QStringLiteral("用 Veltano 上好一节课")}, QColor(0x2b, 0x5c, 0xb8)},
        {QStringLiteral("备课"),
         {QStringLiteral("在课件编辑器里填写课题，"),
          QStringLiteral("选好文档、幻灯片、动画、音视频和图片，"), QStringLiteral("保存成一个配置文件。")},
         QColor(0x2e, 0x8b, 0x57)},
        {QStringLiteral("上课"),
         {QStringLiteral("首页 → 打开配置文件 → 封面 → 教学桌面，"),
          QStringLiteral("工具栏上一按，材料就出现。")},
         QColor(0xd2, 0x6a, 0x1e),
         QString(),
         true},
        {QStringLiteral("小测验"),
         {QStringLiteral("一节课 45 分钟，"), QStringLiteral("上了 30 分钟，还剩多少分钟？")},
         QColor(0x6a, 0x3d, 0x9a),
         QStringLiteral("答案：15 分钟（单击幻灯片显示）")},
    };
}

QString demotexts::reading()
{
    return QStringLiteral("春天的早晨\r\n"
                          "\r\n"
                          "太阳从东边的山后慢慢升起来，山坡上的小草探出了头。\r\n"
                          "小河解冻了，河水哗哗地流着，好像在唱一支轻快的歌。\r\n"
                          "燕子从南方飞回来，在屋檐下忙着衔泥筑巢。\r\n"
                          "田野里，农民伯伯已经开始春耕了。\r\n"
                          "我们背着书包走在上学的路上，心里也像春天一样，充满了希望。\r\n");
}

QString demotexts::questions()
{
    return QStringLiteral("读后思考\n"
                          "\n"
                          "一、课文写了春天早晨的哪些景物？\n"
                          "二、你最喜欢哪一句？说说理由。\n"
                          "三、仿照课文，写一写你家乡的春天。\n");
}

QString demotexts::startPage()
{
    return QStringLiteral(
        "<!DOCTYPE html>\n"
        "<html lang=\"zh-CN\">\n"
        "<head><meta charset=\"utf-8\"><title>Veltano 示例课</title>\n"
        "<style>body{font-family:宋体,serif;background:#f4f8fc;color:#203040;margin:3em}"
        "h1{color:#2b5cb8}li{margin:.4em 0}</style></head>\n"
        "<body>\n"
        "<h1>Veltano 示例课</h1>\n"
        "<p>这是示例课的网页。课件的“浏览器地址”可以填任何网址，上课时从菜单打开浏览器就先显示它。</p>\n"
        "<ul>\n"
        "<li>文档、幻灯片和 Flash 动画放在备课本里；</li>\n"
        "<li>图片、音乐和视频可以放在程序文件夹下的任何地方；</li>\n"
        "<li>课件编辑器会把它们记在一个 .spz 配置文件里。</li>\n"
        "</ul>\n"
        "</body>\n"
        "</html>\n");
}
