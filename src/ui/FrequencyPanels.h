#pragma once

// Gives the recurrence kinds their editor panels: every kind made after this call (and every kind
// whose editor had not been opened yet) gets its panel object the first time an editor opens on
// it. The application and the user-interface tests call it once, before any editor opens.
void InstallFrequencyPanels();
