#include "ClockRun.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sstream>

using fake::ClockRun;
using fake::kSep;

// The picture chooser, the centre picture and the slide show, as the windows handle them.

namespace {

// A run with a folder "pics" in its program folder that holds the given pictures, the given
// files that are no picture (names apart by blanks), and an empty subfolder "inner". Unless a test
// says otherwise, the pictures are two GIF files, a JPEG, a hidden picture and a file that is no
// picture by its name, and "broken.bmp" is no picture by its contents.
struct FolderRun : ClockRun {
    explicit FolderRun(const std::string& pictures = "b.gif A.GIF photo.jpg .hidden.gif notes.txt",
                       const std::string& broken = "broken.bmp")
    {
        std::filesystem::create_directories(platform.pathOf("pics" + kSep + "inner"));
        for (const auto& [names, contents] :
             {std::pair(pictures, "picture"), std::pair(broken, "GIF89a, cut short")}) {
            std::istringstream list(names);
            for (std::string name; list >> name;)
                platform.putFile("pics" + kSep + name, contents);
        }
    }
    std::string pics() { return platform.pathOf("pics"); }
    // A path in "pics"; "" gives the folder with a separator at its end, as a show stores it.
    std::string in(const std::string& name) { return pics() + kSep + name; }

    // Opens the chooser from the open dialog by the picture option `option`, where the user
    // goes to the folder, if one is given, and does `inside`.
    void choose(int option, const std::string& folder, std::function<void()> inside)
    {
        platform.whileModal = [this, folder, inside] {
            if (!folder.empty())
                chooser().Dir1.setPath(folder);
            inside();
        };
        ASSERT_TRUE(runs([&] { dialog().optPIC[option].click(); }));
    }

