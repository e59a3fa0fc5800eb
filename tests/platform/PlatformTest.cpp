#include "BoundedFile.h"
#include "FakePlatform.h"
#include "FolderListing.h"
#include "InstanceLock.h"
#include "PictureFile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::vector<std::string> toStd(const QStringList& names)
{
    std::vector<std::string> result;
    for (const QString& name : names)
        result.push_back(name.toStdString());
    return result;
}

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        for (const char* name : {"b.GIF", "a.gif", "C.jpg", "note.txt", ".hidden.gif", "noext"})
            write(name, "picture");
        for (const char* name : {"Sub", "alpha", ".secret", "dir.gif"})
            ASSERT_TRUE(QDir(m_dir.path()).mkdir(name));
        ASSERT_TRUE(QFile::link(path("a.gif"), path("link.gif")));
        ASSERT_TRUE(QFile::link(path("gone"), path("dangling.gif")));
        ASSERT_TRUE(QFile::link("/dev/zero", path("zero.gif")));
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir m_dir;
};

// The system's tests list folders through the fake platform, so it must list them as the
// desktop does: plain files and links to them, hidden entries left out, wildcards without
// regard to case, names sorted without regard to case.
TEST_F(PlatformTest, FakeAndRealListingsAgree)
{
    using Names = std::vector<std::string>;
    const std::vector<std::pair<std::string, Names>> files = {
        {"/", {"a.gif", "b.GIF", "C.jpg", "link.gif", "noext", "note.txt"}},
        {"/*.*", {"a.gif", "b.GIF", "C.jpg", "link.gif", "noext", "note.txt"}},
        {"/*.GIF", {"a.gif", "b.GIF", "link.gif"}},
        {"/?.jpg", {"C.jpg"}},
        {"/a.gif", {"a.gif"}},
        {"/link.gif", {"link.gif"}},
        {"/.hidden.gif", {}},
        {"/dir.gif", {}},
        {"/dangling.gif", {}},
        {"/missing.gif", {}},
    };
    fake::FakePlatform fakePlatform;
    const std::string folder = m_dir.path().toStdString();
    for (const auto& [pattern, expected] : files) {
        SCOPED_TRACE(pattern);
        EXPECT_EQ(toStd(FolderListing::files(QString::fromStdString(folder + pattern))), expected);
        EXPECT_EQ(fakePlatform.listDirectory(folder + pattern), expected);
    }
    const Names folders = {"alpha", "dir.gif", "Sub"};
    EXPECT_EQ(toStd(FolderListing::folders(m_dir.path())), folders);
    EXPECT_EQ(fakePlatform.listFolders(folder), folders);
}

TEST_F(PlatformTest, LinksToRegularFilesAreReadAndNothingElse)
{
    EXPECT_EQ(BoundedFile::read(path("link.gif"), 100), QByteArray("picture"));
    EXPECT_FALSE(BoundedFile::read(path("zero.gif"), 100));
    EXPECT_FALSE(BoundedFile::read(path("Sub"), 100));
    EXPECT_TRUE(BoundedFile::mayWrite(path("link.gif")));
    EXPECT_TRUE(BoundedFile::mayWrite(path("new.ini")));
    EXPECT_FALSE(BoundedFile::mayWrite(path("zero.gif")));
    EXPECT_FALSE(BoundedFile::mayWrite(path("dangling.gif")));

    QImage red(7, 5, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(path("red.png")));
    ASSERT_TRUE(QFile::link(path("red.png"), path("red-link.png")));
    EXPECT_EQ(PictureFile::read(path("red-link.png")).size(), QSize(7, 5));
    EXPECT_TRUE(PictureFile::read(path("zero.gif")).isNull());
}

// Without a runtime folder the lock lives in a folder of the user's own in the temporary
// folder; one that others may enter or write could hand them the lock.
TEST_F(PlatformTest, LockFolderOpenToOthersIsNotUsed)
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray temp = qgetenv("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
    const QString folder = path(QString("tikora-clock-%1").arg(::geteuid()));
    const QString lock = InstanceLock::defaultPath();
    EXPECT_EQ(lock, QDir(folder).filePath("tikora-clock.lock"));
    EXPECT_FALSE(InstanceLock(lock).heldElsewhere());
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    EXPECT_EQ(InstanceLock::defaultPath(), QString());
    qputenv("XDG_RUNTIME_DIR", runtime);
    qputenv("TMPDIR", temp);
}

} // namespace
