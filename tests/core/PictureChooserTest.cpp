#include "ClockRun.h"
#include "SlidePeriod.h"

#include <gtest/gtest.h>

#include <filesystem>

using fake::ClockRun;

namespace {

const std::string kSep(1, tk::kPathSeparator);
const std::string kHint = "49 x 49 px    black back  gif";

// A configuring run with a folder "pics" in its program folder: two pictures, a JPEG, a file
// that is no picture, a hidden picture and a subfolder.
struct ChooserRun : ClockRun {
    ChooserRun()
    {
        std::filesystem::create_directories(platform.pathOf("pics" + kSep + "inner"));
        for (const char* name : {"b.gif", "A.GIF", "photo.jpg", ".hidden.gif", "notes.txt"})
            platform.putFile("pics" + kSep + name, "picture");
        platform.putFile("pics" + kSep + "broken.bmp", "BM, cut short");
    }
    std::string pics() { return platform.pathOf("pics"); }
    std::string centre() { return fake::FakePlatform::sourceOf(clock().Pict[0].picture()); }
    std::string preview() { return fake::FakePlatform::sourceOf(chooser().picPREW.picture()); }
    // Opens the dialog, then the chooser by the picture option `option`, doing `inside` there.
    void choose(int option, std::function<void()> inside,
                const std::string& settings = fake::kDefaultSettings)
    {
        ASSERT_TRUE(openDialog(settings));
        platform.whileModal = std::move(inside);
        ASSERT_TRUE(runs([&] { dialog().optPIC[option].click(); }));
    }
    void goTo(const std::string& folder) { chooser().Dir1.setPath(folder); }
    void pick(const std::string& name) { chooser().File1.select(name); }
    std::vector<bool> options()
    {
        return {dialog().optPIC[0].value(), dialog().optPIC[1].value(), dialog().optPIC[2].value()};
    }
};

TEST(SlidePeriod, TheCharacterCheckAndTheNumber)
{
    const std::pair<std::string, std::optional<float>> cases[] = {
        {"5", 5.0f},
        {"2.5", 2.5f},
        {"0", 0.0f},
        {" 7 ", 7.0f},
        {"+3", 3.0f},
        {"86400", 86400.0f},
        {"ё", std::nullopt},
        {"Ё", std::nullopt},
        {"86400.5", std::nullopt},
        {"-1", std::nullopt},
        {"2,5", std::nullopt},
        {"5s", std::nullopt},
        {"five", std::nullopt},
        {"пять", std::nullopt},
        {"ПЯТЬ", std::nullopt},
        {"сек", std::nullopt},
        {"1e3", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"5!", std::nullopt},
        {"0x10", std::nullopt},
        {"\xFF\xFE", std::nullopt},
        {"5\xD0", std::nullopt},
        {"раз,два", std::nullopt},
        {"1, 2", std::nullopt},
        {"ёЁ", std::nullopt},
        {std::string("5\0", 2), std::nullopt}};
    for (const auto& [text, period] : cases)
        EXPECT_EQ(parseSlidePeriod(text), period) << '"' << text << '"';
}

TEST(PictureChooser, ListsFoldersAndPictureFilesAsTheDesktopDoes)
{
    ChooserRun r;
    r.choose(1, [&] { r.goTo(r.pics() + kSep); });
    const frmFILE& f = r.chooser();
    EXPECT_EQ(f.Dir1.path(), r.pics());
    EXPECT_EQ(f.Dir1.entries(), (std::vector<std::string>{"..", "inner"}));
    EXPECT_EQ(f.File1.entries(),
              (std::vector<std::string>{"A.GIF", "b.gif", "broken.bmp", "photo.jpg"}));
    EXPECT_EQ(f.txtFP.text(), r.pics());
    r.chooser().Dir1.open(1);
    EXPECT_EQ(f.Dir1.path(), r.pics() + kSep + "inner");
    EXPECT_TRUE(f.File1.entries().empty());
    r.chooser().Dir1.open(0);
    EXPECT_EQ(f.Dir1.path(), r.pics());
    r.goTo(kSep);
    ASSERT_FALSE(f.Dir1.entries().empty());
    EXPECT_NE(f.Dir1.entries().front(), "..") << "a root has no folder above";
}

TEST(PictureChooser, ThePictureModeHandsTheFileToTheDialogAndTheCentre)
{
    ChooserRun r;
    r.choose(1, [&] {
        r.goTo(r.pics());
        r.pick("b.gif");
        EXPECT_EQ(r.preview(), r.pics() + kSep + "b.gif");
        r.pick("broken.bmp");
        EXPECT_EQ(r.preview(), r.pics() + kSep + "b.gif") << "no picture keeps the preview";
        EXPECT_EQ(r.chooser().txtFP.text(), r.pics() + kSep + "broken.bmp");
        r.pick("A.GIF");
        r.chooser().cmdOK.click();
    });
    EXPECT_FALSE(r.chooser().visible());
    EXPECT_EQ(r.dialog().txtOUT.text(), r.pics() + kSep + "A.GIF");
    EXPECT_TRUE(r.dialog().txtOUT.enabled());
    EXPECT_EQ(r.centre(), r.pics() + kSep + "A.GIF");
    EXPECT_EQ(r.module().PicCenter, "Default");
    EXPECT_EQ(r.chooser().File1.height(), 2040);
    EXPECT_EQ(r.chooser().lblSovet.caption(), kHint + ", jpg, bmp");
    EXPECT_FALSE(r.runs([&] { r.dialog().cmdOK_Click(0); }));
    EXPECT_EQ(r.settingsText(),
              fake::defaultSettingsWith({"PicCenter=" + r.pics() + kSep + "A.GIF"}));
}

TEST(PictureChooser, OkWithoutAFileAsksWhetherToGoOn)
{
    for (const auto answer : {tk::MessageAnswer::Ok, tk::MessageAnswer::Cancel}) {
        ChooserRun r;
        r.choose(1, [&] {
            r.goTo(r.pics());
            r.pick("b.gif");
            // A new folder leaves no file selected, while the preview keeps its picture.
            r.goTo(r.pics() + kSep + "inner");
            r.platform.messageAnswers = {answer};
            r.chooser().cmdOK.click();
        });
        const fake::MessageRecord asked{"No selected file. Continue?", "Attention",
                                        tk::MessageIcon::None, tk::MessageButtons::OkCancel};
        EXPECT_EQ(r.platform.messages, std::vector<fake::MessageRecord>{asked});
        EXPECT_EQ(r.chooser().visible(), answer == tk::MessageAnswer::Ok);
        EXPECT_EQ(r.preview(), r.pics() + kSep + "b.gif");
        EXPECT_EQ(r.dialog().txtOUT.text(), "");
        EXPECT_EQ(r.centre(), "built-in");
    }
}

TEST(PictureChooser, TheSlideShowModeStartsTheShowInTheFolder)
{
    ChooserRun r;
    r.choose(2, [&] {
        r.goTo(r.pics());
        r.chooser().txtST.setText("2.5");
        r.pick("photo.jpg");
        // A double-click in the slide-show mode hands over the folder, not the file.
        r.chooser().File1.doubleClick();
    });
    EXPECT_FALSE(r.chooser().visible());
    EXPECT_EQ(r.chooser().File1.height(), 1800);
    EXPECT_EQ(r.chooser().lblSovet.caption(), kHint);
    EXPECT_EQ(r.dialog().txtOUT.text(), r.pics() + kSep);
    EXPECT_EQ(r.module().PicCenter, r.pics() + kSep);
    EXPECT_EQ(r.module().SlideShowTime, 2.5f);
    EXPECT_EQ(r.module().SlideFiles, (std::vector<std::string>{"", "A.GIF", "b.gif"}));
    EXPECT_EQ(r.clock().TimerSHOW.interval(), 2500);
    EXPECT_TRUE(r.clock().TimerSHOW.isRunning());
    // The chooser's start loads no picture; the first tick shows the second file.
    EXPECT_EQ(r.centre(), "built-in");
    r.clock().TimerSHOW.fire();
    EXPECT_EQ(r.centre(), r.pics() + kSep + "b.gif");
    EXPECT_FALSE(r.runs([&] { r.dialog().cmdOK_Click(0); }));
    EXPECT_EQ(r.settingsText(),
              fake::defaultSettingsWith({"PicCenter=" + r.pics() + kSep, "SlideShowTime=2.5"}));
}

TEST(PictureChooser, ARejectedPeriodKeepsTheChooserOpenAndStoresNothing)
{
    for (const char* period : {"-5", "2,5", "5 сек", "ten", "", "99999"}) {
        SCOPED_TRACE(period);
        ChooserRun r;
        r.choose(2, [&] {
            r.goTo(r.pics());
            r.chooser().txtST.setText(period);
            r.platform.messageAnswers = {tk::MessageAnswer::Cancel};
            r.chooser().cmdOK.click();
        });
        const fake::MessageRecord told{"Slide show period must be integer number!", "Attention",
                                       tk::MessageIcon::None, tk::MessageButtons::OkCancel};
        EXPECT_EQ(r.platform.messages, std::vector<fake::MessageRecord>{told});
        EXPECT_TRUE(r.chooser().visible());
        EXPECT_EQ(r.module().SlideShowTime, 0);
        EXPECT_EQ(r.dialog().txtOUT.text(), "");
        EXPECT_FALSE(r.clock().TimerSHOW.enabled());
    }
}

TEST(PictureChooser, AFolderWithoutFilesGivesAShowWithoutSlides)
{
    ChooserRun r;
    r.choose(2, [&] {
        r.goTo(r.pics());
        r.chooser().cmdOK.click();
    });
    ASSERT_EQ(r.module().SlideFiles.size(), 3u);
    r.platform.whileModal = [&] {
        r.goTo(r.pics() + kSep + "inner");
        r.chooser().cmdOK.click();
    };
    ASSERT_TRUE(r.runs([&] { r.dialog().optPIC[2].click(); }));
    EXPECT_EQ(r.module().SlideFiles, std::vector<std::string>{""});
    r.clock().TimerSHOW.fire();
    EXPECT_EQ(r.centre(), "built-in");
}

TEST(PictureChooser, AtARootTheSeparatorAppearsTwice)
{
    for (const int option : {1, 2}) {
        ChooserRun r;
        r.choose(option, [&] {
            r.goTo(kSep);
            r.chooser().File1.setFileName("x.gif");
            r.chooser().cmdOK.click();
        });
        EXPECT_EQ(r.dialog().txtOUT.text(), option == 1 ? kSep + kSep + "x.gif" : kSep + kSep);
    }
}

TEST(PictureChooser, CancelAndChooseStopTheShowAndLeaveNoOptionSelected)
{
    ChooserRun r;
    r.platform.putFile("pics" + kSep + "c.gif", "picture");
    r.choose(2, [&] {
        r.goTo(r.pics());
        r.chooser().cmdOK.click();
    });
    ASSERT_TRUE(r.clock().TimerSHOW.isRunning());
    r.platform.whileModal = [&] { r.chooser().cmdNO.click(); };
    ASSERT_TRUE(r.runs([&] { r.dialog().optPIC[1].click(); }));
    EXPECT_FALSE(r.clock().TimerSHOW.enabled());
    EXPECT_EQ(r.module().SlideShowTime, 0);
    EXPECT_EQ(r.options(), (std::vector<bool>{false, false, false}));
    EXPECT_FALSE(r.chooser().visible());
    EXPECT_TRUE(r.dialog().txtOUT.enabled());
}

TEST(PictureChooser, TheStartFolder)
{
    // The stored "PicCenter=", and the folder the chooser opens in.
    ChooserRun r0;
    const std::string pics = r0.pics();
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"PicCenter=Default", ""},
        {"PicCenter=<pics>/b.gif", "<pics>"},
        {"PicCenter=<pics>/gone.gif", ""},
        {"PicCenter=<pics>/", "<pics>"}};
    for (auto [line, folder] : cases) {
        SCOPED_TRACE(line);
        ChooserRun r;
        const auto fill = [&](std::string text) {
            for (auto at = text.find("<pics>/"); at != std::string::npos; at = text.find("<pics>/"))
                text.replace(at, 7, r.pics() + kSep);
            const auto at = text.find("<pics>");
            return at == std::string::npos ? text : text.replace(at, 6, r.pics());
        };
        r.choose(
            1, [] {}, fake::defaultSettingsWith({fill(line)}));
        EXPECT_EQ(r.chooser().Dir1.path(),
                  folder.empty() ? r.platform.programFolder() : fill(folder));
        EXPECT_TRUE(r.chooser().visible()) << "the chooser waits for its user";
    }
}

