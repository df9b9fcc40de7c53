#include "platform/system_messages.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    platform::useEnglishSystemMessages(); // as the program does at start-up
    return RUN_ALL_TESTS();
}
