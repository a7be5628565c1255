#pragma once

#include <memory>
#include <QString>
#include <QUrl>

class FlashHostPages;
class QWebEngineProfile;

// The program's use of Qt WebEngine. Nothing of the engine starts until the
// first page needs it (a browser window or a Flash movie): profile() starts it
// and applies the program's settings once.
class WebEngine
{
public:
    // `webFolder` holds the program's own pages and the Flash emulator.
    explicit WebEngine(QString webFolder);
    ~WebEngine();

    QWebEngineProfile *profile();
    bool started() const { return m_profile != nullptr; }
    // The pages the Flash emulator runs in, one perhaps loaded ahead.
    FlashHostPages &flashHostPages();

    const QString &webFolder() const { return m_webFolder; }
    QUrl homePage() const;
    QUrl flashHostPage() const;
    // The emulator's loader; without it no movie can play.
    QString flashEmulator() const;

private:
    QString m_webFolder;
    QWebEngineProfile *m_profile = nullptr;
    std::unique_ptr<FlashHostPages> m_flashHostPages;
};
