#include <QCoreApplication>

#include <gtest/gtest.h>

// QProcess and the image plug-ins want an application object; nothing here needs a display.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
