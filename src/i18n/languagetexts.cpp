// Russian and English columns of the language texts.
#include "i18n/languagetexts.h"

#include "ui/programstate.h"

namespace {

struct Row {
    QString ProgramState::*field;
    const char *russian;
    const char *english;
};

// The blanks inside the headlines and after the prompts belong to the texts.
const Row rows[] = {
    {&ProgramState::CapHelp, "Помощь", "Help"},
    {&ProgramState::CapHelpClose, "Закр. пом.", "Close help"},
    {&ProgramState::HelpFileName, "\\help.txt", "\\help-e.txt"},
    {&ProgramState::CapRecords, "Рекорды", "Records"},
    {&ProgramState::CapRecClose, "Закрыть рек.", "Close rec."},
    {&ProgramState::UnknownName, "Неизвестный", "Unknown"},
    {&ProgramState::MsgNoRecord, "ПОБЕДА!   На неё ты затратил", "VICTORY!  You time is"},
    {&ProgramState::MsgFirstPlace, "ПОБЕДА!   У тебя 1-е место!", "VICTORY!   You is First!"},
    {&ProgramState::MsgTopTen, "ПОБЕДА! Ты в десятке лучших.", "VICTORY! You is in Top-10."},
    {&ProgramState::MsgSignUp, "Запишись: ", "Record: "},
};

} // namespace

void applyLanguageTexts(ProgramState &state, int language) {
    if (language != Lang::Russian && language != Lang::English)
        return;
    for (const Row &row : rows)
        state.*row.field = QString::fromUtf8(language == Lang::Russian ? row.russian : row.english);
}
