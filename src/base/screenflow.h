#pragma once

#include <functional>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

// The windows of the program.
enum class ScreenId {
    Home,    // Form1
    Cover,   // Form2
    Desktop, // Form3
    Closing, // Form4
    Editor,  // Form5
    About,   // frmSplash
    Browser, // frmBrowser
    LessonCheck,
};

// A window with a load step, run each time the window is (re)created.
class Screen
{
public:
    virtual ~Screen() = default;
    virtual void load() = 0;
};

// The editor's first-start entry, so that the home screen can open the editor on
// its settings page without knowing the editor's window.
class FirstStartScreen
{
public:
    virtual ~FirstStartScreen() = default;
    virtual void prepareSystemPageForFirstStart() = 0;
};

// Creates windows when they are loaded and destroys them when they are unloaded.
// Loading a window that is not loaded creates it afresh and runs its load step;
// the program ends when the last window is unloaded.
class ScreenFlow : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<QWidget *()>;
    using ChildFactory = std::function<QWidget *(QWidget *parent)>;

    void registerScreen(ScreenId id, Factory factory);
    // A window that belongs to another one and of which several may be open (the
    // browser, the lesson check): opened and shown by the factory, never tracked.
    void registerChildWindow(ScreenId id, ChildFactory factory);
    QWidget *openChildWindow(ScreenId id, QWidget *parent);

    // Loads the window (if not loaded) without showing it; none once the program has ended.
    QWidget *load(ScreenId id);
    // Loads (if needed) and makes the window visible.
    QWidget *show(ScreenId id);
    // Hides and destroys the window. Unloading the last window ends the program.
    void unload(ScreenId id);

    QWidget *window(ScreenId id) const;
    bool isLoaded(ScreenId id) const { return window(id) != nullptr; }

    template<typename T>
    T *windowAs(ScreenId id) const
    {
        return qobject_cast<T *>(window(id));
    }

    // Ends the program at once: every window goes.
    void endProgram();

signals:
    // After the window's load step, when the step left the window loaded.
    void screenLoaded(ScreenId id);
    void programEnded();

private:
    void forget(ScreenId id);

    QHash<ScreenId, Factory> m_factories;
    QHash<ScreenId, ChildFactory> m_childFactories;
    QHash<ScreenId, QPointer<QWidget>> m_windows;
    bool m_ended = false;
};

inline size_t qHash(ScreenId id, size_t seed = 0)
{
    return ::qHash(int(id), seed);
}
