#pragma once

#include "FileQuestions.h"
#include "Platform.h"

#include <QElapsedTimer>

#include <functional>
#include <memory>
#include <vector>

class ClockWindow;
class FormView;
class PendingFormView;
class Presentation;
class QByteArray;
class QImage;
class QWidget;
class ScreenUnits;

// The platform of a real run, made with Qt: the clock window and the dialogs as Qt windows,
// files, pictures, message boxes, pickers and the process itself. The clock window is shown,
// and the lock and the pointer are taken, as the run's presentation has it.
class QtPlatform : public tk::Platform {
public:
    QtPlatform(tk::RunRequest request, const ScreenUnits& units, Presentation& presentation);
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    bool anotherInstanceRunning() override;
    tk::RunRequest commandLine() override;
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
    std::vector<std::string> listFolders(const std::string& folder) override;
    tk::DriveFolder openDrive(const std::string& drive) override;
    std::vector<std::string> listDirectory(const std::string& pattern) override;
    std::optional<std::string> readFile(const std::string& path) override;
    tk::WriteFailure writeFile(const std::string& path, const std::string& contents) override;
    tk::PictureRef loadPicture(const std::string& path) override;
    tk::PictureRef loadPictureFor(const std::string& path, const tk::Bounds& box) override;
    void whenDone(std::function<void()> work, std::function<void()> then) override;
    tk::PictureRef builtInPicture(tk::BuiltInPicture which) override;

    // The Qt windows of the run; null until the toolkit window exists, and for a dialog-like
    // window also until it is first shown.
    ClockWindow* clockWindow() const { return m_clock.get(); }
    FormView* formView(const tk::Window& window) const;

private:
    // The window that a message box or picker opens over: the front-most one of the run.
    QWidget* dialogParent() const;
    void raiseDialogs();
    // The settings folder by the shared rule, made when it is the user's own.
    static std::string locateSettings();
    // The decoded picture in the form that is fastest to draw, or null.
    static tk::PictureRef shownPicture(const QImage& image);
    // A picture file's bytes as a look-up helper reads them; empty when it is not there or does
    // not answer in time.
    QByteArray pictureBytes(const std::string& path);
    FormView& makeFormView(tk::Window& window);

    const tk::RunRequest m_request;
    const ScreenUnits& m_units;
    Presentation& m_presentation;
    std::string m_settingsFolder;
    // The time of day at the start, in milliseconds since the epoch, and the monotonic time
    // since then.
    std::int64_t m_startMilliseconds = 0;
    QElapsedTimer m_sinceStart;
    std::unique_ptr<ClockWindow> m_clock;
    std::vector<std::unique_ptr<FormView>> m_views;
    std::vector<std::unique_ptr<PendingFormView>> m_pendingViews;
    // Every question to the file system goes through here.
    FileQuestions m_files;
};
