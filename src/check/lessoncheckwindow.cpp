#include "lessoncheckwindow.h"

#include "base/appcontext.h"
#include "check/logic/checkreport.h"
#include "lesson/configfile.h"
#include "lesson/lessonfix.h"
#include "lessonchecker.h"
#include "platform/messagebox.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const int kIndexRole = Qt::UserRole;
const int kCandidateRole = Qt::UserRole + 1;
const char *const kTitle = "检查课件";

QColor statusColour(CheckItem::Status status)
{
    switch (status) {
    case CheckItem::Status::Found:
        return QColor(0x1b, 0x7a, 0x2f);
    case CheckItem::Status::Missing:
    case CheckItem::Status::Unplayable:
        return QColor(0xc0, 0x20, 0x20);
    case CheckItem::Status::Pending:
        break;
    }
    return QColor(0x60, 0x60, 0x60);
}

} // namespace

LessonCheckWindow::LessonCheckWindow(AppContext &context, QString lessonPath, QWidget *parent)
    : QDialog(parent), m_context(context), m_lessonPath(std::move(lessonPath)),
      m_checker(
          new LessonChecker(context.book, *context.platform.mediaProbe, *context.platform.documents, this))
{
    setObjectName(QStringLiteral("frmCheck"));
    setWindowTitle(QString::fromUtf8(kTitle) + QStringLiteral(" - ") + QFileInfo(m_lessonPath).fileName());
    resize(760, 420);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("CheckSummary"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("CheckList"));
    m_list->setHeaderLabels({QStringLiteral("结果"), QStringLiteral("字段"), QStringLiteral("课件中的文件名"),
                             QStringLiteral("本机文件 / 原因")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("CheckProgress"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_use = buttons->addButton(QStringLiteral("改用所选文件"), QDialogButtonBox::ActionRole);
    m_use->setObjectName(QStringLiteral("UseCandidate"));
    m_use->setEnabled(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list);
    layout->addWidget(m_progress);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(m_use, &QPushButton::clicked, this, &LessonCheckWindow::useCandidate);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &LessonCheckWindow::selectionChanged);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &LessonCheckWindow::useCandidate);
    connect(m_checker, &LessonChecker::itemChecked, this, &LessonCheckWindow::showItem);
    connect(m_checker, &LessonChecker::progress, this, [this](int done, int total) {
        m_progress->setRange(0, qMax(total, 1));
        m_progress->setValue(total == 0 ? 1 : done);
        m_summary->setText(done < total ? QStringLiteral("正在检查…（%1/%2）").arg(done).arg(total)
                                        : QStringLiteral("检查完毕：共 %1 项。").arg(total));
    });
    connect(m_checker, &LessonChecker::finished, this, [this] {
        const bool allWell = checkreport::exitCode(m_checker->items()) == 0;
        m_summary->setText(allWell ? QStringLiteral("检查完毕：课件用到的文件都能正常使用。")
                                   : QStringLiteral("检查完毕：有文件缺少或不能播放，见下表。"));
    });

    QString error;
    if (!m_checker->start(m_lessonPath, &error)) {
        m_summary->setText(error);
        return;
    }
    for (int i = 0; i < m_checker->items().size(); ++i) {
        auto *row = new QTreeWidgetItem(m_list);
        row->setData(0, kIndexRole, i);
        showItem(i);
    }
    if (m_checker->items().isEmpty())
        m_summary->setText(QStringLiteral("这个课件没有用到任何文件。"));
}

LessonCheckWindow::~LessonCheckWindow() = default;

void LessonCheckWindow::showItem(int index)
{
    QTreeWidgetItem *row = m_list->topLevelItem(index);
    if (!row)
        return;
    const CheckItem &item = m_checker->items().at(index);
    row->setText(0, checkreport::statusText(item.status));
    row->setForeground(0, statusColour(item.status));
    row->setText(1, lessonmedia::fieldCaption(item.field));
    row->setText(2, item.stored);
    row->setText(3, item.reason.isEmpty() ? lessonmedia::shownFile(item) : item.reason);
    qDeleteAll(row->takeChildren());
    for (const QString &candidate : item.candidates) {
        auto *child = new QTreeWidgetItem(row, {QStringLiteral("同名文件"), QString(), QString(), candidate});
        child->setData(0, kIndexRole, index);
        child->setData(0, kCandidateRole, candidate);
    }
    row->setExpanded(!item.candidates.isEmpty());
}

void LessonCheckWindow::selectionChanged()
{
    const QTreeWidgetItem *current = m_list->currentItem();
    m_use->setEnabled(current && !current->data(0, kCandidateRole).toString().isEmpty());
}

void LessonCheckWindow::useCandidate()
{
    const QTreeWidgetItem *current = m_list->currentItem();
    const QString candidate = current ? current->data(0, kCandidateRole).toString() : QString();
    if (candidate.isEmpty())
        return;
    MessageBox &box = *m_context.platform.messageBox;
    const QString title = QString::fromUtf8(kTitle);
    if (configfile::formOf(m_lessonPath) != configfile::Form::Line) {
        box.show(QStringLiteral("只有 .spz 课件可以在这里修改，请在“设置”中重新选择文件。"), title,
                 MessageBox::Icon::Warning, MessageBox::Buttons::Ok);
        return;
    }
    const int index = current->data(0, kIndexRole).toInt();
    const CheckItem item = m_checker->items().at(index);
    const QString &documentField = m_checker->fields()[slot::DocumentFile];
    const bool keepFullNames = LessonBook::isAbsoluteName(documentField.trimmed());
    const QString stored = lessonfix::storedName(item.field, candidate, m_context.book, keepFullNames);
    // Names below a root are all the lesson file can hold for this field.
    if (stored.isEmpty())
        return;
    const QString question =
        QStringLiteral("将课件“%1”第 %2 行（%3）中的\n\n    %4\n\n改为\n\n    %5\n\n确定吗？")
            .arg(QFileInfo(m_lessonPath).fileName())
            .arg(item.field + 1)
            .arg(lessonmedia::fieldCaption(item.field), item.stored, stored);
    if (box.show(question, title, MessageBox::Icon::Question, MessageBox::Buttons::YesNo) !=
        MessageBox::Answer::Yes)
        return;
    QString error;
    if (!lessonfix::rewrite(m_lessonPath, item.field, item.entry, stored, &error)) {
        box.show(QStringLiteral("课件没有改动：") + error, title, MessageBox::Icon::Warning,
                 MessageBox::Buttons::Ok);
        return;
    }
    m_checker->recheck(index, stored, candidate);
    showItem(index);
}
