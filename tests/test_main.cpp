#include <gtest/gtest.h>

#include <QLocale>
#include <cstdlib>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifdef PLANDECK_WINDOW_TESTS
#include <QApplication>
#endif

int main(int argc, char** argv)
{
    // A root run meets the permission denials the tests set up as any user's
    // does: the powers to pass permission bits go before any thread starts,
    // so every thread and child of the run is without them.
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2]{};
    ::syscall(SYS_capget, &header, caps);
    caps[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    ::syscall(SYS_capset, &header, caps);
    // Test discovery runs this binary at build time, so the headless platform
    // must be chosen before any application object exists.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Month names are asserted in English, except by the run that checks the
    // user's locale from the environment.
    if (qEnvironmentVariableIsEmpty("PLANDECK_EXPECTED_CAPTION")) {
        QLocale::setDefault(QLocale::c());
    }
    ::testing::InitGoogleTest(&argc, argv);
#ifdef PLANDECK_WINDOW_TESTS
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
#endif
    return RUN_ALL_TESTS();
}
