#include <QApplication>
#include <QLoggingCategory>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

// Test binaries with widgets get a full application object, on the offscreen platform unless
// the caller chose another.
int main(int argc, char** argv) {
    testing::InitGoogleMock(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes (no raise, no keyboard grab) are not the tests' findings.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.*=false"));
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
