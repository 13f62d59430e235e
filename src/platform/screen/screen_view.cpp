#include "platform/screen/screen_view.h"

#include "platform/os/calllog.h"
#include "platform/os/codepage.h"
#include "platform/screen/input.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "platform/screen/screen_qt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QThread>
#include <QWheelEvent>

#include <atomic>

namespace {

std::atomic<ScreenView*> g_view{nullptr};

InputEvent mouse_event(int kind, const QPoint& p) { return InputEvent{kind, p.x(), p.y(), 0, 0}; }

} // namespace

ScreenView::ScreenView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("screenView"));
    setWindowTitle(QStringLiteral("tavo52"));
    setFixedSize(NPIXEL_X, NPIXEL_Y);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

ScreenView* ScreenView::instance()
{
    ScreenView* v = g_view.load();
    if (v) return v;
    if (!calllog::interactive() || !qobject_cast<QApplication*>(QCoreApplication::instance())) return nullptr;
    v = new ScreenView;
    v->setAttribute(Qt::WA_DeleteOnClose, false);
    g_view = v;
    screen_set_flush_hook(&ScreenView::request_update);
    return v;
}

// On the view's own thread the picture is painted at once, since a caller such as the tool
// watch blocks without an event loop; other threads (the busy animation) queue an update.
void ScreenView::request_update()
{
    ScreenView* v = g_view.load();
    if (!v) return;
    if (QThread::currentThread() == v->thread()) {
        if (v->isVisible()) v->repaint();
    } else {
        QMetaObject::invokeMethod(v, "update", Qt::QueuedConnection);
    }
}

void screen_show(void)
{
    ScreenView* v = ScreenView::instance();
    if (!v) return;
    v->show();
    v->raise();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void screen_hide(void)
{
    ScreenView* v = g_view.load();
    if (v && prop_sheet_depth() == 0) v->hide();
}

void ScreenView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    screen_lock();
    p.drawImage(0, 0, screen_image());
    screen_unlock();
}

void ScreenView::mousePressEvent(QMouseEvent* e)
{
    input_post(mouse_event(e->button() == Qt::RightButton ? INPUT_RIGHT_PRESS : INPUT_PRESS, e->pos()));
}

void ScreenView::mouseReleaseEvent(QMouseEvent* e)
{
    input_post(mouse_event(e->button() == Qt::RightButton ? INPUT_RIGHT_RELEASE : INPUT_RELEASE, e->pos()));
}

void ScreenView::mouseMoveEvent(QMouseEvent* e) { input_post(mouse_event(INPUT_MOVE, e->pos())); }

void ScreenView::wheelEvent(QWheelEvent* e)
{
    int steps = e->angleDelta().y() / 120;
    if (steps) input_post(InputEvent{INPUT_WHEEL, M_XPOS, M_YPOS, 0, steps});
}

void ScreenView::keyPressEvent(QKeyEvent* e)
{
    int code = screen_key_code(e->key(), int(e->modifiers()), e->text());
    if (code) input_post(InputEvent{INPUT_KEY, M_XPOS, M_YPOS, code, 0});
}

// Closing the window breaks off whatever waits on it.
void ScreenView::closeEvent(QCloseEvent* e)
{
    input_post(InputEvent{INPUT_KEY, M_XPOS, M_YPOS, KEY_ESC, 0});
    e->accept();
}

int screen_key_code(int qt_key, int modifiers, const QString& text)
{
    bool ctrl = (modifiers & Qt::ControlModifier) != 0;
    switch (qt_key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return KEY_ENTER;
    case Qt::Key_Escape: return KEY_ESC;
    case Qt::Key_Tab: return KEY_TAB;
    case Qt::Key_Backtab: return KEY_SHIFT_TAB;
    case Qt::Key_Backspace: return KEY_BACKSPACE;
    case Qt::Key_Up: return KEY_UP;
    case Qt::Key_Down: return KEY_DOWN;
    case Qt::Key_Left: return KEY_LEFT;
    case Qt::Key_Right: return KEY_RIGHT;
    case Qt::Key_Home: return ctrl ? KEY_CTRL_HOME : KEY_HOME;
    case Qt::Key_End: return ctrl ? KEY_CTRL_END : KEY_END;
    case Qt::Key_PageUp: return KEY_PGUP;
    case Qt::Key_PageDown: return KEY_PGDN;
    case Qt::Key_Delete: return KEY_DEL;
    case Qt::Key_Insert: return KEY_INS;
    case Qt::Key_F1: return KEY_F1;
    default: break;
    }
    if (ctrl && qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return qt_key - Qt::Key_A + 1;
    if (text.isEmpty()) return 0;
    int b = codepage::cp437_byte(text.at(0).unicode());
    return b > 0 ? b : 0;
}
