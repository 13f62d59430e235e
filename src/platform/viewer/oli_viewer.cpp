#include "platform/viewer/oli_viewer.h"
#include "platform/os/calllog.h"
#include "platform/os/atomic_file.h"
#include "platform/os/c_numeric.h"
#include "platform/os/paths.h"

#include "platform/env/message_box.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string str(const char* s) { return s ? s : ""; }

bool print_queue_configured()
{
    if (QStandardPaths::findExecutable("lpstat").isEmpty() || QStandardPaths::findExecutable("lp").isEmpty())
        return false;
    QProcess q;
    q.start("lpstat", {"-a"});
    if (!q.waitForFinished(5000)) {
        q.kill();
        q.waitForFinished(1000);
        return false;
    }
    return q.exitCode() == 0 && !q.readAllStandardOutput().trimmed().isEmpty();
}

int g_progress_delay_ms = 500;

// The progress of a long render in a dialog with the page count and a cancel button, shown when
// the work takes longer than half a second; nothing without widgets. A message of the render is
// shown only after close(): an application-modal progress on top would hide it and block its OK.
class RenderProgress {
public:
    explicit RenderProgress(const char* title)
    {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
        dialog_ = std::make_unique<QProgressDialog>(QStringLiteral("Die Seiten werden gezählt ..."),
                                                    QStringLiteral("Abbrechen"), 0, 0);
        dialog_->setWindowTitle(QString::fromLocal8Bit(title));
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setMinimumDuration(g_progress_delay_ms);
        dialog_->setAutoReset(false);
        dialog_->setAutoClose(false);
    }
    void close()
    {
        if (!dialog_) return;
        dialog_->hide();
        dialog_.reset();
        QCoreApplication::processEvents();
    }
    oliview::Progress callback()
    {
        if (!dialog_) return oliview::Progress();
        return [this](int page, int total) {
            if (!dialog_) return true;
            if (total > 0) {
                dialog_->setMaximum(total);
                dialog_->setLabelText(QStringLiteral("Seite %1 von %2").arg(page).arg(total));
                dialog_->setValue(std::min(page, total));
            } else {
                dialog_->setLabelText(QStringLiteral("Die Seiten werden gezählt: %1").arg(page));
                dialog_->setValue(0);
            }
            QCoreApplication::processEvents();
            return !dialog_->wasCanceled();
        };
    }

private:
    std::unique_ptr<QProgressDialog> dialog_;
};

// Renders the list to its PDF; returns the PDF path, or "" when none was written (cancelled, or
// a failure that the user is told of by file and reason).
std::string make_pdf(const char* slot, const char* prefix, const char* path, RenderProgress& progress)
{
    if (!path || !*path) return std::string();
    if (!QFileInfo::exists(QString::fromLocal8Bit(path))) return std::string();
    const std::string pdf = oliview::pdf_path_for(path);
    const oliview::RenderResult res = oliview::render_list_pdf(path, pdf, str(prefix), progress.callback());
    if (res.ok) return pdf;
    if (res.cancelled) {
        calllog::add(std::string(slot) + ": " + str(prefix) + " " + str(path) + " (cancelled)");
        return std::string();
    }
    calllog::add(std::string(slot) + ": " + str(prefix) + " " + str(path) + " (no PDF: " + res.error + ")");
    progress.close();
    message_box(BoxIcon::Warning, QStringLiteral("ABBRUCH"),
                QStringLiteral("Die PDF-Datei der Druckliste kann nicht geschrieben werden!\n") +
                    QString::fromStdString(res.error));
    return std::string();
}

// The preview copies of this run, removed when their preview closes and, for previews still open,
// when the program ends.
std::set<std::string>& live_preview_copies()
{
    static std::set<std::string> copies;
    return copies;
}

void remove_live_preview_copies()
{
    for (const std::string& copy : live_preview_copies()) ::unlink(copy.c_str());
    live_preview_copies().clear();
}

void note_preview_copy(const std::string& copy)
{
    // The set exists before the handlers are registered, so that it is destroyed only after they ran.
    static const bool registered = (live_preview_copies(), std::atexit(remove_live_preview_copies) == 0 &&
                                                               std::at_quick_exit(remove_live_preview_copies) == 0);
    (void)registered;
    live_preview_copies().insert(copy);
}

