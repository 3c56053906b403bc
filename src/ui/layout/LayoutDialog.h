#pragma once

#include "ui/layout/LayoutMgr.h"

#include <QDialog>

// A dialog, top-level or a panel inside another window, that lays its controls out with its own
// pane tree. As a top-level window it is resizable (as Qt's dialogs are) within the tree's limits
// and shows the application's icon. A panel is made with the Qt::Widget flag, so that it is a
// child control of its host rather than a window of its own.
class LayoutDialog : public QDialog, public LayoutMgr {
    Q_OBJECT

public:
    explicit LayoutDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

protected:
    void resizeEvent(QResizeEvent* event) override;
};
