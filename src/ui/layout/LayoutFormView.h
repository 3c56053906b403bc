#pragma once

#include "ui/layout/LayoutMgr.h"

#include <QWidget>

// The main window's form: a widget filling the frame's client area and laid out by its pane
// tree. Its minimum and maximum size follow from the tree, so that the frame around it cannot be
// made smaller than the form allows.
class LayoutFormView : public QWidget, public LayoutMgr {
    Q_OBJECT

public:
    // formId: the identifier of the form's template, which the view carries as its own.
    explicit LayoutFormView(int formId, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // A child of its frame, but the frame's layout honours the view's limits.
    bool LimitsWindowSize() const override;
};
