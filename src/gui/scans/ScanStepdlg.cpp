#include "gui/scans/ScanStepdlg.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>

#include "platform/Platform.h"
#include "platform/qt/PlainText.h"

namespace {

QString stepCaption(int steps) { return (steps > 0 ? "+" : "-") + QString::number(std::abs(steps)); }

// The button a key presses (Page Up, Home, Insert, Page Down, End, Delete
// in button order); -1 for any other key.
int buttonForKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp: return 0;
    case Qt::Key_Home: return 1;
    case Qt::Key_Insert: return 2;
    case Qt::Key_PageDown: return 3;
    case Qt::Key_End: return 4;
    case Qt::Key_Delete: return 5;
    default: return -1;
    }
}

}  // namespace

TScanStepdlg::TScanStepdlg(Document& doc, TScanFactor which, const std::array<const char*, 6>& hints,
                           QWidget* parent)
    : QDialog(parent), model_(doc, which)
{
    ScanfileBox = new QComboBox(this);
    ScanfileBox->setObjectName("ScanfileBox");
    ScanfileBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ScanfileBox->setMinimumContentsLength(30);
    FaktorLabel = new QLabel("Faktor: ", this);
    FaktorBar = new QLabel(this);
    FaktorBar->setObjectName("FaktorBar");
    FaktorBar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    FaktorBar->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FaktorLabel->setBuddy(FaktorBar);

    BtnGroup = new QGroupBox(this);
    BtnGroup->setObjectName("BtnGroup");
    auto* grid = new QGridLayout(BtnGroup);
    for (int b = 0; b < ScanStepModel::ButtonCount; ++b) {
        auto* button = new QPushButton(stepCaption(model_.ButtonSteps(b)), BtnGroup);
        button->setToolTip(hints[std::size_t(b)]);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
        StepButtons[std::size_t(b)] = button;
        connect(button, &QPushButton::clicked, this, [this, b] { ApplyStep(b); });
    }
    // Scale: up above down. Shift: one row from far left to far right.
    std::array<int, ScanStepModel::ButtonCount> order{};
    if (which == TScanFactor::Scale) {
        order = {0, 1, 2, 3, 4, 5};
        for (int b = 0; b < ScanStepModel::ButtonCount; ++b)
            grid->addWidget(StepButtons[std::size_t(b)], b / 3, b % 3);
    } else {
        order = {2, 1, 0, 3, 4, 5};
        for (int pos = 0; pos < ScanStepModel::ButtonCount; ++pos)
            grid->addWidget(StepButtons[std::size_t(order[std::size_t(pos)])], 0, pos);
    }

    ResetButton = new QPushButton("Reset", this);
    ResetButton->setObjectName("ResetButton");
    OptionButton = new QPushButton("Option", this);
    OptionButton->setObjectName("OptionButton");
    CloseBtn = new QPushButton("&Close", this);
    CloseBtn->setObjectName("CloseBtn");
    for (QPushButton* b : {ResetButton, OptionButton, CloseBtn})
        b->setAutoDefault(false);
    Label2 = new QLabel("Attention: This function changes your scandata !", this);
    Label2->setObjectName("Label2");
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);

    connect(ScanfileBox, &QComboBox::currentIndexChanged, this, [this] { ScanfileBoxClick(); });
    connect(ResetButton, &QPushButton::clicked, this, [this] { ResetButtonClick(); });
    connect(OptionButton, &QPushButton::clicked, this, [this] { OptionButtonClick(); });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* factor = new QHBoxLayout;
    factor->addWidget(FaktorLabel);
    factor->addWidget(FaktorBar, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ResetButton);
    buttons->addWidget(OptionButton);
    buttons->addStretch();
    buttons->addWidget(CloseBtn);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(ScanfileBox);
    outer->addLayout(factor);
    outer->addWidget(BtnGroup);
    outer->addLayout(buttons);
    outer->addWidget(Label2);
    outer->addWidget(StatusBar1);
    outer->setContentsMargins(9, 9, 9, 0);
    // Wide enough for a scan's name and most of its path; the status bar's
    // hint gives the whole path.
    setMinimumWidth(440);

    QWidget* previous = ScanfileBox;
    for (int b : order) {
        setTabOrder(previous, StepButtons[std::size_t(b)]);
        previous = StepButtons[std::size_t(b)];
    }
    setTabOrder(previous, ResetButton);
    setTabOrder(ResetButton, OptionButton);
    setTabOrder(OptionButton, CloseBtn);

    // The dialog sees every key before its controls: a drop-down list would
    // take Page Up, Page Down, Home and End for itself.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

