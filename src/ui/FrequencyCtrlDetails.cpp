#include "ui/FrequencyCtrlDetails.h"

#include "recurrence/DetailsPanel.h"

QWidget& FrequencyCtrlDetails::EditorWidget(DetailsPanelParent& parent)
{
    return dynamic_cast<QWidget&>(parent);
}
