#include "platform/env/vyk_message.h"
#include "platform/env/qt_message_box.h"
#include "platform/os/calllog.h"
#include "platform/os/codepage.h"
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Box {
    std::vector<std::string> lines;   // code page 437
    std::string title;
    int symbol = 0;
    QPointer<QMessageBox> shown;
};
Box& box() { static Box b; return b; }

QString text_of(const std::string& cp437) { return QString::fromStdString(codepage::cp437_to_utf8(cp437)); }

std::string joined()
{
    std::string all;
    for (size_t i = 0; i < box().lines.size(); ++i) {
        if (i) all += "\n";
        all += box().lines[i];
    }
    return all;
}

bool can_show() { return calllog::interactive() && qobject_cast<QApplication*>(QCoreApplication::instance()); }

QMessageBox::Icon icon_of(int symbol)
{
    switch (symbol) {
    case 1: return QMessageBox::Information;
    case 2: return QMessageBox::Warning;
    case 3: return QMessageBox::Critical;
    case 4: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox* make_box(QMessageBox::StandardButtons buttons)
{
    auto* m = new QMessageBox(icon_of(box().symbol), text_of(box().title), text_of(joined()), buttons);
    m->setAttribute(Qt::WA_DeleteOnClose);
    qt_german_buttons(m);
    return m;
}

} // namespace

void Init_Message(void)
{
    Quit_Message();
    box().lines.clear();
    box().title.clear();
    box().symbol = 0;
}

void Fill_Message(const char* line) { box().lines.push_back(line ? line : ""); }
void Set_Message_Title(const char* title) { box().title = title ? title : ""; }
void Set_Message_Symbol(int symbol, int, int, int) { box().symbol = symbol; }

void Draw_Message(void)
{
    calllog::add("Draw_Message: " + codepage::cp437_to_utf8(joined()));
    if (calllog::has_answer()) {
        calllog::pop_answer(1);
        return;
    }
    if (!can_show()) {
        calllog::pop_answer(1);
        return;
    }
    QMessageBox* m = make_box(QMessageBox::Ok);
    m->exec();
}

int Answer_is_Yes(int default_yes)
{
    calllog::add("Answer_is_Yes: " + codepage::cp437_to_utf8(joined()));
    if (calllog::has_answer() || !can_show()) return calllog::pop_answer(0) ? 1 : 0;
    QMessageBox* m = make_box(QMessageBox::Yes | QMessageBox::No);
    m->setDefaultButton(default_yes ? QMessageBox::Yes : QMessageBox::No);
    return m->exec() == QMessageBox::Yes ? 1 : 0;
}

void Show_Message(void)
{
    calllog::add("Show_Message: " + codepage::cp437_to_utf8(joined()));
    if (!can_show()) return;
    QMessageBox* m = make_box(QMessageBox::NoButton);
    m->setModal(false);
    m->show();
    QCoreApplication::processEvents();
    box().shown = m;
}

void Quit_Message(void)
{
    if (box().shown) {
        calllog::add("Quit_Message");
        box().shown->close();
    }
    box().shown = nullptr;
}

void PrintMessage(const char* text)
{
    std::string t = codepage::cp437_to_utf8(text ? text : "");
    calllog::add("PrintMessage: " + t);
    std::fputs(t.c_str(), stdout);
    if (t.empty() || t.back() != '\n') std::fputc('\n', stdout);
    std::fflush(stdout);
}
