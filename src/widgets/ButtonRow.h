#pragma once

#include <initializer_list>

class QHBoxLayout;
class QWidget;

namespace mox {

// The row of buttons at the foot of a dialog: pushed to the right edge, in the order given.
QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons);

}  // namespace mox
