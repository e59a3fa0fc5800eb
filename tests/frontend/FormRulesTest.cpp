#include "CaptionFit.h"
#include "CommandButton.h"
#include "FormKeys.h"
#include "Window.h"

#include <gtest/gtest.h>

#include <string>

namespace {

enum class Button { None, Shown, Hidden, Disabled };

// A button of the window in the given state, or none.
void place(tk::CommandButton& button, Button state)
{
    button.setVisible(state != Button::Hidden);
    button.setEnabled(state != Button::Disabled);
}

TEST(FormKeys, EnterPressesTheDefaultButtonEscapeAndCloseTheCancelButton)
{
    using enum Button;
    // clang-format off
    struct Row { const char* name; Button okButton; Button cancelButton; FormKey key; const char* pressed; };
    const Row rows[] = {
        {"Enter presses the default button", Shown, Shown, FormKey::Enter, "OK"},
        {"Escape presses the cancel button", Shown, Shown, FormKey::Escape, "Cancel"},
        {"closing from the frame presses the cancel button", Shown, Shown, FormKey::Close, "Cancel"},
        {"a hidden default button is not pressed", Hidden, Shown, FormKey::Enter, ""},
        {"a disabled default button is not pressed", Disabled, Shown, FormKey::Enter, ""},
        {"a hidden cancel button is not pressed", Shown, Hidden, FormKey::Escape, ""},
        {"a disabled cancel button is not closed", Shown, Disabled, FormKey::Close, ""},
        {"Enter with no default button presses nothing", None, Shown, FormKey::Enter, ""},
        {"Escape with no cancel button presses nothing", Shown, None, FormKey::Escape, ""}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        tk::Window window("dialog");
        tk::CommandButton plain(window, "cmdOther");
        tk::CommandButton ok(window, "cmdOK");
        tk::CommandButton cancel(window, "cmdCancel");
        ok.setCaption("OK");
        cancel.setCaption("Cancel");
        ok.setDefault(row.okButton != None);
        cancel.setCancel(row.cancelButton != None);
        place(ok, row.okButton);
        place(cancel, row.cancelButton);
        const tk::CommandButton* button = FormKeys::buttonFor(window, row.key);
        EXPECT_EQ(button ? button->caption() : std::string(), row.pressed);
    }
}

// A caption of 10 letters in two words: letters 10 pixels wide and lines 12 high at a pixel
// size of 10, both in proportion to the size; wrapped, each word stands on a line of its own
// when two do not fit.
struct FakeMeasure : CaptionMeasure {
    int lineWidth(int pixelSize) const override { return 10 * pixelSize; }
    TextExtent wrappedExtent(int pixelSize, int width) const override
    {
        const int line = lineWidth(pixelSize);
        return {line <= width ? line : line / 2, (line <= width ? 1 : 2) * pixelSize * 12 / 10};
    }
};

TEST(CaptionFit, TheFontShrinksAPixelAtATimeDownToEight)
{
    // clang-format off
    struct Row { const char* name; int pixelSize; TextExtent area; bool wrap; int fitted; };
    const Row rows[] = {
        {"a caption that fits keeps its size", 13, {130, 20}, false, 13},
        {"one line shrinks until its width fits", 13, {110, 20}, false, 11},
        {"one line ignores the height", 13, {130, 1}, false, 13},
        {"a wrapped caption takes a second line where it is tall enough", 13, {70, 40}, true, 13},
        {"a wrapped caption shrinks until both lines fit in height", 13, {70, 24}, true, 10},
        {"nothing smaller than 8 pixels", 13, {10, 10}, false, 8},
        {"a font already below 8 pixels stays", 6, {10, 10}, true, 6},
    };
    // clang-format on
    const FakeMeasure measure;
    for (const Row& row : rows)
        EXPECT_EQ(CaptionFit::fittedPixelSize(row.pixelSize, row.area, row.wrap, measure),
                  row.fitted)
            << row.name;
}

} // namespace
