#pragma once

#include "InstanceLock.h"
#include "Platform.h"

#include <memory>
#include <vector>

class ClockWindow;
class FormView;
class PendingFormView;
class QWidget;

// The platform of a real run, made with Qt: the clock window and the dialogs as Qt windows,
// files, pictures, message boxes, pickers, the single-instance lock and the process itself.
class QtPlatform : public tk::Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    bool anotherInstanceRunning() override;
    std::string commandLine() override;
    std::string programFolder() override;
    int timeOfDay() override;
    tk::ScreenSize screenSize() override;
    [[noreturn]] void endProcess() override;
    void setCursorPos(int x, int y) override;

    void windowCreated(tk::Window& window) override;
    void showModal(tk::Window& window) override;
    tk::MessageAnswer messageBox(const std::string& text, const std::string& title,
                                 tk::MessageIcon icon, tk::MessageButtons buttons) override;
    std::optional<tk::Colour> pickColour(tk::Colour preset) override;
    std::optional<tk::FontChoice> pickFont(const tk::FontChoice& preset) override;

    std::vector<std::string> listDirectory(const std::string& pattern) override;
    std::optional<std::string> readFile(const std::string& path) override;
    bool writeFile(const std::string& path, const std::string& contents) override;
    tk::PictureRef loadPicture(const std::string& path) override;
    tk::PictureRef builtInPicture(tk::BuiltInPicture which) override;

    // The Qt windows of the run; null until the toolkit window exists, and for a dialog-like
    // window also until it is first shown.
    ClockWindow* clockWindow() const { return m_clock.get(); }
    FormView* formView(const tk::Window& window) const;

private:
    // The window that a message box or picker opens over: the front-most one of the run.
    QWidget* dialogParent() const;
    void raiseDialogs();
    FormView& makeFormView(tk::Window& window);

    InstanceLock m_lock;
    std::unique_ptr<ClockWindow> m_clock;
    std::vector<std::unique_ptr<FormView>> m_views;
    std::vector<std::unique_ptr<PendingFormView>> m_pendingViews;
};
