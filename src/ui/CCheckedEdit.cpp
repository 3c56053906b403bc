#include "ui/CCheckedEdit.h"

#include "ui/CBalloonMsgWnd.h"
#include "ui/ControlIds.h"
#include "ui/resources/UiResources.h"

#include <QFocusEvent>

#include <boost/lexical_cast.hpp>

#include <cmath>
#include <string>

CCheckedEdit::CCheckedEdit(QWidget* parent)
    : QLineEdit(parent)
    , balloonIcon(ResourceIcon(BalloonResourceId::kInvalidValueIcon))
{
    connect(this, &QLineEdit::textChanged, this, &CCheckedEdit::OnTextChanged);
}

void CCheckedEdit::SetMinimum(double value)
{
    minimum = value;
    hasMinimum = true;
}

void CCheckedEdit::SetMaximum(double value)
{
    maximum = value;
    hasMaximum = true;
}

bool CCheckedEdit::IsValid() const
{
    // The whole text must be one number: no blanks around it and nothing after it.
    const std::string number = text().toLocal8Bit().toStdString();
    double value = 0;
    if (!boost::conversion::try_lexical_convert(number, value))
        return false;
    long long whole = 0;
    if (wholeNumbers && !boost::conversion::try_lexical_convert(number, whole))
        return false;
    // The conversion also reads "nan" and "inf", which no field here can mean.
    if (!std::isfinite(value))
        return false;
    if (hasMinimum && value < minimum)
        return false;
    if (hasMaximum && value > maximum)
        return false;
    return true;
}

QString CCheckedEdit::BalloonText() const
{
    if (!hasMinimum || !hasMaximum)
        return {};
    const int decimals = wholeNumbers ? 0 : 1;
    return ResourceString(BalloonResourceId::kRangeMessage)
        .arg(QString::number(minimum, 'f', decimals), QString::number(maximum, 'f', decimals));
}

void CCheckedEdit::OnTextChanged()
{
    isValid = IsValid();
    CloseBalloons();
    if (isValid)
        lastValidText = text();
    else
        balloonWindows.emplace_back(ShowBalloon(
            this, this, ResourceString(BalloonResourceId::kInvalidValueTitle), BalloonText(), balloonIcon));
}

void CCheckedEdit::CloseBalloons()
{
    for (const QPointer<CBalloonMsgWnd>& balloon : balloonWindows) {
        if (balloon)
            balloon->close();
    }
    balloonWindows.clear();
}

void CCheckedEdit::focusInEvent(QFocusEvent* event)
{
    // A pop-up such as the context menu lends the focus only for a moment: the field is still
    // being edited and keeps its state.
    if (event->reason() != Qt::PopupFocusReason) {
        lastValidText = text();
        isValid = IsValid();
    }
    QLineEdit::focusInEvent(event);
}

void CCheckedEdit::focusOutEvent(QFocusEvent* event)
{
    if (!isValid && event->reason() != Qt::PopupFocusReason) {
        // Setting the same text again changes nothing, so the balloons are closed here as well.
        CloseBalloons();
        setText(lastValidText);
        isValid = true;
    }
    QLineEdit::focusOutEvent(event);
}
