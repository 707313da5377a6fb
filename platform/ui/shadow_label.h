#pragma once

#include <QColor>
#include <QLabel>

namespace zur::ui {

// A label whose text carries a drop shadow (the login window's message line).
class ShadowLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ShadowLabel(QWidget* parent = nullptr);
    void setShadowColor(const QColor& color) { shadow_ = color; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor shadow_ = Qt::green;
};

}  // namespace zur::ui
