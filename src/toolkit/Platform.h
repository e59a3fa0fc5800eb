#pragma once

#include "Bounds.h"
#include "Colour.h"
#include "Picture.h"
#include "RunRequest.h"
#include "Units.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tk {

class Window;

// The screen's size in twips.
struct ScreenSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

enum class MessageIcon { None, Information, Warning };
enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

// What a system's font dialog gives and takes: the face, the size in points, the style, the
// effects and the colour.
struct FontChoice {
    std::string name;
    float size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    Colour colour = kBlack;
};

// Why a drive cannot be opened: it is missing or has no medium, or the user may not enter it.
enum class DriveFailure { None, NotAvailable, AccessDenied };

// The folder that a drive opens in, or why it cannot be opened.
struct DriveFolder {
    std::string folder;
    DriveFailure failure = DriveFailure::None;
};

// Why a file could not be written: the user may not write there, the disk is read-only or
// full, the file would pass the size the system allows, its folder is missing, something
// other than a plain file stands at the path, or another reason. None: it was written.
enum class WriteFailure {
    None,
    AccessDenied,
    ReadOnly,
    DiskFull,
    TooLarge,
    NoFolder,
    NotAFile,
    Other
};

enum class BuiltInPicture { CentreEmblem, Dial800x600, Dial1024x768, Dial1280x1024 };

// Text files are settings-sized: whatever lies past this many bytes of one is not read.
inline constexpr std::size_t kTextFileLimit = 64 * 1024;

// Everything outside the program: the process, the screen, the files, the pickers and the
// message boxes. Each front end implements it with its toolkit and the OS services; tests
// implement it with a scripted fake.
class Platform {
public:
    virtual ~Platform() = default;

    // Takes the single-instance lock; true when another copy of the program already holds it.
    virtual bool anotherInstanceRunning() = 0;
    // The command line, already read: the mode the system is to run in, and the window it names.
    virtual RunRequest commandLine() = 0;
    // The folder of the executable, without a trailing separator.
    virtual std::string programFolder() = 0;
    // The folder of the settings file and of the background picture, without a trailing
    // separator. A copy of the program whose folder can be written, or already holds the
    // settings file, keeps them beside itself; an installed copy keeps them in the user's own
    // configuration folder. The program's folder unless a platform knows better.
    virtual std::string settingsFolder() { return programFolder(); }
    // The folder the picture chooser opens in when no stored picture names one: the program's
    // folder unless a platform knows a better one for an installed copy.
    virtual std::string defaultPictureFolder() { return programFolder(); }
    // The local time of day in whole seconds since midnight.
    virtual int timeOfDay() = 0;
    // Whole seconds of a clock that only runs forward, from any origin: only the difference
    // of two readings counts. Its seconds turn in step with the time of day's, and no later
    // change of the time of day (a correction, a change of daylight-saving time) moves it.
    virtual std::int64_t steadySeconds() = 0;
    virtual ScreenSize screenSize() = 0;
    // Ends the whole process at once; nothing after the call runs.
    [[noreturn]] virtual void endProcess() = 0;
    // Moves the mouse pointer to a screen position in pixels.
    virtual void setCursorPos(int x, int y) = 0;
    // The screen's units: how many twips a pixel is.
    virtual Units units() { return Units(); }

    // A window has just been made, before its load step runs.
    virtual void windowCreated(Window& window) = 0;
    // Shows the window modally and returns once it is hidden again.
    virtual void showModal(Window& window) = 0;
    virtual MessageAnswer messageBox(const std::string& text, const std::string& title,
                                     MessageIcon icon, MessageButtons buttons) = 0;
    // Modal pickers; an empty answer means the user cancelled.
    virtual std::optional<Colour> pickColour(Colour preset) = 0;
    // `flags` are the options of the Windows common font dialog (CF_SCREENFONTS, CF_EFFECTS,
    // ...), as the window set them; a platform honours those it can.
    virtual std::optional<FontChoice> pickFont(const FontChoice& preset, int flags) = 0;

    // The names of the plain, visible files that a pattern matches, sorted without regard to
    // case: "folder/" lists every file of the folder, "folder/*.gif" those the wildcard matches
    // (again without regard to case), "folder/name" the file itself when it exists.
    virtual std::vector<std::string> listDirectory(const std::string& pattern) = 0;
    // The volumes a user picks folders from: on Linux their mount points, "/" and the home
    // folder first, pseudo file systems left out.
    virtual std::vector<std::string> drives() = 0;
    // How a drive list shows a drive of drives(): as the system's own drive lists do.
    virtual std::string driveCaption(const std::string& drive) { return drive; }
    // The names of the visible subfolders of a folder, sorted without regard to case.
    virtual std::vector<std::string> listFolders(const std::string& folder) = 0;
    virtual DriveFolder openDrive(const std::string& drive) = 0;
    // The start of a regular text file, at most kTextFileLimit bytes of it; empty when the path
    // is missing, unreadable or no regular file.
    virtual std::optional<std::string> readFile(const std::string& path) = 0;
    // Writes the whole file or, on any failure, leaves the old one untouched and says why.
    virtual WriteFailure writeFile(const std::string& path, const std::string& contents) = 0;
    // Null when the file is missing or is no picture.
    virtual PictureRef loadPicture(const std::string& path) = 0;
    // The same for a picture box of `box` (twips), which shows a larger picture scaled down to
    // fit: a platform may keep the picture at no more than that size.
    virtual PictureRef loadPictureFor(const std::string& path, const Bounds& /*box*/)
    {
        return loadPicture(path);
    }
    virtual PictureRef builtInPicture(BuiltInPicture which) = 0;
    // Runs `work`, which may wait on the file system, without holding the program up for
    // more than a moment: `then` runs on the program's thread once `work` is done, before
    // this call returns when it is done within that moment, else later. Work that never ends,
    // as on a mount whose server has gone away, leaves `then` unrun. `work` may only ask the
    // platform for listings and pictures.
    virtual void whenDone(std::function<void()> work, std::function<void()> then)
    {
        work();
        then();
    }

    // The first name that listDirectory() gives, or an empty text.
    std::string dir(const std::string& pattern)
    {
        const auto names = listDirectory(pattern);
        return names.empty() ? std::string() : names.front();
    }
};

} // namespace tk
