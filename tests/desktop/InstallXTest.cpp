#include "DesktopTest.h"

#include <QFileInfo>
#include <QTemporaryDir>

// Installation: `cmake --install` into a staging folder, the settings of an installed copy in
// the user's configuration folder, and the Debian package.

namespace {

const QStringList kInstalledFiles = {
    "bin/tikora-clock",
    "share/xscreensaver/config/tikora-clock.xml",
    "share/applications/tikora-clock.desktop",
    "share/icons/hicolor/scalable/apps/tikora-clock.svg",
    "share/man/man6/tikora-clock.6",
};
const QString kConfigSettings = "home/.config/tikora-clock/Tikora_Clock.ini";
// The dialog's Save button: its place in twips, as a screen pixel a little inside it.
const QPoint kSaveButton = DesktopTest::pixel(50 + 120 + 150, 50 + 5880 + 120);

// Runs a command and says whether it ended well; `output` gets what it wrote.
bool succeeds(const QString& program, const QStringList& arguments, QByteArray* output = nullptr,
              const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    constexpr int kCommandMs = 120000;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(kCommandMs);
    if (output)
        *output = process.readAll();
    return ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

class InstallX : public DesktopTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(DesktopTest::SetUp());
        QString why;
        m_user = OrdinaryUser::get(why);
        if (!m_user)
            GTEST_SKIP() << "the installed program must run as an ordinary user, and "
                         << why.toStdString();
    }
    // Runs `program` as the ordinary user with a fresh home in the run's folder.
    void runAsUser(const QString& program)
    {
        ASSERT_TRUE(QDir(clock->folder()).mkpath("home"));
        clock->setProgram(program);
        clock->runAs(*m_user);
        clock->setEnvironment("HOME", clock->path("home"));
        clock->setEnvironment("XDG_CONFIG_HOME", std::nullopt);
    }
    // Makes the staged tree readable to the ordinary user, and its program folder, like an
    // installed one, not writable.
    static void settle(const QString& stage, const QString& programFolder)
    {
        QProcess::execute("chmod", {"-R", "a+rX", stage});
        QProcess::execute("chmod", {"a-w", programFolder});
    }

    std::optional<OrdinaryUser> m_user;
};

TEST_F(InstallX, StagedInstallPutsEveryFileInPlaceAndKeepsSettingsInTheUsersFolder)
{
    QTemporaryDir stage;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DESTDIR", stage.path());
    QByteArray output;
    ASSERT_TRUE(succeeds("cmake", {"--install", TIKORA_BUILD_DIR, "--prefix", "/usr/local"},
                         &output, environment))
        << output.toStdString();
    for (const QString& file : kInstalledFiles)
        EXPECT_TRUE(QFileInfo(stage.filePath("usr/local/" + file)).isFile()) << file.toStdString();
    const QString program = stage.filePath("usr/local/bin/tikora-clock");
    settle(stage.path(), stage.filePath("usr/local/bin"));

    ASSERT_NO_FATAL_FAILURE(runAsUser(program));
    ASSERT_TRUE(clock->start({"/p"}));
    ASSERT_TRUE(clock->endsWithin(kPromptEndMs)) << clock->output();
    EXPECT_EQ(clock->readFile(kConfigSettings), kDefaultSettings) << clock->output();
    EXPECT_FALSE(QFileInfo::exists(stage.filePath("usr/local/bin/Tikora_Clock.ini")));

    // Save rewrites the file there: a language digit that names none is saved as English.
    QByteArray changed = kDefaultSettings;
    changed.replace("Localisation=1", "Localisation=7");
    QFile file(clock->path(kConfigSettings));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(changed) == changed.size());
    file.close();
    ClockProcess configure(x->display());
    configure.setProgram(program);
    configure.runAs(*m_user);
    configure.setEnvironment("HOME", clock->path("home"));
    configure.setEnvironment("XDG_CONFIG_HOME", std::nullopt);
    ASSERT_TRUE(configure.start({"/c"}));
    ASSERT_TRUE(waitForWindow("Options")) << configure.output();
    x->click(kSaveButton);
    ASSERT_TRUE(configure.endsWithin(kPromptEndMs));
    EXPECT_EQ(clock->readFile(kConfigSettings), kDefaultSettings);
}

