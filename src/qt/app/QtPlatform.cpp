#include "QtPlatform.h"
#include "QtColour.h"

#include "BoundedFile.h"
#include "BuiltInPictures.h"
#include "ClockWindow.h"
#include "Drives.h"
#include "FontPickerDialog.h"
#include "FormView.h"
#include "PatientQuestion.h"
#include "PendingFormView.h"
#include "PictureFile.h"
#include "Presentation.h"
#include "QtPicture.h"
#include "QtText.h"
#include "ScreenUnits.h"
#include "SettingsFolder.h"
#include "UserFolders.h"
#include "WriteFailure.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QSaveFile>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include <unistd.h>

namespace {

constexpr int kSecondsPerHour = 3600;
constexpr std::int64_t kMillisecondsPerSecond = 1000;
constexpr int kSecondsPerMinute = 60;
// How long work waits for a thread when none could be made.
constexpr std::chrono::milliseconds kRetryWork{1000};

// The time zone may change while the clock runs, as the system's is set anew; localtime_r keeps
// the zone it first read, while tzset reads it again when its file or TZ has changed.
std::tm localNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    tzset();
    localtime_r(&now, &local);
    return local;
}

QMessageBox::Icon qtIcon(tk::MessageIcon icon)
{
    switch (icon) {
    case tk::MessageIcon::Information:
        return QMessageBox::Information;
    case tk::MessageIcon::Warning:
        return QMessageBox::Warning;
    case tk::MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtPlatform::QtPlatform(tk::RunRequest request, const ScreenUnits& units, Presentation& presentation)
    : m_request(request)
    , m_units(units)
    , m_presentation(presentation)
    , m_files([] { return QThread::currentThread() == qApp->thread(); })
{
    PictureFile::limitAllocations();
    m_files.prepare();
    m_startMilliseconds = QDateTime::currentMSecsSinceEpoch();
    m_sinceStart.start();
    // Connected before the clock window exists: its presentation may end the run while it
    // takes the window in.
    QObject::connect(&m_presentation, &Presentation::broughtToFront, &m_presentation,
                     [this] { raiseDialogs(); });
    QObject::connect(&m_presentation, &Presentation::closed, &m_presentation,
                     [this] { endProcess(); });
}

QtPlatform::~QtPlatform()
{
    QObject::disconnect(&m_presentation, nullptr, nullptr, nullptr);
}

bool QtPlatform::anotherInstanceRunning()
{
    const bool running = m_presentation.anotherInstanceRunning();
    // Someone who started this copy at a terminal is told why nothing shows; a screen-saver
    // host, which gives it no terminal, is not.
    if (running && ::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO))
        std::fprintf(stderr, "%s: the clock runs already; this copy ends\n",
                     qPrintable(QCoreApplication::applicationName()));
    return running;
}

tk::RunRequest QtPlatform::commandLine()
{
    return m_request;
}

std::string QtPlatform::programFolder()
{
    return toStd(QCoreApplication::applicationDirPath());
}

std::string QtPlatform::defaultPictureFolder()
{
    SettingsFolder::PictureFacts facts;
    facts.settingsFolder = settingsFolder();
    facts.programFolder = toStd(QCoreApplication::applicationDirPath());
    facts.picturesFolder = os::userFolders::pictures();
    std::error_code error;
    facts.picturesFolderExists = std::filesystem::is_directory(facts.picturesFolder, error);
    facts.homeFolder = os::userFolders::home();
    return SettingsFolder::pictureFolder(facts);
}

std::int64_t QtPlatform::steadySeconds()
{
    return (m_startMilliseconds + m_sinceStart.elapsed()) / kMillisecondsPerSecond;
}

int QtPlatform::timeOfDay()
{
    const std::tm local = localNow();
    return local.tm_hour * kSecondsPerHour + local.tm_min * kSecondsPerMinute + local.tm_sec;
}

std::string QtPlatform::settingsFolder()
{
    if (m_settingsFolder.empty())
        m_settingsFolder = locateSettings();
    return m_settingsFolder;
}

std::string QtPlatform::locateSettings()
{
    const QString program = QCoreApplication::applicationDirPath();
    SettingsFolder::Facts facts;
    facts.programFolder = toStd(program);
    facts.installed = SettingsFolder::installedCopy(facts.programFolder, TIKORA_INSTALL_BINDIR);
    facts.programFolderWritable = QFileInfo(program).isWritable();
    facts.settingsBesideProgram =
        QFileInfo::exists(QDir(program).filePath(toQt(std::string(SettingsFolder::kSettingsFile))));
    facts.userConfigFolder = os::userFolders::config();
    const std::string folder = SettingsFolder::locate(facts);
    // A folder that cannot be made leaves the run on its defaults, as an unwritable one does.
    std::error_code error;
    if (folder != facts.programFolder)
        std::filesystem::create_directories(folder, error);
    return folder;
}

tk::ScreenSize QtPlatform::screenSize()
{
    return m_units.toTwips(m_presentation.layoutSize());
}

void QtPlatform::endProcess()
{
    std::_Exit(EXIT_SUCCESS);
}

void QtPlatform::setCursorPos(int x, int y)
{
    m_presentation.movePointer(QPoint(x, y));
}

tk::Units QtPlatform::units()
{
    return m_units.units();
}

void QtPlatform::windowCreated(tk::Window& window)
{
    if (!m_clock && window.role() == tk::WindowRole::ClockFace) {
        m_clock = std::make_unique<ClockWindow>(window, m_units, m_presentation);
        return;
    }
    // The native widgets wait for the window's first show; until then nothing needs them.
    m_pendingViews.push_back(
        std::make_unique<PendingFormView>(window, [this, &window] { makeFormView(window); }));
}

FormView& QtPlatform::makeFormView(tk::Window& window)
{
    if (FormView* view = formView(window))
        return *view;
    // A form view watches its window from its construction on.
    m_views.push_back(std::make_unique<FormView>(window, m_units));
    m_presentation.adoptDialog(*m_views.back());
    return *m_views.back();
}

FormView* QtPlatform::formView(const tk::Window& window) const
{
    const auto it = std::find_if(m_views.begin(), m_views.end(), [&window](const auto& view) {
        return &view->window() == &window;
    });
    return it == m_views.end() ? nullptr : it->get();
}

void QtPlatform::showModal(tk::Window& window)
{
    // The clock window is never shown modally; every other window is a form view.
    if (m_clock && &window == &m_clock->toolkitWindow())
        return;
    makeFormView(window).execModal();
}

// Without a window manager the window shown last stands in front, so the dialogs are raised
// again whenever the full-screen clock comes up.
void QtPlatform::raiseDialogs()
{
    for (const auto& view : m_views) {
        if (view->isVisible())
            view->raise();
    }
}

QWidget* QtPlatform::dialogParent() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (auto it = m_views.rbegin(); it != m_views.rend(); ++it) {
        if ((*it)->isVisible())
            return it->get();
    }
    return m_clock.get();
}

