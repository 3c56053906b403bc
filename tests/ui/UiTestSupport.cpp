#include "UiTestSupport.h"

#include "ui/CBalloonMsgWnd.h"

#include <QApplication>
#include <QTest>

bool ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

std::vector<CBalloonMsgWnd*> VisibleBalloons()
{
    std::vector<CBalloonMsgWnd*> balloons;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* balloon = qobject_cast<CBalloonMsgWnd*>(window);
        if (balloon && balloon->isVisible())
            balloons.push_back(balloon);
    }
    return balloons;
}
