#include "XTest.h"

#include <QDirIterator>

// Installation: `cmake --install` into a staging folder, the settings of an installed copy in
// the user's configuration folder, and the Debian package.

namespace {

const QStringList kInstalledFiles = {"bin/tikora-clock",
                                     "share/xscreensaver/config/tikora-clock.xml",
                                     "share/applications/tikora-clock.desktop",
                                     "share/icons/hicolor/scalable/apps/tikora-clock.svg",
                                     "share/man/man6/tikora-clock.6.gz",
                                     "share/doc/tikora-clock/copyright",
                                     "share/doc/tikora-clock/changelog.gz"};
const QString kConfigSettings = "home/.config/tikora-clock/Tikora_Clock.ini";
constexpr int kInstallMs = 120000;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes the Debian package in `folder`; its path, or nothing.
QString makePackage(const QString& folder)
{
    QProcess::execute("cpack", {"-G", "DEB", "-B", folder, "--config",
                                QString(TIKORA_BUILD_DIR) + "/CPackConfig.cmake"});
    const QStringList packages = QDir(folder).entryList({"tikora-clock_*.deb"});
    return packages.size() == 1 ? folder + "/" + packages.first() : QString();
}

// The program runs as the ordinary user, with a fresh home in the run's folder.
class InstallX : public XTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(XTest::SetUp());
        needOrdinaryUser("the installed program must run as an ordinary user");
        if (!IsSkipped())
            clock->runAs(*user);
    }
};

TEST_F(InstallX, StagedInstallPutsEveryFileInPlaceAndKeepsSettingsInTheUsersFolder)
{
    // Whether cmake, run with the staging folder as DESTDIR, succeeds.
    ClockProcess cmake(x->display());
    cmake.setProgram("cmake");
    cmake.setEnvironment("DESTDIR", cmake.path("stage"));
    const auto succeeds = [&cmake](const QStringList& arguments) {
        return cmake.start(arguments) && cmake.endsWithin(kInstallMs) && cmake.exitCode() == 0;
    };
    ASSERT_TRUE(succeeds({"--install", TIKORA_BUILD_DIR, "--prefix", "/usr/local"}))
        << cmake.output();
    const QString stage = cmake.path("stage/usr/local/");
    for (const QString& file : kInstalledFiles)
        EXPECT_TRUE(QFileInfo(stage + file).isFile()) << file.toStdString();
    // Readable to the user, and the program's folder, like an installed one, not writable.
    QProcess::execute("chmod", {"-R", "a+rX", cmake.path("")});
    QProcess::execute("chmod", {"a-w", stage + "bin"});
    clock->setProgram(stage + "bin/tikora-clock");
    ASSERT_TRUE(clock->start({"/p"}));
    ASSERT_TRUE(clock->endsWithin(kPromptEndMs)) << clock->output();
    EXPECT_EQ(clock->readFile(kConfigSettings), kDefaultSettings) << clock->output();
    EXPECT_FALSE(QFileInfo::exists(stage + "bin/Tikora_Clock.ini"));

    // Making the package leaves the list of what was installed alone, and the uninstall target
    // takes all of it away again, the link in XScreenSaver's folder too.
    const QString manifest = QString(TIKORA_BUILD_DIR) + "/install_manifest.txt";
    const QByteArray listed = readAll(manifest);
    EXPECT_TRUE(listed.contains("libexec/xscreensaver/tikora-clock")) << listed.toStdString();
    QTemporaryDir packageFolder;
    ASSERT_FALSE(makePackage(packageFolder.path()).isEmpty());
    EXPECT_EQ(readAll(manifest), listed);
    EXPECT_TRUE(succeeds({"--build", TIKORA_BUILD_DIR, "--target", "uninstall"})) << cmake.output();
    QStringList left;
    const auto kinds = QDir::Files | QDir::System | QDir::Hidden;
    for (QDirIterator it(stage, kinds, QDirIterator::Subdirectories); it.hasNext();)
        left << it.next();
    EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
    EXPECT_FALSE(QFileInfo::exists(stage + "share/doc/tikora-clock"));
}

// MATE's screen saver set to show only the clock, without a lock, and told to blank the screen
// once its daemon answers.
const QString kMateSession =
    "gsettings set org.mate.screensaver mode single\n"
    "gsettings set org.mate.screensaver themes \"['screensavers-tikora-clock']\"\n"
    "gsettings set org.mate.screensaver lock-enabled false\n"
    "mate-screensaver --no-daemon & until mate-screensaver-command --query; do sleep 0.2; done\n"
    "mate-screensaver-command --activate; wait";

// Installing changes the machine, so it is done only where CI runs as root on Debian.
TEST_F(InstallX, InstalledPackageRunsInMatesScreenSaver)
{
    if (::geteuid() != 0 || qgetenv("CI") != "true" || !QFileInfo::exists("/etc/debian_version"))
        GTEST_SKIP() << "installs the package only in CI (CI=true) as root on Debian";
    QTemporaryDir folder;
    const QString package = makePackage(folder.path());
    ASSERT_FALSE(package.isEmpty());
    QProcess::execute("chmod", {"a+rx", folder.path()});
    const QStringList apt = {"DEBIAN_FRONTEND=noninteractive", "apt-get", "-y"};
    ASSERT_EQ(QProcess::execute("env", apt + QStringList{"install", package}), 0);
    // MATE keeps its settings with dconf, through a session bus of the user's own. Without GIO's
    // virtual file system and the accessibility bus the session starts no other services.
    clock->setEnvironment("XDG_CURRENT_DESKTOP", "MATE");
    clock->setEnvironment("GIO_USE_VFS", "local");
    clock->setEnvironment("NO_AT_BRIDGE", "1");
    // timeout gives the session a minute at most and, as a process group of its own, ends all
    // of it when it is ended.
    clock->setProgram("timeout");
    EXPECT_TRUE(clock->start({"60", "dbus-run-session", "--", "sh", "-c", kMateSession}));
    EXPECT_TRUE(waitFor([&] {
        return faceIn(x->screenshot(), {0, 0, 1024, 768}, 1);
    })) << clock->output();
    clock->terminate();
    EXPECT_FALSE(clock->runsAfter(kPromptEndMs));
    QProcess::execute("env", apt + QStringList{"remove", "tikora-clock"});
}