TEST(PictureChooser, AFailingDriveShowsWhyAndKeepsTheFolder)
{
    ChooserRun r;
    const std::string usb = r.platform.pathOf("pics");
    r.platform.driveList = {kSep, "/media/cdrom", usb};
    r.platform.driveFailures["/media/cdrom"] = "/media/cdrom is not available.";
    r.choose(1, [&] {
        r.goTo(r.platform.programFolder());
        r.chooser().Drive1.setDrive("/media/cdrom");
    });
    const frmFILE& f = r.chooser();
    EXPECT_EQ(f.txtFP.text(), "/media/cdrom is not available.");
    EXPECT_EQ(f.Drive1.drive(), "/media/cdrom");
    EXPECT_EQ(f.Dir1.path(), r.platform.programFolder());
    r.chooser().Drive1.setDrive(usb);
    EXPECT_EQ(f.Dir1.path(), usb);
    EXPECT_EQ(f.File1.path(), usb);
    EXPECT_EQ(f.txtFP.text(), usb);
}

TEST(PictureChooser, TheDriveListStartsOnTheProgramFoldersDrive)
{
    ChooserRun r;
    const std::string home = r.platform.pathOf("pics");
    r.platform.driveList = {kSep, r.platform.programFolder(), home};
    ASSERT_TRUE(r.start());
    EXPECT_EQ(r.chooser().Drive1.drive(), r.platform.programFolder());
    EXPECT_EQ(tk::DriveListBox::driveOf({kSep, home}, home + "x"), kSep);
}

