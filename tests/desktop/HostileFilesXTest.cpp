#include "XTest.h"

#include <sys/sysmacros.h>

// The real program against settings files that are no settings file: devices, pipes, folders,
// links that lead nowhere, a huge file and a font name that is no UTF-8. It must start, keep
// running and leave them alone. What damaged contents read as is the settings-file table's
// business.

namespace {

// What is at a path, without following a link: its type, a link's target, a file's contents.
QByteArray whatIsAt(const QString& path)
{
    struct stat entry {};
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0)
        return "nothing";
    QFile file(path);
    const bool readable = S_ISREG(entry.st_mode) && file.open(QIODevice::ReadOnly);
    return QByteArray::number(entry.st_mode & S_IFMT) + " " +
           QFileInfo(path).symLinkTarget().toUtf8() + " " + (readable ? file.readAll() : "");
}

using Make = std::function<bool(const QString&)>;

// Things made in the settings file's place, or the contents of a file there: a device like
// `zero`, fifos, a folder, links, and files of a huge line and of a font name of broken UTF-8.
std::vector<std::tuple<const char*, Make, QByteArray>> hostileSettings(const QString& zero,
                                                                       const QString& fifo)
{
    return {
        {"link to a zero device", [=](const QString& at) { return QFile::link(zero, at); }, {}},
        {"fifo", [](const QString& at) { return ::mkfifo(QFile::encodeName(at), 0644) == 0; }, {}},
        {"link to a fifo", [=](const QString& at) { return QFile::link(fifo, at); }, {}},
        {"folder", [](const QString& at) { return QDir().mkdir(at); }, {}},
        {"dangling link", [](const QString& at) { return QFile::link(at + ".gone", at); }, {}},
        {"a 10 MB line", nullptr, "ViewTime=" + QByteArray(10 << 20, '7') + "\r\n"},
        // The font name reaches Qt as it stands.
        {"a font name that is no UTF-8", nullptr,
         QByteArray(XTest::kDefaultSettings).replace("Tahoma", "Ta\xFF\xFE\xC3(")},
    };
}

using HostileFilesX = XTest;

// The program starts on the defaults and leaves the thing in the settings file's place as the
// user left it, with no file written beside it.
TEST_F(HostileFilesX, SpecialAndHugeFilesAreNeitherReplacedNorInTheWay)
{
    const QTemporaryDir specials;
    // A private node of /dev/zero where the test may make one, so that no fault of the program
    // can touch the system's own.
    QString zero = specials.filePath("zero");
    if (::mknod(QFile::encodeName(zero).constData(), S_IFCHR | 0644, makedev(1, 5)) != 0)
        zero = "/dev/zero";
    const QByteArray zeroBefore = whatIsAt(zero);
    const QString fifo = specials.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    for (const auto& [name, make, contents] : hostileSettings(zero, fifo)) {
        SCOPED_TRACE(name);
        nextRun();
        const QString settings = clock->path(kSettingsName);
        ASSERT_TRUE(make ? make(settings) : clock->writeFile(kSettingsName, contents));
        const QByteArray before = whatIsAt(settings);
        ASSERT_NO_FATAL_FAILURE(startClock());
        EXPECT_TRUE(clock->runsAfter(kStillRunningMs));
        x->key("a");
        EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
        EXPECT_TRUE(whatIsAt(settings) == before) << "the settings file was changed";
        const QDir::Filters all = QDir::AllEntries | QDir::System | QDir::Hidden;
        EXPECT_EQ(QDir(clock->folder()).entryList({"Tikora_Clock.ini*"}, all).size(), 1)
            << "no file written beside it";
    }
    EXPECT_TRUE(whatIsAt(zero) == zeroBefore);
}

} // namespace
