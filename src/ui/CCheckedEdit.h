#pragma once

#include <QIcon>
#include <QLineEdit>
#include <QPointer>

#include <vector>

class CBalloonMsgWnd;

// A one-line field that accepts only a number, optionally within inclusive bounds. While its text
// is not acceptable a balloon pointing at the field says so; when the field loses the focus with
// such a text, the last acceptable text comes back.
class CCheckedEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CCheckedEdit(QWidget* parent = nullptr);

    void SetMinimum(double value);
    void SetMaximum(double value);
    // A field for a count takes whole numbers only: "2.5" or "3e1" is refused like any bad text.
    void SetWholeNumbers(bool on) { wholeNumbers = on; }

    // Whether the current text is one number within the bounds that are set.
    bool IsValid() const;
    // What the balloon says: the range, when both bounds are set; empty otherwise.
    QString BalloonText() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void OnTextChanged();
    void CloseBalloons();

    // Balloons this field opened and has not closed yet; a balloon that ended by itself is null.
    std::vector<QPointer<CBalloonMsgWnd>> balloonWindows;
    bool isValid = false;
    QString lastValidText;
    double minimum = 0;
    double maximum = 0;
    bool hasMinimum = false;
    bool hasMaximum = false;
    bool wholeNumbers = false;
    QIcon balloonIcon;
};
