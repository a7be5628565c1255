#include "cachedconverter.h"

#include "conversionbackend.h"
#include "lesson/filekinds.h"
#include "lesson/namedfile.h"
#include "pdfpages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfDocument>
#include <QTimer>

namespace {

QString formatName(filekinds::Conversion conversion)
{
    switch (conversion) {
    case filekinds::Conversion::Html:
        return QStringLiteral("html");
    case filekinds::Conversion::Pdf:
        return QStringLiteral("pdf");
    case filekinds::Conversion::None:
        break;
    }
    return QString();
}

ConvertedDocument::Format formatOf(const QString &format)
{
    if (format == QLatin1String("svg"))
        return ConvertedDocument::Format::Show;
    return format == QLatin1String("pdf") ? ConvertedDocument::Format::Pdf : ConvertedDocument::Format::Html;
}

// The office suite opened nothing or made nothing of it, as opposed to being
// missing, dying or meeting a password.
bool officeRefused(const QString &reason)
{
    return reason == QStringLiteral("LibreOffice 无法打开该文件") ||
           reason == QStringLiteral("LibreOffice 未能转换该文件") ||
           reason == QStringLiteral("转换结果无法读取");
}

} // namespace

CachedDocumentConverter::CachedDocumentConverter(DocumentCache cache, ConversionBackEnd *backEnd,
                                                 QObject *parent)
    : DocumentConverter(parent), m_cache(std::move(cache)), m_backEnd(backEnd)
{
    m_backEnd->setParent(this);
    connect(m_backEnd, &ConversionBackEnd::finished, this, &CachedDocumentConverter::onFinished);
    connect(m_backEnd, &ConversionBackEnd::firstPagesReady, this, [this](int id) {
        const auto found = m_conversions.constFind(id);
        if (found == m_conversions.constEnd())
            return;
        for (const QString &source : found->sources)
            emit stillPages(ConvertedDocument{source, found->workFolder + QStringLiteral("/first.pdf"),
                                              ConvertedDocument::Format::Pdf});
    });
}

QString CachedDocumentConverter::signatureProblem(const QString &suffix, const QByteArray &content)
{
    QByteArray bytes = content;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return filekinds::contentProblem(suffix, filekinds::identify(buffer));
}

void CachedDocumentConverter::open(const QString &path, Urgency urgency, Form form)
{
    QString suffix = QFileInfo(path).suffix().toLower();
    QFile file(path);
    if (const QString why = namedfile::open(file, MediaKind::Document); !why.isEmpty()) {
        later([this, path, why, exists = file.exists()] {
            emit failed(path, exists ? why : QStringLiteral("找不到文件"));
        });
        return;
    }
    if (suffix == QLatin1String("txt")) {
        // A rich text (or a Word text) saved as ".txt" is still shown as rich
        // text, as the rich-text control does.
        const filekinds::Content kind = filekinds::identify(file);
        if (!filekinds::isRichText(kind)) {
            ConvertedDocument document{path, path, ConvertedDocument::Format::PlainText};
            later([this, document] { emit opened(document); });
            return;
        }
        suffix = filekinds::officeSuffix(suffix, kind, filekinds::Conversion::Html);
    }
    const filekinds::Conversion conversion = filekinds::conversionFor(suffix);
    // A deck plays as its author made it: a slide show, its builds and all.
    const QString format = conversion == filekinds::Conversion::Pdf && form == Form::Usual
                               ? QStringLiteral("svg")
                               : formatName(conversion);
    if (format.isEmpty()) {
        later([this, path] { emit failed(path, QStringLiteral("不能打开这种类型的文件")); });
        return;
    }
    filekinds::Content kind = filekinds::identify(file);
    // LibreOffice takes any bytes for plain text and reports success.
    const QString problem = filekinds::contentProblem(suffix, kind);
    if (!problem.isEmpty()) {
        later([this, path, problem] { emit failed(path, problem); });
        return;
    }
    if (kind == filekinds::Content::Pdf) {
        openPdf(path);
        return;
    }
    file.seek(0);
    const QByteArray content = file.readAll();
    kind = filekinds::refine(suffix, kind, content);
    const QString key = DocumentCache::key(content);
    const QString cached = m_cache.find(key, format);
    if (!cached.isEmpty()) {
        ConvertedDocument document{path, cached, formatOf(format)};
        later([this, document] { emit opened(document); });
        return;
    }
    const QString known = m_cache.failure(key, format);
    if (!known.isEmpty()) {
        later([this, path, known] { emit failed(path, known); });
        return;
    }
    const bool urgent = urgency == Urgency::Teacher;
    for (auto running = m_conversions.begin(); running != m_conversions.end(); ++running) {
        if (running->key != key || running->format != format)
            continue;
        if (!running->sources.contains(path))
            running->sources.append(path);
        if (urgent && !running->urgent) {
            running->urgent = true;
            m_backEnd->hurry(running.key());
        }
        return;
    }

    const int id = m_nextId++;
    const QString work =
        m_cache.workFolder() +
        QStringLiteral("/%1-%2-%3").arg(QCoreApplication::applicationPid()).arg(id).arg(key.left(16));
    // The input is copied under a fixed name: the output is then always
    // "document.<format>", and the file converted is the content hashed.
    // Named for what it holds, so that the office suite imports it as that.
    const QString input =
        work + QStringLiteral("/in/document.") + filekinds::officeSuffix(suffix, kind, conversion);
    const QString output = work + QStringLiteral("/out");
    QDir().mkpath(work + QStringLiteral("/in"));
    QDir().mkpath(output);
    QFile copy(input);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(content) != content.size()) {
        QDir(work).removeRecursively();
        later([this, path] { emit failed(path, QStringLiteral("缓存文件夹无法写入")); });
        return;
    }
    copy.close();
    m_conversions.insert(id, Conversion{key, format, work, {path}, urgent});
    ++m_started;
    // A slide show comes with the deck's first slides ahead of it, to stand in
    // while the rest is made.
    const QString firstPages =
        format == QLatin1String("svg") ? work + QStringLiteral("/first.pdf") : QString();
    m_backEnd->convert({id, input, format, output, urgent, firstPages});
}

