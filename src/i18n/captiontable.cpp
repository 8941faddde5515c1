// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Russian and English columns of the interface, in the order they are applied.
#include "i18n/captiontable.h"

namespace Caption {

const std::vector<Row> &rows() {
    using C = Control;
    using P = Property;
    // The blanks in the kind question line its words up with the buttons below them.
    static const std::vector<Row> table = {
        {C::Clear, P::Caption, "Очистить", "Clear"},
        {C::Options, P::Caption, "Настройки", "Options"},
        {C::Help, P::Caption, "Помощь", "Help"},
        {C::Records, P::Caption, "Рекорды", "Records"},
        {C::OptionsWindow, P::Caption, "Настройки", "Options"},
        {C::BackgroundFrame, P::Caption, "Фон", "Background"},
        {C::PicturesFrame, P::Caption, "Картинки", "Pictures"},
        {C::SoundFrame, P::Caption, "Звук", "Sound"},
        {C::SoundSwitch, P::Caption, "Есть", "Yes"},
        {C::ApplyBackground, P::Caption, "Сменить", "Apply"},
        {C::ApplyPictures, P::Caption, "Сменить", "Apply"},
        {C::Cancel, P::Caption, "Отмена", "Cancel"},
        {C::EraseSwitch, P::ToolTip, " Обнулить файл рекордов ", " Delete record file "},
        {C::KindQuestion, P::Caption, "Ты:       мальчик,       девочка,       друг?",
         "       boy?              girl?               ?"},
        {C::ToRecords, P::Caption, "В рекорды", "To records"},
        {C::End, P::Caption, "Конец", "End"},
        {C::Else, P::Caption, "Ещё", "Else"},
        {C::SoundLabel, P::Caption, "Звук", "Sound"},
        {C::MakerLabel, P::ToolTip, "Детская галерея рисунков", "Children's picture gallery"},
        {C::RiddlesFrame, P::Caption, "Загадки", "Riddles"},
        {C::RiddlesFrame, P::Enabled, "yes", "no"},
        {C::RiddleSwitch, P::Enabled, "yes", "no"},
        {C::RecordsFrame, P::Caption, "Рекорды", "Records"},
        {C::EraseSwitch, P::Caption, "Удал. файл", "Erase all"},
        {C::RiddleLabel, P::Visible, "yes", "no"},
    };
    return table;
}

} // namespace Caption