TEST(PictureChooser, RussianTextsAfterASwitch)
{
    ChooserRun r;
    ASSERT_TRUE(r.openDialog());
    r.dialog().lblLOC_Click(0);
    r.platform.whileModal = [&] {
        r.goTo(r.pics() + kSep + "inner");
        r.chooser().txtST.setText("пять");
        r.chooser().cmdOK.click();
        // Unselected, the slide-show option no longer makes OK take the folder.
        r.dialog().optPIC[2].setValue(false);
        r.chooser().cmdOK.click();
    };
    ASSERT_TRUE(r.runs([&] { r.dialog().optPIC[2].click(); }));
    EXPECT_EQ(r.chooser().caption(), "Работа с файлами");
    EXPECT_EQ(r.chooser().cmdNO.caption(), "Нет");
    EXPECT_EQ(r.chooser().cmdOK.caption(), "OK");
    EXPECT_EQ(r.chooser().lblSlideTime.caption(), "Смена слайдов          сек.");
    EXPECT_EQ(r.chooser().lblSovet.caption(), "49 x 49 px    черн. фон  gif");
    ASSERT_EQ(r.platform.messages.size(), 2u);
    EXPECT_EQ(r.platform.messages[0].text,
              "Период смены картинок в слайдшоу измеряется положительными целыми цифрами!");
    EXPECT_EQ(r.platform.messages[1].text, "Вы не выбрали файл. Продолжить выбор?");
    EXPECT_EQ(r.platform.messages[1].title, "Attention");
}

} // namespace
