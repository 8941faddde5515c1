// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What screen readers see of the game's own controls, and how the game speaks to them.
#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

// A pressable control as a button: its name is its accessible name, or the label's text.
class PressableAccessible : public QAccessibleWidget {
  public:
    PressableAccessible(QWidget *widget, Pressable *pressable)
        : QAccessibleWidget(widget, QAccessible::Button), m_pressable(pressable) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && m_pressable->describe)
            return m_pressable->describe();
        QString value = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && value.isEmpty())
            if (const auto *label = qobject_cast<const QLabel *>(widget()))
                value = label->text();
        return value;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override {
        if (action == pressAction())
            m_pressable->press();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    Pressable *m_pressable;
};

QAccessibleInterface *pressableFactory(const QString &, QObject *object) {
    auto *widget = qobject_cast<QWidget *>(object);
    auto *pressable = dynamic_cast<Pressable *>(object);
    if (widget && pressable)
        return new PressableAccessible(widget, pressable);
    return nullptr;
}

} // namespace

void installAccessibleControls() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(pressableFactory);
}

void announce(QLabel *status, const QString &text) {
    if (!status)
        return;
    status->setAccessibleName(text);
    QAccessibleEvent alert(status, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
