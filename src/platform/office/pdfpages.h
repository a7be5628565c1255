#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QPdfDocument;

// PDF pages as every PDF viewer shows them: on white paper. Qt PDF leaves
// what a page does not paint transparent, and word processors paint no page
// background, so without the paper such a page is black text on the dark pane.
// The deck pane shows pages through here and the lesson check judges them here.
namespace pdfpages {

// Loads `path` into `pdf`: empty, or why it cannot be read, in a teacher's words.
QString load(QPdfDocument &pdf, const QString &path);

// Page `page` (from 0) at `size` pixels on white; a null image when the page
// cannot be rendered (a page object the file lacks, a size too large).
QImage render(QPdfDocument &pdf, int page, const QSize &size);

// Loads `path` and renders each page small, as the deck pane would: empty
// when every page shows, else why the first that does not fails.
QString problem(const QString &path);

// The words for a page that cannot be shown (`page` from 0).
QString pageProblem(int page);

} // namespace pdfpages
