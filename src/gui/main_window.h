// The main window of a position (plain form until the full window arrives).
#pragma once
#include <QMainWindow>

class QLabel;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

private:
    void show_position();
    QLabel* summary_ = nullptr;
};