void forget_preview_copy(const std::string& copy)
{
    if (!copy.empty()) live_preview_copies().erase(copy);
}

// When this run began: a copy without a process id older than that belongs to no preview of it.
const std::time_t g_run_start = std::time(nullptr);

// True when some process holds the file open (as a preview holds its copy), as far as /proc shows.
bool open_by_a_process(const std::string& path)
{
    struct stat target;
    if (::stat(path.c_str(), &target) != 0) return false;
    DIR* proc = ::opendir("/proc");
    if (!proc) return true;   // nothing can be seen: take it as in use
    bool found = false;
    while (const dirent* p = ::readdir(proc)) {
        if (found || !std::isdigit(static_cast<unsigned char>(p->d_name[0]))) continue;
        const std::string fds = std::string("/proc/") + p->d_name + "/fd";
        DIR* dir = ::opendir(fds.c_str());
        if (!dir) continue;
        while (const dirent* f = ::readdir(dir)) {
            struct stat st;
            if (f->d_name[0] != '.' && ::stat((fds + "/" + f->d_name).c_str(), &st) == 0 && st.st_dev == target.st_dev &&
                st.st_ino == target.st_ino) {
                found = true;
                break;
            }
        }
        ::closedir(dir);
    }
    ::closedir(proc);
    return found;
}

