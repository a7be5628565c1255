#include "lessoneditor.h"

#include "shell/appcontext.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>

namespace {

const QStringList kStages = {QStringLiteral("高中"), QStringLiteral("初中"), QStringLiteral("小学")};
const QStringList kHighSchoolSubjects = {
    QStringLiteral("语文"), QStringLiteral("数学"), QStringLiteral("英语"),     QStringLiteral("物理"),
    QStringLiteral("化学"), QStringLiteral("生物"), QStringLiteral("政治"),     QStringLiteral("历史"),
    QStringLiteral("地理"), QStringLiteral("历史"), QStringLiteral("信息科学"), QStringLiteral("音乐"),
    QStringLiteral("美术")};

} // namespace

LessonEditor::LessonEditor(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Veltano设置"));
    const TwipsScale &scale = context.scale;
    setFixedSize(scale.toPixelsX(8400), scale.toPixelsY(8115));

    m_frame1 = new QWidget(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(scale.toPixels(0, 0, 8415, 8175));

    m_toolbar1 = new QToolBar(m_frame1);
    m_toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar1->setGeometry(scale.toPixels(0, 120, 3375, 390));
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
        connect(button, &QAction::triggered, this, [this, i] { showPage(i + 1); });
    }

    auto makePage = [&](const char *name, double width) {
        auto *page = new QWidget(m_frame1);
        page->setObjectName(QLatin1String(name));
        page->setGeometry(scale.toPixels(0, 480, width, 7575));
        return page;
    };
    m_frame2 = makePage("Frame2", 8055);
    m_frame3 = makePage("Frame3", 8415);
    m_frame4 = makePage("Frame4", 8415);
    buildSystemPage();
    showPage(1);
}

void LessonEditor::buildSystemPage()
{
    const TwipsScale &scale = m_context.scale;
    auto place = [&](QWidget *widget, const char *name, double l, double t, double w, double h) {
        widget->setObjectName(QLatin1String(name));
        widget->setGeometry(scale.toPixels(l, t, w, h));
    };
    place(new QLabel(QStringLiteral("单位"), m_frame3), "Label3", 1440, 1320, 855, 375);
    place(new QLabel(QStringLiteral("学科"), m_frame3), "Label2", 1320, 2880, 855, 375);
    place(new QLabel(QStringLiteral("执教"), m_frame3), "Label4", 1320, 4320, 855, 375);
    m_text2 = new QLineEdit(m_frame3);
    place(m_text2, "Text2", 2520, 1320, 3495, 375);
    m_combo1 = new QComboBox(m_frame3);
    m_combo1->setEditable(true);
    place(m_combo1, "Combo1", 2400, 2880, 1455, 330);
    m_combo2 = new QComboBox(m_frame3);
    m_combo2->setEditable(true);
    place(m_combo2, "Combo2", 4080, 2880, 1935, 330);
    m_text3 = new QLineEdit(m_frame3);
    place(m_text3, "Text3", 2400, 4320, 3495, 375);
}

void LessonEditor::load()
{}

void LessonEditor::prepareSystemPageForFirstStart()
{
    m_frame2->hide();
    m_frame3->show();
    m_frame4->hide();
    m_combo1->clear();
    m_combo1->addItems(kStages);
    m_combo1->setCurrentText(kStages.first());
    m_combo2->clear();
    m_combo2->addItems(kHighSchoolSubjects);
    m_combo2->setCurrentText(kHighSchoolSubjects.first());
    pageButton(2)->setChecked(true);
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

void LessonEditor::closeEvent(QCloseEvent *event)
{
    event->ignore();
    m_context.flow.load(ScreenId::Home);
    m_context.flow.unload(ScreenId::Editor);
    m_context.flow.show(ScreenId::Home);
}
