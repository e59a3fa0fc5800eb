#include "Win32Platform.h"

#include "BoundedFile.h"
#include "BuiltInPictures.h"
#include "ClockWindow.h"
#include "CommonDialogs.h"
#include "Drives.h"
#include "FormWindow.h"
#include "HelperProcess.h"
#include "PatientQuestion.h"
#include "PendingFormView.h"
#include "PictureDecoder.h"
#include "PreviewWindow.h"
#include "PrimaryMonitor.h"
#include "SettingsPlace.h"
#include "TickLoop.h"
#include "WideText.h"
#include "Window.h"
#include "WriteFailure.h"

#include <cctype>

namespace {

constexpr wchar_t kMessageClass[] = L"TikoraClockMessages";
// Work done on another thread, whose `then` comes back in the message's lParam.
constexpr UINT kWorkDone = WM_APP + 1;
constexpr UINT_PTR kRetryTimer = 1;
// How long work waits for a thread when none could be made.
constexpr UINT kRetryMilliseconds = 1000;
constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;
constexpr std::int64_t kMillisecondsPerSecond = 1000;
constexpr std::int64_t kStepsPerMillisecond = 10'000;
// What a saved file is written to before it takes the old one's place.
constexpr wchar_t kNewFileSuffix[] = L".new";

std::int64_t wallMilliseconds()
{
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    return ((static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime) /
           kStepsPerMillisecond;
}

// Writes the whole text to a new file at `path`, flushed to the disk; false with the system's
// error left for lastWriteFailure when it cannot.
bool writeNew(const std::wstring& path, const std::string& contents)
{
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool whole = ::WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()),
                                   &written, nullptr) &&
                       written == contents.size() && ::FlushFileBuffers(file);
    const DWORD error = ::GetLastError();
    ::CloseHandle(file);
    ::SetLastError(error);
    return whole;
}

} // namespace

