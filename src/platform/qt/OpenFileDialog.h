#pragma once
// The file chooser for opening, always Qt's own (never the desktop's), so
// that the rules below hold on every desktop.
//
// Qt's chooser returns the files selected in its list in preference to the
// names typed into its name box, and its list cannot select a file that the
// current filter hides: of the names "a.dto" "b.ell" typed while the filter
// shows *.dto files, only a.dto came back. Here the name box decides
// whenever it holds names (clicking files in the list writes their names
// into it).
//
// Qt's own check would refuse the whole choice for one name that is no
// file, in a box that reads the name as markup, and its default suffix
// would go onto a file without an extension that exists. Here the default
// extension goes by withDefaultSuffix, and a chooser of several files
// (ExistingFiles) returns every name chosen or typed, found or not: the
// caller reads each and names the ones it cannot. A chooser of one file
// names a file that is not there in the program's own plain box and stays
// open.

#include <QFileDialog>
#include <QStringList>

namespace veltrane {

class Platform;

class OpenFileDialog : public QFileDialog {
public:
    // boxes: the platform whose box names a file that is not there.
    OpenFileDialog(Platform& boxes, QWidget* parent, const QString& caption, const QString& directory,
                   const QString& filter);

    // Without the point; empty for none.
    void setDefaultExtension(const QString& ext) { ext_ = ext; }
    // What the last accept took, in the order given.
    const QStringList& chosenFiles() const { return chosen_; }

    void accept() override;

private:
    Platform& boxes_;
    QString ext_;
    QStringList chosen_;
};

}  // namespace veltrane
