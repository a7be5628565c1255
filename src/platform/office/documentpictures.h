#pragma once

#include <memory>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

class QTextDocument;
class QUrl;

// The pictures of a converted document: the files the conversion wrote beside
// its page and nothing else (a document may name any file; it is shown only
// what lies in its own folder), decoded when first drawn and kept.
class DocumentPictures
{
public:
    explicit DocumentPictures(QString folder);

    // The picture a page names `name`: a null image for a name outside the
    // folder, or for a file that is no picture.
    QImage picture(const QUrl &name);
    // Its size in pixels, read from its header; invalid as for picture().
    QSize size(const QUrl &name) const;

    // An empty document that draws its pictures from `pictures` alone, which
    // it then shares: Qt would otherwise read whatever file a name gives.
    static std::unique_ptr<QTextDocument> newDocument(std::shared_ptr<DocumentPictures> pictures);

private:
    QString fileOf(const QUrl &name) const;

    QString m_folder;
    QHash<QString, QImage> m_decoded;
};
