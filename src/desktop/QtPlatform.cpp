#include "QtPlatform.h"
#include "QtColour.h"

#include "BoundedFile.h"
#include "BuiltInPictures.h"
#include "ClockWindow.h"
#include "FaceFit.h"
#include "FacePainter.h"
#include "FolderListing.h"
#include "FontPickerDialog.h"
#include "Form1.h"
#include "FormView.h"
#include "HostWindow.h"
#include "PendingFormView.h"
#include "PictureFile.h"
#include "QtPicture.h"
#include "SettingsFolder.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QScreen>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <ctime>

namespace {

constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;
// A hosted run with a window of its own starts at this size.
constexpr QSize kOwnWindowSize{800, 600};
// Text files are settings-sized; whatever lies past this bound is not part of them.
constexpr qint64 kTextFileLimit = 64 * 1024;

std::string toStd(const QString& text)
{
    return text.toStdString();
}

QString toQt(const std::string& text)
{
    return QString::fromStdString(text);
}

std::tm localNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
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

std::vector<std::string> toStdList(const QStringList& texts)
{
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& text : texts)
        result.push_back(toStd(text));
    return result;
}

} // namespace

QtPlatform::QtPlatform(RunOptions options, HostWindow* host)
    : m_options(std::move(options))
    , m_host(host)
    , m_lock(InstanceLock::defaultPath())
{
#ifdef SIGXFSZ
    // A write past the user's file-size limit is a failed write that leaves the old settings
    // file in place, not a reason to kill the screen saver.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    PictureFile::limitAllocations();
    if (m_options.hosted())
        m_hostedLayout = FaceFit::layoutFor(host ? host->size() : kOwnWindowSize);
}

QtPlatform::~QtPlatform() = default;

// A host runs one copy per screen and a preview beside them, so a hosted run takes no lock.
bool QtPlatform::anotherInstanceRunning()
{
    return !m_options.hosted() && m_lock.heldElsewhere();
}

std::string QtPlatform::commandLine()
{
    return m_options.clockCommandLine();
}

std::string QtPlatform::programFolder()
{
    return toStd(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

int QtPlatform::timeOfDay()
{
    const std::tm local = localNow();
    return local.tm_hour * kSecondsPerHour + local.tm_min * kSecondsPerMinute + local.tm_sec;
}

std::string QtPlatform::settingsFolder()
{
    if (m_settingsFolder.empty())
        m_settingsFolder = toStd(QDir::toNativeSeparators(SettingsFolder::locate()));
    return m_settingsFolder;
}

tk::ScreenSize QtPlatform::screenSize()
{
    if (!m_hostedLayout.isEmpty()) {
        return {m_hostedLayout.width() * tk::kTwipsPerPixel,
                m_hostedLayout.height() * tk::kTwipsPerPixel};
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize size = screen->size();
    return {size.width() * tk::kTwipsPerPixel, size.height() * tk::kTwipsPerPixel};
}

void QtPlatform::endProcess()
{
    std::_Exit(EXIT_SUCCESS);
}

// The pointer is the host's in a hosted run; moving it there would even count as the user's
// activity and end the host's screen saver.
void QtPlatform::setCursorPos(int x, int y)
{
    if (m_options.hosted())
        return;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        QCursor::setPos(screen, screen->geometry().topLeft() + QPoint(x, y));
    else
        QCursor::setPos(x, y);
}

void QtPlatform::windowCreated(tk::Window& window)
{
    if (window.name() == "Form1") {
        if (auto* form = dynamic_cast<Form1*>(&window)) {
            m_clock = std::make_unique<ClockWindow>(*form, m_hostedLayout);
            QObject::connect(m_clock.get(), &ClockWindow::broughtToFront, m_clock.get(),
                             [this] { raiseDialogs(); });
            if (m_options.hosted())
                presentHosted(*m_clock);
            return;
        }
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
    m_views.push_back(std::make_unique<FormView>(window));
    return *m_views.back();
}

// The clock goes into the host's window and follows its size, or into a window of its own.
void QtPlatform::presentHosted(ClockWindow& clock)
{
    QObject::connect(&clock, &ClockWindow::closed, &clock, [this] { endProcess(); });
    if (!m_host) {
        clock.resize(kOwnWindowSize);
        return;
    }
    m_host->embed(clock);
    QObject::connect(m_host, &HostWindow::resized, &clock,
                     [&clock](QSize size) { clock.resize(size); });
    QObject::connect(m_host, &HostWindow::gone, &clock, [this] { endProcess(); });
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
    if (m_clock && &window == static_cast<tk::Window*>(&m_clock->form()))
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

std::optional<tk::FontChoice> QtPlatform::pickFont(const tk::FontChoice& preset)
{
    return FontPickerDialog::pick(preset, dialogParent());
}

std::vector<std::string> QtPlatform::drives()
{
    return toStdList(FolderListing::drives());
}

std::vector<std::string> QtPlatform::listFolders(const std::string& folder)
{
    return toStdList(FolderListing::folders(toQt(folder)));
}

tk::DriveFolder QtPlatform::openDrive(const std::string& drive)
{
    const QString failure = FolderListing::openFailure(toQt(drive));
    if (!failure.isEmpty())
        return {{}, toStd(failure)};
    return {drive, {}};
}

std::vector<std::string> QtPlatform::listDirectory(const std::string& pattern)
{
    return toStdList(FolderListing::files(toQt(pattern)));
}

std::optional<std::string> QtPlatform::readFile(const std::string& path)
{
    const auto bytes = BoundedFile::read(toQt(path), kTextFileLimit);
    if (!bytes)
        return std::nullopt;
    return bytes->toStdString();
}

bool QtPlatform::writeFile(const std::string& path, const std::string& contents)
{
    if (!BoundedFile::mayWrite(toQt(path)))
        return false;
    QSaveFile file(toQt(path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(contents.size());
    // QSaveFile commits a new file that the disk or a size limit cut short when the error
    // shows only as the buffer is flushed, so the flush is checked before the commit.
    if (file.write(contents.data(), size) != size || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

tk::PictureRef QtPlatform::loadPicture(const std::string& path)
{
    const QImage image = PictureFile::read(toQt(path));
    if (image.isNull())
        return nullptr;
    // Pictures are drawn often and changed never, so they are kept in the fastest form to draw.
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return std::make_shared<QtPicture>(image.convertToFormat(format));
}

tk::PictureRef QtPlatform::builtInPicture(tk::BuiltInPicture which)
{
    return BuiltInPictures::make(which);
}
