#include "editorfixture.h"

#include "editor/lessoneditor.h"
#include "shell/screenregistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

EditorFixture::EditorFixture()
{
    programFolder = dir.filePath(QStringLiteral("veltano"));
    QDir().mkpath(programFolder);
    const QString settingsPath = dir.filePath(QStringLiteral("config/Veltano/Dravik.dll"));
    context.reset(
        new AppContext{state, fake.services(), LessonBook(programFolder), settingsPath, flow, TwipsScale()});
    registerScreens(*context);
}

LessonEditor *EditorFixture::openEditor()
{
    return qobject_cast<LessonEditor *>(flow.show(ScreenId::Editor));
}

QString EditorFixture::makeFile(const QString &relativePath, const QByteArray &bytes)
{
    const QString path = programFolder + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}
