#include "session/login_pictures.h"

#include <QLinearGradient>
#include <QPainter>

namespace zur::session {

namespace {

const QColor kTop(18, 70, 110);
const QColor kBottom(40, 130, 150);
const QColor kCaption(235, 245, 250);

void paintBackground(QPainter& painter, const QSize& size) {
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, kTop);
    gradient.setColorAt(1, kBottom);
    painter.fillRect(QRect(QPoint(0, 0), size), gradient);
}

// A caption right-aligned just left of an edit.
void captionBefore(QPainter& painter, const QRect& edit, const QString& text, int top = 0) {
    painter.drawText(QRect(edit.left() - 170, edit.top() - top, 160, edit.height()),
                     Qt::AlignRight | Qt::AlignVCenter, text);
}

// A button's drawn face: a rounded frame with its caption.
void buttonFace(QPainter& painter, const QRect& button, const QString& text) {
    painter.setPen(QPen(kCaption, 1.5));
    painter.drawRoundedRect(QRectF(button).adjusted(1, 1, -1, -1), 6, 6);
    painter.drawText(button, Qt::AlignCenter, text);
}

}  // namespace

QPixmap loginPicture(const QSize& size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBackground(painter, size);
    painter.setPen(kCaption);
    painter.setFont(QFont(QStringLiteral("Arial"), 20, QFont::Bold));
    painter.drawText(QRect(0, 28, size.width(), 40), Qt::AlignCenter,
                     QStringLiteral("ZUR 10 Касса"));
    painter.setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    captionBefore(painter, kLoginEditRect, QStringLiteral("Логин:"));
    captionBefore(painter, kPasswordEditRect, QStringLiteral("Пароль:"));
    buttonFace(painter, kLoginButtonRect, QStringLiteral("Войти"));
    buttonFace(painter, kPanelButtonRect, QStringLiteral("Сменить пароль"));
    buttonFace(painter, kLeaveButtonRect, QStringLiteral("Выход"));
    return picture;
}

QPixmap passwordPanelPicture(const QSize& size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    paintBackground(painter, size);
    painter.setPen(kCaption);
    painter.setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    const int panelTop = kPanelTop;
    captionBefore(painter, kNewPasswordEditRect, QStringLiteral("Новый пароль:"), panelTop);
    captionBefore(painter, kRepeatPasswordEditRect, QStringLiteral("Повторите пароль:"), panelTop);
    return picture;
}

}  // namespace zur::session
