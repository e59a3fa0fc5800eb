#include "QtPlatform.h"
#include "QtColour.h"

#include "BoundedFile.h"
#include "BuiltInPictures.h"
#include "ClockWindow.h"
#include "FacePainter.h"
#include "FontPickerDialog.h"
#include "Form1.h"
#include "FormView.h"
#include "PendingFormView.h"
#include "QtPicture.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QSaveFile>
#include <QScreen>

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace {

constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;
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

bool isWildcard(const QString& name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

int lastSeparator(const QString& path)
{
#ifdef _WIN32
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
#else
    return path.lastIndexOf(QLatin1Char('/'));
#endif
}

// The plain, visible files of a folder that a wildcard matches, without regard to case.
QStringList matchingFiles(const QString& folder, QString wildcard)
{
    // "*.*" names every file, also one without an extension.
    if (wildcard == QLatin1String("*.*"))
        wildcard = QStringLiteral("*");
    QDir dir(folder);
    dir.setFilter(QDir::Files | QDir::NoDotAndDotDot);
    if (!wildcard.isEmpty())
        dir.setNameFilters({wildcard});
    return dir.entryList();
}

void sortWithoutCase(QStringList& names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
}

} // namespace

QtPlatform::QtPlatform()
    : m_lock(InstanceLock::defaultPath())
{
}

QtPlatform::~QtPlatform() = default;

bool QtPlatform::anotherInstanceRunning()
{
    return m_lock.heldElsewhere();
}

std::string QtPlatform::commandLine()
{
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty())
        arguments.removeFirst();
    return toStd(arguments.join(QLatin1Char(' ')));
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

tk::ScreenSize QtPlatform::screenSize()
{
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

void QtPlatform::setCursorPos(int x, int y)
{
    if (QScreen* screen = QGuiApplication::primaryScreen())
        QCursor::setPos(screen, x, y);
    else
        QCursor::setPos(x, y);
}

void QtPlatform::windowCreated(tk::Window& window)
{
    if (window.name() == "Form1") {
        if (auto* form = dynamic_cast<Form1*>(&window)) {
            m_clock = std::make_unique<ClockWindow>(*form);
            QObject::connect(m_clock.get(), &ClockWindow::broughtToFront, m_clock.get(),
                             [this] { raiseDialogs(); });
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

std::vector<std::string> QtPlatform::listDirectory(const std::string& pattern)
{
    if (pattern.empty())
        return {};
    const QString path = toQt(pattern);
    const int cut = lastSeparator(path);
    const QString folder = cut < 0 ? QStringLiteral(".") : path.left(cut + 1);
    const QString name = path.mid(cut + 1);
    QStringList names;
    if (name.isEmpty() || isWildcard(name)) {
        names = matchingFiles(folder, name);
    } else {
        const QFileInfo info(QDir(folder), name);
        if (info.isFile() && !info.isHidden())
            names.append(info.fileName());
    }
    sortWithoutCase(names);
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& entry : names)
        result.push_back(toStd(entry));
    return result;
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
    QSaveFile file(toQt(path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(contents.size());
    if (file.write(contents.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

tk::PictureRef QtPlatform::loadPicture(const std::string& path)
{
    QImageReader reader(toQt(path));
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
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
