#include <QCoreApplication>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

// Every test binary gets an application object so that sockets, notifiers and timers run.
int main(int argc, char** argv) {
    testing::InitGoogleMock(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