// Installs the package with apt for the life of the object, and takes it away again, with
// anything a run may have left beside the program.
class InstalledPackage {
public:
    static constexpr const char* kProgram = "/usr/bin/tikora-clock";

    explicit InstalledPackage(const QString& package)
    {
        m_installed = QProcess::execute("env", kApt + QStringList{"install", package}) == 0;
        QProcess list;
        list.start("dpkg", {"--listfiles", "tikora-clock"});
        list.waitForFinished();
        m_files = QString::fromUtf8(list.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }
    ~InstalledPackage()
    {
        QProcess::execute("env", kApt + QStringList{"remove", "tikora-clock"});
        QFile::remove("/usr/bin/Tikora_Clock.ini");
    }
    bool installed() const { return m_installed; }
    // What the package put in place, folders and files.
    const QStringList& files() const { return m_files; }

private:
    static inline const QStringList kApt = {"DEBIAN_FRONTEND=noninteractive", "apt-get", "-y"};
    bool m_installed = false;
    QStringList m_files;
};

// A run as root of the installed program keeps root's settings in root's folder, not beside the
// program, where every user's copy would read them; a user's copy then saves in the user's own
// folder, and removing the package leaves nothing behind.
TEST_F(InstallX, InstalledPackageKeepsEachUsersSettingsInTheirOwnFolder)
{
    if (::geteuid() != 0 || qgetenv("CI") != "true" || !QFileInfo::exists("/etc/debian_version"))
        GTEST_SKIP() << "installs the package only in CI (CI=true) as root on Debian";
    if (QFileInfo::exists(InstalledPackage::kProgram))
        GTEST_SKIP() << "the machine has the program installed already";
    QTemporaryDir folder;
    const QString package = makePackage(folder.path());
    ASSERT_FALSE(package.isEmpty());
    QProcess::execute("chmod", {"a+rx", folder.path()});
    std::optional<InstalledPackage> installed(std::in_place, package);
    ASSERT_TRUE(installed->installed());
    const QString besideProgram = "/usr/bin/Tikora_Clock.ini";

    ClockProcess asRoot(x->display());
    asRoot.setProgram(InstalledPackage::kProgram);
    asRoot.setEnvironment("HOME", asRoot.path("root"));
    asRoot.setEnvironment("XDG_CONFIG_HOME", std::nullopt);
    ASSERT_TRUE(asRoot.start({"/p"}));
    ASSERT_TRUE(asRoot.endsWithin(kPromptEndMs)) << asRoot.output();
    EXPECT_EQ(asRoot.readFile("root/.config/tikora-clock/Tikora_Clock.ini"), kDefaultSettings);
    EXPECT_FALSE(QFileInfo::exists(besideProgram));

    // The user's run keeps the real time: libfaketime, preloaded into setpriv as root, would
    // leave the user's program a semaphore it may not open.
    clock->setProgram(InstalledPackage::kProgram);
    ASSERT_TRUE(clock->start({"/c"}));
    ASSERT_TRUE(waitForWindow("Options")) << clock->output();
    x->click(inDialog(kEqualSize));
    x->click(inDialog(kSave));
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs)) << "the save failed";
    EXPECT_EQ(clock->readFile(kConfigSettings), settingsWith("ShapeWidth=1")) << clock->output();

    const QStringList files = installed->files();
    ASSERT_FALSE(files.isEmpty());
    installed.reset();
    for (const QString& file : files) {
        if (!QFileInfo(file).isDir()) {
            EXPECT_FALSE(QFileInfo::exists(file) || QFileInfo(file).isSymLink())
                << file.toStdString();
        }
    }
    EXPECT_FALSE(QFileInfo::exists("/usr/share/doc/tikora-clock"));
    EXPECT_FALSE(QFileInfo::exists(besideProgram));
}

using DebianPackageX = XTest;

TEST_F(DebianPackageX, PackageListsEveryFileAndItsDependenciesAndLintianFindsNoError)
{
    QTemporaryDir folder;
    const QString package = makePackage(folder.path());
    ASSERT_FALSE(package.isEmpty());
    const QByteArray contents = x->run("dpkg-deb", {"--contents", package});
    for (const QString& file : kInstalledFiles)
        EXPECT_TRUE(contents.contains("./usr/" + file.toUtf8())) << file.toStdString();
    const QByteArray depends = x->run("dpkg-deb", {"--field", package, "Depends"});
    for (const char* needed : {"libqt6widgets6", "qt6-qpa-plugins", "libc6"})
        EXPECT_TRUE(depends.contains(needed)) << needed << " in " << depends.toStdString();
    // Debian's checker: an error is a line "E: ..."; the report shows its warnings too.
    const QByteArray report = "\n" + x->run("lintian", {package});
    EXPECT_FALSE(report.contains("\nE:")) << report.toStdString();
}

} // namespace