void CachedDocumentConverter::release()
{
    m_backEnd->stopAll();
    for (const Conversion &conversion : std::as_const(m_conversions))
        QDir(conversion.workFolder).removeRecursively();
    m_conversions.clear();
    ++m_generation;
}

void CachedDocumentConverter::onFinished(int id, const QString &problem)
{
    const auto found = m_conversions.constFind(id);
    if (found == m_conversions.constEnd())
        return;
    const Conversion conversion = *found;
    m_conversions.erase(found);

    const QString output = conversion.workFolder + QStringLiteral("/out");
    const QString produced = output + QLatin1Char('/') + DocumentCache::documentName(conversion.format);
    QString reason = problem.isEmpty() ? outputProblem(produced, conversion.format) : problem;
    QString stored;
    if (reason.isEmpty()) {
        stored = m_cache.store(conversion.key, conversion.format, output);
        if (stored.isEmpty())
            reason = QStringLiteral("缓存文件夹无法写入");
        else
            m_cache.trim();
    }
    QDir(conversion.workFolder).removeRecursively();
    // The next request for it is told at once instead of waiting as long again.
    if (reason == ConversionBackEnd::timedOut())
        m_cache.rememberFailure(conversion.key, conversion.format, reason);
    for (const QString &source : conversion.sources) {
        if (reason.isEmpty())
            emit opened(ConvertedDocument{source, stored, formatOf(conversion.format)});
        else
            emit failed(source, officeRefused(reason)
                                    ? filekinds::conversionFailure(QFileInfo(source).suffix(), reason)
                                    : reason);
    }
}

void CachedDocumentConverter::openPdf(const QString &path)
{
    // Qt PDF shows it as it is: nothing to convert, nothing to cache.
    QPdfDocument pdf;
    const QString problem = pdfpages::load(pdf, path);
    if (problem.isEmpty()) {
        ConvertedDocument document{path, path, ConvertedDocument::Format::Pdf};
        later([this, document] { emit opened(document); });
    } else {
        later([this, path, problem] { emit failed(path, problem); });
    }
}

QString CachedDocumentConverter::outputProblem(const QString &file, const QString &format) const
{
    QFile produced(file);
    if (!produced.open(QIODevice::ReadOnly) || produced.size() == 0)
        return QStringLiteral("LibreOffice 未能转换该文件");
    if (format == QLatin1String("pdf")) {
        QPdfDocument pdf;
        if (pdf.load(file) != QPdfDocument::Error::None || pdf.pageCount() < 1)
            return QStringLiteral("转换结果无法读取");
        return QString();
    }
    const QByteArray head = produced.read(4096);
    if (format == QLatin1String("svg"))
        return head.contains("<svg") ? QString() : QStringLiteral("转换结果无法读取");
    return head.contains("<html") || head.contains("<HTML") ? QString() : QStringLiteral("转换结果无法读取");
}

void CachedDocumentConverter::later(std::function<void()> emitter)
{
    QTimer::singleShot(0, this, [this, generation = m_generation, emitter = std::move(emitter)] {
        if (generation == m_generation)
            emitter();
    });
}
