#pragma once
// Shows the help window for the window it was asked from. A modal dialog
// blocks input to every window but its own, so help asked for from a
// dialog belongs to that dialog (as a transient, so that it outlives it),
// stands beside it without covering its buttons, and passes to the window
// then in front when the dialog closes.

class QWidget;

namespace veltrane {

void PresentHelpWindow(QWidget& help);

}  // namespace veltrane
