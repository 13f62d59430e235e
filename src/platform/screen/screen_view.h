// The window that shows the virtual screen 1:1 and feeds its mouse and key events into the
// input queue. It exists only where a display is there; waits show it.
#pragma once

#include <QWidget>

class ScreenView : public QWidget {
    Q_OBJECT
public:
    explicit ScreenView(QWidget* parent = nullptr);
    static ScreenView* instance();   // created on first use; null without a display
    // Asks for a repaint from any thread.
    static void request_update();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void closeEvent(QCloseEvent*) override;
};

// The key code of the environment library for a Qt key, 0 for none.
int screen_key_code(int qt_key, int modifiers, const QString& text);
