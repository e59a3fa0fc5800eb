#include "ControlWidgets.h"
#include "QtColour.h"
#include "QtText.h"

#include "CaptionFit.h"
#include "CheckBox.h"
#include "ClickableLabel.h"
#include "CommandButton.h"
#include "Control.h"
#include "Label.h"
#include "Line.h"
#include "LineWidget.h"
#include "ListControls.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "PictureWidget.h"
#include "ScreenFont.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>

#include <cmath>

namespace {

// Room that a frame's caption leaves free: the indent before it and the gap after it.
constexpr int kFrameCaptionMargin = 16;
// Room around a push button's caption for its bevel.
constexpr int kButtonCaptionMargin = 8;
// Room for the focus frame drawn around the caption of an option or a check box.
constexpr int kFocusFrameMargin = 2;
// A frame's caption is never wrapped, so its height sets no limit.
constexpr int kUnlimited = 1 << 20;

// Measures a caption with Qt's metrics of the control's font face.
class QtCaptionMeasure : public CaptionMeasure {
public:
    QtCaptionMeasure(QFont font, QString text)
        : m_font(std::move(font))
        , m_text(std::move(text))
    {
    }

    int lineWidth(int pixelSize) const override
    {
        return metrics(pixelSize).horizontalAdvance(m_text);
    }

    TextExtent wrappedExtent(int pixelSize, int width) const override
    {
        const QRect needed = metrics(pixelSize).boundingRect(QRect(0, 0, width, kUnlimited),
                                                             Qt::TextWordWrap, m_text);
        return {needed.width(), needed.height()};
    }

private:
    QFontMetrics metrics(int pixelSize) const
    {
        QFont font = m_font;
        font.setPixelSize(pixelSize);
        return QFontMetrics(font);
    }

    QFont m_font;
    QString m_text;
};

// Colours that follow the control while it is enabled; a disabled control keeps the style's
// greyed look.
void setActiveColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    if (palette.color(QPalette::Active, role) == colour &&
        palette.color(QPalette::Inactive, role) == colour)
        return;
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    widget->setPalette(palette);
}

// The width that an option's or a check box's caption has beside its indicator.
int widthBesideIndicator(const QWidget* widget, bool option)
{
    const QStyle* style = widget->style();
    const int indicator = style->pixelMetric(
        option ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, widget);
    const int spacing = style->pixelMetric(option ? QStyle::PM_RadioButtonLabelSpacing
                                                  : QStyle::PM_CheckBoxLabelSpacing,
                                           nullptr, widget);
    return widget->width() - indicator - spacing - kFocusFrameMargin;
}

} // namespace

