#include "HvMouseAction.h"

#include <QFile>

#include <cmath>

#include <gtest/gtest.h>

// The private home of this test program is set up by HvActionTest.cpp.

namespace {

using M = HvMouseAction;

TEST(HvMouseActionMapping, EveryValueSurvivesTheDesktopKeysAndOddKeyValuesClamp) {
    for (int value = M::kMinValue; value <= M::kMaxValue; ++value) {
        EXPECT_EQ(M::valueFromPointerSpeed(M::pointerSpeedFromValue(value)), value);
        EXPECT_EQ(M::valueFromDoubleClickMs(M::doubleClickMsFromValue(value)), value);
        EXPECT_LE(std::abs(M::pointerSpeedFromValue(value)), 1.0);
    }
    EXPECT_EQ(M::pointerSpeedFromValue(5), 0.0); // the desktop's defaults are steps
    EXPECT_EQ(M::doubleClickMsFromValue(7), 400);
    EXPECT_EQ(M::valueFromPointerSpeed(-1.0), 1);
    EXPECT_EQ(M::valueFromPointerSpeed(std::nan("")), 5);
    EXPECT_EQ(M::valueFromDoubleClickMs(-400), 10);
    EXPECT_EQ(M::valueFromDoubleClickMs(5000), 1);
}

TEST(HvMouseActionStore, RegisteredTypesInRangeAndResetToWhatWasRemembered) {
    QFile::remove(M::storePath());
    M mouse{QString()}; // our own store only
    EXPECT_FALSE(mouse.setValue(3, M::kScrollSpeed)) << "not registered";
    for (const int type : {M::kPointerSpeed, M::kScrollSpeed, M::kDoubleClickSpeed, 4})
        mouse.addSettingItem(type);
    EXPECT_EQ(mouse.getValueByType(4), 0);
    EXPECT_EQ(mouse.getValueByType(M::kDoubleClickSpeed), 7); // fresh store: defaults
    EXPECT_FALSE(mouse.setValue(11, M::kScrollSpeed));
    EXPECT_FALSE(mouse.setValue(0, M::kScrollSpeed));

    mouse.setValue(3, M::kScrollSpeed);
    mouse.resetDefault(); // nothing remembered yet
    EXPECT_EQ(mouse.getValueByType(M::kScrollSpeed), 3);
    mouse.startSynchronize();
    mouse.setValue(8, M::kScrollSpeed);
    mouse.setValue(10, M::kPointerSpeed);
    mouse.resetDefault();
    EXPECT_EQ(mouse.getValueByType(M::kScrollSpeed), 3);
    EXPECT_EQ(mouse.getValueByType(M::kPointerSpeed), 5);
    mouse.setValue(6, M::kScrollSpeed);
    mouse.applyDefault();
    mouse.setValue(1, M::kScrollSpeed);
    mouse.resetDefault();
    EXPECT_EQ(mouse.getValueByType(M::kScrollSpeed), 6);

    QFile store(M::storePath()); // garbled by hand: defaults, not garbage
    ASSERT_TRUE(store.open(QIODevice::WriteOnly));
    store.write("[General\nScrollSpeed=banana\n\x01=\nPointerSpeed=42\n");
    store.close();
    EXPECT_EQ(mouse.getValueByType(M::kScrollSpeed), 5);
    EXPECT_EQ(mouse.getValueByType(M::kPointerSpeed), 5);
}

} // namespace
