// What the game says to players who listen to it through a screen reader, in both languages.
#include "i18n/accessibletexts.h"

QString cardName(int card, CardState state, const QString &picture, bool russian) {
    const QString number = QString::number(card + 1);
    if (state == CardState::FaceDown)
        return russian ? QStringLiteral("карточка %1, закрыта").arg(number)
                       : QStringLiteral("card %1, face down").arg(number);
    const QString what = picture.isEmpty() ? QString() : picture + QStringLiteral(", ");
    if (state == CardState::Found)
        return russian ? QStringLiteral("карточка %1, %2найдена").arg(number, what)
                       : QStringLiteral("card %1, %2found").arg(number, what);
    return russian ? QStringLiteral("карточка %1, %2открыта").arg(number, what)
                   : QStringLiteral("card %1, %2face up").arg(number, what);
}

QString pairFoundText(const QString &picture, bool russian) {
    if (picture.isEmpty())
        return russian ? QStringLiteral("Пара!") : QStringLiteral("A pair!");
    return russian ? QStringLiteral("Пара: %1!").arg(picture)
                   : QStringLiteral("A pair: %1!").arg(picture);
}

QString noMatchText(bool russian) {
    return russian ? QStringLiteral("Не пара.") : QStringLiteral("Not a pair.");
}

QString victoryText(const QString &time, bool record, bool russian) {
    QString text = russian ? QStringLiteral("Победа! Время: %1 с.").arg(time)
                           : QStringLiteral("Victory! Your time: %1 seconds.").arg(time);
    if (record)
        text += russian ? QStringLiteral(" Это рекорд: впиши своё имя и нажми Enter.")
                        : QStringLiteral(" It is a record: type your name and press Enter.");
    else
        text += russian ? QStringLiteral(" Enter: играть ещё.")
                        : QStringLiteral(" Press Enter to play again.");
    return text;
}

QString backgroundChoiceName(int choice, bool russian) {
    return (russian ? QStringLiteral("фон %1") : QStringLiteral("background %1")).arg(choice + 1);
}

QString controlName(ControlName control, bool russian) {
    switch (control) {
    case ControlName::NameBox:
        return russian ? QStringLiteral("Твоё имя") : QStringLiteral("Your name");
    case ControlName::RecordsView:
        return russian ? QStringLiteral("Таблица рекордов") : QStringLiteral("Hall of fame");
    case ControlName::HelpBox:
        return russian ? QStringLiteral("Помощь") : QStringLiteral("Help");
    case ControlName::RussianLabel:
        return russian ? QStringLiteral("Русский язык") : QStringLiteral("Russian interface");
    case ControlName::EnglishLabel:
        return russian ? QStringLiteral("Английский язык") : QStringLiteral("English interface");
    case ControlName::Status:
        return russian ? QStringLiteral("Сообщения игры") : QStringLiteral("Game messages");
    case ControlName::Boy:
        return russian ? QStringLiteral("мальчик") : QStringLiteral("boy");
    case ControlName::Girl:
        return russian ? QStringLiteral("девочка") : QStringLiteral("girl");
    case ControlName::Friend:
        return russian ? QStringLiteral("друг") : QStringLiteral("friend");
    }
    return QString();
}