TEST_F(InstallX, CopyInAWritableFolderKeepsItsSettingsBesideItself)
{
    const QString program = clock->path("tikora-clock");
    ASSERT_TRUE(QFile::copy(TIKORA_CLOCK_PROGRAM, program));
    ASSERT_NO_FATAL_FAILURE(runAsUser(program));
    ASSERT_TRUE(clock->start({"/p"}));
    ASSERT_TRUE(clock->endsWithin(kPromptEndMs)) << clock->output();
    EXPECT_EQ(clock->readFile(kSettingsName), kDefaultSettings);
    EXPECT_FALSE(QFileInfo::exists(clock->path(kConfigSettings)));
}

// A portable copy on a medium the user cannot write still reads the file beside it, and writes
// nothing anywhere else.
TEST_F(InstallX, CopyInAReadOnlyFolderHoldingItsFileReadsItThere)
{
    ASSERT_TRUE(QDir().mkpath(clock->path("portable")));
    const QString program = clock->path("portable/tikora-clock");
    ASSERT_TRUE(QFile::copy(TIKORA_CLOCK_PROGRAM, program));
    QFile file(clock->path("portable/" + kSettingsName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(kDefaultSettings) > 0);
    file.close();
    ASSERT_NO_FATAL_FAILURE(runAsUser(program));
    settle(clock->path("portable"), clock->path("portable"));
    ASSERT_TRUE(clock->start({"/p"}));
    ASSERT_TRUE(clock->endsWithin(kPromptEndMs)) << clock->output();
    EXPECT_FALSE(QFileInfo::exists(clock->path("home/.config/tikora-clock")));
}

class DebianPackageX : public InstallX {
protected:
    // Makes the package in `folder`; its path.
    static QString makePackage(const QString& folder)
    {
        QByteArray output;
        EXPECT_TRUE(succeeds("cpack",
                             {"-G", "DEB", "-B", folder, "--config",
                              QString(TIKORA_BUILD_DIR) + "/CPackConfig.cmake"},
                             &output))
            << output.toStdString();
        const QStringList packages = QDir(folder).entryList({"tikora-clock_*.deb"});
        return packages.isEmpty() ? QString() : QDir(folder).filePath(packages.first());
    }
};

TEST_F(DebianPackageX, PackageListsEveryFileAndItsDependencies)
{
    QTemporaryDir folder;
    const QString package = makePackage(folder.path());
    ASSERT_FALSE(package.isEmpty());
    QByteArray contents;
    ASSERT_TRUE(succeeds("dpkg-deb", {"--contents", package}, &contents));
    for (const QString& file : kInstalledFiles)
        EXPECT_TRUE(contents.contains("./usr/" + file.toUtf8())) << file.toStdString();
    QByteArray depends;
    ASSERT_TRUE(succeeds("dpkg-deb", {"--field", package, "Depends"}, &depends));
    for (const char* needed : {"libqt6widgets6", "qt6-qpa-plugins", "libc6"})
        EXPECT_TRUE(depends.contains(needed)) << needed << " in " << depends.toStdString();
}

// Installing changes the machine, so it is done only where CI runs as root on Debian.
TEST_F(DebianPackageX, InstalledPackageRunsForAUser)
{
    if (::geteuid() != 0 || qgetenv("CI") != "true" || !QFileInfo::exists("/etc/debian_version"))
        GTEST_SKIP() << "installs the package only in CI (CI=true) as root on Debian";
    QTemporaryDir folder;
    const QString package = makePackage(folder.path());
    ASSERT_FALSE(package.isEmpty());
    QProcess::execute("chmod", {"a+rx", folder.path()});
    QByteArray output;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DEBIAN_FRONTEND", "noninteractive");
    ASSERT_TRUE(succeeds("apt-get", {"install", "-y", package}, &output, environment))
        << output.toStdString();
    ASSERT_NO_FATAL_FAILURE(runAsUser("/usr/bin/tikora-clock"));
    ASSERT_TRUE(clock->start({"/p"}));
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs)) << clock->output();
    EXPECT_EQ(clock->readFile(kConfigSettings), kDefaultSettings);
    succeeds("apt-get", {"remove", "-y", "tikora-clock"}, nullptr, environment);
}

} // namespace
