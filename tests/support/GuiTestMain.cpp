#include "TestEnvironment.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <filesystem>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    SetUpTestEnvironment();
    // No test needs a display: the offscreen platform unless the caller asked for another one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    const int result = RUN_ALL_TESTS();
    std::filesystem::remove_all(TestHome());
    return result;
}
