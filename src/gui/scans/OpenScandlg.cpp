#include "gui/scans/OpenScandlg.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>

#include "gui/common/plain/ScanLineInfo.h"
#include "platform/Platform.h"
#include "platform/qt/PlainText.h"

TOpenScandlg::TOpenScandlg(Document& doc, QWidget* parent) : QDialog(parent), doc_(doc), model_(doc.ScanColList)
{
    setObjectName("OpenScandlg");
    setWindowTitle("Open Scanfiles");

    LoadList = new QListWidget(this);
    LoadList->setObjectName("LoadList");
    LoadList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LoadBtn = new QPushButton("Load", this);
    LoadBtn->setObjectName("LoadBtn");
    RemoveButton = new QPushButton("Remove", this);
    RemoveButton->setObjectName("RemoveButton");
    CancelBtn = new QPushButton("Close", this);
    CancelBtn->setObjectName("CancelBtn");
    HelpBtn = new QPushButton("&Help", this);
    HelpBtn->setObjectName("HelpBtn");
    for (QPushButton* b : {LoadBtn, RemoveButton, HelpBtn})
        b->setAutoDefault(false);
    CancelBtn->setDefault(true);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);

    connect(LoadBtn, &QPushButton::clicked, this, [this] { LoadBtnClick(); });
    connect(RemoveButton, &QPushButton::clicked, this, [this] { RemoveButtonClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [] { veltrane::platform().showHelp("PAGE_SCAN_LOAD"); });
    connect(LoadList, &QListWidget::itemSelectionChanged, this, [this] { LoadListClick(); });
    connect(LoadList, &QListWidget::currentRowChanged, this, [this] { LoadListClick(); });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(LoadBtn);
    buttons->addWidget(RemoveButton);
    buttons->addStretch();
    buttons->addWidget(CancelBtn);
    buttons->addWidget(HelpBtn);
    auto* body = new QHBoxLayout;
    body->addWidget(LoadList, 1);
    body->addLayout(buttons);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(body);
    outer->addWidget(StatusBar1);
    outer->setContentsMargins(9, 9, 9, 0);
    resize(460, 280);
}

bool TOpenScandlg::Execute() { return exec() == QDialog::Accepted; }

void TOpenScandlg::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TOpenScandlg::FormShow()
{
    FillList();
    Deselect();
    LoadListClick();
}

void TOpenScandlg::FillList()
{
    LoadList->clear();
    for (const std::string& name : model_.Names())
        LoadList->addItem(QString::fromStdString(name));
}

void TOpenScandlg::Deselect()
{
    LoadList->clearSelection();
    LoadList->setCurrentRow(-1);
}

void TOpenScandlg::Changed()
{
    if (OnScansChanged)
        OnScansChanged();
}

void TOpenScandlg::LoadBtnClick()
{
    const std::vector<std::string> files = veltrane::platform().chooseOpenFiles(OpenScanModel::FileRequest());
    if (files.empty())
        return;
    const int added = model_.Load(files);
    FillList();
    Deselect();
    LoadListClick();
    if (added > 0)
        Changed();
}

void TOpenScandlg::LoadListClick()
{
    const int row = LoadList->currentRow();
    const ScanLineInfo info = ScanInfo(doc_.ScanColList, row);
    const bool valid = row >= 0 && row < LoadList->count();
    StatusBar1->showMessage(valid ? QString::fromStdString(info.Name) : QString());
    LoadList->setToolTip(valid ? veltrane::plainToolTip(QString::fromStdString(info.Path)) : QString());
    RemoveButton->setEnabled(!LoadList->selectedItems().isEmpty());
}

void TOpenScandlg::RemoveButtonClick()
{
    std::vector<int> rows;
    for (const QModelIndex& index : LoadList->selectionModel()->selectedRows())
        rows.push_back(index.row());
    const int removed = model_.Remove(rows);
    FillList();
    if (removed > 0)
        Changed();
    Deselect();
    LoadListClick();
}