namespace ControlWidgets {

namespace {

struct CaptionRoom {
    QSize area;
    bool wrap = false;
};

QWidget* createButton(tk::Control& control, QWidget* parent);
void updateLook(const tk::Control& control, QWidget* widget);
void updateCaptionFont(const tk::Control& control, QWidget* widget, const ScreenUnits& units);
CaptionRoom showCaption(const tk::Control& control, QWidget* widget, const QString& caption);
void alignLabel(const tk::Label& control, QLabel* label);
void updateValue(const tk::Control& control, QWidget* widget);
void updateLists(const tk::Control& control, QWidget* widget);

} // namespace

QWidget* create(tk::Control& control, QWidget* parent)
{
    switch (control.kind()) {
    case tk::ControlKind::Frame:
        return new QGroupBox(parent);
    case tk::ControlKind::Label: {
        auto* label = new ClickableLabel(parent);
        label->setWordWrap(true);
        auto& target = static_cast<tk::Label&>(control);
        QObject::connect(label, &ClickableLabel::clicked, label, [&target] { target.click(); });
        // A label that acts when clicked must be reachable without a pointer too.
        if (target.onClick)
            label->takeKeyboardFocus();
        return label;
    }
    case tk::ControlKind::Line:
        return new LineWidget(parent);
    case tk::ControlKind::OptionButton:
    case tk::ControlKind::CheckBox:
    case tk::ControlKind::CommandButton:
        return createButton(control, parent);
    case tk::ControlKind::TextBox: {
        auto* edit = new QLineEdit(parent);
        QObject::connect(edit, &QLineEdit::textEdited, edit,
                         [&control](const QString& text) { control.setText(toStd(text)); });
        return edit;
    }
    case tk::ControlKind::PictureBox:
        return new PictureWidget(parent);
    case tk::ControlKind::DriveListBox:
    case tk::ControlKind::DirListBox:
    case tk::ControlKind::FileListBox:
        return ListControls::create(control, parent);
    case tk::ControlKind::Shape:
    case tk::ControlKind::Timer:
        return nullptr;
    }
    return nullptr;
}

namespace {

QWidget* createButton(tk::Control& control, QWidget* parent)
{
    if (control.kind() == tk::ControlKind::OptionButton) {
        auto* radio = new QRadioButton(parent);
        // The toolkit keeps the options of a frame exclusive, and code may unselect them all.
        radio->setAutoExclusive(false);
        auto& option = static_cast<tk::OptionButton&>(control);
        QObject::connect(radio, &QRadioButton::clicked, radio, [&option, radio] {
            const QPointer<QRadioButton> alive(radio);
            option.click();
            // A click on a selected option changes nothing in the toolkit, yet Qt has just
            // unchecked the button; the toolkit's value wins.
            if (alive) {
                const QSignalBlocker block(radio);
                radio->setChecked(option.value());
            }
        });
        return radio;
    }
    if (control.kind() == tk::ControlKind::CheckBox) {
        auto* box = new QCheckBox(parent);
        auto& check = static_cast<tk::CheckBox&>(control);
        QObject::connect(box, &QCheckBox::clicked, box, [&check, box] {
            const QPointer<QCheckBox> alive(box);
            check.click();
            if (alive) {
                const QSignalBlocker block(box);
                box->setChecked(check.value() == 1);
            }
        });
        return box;
    }
    auto* button = new QPushButton(parent);
    // Enter presses the button that has the focus, as it does in a dialog.
    button->setAutoDefault(true);
    auto& command = static_cast<tk::CommandButton&>(control);
    QObject::connect(button, &QPushButton::clicked, button, [&command] { command.click(); });
    return button;
}

} // namespace

void update(const tk::Control& control, QWidget* widget, const ScreenUnits& units)
{
    if (control.kind() == tk::ControlKind::Line) {
        const auto& line = static_cast<const tk::Line&>(control);
        const QPoint from(units.toWholePixels(line.x1()), units.toWholePixels(line.y1()));
        const QPoint to(units.toWholePixels(line.x2()), units.toWholePixels(line.y2()));
        static_cast<LineWidget*>(widget)->setLine(from, to, qtColour(line.borderColor()),
                                                  line.borderWidth());
    } else {
        widget->setGeometry(units.toWholePixels(control.bounds()));
    }
    widget->setEnabled(control.enabled());
    updateLook(control, widget);
    updateCaptionFont(control, widget, units);
    updateValue(control, widget);
    updateLists(control, widget);
    widget->setVisible(control.visible());
}

namespace {

void updateLook(const tk::Control& control, QWidget* widget)
{
    switch (control.kind()) {
    case tk::ControlKind::Label:
        setActiveColour(widget, QPalette::WindowText, qtColour(control.foreColor()));
        break;
    case tk::ControlKind::TextBox:
        // The colour swatches of the settings dialog are text fields that show a colour.
        setActiveColour(widget, QPalette::Base, qtColour(control.backColor()));
        setActiveColour(widget, QPalette::Text, qtColour(control.foreColor()));
        break;
    case tk::ControlKind::OptionButton:
    case tk::ControlKind::CheckBox:
        setActiveColour(widget, QPalette::WindowText, qtColour(control.foreColor()));
        break;
    case tk::ControlKind::PictureBox: {
        auto* box = static_cast<PictureWidget*>(widget);
        box->setBackColour(qtColour(control.backColor()));
        box->setPicture(static_cast<const tk::PictureBox&>(control).picture());
        break;
    }
    default:
        break;
    }
}

} // namespace

namespace {

void updateCaptionFont(const tk::Control& control, QWidget* widget, const ScreenUnits& units)
{
    const QString caption = toQt(control.caption());
    const CaptionRoom room = showCaption(control, widget, caption);
    QFont font = ScreenFont::fromFont(control.font(), units);
    if (!room.area.isEmpty() && !caption.isEmpty()) {
        const QtCaptionMeasure measure(font, caption);
        font.setPixelSize(CaptionFit::fittedPixelSize(
            font.pixelSize(), {room.area.width(), room.area.height()}, room.wrap, measure));
    }
    if (widget->font() != font)
        widget->setFont(font);
    if (control.kind() == tk::ControlKind::Label)
        alignLabel(static_cast<const tk::Label&>(control), static_cast<QLabel*>(widget));
}

} // namespace

namespace {

// Puts the caption (or a text field's text) into the widget and tells how much room it has.
CaptionRoom showCaption(const tk::Control& control, QWidget* widget, const QString& caption)
{
    switch (control.kind()) {
    case tk::ControlKind::Frame: {
        auto* frame = static_cast<QGroupBox*>(widget);
        if (frame->title() != caption)
            frame->setTitle(caption);
        return {QSize(frame->width() - kFrameCaptionMargin, kUnlimited), false};
    }
    case tk::ControlKind::Label: {
        auto* label = static_cast<QLabel*>(widget);
        if (label->text() != caption)
            label->setText(caption);
        return {label->size(), true};
    }
    case tk::ControlKind::OptionButton:
    case tk::ControlKind::CheckBox:
    case tk::ControlKind::CommandButton: {
        auto* button = static_cast<QAbstractButton*>(widget);
        if (button->text() != caption)
            button->setText(caption);
        const int width =
            control.kind() == tk::ControlKind::CommandButton
                ? button->width() - kButtonCaptionMargin
                : widthBesideIndicator(button, control.kind() == tk::ControlKind::OptionButton);
        return {QSize(width, button->height()), false};
    }
    case tk::ControlKind::TextBox: {
        auto* edit = static_cast<QLineEdit*>(widget);
        if (edit->text() != caption)
            edit->setText(caption);
        return {};
    }
    default:
        return {};
    }
}

} // namespace

namespace {

// A label one line high shows its line in the middle, so that a widget that overlaps its
// edge by a pixel or two does not cut the letters; taller labels start at the top.
void alignLabel(const tk::Label& control, QLabel* label)
{
    const auto alignment = control.alignment();
    const Qt::Alignment horizontal = alignment == tk::Alignment::Right    ? Qt::AlignRight
                                     : alignment == tk::Alignment::Centre ? Qt::AlignHCenter
                                                                          : Qt::AlignLeft;
    const bool oneLine = label->height() < 2 * QFontMetrics(label->font()).lineSpacing();
    const Qt::Alignment wanted = horizontal | (oneLine ? Qt::AlignVCenter : Qt::AlignTop);
    if (label->alignment() != wanted)
        label->setAlignment(wanted);
}

} // namespace

namespace {

void updateValue(const tk::Control& control, QWidget* widget)
{
    switch (control.kind()) {
    case tk::ControlKind::OptionButton: {
        auto* radio = static_cast<QRadioButton*>(widget);
        const QSignalBlocker block(radio);
        radio->setChecked(static_cast<const tk::OptionButton&>(control).value());
        break;
    }
    case tk::ControlKind::CheckBox: {
        auto* box = static_cast<QCheckBox*>(widget);
        const QSignalBlocker block(box);
        box->setChecked(static_cast<const tk::CheckBox&>(control).value() == 1);
        break;
    }
    case tk::ControlKind::CommandButton:
        static_cast<QPushButton*>(widget)->setDefault(
            static_cast<const tk::CommandButton&>(control).isDefault());
        break;
    default:
        break;
    }
}

} // namespace

namespace {

void updateLists(const tk::Control& control, QWidget* widget)
{
    if (ListControls::isList(control))
        ListControls::update(control, widget);
}

} // namespace

} // namespace ControlWidgets
