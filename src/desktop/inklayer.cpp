#include "inklayer.h"

#include "base/appcontext.h"
#include "base/sharedstate.h"
#include "desktop/desktopmenus.h"
#include "desktop/logic/inkfile.h"
#include "desktop/panes/pane.h"
#include "desktop/teachingdesktop.h"
#include "lesson/atomicfile.h"
#include "lesson/lessonfields.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>
#include <utility>

namespace {

const QColor kFrameColour(255, 140, 0);
const int kFrameWidth = 3;
const int kNoticeMilliseconds = 2000;
// A menu that has just closed may still show in a grab taken at once: the
// panes under it repaint first.
const int kAfterMenuMilliseconds = 150;

QRect pieceRect(const ink::Piece &piece)
{
    const double margin = piece.width / 2 + 2;
    QRectF box(piece.from, piece.to);
    box = box.normalized().united(QRectF(piece.control, piece.control));
    return box.adjusted(-margin, -margin, margin, margin).toAlignedRect();
}

// Under the still no pane may move, change or come unseen: while ink is on
// the menu bar keeps only 批注 (to leave) and the help. `held` remembers what
// was disabled here, so items disabled for reasons of their own stay so.
void holdMenuBar(TeachingDesktop &desktop, bool on, QList<QPointer<QAction>> &held)
{
    if (!on) {
        for (QAction *item : std::as_const(held))
            if (item)
                item->setEnabled(true);
        held.clear();
        return;
    }
    const DesktopMenus &menus = desktop.menus();
    const QAction *annotate = menus.item(QStringLiteral("Annotate"));
    const QAction *help = menus.item(QStringLiteral("SoftHelp"));
    QList<QAction *> items = desktop.menuBar()->actions();
    // The menu that holds 批注 stays open to reach it; its other items go.
    const QMenu *holder = menus.menu(QStringLiteral("Moption"));
    items.removeOne(holder->menuAction());
    items += holder->actions();
    for (QAction *item : std::as_const(items)) {
        if (item == annotate || item == help || item->isSeparator() || !item->isEnabled())
            continue;
        item->setEnabled(false);
        held.append(item);
    }
}

} // namespace

InkLayer::InkLayer(QWidget *area, std::function<QString()> savePath)
    // A window of its own above the desktop's, so that it lies over the
    // panes' native windows (the video's) and over the browser windows the
    // desktop opened, which stand above the desktop.
    : QWidget(area->window(), Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_area(area),
      m_desktop(area->window()), m_savePath(std::move(savePath)), m_menu(new QMenu(this)),
      m_noticeTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("InkLayer"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TabletTracking, false);
    setCursor(Qt::CrossCursor);
    // Its menu comes with the right button's release; no other menu of the
    // window pops up over it.
    setContextMenuPolicy(Qt::PreventContextMenu);
    hide();
    m_noticeTimer->setSingleShot(true);
    m_noticeTimer->setInterval(kNoticeMilliseconds);
    connect(m_noticeTimer, &QTimer::timeout, this, [this] { showNotice(QString()); });
    // Another screen lays the area out afresh: the still no longer fits it.
    m_area->installEventFilter(this);
    // F12 switches ink on from any window of the desktop, the browser's too.
    qApp->installEventFilter(this);
    buildMenu();
}

