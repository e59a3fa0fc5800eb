#pragma once

#include "FileQuestions.h"
#include "InstanceLock.h"
#include "Platform.h"
#include "RunPolicy.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class FaceWindow;
class FormWindow;
class PendingFormView;
class TickLoop;

// The platform of a real run on Windows: the clock window drawn with GDI, files through the
// look-up helpers, pictures through the Windows Imaging Component, Windows' own message boxes
// and pickers, the dialogs as windows of native controls, and the process itself.
class Win32Platform : public tk::Platform {
public:
    Win32Platform(HINSTANCE instance, TickLoop& ticks, tk::RunRequest request,
                  const RunPolicy& policy);
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    // Runs the messages of the program's thread. The clock's run ends the process from inside;
    // a preview's ends here, with its window.
    int exec();

    bool anotherInstanceRunning() override;
    tk::RunRequest commandLine() override { return m_request; }
    std::string programFolder() override;
    std::string settingsFolder() override;
    std::string defaultPictureFolder() override;
    int timeOfDay() override;
    std::int64_t steadySeconds() override;
    tk::ScreenSize screenSize() override;
    [[noreturn]] void endProcess() override;
    void setCursorPos(int x, int y) override;
    tk::Units units() override;

    void windowCreated(tk::Window& window) override;
    void showModal(tk::Window& window) override;
    tk::MessageAnswer messageBox(const std::string& text, const std::string& title,
                                 tk::MessageIcon icon, tk::MessageButtons buttons) override;
    std::optional<tk::Colour> pickColour(tk::Colour preset) override;
    std::optional<tk::FontChoice> pickFont(const tk::FontChoice& preset, int flags) override;

    std::vector<std::string> drives() override;
    std::string driveCaption(const std::string& drive) override;
    std::vector<std::string> listFolders(const std::string& folder) override;
    tk::DriveFolder openDrive(const std::string& drive) override;
    std::vector<std::string> listDirectory(const std::string& pattern) override;
    std::optional<std::string> readFile(const std::string& path) override;
    tk::WriteFailure writeFile(const std::string& path, const std::string& contents) override;
    tk::PictureRef loadPicture(const std::string& path) override;
    tk::PictureRef loadPictureFor(const std::string& path, const tk::Bounds& box) override;
    void whenDone(std::function<void()> work, std::function<void()> then) override;
    tk::PictureRef builtInPicture(tk::BuiltInPicture which) override;

private:
    using Work = std::pair<std::function<void()>, std::function<void()>>;

    // The window that takes the work handed back from other threads; it is never shown.
    static LRESULT CALLBACK messageProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);
    void retryWork();
    // How long a look-up may take: on the program's thread a moment, on a worker's as long as
    // it takes.
    // A picture file's bytes as a look-up helper reads them; empty when it is not there or does
    // not answer in time.
    std::string pictureBytes(const std::string& path);
    // The screen's pixels to each of a picture's own pixels.
    double pictureScale();
    // The window a message box or picker opens over.
    HWND dialogOwner() const;
    // The window that owns a dialog's window: the dialog the user is in, else the window that
    // "/c:HWND" names, else the clock.
    HWND formOwner() const;
    FormWindow& makeForm(tk::Window& window);
    // Lets a dialog's keyboard rules take a message first; true when one did.
    bool takeDialogMessage(MSG& message);

    // The face's window: the clock's own, or the preview in the window that "/p" names.
    std::unique_ptr<FaceWindow> makeFaceWindow(tk::Window& window);
    // The screen the face is laid out for, in pixels.
    tk::PixelSize faceSize() const;

    HINSTANCE m_instance;
    TickLoop& m_ticks;
    const tk::RunRequest m_request;
    const RunPolicy& m_policy;
    const DWORD m_programThread;
    std::optional<os::InstanceLock> m_lock;
    std::string m_settingsFolder;
    // The wall clock at the start, in milliseconds since 1601, and the system's tick count then.
    std::int64_t m_startMilliseconds = 0;
    ULONGLONG m_startTicks = 0;
    HWND m_messages = nullptr;
    // Work for which no thread could be made, tried again a moment later.
    std::vector<Work> m_retries;
    std::unique_ptr<FaceWindow> m_face;
    // The dialogs' windows are made when they are first shown.
    std::vector<std::unique_ptr<PendingFormView>> m_pendingForms;
    std::vector<std::unique_ptr<FormWindow>> m_forms;
    // Every question to the file system goes through here.
    FileQuestions m_files;
    // The volume labels that the last listing of the drives found, by root.
    std::map<std::string, std::string> m_driveLabels;
};
