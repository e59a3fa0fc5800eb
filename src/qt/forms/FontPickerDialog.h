#pragma once

#include "Platform.h"

#include <QColor>
#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class ScreenUnits;

// The font picker: screen font faces, sizes, a colour choice and a preview, as the settings
// dialog asks for (screen fonts, effects with the colour, no style). Qt's own font dialog has
// no colour choice, so this small dialog stands in for it.
class FontPickerDialog : public QDialog {
    Q_OBJECT

public:
    FontPickerDialog(const tk::FontChoice& preset, const ScreenUnits& units,
                     QWidget* parent = nullptr);

    tk::FontChoice choice() const;
    // Empty when the user cancels.
    static std::optional<tk::FontChoice> pick(const tk::FontChoice& preset,
                                              const ScreenUnits& units, QWidget* parent);

private:
    QWidget* makeFamilyColumn();
    QWidget* makeSizeColumn();
    QWidget* makeColourRow();
    QWidget* makeSample();
    void fillColours();

    void familyTyped(const QString& text);
    void familyPicked();
    void sizeTyped(const QString& text);
    void sizePicked();
    void colourPicked(int index);
    void chooseOtherColour();
    void setColour(const QColor& colour);

    QString familyName() const;
    std::optional<double> typedSize() const;
    void refresh();

    QLineEdit* m_familyEdit = nullptr;
    QListWidget* m_familyList = nullptr;
    QLineEdit* m_sizeEdit = nullptr;
    QListWidget* m_sizeList = nullptr;
    QComboBox* m_colourBox = nullptr;
    QLabel* m_sample = nullptr;
    QPushButton* m_okButton = nullptr;
    const ScreenUnits& m_units;
    const tk::FontChoice m_preset;
    QColor m_colour;
};