Win32Platform::Win32Platform(HINSTANCE instance, TickLoop& ticks, tk::RunRequest request,
                             const RunPolicy& policy)
    : m_instance(instance)
    , m_ticks(ticks)
    , m_request(request)
    , m_policy(policy)
    , m_programThread(::GetCurrentThreadId())
    , m_lock(std::in_place, os::InstanceLock::defaultPlace())
    , m_startMilliseconds(wallMilliseconds())
    , m_startTicks(::GetTickCount64())
    , m_files([this] { return ::GetCurrentThreadId() == m_programThread; })
{
    WNDCLASSEXW type = {};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = messageProcedure;
    type.hInstance = instance;
    type.lpszClassName = kMessageClass;
    ::RegisterClassExW(&type);
    m_messages = ::CreateWindowExW(0, kMessageClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   instance, nullptr);
    ::SetWindowLongPtrW(m_messages, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Platform::~Win32Platform()
{
    ::SetWindowLongPtrW(m_messages, GWLP_USERDATA, 0);
    ::DestroyWindow(m_messages);
}

int Win32Platform::exec()
{
    return m_ticks.run([this](MSG& message) { return takeDialogMessage(message); });
}

LRESULT CALLBACK Win32Platform::messageProcedure(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam)
{
    auto* self = reinterpret_cast<Win32Platform*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == kWorkDone) {
        std::unique_ptr<std::function<void()>> then(
            reinterpret_cast<std::function<void()>*>(lParam));
        if (self && *then)
            (*then)();
        return 0;
    }
    if (message == WM_TIMER && wParam == kRetryTimer && self) {
        self->retryWork();
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

bool Win32Platform::anotherInstanceRunning()
{
    return m_policy.takesLock && m_lock && m_lock->heldElsewhere();
}

std::string Win32Platform::programFolder()
{
    const std::string program = os::ownExecutable();
    const std::size_t separator = program.find_last_of("\\/");
    return separator == std::string::npos ? std::string(".") : program.substr(0, separator);
}

std::string Win32Platform::settingsFolder()
{
    if (m_settingsFolder.empty())
        m_settingsFolder = SettingsPlace::locate(programFolder());
    return m_settingsFolder;
}

std::string Win32Platform::defaultPictureFolder()
{
    return SettingsPlace::pictureFolder(settingsFolder(), programFolder());
}

// The time is read from the precise wall clock, by which the tick of the seconds is booked: the
// coarse one that GetLocalTime reads can lag by a step of the system's timer, and a tick a few
// milliseconds into a second would then still see the second before.
int Win32Platform::timeOfDay()
{
    FILETIME now;
    ::GetSystemTimePreciseAsFileTime(&now);
    SYSTEMTIME universal;
    SYSTEMTIME local;
    if (!::FileTimeToSystemTime(&now, &universal) ||
        !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
        ::GetLocalTime(&local);
    return local.wHour * kSecondsPerHour + local.wMinute * kSecondsPerMinute + local.wSecond;
}

std::int64_t Win32Platform::steadySeconds()
{
    const auto since = static_cast<std::int64_t>(::GetTickCount64() - m_startTicks);
    return (m_startMilliseconds + since) / kMillisecondsPerSecond;
}

tk::PixelSize Win32Platform::faceSize() const
{
    if (m_face)
        return m_face->layoutSize();
    const RECT area = PrimaryMonitor::area();
    return {area.right - area.left, area.bottom - area.top};
}

tk::ScreenSize Win32Platform::screenSize()
{
    const tk::PixelSize face = faceSize();
    const tk::Units screen = units();
    return {screen.toWholeTwips(face.width), screen.toWholeTwips(face.height)};
}

// The lock is let go first, so that a copy started the moment this one ends is not refused.
void Win32Platform::endProcess()
{
    m_lock.reset();
    ::ExitProcess(EXIT_SUCCESS);
}

void Win32Platform::setCursorPos(int x, int y)
{
    if (!m_policy.movesPointer)
        return;
    const RECT area = PrimaryMonitor::area();
    ::SetCursorPos(area.left + x, area.top + y);
}

tk::Units Win32Platform::units()
{
    return m_face ? m_face->units() : PrimaryMonitor::units();
}

void Win32Platform::windowCreated(tk::Window& window)
{
    if (!m_face && window.role() == tk::WindowRole::ClockFace) {
        m_face = makeFaceWindow(window);
        return;
    }
    // The native controls wait for the window's first show; until then nothing needs them.
    m_pendingForms.push_back(
        std::make_unique<PendingFormView>(window, [this, &window] { makeForm(window); }));
}

std::unique_ptr<FaceWindow> Win32Platform::makeFaceWindow(tk::Window& window)
{
    if (m_policy.way == RunWay::WindowsPreview) {
        const auto parent =
            reinterpret_cast<HWND>(static_cast<std::uintptr_t>(m_request.windowHandle));
        return std::make_unique<PreviewWindow>(m_instance, window, m_policy, m_ticks, parent);
    }
    return std::make_unique<ClockWindow>(m_instance, window, m_policy, m_ticks);
}

FormWindow& Win32Platform::makeForm(tk::Window& window)
{
    for (const auto& form : m_forms) {
        if (&form->toolkitWindow() == &window)
            return *form;
    }
    // The form's window watches the toolkit window from its construction on.
    m_forms.push_back(std::make_unique<FormWindow>(m_instance, window, formOwner()));
    return *m_forms.back();
}

void Win32Platform::showModal(tk::Window& window)
{
    // The clock window is never shown modally; every other window is a form.
    if (m_face && &window == &m_face->toolkitWindow())
        return;
    makeForm(window).execModal(m_ticks);
}

bool Win32Platform::takeDialogMessage(MSG& message)
{
    for (const auto& form : m_forms) {
        if (form->takeDialogMessage(message))
            return true;
    }
    return false;
}

HWND Win32Platform::formOwner() const
{
    const HWND active = ::GetActiveWindow();
    for (const auto& form : m_forms) {
        if (form->handle() == active)
            return active;
    }
    const auto named = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(m_request.windowHandle));
    if (m_request.mode == tk::RunMode::Configure && named && ::IsWindow(named))
        return named;
    return m_face ? m_face->handle() : nullptr;
}

HWND Win32Platform::dialogOwner() const
{
    const HWND active = ::GetActiveWindow();
    if (active)
        return active;
    return m_face ? m_face->handle() : nullptr;
}

tk::MessageAnswer Win32Platform::messageBox(const std::string& text, const std::string& title,
                                            tk::MessageIcon icon, tk::MessageButtons buttons)
{
    return CommonDialogs::messageBox(dialogOwner(), text, title, icon, buttons);
}

std::optional<tk::Colour> Win32Platform::pickColour(tk::Colour preset)
{
    return CommonDialogs::pickColour(dialogOwner(), preset);
}

std::optional<tk::FontChoice> Win32Platform::pickFont(const tk::FontChoice& preset, int flags)
{
    const double dotsPerInch = tk::Units::kTwipsPerInch / units().twipsPerPixel();
    return CommonDialogs::pickFont(dialogOwner(), preset, flags,
                                   static_cast<int>(dotsPerInch + 0.5));
}

std::vector<std::string> Win32Platform::drives()
{
    std::vector<std::string> roots;
    m_driveLabels.clear();
    for (os::Drive& drive : os::drives()) {
        m_driveLabels[drive.root] = std::move(drive.label);
        roots.push_back(std::move(drive.root));
    }
    return roots;
}

// "c: [System]", as Windows' drive lists show a drive with a label; "c:" without one.
std::string Win32Platform::driveCaption(const std::string& drive)
{
    const bool letter = drive.size() == 3 && drive[1] == ':' && drive[2] == '\\';
    if (!letter)
        return drive;
    std::string caption{static_cast<char>(std::tolower(static_cast<unsigned char>(drive[0]))), ':'};
    const auto label = m_driveLabels.find(drive);
    if (label != m_driveLabels.end() && !label->second.empty())
        caption += " [" + label->second + "]";
    return caption;
}

std::vector<std::string> Win32Platform::listFolders(const std::string& folder)
{
    return m_files.folders(folder);
}

tk::DriveFolder Win32Platform::openDrive(const std::string& drive)
{
    return m_files.openDrive(drive);
}

std::vector<std::string> Win32Platform::listDirectory(const std::string& pattern)
{
    return m_files.files(pattern);
}

// `then` comes back to the program's thread as a message to a window of its own, which a
// modal loop (a message box, a picker) delivers too.
void Win32Platform::whenDone(std::function<void()> work, std::function<void()> then)
{
    const auto post = [target = m_messages](std::function<void()> next) {
        auto held = std::make_unique<std::function<void()>>(std::move(next));
        if (::PostMessageW(target, kWorkDone, 0, reinterpret_cast<LPARAM>(held.get())))
            held.release();
    };
    if (PatientQuestion::whenDone(work, then, post))
        return;
    m_retries.emplace_back(std::move(work), std::move(then));
    ::SetTimer(m_messages, kRetryTimer, kRetryMilliseconds, nullptr);
}

void Win32Platform::retryWork()
{
    ::KillTimer(m_messages, kRetryTimer);
    std::vector<Work> waiting = std::move(m_retries);
    m_retries.clear();
    for (Work& work : waiting)
        whenDone(std::move(work.first), std::move(work.second));
}

std::optional<std::string> Win32Platform::readFile(const std::string& path)
{
    return os::boundedFile::readText(path);
}

// The new text goes to a file of its own beside the old one, which then takes the old one's
// place in one step: a write that fails leaves the old file whole.
tk::WriteFailure Win32Platform::writeFile(const std::string& path, const std::string& contents)
{
    ::SetLastError(ERROR_SUCCESS);
    if (!os::boundedFile::mayWrite(path))
        return ::GetLastError() == ERROR_SUCCESS ? tk::WriteFailure::NotAFile
                                                 : os::lastWriteFailure();
    const std::wstring target = os::wideText::fromUtf8(path);
    if (target.empty())
        return tk::WriteFailure::Other;
    const std::wstring fresh = target + kNewFileSuffix;
    if (writeNew(fresh, contents) &&
        ::MoveFileExW(fresh.c_str(), target.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return tk::WriteFailure::None;
    const tk::WriteFailure why = os::lastWriteFailure();
    ::DeleteFileW(fresh.c_str());
    return why;
}

std::string Win32Platform::pictureBytes(const std::string& path)
{
    return m_files.pictureBytes(path).value_or(std::string());
}

// A picture for the whole window, the background, stands at its own size from the top left
// corner, so no more of it than the screen can be seen.
tk::PictureRef Win32Platform::loadPicture(const std::string& path)
{
    return PictureDecoder::decode(pictureBytes(path), {}, faceSize(), pictureScale());
}

tk::PictureRef Win32Platform::loadPictureFor(const std::string& path, const tk::Bounds& box)
{
    return PictureDecoder::decode(pictureBytes(path), units().toWholePixels(box).size(), {},
                                  pictureScale());
}

tk::PictureRef Win32Platform::builtInPicture(tk::BuiltInPicture which)
{
    return BuiltInPictures::make(which, pictureScale());
}

// A picture's pixel keeps its size in inches, that of a pixel at 96 dots per inch, as the
// circles around it keep theirs.
double Win32Platform::pictureScale()
{
    return tk::Units().twipsPerPixel() / units().twipsPerPixel();
}