// The preview: a page at a time, drawn when it is shown.
class PreviewDialog : public QDialog {
public:
    PreviewDialog(const std::string& title) : QDialog(nullptr)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(QStringLiteral("Druckvorschau ") + QString::fromLocal8Bit(title.c_str()));
        auto* layout = new QVBoxLayout(this);
        auto* bar = new QHBoxLayout();
        first_ = new QToolButton(this);
        prev_ = new QToolButton(this);
        next_ = new QToolButton(this);
        last_ = new QToolButton(this);
        first_->setText(QStringLiteral("|<"));
        prev_->setText(QStringLiteral("<"));
        next_->setText(QStringLiteral(">"));
        last_->setText(QStringLiteral(">|"));
        number_ = new QLabel(this);
        zoom_ = new QComboBox(this);
        for (int z : {50, 75, 100, 150, 200}) zoom_->addItem(QStringLiteral("%1 %").arg(z), z);
        zoom_->setCurrentIndex(2);
        print_ = new QPushButton(QStringLiteral("Drucken ..."), this);
        for (QWidget* w : std::initializer_list<QWidget*>{first_, prev_, number_, next_, last_, zoom_}) bar->addWidget(w);
        bar->addStretch(1);
        bar->addWidget(print_);
        layout->addLayout(bar);
        scroll_ = new QScrollArea(this);
        scroll_->setAlignment(Qt::AlignHCenter);
        scroll_->setBackgroundRole(QPalette::Dark);
        sheet_ = new QLabel(scroll_);
        scroll_->setWidget(sheet_);
        layout->addWidget(scroll_, 1);
        connect(first_, &QToolButton::clicked, this, [this] { show_page(1); });
        connect(prev_, &QToolButton::clicked, this, [this] { show_page(current_ - 1); });
        connect(next_, &QToolButton::clicked, this, [this] { show_page(current_ + 1); });
        connect(last_, &QToolButton::clicked, this, [this] { show_page(pages_.pages()); });
        connect(zoom_, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] { show_page(current_); });
        connect(print_, &QPushButton::clicked, this, [this] { print(); });
        auto key = [this](QKeySequence k, std::function<void()> f) {
            auto* a = new QAction(this);
            a->setShortcut(k);
            connect(a, &QAction::triggered, this, std::move(f));
            addAction(a);
        };
        key(QKeySequence(Qt::Key_PageDown), [this] { show_page(current_ + 1); });
        key(QKeySequence(Qt::Key_PageUp), [this] { show_page(current_ - 1); });
        resize(800, 1000);
    }

    ~PreviewDialog() override { forget_preview_copy(copy_.fileName().toLocal8Bit().toStdString()); }

    // Copies the list (it may be written anew while the preview is open) and lays it out. On
    // failure *why (when given) names the file and the reason; empty when cancelled.
    bool load(const std::string& list_path, const std::string& id, const oliview::Progress& progress, std::string* why)
    {
        auto fail = [why](const std::string& text) {
            if (why) *why = text;
            return false;
        };
        QFile in(QString::fromLocal8Bit(list_path.c_str()));
        if (!in.open(QIODevice::ReadOnly))
            return fail("Die Druckliste\n" + absolute_path(list_path) + "\nkann nicht gelesen werden: " +
                        in.errorString().toStdString() + ".");
        // The process id in the name tells a later start whose copy it is.
        const QString folder = QDir::tempPath();
        copy_.setFileTemplate(folder + QStringLiteral("/tavo-preview-%1-XXXXXX.oli").arg(QCoreApplication::applicationPid()));
        errno = 0;
        if (!copy_.open())
            return fail("Die Kopie der Druckliste für die Vorschau kann im temporären Ordner\n" +
                        absolute_path(folder.toLocal8Bit().toStdString()) + "\nnicht angelegt werden: " +
                        save_failure_reason(errno) + ".");
        const std::string copy = copy_.fileName().toLocal8Bit().toStdString();
        note_preview_copy(copy);
        auto copy_failed = [&fail, &copy](int error) {
            return fail(write_failure_message(copy, save_failure_reason(error)) +
                        "\n(die Kopie der Druckliste für die Vorschau im temporären Ordner)");
        };
        while (!in.atEnd()) {
            const QByteArray chunk = in.read(1 << 16);
            errno = 0;
            if (chunk.isEmpty() || copy_.write(chunk) != chunk.size()) return copy_failed(errno);
        }
        errno = 0;
        if (!copy_.flush()) return copy_failed(errno);
        if (!pages_.open(copy, id, progress)) return fail(std::string());
        show_page(1);
        return true;
    }

    int current() const { return current_; }
    const QLabel* sheet() const { return sheet_; }

    void show_page(int n)
    {
        if (pages_.pages() < 1) return;
        current_ = std::clamp(n, 1, pages_.pages());
        const int dpi = std::max(10, logicalDpiX() * zoom_->currentData().toInt() / 100);
        sheet_->setPixmap(QPixmap::fromImage(pages_.page(current_, dpi)));
        sheet_->adjustSize();
        number_->setText(QStringLiteral("Seite %1 von %2").arg(current_).arg(pages_.pages()));
        first_->setEnabled(current_ > 1);
        prev_->setEnabled(current_ > 1);
        next_->setEnabled(current_ < pages_.pages());
        last_->setEnabled(current_ < pages_.pages());
    }

private:
    void print()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() == QDialog::Accepted) pages_.print(&printer);
    }

    QTemporaryFile copy_;
    oliview::PagedList pages_;
    int current_ = 1;
    QToolButton *first_, *prev_, *next_, *last_;
    QLabel* number_;
    QComboBox* zoom_;
    QPushButton* print_;
    QScrollArea* scroll_;
    QLabel* sheet_;
};

} // namespace

namespace oliview {

QDialog* make_preview_dialog(const std::string& list_path, const std::string& title, const Progress& progress,
                             std::string* why)
{
    if (why) why->clear();
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return nullptr;
    remove_stale_preview_copies();
    auto* dialog = new PreviewDialog(title);
    if (!dialog->load(list_path, title, progress, why)) {
        delete dialog;
        return nullptr;
    }
    return dialog;
}

void set_progress_delay(int ms) { g_progress_delay_ms = std::max(0, ms); }

void remove_stale_preview_copies()
{
    const std::string folder = QDir::tempPath().toLocal8Bit().toStdString();
    const std::string prefix = "tavo-preview-", suffix = ".oli";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> stale;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name.size() < prefix.size() + 6 + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        const std::string path = folder + "/" + name;
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        // "tavo-preview-<pid>-XXXXXX.oli": stale when its process is gone.
        const std::string middle = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        const size_t dash = middle.find('-');
        if (dash != std::string::npos && dash > 0 && middle.size() - dash - 1 == 6 &&
            middle.find_first_not_of("0123456789") == dash) {
            const long pid = std::strtol(middle.c_str(), nullptr, 10);
            if (pid > 0 && pid != long(::getpid()) && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH) stale.push_back(path);
            continue;
        }
        // "tavo-preview-XXXXXX.oli" of an earlier version: stale when older than this run and open nowhere.
        if (middle.size() == 6 && st.st_mtime < g_run_start && !open_by_a_process(path)) stale.push_back(path);
    }
    ::closedir(dir);
    for (const std::string& path : stale) ::unlink(path.c_str());
}

