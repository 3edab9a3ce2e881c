#include "HvMouseAction.h"

#include "DesktopMouseSchema.h"
#include "PrivateHome.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>

#include <gio/gio.h>

#include <gtest/gtest.h>

namespace {

// The desktop's mouse schema, plus one whose keys do not fit, with the in-memory backend; no
// installed schemas.
bool schemasReady = false;

class SchemaHome : public PrivateHome {
public:
    void prepare() override {
        const QString noSystem = dir("data") + "/no-system-data";
        QDir().mkpath(noSystem);
        qputenv("XDG_DATA_DIRS", noSystem.toLocal8Bit());
        schemasReady = installDesktopMouseSchema(dir("data") + "/schemas", R"(
  <schema id="org.example.kx.unfit" path="/org/example/kx/unfit/">
    <key name="speed" type="i"><default>0</default></key>
  </schema>
)");
    }
};

const auto* const home = testing::AddGlobalTestEnvironment(new SchemaHome);

using M = HvMouseAction;

class DesktopMouse : public testing::Test {
protected:
    void SetUp() override {
        if (!schemasReady)
            GTEST_SKIP() << "glib-compile-schemas did not run";
        settings_ = g_settings_new(M::kDesktopSchema);
        g_settings_reset(settings_, "speed");
        g_settings_reset(settings_, "double-click");
        QFile::remove(M::storePath());
        mouse_ = std::make_unique<M>();
        for (const int type : {M::kPointerSpeed, M::kScrollSpeed, M::kDoubleClickSpeed})
            mouse_->addSettingItem(type);
    }
    void TearDown() override {
        if (settings_)
            g_object_unref(settings_);
    }

    double speed() const { return g_settings_get_double(settings_, "speed"); }
    int doubleClick() const { return g_settings_get_int(settings_, "double-click"); }

    GSettings* settings_ = nullptr;
    std::unique_ptr<M> mouse_;
};

TEST_F(DesktopMouse, PointerAndDoubleClickAreTheDesktopsKeysScrollIsOurs) {
    EXPECT_EQ(mouse_->getValueByType(M::kPointerSpeed), 5);
    EXPECT_EQ(mouse_->getValueByType(M::kDoubleClickSpeed), 7);
    ASSERT_TRUE(mouse_->setValue(8, M::kPointerSpeed));
    EXPECT_DOUBLE_EQ(speed(), 0.6);
    ASSERT_TRUE(mouse_->setValue(1, M::kDoubleClickSpeed));
    EXPECT_EQ(doubleClick(), 1000);
    ASSERT_TRUE(mouse_->setValue(9, M::kScrollSpeed)); // GNOME has no such key
    EXPECT_EQ(QSettings(M::storePath(), QSettings::IniFormat).value("ScrollSpeed").toInt(), 9);
    EXPECT_DOUBLE_EQ(speed(), 0.6);
}

TEST_F(DesktopMouse, ChangesMadeElsewhereAreSeenAndResetRestoresThemExactly) {
    g_settings_set_double(settings_, "speed", 0.13); // between two steps
    g_settings_set_int(settings_, "double-click", 333);
    EXPECT_EQ(mouse_->getValueByType(M::kPointerSpeed), 6);
    EXPECT_EQ(mouse_->getValueByType(M::kDoubleClickSpeed), 8);
    mouse_->startSynchronize();
    mouse_->setValue(2, M::kPointerSpeed);
    mouse_->setValue(2, M::kDoubleClickSpeed);
    mouse_->resetDefault();
    EXPECT_DOUBLE_EQ(speed(), 0.13);
    EXPECT_EQ(doubleClick(), 333);
}

TEST_F(DesktopMouse, SchemasThatDoNotFitFallBackToOurStore) {
    for (const char* schema : {"org.example.kx.unfit", "org.example.kx.absent"}) {
        M mouse{QString::fromLatin1(schema)};
        mouse.addSettingItem(M::kPointerSpeed);
        EXPECT_FALSE(mouse.usesDesktopSettings(M::kPointerSpeed)) << schema;
        ASSERT_TRUE(mouse.setValue(9, M::kPointerSpeed));
    }
    EXPECT_DOUBLE_EQ(speed(), 0.0);
}

} // namespace
