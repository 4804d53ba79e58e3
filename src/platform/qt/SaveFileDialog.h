#pragma once
// The file chooser for saving, always Qt's own (never the desktop's), so
// that the default extension goes by withDefaultSuffix on every desktop:
// Qt's own default suffix would turn a typed /dev/full into a new file
// /dev/full.dat. The name that gets the extension is put back into the
// name box before Qt's accept, so that Qt asks before overwriting the file
// of that name, as it did.

#include <QFileDialog>

namespace veltrane {

class SaveFileDialog : public QFileDialog {
public:
    SaveFileDialog(QWidget* parent, const QString& caption, const QString& directory, const QString& filter);

    // Without the point; empty for none.
    void setDefaultExtension(const QString& ext) { ext_ = ext; }

    void accept() override;

private:
    QString ext_;
};

}  // namespace veltrane
