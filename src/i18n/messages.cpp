// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Russian and English columns of the game's texts.
#include "i18n/messages.h"

#include <array>

namespace {

struct Row {
    Msg id;
    const char *russian;
    const char *english;
};

// The blanks inside the headlines and after the prompts belong to the texts.
constexpr Row Rows[] = {
    {Msg::CapHelp, "Помощь", "Help"},
    {Msg::CapHelpClose, "Закр. пом.", "Close help"},
    {Msg::HelpFileName, "\\help.txt", "\\help-e.txt"},
    {Msg::CapRecords, "Рекорды", "Records"},
    {Msg::CapRecClose, "Закрыть рек.", "Close rec."},
    {Msg::UnknownName, "Неизвестный", "Unknown"},
    {Msg::MsgNoRecord, "ПОБЕДА!   На неё ты затратил", "VICTORY!  You time is"},
    {Msg::MsgFirstPlace, "ПОБЕДА!   У тебя 1-е место!", "VICTORY!   You is First!"},
    {Msg::MsgTopTen, "ПОБЕДА! Ты в десятке лучших.", "VICTORY! You is in Top-10."},
    {Msg::MsgSignUp, "Запишись: ", "Record: "},

    {Msg::RecordNotSaved, "Рекорд не записан.", "The record was not saved."},
    {Msg::RecordsNotErased, "Рекорды не удалены.", "The records were not erased."},
    {Msg::SettingsNotSaved, "Настройки не сохранены; они действуют до конца игры.",
     "The settings were not saved; they hold until the game ends."},
    {Msg::NotResults,
     "В файле рекордов %1 есть строки, которые не являются результатами (первая из них: строка "
     "%2): запись производиться не будет. Исправьте файл.",
     "The record file %1 holds lines that are not results (the first of them is line %2): the "
     "result will not be stored. Please correct the file."},
    {Msg::CannotSave, "Нельзя записать в папку\n%1\nРекорды и настройки этой игры не сохранятся.",
     "The folder\n%1\ncannot be written. Records and settings of this game will not be saved."},
    {Msg::TooManyResults,
     "В файле рекордов больше 10 результатов: запись производиться не будет. Исправьте файл.",
     "В файле рекордов больше 10 результатов: запись производиться не будет. Исправьте файл."},
    {Msg::RiddleTitle, "Ошибочка", "Ошибочка"},
    {Msg::RiddleMissing, "Нет файла\n%1\nс загадками", "Нет файла\n%1\nс загадками"},
    {Msg::CapPhotos, "Фото…", "Photos…"},
    {Msg::CapRestore, "Вернуть", "Restore"},
    {Msg::PhotoFolderTitle, "Папка с фотографиями", "A folder of photos"},
    {Msg::PhotosReading, "Читаю фотографии: %1 из %2", "Reading photos: %1 of %2"},
    {Msg::PhotosMissing,
     "Для набора нужно 12 разных картинок, а в этой папке на %1 меньше. Набор не изменён.",
     "A set needs 12 different pictures; this folder has %1 too few. The set is unchanged."},
    {Msg::PhotosNoMemory, "Не хватило памяти, чтобы прочесть фотографий: %1. Набор не изменён.",
     "There was not enough memory to read %1 of the photos. The set is unchanged."},
    {Msg::PhotosStopped,
     "Просмотрено файлов: %1; разных картинок среди них: %2, а для набора нужно 12. Дальше "
     "в этой папке не ищу: выберите папку, где лежат только фотографии. Набор не изменён.",
     "%1 files were tried, and only %2 different pictures were among them; a set needs 12. "
     "The search stops there: choose a folder that holds just the photos. The set is "
     "unchanged."},
    {Msg::PhotosNotSaved, "Не удалось записать набор:\n%1\nПрежний набор остался.",
     "The set could not be written:\n%1\nThe old set is kept."},
    {Msg::PhotosNotWritten, "Не удалось записать набор:\n%1\nНабор не изменён.",
     "The set could not be written:\n%1\nThe set is unchanged."},
    {Msg::PhotoSetMade, "Набор «%1» готов. «Сменить» разложит его карточки.",
     "The set \"%1\" is ready. \"Apply\" deals its cards."},
    {Msg::RestoreFailed, "Не удалось удалить папку\n%1", "The folder\n%1\ncould not be removed."},

    {Msg::CardFaceDown, "карточка %1, закрыта", "card %1, face down"},
    {Msg::CardFaceUp, "карточка %1, %2открыта", "card %1, %2face up"},
    {Msg::CardFound, "карточка %1, %2найдена", "card %1, %2found"},
    {Msg::PairFound, "Пара!", "A pair!"},
    {Msg::PairFoundNamed, "Пара: %1!", "A pair: %1!"},
    {Msg::NoMatch, "Не пара.", "Not a pair."},
    {Msg::VictoryTime, "Победа! Время: %1 с.", "Victory! Your time: %1 seconds."},
    {Msg::VictoryRecord, " Это рекорд: впиши своё имя и нажми Enter.",
     " It is a record: type your name and press Enter."},
    {Msg::VictoryAgain, " Enter: играть ещё, F2: новая раскладка.",
     " Press Enter to play again, or F2 for a new layout."},
    {Msg::NewDeal, "Новая раскладка, время с нуля.", "A new layout; the clock starts from 0."},
    {Msg::BackgroundChoice, "фон %1", "background %1"},
    {Msg::NameBox, "Твоё имя", "Your name"},
    {Msg::RecordsView, "Таблица рекордов", "Hall of fame"},
    {Msg::HelpBox, "Помощь", "Help"},
    {Msg::RussianLabel, "Русский язык", "Russian interface"},
    {Msg::EnglishLabel, "Английский язык", "English interface"},
    {Msg::Status, "Сообщения игры", "Game messages"},
    {Msg::Boy, "мальчик", "boy"},
    {Msg::Girl, "девочка", "girl"},
    {Msg::Friend, "друг", "friend"},
};

// Every message has its row, in the order of the enumeration.
constexpr bool tableInOrder() {
    for (std::size_t i = 0; i < std::size(Rows); ++i) {
        if (static_cast<std::size_t>(Rows[i].id) != i)
            return false;
    }
    return static_cast<std::size_t>(Msg::Friend) + 1 == std::size(Rows);
}
static_assert(tableInOrder(), "one row per message, in the order of Msg");

} // namespace

QString message(Msg id, bool russian) {
    const Row &row = Rows[static_cast<std::size_t>(id)];
    return QString::fromUtf8(russian ? row.russian : row.english);
}
