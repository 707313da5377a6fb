#pragma once
// The pictures of the login window: the captions of its buttons and edits are drawn in them, and
// the controls lie over the drawn places.

#include <QPixmap>
#include <QRect>

namespace zur::session {

inline constexpr int kPanelTop = 275;  // the password panel starts below the login picture
inline constexpr QRect kVersionRect{8, 6, 300, 14};
inline constexpr QRect kLoginEditRect{190, 92, 200, 22};
inline constexpr QRect kPasswordEditRect{190, 126, 200, 22};
inline constexpr QRect kMessageRect{20, 158, 457, 52};
inline constexpr QRect kLoginButtonRect{40, 222, 120, 32};
inline constexpr QRect kPanelButtonRect{180, 222, 150, 32};
inline constexpr QRect kLeaveButtonRect{350, 222, 110, 32};
inline constexpr QRect kNewPasswordEditRect{190, 300, 200, 22};
inline constexpr QRect kRepeatPasswordEditRect{190, 340, 200, 22};

QPixmap loginPicture(const QSize& size);
// The panel's picture; its coordinates start at the panel's top (the login picture's bottom).
QPixmap passwordPanelPicture(const QSize& size);

}  // namespace zur::session
