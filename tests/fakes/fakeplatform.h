#pragma once

// Test doubles of the platform interfaces: they answer from a script and record
// what they were asked. For tests only; the program always uses the real ones.

#include "fakedeckplayer.h"
#include "fakedocumentconverter.h"
#include "fakeflashplayer.h"
#include "fakemediaplayer.h"
#include "fakemediaprobe.h"
#include "fakewebbrowser.h"
#include "platform/choicedialogs.h"
#include "platform/filedialog.h"
#include "platform/messagebox.h"
#include "platform/platformservices.h"
#include "platform/programlauncher.h"

#include <functional>
#include <QList>
#include <QQueue>

class FakeFileDialog : public FileDialog
{
public:
    // Queues a choice of full paths (all in one folder); an empty list is a cancel.
    void answer(const QStringList &paths);
    void answerCancel() { answer({}); }
    // Called while the dialog "is open" (e.g. to check the window state).
    std::function<void(const OpenFileRequest &)> onOpen;

    OpenFileResult getOpenFile(const OpenFileRequest &request) override;

    QList<OpenFileRequest> requests;

private:
    QQueue<QStringList> m_answers;
};

class FakeMessageBox : public MessageBox
{
public:
    struct Shown {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
    };
    void answer(Answer answer) { m_answers.enqueue(answer); }
    Answer show(const QString &text, const QString &title, Icon icon, Buttons buttons) override;

    QList<Shown> shown;

private:
    QQueue<Answer> m_answers;
};

class FakeChoiceDialogs : public ChoiceDialogs
{
public:
    std::optional<QColor> nextColor;
    std::optional<QFont> nextFont;
    int colorRequests = 0;
    int fontRequests = 0;
    std::optional<QColor> chooseColor(const QColor &) override;
    std::optional<QFont> chooseFont(const QFont &) override;
};

class FakeLauncher : public ProgramLauncher
{
public:
    bool start(const QString &program) override;
    QStringList started;
};

// All fakes together, wired into a PlatformServices.
struct FakePlatform {
    FakeFileDialog fileDialog;
    FakeMessageBox messageBox;
    FakeChoiceDialogs choiceDialogs;
    FakeLauncher launcher;
    FakeMediaPlayerFactory mediaPlayers;
    FakeMediaProbe mediaProbe;
    FakeDocumentConverter documents;
    FakeFlashPlayerFactory flashPlayers;
    FakeDeckPlayerFactory deckPlayers;
    FakeWebBrowserFactory webBrowsers;
    PlatformServices services();
};
