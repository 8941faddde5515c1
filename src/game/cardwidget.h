// One card of the board: its back colour while face down, its picture while face up.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <functional>

class CardWidget : public QWidget {
  public:
    explicit CardWidget(QWidget *parent = nullptr);

    void setBackColor(const QColor &color);
    QColor backColor() const { return m_back; }
    void setPicture(const QPixmap &picture);
    void clearPicture();
    bool hasPicture() const { return !m_picture.isNull(); }

    std::function<void()> onClick;

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    QColor m_back;
    QPixmap m_picture;
};