void InkLayer::buildMenu()
{
    const auto add = [this](const char *caption, auto handler, QActionGroup *group = nullptr) {
        QAction *action = m_menu->addAction(QString::fromUtf8(caption));
        connect(action, &QAction::triggered, this, handler);
        if (group) {
            action->setCheckable(true);
            group->addAction(action);
        }
        return action;
    };
    auto *colours = new QActionGroup(this);
    const std::pair<const char *, ink::Colour> colourItems[] = {{"红", ink::Colour::Red},
                                                                {"蓝", ink::Colour::Blue},
                                                                {"绿", ink::Colour::Green},
                                                                {"黑", ink::Colour::Black},
                                                                {"白", ink::Colour::White}};
    for (const auto &[caption, colour] : colourItems) {
        QAction *item = m_menu->addAction(QString::fromUtf8(caption));
        item->setCheckable(true);
        colours->addAction(item);
        connect(item, &QAction::triggered, this, [this, item, c = colour] {
            m_colour = c;
            m_eraser = false;
            m_penItem = item;
        });
    }
    m_menu->addSeparator();
    auto *pens = new QActionGroup(this);
    const std::pair<const char *, ink::Pen> penItems[] = {
        {"细", ink::Pen::Thin}, {"中", ink::Pen::Medium}, {"粗", ink::Pen::Thick}};
    for (const auto &[caption, pen] : penItems)
        add(
            caption, [this, p = pen] { m_pen = p; }, pens);
    m_menu->addSeparator();
    // The eraser is a tool beside the colours: choosing a colour puts it down.
    add(
        "橡皮", [this] { m_eraser = true; }, colours);
    m_menu->addSeparator();
    add("撤销", [this] { undo(); });
    add("清除", [this] { clear(); });
    add("保存", [this] { save(); });
    m_menu->addSeparator();
    add("退出批注", [this] { leave(); });
    m_penItem = colours->actions().constFirst();
    m_penItem->setChecked(true);
    pens->actions().at(1)->setChecked(true);
}

void InkLayer::toggle()
{
    if (m_on)
        leave();
    else
        enter();
}

void InkLayer::enter()
{
    if (m_on)
        return;
    m_still = grabArea().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_strokes = ink::Strokes();
    m_penDown = false;
    // Each time ink starts with the pen, in the colour chosen last.
    m_eraser = false;
    m_penItem->setChecked(true);
    m_on = true;
    redraw();
    setGeometry(QRect(m_area->mapToGlobal(QPoint(0, 0)), m_area->size()));
    m_focusBefore = QApplication::focusWidget();
    m_windowBefore = QApplication::activeWindow();
    show();
    raise();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    // Installed again, it is the first to see keys, before the desktop's own.
    qApp->installEventFilter(this);
    emit switched(true);
}

void InkLayer::leave()
{
    if (!m_on)
        return;
    m_on = false;
    m_menu->hide();
    // The keyboard goes back to the window it came from before the layer
    // goes, given back, not given by the teacher: no pane records itself.
    QWidget *window = m_windowBefore && m_windowBefore->isVisible() ? m_windowBefore.data() : m_desktop;
    window->activateWindow();
    if (m_focusBefore && m_focusBefore->isVisible())
        m_focusBefore->setFocus(Qt::ActiveWindowFocusReason);
    hide();
    m_strokes = ink::Strokes();
    m_still = QImage();
    m_canvas = QImage();
    showNotice(QString());
    emit switched(false);
}

// The screen's pixels under the area, native child windows included; where
// the platform cannot read the whole area from the screen, the widgets' own
// rendering.
QPixmap InkLayer::grabArea() const
{
    const QPoint corner = m_area->mapTo(m_desktop, QPoint(0, 0));
    QScreen *screen = m_area->screen();
    QPixmap still;
    if (screen)
        still =
            screen->grabWindow(m_desktop->winId(), corner.x(), corner.y(), m_area->width(), m_area->height());
    if (still.deviceIndependentSize().toSize() != m_area->size())
        still = m_area->grab();
    return still;
}

