#include "calllog.h"
#include <cstdlib>
#include <cstring>
#include <deque>

namespace calllog {
namespace {
std::vector<std::string>& log() { static std::vector<std::string> l; return l; }
std::deque<int>& answers() { static std::deque<int> a; return a; }
}

void add(const std::string& line) { log().push_back(line); }
std::vector<std::string> entries() { return log(); }
bool contains(const std::string& fragment)
{
    for (const auto& e : log())
        if (e.find(fragment) != std::string::npos) return true;
    return false;
}
void clear() { log().clear(); }

void push_answer(int answer) { answers().push_back(answer); }
bool has_answer() { return !answers().empty(); }
int pop_answer(int fallback)
{
    if (answers().empty()) {
        add("answer: none scripted, took " + std::to_string(fallback));
        return fallback;
    }
    int a = answers().front();
    answers().pop_front();
    return a;
}
void clear_answers() { answers().clear(); }

bool interactive()
{
    const char* qpa = std::getenv("QT_QPA_PLATFORM");
    if (qpa && (std::strncmp(qpa, "offscreen", 9) == 0 || std::strncmp(qpa, "minimal", 7) == 0))
        return false;
    const char* d = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    return (d && *d) || (w && *w);
}

} // namespace calllog
