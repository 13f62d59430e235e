#include "platform/screen/cursor.h"

#include "platform/os/calllog.h"
#include "platform/screen/screen_view.h"

#include <QCursor>
#include <QGuiApplication>

#include <string>

namespace {

int g_shape = 0;

Qt::CursorShape qt_shape(int shape)
{
    switch (shape) {
    case 6: return Qt::WaitCursor;
    case 18: return Qt::PointingHandCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace

int setMouseCursor(int shape)
{
    const int previous = g_shape;
    if (shape == previous) return previous;
    calllog::add("setMouseCursor: " + std::to_string(shape));
    g_shape = shape;
    if (ScreenView* view = ScreenView::instance()) view->setCursor(qt_shape(shape));
    // The program's own windows show the wait cursor too while a tool runs.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (previous == 6) QGuiApplication::restoreOverrideCursor();
        if (shape == 6) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    return previous;
}

int mouse_cursor_shape(void) { return g_shape; }
