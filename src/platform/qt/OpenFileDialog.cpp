#include "platform/qt/OpenFileDialog.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QLineEdit>

namespace veltrane {

void OpenFileDialog::accept()
{
    // The object names are those of Qt's own chooser form.
    const auto* nameBox = findChild<QLineEdit*>("fileNameEdit");
    auto* list = findChild<QAbstractItemView*>("listView");
    QItemSelectionModel* selection = list ? list->selectionModel() : nullptr;
    if (nameBox && selection && !nameBox->text().trimmed().isEmpty()) {
        // A selected folder is entered, as the chooser does; the name box
        // may still hold what was typed before.
        bool folder = false;
        for (const QModelIndex& row : selection->selectedRows())
            folder = folder || QFileInfo(row.data(QFileSystemModel::FilePathRole).toString()).isDir();
        if (!folder)
            selection->clearSelection();
    }
    QFileDialog::accept();
}

}  // namespace veltrane
