#pragma once

#include "Platform.h"

#include <QDialog>

#include <optional>

// The font picker: screen font faces, sizes, a colour choice and a preview. Qt's own font
// dialog has no colour choice, so this small dialog stands in for it.
class FontPickerDialog : public QDialog {
    Q_OBJECT

public:
    explicit FontPickerDialog(const tk::FontChoice& preset, QWidget* parent = nullptr);

    tk::FontChoice choice() const;
    // Empty when the user cancels.
    static std::optional<tk::FontChoice> pick(const tk::FontChoice& preset, QWidget* parent);
};
