// A save in another process, killed with SIGKILL at every step by which it reaches the disk
// (each write, sync, rename and link under the data folder), and a save into a file-size limit:
// afterwards the complete old or the complete new set loads, never a mix or nothing.
#include "KxAction.h"
#include "MacroInfo.h"
#include "ProfieController.h"
#include "ProfilesTestSupport.h"

#include <QProcess>

#include <sys/resource.h>

#include <csignal>
#include <cstring>

namespace {

class KilledSaveTest : public ProfilesFixture {
protected:
    struct Run {
        QProcess::ExitStatus status;
        int code;
        QString output;
    };
    // The save of mark by a child, killed before step killAt (0: never); its steps are
    // appended to stepLog when one is named.
    Run save(uint32_t mark, long killAt = 0, const QString& stepLog = {},
             rlim_t fileSizeLimit = RLIM_INFINITY) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LD_PRELOAD", KX_KILL_AT_STEP_LIBRARY);
        env.insert("KX_STEP_PREFIX", sysPath + '/');
        env.insert("KX_KILL_AT", QString::number(killAt));
        if (!stepLog.isEmpty())
            env.insert("KX_STEP_LOG", stepLog);
        // Under the address sanitizer its runtime must come first; the counter only wraps
        // calls, which the sanitizer's own interceptors then see.
        env.insert("ASAN_OPTIONS",
                   env.value("ASAN_OPTIONS") + QStringLiteral(":verify_asan_link_order=0"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.setChildProcessModifier([fileSizeLimit] {
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG
        });
        child.start(KX_SAVE_CHILD, {sysPath, QString::number(mark)});
        EXPECT_TRUE(child.waitForFinished(60000));
        return {child.exitStatus(), child.exitCode(), QString::fromLocal8Bit(child.readAll())};
    }
    // Which complete set loads: its mark, or 0 for a mix or nothing.
    static uint32_t profilesMark() { return markOf(ProfieController()); }
    static QString macroNames() {
        KxAction::initMenuList();
        QStringList names;
        for (const auto& macro : std::as_const(macroListArrs))
            names << macro->nameStr();
        return names.join(',');
    }
    // The mark of the journalled edits of profile 1, 0 when the journal is not whole.
    static uint32_t journalMark() {
        const QByteArray bytes = readFile(inData("Unwritten/Default1.buttons"));
        constexpr qsizetype kTag = 8;
        _BTN_INFO buttons[5];
        if (bytes.size() != kTag + qsizetype(sizeof buttons) || !bytes.startsWith("KXEDITS1"))
            return 0;
        std::memcpy(buttons, bytes.constData() + kTag, sizeof buttons);
        return buttons[2].KeyBit[0];
    }
    void startWithTheOldSet() {
        QDir(sysPath).removeRecursively();
        QDir().mkpath(sysPath);
        const Run old = save(11);
        ASSERT_EQ(old.status, QProcess::NormalExit) << qPrintable(old.output);
        ASSERT_EQ(old.code, 0) << qPrintable(old.output);
    }
};

TEST_F(KilledSaveTest, AKillAtEveryStepLeavesTheOldOrTheNewSetOfProfilesAndMacrosWhole) {
    startWithTheOldSet();
    const QString stepLog = path("steps.log");
    const Run counted = save(22, 0, stepLog);
    ASSERT_EQ(counted.code, 0) << qPrintable(counted.output);
    const QStringList steps = QString::fromUtf8(readFile(stepLog)).split('\n', Qt::SkipEmptyParts);
    // Five profile files and the catalogue, each written, synced and moved into place.
    ASSERT_GT(steps.size(), 15) << qPrintable(steps.join('\n'));
    ASSERT_EQ(profilesMark(), 22u);

    for (long at = 1; at <= steps.size(); ++at) {
        SCOPED_TRACE(qPrintable(QStringLiteral("killed before %1").arg(steps[at - 1])));
        startWithTheOldSet();
        const Run killed = save(22, at);
        ASSERT_EQ(killed.status, QProcess::CrashExit) << qPrintable(killed.output);
        const uint32_t mark = profilesMark();
        EXPECT_TRUE(mark == 11 || mark == 22) << "profiles: " << mark;
        const QString macros = macroNames();
        EXPECT_TRUE(macros == "Mark 11" || macros == "Mark 22") << qPrintable(macros);
        const uint32_t journal = journalMark();
        EXPECT_TRUE(journal == 11 || journal == 22) << "journal: " << journal;
        // Saved in this order: profiles, macros, journal; nothing newer comes with anything older.
        EXPECT_FALSE(mark == 11 && macros == "Mark 22");
        EXPECT_FALSE(macros == "Mark 11" && journal == 22);
        // And the next save, by a program that starts over, goes through.
        const Run again = save(33);
        EXPECT_EQ(again.code, 0) << qPrintable(again.output);
        EXPECT_EQ(profilesMark(), 33u);
        EXPECT_EQ(macroNames(), "Mark 33");
        EXPECT_EQ(journalMark(), 33u);
    }
}

TEST_F(KilledSaveTest, AFullDiskFailsTheSaveWithAClearMessageAndKeepsTheOldFilesWhole) {
    startWithTheOldSet();
    const QByteArray catalogue = readFile(inData("MenuInfo.xml"));
    // Any file longer than 64 bytes cannot be written, as on a full disk.
    const Run full = save(22, 0, {}, 64);
    EXPECT_EQ(full.status, QProcess::NormalExit);
    EXPECT_EQ(full.code, 3) << "the save says it failed";
    EXPECT_TRUE(full.output.contains("Profiles not saved")) << qPrintable(full.output);
    EXPECT_TRUE(full.output.contains("macros not saved")) << qPrintable(full.output);
    EXPECT_EQ(profilesMark(), 11u);
    EXPECT_EQ(readFile(inData("MenuInfo.xml")), catalogue);
    EXPECT_EQ(journalMark(), 11u);
    EXPECT_TRUE(full.output.contains("could not be kept")) << qPrintable(full.output);
    EXPECT_EQ(
        QDir(sysPath).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
        (QStringList{"MenuInfo.xml", "Profiles", "Profiles.lock", "Tooltip.xml", "Unwritten"}))
        << "no staging folder or temporary file is left";
}

} // namespace