bool TScanStepdlg::Execute() { return exec() == QDialog::Accepted; }

void TScanStepdlg::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TScanStepdlg::FormShow()
{
    const int index = model_.ShowIndex();
    {
        const QSignalBlocker block(ScanfileBox);
        ScanfileBox->clear();
        for (const std::string& name : model_.Names())
            ScanfileBox->addItem(QString::fromStdString(name));
        ScanfileBox->setCurrentIndex(index);
    }
    ScanfileBoxClick();
}

void TScanStepdlg::ScanfileBoxClick()
{
    model_.Select(ScanfileBox->currentIndex());
    const TScanColrec* scan = model_.SelectedScan();
    const QString path = scan ? QString::fromStdString(scan->Path) : QString();
    StatusBar1->showMessage(path);
    StatusBar1->setToolTip(veltrane::plainToolTip(path));
    ScanfileBox->setToolTip(scan ? veltrane::plainToolTip(QString::fromStdString(scan->Name)) : QString());
    UpdateFactorBar();
}

void TScanStepdlg::UpdateFactorBar()
{
    const bool on = model_.HasSelection();
    ResetButton->setEnabled(on);
    BtnGroup->setEnabled(on);
    FaktorBar->setText(QString::fromStdString(model_.FactorText(veltrane::platform().decimalSeparator())));
}

void TScanStepdlg::Changed()
{
    UpdateFactorBar();
    if (OnScansChanged)
        OnScansChanged();
}

void TScanStepdlg::ApplyStep(int button)
{
    if (model_.ApplyStep(model_.ButtonSteps(button)))
        Changed();
}

void TScanStepdlg::ResetButtonClick()
{
    if (model_.Reset())
        Changed();
}

void TScanStepdlg::OptionButtonClick()
{
    if (OnOptions)
        OnOptions();
}

bool TScanStepdlg::FormKeyDown(const QKeyEvent& key)
{
    const int button = buttonForKey(key.key());
    // A disabled button is not pressed by its key either.
    if (button >= 0 && StepButtons[std::size_t(button)]->isEnabled() && BtnGroup->isEnabled())
        StepButtons[std::size_t(button)]->click();
    UpdateFactorBar();
    return button >= 0;
}

bool TScanStepdlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isVisible())
        return FormKeyDown(static_cast<const QKeyEvent&>(*event));
    return QDialog::eventFilter(watched, event);
}

TScanScaledlg::TScanScaledlg(Document& doc, QWidget* parent)
    : TScanStepdlg(doc, TScanFactor::Scale,
                   {"+1 Step", "+10 Steps", "+100 Steps", "-1 Step", "-10 Steps", "-100 Steps"}, parent)
{
    setObjectName("ScanScaledlg");
    setWindowTitle("Scale Scanfile");
    const char* names[] = {"Button1up", "Button2up", "Button3up", "Button1down", "Button2down", "Button3down"};
    for (int b = 0; b < ScanStepModel::ButtonCount; ++b)
        StepButtons[std::size_t(b)]->setObjectName(names[b]);
    Button1up = StepButtons[0];
    Button2up = StepButtons[1];
    Button3up = StepButtons[2];
    Button1down = StepButtons[3];
    Button2down = StepButtons[4];
    Button3down = StepButtons[5];
}

TScanShiftdlg::TScanShiftdlg(Document& doc, QWidget* parent)
    : TScanStepdlg(doc, TScanFactor::Shift,
                   {"-1 Step", "-10 Step", "-100 Steps", "+1 Step", "+10 Steps", "+100 Steps"}, parent)
{
    setObjectName("ScanShiftdlg");
    setWindowTitle("Shift Scanfile");
    const char* names[] = {"Button1left", "Button2left", "Button3left", "Button1right", "Button2right", "Button3right"};
    for (int b = 0; b < ScanStepModel::ButtonCount; ++b)
        StepButtons[std::size_t(b)]->setObjectName(names[b]);
    Button1left = StepButtons[0];
    Button2left = StepButtons[1];
    Button3left = StepButtons[2];
    Button1right = StepButtons[3];
    Button2right = StepButtons[4];
    Button3right = StepButtons[5];
}
