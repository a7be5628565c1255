#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes the program folder's set/ tree: pictures, pointers, toolbar pictures, music, Flash
// movies, the sayings file and the font aliases. Same inputs, same bytes.
class SetFolderWriter
{
public:
    // `fortunesFolder` holds fortunes-zh's tang300 and song100 collections.
    SetFolderWriter(QString setFolder, QString fortunesFolder);

    // Stops at the first failure; `error` then says what failed.
    bool writeAll(QString *error);

    // Sayings on the odd lines: at least 1687 lines, as the closing screen draws up to line 1687.
    static constexpr int SayingCount = 844;

private:
    bool writePictures();
    bool writeToolbarIcons();
    bool writeMusic();
    bool writeMovies();
    bool writeSayings();
    bool writeFile(const QString &relativePath, const QByteArray &bytes);
    bool writeImage(const QString &relativePath, const QImage &image, const char *format);
    QString path(const QString &relativePath) const;

    QString m_setFolder;
    QString m_fortunesFolder;
    QString m_error;
};
