#include "platform/qt/OpenFileDialog.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QLineEdit>

#include "platform/DefaultSuffix.h"
#include "platform/Platform.h"

namespace veltrane {

OpenFileDialog::OpenFileDialog(Platform& boxes, QWidget* parent, const QString& caption,
                               const QString& directory, const QString& filter)
    : QFileDialog(parent, caption, directory, filter), boxes_(boxes)
{
    // The name box and the list below exist only in Qt's own chooser.
    setOption(QFileDialog::DontUseNativeDialog);
}

void OpenFileDialog::accept()
{
    // The object names are those of Qt's own chooser form.
    auto* nameBox = findChild<QLineEdit*>("fileNameEdit");
    auto* list = findChild<QAbstractItemView*>("listView");
    QItemSelectionModel* selection = list ? list->selectionModel() : nullptr;
    if (nameBox && selection && !nameBox->text().trimmed().isEmpty()) {
        // A selected folder is entered, as the chooser does; the name box
        // may still hold what was typed before. The folder shown is no
        // folder to enter: the chooser selects it itself when its name box
        // is emptied without the focus.
        const QString shown = directory().absolutePath();
        bool folder = false;
        for (const QModelIndex& row : selection->selectedRows()) {
            const QFileInfo info(row.data(QFileSystemModel::FilePathRole).toString());
            folder = folder || (info.isDir() && info.absoluteFilePath() != shown);
        }
        if (!folder)
            selection->clearSelection();
    }
    QStringList files;
    for (const QString& f : selectedFiles())
        files << QString::fromStdString(withDefaultSuffix(f.toStdString(), ext_.toStdString()));
    if (files.isEmpty())
        return;
    for (const QString& f : files) {
        if (QFileInfo(f).isDir()) {
            setDirectory(f);
            if (nameBox)
                nameBox->clear();
            return;
        }
    }
    if (fileMode() != QFileDialog::ExistingFiles) {
        for (const QString& f : files) {
            if (!QFileInfo::exists(f)) {
                boxes_.message({BoxKind::Warning, windowTitle().toStdString(),
                                QFileInfo(f).fileName().toStdString() +
                                    "\nFile not found.\nPlease verify the correct file name was given.",
                                BoxButtons::Ok, BoxIcon::Warning});
                return;
            }
        }
    }
    chosen_ = files;
    // Qt's accept would check the names again, without the extension.
    QDialog::accept();
}

}  // namespace veltrane