    // What the dialog and the clock were left with, the folder "pics" written "~": the chooser
    // open or closed, the dialog's path field ("(off)" when disabled), the centre picture, the
    // stored picture, and the slide period and the slide timer's interval ("off": disabled).
    std::string state()
    {
        const tk::Timer& timer = clock().TimerSHOW;
        return tilde(std::string(chooser().visible() ? "open " : "closed ") +
                     dialog().txtOUT.text() + (dialog().txtOUT.enabled() ? "" : "(off)") + " | " +
                     centre() + " | " + settings().PicCenter + " | " +
                     tk::singleText(settings().SlideShowTime) + " " +
                     (timer.enabled() ? std::to_string(timer.interval()) : "off"));
    }
    // The centre picture now and after each of the given slide timer ticks.
    std::string centres(int ticks)
    {
        std::string shown = centre();
        for (int i = 0; i < ticks; ++i, shown += " " + centre())
            clock().TimerSHOW.fire();
        return tilde(shown);
    }
    // The text with the folder "pics" written "~" and "/" for the separator.
    std::string tilde(std::string text)
    {
        for (auto at = text.find(pics()); at != std::string::npos; at = text.find(pics()))
            text.replace(at, pics().size(), "~");
        std::replace(text.begin(), text.end(), tk::kPathSeparator, '/');
        return text;
    }
};

TEST(PictureChooser, TheSlideShowModeStartsTheShowAndChooseTakesOnlyAPictureItCanShow)
{
    FolderRun r;
    ASSERT_TRUE(r.openDialog());
    r.choose(2, r.pics(), [&] {
        // A period the chooser cannot take is refused, and the chooser waits for another.
        for (const char* period : {"-5", "2,5", "ten", "99999"}) {
            r.chooser().txtST.setText(period);
            r.chooser().cmdOK.click();
        }
        EXPECT_EQ(r.state(), "open  | built-in | Default | 0 off");
        r.chooser().txtST.setText("2.5");
        r.chooser().File1.select("photo.jpg");
        // A double-click in the slide-show mode hands over the folder, not the file.
        r.chooser().File1.doubleClick();
    });
    EXPECT_EQ(std::exchange(r.platform.messages, {}),
              std::vector<std::string>(4, "Slide show period must be integer number! Attention01"));
    EXPECT_EQ(r.state(), "closed ~/ | built-in | ~/ | 2.5 2500");
    EXPECT_EQ(r.chooser().lblSovet.caption(), "49 x 49 px    black back  gif");
    EXPECT_EQ(r.clock().slides.SlideFiles, (std::vector<std::string>{"", "A.GIF", "b.gif"}));
    // The chooser's start loads no picture; the first tick shows the second file.
    EXPECT_EQ(r.centres(1), "built-in ~/b.gif");
    EXPECT_FALSE(r.save());
    EXPECT_EQ(r.settingsText(),
              worked::settingsWith({"PicCenter=" + r.in(""), "SlideShowTime=2.5"}));

    // A folder without files gives a show without slides, which keeps the picture shown.
    r.choose(2, r.in("inner"), [&] { r.chooser().cmdOK.click(); });
    EXPECT_EQ(r.centres(1), "~/b.gif ~/b.gif");
    EXPECT_EQ(r.state(), "closed ~/inner/ | ~/b.gif | ~/inner/ | 2.5 2500");
    // "Default" stops the show and puts the built-in picture back; Cancel, opened by
    // "Choose", leaves no picture option selected.
    r.dialog().optPIC[0].click();
    EXPECT_EQ(r.state(), "closed ~/inner/(off) | built-in | Default | 0 off");
    r.choose(1, "", [&] { r.chooser().cmdNO.click(); });
    EXPECT_EQ(r.state(), "closed ~/inner/ | built-in | Default | 0 off");
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(r.dialog().optPIC[i].value()) << i;

    // "Choose": Enter on the first row goes up; OK asks for a file, refuses one that cannot
    // be shown, and the chooser stays open for a picture.
    r.choose(1, r.in("inner"), [&] {
        r.chooser().Dir1.open(0);
        EXPECT_EQ(r.chooser().Dir1.path(), r.pics()) << "the first row opens the parent";
        r.chooser().cmdOK.click();
        r.chooser().File1.select("broken.bmp");
        r.chooser().cmdOK.click();
        EXPECT_EQ(r.state(), "open ~/inner/ | built-in | Default | 0 off")
            << "a file that cannot be shown is not taken";
        r.chooser().File1.select("b.gif");
        r.chooser().cmdOK.click();
    });
    EXPECT_EQ(r.platform.messages,
              (std::vector<std::string>{"No selected file. Continue? Attention01",
                                        "This file cannot be shown as a picture. Attention00"}));
    EXPECT_EQ(r.state(), "closed ~/b.gif | ~/b.gif | Default | 0 off");
}

TEST(PictureChooser, StoredPicturesAndShowsAtStartUpInTheChooserAndOnSave)
{
    // The pictures of "pics" and its files that are no picture, the stored picture or show
    // folder ("gone": there is none) and period; what the run shows then (see state()), and
    // the centre now and after each of five slide ticks, "x" for "x.gif" and "-" for the
    // built-in picture: the slides in turn, the first again after the last, and the one before
    // a slide that is no picture left in place. The chooser opens in "pics" where the stored
    // path names something, else in the program's folder; Save writes back what the path
    // field shows, and "Default" then puts the built-in picture back.
    // clang-format off
    struct Row { const char* name; std::string files, broken, picture, period, state, shown; };
    const Row stored[] = {
        {"the built-in picture", "b.gif photo.jpg", "", "Default", "0", "closed  | built-in | Default | 0 off", "------"},
        {"a stored picture", "b.gif photo.jpg", "", "b.gif", "0", "closed ~/b.gif | ~/b.gif | ~/b.gif | 0 off", "bbbbbb"},
        {"a stored picture that is gone", "b.gif", "", "gone.gif", "0", "closed  | built-in | ~/gone.gif | 0 off", "------"},
        {"a stored file that is no picture", "", "broken.bmp", "broken.bmp", "0", "closed ~/broken.bmp | built-in | ~/broken.bmp | 0 off", "------"},
        {"a show of the folder's GIFs in turn", "a.gif b.gif c.gif photo.jpg", "", "", "5", "closed ~/ | ~/a.gif | ~/ | 5 5000", "abcabc"},
        {"a slide that is no picture leaves the one before", "a.gif c.gif", "b.gif", "", "5", "closed ~/ | ~/a.gif | ~/ | 5 5000", "aacaac"},
        {"a show folder that is gone", "", "", "gone/", "5", "closed ~/gone/ | built-in | ~/gone/ | 5 5000", "------"},
        {"a period below 0 stops the show", "a.gif", "", "", "-3", "closed ~/ | built-in | ~/ | 0 off", "------"}};
    // clang-format on
    for (const auto& [name, files, broken, picture, period, state, shown] : stored) {
        SCOPED_TRACE(name);
        FolderRun r(files, broken);
        const std::string path = picture == "Default" ? picture : r.in(picture);
        ASSERT_TRUE(
            r.openDialog(worked::settingsWith({"PicCenter=" + path, "SlideShowTime=" + period})));
        EXPECT_EQ(r.state(), state);
        std::string centres;
        for (const char slide : shown)
            centres += (slide == '-' ? "built-in" : "~/" + std::string(1, slide) + ".gif") + " ";
        EXPECT_EQ(r.centres(5) + " ", centres);
        EXPECT_EQ(r.clock().Pict[0].bounds().left, 7680.0f - 367);
        EXPECT_EQ(r.clock().Pict[0].bounds().top, 5760.0f - 367);
        r.choose(1, "", [] {});
        const bool named = !r.platform.dir(path).empty();
        EXPECT_EQ(r.chooser().Dir1.path(), named ? r.pics() : r.platform.programFolder());
        EXPECT_TRUE(r.chooser().visible()) << "the chooser waits for its user";
        const std::string shownPath = r.dialog().txtOUT.text();
        EXPECT_FALSE(r.save());
        EXPECT_EQ(
            r.settingsText(),
            worked::settingsWith({"PicCenter=" + (shownPath.empty() ? "Default" : shownPath)}));
    }
}

// A drive that cannot be opened says why in the path field, in the user's language, and the
// lists stay where they were.
TEST(PictureChooser, ADriveThatCannotBeOpenedSaysWhyInTheUsersLanguage)
{
    // clang-format off
    struct Row { const char* name; const char* language; tk::DriveFailure failure; std::string text; };
    const Row rows[] = {
        {"English, not available", "1", tk::DriveFailure::NotAvailable, "/mnt/cd is not available."},
        {"English, access denied", "1", tk::DriveFailure::AccessDenied, "/mnt/cd cannot be opened: access denied."},
        {"Russian, not available", "0", tk::DriveFailure::NotAvailable, "/mnt/cd недоступен."},
        {"Russian, access denied", "0", tk::DriveFailure::AccessDenied, "/mnt/cd не открывается: доступ запрещён."}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FolderRun r;
        r.platform.driveFailures["/mnt/cd"] = row.failure;
        ASSERT_TRUE(
            r.openDialog(worked::settingsWith({std::string("Localisation=") + row.language})));
        r.choose(1, r.pics(), [&] {
            r.chooser().Drive1.setDrive("/mnt/cd");
            EXPECT_EQ(r.chooser().txtFP.text(), row.text);
            EXPECT_EQ(r.tilde(r.chooser().Dir1.path() + " " + r.chooser().File1.path()), "~ ~");
            r.chooser().cmdNO.click();
        });
    }
}

} // namespace
