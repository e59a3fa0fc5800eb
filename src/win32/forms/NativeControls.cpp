#include "NativeControls.h"

#include "CheckBox.h"
#include "CommandButton.h"
#include "Control.h"
#include "DirListBox.h"
#include "DriveListBox.h"
#include "FileListBox.h"
#include "Label.h"
#include "OptionButton.h"
#include "WideText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct ControlType {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
constexpr DWORD kList = kChild | WS_TABSTOP | WS_VSCROLL;

// Options and check boxes take their marks from the toolkit, which keeps the options of a
// frame exclusive itself and may leave them all unselected.
ControlType typeOf(const tk::Control& control)
{
    switch (control.kind()) {
    case tk::ControlKind::Frame:
        return {L"BUTTON", kChild | BS_GROUPBOX, 0};
    case tk::ControlKind::Label:
        // A caption is shown as it is written: an ampersand is no keyboard mnemonic.
        return {L"STATIC", kChild | SS_NOTIFY | SS_NOPREFIX, 0};
    case tk::ControlKind::OptionButton:
        return {L"BUTTON", kChild | WS_TABSTOP | BS_RADIOBUTTON | BS_MULTILINE, 0};
    case tk::ControlKind::CheckBox:
        return {L"BUTTON", kChild | WS_TABSTOP | BS_CHECKBOX | BS_MULTILINE, 0};
    case tk::ControlKind::CommandButton:
        return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0};
    case tk::ControlKind::TextBox:
        return {L"EDIT", kChild | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case tk::ControlKind::PictureBox:
        return {L"STATIC", kChild | SS_OWNERDRAW, 0};
    case tk::ControlKind::DriveListBox:
        return {L"COMBOBOX", kList | CBS_DROPDOWNLIST, 0};
    case tk::ControlKind::DirListBox:
    case tk::ControlKind::FileListBox:
        return {L"LISTBOX", kList | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE};
    default:
        return {nullptr, 0, 0};
    }
}

std::wstring textOf(HWND handle)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(handle)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(handle, text.data(), static_cast<int>(text.size()))));
    return text;
}

void showText(HWND handle, const std::string& text)
{
    const std::wstring wide = os::wideText::fromUtf8(text);
    if (textOf(handle) != wide)
        ::SetWindowTextW(handle, wide.c_str());
}

