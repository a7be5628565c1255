#include "fakeplatform.h"

#include "filesel/selectfileinfo.h"

#include <QFileInfo>

void FakeFileDialog::answer(const QStringList &paths)
{
    m_answers.enqueue(paths);
}

OpenFileResult FakeFileDialog::getOpenFile(const OpenFileRequest &request)
{
    requests.append(request);
    if (onOpen)
        onOpen(request);
    OpenFileResult result;
    const QStringList paths = m_answers.isEmpty() ? QStringList() : m_answers.dequeue();
    if (paths.isEmpty())
        return result;
    result.cancelled = false;
    result.paths = paths;
    QStringList names;
    for (const QString &path : paths)
        names.append(QFileInfo(path).fileName());
    result.text = paths.size() == 1 ? paths.first() : selectionText(QFileInfo(paths.first()).path(), names);
    return result;
}

MessageBox::Answer FakeMessageBox::show(const QString &text, const QString &title, Icon icon, Buttons buttons)
{
    shown.append({text, title, icon, buttons});
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::No;
}

std::optional<QColor> FakeChoiceDialogs::chooseColor(const QColor &)
{
    ++colorRequests;
    return nextColor;
}

std::optional<QFont> FakeChoiceDialogs::chooseFont(const QFont &)
{
    ++fontRequests;
    return nextFont;
}

bool FakeLauncher::start(const QString &program)
{
    started.append(program);
    return true;
}

PlatformServices FakePlatform::services()
{
    PlatformServices services;
    services.fileDialog = &fileDialog;
    services.messageBox = &messageBox;
    services.choiceDialogs = &choiceDialogs;
    services.launcher = &launcher;
    services.mediaPlayers = &mediaPlayers;
    services.mediaProbe = &mediaProbe;
    services.documents = &documents;
    services.flashPlayers = &flashPlayers;
    services.deckPlayers = &deckPlayers;
    services.webBrowsers = &webBrowsers;
    return services;
}
