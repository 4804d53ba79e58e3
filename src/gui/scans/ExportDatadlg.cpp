#include "gui/scans/ExportDatadlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "controls/DialogButtons.h"
#include "platform/Platform.h"

TExportDatadlg::TExportDatadlg(Document& doc, QWidget* parent) : QDialog(parent), model_(doc)
{
    setObjectName("ExportDatadlg");
    DataBox = new QComboBox(this);
    DataBox->setObjectName("DataBox");
    DataBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    DataBox->setMinimumContentsLength(36);
    FileLabel = new QLabel("File:", this);
    FileLabel->setObjectName("FileLabel");
    Fileedit = new QLineEdit(this);
    Fileedit->setObjectName("Fileedit");
    Fileedit->setReadOnly(true);
    FileLabel->setBuddy(Fileedit);
    opendlgBtn = new QPushButton("...", this);
    opendlgBtn->setObjectName("opendlgBtn");
    opendlgBtn->setToolTip("Save Data");
    opendlgBtn->setAutoDefault(false);
    opendlgBtn->setFixedWidth(opendlgBtn->fontMetrics().horizontalAdvance("...") + 24);

    const DialogButtons buttons = MakeDialogButtons(
        this, {.CancelTakesEnter = false, .HelpKeyword = [this] { return model_.HelpKeyword(); }});
    OkBtn = buttons.Ok;
    CancelBtn = buttons.Cancel;
    HelpBtn = buttons.Help;

    connect(opendlgBtn, &QPushButton::clicked, this, [this] { opendlgBtnClick(); });

    auto* dataLabel = new QLabel("&Data:", this);
    dataLabel->setBuddy(DataBox);
    auto* grid = new QGridLayout;
    grid->addWidget(dataLabel, 0, 0);
    grid->addWidget(DataBox, 0, 1, 1, 2);
    grid->addWidget(FileLabel, 1, 0);
    grid->addWidget(Fileedit, 1, 1);
    grid->addWidget(opendlgBtn, 1, 2);
    grid->setColumnStretch(1, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addSpacing(12);
    outer->addStretch();
    outer->addLayout(buttons.Row);
    setMinimumWidth(460);
    DataBox->setCurrentIndex(0);
}

bool TExportDatadlg::Execute() { return exec() == QDialog::Accepted; }

void TExportDatadlg::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TExportDatadlg::FormShow()
{
    model_.ToFile = ToFile;
    setWindowTitle(QString::fromStdString(model_.Caption()));
    FileLabel->setVisible(ToFile);
    Fileedit->setVisible(ToFile);
    opendlgBtn->setVisible(ToFile);
    OkBtn->setEnabled(!ToFile);
    Fileedit->clear();

    const int remembered = DataBox->currentIndex();
    DataBox->clear();
    for (const std::string& entry : model_.Entries())
        DataBox->addItem(QString::fromStdString(entry));
    DataBox->setCurrentIndex(ExportDataModel::RestoredIndex(remembered, DataBox->count()));
    adjustSize();
}

void TExportDatadlg::opendlgBtnClick()
{
    const std::optional<std::string> name = veltrane::platform().chooseSaveFile(ExportDataModel::FileRequest());
    if (!name || name->empty())
        return;
    Fileedit->setText(QString::fromStdString(*name));
    OkBtn->setEnabled(true);
}

void TExportDatadlg::accept()
{
    // In file mode nothing may export before a file was chosen.
    if (!OkBtn->isEnabled())
        return;
    model_.ToFile = ToFile;
    if (!model_.Export(DataBox->currentIndex(), Fileedit->text().toStdString()))
        return;
    QDialog::accept();
}
