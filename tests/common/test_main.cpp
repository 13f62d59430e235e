// One main for every test program: headless Qt, C numerics, googletest.
#include <QApplication>
#include <gtest/gtest.h>
#include <clocale>
#include <cstdlib>
#include <memory>

#if defined(__SANITIZE_ADDRESS__)
#define TAVO_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAVO_LEAK_CHECK 1
#endif
#endif
#ifdef TAVO_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

extern "C" const char* __lsan_default_suppressions()
{
    // glibc's setlocale keeps the composite name of a mixed locale (one category switched, as
    // the numeric-locale tests do) in a block it never frees.
    return "leak:__argz_add_sep\n";
}

namespace {

// Qt's offscreen platform keeps its screen, cursor and their bookkeeping, made while the
// application object is built, until after the leak check: those blocks are not counted.
std::unique_ptr<QApplication> make_application(int& argc, char** argv)
{
#ifdef TAVO_LEAK_CHECK
    __lsan::ScopedDisabler platform_integration;
#endif
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QApplication> app = make_application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    return RUN_ALL_TESTS();
}
