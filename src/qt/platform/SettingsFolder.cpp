#include "SettingsFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The settings file's name; a copy of it beside the program makes that copy portable.
const QString kSettingsFile = QStringLiteral("Tikora_Clock.ini");
const QString kFolderName = QStringLiteral("tikora-clock");

QString userConfigFolder()
{
    // A relative value is not a configuration folder, by the XDG base directory rules.
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return configured;
    return QDir::home().filePath(QStringLiteral(".config"));
}

} // namespace

QString SettingsFolder::locate()
{
    const QString program = QCoreApplication::applicationDirPath();
    if (QFileInfo(program).isWritable() || QFileInfo::exists(QDir(program).filePath(kSettingsFile)))
        return program;
    const QString folder = QDir(userConfigFolder()).filePath(kFolderName);
    // A folder that cannot be made leaves the run on its defaults, as an unwritable one does.
    QDir().mkpath(folder);
    return QDir::cleanPath(folder);
}

QString SettingsFolder::pictureFolder(const QString& settingsFolder, const QString& programFolder)
{
    if (QDir::cleanPath(settingsFolder) == QDir::cleanPath(programFolder))
        return programFolder;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}
