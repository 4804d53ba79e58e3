#include "gui/simulation/ShowPlotdlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "controls/DialogButtons.h"
#include "gui/common/plain/ScanLineInfo.h"
#include "platform/qt/PlainText.h"

TShowPlotdlg::TShowPlotdlg(Document& doc, QWidget* parent) : QDialog(parent), ScanList(&doc.ScanColList)
{
    setObjectName("ShowPlotdlg");
    setWindowTitle("Show");
    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl1");

    auto* simulation = new QWidget;
    auto* groups = new QHBoxLayout(simulation);
    const struct { const char* title; int first, count; } groupDefs[] = {
        {"Reflektion", 0, 3}, {"Transmission", 3, 3}, {"Ellipsometrie", 6, 2}};
    for (const auto& def : groupDefs) {
        auto* g = new QGroupBox(def.title, simulation);
        auto* box = new QVBoxLayout(g);
        for (int k = def.first; k < def.first + def.count; ++k) {
            // The Psi box has always been captioned "Phi"; the users know it so.
            auto* c = new QCheckBox(k == ckPsi ? "Phi" : CurveKindName(k), g);
            c->setObjectName("CheckBox" + QString::number(k + 1));
            CheckBoxes[std::size_t(k)] = c;
            box->addWidget(c);
        }
        box->addStretch();
        groups->addWidget(g);
    }

    auto* scan = new QWidget;
    ScanLabel = new QLabel("Show Scanfiles:", scan);
    CheckListBox = new QListWidget(scan);
    CheckListBox->setObjectName("CheckListBox");
    ScanLabel->setBuddy(CheckListBox);
    StatusBar1 = new QStatusBar(scan);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    auto* scanBox = new QVBoxLayout(scan);
    scanBox->addWidget(ScanLabel);
    scanBox->addWidget(CheckListBox);
    scanBox->addWidget(StatusBar1);

    PageControl->addTab(simulation, "Simulation");
    PageControl->addTab(scan, "Scan");

    const DialogButtons buttons = MakeDialogButtons(this, {.HelpKeyword = HelpPage("PAGE_OPTION_PLOTSHOW")});
    OkBtn = buttons.Ok;
    CancelBtn = buttons.Cancel;
    HelpBtn = buttons.Help;
    connect(CheckListBox, &QListWidget::currentRowChanged, this, [this] { CheckListBoxClick(); });
    connect(CheckListBox, &QListWidget::itemClicked, this, [this] { CheckListBoxClick(); });

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(PageControl);
    outer->addLayout(buttons.Row);
    resize(480, 260);
}

bool TShowPlotdlg::Execute() { return exec() == QDialog::Accepted; }

void TShowPlotdlg::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TShowPlotdlg::FormShow()
{
    model_.Load(Curves, *ScanList);
    for (int k = 0; k < 8; ++k)
        CheckBoxes[std::size_t(k)]->setChecked(Curves.Contains(k));
    CheckListBox->clear();
    for (std::size_t k = 0; k < ScanList->size(); ++k) {
        auto* item = new QListWidgetItem(QString::fromStdString((*ScanList)[k].Name), CheckListBox);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(model_.ScanVisible[k] ? Qt::Checked : Qt::Unchecked);
    }
    CheckListBoxClick();
}

void TShowPlotdlg::CheckListBoxClick()
{
    const QListWidgetItem* current = CheckListBox->currentItem();
    const int row = current && current->isSelected() ? CheckListBox->row(current) : -1;
    const ScanLineInfo info = ScanInfo(*ScanList, row);
    StatusBar1->showMessage(QString::fromStdString(info.Path));
    StatusBar1->setToolTip(veltrane::plainToolTip(QString::fromStdString(info.Path)));
    CheckListBox->setToolTip(veltrane::plainToolTip(QString::fromStdString(info.Name)));
}

void TShowPlotdlg::accept()
{
    model_.Curves.Clear();
    for (int k = 0; k < 8; ++k)
        if (CheckBoxes[std::size_t(k)]->isChecked())
            model_.Curves.Include(k);
    for (int k = 0; k < CheckListBox->count() && std::size_t(k) < model_.ScanVisible.size(); ++k)
        model_.ScanVisible[std::size_t(k)] = CheckListBox->item(k)->checkState() == Qt::Checked;
    model_.Apply(*ScanList);
    Curves = model_.Curves;
    QDialog::accept();
}
