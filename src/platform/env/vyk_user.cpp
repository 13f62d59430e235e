#include "platform/env/vyk_user.h"

#include "platform/env/ini_screen.h"
#include "platform/env/vyk_env.h"
#include "platform/os/codepage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSettings>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Without a GUI application the clipboard lives in the process.
std::string g_clipboard;

int copy_out(const std::string& text, char* buffer, int size)
{
    if (!buffer || size <= 0) return 0;
    int n = (int)text.size() < size - 1 ? (int)text.size() : size - 1;
    std::memcpy(buffer, text.data(), (size_t)n);
    buffer[n] = '\0';
    return n;
}

bool have_gui()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

int VYKGetUserString(const char* key, char* buffer, int size)
{
    if (buffer && size > 0) buffer[0] = '\0';
    if (!key || !buffer || size <= 0) return 0;
    std::string variable = std::string("VYK_USER_") + key;
    if (const char* value = std::getenv(variable.c_str())) {
        copy_out(value, buffer, size);
        return 1;
    }
    const char* dram = VYKGetEnv("DRAM");
    if (!dram) return 0;
    QVariant value;
    read_settings_file(QString::fromLocal8Bit(dram) + "/vyk_user.ini",
                       [&](QSettings& settings) { value = settings.value(QString::fromLatin1(key)); });
    if (!value.isValid()) return 0;
    copy_out(value.toString().toStdString(), buffer, size);
    return 1;
}

int VYKGetClipboardText(char* buffer, int size)
{
    std::string text = g_clipboard;
    if (have_gui()) text = codepage::utf8_to_cp437(QGuiApplication::clipboard()->text().toStdString());
    return copy_out(text, buffer, size);
}

void VYKSetClipboardText(const char* text)
{
    g_clipboard = text ? text : "";
    if (have_gui()) QGuiApplication::clipboard()->setText(QString::fromStdString(codepage::cp437_to_utf8(g_clipboard)));
}
