#pragma once

#include <array>
#include <string_view>

// Every caption and message that exists in two languages. Runs of spaces are part of the
// texts: the slide-period label leaves room for the field that lies over it.
struct LanguageTexts {
    std::array<std::string_view, 4> frameCaptions;
    std::array<std::string_view, 2> optWT;
    std::array<std::string_view, 2> optSW;
    std::array<std::string_view, 3> optPIC;
    std::array<std::string_view, 2> cmdOK;
    std::string_view chkBG0;
    std::string_view form2Caption;
    std::array<std::string_view, 4> lblCOLOR;
    std::string_view frmFILECaption;
    std::string_view cmdNO;
    std::string_view lblSlideTime;
    // The messages, each described where Module1 keeps it.
    std::string_view strPicNotFound;
    std::string_view strSovet;
    std::string_view strSlidePeriod;
    std::string_view strNoFile;
    std::string_view strSaveFailed;
    std::string_view strCannotShow;
    // What follows a drive's name when it cannot be opened: it is missing or has no medium,
    // or the user may not enter it.
    std::string_view strDriveNotAvailable;
    std::string_view strDriveAccessDenied;
    // Why the settings file could not be saved, one for each tk::WriteFailure after None.
    std::array<std::string_view, 7> saveFailureReasons;
};

inline constexpr LanguageTexts kRussian{
    {"Время", "Круги", "Картинка", "Шрифт и цвета"},
    {"Текущее время", "Время отсутствия"},
    {"Разного размера", "Одинакового размера"},
    {"Встроенная", "Выбор", "Слайд-шоу"},
    {"Сохранить", "Отмена"},
    "Фон",
    "Установки",
    {"Цвет секунд", "Цвет минут", "Цвет часов, Ширифт", "Фон кругов"},
    "Работа с файлами",
    "Нет",
    "Смена слайдов          сек.",
    "Путь к картинке не найден! Осталась старая.",
    "49 x 49 px    черн. фон  gif",
    "Период смены картинок в слайдшоу измеряется положительными целыми цифрами!",
    "Вы не выбрали файл. Продолжить выбор?",
    "Не удалось сохранить настройки.",
    "Этот файл нельзя показать как рисунок.",
    " недоступен.",
    " не открывается: доступ запрещён.",
    {"Доступ запрещён.", "Диск доступен только для чтения.", "Диск переполнен.",
     "Файл больше, чем позволяет система.", "Папки нет.", "Это не обычный файл.",
     "Система не дала записать файл."},
};

inline constexpr LanguageTexts kEnglish{
    {"Time", "Circles", "Picture", "Font and colors"},
    {"Current time", "Time from start"},
    {"Different size", "Equal size"},
    {"Default", "Choose", "Slide show"},
    {"Save", "Cancel"},
    "Back",
    "Options",
    {"Seconds color", "Minutes color", "Hours color, Font", "Circles's background"},
    "File manager",
    "Cancel",
    "      Slide period             sec",
    "Picture not found! Old is remained.",
    "49 x 49 px    black back  gif",
    "Slide show period must be integer number!",
    "No selected file. Continue?",
    "Settings could not be saved.",
    "This file cannot be shown as a picture.",
    " is not available.",
    " cannot be opened: access denied.",
    {"Access denied.", "The disk is read-only.", "The disk is full.",
     "The file would be larger than the system allows.", "The folder does not exist.",
     "This is no ordinary file.", "The system did not let the file be written."},
};

// Texts that read the same in both languages.
inline constexpr std::string_view kAttention = "Attention";
