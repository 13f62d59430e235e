#include "gui/main_window.h"
#include "core/position_files.h"
#include "core/tavo52_data.h"
#include <QLabel>
#include <QLocale>

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    data_object.read_data();
    setWindowTitle(QStringLiteral("K7-KIRN, ") + position_title);
    summary_ = new QLabel(this);
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    summary_->setMargin(12);
    setCentralWidget(summary_);
    show_position();
    resize(720, 480);
}

MainWindow::~MainWindow() = default;

void MainWindow::show_position()
{
    const TAVO52_DATA& d = data_object;
    QLocale de(QLocale::German, QLocale::Germany);
    QString text = position_title + QStringLiteral("\n\n");
    text += QString::fromUtf8("Balken b/h = %1/%2 mm, Durchbruch a = %3 mm, h_ro = %4 mm, h_ru = %5 mm\n\n")
                .arg(de.toString(d.b), de.toString(d.h), de.toString(d.a), de.toString(d.h_ro), de.toString(d.h_ru));
    text += QString::fromUtf8("Lasten:\n");
    for (const LoadRow& r : d.lasten)
        text += QString::fromUtf8("  %1: V_d = %2 / %3 kN, M_d = %4 / %5 kNm, k_mod = %6, %7\n")
                    .arg(r.name, de.toString(r.v_l), de.toString(r.v_r), de.toString(r.m_l), de.toString(r.m_r),
                         de.toString(r.kmod), TAVO52_DATA::kled_text_from_index(r.kled, 1));
    summary_->setText(text);
}
