// The Russian and English columns of the interface, in the order they are applied.
#include "i18n/captiontable.h"

namespace Caption {

const std::vector<Row> &rows() {
    using P = Property;
    constexpr Window Main = Window::Main;
    constexpr Window Options = Window::Options;
    // The blanks in the kind question line its words up with the buttons below them.
    static const std::vector<Row> table = {
        {Main, "cmdTOP(0)", P::Caption, "Очистить", "Clear"},
        {Main, "cmdTOP(1)", P::Caption, "Настройки", "Options"},
        {Main, "cmdTOP(2)", P::Caption, "Помощь", "Help"},
        {Main, "cmdTOP(3)", P::Caption, "Рекорды", "Records"},
        {Options, "", P::Title, "Настройки", "Options"},
        {Options, "Frame(0)", P::Caption, "Фон", "Background"},
        {Options, "Frame(1)", P::Caption, "Картинки", "Pictures"},
        {Options, "Frame(2)", P::Caption, "Звук", "Sound"},
        {Options, "chkS", P::Caption, "Есть", "Yes"},
        {Options, "cmdNAS(0)", P::Caption, "Сменить", "Apply"},
        {Options, "cmdNAS(1)", P::Caption, "Сменить", "Apply"},
        {Options, "cmdNAS(3)", P::Caption, "Отмена", "Cancel"},
        {Options, "chkR", P::ToolTip, " Обнулить файл рекордов ", " Delete record file "},
        {Window::Texts, "", P::Texts, "", ""},
        {Main, "lblEnd(3)", P::Caption, "Ты:       мальчик,       девочка,       друг?",
         "       boy?              girl?               ?"},
        {Main, "cmdEND(2)", P::Caption, "В рекорды", "To records"},
        {Main, "cmdEND(1)", P::Caption, "Конец", "End"},
        {Main, "cmdEND(0)", P::Caption, "Ещё", "Else"},
        {Main, "lblSND", P::Caption, "Звук", "Sound"},
        {Main, "lblWeb(1)", P::ToolTip, "Детская галерея рисунков", "Children's picture gallery"},
        {Options, "Frame(3)", P::Caption, "Загадки", "Riddles"},
        {Options, "Frame(3)", P::Enabled, "yes", "no"},
        {Options, "chkZ", P::Enabled, "yes", "no"},
        {Options, "Frame(4)", P::Caption, "Рекорды", "Records"},
        {Options, "chkR", P::Caption, "Удал. файл", "Erase all"},
        {Main, "lblZAG", P::Visible, "yes", "no"},
    };
    return table;
}

} // namespace Caption
