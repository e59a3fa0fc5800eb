#include "ClockRun.h"
#include "SlidePeriod.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

using fake::ClockRun;
using fake::kSep;

namespace {

const std::string kHint = "49 x 49 px    black back  gif";

// A run with a folder "pics" in its program folder that holds the given pictures, the given
// files that are no picture, and an empty subfolder "inner". Unless a test says otherwise, the
// pictures are two GIF files, a JPEG, a hidden picture and a file that is no picture by its
// name, and "broken.bmp" is no picture by its contents.
struct FolderRun : ClockRun {
    explicit FolderRun(const std::vector<std::string>& pictures = {"b.gif", "A.GIF", "photo.jpg",
                                                                   ".hidden.gif", "notes.txt"},
                       const std::vector<std::string>& broken = {"broken.bmp"})
    {
        std::filesystem::create_directories(platform.pathOf("pics" + kSep + "inner"));
        for (const std::string& name : pictures)
            platform.putFile("pics" + kSep + name, "picture");
        for (const std::string& name : broken)
            platform.putFile("pics" + kSep + name, "GIF89a, cut short");
    }
    std::string pics() { return platform.pathOf("pics"); }
    // A path in "pics"; "" gives the folder with a separator at its end, as a show stores it.
    std::string in(const std::string& name) { return pics() + kSep + name; }
    std::string preview() { return fake::FakePlatform::sourceOf(chooser().picPREW.picture()); }

    // Opens the chooser from the open dialog by the picture option `option`, where the user
    // goes to the folder, if one is given, and does `inside`.
    void choose(int option, const std::string& folder, std::function<void()> inside)
    {
        platform.whileModal = [this, folder, inside] {
            if (!folder.empty())
                goTo(folder);
            inside();
        };
        ASSERT_TRUE(runs([&] { dialog().optPIC[option].click(); }));
    }
    void goTo(const std::string& folder) { chooser().Dir1.setPath(folder); }
    void pick(const std::string& name) { chooser().File1.select(name); }