// The area was laid out afresh for another screen (the projector unplugged
// or back): the panes keep their share of it, so the still and the strokes,
// scaled to its new size, still show what lay under them.
void InkLayer::refit()
{
    const QSizeF before = m_still.deviceIndependentSize();
    const QSize after = m_area->size();
    if (before.isEmpty() || after.isEmpty())
        return;
    penUp();
    m_strokes.scale(after.width() / before.width(), after.height() / before.height());
    const qreal ratio = m_area->devicePixelRatioF();
    m_still = m_still.scaled(after * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_still.setDevicePixelRatio(ratio);
    setGeometry(QRect(m_area->mapToGlobal(QPoint(0, 0)), after));
    redraw();
}

void InkLayer::undo()
{
    if (m_strokes.undo())
        redraw();
}

void InkLayer::clear()
{
    m_strokes.clear();
    redraw();
}

bool InkLayer::save()
{
    const QString path = m_savePath();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool saved = QDir().mkpath(QFileInfo(path).absolutePath()) && m_canvas.save(&buffer, "PNG") &&
                       atomicfile::write(path, bytes);
    showNotice(saved ? QStringLiteral("已保存：") + QFileInfo(path).fileName()
                     : QStringLiteral("未能保存：") + QFileInfo(path).fileName());
    return saved;
}

void InkLayer::showNotice(const QString &text)
{
    m_notice = text;
    if (text.isEmpty())
        m_noticeTimer->stop();
    else
        m_noticeTimer->start();
    update();
}

bool InkLayer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area) {
        if (event->type() == QEvent::Resize && m_on)
            refit();
        return false;
    }
    const QEvent::Type type = event->type();
    if (!watched->isWidgetType() || (!m_on && type != QEvent::KeyPress))
        return false;
    if (!underInk(static_cast<QWidget *>(watched)))
        return false;
    if (!m_on) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F12 || key->modifiers() != Qt::NoModifier ||
            QApplication::activeModalWidget())
            return false;
        enter();
        return true;
    }
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        // The toolbar and the input box wait; the menu bar stays, so 批注 can switch ink off.
        return watched != this && !qobject_cast<QMenuBar *>(watched);
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        break;
    default:
        return false;
    }
    // Accepting the override keeps the desktop's shortcuts (F1-F11, Ctrl+1-7) from firing.
    if (type == QEvent::ShortcutOverride)
        event->accept();
    else if (type == QEvent::KeyPress)
        takeKey(static_cast<QKeyEvent *>(event));
    return true;
}

// The desktop and the windows it opened (the browser's), which ink covers;
// the layer itself is among them, its menus are not.
bool InkLayer::underInk(const QWidget *widget) const
{
    for (const QWidget *top = widget->window(); top;
         top = top->parentWidget() ? top->parentWidget()->window() : nullptr) {
        if (top->windowType() == Qt::Popup)
            return false;
        if (top == m_desktop)
            return true;
    }
    return false;
}

bool InkLayer::takeKey(const QKeyEvent *key)
{
    if (key->key() == Qt::Key_Escape || key->key() == Qt::Key_F12) {
        leave();
        return true;
    }
    if (key->matches(QKeySequence::Undo)) {
        undo();
        return true;
    }
    return false;
}

void InkLayer::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        penDown(event->position(), ink::kNoPressure);
    event->accept();
}

void InkLayer::mouseMoveEvent(QMouseEvent *event)
{
    penMove(event->position(), ink::kNoPressure);
    event->accept();
}

// The menu comes with the right button's release, as the panes' menus do.
void InkLayer::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        penUp();
    } else if (event->button() == Qt::RightButton) {
        penUp();
        m_menu->popup(event->globalPosition().toPoint());
    }
    event->accept();
}

// Taken here, the tablet's events are not repeated as mouse events.
void InkLayer::tabletEvent(QTabletEvent *event)
{
    switch (event->type()) {
    case QEvent::TabletPress:
        penDown(event->position(), event->pressure());
        break;
    case QEvent::TabletMove:
        penMove(event->position(), event->pressure());
        break;
    case QEvent::TabletRelease:
        penUp();
        break;
    default:
        break;
    }
    event->accept();
}

void InkLayer::penDown(const QPointF &at, double pressure)
{
    m_penDown = true;
    m_last = at;
    const double dpi = logicalDpiX();
    if (m_eraser) {
        m_strokes.beginErasing();
        if (m_strokes.erase(at, at, ink::eraserRadius(dpi)))
            redraw();
        return;
    }
    m_strokes.begin({at, pressure}, m_colour, ink::penWidth(m_pen, dpi));
}

