#include "platform/system_messages.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    platform::useEnglishSystemMessages(); // as the program does at start-up
    return RUN_ALL_TESTS();
}
