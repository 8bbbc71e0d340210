#include <gtest/gtest.h>

#include <QLocale>
#include <cstdlib>

#ifdef PLANDECK_WINDOW_TESTS
#include <QApplication>
#endif

int main(int argc, char** argv)
{
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
