#include "DesktopTest.h"

#include <QFileInfo>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// The real program against settings files that are no settings file: devices, pipes, folders,
// huge and damaged files. It must start on its defaults, keep running and leave them alone.

namespace {

// The centre circle's rim, which the face shows as soon as it stands.
constexpr QPoint kCentreRim{476, 384};

// The kind of thing at a path without following a link: "link to …", "fifo", "folder", "file".
std::string kindAt(const QString& path)
{
    const QFileInfo info(path);
    struct stat entry {};
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0)
        return "nothing";
    if (S_ISLNK(entry.st_mode))
        return "link to " + info.symLinkTarget().toStdString();
    if (S_ISFIFO(entry.st_mode))
        return "fifo";
    if (S_ISDIR(entry.st_mode))
        return "folder";
    if (S_ISCHR(entry.st_mode))
        return "device";
    return S_ISREG(entry.st_mode) ? "file" : "other";
}

// A device that reads like /dev/zero: a private node of it where the test may make one, so
// that no fault of the program can touch the system's own.
QString zeroDevice(const QString& folder)
{
    const QString node = folder + "/zero";
    if (::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0644, makedev(1, 5)) == 0)
        return node;
    return "/dev/zero";
}

class HostileFilesX : public DesktopTest {
protected:
    QString settingsPath() const { return clock->path(kSettingsName); }
    // Starts "/s" and waits for the face.
    void startClock()
    {
        ASSERT_TRUE(clock->start({"/s"}));
        ASSERT_TRUE(waitForColour(kCentreRim, kSeconds)) << clock->output();
    }
    void writeSettings(const QByteArray& contents) const
    {
        QFile file(settingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
    }
};

TEST_F(HostileFilesX, SpecialFilesAreNeitherReadNorReplacedAndBlockNoLaterStart)
{
    const QTemporaryDir specials;
    const QString zero = zeroDevice(specials.path());
    const QString fifo = specials.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    using Make = std::function<bool(const QString&)>;
    const std::vector<std::pair<std::string, Make>> kinds = {
        {"link to a zero device", [&](const QString& at) { return QFile::link(zero, at); }},
        {"fifo", [](const QString& at) { return ::mkfifo(QFile::encodeName(at), 0644) == 0; }},
        {"link to a fifo", [&](const QString& at) { return QFile::link(fifo, at); }},
        {"folder", [](const QString& at) { return QDir().mkdir(at); }},
        {"dangling link", [&](const QString& at) { return QFile::link(at + ".gone", at); }},
    };
    for (const auto& [name, make] : kinds) {
        SCOPED_TRACE(name);
        clock = std::make_unique<ClockProcess>(x->display());
        ASSERT_TRUE(make(settingsPath()));
        const std::string before = kindAt(settingsPath());
        ASSERT_NO_FATAL_FAILURE(startClock());
        EXPECT_TRUE(clock->runsAfter(kStillRunningMs));
        x->key("a");
        EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
        // A second start finds the lock free and the file as the user left it.
        ASSERT_NO_FATAL_FAILURE(startClock());
        x->key("a");
        EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
        EXPECT_EQ(kindAt(settingsPath()), before);
        EXPECT_EQ(
            QDir(clock->path("."))
                .entryList({"Tikora_Clock.ini*"}, QDir::AllEntries | QDir::System | QDir::Hidden)
                .size(),
            1)
            << "no file written beside it";
        TearDown();
    }
    EXPECT_EQ(kindAt(zero), "device");
}

TEST_F(HostileFilesX, DamagedFilesOfEveryShapeStartOnTheDefaults)
{
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919 + 13) % 251);
    QByteArray manyLines;
    for (int i = 0; i < 100'000; ++i)
        manyLines += "Line=v" + QByteArray::number(i) + "\r\n";
    const std::vector<std::pair<std::string, QByteArray>> files = {
        {"binary garbage", garbage},
        {"a 10 MB line", "ViewTime=" + QByteArray(10 << 20, '7') + "\r\n"},
        {"100,000 lines", manyLines},
        {"CR only", QByteArray(kDefaultSettings).replace("\r\n", "\r")},
        {"LF only", QByteArray(kDefaultSettings).replace("\r\n", "\n")},
        {"a byte-order mark", "\xEF\xBB\xBF" + kDefaultSettings},
        {"invalid UTF-8", QByteArray(kDefaultSettings).replace("Tahoma", "Ta\xFF\xFE\xC3(")},
    };
    for (const auto& [name, contents] : files) {
        SCOPED_TRACE(name);
        clock = std::make_unique<ClockProcess>(x->display());
        writeSettings(contents);
        ASSERT_NO_FATAL_FAILURE(startClock());
        EXPECT_TRUE(clock->runsAfter(kStillRunningMs));
        EXPECT_EQ(clock->readFile(kSettingsName), contents);
        TearDown();
    }
}

} // namespace
