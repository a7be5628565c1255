#pragma once

#include "platform/fakeplatform.h"
#include "shell/appcontext.h"
#include "shell/screenflow.h"
#include "shell/sharedstate.h"

#include <memory>
#include <QTemporaryDir>

class LessonEditor;

// A program folder in a temporary directory, scripted dialogs and the real screen flow.
struct EditorFixture {
    EditorFixture();

    // Loads and shows the editor the way the home screen's "设置" does.
    LessonEditor *openEditor();
    // A file below the program folder, created with its folders.
    QString makeFile(const QString &relativePath, const QByteArray &bytes = QByteArray());

    QTemporaryDir dir;
    QString programFolder;
    FakePlatform fake;
    SharedState state;
    ScreenFlow flow;
    std::unique_ptr<AppContext> context;
};