tk::MessageAnswer QtPlatform::messageBox(const std::string& text, const std::string& title,
                                         tk::MessageIcon icon, tk::MessageButtons buttons)
{
    const QMessageBox::StandardButtons choice = buttons == tk::MessageButtons::OkCancel
                                                    ? QMessageBox::Ok | QMessageBox::Cancel
                                                    : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(qtIcon(icon), toQt(title), toQt(text), choice, dialogParent());
    box.setDefaultButton(QMessageBox::Ok);
    const int answer = box.exec();
    return answer == QMessageBox::Cancel ? tk::MessageAnswer::Cancel : tk::MessageAnswer::Ok;
}

std::optional<tk::Colour> QtPlatform::pickColour(tk::Colour preset)
{
    const QColor colour = QColorDialog::getColor(qtColour(preset), dialogParent());
    if (!colour.isValid())
        return std::nullopt;
    return tkColour(colour);
}

// Qt's picker always lists the screen's fonts, always shows the colour and offers no style, so
// it is what the options the settings dialog asks for describe; it takes no other options.
std::optional<tk::FontChoice> QtPlatform::pickFont(const tk::FontChoice& preset, int /*flags*/)
{
    return FontPickerDialog::pick(preset, m_units, dialogParent());
}

std::vector<std::string> QtPlatform::drives()
{
    std::vector<std::string> roots;
    for (os::Drive& drive : os::drives())
        roots.push_back(std::move(drive.root));
    return roots;
}

