#include "lessonchecker.h"

#include "lesson/configfile.h"
#include "lesson/filekinds.h"
#include "platform/documentconverter.h"
#include "platform/mediaprobe.h"
#include "platform/office/pdfpages.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QThreadPool>

namespace {

// A PDF deck is shown as it is, never converted: its pages are judged as the
// deck pane renders them.
QString pdfDeckProblem(const CheckItem &item)
{
    QFile file(item.path);
    if (item.kind != MediaKind::Deck || !file.open(QIODevice::ReadOnly) ||
        filekinds::identify(file) != filekinds::Content::Pdf)
        return QString();
    return pdfpages::problem(item.path);
}

} // namespace

LessonChecker::LessonChecker(LessonBook book, MediaProbe &probe, DocumentConverter &converter,
                             QObject *parent)
    : QObject(parent), m_book(std::move(book)), m_probe(probe), m_converter(converter)
{
    // The converter is shared with the desktop: only the document asked for here counts.
    connect(&m_converter, &DocumentConverter::opened, this,
            [this](const ConvertedDocument &document) { converted(document.source, QString()); });
    connect(&m_converter, &DocumentConverter::failed, this, &LessonChecker::converted);
}

bool LessonChecker::start(const QString &lessonPath, QString *error)
{
    const QStringList lessonEndings = {QStringLiteral("spz"), QStringLiteral("txt")};
    if (configfile::formOf(lessonPath, lessonEndings) == configfile::Form::Unknown) {
        *error = QStringLiteral("不是课件文件（.spz、.gsx 或 .txt）：") + lessonPath;
        return false;
    }
    m_fields = LessonRecord();
    if (!configfile::read(lessonPath, m_fields, error, lessonEndings))
        return false;
    m_items = lessonmedia::itemsOf(m_fields, m_book);
    m_queue.clear();
    for (int i = 0; i < m_items.size(); ++i)
        m_queue.append(i);
    m_next = 0;
    m_done = 0;
    emit progress(0, int(m_items.size()));
    checkNext();
    return true;
}

void LessonChecker::recheck(int index, const QString &stored, const QString &path)
{
    CheckItem &item = m_items[index];
    item.stored = stored;
    item.path = path;
    item.status = CheckItem::Status::Pending;
    item.reason.clear();
    item.candidates.clear();
    m_queue.append(index);
    --m_done;
    checkNext();
}

void LessonChecker::checkNext()
{
    if (m_busy)
        return;
    if (m_next >= m_queue.size()) {
        emit finished();
        return;
    }
    m_busy = true;
    const int index = m_queue.at(m_next++);
    const CheckItem item = m_items.at(index);
    const QString root = lessonmedia::candidateRoot(item.field, m_book);
    QPointer<LessonChecker> self(this);
    // Looking through the folders and reading files may take a moment.
    QThreadPool::globalInstance()->start([self, index, item, root] {
        const bool exists = QFileInfo(item.path).isFile();
        QString reason = exists ? mediacontent::check(item.kind, item.path) : QString();
        if (exists && reason.isEmpty())
            reason = pdfDeckProblem(item);
        const mediacontent::BackEnd backEnd =
            exists ? mediacontent::backEndFor(item.kind, item.path) : mediacontent::BackEnd::None;
        const QStringList candidates = exists ? QStringList() : lessonmedia::sameNameFiles(item.path, root);
        if (self)
            QMetaObject::invokeMethod(
                self,
                [self, index, exists, reason, backEnd, candidates] {
                    if (self)
                        self->examined(index, exists, reason, backEnd, candidates);
                },
                Qt::QueuedConnection);
    });
}

void LessonChecker::examined(int index, bool exists, const QString &contentReason,
                             mediacontent::BackEnd backEnd, const QStringList &candidates)
{
    CheckItem &item = m_items[index];
    if (!exists) {
        item.candidates = candidates;
        settle(index, CheckItem::Status::Missing, QString());
        return;
    }
    if (!contentReason.isEmpty() || backEnd == mediacontent::BackEnd::None) {
        settle(index, contentReason.isEmpty() ? CheckItem::Status::Found : CheckItem::Status::Unplayable,
               contentReason);
        return;
    }
    if (backEnd == mediacontent::BackEnd::Converter) {
        m_converting = index;
        m_converter.open(item.path);
        return;
    }
    m_probe.probe(item.kind, item.path, this, [this, index](const QString &reason) {
        settle(index, reason.isEmpty() ? CheckItem::Status::Found : CheckItem::Status::Unplayable, reason);
    });
}

void LessonChecker::converted(const QString &source, const QString &reason)
{
    if (m_converting < 0 || m_items.at(m_converting).path != source)
        return;
    const CheckItem &item = m_items.at(m_converting);
    // The deck pane plays a deck whose show cannot be made as its still pages:
    // so is it judged.
    if (!reason.isEmpty() && item.kind == MediaKind::Deck && m_showProblem.isEmpty()) {
        m_showProblem = reason;
        m_converter.open(item.path, DocumentConverter::Urgency::Teacher, DocumentConverter::Form::Pages);
        return;
    }
    const int index = std::exchange(m_converting, -1);
    const QString showProblem = std::exchange(m_showProblem, QString());
    if (!showProblem.isEmpty())
        settle(index, reason.isEmpty() ? CheckItem::Status::Found : CheckItem::Status::Unplayable,
               reason.isEmpty() ? QStringLiteral("只能按静态页面播放（动画无法播放：%1）").arg(showProblem)
                                : showProblem);
    else
        settle(index, reason.isEmpty() ? CheckItem::Status::Found : CheckItem::Status::Unplayable, reason);
}

void LessonChecker::settle(int index, CheckItem::Status status, const QString &reason)
{
    m_items[index].status = status;
    m_items[index].reason = reason;
    m_busy = false;
    ++m_done;
    emit itemChecked(index);
    emit progress(m_done, int(m_items.size()));
    checkNext();
}
