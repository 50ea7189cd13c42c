#include <QApplication>
#include <gtest/gtest.h>

#include "IsolatedArchive.h"

// Test main for rendering and widget tests; the platform is offscreen (set by CTest or below).
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const vimo::test::IsolatedArchive archive;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
