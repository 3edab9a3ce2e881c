// The installed applications from hand-written desktop entries in private data folders.
#include "Workspace/InstalledApplications.h"

#include "PrivateHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <optional>

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(content);
}

QByteArray entry(const QByteArray& name, const QByteArray& more = {}) {
    return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=true %U\n" + more;
}

QString userApps() {
    return PrivateHome::dir("data") + "/applications/";
}
QString systemApps() {
    return PrivateHome::dir("system") + "/applications/";
}

// GLib reads XDG_DATA_DIRS and XDG_CURRENT_DESKTOP once, so both are set, and the entries
// written, before the first test. The user's folder takes precedence over the system's.
class ApplicationsHome : public PrivateHome {
public:
    void prepare() override {
        qputenv("XDG_DATA_DIRS", dir("system").toLocal8Bit());
        qputenv("XDG_CURRENT_DESKTOP", "KxTest");
        const QString user = userApps(), system = systemApps();
        writeFile(user + "org.example.Editor.desktop",
                  entry("Editor", "Name[de]=Bearbeiter\nIcon=accessories-text-editor\n"));
        writeFile(user + "apfel.desktop", entry("Äpfel", "Icon=apples.png\n"));
        writeFile(user + "beta.desktop", entry("beta"));
        writeFile(user + "here.desktop", entry("Here", "OnlyShowIn=KxTest;\n"));
        writeFile(user + "kde/viewer.desktop", entry("Viewer", "Icon=/opt/kx/viewer.png\n"));
        writeFile(user + "org.example.Shadowed.desktop", entry("Mine"));
        writeFile(user + "org.example.Masked.desktop", entry("Masked", "Hidden=true\n"));
        // Not for the menus.
        writeFile(user + "nodisplay.desktop", entry("No Display", "NoDisplay=true\n"));
        writeFile(user + "elsewhere.desktop", entry("Elsewhere", "OnlyShowIn=Elsewhere;\n"));
        // Broken, or not an application; a FIFO would block a reader for good.
        writeFile(user + "garbage.desktop", QByteArray("\x01\xff[[[\nName=Garbage\n", 20));
        writeFile(user + "noprogram.desktop", entry("Gone").replace("true", "/no/kx-program"));
        writeFile(user + "link.desktop", entry("Link").replace("Application", "Link"));
        writeFile(user + "nameless.desktop", "[Desktop Entry]\nType=Application\nExec=true\n");
        ASSERT_TRUE(QDir().mkpath(user + "folder.desktop"));
        ASSERT_EQ(::mkfifo(QFile::encodeName(user + "fifo.desktop").constData(), 0600), 0);

        writeFile(system + "org.example.Shadowed.desktop", entry("Theirs"));
        writeFile(system + "org.example.Masked.desktop", entry("Masked"));
        writeFile(system + "system.desktop", entry("System Tool"));
    }
};

const auto* const home = testing::AddGlobalTestEnvironment(new ApplicationsHome);

std::optional<InstalledApplication> find(const QString& id) {
    for (const InstalledApplication& application : InstalledApplications::list())
        if (application.id == id)
            return application;
    return std::nullopt;
}

// Each row: name, id, file under the private root, icon. (The tests that depend on the language
// set it.)
TEST(InstalledApplications, ListsTheMenusEntriesOnceInTheLocalesOrderRegardlessOfCase) {
    qputenv("LANGUAGE", "en");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QStringList rows;
    for (const InstalledApplication& application : InstalledApplications::list()) {
        // What the list shows is what a stored path reads back as.
        EXPECT_EQ(InstalledApplications::displayName(application.desktopFile), application.name)
            << qPrintable(application.desktopFile);
        const QString file = QString(application.desktopFile).remove(PrivateHome::dir(""));
        rows << QStringList{application.name, application.id, file, application.iconName}.join(
            " | ");
    }
    // "Äpfel" sorts with the a's and "beta" before "Editor", not by code point; the user's entry
    // of an id wins over the system's, a hidden one hides it; an icon's file suffix is dropped.
    EXPECT_EQ(rows.join('\n').toStdString(),
              "Äpfel | apfel.desktop | data/applications/apfel.desktop | apples\n"
              "beta | beta.desktop | data/applications/beta.desktop | \n"
              "Editor | org.example.Editor.desktop | data/applications/org.example.Editor.desktop"
              " | accessories-text-editor\n"
              "Here | here.desktop | data/applications/here.desktop | \n"
              "Mine | org.example.Shadowed.desktop | data/applications/org.example.Shadowed.desktop"
              " | \n"
              "System Tool | system.desktop | system/applications/system.desktop | \n"
              "Viewer | kde-viewer.desktop | data/applications/kde/viewer.desktop"
              " | /opt/kx/viewer.png");
}

TEST(InstalledApplications, NamesFollowTheUsersLanguage) {
    const QString editor = userApps() + "org.example.Editor.desktop";
    qputenv("LANGUAGE", "de_DE:de");
    const auto listed = find("org.example.Editor.desktop");
    ASSERT_TRUE(listed);
    EXPECT_EQ(listed->name, "Bearbeiter");
    EXPECT_EQ(InstalledApplications::displayName(editor), "Bearbeiter");
    qputenv("LANGUAGE", "fr");
    EXPECT_EQ(InstalledApplications::displayName(editor), "Editor") << "no French name: the Name";
}

TEST(InstalledApplications, EntriesAddedOrRemovedLaterAreSeen) {
    const QString added = userApps() + "org.example.Added.desktop";
    writeFile(added, entry("Added"));
    EXPECT_TRUE(find("org.example.Added.desktop"));
    ASSERT_TRUE(QFile::remove(added));
    EXPECT_FALSE(find("org.example.Added.desktop"));
}

TEST(InstalledApplications, DisplayNameIsNoneForAnythingButAnApplicationsEntry) {
    const QString notes = PrivateHome::dir("home") + "/notes.txt";
    writeFile(notes, "hello\n");
    // A valid entry, but past the size any entry has.
    const QString big = PrivateHome::dir("home") + "/big.desktop";
    writeFile(big, entry("Big") + QByteArray(2 << 20, '#'));
    const QString user = userApps();
    for (const QString& path :
         {QString(), notes, big, user + "missing.desktop", user + "folder.desktop",
          user + "fifo.desktop", user + "garbage.desktop", user + "noprogram.desktop",
          user + "link.desktop", user + "nameless.desktop", QStringLiteral("/")})
        EXPECT_EQ(InstalledApplications::displayName(path), std::nullopt) << qPrintable(path);
    // Entries the menus leave out still have their name.
    EXPECT_EQ(InstalledApplications::displayName(user + "nodisplay.desktop"), "No Display");
}

} // namespace
