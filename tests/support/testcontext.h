#pragma once

// A program set up for window tests: a temporary program folder and settings
// folder, the fake platform, the shared state and the screen flow with the
// program's screens registered.

#include "app/screenregistry.h"
#include "base/appcontext.h"
#include "base/screenflow.h"
#include "base/screenroles.h"
#include "base/sharedstate.h"
#include "fakes/fakeplatform.h"

#include <memory>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class TestContext
{
public:
    TestContext()
        : context{state,
                  fakes.services(),
                  LessonBook(programDir.path()),
                  configDir.filePath(QStringLiteral("Veltano/Dravik.dll")),
                  flow,
                  TwipsScale(96, 96),
                  screens}
    {
        registerScreens(context);
        QObject::connect(&flow, &ScreenFlow::programEnded, [this] { ended = true; });
    }

    // The windows go with the context they were given: left behind, shown,
    // their timers would reach a context that is gone.
    ~TestContext()
    {
        flow.endProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Writes a settings file whose record 2 holds the three texts.
    void writeSettings(const Settings &settings)
    {
        const SettingsFile file(context.settingsPath);
        file.create();
        file.write(settings);
    }

    // Copies a file into the program folder, creating folders on the way.
    QString install(const QString &source, const QString &relative)
    {
        const QString target = programDir.filePath(relative);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
        return target;
    }

    // Writes a file below the program folder, creating folders on the way.
    QString write(const QString &relative, const QByteArray &bytes = QByteArray())
    {
        const QString path = programDir.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }

    QString programFolder() const { return programDir.path(); }

    QTemporaryDir programDir;
    QTemporaryDir configDir;
    FakePlatform fakes;
    SharedState state;
    ScreenFlow flow;
    ScreenRoles screens{ProgramSettings(configDir.filePath(QStringLiteral("Veltano")))};
    AppContext context;
    bool ended = false;
};
