#pragma once

#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QWidget;

namespace mox {

// The drop-down lists of the key and scan windows and their labels.

// A list named `name` (Combo1_3, ...) holding the entries; Enter moves on from it as Tab does.
QComboBox* MakeList(const QString& name, const std::vector<std::string>& entries, QWidget* parent);
// A label that ends at the right, where its list begins.
QLabel* MakeListLabel(const QString& name, const QString& text, QWidget* parent);

// Selects an entry without reporting it as the user's choice.
void SelectQuietly(QComboBox* list, int index);
// Fills a list with numbers and selects the shown one (0 or a number not listed selects nothing),
// without reporting either.
void ShowNumbers(QComboBox* list, const std::vector<int>& numbers, int shown);
// The number an entry of such a list shows, 0 for no entry.
int ListNumber(const QComboBox* list, int index);

}  // namespace mox