void alignLabel(const tk::Label& label, HWND handle)
{
    const LONG_PTR style = ::GetWindowLongPtrW(handle, GWL_STYLE);
    const LONG_PTR alignment = label.alignment() == tk::Alignment::Right    ? SS_RIGHT
                               : label.alignment() == tk::Alignment::Centre ? SS_CENTER
                                                                            : SS_LEFT;
    const LONG_PTR wanted = (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | alignment;
    if (wanted == style)
        return;
    ::SetWindowLongPtrW(handle, GWL_STYLE, wanted);
    ::InvalidateRect(handle, nullptr, TRUE);
}

// The messages of a list box or of a combo box's list.
struct ListMessages {
    UINT count, text, textLength, reset, add, select;
};
constexpr ListMessages kListBox{LB_GETCOUNT,     LB_GETTEXT,   LB_GETTEXTLEN,
                                LB_RESETCONTENT, LB_ADDSTRING, LB_SETCURSEL};
constexpr ListMessages kComboBox{CB_GETCOUNT,     CB_GETLBTEXT, CB_GETLBTEXTLEN,
                                 CB_RESETCONTENT, CB_ADDSTRING, CB_SETCURSEL};

std::wstring rowText(HWND handle, const ListMessages& list, int row)
{
    const LRESULT length = ::SendMessageW(handle, list.textLength, row, 0);
    if (length < 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        ::SendMessageW(handle, list.text, row, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
    return text;
}

bool shows(HWND handle, const ListMessages& list, const std::vector<std::string>& entries)
{
    if (::SendMessageW(handle, list.count, 0, 0) != static_cast<LRESULT>(entries.size()))
        return false;
    for (std::size_t row = 0; row < entries.size(); ++row) {
        if (rowText(handle, list, static_cast<int>(row)) != os::wideText::fromUtf8(entries[row]))
            return false;
    }
    return true;
}

// Fills the list anew only when its entries changed, so that its scrolling stays where it is.
void showEntries(HWND handle, const ListMessages& list, const std::vector<std::string>& entries,
                 int current)
{
    if (!shows(handle, list, entries)) {
        ::SendMessageW(handle, WM_SETREDRAW, FALSE, 0);
        ::SendMessageW(handle, list.reset, 0, 0);
        for (const std::string& entry : entries)
            ::SendMessageW(handle, list.add, 0,
                           reinterpret_cast<LPARAM>(os::wideText::fromUtf8(entry).c_str()));
        ::SendMessageW(handle, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(handle, nullptr, TRUE);
    }
    ::SendMessageW(handle, list.select, static_cast<WPARAM>(current), 0);
}

int rowOf(const std::vector<std::string>& entries, const std::string& entry)
{
    const auto found = std::find(entries.begin(), entries.end(), entry);
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

// The drives a drive list shows, one a row: the machine's, and the current one after them
// when it has gone from the machine's.
std::vector<std::string> driveRows(const tk::DriveListBox& drives)
{
    std::vector<std::string> rows = drives.drives();
    const std::string& current = drives.drive();
    if (!current.empty() && rowOf(rows, current) < 0)
        rows.push_back(current);
    return rows;
}

void updateLists(const tk::Control& control, HWND handle)
{
    switch (control.kind()) {
    case tk::ControlKind::DriveListBox: {
        const auto& drives = static_cast<const tk::DriveListBox&>(control);
        const std::vector<std::string> rows = driveRows(drives);
        std::vector<std::string> captions;
        for (const std::string& drive : rows)
            captions.push_back(drives.caption(drive));
        showEntries(handle, kComboBox, captions, rowOf(rows, drives.drive()));
        break;
    }
    case tk::ControlKind::DirListBox:
        showEntries(handle, kListBox, static_cast<const tk::DirListBox&>(control).entries(), -1);
        break;
    case tk::ControlKind::FileListBox: {
        const auto& files = static_cast<const tk::FileListBox&>(control);
        showEntries(handle, kListBox, files.entries(), rowOf(files.entries(), files.fileName()));
        break;
    }
    default:
        break;
    }
}

// The entry of the row a list has selected, in UTF-8; empty when none is.
std::string selectedEntry(HWND handle, const ListMessages& list, UINT selection)
{
    const auto row = static_cast<int>(::SendMessageW(handle, selection, 0, 0));
    return row < 0 ? std::string() : os::wideText::toUtf8(rowText(handle, list, row));
}

void notifyList(tk::Control& control, HWND handle, WORD code)
{
    switch (control.kind()) {
    case tk::ControlKind::DriveListBox: {
        auto& drives = static_cast<tk::DriveListBox&>(control);
        const std::vector<std::string> rows = driveRows(drives);
        const auto row = static_cast<int>(::SendMessageW(handle, CB_GETCURSEL, 0, 0));
        if (code == CBN_SELCHANGE && row >= 0 && row < static_cast<int>(rows.size()))
            drives.setDrive(rows[static_cast<std::size_t>(row)]);
        break;
    }
    case tk::ControlKind::DirListBox: {
        auto& folders = static_cast<tk::DirListBox&>(control);
        const auto row = static_cast<int>(::SendMessageW(handle, LB_GETCURSEL, 0, 0));
        if (code == LBN_DBLCLK && row >= 0)
            folders.open(static_cast<std::size_t>(row));
        break;
    }
    case tk::ControlKind::FileListBox: {
        auto& files = static_cast<tk::FileListBox&>(control);
        const std::string name = selectedEntry(handle, kListBox, LB_GETCURSEL);
        if (rowOf(files.entries(), name) < 0)
            break;
        files.select(name);
        if (code == LBN_DBLCLK)
            files.doubleClick();
        break;
    }
    default:
        break;
    }
}

} // namespace

namespace NativeControls {

HWND create(const tk::Control& control, HWND form, int id)
{
    const ControlType type = typeOf(control);
    if (!type.className)
        return nullptr;
    return ::CreateWindowExW(type.extendedStyle, type.className, L"", type.style, 0, 0, 0, 0, form,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(form, GWLP_HINSTANCE)),
                             nullptr);
}

void updateContent(const tk::Control& control, HWND handle)
{
    switch (control.kind()) {
    case tk::ControlKind::Label:
        alignLabel(static_cast<const tk::Label&>(control), handle);
        showText(handle, control.caption());
        break;
    case tk::ControlKind::Frame:
    case tk::ControlKind::TextBox:
        showText(handle, control.caption());
        break;
    case tk::ControlKind::OptionButton:
        showText(handle, control.caption());
        ::SendMessageW(
            handle, BM_SETCHECK,
            static_cast<const tk::OptionButton&>(control).value() ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case tk::ControlKind::CheckBox:
        showText(handle, control.caption());
        ::SendMessageW(handle, BM_SETCHECK,
                       static_cast<const tk::CheckBox&>(control).value() == 1 ? BST_CHECKED
                                                                              : BST_UNCHECKED,
                       0);
        break;
    case tk::ControlKind::CommandButton:
        showText(handle, control.caption());
        ::SendMessageW(handle, BM_SETSTYLE,
                       static_cast<const tk::CommandButton&>(control).isDefault()
                           ? BS_DEFPUSHBUTTON | BS_MULTILINE
                           : BS_PUSHBUTTON | BS_MULTILINE,
                       TRUE);
        break;
    default:
        updateLists(control, handle);
        break;
    }
}

bool isDeferred(const tk::Control& control, WORD code)
{
    switch (control.kind()) {
    case tk::ControlKind::DriveListBox:
        return code == CBN_SELCHANGE;
    case tk::ControlKind::DirListBox:
        return code == LBN_DBLCLK;
    case tk::ControlKind::FileListBox:
        return code == LBN_SELCHANGE || code == LBN_DBLCLK;
    default:
        return false;
    }
}

void notify(tk::Control& control, HWND handle, WORD code)
{
    switch (control.kind()) {
    case tk::ControlKind::CommandButton:
        if (code == BN_CLICKED)
            static_cast<tk::CommandButton&>(control).click();
        break;
    case tk::ControlKind::OptionButton:
        if (code == BN_CLICKED)
            static_cast<tk::OptionButton&>(control).click();
        break;
    case tk::ControlKind::CheckBox:
        if (code == BN_CLICKED)
            static_cast<tk::CheckBox&>(control).click();
        break;
    case tk::ControlKind::Label:
        if (code == STN_CLICKED)
            static_cast<tk::Label&>(control).click();
        break;
    case tk::ControlKind::TextBox:
        if (code == EN_CHANGE)
            control.setText(os::wideText::toUtf8(textOf(handle)));
        break;
    default:
        notifyList(control, handle, code);
        break;
    }
}

} // namespace NativeControls
