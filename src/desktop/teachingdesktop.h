#pragma once

#include "base/randomsource.h"
#include "base/screenflow.h"
#include "desktop/logic/desktopstate.h"
#include "desktop/logic/placementdispatch.h"
#include "desktop/panes/paneservices.h"

#include <functional>
#include <optional>
#include <QColor>
#include <QHash>
#include <QMainWindow>
#include <QMap>

struct AppContext;
class DesktopKeys;
class DesktopMenus;
class DesktopToolbar;
class DocumentContainer;
class Pane;
class QLabel;
class QPlainTextEdit;

// The teaching desktop (Form3): the work area Frame1 with the panes, the strip
// Frame2 with the toolbar and the input box, the menu tree, the current pane
// kind and the commands that belong to the desktop as a whole. Panes plug in
// through registerPane() and setToolbarAction().
class TeachingDesktop : public QMainWindow, public Screen
{
    Q_OBJECT
public:
    explicit TeachingDesktop(AppContext &context, RandomSource random = {}, QWidget *parent = nullptr);

    // How long after the desktop shows the web engine of a lesson with Flash
    // movies or a web address starts in the background: the desktop paints
    // and takes its first clicks before.
    static constexpr int kPrepareWebAfterMs = 1000;

    // Desktop start-up.
    void load() override;

    AppContext &context() const { return m_context; }
    // The part of the context the panes are handed.
    const PaneServices &paneServices() const { return m_paneServices; }
    DesktopState &desktopState() { return m_state; }
    const FullArea &fullArea() const { return m_state.fullArea; }
    QWidget *workArea() const { return m_workArea; }
    QWidget *strip() const { return m_strip; }
    DesktopMenus &menus() const { return *m_menus; }
    DesktopToolbar *toolbar() const { return m_toolbar; }
    DesktopKeys &keys() const { return *m_keys; }
    QPlainTextEdit *inputBox() const { return m_inputBox; }
    QLabel *backgroundPicture() const { return m_backgroundPicture; }
    QColor backColour() const { return m_backColour; }

    // The kind of the pane the teacher touched last (none before any); the
    // caption of ClickTs shows its tag.
    std::optional<PaneKind> currentPaneKind() const { return m_state.currentPaneKind; }
    void setCurrentPaneKind(PaneKind kind);

    // A pane of the desktop: it records itself as the current pane kind, gets
    // its start-up place, and is what the kind's commands act on.
    void registerPane(Pane *pane);
    Pane *pane(PaneKind kind) const;
    // The document containers: OLE1 over the whole work area, OLE2 the movable Word pane.
    Pane *ole1() const { return m_ole1; }
    Pane *ole2() const { return m_ole2; }
    // Wires the kind's position items (and its hide item, when that is the
    // plain Visible = false) to the pane's standard placement.
    void connectStandardPlacement(Pane *pane, bool standardHideItem = true);

    // What a toolbar button with this key does; the key must be a button's.
    void setToolbarAction(const QString &key, std::function<void()> action);

    void runBarCommand(BarCommand command);
    void Toolbar1_ButtonClick(const QString &key);
    void Backcolour_Click();
    void BackImage_Click();
    void ExeOpen_Click();
    void AboutMe_Click();
    void SysEnd_Click();
    // Asks the exit question; true when the desktop went away.
    bool Form_Unload();

signals:
    // Start-up has run: the lesson's lists and FullArea are in place.
    void loaded();
    // The teacher confirmed leaving; the closing screen is already up.
    void leaving();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildFrames();
    void createPanes();
    void wireCommands();
    void setBackColour(const QColor &colour);
    void fitToolbar();
    TwipsRect layOutFrames();
    void fitScreen();
    void placeStrip(const TwipsRect &frame2);
    void placeInputBox();
    void applyPlace(PaneKind kind, const TwipsRect &rect);
    void hidePane(PaneKind kind);
    void MyProgram();
    void prepareWeb();

    AppContext &m_context;
    PaneServices m_paneServices;
    RandomSource m_random;
    DesktopState m_state;
    QWidget *m_client;
    QWidget *m_workArea;
    QWidget *m_strip;
    QLabel *m_backgroundPicture;
    DesktopToolbar *m_toolbar;
    QPlainTextEdit *m_inputBox;
    DesktopMenus *m_menus;
    DesktopKeys *m_keys;
    Pane *m_ole1 = nullptr;
    Pane *m_ole2 = nullptr;
    QMap<PaneKind, Pane *> m_panes;
    QHash<QString, std::function<void()>> m_toolbarActions;
    QColor m_backColour;
    // The lesson's web engine is still to be started once the desktop shows.
    bool m_webToPrepare = false;
    float m_inputBoxTop = 0;
    float m_inputBoxHeight = 0;
};
