// A main window over a position of its own: scratch environment, position files, German locale.
#pragma once
#include "common/test_util.h"
#include "core/position_file.h"
#include "core/position_files.h"
#include "core/tavo52_data.h"
#include "fasteners/fastener_tables.h"
#include "gui/main_window.h"
#include "platform/env/vyk_env.h"
#include "platform/os/calllog.h"
#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QCoreApplication>
#include <QLocale>
#include <QProgressBar>
#include <QStandardItemModel>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Runs the application's event loop while `act` happens; true when the application was told to quit.
// The application's own loop is used because a quit would end every later plain event loop at once.
inline bool quits_after(const std::function<void()>& act)
{
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    timeout.start(500);
    QTimer::singleShot(0, [&] { act(); });
    const int rc = QApplication::exec();
    timeout.stop();
    return rc == 0;
}

// A screw table row: diameter and lengths (mm).
struct TestScrew {
    double d;
    std::vector<double> lengths;
};

inline void set_screw_table(FastenerTable& t, const std::vector<TestScrew>& rows)
{
    t.kind = 1;
    t.row_count = static_cast<int>(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        FastenerRow& r = t.rows[i];
        r = FastenerRow{};
        r.d = rows[i].d;
        r.d1 = 0.6 * rows[i].d;
        r.dk = 2 * rows[i].d;
        r.n_l = static_cast<int>(rows[i].lengths.size());
        for (size_t k = 0; k < rows[i].lengths.size(); ++k) {
            r.lengths[k] = rows[i].lengths[k];
            r.effective_lengths[k] = rows[i].lengths[k] - 10;
        }
    }
}

class WindowTest : public ::testing::Test {
protected:
    testutil::ScratchDir dir;
    std::unique_ptr<MainWindow> w;

    void SetUp() override
    {
        std::filesystem::create_directories(dir.file("DRAM"));
        std::filesystem::create_directories(dir.file("DATA/PRIVATE"));
        std::filesystem::create_directories(dir.file("TEMP"));
        setenv("DRAM", dir.file("DRAM").c_str(), 1);
        setenv("DATA", dir.file("DATA").c_str(), 1);
        setenv("TEMP", dir.file("TEMP").c_str(), 1);
        inp_path = dir.file("T1_01.inp");
        nad_path = dir.file("T1_01.nad");
        ini_path = dir.file("T1_01.ini");
        fonts_path = dir.file("tavo52_fonts");
        position_title = QStringLiteral("Position 7: Pfette");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        calllog::clear();
        calllog::clear_answers();
        // Results of an earlier window in this process are not this position's.
        data_object.nachweise.clear();
        data_object.n_nachweise = 0;
        data_object.eta_max = 0;
        set_screw_table(fastener_table_spax_s_vg, {});
        set_screw_table(fastener_table_assy_plus_vg_z, {});
        set_screw_table(fastener_table_assy_plus_vg_s, {});
    }

    void TearDown() override
    {
        w.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // TEMP also steers the system's temp folder: leave none pointing into the removed scratch folder.
        unsetenv("TEMP");
        unsetenv("DRAM");
        unsetenv("DATA");
        QLocale::setDefault(QLocale::c());
    }

    // The demo beam: glued-laminated timber GL30h, 120 x 240, opening 100 x 100, one permanent load.
    static TAVO52_DATA* base_position()
    {
        auto* d = new TAVO52_DATA();
        d->holzart = 2;
        d->holzguete = 5;
        d->nkl = 1;
        d->b = 120;
        d->h = 240;
        d->h_ro = 70;
        d->h_ru = 70;
        d->a = 100;
        d->verstaerkt = 0;
        d->cal_auto = 0;
        return d;
    }

    void open(const TAVO52_DATA& position)
    {
        ASSERT_TRUE(testutil::write_file(inp_path, position_data_text(position)));
        open_file();
    }

    void open_file()
    {
        w = std::make_unique<MainWindow>();
        w->show();
        QCoreApplication::processEvents();
    }

    template <typename T>
    T* find(const char* name)
    {
        T* t = w->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(t, nullptr) << name;
        return t;
    }

    // Types a whole number into an integer field as a user does: select all, type, Enter.
    void type_into(QAbstractSpinBox* box, const QString& text)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, b->height() / 2)); }
};
