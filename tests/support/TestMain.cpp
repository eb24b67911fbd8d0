#include <QApplication>
#include <gtest/gtest.h>

// Every test executable owns one QApplication, so widget and painter tests can run
// next to plain logic tests. The offscreen platform keeps them headless.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
