#pragma once

#include "recurrence/Vocabulary.h"

#include <cstdint>

class QComboBox;

// The items of the panels' drop-down lists.

// Combo boxes that list numbers from 1 ("1", "2", ...): the item index is the number minus one.
void FillNumbers(QComboBox& combo, int last);
// Selects the number. A number the list does not offer (a value from a file) is added at its end,
// so the list always shows what the rule holds.
void SelectNumber(QComboBox& combo, int number);
// The selected number; value is left alone when nothing is selected.
void ReadNumber(const QComboBox& combo, std::int32_t& value);

// Vocabulary combo boxes hold the display texts of a table in table order, each item carrying its
// row's value. Selecting fills an empty box from its table first.
void SelectValue(QComboBox& combo, VocabularyTable table, std::int32_t value);
// The value of the selected item when it is one of the table's; value is left alone otherwise.
void ReadValue(const QComboBox& combo, VocabularyTable table, std::int32_t& value);
