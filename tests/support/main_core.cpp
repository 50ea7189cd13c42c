#include <QCoreApplication>
#include <gtest/gtest.h>

#include "IsolatedArchive.h"

// Test main for code that needs an event loop but no window.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const vimo::test::IsolatedArchive archive;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