void InkLayer::penMove(const QPointF &at, double pressure)
{
    if (!m_penDown)
        return;
    if (m_eraser) {
        if (m_strokes.erase(m_last, at, ink::eraserRadius(logicalDpiX())))
            redraw();
    } else if (m_strokes.extend({at, pressure})) {
        const ink::Stroke &stroke = m_strokes.all().back();
        drawPiece(stroke.piece(stroke.pieceCount() - 1), stroke.colour);
    }
    m_last = at;
}

void InkLayer::penUp()
{
    if (!m_penDown)
        return;
    m_penDown = false;
    if (m_eraser) {
        m_strokes.endErasing();
        return;
    }
    m_strokes.end();
    const ink::Stroke &stroke = m_strokes.all().back();
    drawPiece(stroke.finalPiece(), stroke.colour);
}

// The still with every stroke; a stroke being drawn lacks its last piece,
// which its end adds.
void InkLayer::redraw()
{
    m_canvas = m_still;
    const std::vector<ink::Stroke> &strokes = m_strokes.all();
    for (std::size_t s = 0; s < strokes.size(); ++s) {
        const ink::Stroke &stroke = strokes[s];
        for (int i = 0; i < stroke.pieceCount(); ++i)
            drawPiece(stroke.piece(i), stroke.colour);
        if (!(m_strokes.drawing() && s + 1 == strokes.size()))
            drawPiece(stroke.finalPiece(), stroke.colour);
    }
    update();
}

void InkLayer::drawPiece(const ink::Piece &piece, ink::Colour colour)
{
    if (m_canvas.isNull())
        return;
    QPainter painter(&m_canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(
        QPen(QColor::fromRgba(ink::rgb(colour)), piece.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (piece.from == piece.to) {
        painter.drawPoint(piece.from);
    } else {
        QPainterPath path(piece.from);
        path.quadTo(piece.control, piece.to);
        painter.drawPath(path);
    }
    update(pieceRect(piece));
}

void InkLayer::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    const qreal ratio = m_canvas.devicePixelRatio();
    painter.drawImage(
        QRectF(dirty), m_canvas,
        QRectF(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio, dirty.height() * ratio));
    // The frame and the caption tell that the desktop is in ink mode; they
    // are not part of the picture.
    const QRect inner = rect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
    if (!inner.contains(dirty)) {
        const QRegion frame = QRegion(rect()).subtracted(inner);
        for (const QRect &side : frame)
            painter.fillRect(side, kFrameColour);
    }
    QString caption = QStringLiteral("批注 — Esc 退出");
    if (!m_notice.isEmpty())
        caption += QStringLiteral("    ") + m_notice;
    const QFontMetrics metrics(font());
    const QRect box(kFrameWidth, kFrameWidth, metrics.horizontalAdvance(caption) + 16, metrics.height() + 8);
    if (box.intersects(dirty)) {
        painter.fillRect(box, kFrameColour);
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignCenter, caption);
    }
}

void installInkLayer(TeachingDesktop &desktop)
{
    AppContext &context = desktop.context();
    auto *layer = new InkLayer(desktop.workArea(), [&context] {
        const LessonRecord &fields = context.state.LessonFields;
        return inkPicturePath(context.book.lessonBook(), fields[slot::ChapterTitle],
                              fields[slot::LessonTitle], QDateTime::currentDateTime(),
                              [](const QString &path) { return QFileInfo::exists(path); });
    });
    QObject::connect(
        layer, &InkLayer::switched, &desktop,
        [&desktop, held = QList<QPointer<QAction>>()](bool on) mutable { holdMenuBar(desktop, on, held); });
    // What plays would move on unseen under the still.
    QObject::connect(layer, &InkLayer::switched, &desktop, [&desktop](bool on) {
        for (Pane *pane : desktop.findChildren<Pane *>())
            pane->hold(on);
    });
    QAction *item = desktop.menus().item(QStringLiteral("Annotate"));
    QObject::connect(item, &QAction::triggered, layer, [layer] {
        if (layer->isOn())
            layer->leave();
        else
            QTimer::singleShot(kAfterMenuMilliseconds, layer, &InkLayer::enter);
    });
    QObject::connect(layer, &InkLayer::switched, item, &QAction::setChecked);
}
