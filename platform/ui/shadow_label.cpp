#include "platform/ui/shadow_label.h"

#include <QPainter>

namespace zur::ui {

ShadowLabel::ShadowLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
}

void ShadowLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const int flags = int(alignment()) | Qt::TextWordWrap;
    const QRect area = contentsRect();
    painter.setPen(shadow_);
    painter.drawText(area.translated(2, 2), flags, text());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, flags, text());
}

}  // namespace zur::ui
