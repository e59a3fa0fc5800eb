#include "FontPickerDialog.h"
#include "QtColour.h"
#include "QtText.h"

#include "Font.h"
#include "NumberText.h"
#include "ScreenUnits.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <array>

namespace {

// The sizes a font dialog offers; any other size, with decimals, may be typed.
constexpr std::array kCommonSizes = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr double kSmallestSize = tk::kSmallestFontSize;
constexpr double kLargestSize = tk::kLargestFontSize;
constexpr int kSwatchSize = 12;
constexpr int kSampleHeight = 90;
constexpr int kListHeight = 160;
constexpr int kFamilyColumnWidth = 220;
constexpr int kSizeColumnWidth = 70;

struct NamedColour {
    const char* name;
    QRgb rgb;
};

// The sixteen colours of the standard font dialog's colour list.
constexpr std::array<NamedColour, 16> kColours = {{
    {"Black", 0x000000},
    {"Maroon", 0x800000},
    {"Green", 0x008000},
    {"Olive", 0x808000},
    {"Navy", 0x000080},
    {"Purple", 0x800080},
    {"Teal", 0x008080},
    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0},
    {"Red", 0xFF0000},
    {"Lime", 0x00FF00},
    {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},
    {"Fuchsia", 0xFF00FF},
    {"Aqua", 0x00FFFF},
    {"White", 0xFFFFFF},
}};

QPixmap swatch(const QColor& colour)
{
    QPixmap pixmap(kSwatchSize, kSwatchSize);
    pixmap.fill(colour);
    return pixmap;
}

QString sizeText(double size)
{
    return QString::number(size, 'g', 6);
}

} // namespace

FontPickerDialog::FontPickerDialog(const tk::FontChoice& preset, const ScreenUnits& units,
                                   QWidget* parent)
    : QDialog(parent)
    , m_units(units)
    , m_preset(preset)
{
    setWindowTitle(tr("Font"));
    auto* columns = new QHBoxLayout;
    columns->addWidget(makeFamilyColumn());
    columns->addWidget(makeSizeColumn());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_okButton = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(makeColourRow());
    layout->addWidget(makeSample());
    layout->addWidget(buttons);

    m_familyEdit->setText(toQt(preset.name));
    familyTyped(m_familyEdit->text());
    m_sizeEdit->setText(sizeText(preset.size));
    sizeTyped(m_sizeEdit->text());
    setColour(qtColour(preset.colour));
    m_familyEdit->setFocus();
}

QWidget* FontPickerDialog::makeFamilyColumn()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_familyEdit = new QLineEdit;
    m_familyList = new QListWidget;
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family))
            m_familyList->addItem(family);
    }
    m_familyList->setMinimumSize(kFamilyColumnWidth, kListHeight);
    auto* caption = new QLabel(tr("&Font:"));
    caption->setBuddy(m_familyEdit);
    layout->addWidget(caption);
    layout->addWidget(m_familyEdit);
    layout->addWidget(m_familyList);
    connect(m_familyEdit, &QLineEdit::textEdited, this, &FontPickerDialog::familyTyped);
    connect(m_familyList, &QListWidget::itemSelectionChanged, this,
            &FontPickerDialog::familyPicked);
    return column;
}

QWidget* FontPickerDialog::makeSizeColumn()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_sizeEdit = new QLineEdit;
    m_sizeList = new QListWidget;
    for (int size : kCommonSizes)
        m_sizeList->addItem(QString::number(size));
    m_sizeList->setMinimumSize(kSizeColumnWidth, kListHeight);
    m_sizeList->setMaximumWidth(kSizeColumnWidth * 2);
    auto* caption = new QLabel(tr("&Size:"));
    caption->setBuddy(m_sizeEdit);
    layout->addWidget(caption);
    layout->addWidget(m_sizeEdit);
    layout->addWidget(m_sizeList);
    connect(m_sizeEdit, &QLineEdit::textEdited, this, &FontPickerDialog::sizeTyped);
    connect(m_sizeList, &QListWidget::itemSelectionChanged, this, &FontPickerDialog::sizePicked);
    return column;
}

QWidget* FontPickerDialog::makeColourRow()
{
    auto* row = new QGroupBox(tr("Effects"));
    auto* layout = new QHBoxLayout(row);
    m_colourBox = new QComboBox;
    fillColours();
    auto* caption = new QLabel(tr("&Colour:"));
    caption->setBuddy(m_colourBox);
    auto* other = new QPushButton(tr("&Other colour..."));
    other->setAutoDefault(false);
    layout->addWidget(caption);
    layout->addWidget(m_colourBox, 1);
    layout->addWidget(other);
    connect(m_colourBox, &QComboBox::activated, this, &FontPickerDialog::colourPicked);
    connect(other, &QPushButton::clicked, this, &FontPickerDialog::chooseOtherColour);
    return row;
}

