#include "platform/env/vyk_cursor.h"
#include "platform/os/calllog.h"
#include <QCursor>
#include <QGuiApplication>
#include <string>

namespace {
int current_shape = 0;
}

int setMouseCursor(int shape)
{
    const int previous = current_shape;
    if (shape == previous) return previous;
    calllog::add("setMouseCursor: " + std::to_string(shape));
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (previous != 0) QGuiApplication::restoreOverrideCursor();
        if (shape == 6) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else if (shape != 0) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    current_shape = shape;
    return previous;
}
