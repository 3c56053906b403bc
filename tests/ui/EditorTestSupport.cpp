#include "EditorTestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTest>

void ClickIndicator(QAbstractButton& button)
{
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button.height() / 2));
}

void ChooseItem(QComboBox& combo, const QString& text)
{
    combo.setFocus();
    QTest::keyClick(&combo, Qt::Key_Home);
    for (int step = 0; step < combo.count() && combo.currentText() != text; ++step)
        QTest::keyClick(&combo, Qt::Key_Down);
}

QString SavePicture(QWidget& window, const QString& name)
{
    const QString path = QStringLiteral(BRINDLEWICK_PICTURE_DIR "/") + name + QStringLiteral(".png");
    window.grab().save(path);
    return path;
}