std::vector<std::string> QtPlatform::listFolders(const std::string& folder)
{
    return m_files.folders(folder);
}

tk::DriveFolder QtPlatform::openDrive(const std::string& drive)
{
    return m_files.openDrive(drive);
}

std::vector<std::string> QtPlatform::listDirectory(const std::string& pattern)
{
    return m_files.files(pattern);
}

// Work for which no thread can be made now is tried again a moment later, so that the clock
// goes on under a process limit and the work is done once the limit allows.
void QtPlatform::whenDone(std::function<void()> work, std::function<void()> then)
{
    const auto post = [target = QPointer<QObject>(&m_presentation)](std::function<void()> next) {
        if (target)
            QMetaObject::invokeMethod(target, std::move(next), Qt::QueuedConnection);
    };
    if (!PatientQuestion::whenDone(work, then, post))
        QTimer::singleShot(kRetryWork, &m_presentation,
                           [this, work, then] { whenDone(work, then); });
}

QByteArray QtPlatform::pictureBytes(const std::string& path)
{
    const std::optional<std::string> bytes = m_files.pictureBytes(path);
    return bytes ? QByteArray::fromStdString(*bytes) : QByteArray();
}

std::optional<std::string> QtPlatform::readFile(const std::string& path)
{
    return os::boundedFile::readText(path);
}

tk::WriteFailure QtPlatform::writeFile(const std::string& path, const std::string& contents)
{
    // The reason is the error of the system call that failed, taken before anything else runs.
    errno = 0;
    if (!os::boundedFile::mayWrite(path))
        return errno == 0 ? tk::WriteFailure::NotAFile : os::lastWriteFailure();
    QSaveFile file(toQt(path));
    if (!file.open(QIODevice::WriteOnly))
        return os::lastWriteFailure();
    const auto size = static_cast<qint64>(contents.size());
    // QSaveFile commits a new file that the disk or a size limit cut short when the error
    // shows only as the buffer is flushed, so the flush is checked before the commit.
    if (file.write(contents.data(), size) != size || !file.flush()) {
        const tk::WriteFailure why = os::lastWriteFailure();
        file.cancelWriting();
        return why;
    }
    return file.commit() ? tk::WriteFailure::None : os::lastWriteFailure();
}

// A picture for the whole window, the background, stands at its own size from the top left
// corner, so no more of it than the screen can be seen.
tk::PictureRef QtPlatform::loadPicture(const std::string& path)
{
    return shownPicture(PictureFile::decode(pictureBytes(path), {}, m_presentation.layoutSize()));
}

tk::PictureRef QtPlatform::loadPictureFor(const std::string& path, const tk::Bounds& box)
{
    // On a screen of more dots per inch a picture scaled down to its box keeps the detail of
    // the screen's own pixels.
    const QSizeF fit = QSizeF(m_units.toWholePixels(box).size()) * m_units.devicePixelRatio();
    return shownPicture(PictureFile::decode(pictureBytes(path), fit.toSize()));
}

tk::PictureRef QtPlatform::shownPicture(const QImage& image)
{
    if (image.isNull())
        return nullptr;
    // Pictures are drawn often and changed never, so they are kept in the fastest form to draw.
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return std::make_shared<QtPicture>(image.convertToFormat(format));
}

tk::PictureRef QtPlatform::builtInPicture(tk::BuiltInPicture which)
{
    return BuiltInPictures::make(which, m_units.devicePixelRatio());
}
