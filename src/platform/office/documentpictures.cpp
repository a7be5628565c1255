#include "documentpictures.h"

#include "platform/pictures/picturefile.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTextDocument>
#include <QUrl>

namespace {

// A picture on a page is at most a screen wide; a camera's is decoded smaller.
const QSize kLargestShown(1600, 1600);
const qint64 kLargestFile = 64LL * 1024 * 1024;

} // namespace

DocumentPictures::DocumentPictures(QString folder) : m_folder(QFileInfo(folder).canonicalFilePath())
{}

QString DocumentPictures::fileOf(const QUrl &name) const
{
    if (m_folder.isEmpty() || !name.isRelative() || name.path().isEmpty() ||
        name.path().startsWith(QLatin1Char('/')))
        return QString();
    const QFileInfo file(QDir(m_folder).filePath(name.path()));
    const QString real = file.canonicalFilePath();
    if (real.isEmpty() || !real.startsWith(m_folder + QLatin1Char('/')) || !file.isFile() ||
        file.size() > kLargestFile)
        return QString();
    return real;
}

QImage DocumentPictures::picture(const QUrl &name)
{
    const QString file = fileOf(name);
    if (file.isEmpty())
        return QImage();
    auto found = m_decoded.constFind(file);
    if (found == m_decoded.constEnd())
        found = m_decoded.insert(file, readPicture(file, kLargestShown).image);
    return *found;
}

QSize DocumentPictures::size(const QUrl &name) const
{
    const QString file = fileOf(name);
    if (file.isEmpty())
        return QSize();
    QImageReader reader(file);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    return reader.transformation() & QImageIOHandler::TransformationRotate90 ? stored.transposed() : stored;
}

namespace {

class PictureDocument : public QTextDocument
{
public:
    explicit PictureDocument(std::shared_ptr<DocumentPictures> pictures) : m_pictures(std::move(pictures)) {}

protected:
    QVariant loadResource(int type, const QUrl &name) override
    {
        // Always an answer, a null picture too, and never a file of Qt's finding.
        return type == ImageResource ? QVariant(m_pictures->picture(name)) : QVariant();
    }

private:
    std::shared_ptr<DocumentPictures> m_pictures;
};

} // namespace

std::unique_ptr<QTextDocument> DocumentPictures::newDocument(std::shared_ptr<DocumentPictures> pictures)
{
    return std::make_unique<PictureDocument>(std::move(pictures));
}
