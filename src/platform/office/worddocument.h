#pragma once

#include "platform/documentconverter.h"

#include <memory>
#include <QList>
#include <QString>

class DocumentPictures;
class QSizeF;
class QTextDocument;

// The word processor's document, standing in for Word behind the desktop's
// document panes: one text block per paragraph, formatted as the source was
// (bold, colour, alignment, faces), from which runs of paragraphs are copied
// at a given type size.
class WordDocument
{
public:
    ~WordDocument();

    // Reads a converted document; nullptr and `problem` set when it cannot be read.
    static std::unique_ptr<WordDocument> load(const ConvertedDocument &converted, QString *problem);

    int paragraphCount() const;
    // For each paragraph in order, the table it lies in (the outermost one
    // where tables nest; the same number for all its cells) or -1.
    QList<int> paragraphTables() const;
    // Paragraphs `first` to `last` (counting from 1, both included) with every
    // character at `points`; the formatting of the source is kept otherwise.
    // A table the range begins or ends in comes whole.
    std::unique_ptr<QTextDocument> copyRange(int first, int last, double points) const;
    // The whole document at `points`.
    std::unique_ptr<QTextDocument> copyAll(double points) const;
    // Copies show the source's pictures grown with their type: the source's
    // size at the source's usual type size, 12 points.
    // The document as read, sizes of the source kept.
    const QTextDocument &document() const { return *m_document; }
    // An empty document that draws this document's pictures and no other file,
    // for a widget that shows a copy of it.
    std::unique_ptr<QTextDocument> newFrame() const;

    // Gives every character of `document` the size `points`.
    static void setPointSize(QTextDocument &document, double points);
    // Gives the characters of `document` that have no size of their own its
    // default size, which they then keep in a widget of another font.
    static void pinDefaultSize(QTextDocument &document);
    // Shrinks the pictures of `document` larger than `room` (pixels) to fit
    // it, keeping their shape.
    static void fitPictures(QTextDocument &document, const QSizeF &room);

private:
    WordDocument(std::unique_ptr<QTextDocument> document, std::shared_ptr<DocumentPictures> pictures);
    // A copy of the source at `points`, its pictures served and grown to match.
    void sized(QTextDocument &copy, double points) const;

    std::unique_ptr<QTextDocument> m_document;
    std::shared_ptr<DocumentPictures> m_pictures;
};
