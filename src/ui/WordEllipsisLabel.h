#pragma once

#include <QLabel>

// A one-line label that, when its text is too long for its width, shows as many whole words as
// fit followed by "...". text() keeps the whole text.
class WordEllipsisLabel : public QLabel {
    Q_OBJECT

public:
    explicit WordEllipsisLabel(const QString& text, QWidget* parent = nullptr);

    // The text as it is drawn at the label's current width.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
