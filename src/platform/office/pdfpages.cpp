#include "pdfpages.h"

#include <QPainter>
#include <QPdfDocument>

namespace pdfpages {

QString load(QPdfDocument &pdf, const QString &path)
{
    const QPdfDocument::Error error = pdf.load(path);
    if (error == QPdfDocument::Error::IncorrectPassword)
        return QStringLiteral("文件有密码保护");
    if (error != QPdfDocument::Error::None || pdf.pageCount() < 1)
        return QStringLiteral("PDF 文件已损坏，无法读取");
    return QString();
}

QImage render(QPdfDocument &pdf, int page, const QSize &size)
{
    const QImage ink = pdf.render(page, size);
    if (ink.isNull())
        return ink;
    QImage paper(ink.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.drawImage(0, 0, ink);
    return paper;
}

QString problem(const QString &path)
{
    QPdfDocument pdf;
    const QString unreadable = load(pdf, path);
    if (!unreadable.isEmpty())
        return unreadable;
    // Small is enough: a page that renders at all renders at any size the pane asks.
    const int width = 64;
    for (int page = 0; page < pdf.pageCount(); ++page) {
        const QSizeF points = pdf.pagePointSize(page);
        const QSize size = points.isEmpty() ? QSize(width, width)
                                            : points.scaled(width, width, Qt::KeepAspectRatio).toSize();
        if (render(pdf, page, size.expandedTo(QSize(1, 1))).isNull())
            return pageProblem(page);
    }
    return QString();
}

QString pageProblem(int page)
{
    return QStringLiteral("第 %1 页无法显示").arg(page + 1);
}

} // namespace pdfpages
