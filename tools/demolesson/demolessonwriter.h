#pragma once

#include "officeconverter.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes the demo lesson into a program folder: its media into 备课本/示例/ and
// the lesson file 备课本/配置区/示例/示例课.spz that names them all, as the
// lesson editor would have saved it in that folder.
class DemoLessonWriter
{
public:
    explicit DemoLessonWriter(QString programFolder);

    // Stops at the first failure; `error` then says what failed.
    bool writeAll(QString *error);

private:
    bool writeDocuments();
    bool writeTexts();
    bool writeMovies();
    bool writeSound();
    bool writeVideo();
    bool writePictures();
    bool writeLesson();
    bool writeFile(const QString &name, const QByteArray &bytes);
    QString mediaPath(const QString &name) const;

    QString m_programFolder;
    OfficeConverter m_office;
    QString m_error;
};