    // What the dialog and the clock were left with, the folder "pics" written "~": the chooser
    // open or closed, the dialog's path field ("(off)" when disabled), the centre picture, the
    // stored picture, and the slide period and the slide timer's interval ("off": disabled).
    std::string state()
    {
        const tk::Timer& timer = clock().TimerSHOW;
        std::string text = std::string(chooser().visible() ? "open " : "closed ") +
                           dialog().txtOUT.text() + (dialog().txtOUT.enabled() ? "" : "(off)") +
                           " | " + centre() + " | " + settings().PicCenter + " | " +
                           tk::singleText(settings().SlideShowTime) + " " +
                           (timer.enabled() ? std::to_string(timer.interval()) : "off");
        return tilde(text);
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

fake::MessageRecord attention(const std::string& text)
{
    return {text, "Attention", tk::MessageIcon::None, tk::MessageButtons::OkCancel};
}

TEST(SlidePeriod, TheCharacterCheckAndTheNumber)
{
    const std::pair<std::string, float> accepted[] = {
        {"5", 5.0f}, {"2.5", 2.5f}, {"0", 0.0f}, {" 7 ", 7.0f}, {"+3", 3.0f}, {"86400", 86400}};
    for (const auto& [text, period] : accepted)
        EXPECT_EQ(parseSlidePeriod(text), period) << '"' << text << '"';
    const std::string rejected[] = {
        "ё",    "Ё",        "86400.5", "-1",      "2,5",  "5s",  "five",
        "пять", "ПЯТЬ",     "сек",     "1e3",     "",     "   ", "5!",
        "0x10", "\xFF\xFE", "5\xD0",   "раз,два", "1, 2", "ёЁ",  std::string("5\0", 2)};
    for (const std::string& text : rejected)
        EXPECT_EQ(parseSlidePeriod(text), std::nullopt) << '"' << text << '"';
}

TEST(PictureChooser, ThePictureModeListsTheFolderAndHandsTheFileToTheDialogAndTheCentre)
{
    FolderRun r;
    ASSERT_TRUE(r.openDialog());
    r.choose(1, r.in(""), [&] {
        // Folders and picture files as the desktop lists them, hidden and other files left out.
        const frmFILE& f = r.chooser();
        EXPECT_EQ(f.Dir1.path() + " " + f.txtFP.text(), r.pics() + " " + r.pics());
        EXPECT_EQ(f.Dir1.entries(), (std::vector<std::string>{"..", "inner"}));
        EXPECT_EQ(f.File1.entries(),
                  (std::vector<std::string>{"A.GIF", "b.gif", "broken.bmp", "photo.jpg"}));
        r.chooser().Dir1.open(1);
        EXPECT_EQ(f.Dir1.path(), r.in("inner"));
        EXPECT_TRUE(f.File1.entries().empty());
        r.chooser().Dir1.open(0);
        EXPECT_EQ(f.Dir1.path(), r.pics());
        r.pick("b.gif");
        EXPECT_EQ(r.preview(), r.in("b.gif"));
        r.pick("broken.bmp");
        EXPECT_EQ(r.preview(), r.in("b.gif")) << "no picture keeps the preview";
        EXPECT_EQ(r.chooser().txtFP.text(), r.in("broken.bmp"));
        r.chooser().cmdOK.click();
        EXPECT_TRUE(r.chooser().visible()) << "a file that cannot be shown is refused";
        r.pick("A.GIF");
        r.chooser().cmdOK.click();
    });
    EXPECT_EQ(r.platform.messages, (std::vector<fake::MessageRecord>{
                                       {"This file cannot be shown as a picture.", "Attention",
                                        tk::MessageIcon::None, tk::MessageButtons::Ok}}));
    r.platform.messages.clear();
    EXPECT_EQ(r.state(), "closed ~/A.GIF | ~/A.GIF | Default | 0 off");
    EXPECT_EQ(r.chooser().File1.height(), 2040);
    EXPECT_EQ(r.chooser().lblSovet.caption(), kHint + ", jpg, bmp");

    // A new folder leaves no file selected, while the preview keeps its picture; OK then asks
    // whether to go on, and only its Cancel closes the chooser, handing nothing over.
    r.platform.messageAnswers = {tk::MessageAnswer::Ok, tk::MessageAnswer::Cancel};
    r.choose(1, r.in("inner"), [&] {
        r.chooser().cmdOK.click();
        EXPECT_TRUE(r.chooser().visible());
        r.chooser().cmdOK.click();
    });
    EXPECT_EQ(r.platform.messages, std::vector(2, attention("No selected file. Continue?")));
    EXPECT_EQ(r.state(), "closed ~/A.GIF | ~/A.GIF | Default | 0 off");
    EXPECT_EQ(r.preview(), r.in("A.GIF"));
    EXPECT_FALSE(r.save());
    EXPECT_EQ(r.settingsText(), fake::settingsWith({"PicCenter=" + r.in("A.GIF")}));

    // A root has no folder above, and a file there is named with the separator twice.
    r.goTo(kSep);
    ASSERT_FALSE(r.chooser().Dir1.entries().empty());
    EXPECT_NE(r.chooser().Dir1.entries().front(), "..");
    r.pick("x.gif");
    EXPECT_EQ(r.chooser().txtFP.text(), kSep + kSep + "x.gif");
}

TEST(PictureChooser, TheSlideShowModeStartsTheShowInTheFolderAndCancelStopsIt)
{
    FolderRun r;
    ASSERT_TRUE(r.openDialog());
    r.choose(2, r.pics(), [&] {
        // A period the chooser cannot take is refused, and the chooser waits for another.
        for (const char* period : {"-5", "2,5", "5 сек", "ten", "", "99999"}) {
            r.chooser().txtST.setText(period);
            r.chooser().cmdOK.click();
        }
        EXPECT_EQ(r.state(), "open  | built-in | Default | 0 off");
        r.chooser().txtST.setText("2.5");
        r.pick("photo.jpg");
        // A double-click in the slide-show mode hands over the folder, not the file.
        r.chooser().File1.doubleClick();
    });
    EXPECT_EQ(r.platform.messages,
              std::vector(6, attention("Slide show period must be integer number!")));
    EXPECT_EQ(r.state(), "closed ~/ | built-in | ~/ | 2.5 2500");
    EXPECT_EQ(r.chooser().File1.height(), 1800);
    EXPECT_EQ(r.chooser().lblSovet.caption(), kHint);
    EXPECT_EQ(r.clock().slides.SlideFiles, (std::vector<std::string>{"", "A.GIF", "b.gif"}));
    // The chooser's start loads no picture; the first tick shows the second file.
    EXPECT_EQ(r.centres(1), "built-in ~/b.gif");
    EXPECT_FALSE(r.save());
    EXPECT_EQ(r.settingsText(), fake::settingsWith({"PicCenter=" + r.in(""), "SlideShowTime=2.5"}));

    // A folder without files gives a show without slides, which keeps the picture shown.
    r.choose(2, r.in("inner"), [&] { r.chooser().cmdOK.click(); });
    EXPECT_EQ(r.clock().slides.SlideFiles, std::vector<std::string>{""});
    EXPECT_EQ(r.centres(1), "~/b.gif ~/b.gif");
    EXPECT_EQ(r.state(), "closed ~/inner/ | ~/b.gif | ~/inner/ | 2.5 2500");
    // Cancel, opened by "Choose", stops the show and leaves no picture option selected.
    r.choose(1, "", [&] { r.chooser().cmdNO.click(); });
    EXPECT_EQ(r.state(), "closed ~/inner/ | ~/b.gif | ~/inner/ | 0 off");
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(r.dialog().optPIC[i].value()) << i;
}

TEST(PictureChooser, TheStoredPictureAtStartUpInTheChooserAndOnSave)
{
    // The stored picture, in "pics" unless it is "Default"; what the run shows then (see
    // state()); and whether the chooser opens in "pics" rather than the program's own folder,
    // as it does when the picture is gone. Save writes back what the path field shows.
    const std::tuple<std::string, std::string, bool> cases[] = {
        {"Default", "closed  | built-in | Default | 0 off", false},
        {"b.gif", "closed ~/b.gif | ~/b.gif | ~/b.gif | 0 off", true},
        {"gone.gif", "closed  | built-in | ~/gone.gif | 0 off", false},
        {"broken.bmp", "closed ~/broken.bmp | built-in | ~/broken.bmp | 0 off", true},
        {"", "closed ~/ | built-in | ~/ | 0 off", true}};
    for (const auto& [stored, state, inPics] : cases) {
        SCOPED_TRACE(stored);
        FolderRun r;
        const std::string picture = stored == "Default" ? stored : r.in(stored);
        ASSERT_TRUE(r.openDialog(fake::settingsWith({"PicCenter=" + picture})));
        EXPECT_EQ(r.state(), state);
        EXPECT_EQ(std::pair(r.clock().Pict[0].left(), r.clock().Pict[0].top()),
                  std::pair(7680.0f - 367, 5760.0f - 367));
        r.choose(1, "", [] {});
        EXPECT_EQ(r.chooser().Dir1.path(), inPics ? r.pics() : r.platform.programFolder());
        EXPECT_TRUE(r.chooser().visible()) << "the chooser waits for its user";
        const std::string shown = r.dialog().txtOUT.text();
        EXPECT_FALSE(r.save());
        EXPECT_EQ(r.settingsText(),
                  fake::settingsWith({"PicCenter=" + (shown.empty() ? "Default" : shown)}));
    }
}

TEST(PictureChooser, TheDrives)
{
    // The drive list starts on the drive that holds the program folder: the longest drive
    // whose folder holds it, where a drive's name must end at a separator of the path.
    FolderRun r;
    r.platform.driveList = {r.platform.programFolder(), kSep, "/media/cdrom", r.pics()};
    r.platform.driveFailures["/media/cdrom"] = "/media/cdrom is not available.";
    ASSERT_TRUE(r.openDialog());
    EXPECT_EQ(r.chooser().Drive1.drive(), r.platform.programFolder());
    EXPECT_EQ(tk::DriveListBox::driveOf({kSep, r.pics()}, r.pics() + "x"), kSep);
    // A drive that cannot be opened shows why and keeps the folder.
    r.choose(1, r.platform.programFolder(), [&] { r.chooser().Drive1.setDrive("/media/cdrom"); });
    const frmFILE& f = r.chooser();
    EXPECT_EQ(f.txtFP.text(), "/media/cdrom is not available.");
    EXPECT_EQ(f.Drive1.drive(), "/media/cdrom");
    EXPECT_EQ(f.Dir1.path(), r.platform.programFolder());
    r.chooser().Drive1.setDrive(r.pics());
    EXPECT_EQ(f.Dir1.path() + " " + f.File1.path() + " " + f.txtFP.text(),
              r.pics() + " " + r.pics() + " " + r.pics());
    r.goTo(kSep);
    EXPECT_EQ(f.Drive1.drive(), kSep) << "the drive list follows the folder";
}

TEST(SlideShow, TheListHoldsEveryFileNumberedFromOne)
{
    FolderRun r({}, {});
    for (int i = 0; i < 120; ++i)
        r.platform.putFile("pics" + kSep + "slide" + std::to_string(1000 + i) + ".gif", "");
    ASSERT_TRUE(r.start());
    const auto files = r.clock().GetFiles(r.in("*.gif"));
    ASSERT_EQ(files.size(), 121u);
    EXPECT_EQ(files[0] + files[1] + " " + files[120], "slide1000.gif slide1119.gif");
    EXPECT_EQ(r.clock().GetFiles(r.in("*.png")), std::vector<std::string>{""});
}

TEST(SlideShow, StoredShowsTakeTheNearestPeriodAndShowTheSlidesInTurn)
{
    // The pictures of the folder ("gone": there is no folder), the files in it that are no
    // picture, and the stored period, with a point or a comma; then the period and slide timer
    // interval that the run takes from it (see state()), where one below 0 stops the show and
    // one above a day shows a slide a day; and the centre now and after each of five ticks, "x"
    // for the slide "x.gif" and "-" for the built-in picture: the slides in turn, the first
    // again after the last, and the one before a slide that is no picture left in place.
    using Files = std::vector<std::string>;
    const Files one = {"a.gif"};
    const std::tuple<Files, Files, std::string, std::string, std::string> cases[] = {
        {{"a.gif", "b.gif", "c.gif", "photo.jpg"}, {}, "5", "5 5000", "abcabc"},
        {{"a.gif", "c.gif"}, {"b.gif"}, "5", "5 5000", "aacaac"},
        {{"photo.jpg"}, {}, "5", "5 5000", "------"},
        {{}, {}, "5", "5 5000", "------"},
        {{"gone"}, {}, "5", "5 5000", "------"},
        {one, {}, "5", "5 5000", "aaaaaa"},
        {one, {}, "2.5", "2.5 2500", "aaaaaa"},
        {one, {}, "2,5", "2.5 2500", "aaaaaa"},
        {one, {}, "86400", "86400 86400000", "aaaaaa"},
        {one, {}, "1e30", "86400 86400000", "aaaaaa"},
        {one, {}, "0.0004", "4e-04 0", "aaaaaa"}};
    std::vector<std::tuple<Files, Files, std::string, std::string, std::string>> all(
        std::begin(cases), std::end(cases));
    for (const char* stopped : {"0", "-3", "-1e30", "soon", "nan"})
        all.emplace_back(one, Files{}, stopped, "0 off", "------");
    for (const auto& [pictures, broken, period, show, shown] : all) {
        const bool gone = pictures == Files{"gone"};
        SCOPED_TRACE(shown + " " + period + " in a folder of " + std::to_string(pictures.size()));
        FolderRun r(gone ? Files{} : pictures, broken);
        const std::string folder = gone ? "~/gone/" : "~/";
        ASSERT_TRUE(r.startWith(fake::settingsWith(
            {"PicCenter=" + r.in(gone ? "gone" + kSep : ""), "SlideShowTime=" + period})));
        std::string centres;
        for (const char slide : shown)
            centres += (slide == '-' ? "built-in" : "~/" + std::string(1, slide) + ".gif") + " ";
        const std::string first = centres.substr(0, centres.find(' '));
        EXPECT_EQ(r.state(), "closed " + folder + " | " + first + " | " + folder + " | " + show);
        EXPECT_EQ(r.centres(5) + " ", centres);
        // The slide index starts again after the last slide, and a show without slides
        // never moves it.
        if (r.clock().TimerSHOW.isRunning()) {
            EXPECT_EQ(r.clock().slides.SlideIndex, shown[0] == '-' ? 1 : 0);
        }
        // Save writes the show back, its period with a point; "Default" then stops the show
        // and puts the built-in picture back.
        EXPECT_FALSE(r.save());
        EXPECT_EQ(r.tilde(r.settingsText()),
                  fake::settingsWith(
                      {"PicCenter=" + folder, "SlideShowTime=" + show.substr(0, show.find(' '))}));
        r.dialog().optPIC[0].click();
        EXPECT_EQ(r.state(), "closed " + folder + "(off) | built-in | Default | 0 off");
    }
}

} // namespace