void remove_preview_copies() { remove_live_preview_copies(); }

} // namespace oliview

void Quick_OLI_View(const char* prefix, const char* path)
{
    const CNumericScope c_numbers;
    RenderProgress progress("Druckvorschau");
    const std::string pdf = make_pdf("Quick_OLI_View", prefix, path, progress);
    calllog::add("Quick_OLI_View: " + str(prefix) + " " + str(path) + (pdf.empty() ? " (no PDF)" : " -> " + pdf));
    if (pdf.empty() || !calllog::interactive()) return;
    // The program's own preview: no desktop viewer needs to be there.
    std::string why;
    if (QDialog* dialog = oliview::make_preview_dialog(str(path), str(prefix), progress.callback(), &why)) {
        progress.close();
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
        return;
    }
    progress.close();
    // Where the preview failed, the message says why before it names the PDF.
    const QString reason = why.empty() ? QString() : QStringLiteral("Die Vorschau kann nicht gezeigt werden.\n") +
                                                         QString::fromStdString(why) + QLatin1Char('\n');
    message_box(BoxIcon::Information, QStringLiteral("Druckvorschau"),
                reason + QStringLiteral("Die Druckliste liegt als PDF unter ") + QString::fromLocal8Bit(absolute_path(pdf).c_str()));
}

void Quick_OLI_Print(const char* prefix, const char* path)
{
    const CNumericScope c_numbers;
    RenderProgress progress("Drucken");
    const std::string pdf = make_pdf("Quick_OLI_Print", prefix, path, progress);
    progress.close();
    if (pdf.empty()) {
        calllog::add("Quick_OLI_Print: " + str(prefix) + " " + str(path) + " (no PDF)");
        return;
    }
    if (print_queue_configured()) {
        // An absolute path after "--": no file name can pass for one of the queue's options.
        const QString file = QFileInfo(QString::fromLocal8Bit(pdf.c_str())).absoluteFilePath();
        QProcess lp;
        lp.start("lp", {QStringLiteral("--"), file});
        const bool finished = lp.waitForFinished(60000);
        const bool ok = finished && lp.exitStatus() == QProcess::NormalExit && lp.exitCode() == 0;
        calllog::add("Quick_OLI_Print: " + str(prefix) + " " + str(path) + " -> lp " + pdf + (ok ? "" : " (lp failed)"));
        if (!ok) {
            // The queue's own words say what went wrong ("no default destination", an unknown printer).
            QString why = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
            if (why.isEmpty()) why = finished ? QStringLiteral("lp endete mit %1").arg(lp.exitCode()) : lp.errorString();
            if (!finished) lp.kill();
            message_box(BoxIcon::Warning, QStringLiteral("Drucken"),
                        QStringLiteral("Die Druckliste konnte nicht gedruckt werden!\n") + why +
                            QStringLiteral("\nDie Druckliste liegt als PDF unter ") + file);
        }
        return;
    }
    calllog::add("Quick_OLI_Print: " + str(prefix) + " " + str(path) + " -> no print queue, " + pdf);
    // The folder the program runs in is no place a person knows: the path is given in full, in
    // the system's own letters (a message of the environment would take it as code page 437).
    message_box(BoxIcon::Information, QStringLiteral("Drucken"),
                QStringLiteral("Es ist kein Drucker eingerichtet.\nDie Druckliste liegt als PDF unter ") +
                    QString::fromLocal8Bit(absolute_path(pdf).c_str()));
}
