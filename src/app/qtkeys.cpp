#include "qtkeys.h"

#include <Qt>

#include "vkeys.h"

namespace kf {

int virtualKeyFromQt(int k) {
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return 'A' + (k - Qt::Key_A);
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return '0' + (k - Qt::Key_0);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return vkF1 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Escape: return vkEscape;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vkReturn;
    case Qt::Key_Backspace: return vkBack;
    case Qt::Key_Space: return ' ';
    case Qt::Key_Tab: return 9;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    default: return 0;
    }
}

}  // namespace kf
