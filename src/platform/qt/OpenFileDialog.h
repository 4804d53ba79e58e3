#pragma once
// The file chooser for opening. Qt's own chooser returns the files selected
// in its list in preference to the names typed into its name box, and its
// list cannot select a file that the current filter hides: of the names
// "a.dto" "b.ell" typed while the filter shows *.dto files, only a.dto came
// back, and b.ell was dropped without a word. Here the name box decides
// whenever it holds names (clicking files in the list writes their names
// into it), so every typed name comes back or is refused by the chooser's
// own "File not found" check. A native chooser has no such box and is left
// as it is.

#include <QFileDialog>

namespace veltrane {

class OpenFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override;
};

}  // namespace veltrane
