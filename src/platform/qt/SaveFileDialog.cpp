#include "platform/qt/SaveFileDialog.h"

#include <QLineEdit>

#include "platform/DefaultSuffix.h"

namespace veltrane {

SaveFileDialog::SaveFileDialog(QWidget* parent, const QString& caption, const QString& directory,
                               const QString& filter)
    : QFileDialog(parent, caption, directory, filter)
{
    setOption(QFileDialog::DontUseNativeDialog);
}

void SaveFileDialog::accept()
{
    // The object name is that of Qt's own chooser form.
    auto* nameBox = findChild<QLineEdit*>("fileNameEdit");
    const QStringList files = selectedFiles();
    // A typed name in quotes is Qt's list of several names, which saving
    // never takes; it is left to Qt.
    if (nameBox && files.size() == 1 && !nameBox->text().isEmpty() && !nameBox->text().contains('"')) {
        const std::string name = files.first().toStdString();
        if (withDefaultSuffix(name, ext_.toStdString()) != name)
            nameBox->setText(nameBox->text() + '.' + ext_);
    }
    QFileDialog::accept();
}

}  // namespace veltrane
