#pragma once

#include <QString>

// The document that goes with the main form. The rosters live in the roster collection, so it
// holds nothing but its title, which names the print jobs.
class QuillmereDoc {
public:
    QuillmereDoc();

    const QString& GetTitle() const { return title; }

private:
    QString title;
};