QWidget* FontPickerDialog::makeSample()
{
    auto* box = new QGroupBox(tr("Sample"));
    auto* layout = new QVBoxLayout(box);
    m_sample = new QLabel(QStringLiteral("AaBbYyZz 0123456789"));
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumHeight(kSampleHeight);
    // A large size must not stretch the dialog; the sample is cut off instead.
    m_sample->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    layout->addWidget(m_sample);
    return box;
}

void FontPickerDialog::fillColours()
{
    for (const NamedColour& colour : kColours)
        m_colourBox->addItem(swatch(QColor(colour.rgb)), tr(colour.name), QColor(colour.rgb));
}

void FontPickerDialog::familyTyped(const QString& text)
{
    const QSignalBlocker block(m_familyList);
    m_familyList->clearSelection();
    if (!text.isEmpty()) {
        for (int row = 0; row < m_familyList->count(); ++row) {
            QListWidgetItem* item = m_familyList->item(row);
            if (item->text().startsWith(text, Qt::CaseInsensitive)) {
                m_familyList->setCurrentItem(item);
                m_familyList->scrollToItem(item, QAbstractItemView::PositionAtTop);
                break;
            }
        }
    }
    refresh();
}

void FontPickerDialog::familyPicked()
{
    const auto selected = m_familyList->selectedItems();
    if (!selected.isEmpty())
        m_familyEdit->setText(selected.front()->text());
    refresh();
}

void FontPickerDialog::sizeTyped(const QString& text)
{
    const QSignalBlocker block(m_sizeList);
    m_sizeList->clearSelection();
    const auto matches = m_sizeList->findItems(text.trimmed(), Qt::MatchExactly);
    if (!matches.isEmpty()) {
        m_sizeList->setCurrentItem(matches.front());
        m_sizeList->scrollToItem(matches.front());
    }
    refresh();
}

void FontPickerDialog::sizePicked()
{
    const auto selected = m_sizeList->selectedItems();
    if (!selected.isEmpty())
        m_sizeEdit->setText(selected.front()->text());
    refresh();
}

void FontPickerDialog::colourPicked(int index)
{
    setColour(m_colourBox->itemData(index).value<QColor>());
}

void FontPickerDialog::chooseOtherColour()
{
    const QColor chosen = QColorDialog::getColor(m_colour, this, tr("Colour"));
    if (chosen.isValid())
        setColour(chosen);
}

// A colour outside the list is shown as an extra "Custom" entry at its end.
void FontPickerDialog::setColour(const QColor& colour)
{
    m_colour = colour.toRgb();
    int index = m_colourBox->findData(m_colour);
    if (index < 0) {
        if (m_colourBox->count() > static_cast<int>(kColours.size()))
            m_colourBox->removeItem(m_colourBox->count() - 1);
        m_colourBox->addItem(swatch(m_colour), tr("Custom"), m_colour);
        index = m_colourBox->count() - 1;
    }
    const QSignalBlocker block(m_colourBox);
    m_colourBox->setCurrentIndex(index);
    refresh();
}

// The face as typed, spelled as the font database spells it when it knows the face.
QString FontPickerDialog::familyName() const
{
    const QString typed = m_familyEdit->text().trimmed();
    const auto matches = m_familyList->findItems(typed, Qt::MatchFixedString);
    return matches.isEmpty() ? typed : matches.front()->text();
}

std::optional<double> FontPickerDialog::typedSize() const
{
    const auto size = tk::parseNumber(toStd(m_sizeEdit->text().trimmed()));
    if (!size || *size < kSmallestSize || *size > kLargestSize)
        return std::nullopt;
    return size;
}

void FontPickerDialog::refresh()
{
    const auto size = typedSize();
    const QString family = familyName();
    m_okButton->setEnabled(size.has_value() && !family.isEmpty());
    QFont font(family);
    if (size)
        font.setPixelSize(m_units.fontPixels(static_cast<float>(*size)));
    m_sample->setFont(font);
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::WindowText, m_colour);
    m_sample->setPalette(palette);
}

tk::FontChoice FontPickerDialog::choice() const
{
    // The dialog offers no style or effects but the colour, so those stay as they came.
    tk::FontChoice result = m_preset;
    result.name = toStd(familyName());
    result.size = static_cast<float>(typedSize().value_or(0));
    result.colour = tkColour(m_colour);
    return result;
}

std::optional<tk::FontChoice> FontPickerDialog::pick(const tk::FontChoice& preset,
                                                     const ScreenUnits& units, QWidget* parent)
{
    FontPickerDialog dialog(preset, units, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}
