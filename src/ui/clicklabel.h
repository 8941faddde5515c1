// A label that answers a click, like the game's link and toggle labels.
#pragma once

#include <QLabel>
#include <QMouseEvent>
#include <functional>

class ClickLabel : public QLabel {
  public:
    using QLabel::QLabel;
    std::function<void()> onClick;

  protected:
    void mouseReleaseEvent(QMouseEvent *event) override {
        // A click counts when the button is let go over the label, as with push buttons.
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
            onClick)
            onClick();
        QLabel::mouseReleaseEvent(event);
    }
};
