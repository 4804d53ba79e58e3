#include "plot/PlotAxisDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "plot/plain/Axis.h"
#include "plot/Lineplot.h"
#include "plot/PlotDialogButtons.h"
#include "controls/plain/RIEditText.h"
#include "plot/plain/Sprachfeld.h"
#include "platform/CFormat.h"
#include "platform/Platform.h"

namespace veltrane {

AxisDialogFields axisDialogFields(const TAxis& axis, char sep)
{
    AxisDialogFields f;
    f.from = floatToText(axis.StartValue(), sep);
    f.to = floatToText(axis.EndValue(), sep);
    f.title = axis.Title();
    f.format = int(axis.ZahlenFormat());
    f.log = axis.logscale();
    f.zero = axis.Zeroline();
    f.grid = axis.Gitter();
    return f;
}

std::string checkAxisDialogFields(const AxisDialogFields& f, char sep)
{
    double v;
    if (!riedit::textToDouble(f.from, sep, v) || !riedit::textToDouble(f.to, sep, v))
        return "wrong Value";
    return {};
}

void applyAxisDialogFields(const AxisDialogFields& f, char sep, TAxis& axis)
{
    axis.SetminValue(riedit::doubleOf(f.from, sep));
    axis.SetmaxValue(riedit::doubleOf(f.to, sep));
    axis.SetTitle(f.title);
    axis.SetZahlenformat(TZahlenFormat(std::clamp(f.format, 0, 3)));
    axis.Setlogscale(f.log);
    axis.SetZeroline(f.zero);
    axis.SetGitter(f.grid);
}

}  // namespace veltrane

namespace {
// Caption numbers in the plot's caption table.
enum Caption { cCancel = 0, cDialog = 1, cFrom = 5, cTo = 6, cFormat = 7, cTitle = 8, cLog = 9, cZero = 10,
               cGrid = 11, cFormatItems = 14 };

char separator() { return veltrane::platform().decimalSeparator(); }

// The characters a limit edit takes besides the separators.
bool limitCharacter(QChar c)
{
    return (c.isDigit() && c.unicode() < 128) || c == '+' || c == '-' || c == 'E' || c == 'e';
}
}  // namespace

TPlotAxisDlg::TPlotAxisDlg(QWidget* parent) : QDialog(parent)
{
    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        return e;
    };
    Lfrom = new QLabel(this);
    strfrom = edit("strfrom");
    Lto = new QLabel(this);
    strto = edit("strto");
    Lformat = new QLabel(this);
    FormatBox = new QComboBox(this);
    FormatBox->setObjectName("FormatBox");
    for (int i = 0; i < 4; ++i)
        FormatBox->addItem(QString::fromUtf8(SprachText(englisch, cFormatItems + i)));
    logCheck = new QCheckBox(this);
    ZeroCheck = new QCheckBox(this);
    GitterCheck = new QCheckBox(this);
    LTitle = new QLabel(this);
    strTitle = edit("strTitle");
    const DialogButtons buttons = MakePlotDialogButtons(this);
    OKBtn = buttons.Ok;
    CancelBtn = buttons.Cancel;
    // Cancel must stay possible while a limit holds a wrong value.
    CancelBtn->setFocusPolicy(Qt::TabFocus);

    for (QLineEdit* e : {strfrom, strto})
        e->installEventFilter(this);

    auto* grid = new QGridLayout;
    grid->addWidget(Lfrom, 0, 0);
    grid->addWidget(strfrom, 0, 1);
    grid->addWidget(Lto, 1, 0);
    grid->addWidget(strto, 1, 1);
    grid->addWidget(Lformat, 2, 0);
    grid->addWidget(FormatBox, 2, 1);
    grid->addWidget(logCheck, 3, 1);
    grid->addWidget(ZeroCheck, 4, 1);
    grid->addWidget(GitterCheck, 5, 1);
    grid->addWidget(LTitle, 6, 0);
    grid->addWidget(strTitle, 6, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(buttons.Row);
    FormShow();
}

void TPlotAxisDlg::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TPlotAxisDlg::FormShow()
{
    auto text = [this](int i) { return QString::fromUtf8(SprachText(Sprache, i)); };
    if (DialogTitle >= 1 && DialogTitle <= 4)
        setWindowTitle(text(cDialog + DialogTitle - 1));
    Lfrom->setText(text(cFrom));
    Lto->setText(text(cTo));
    Lformat->setText(text(cFormat));
    LTitle->setText(text(cTitle));
    logCheck->setText(text(cLog));
    ZeroCheck->setText(text(cZero));
    GitterCheck->setText(text(cGrid));
    CancelBtn->setText(text(cCancel));
    const int index = FormatBox->currentIndex();
    for (int i = 0; i < 4; ++i)
        FormatBox->setItemText(i, text(cFormatItems + i));
    FormatBox->setCurrentIndex(index);
}

void TPlotAxisDlg::SetFields(const veltrane::AxisDialogFields& f)
{
    strfrom->setText(QString::fromStdString(f.from));
    strto->setText(QString::fromStdString(f.to));
    strTitle->setText(QString::fromStdString(f.title));
    FormatBox->setCurrentIndex(std::clamp(f.format, 0, 3));
    logCheck->setChecked(f.log);
    ZeroCheck->setChecked(f.zero);
    GitterCheck->setChecked(f.grid);
}

veltrane::AxisDialogFields TPlotAxisDlg::Fields() const
{
    veltrane::AxisDialogFields f;
    f.from = strfrom->text().toStdString();
    f.to = strto->text().toStdString();
    f.title = strTitle->text().toStdString();
    f.format = FormatBox->currentIndex();
    f.log = logCheck->isChecked();
    f.zero = ZeroCheck->isChecked();
    f.grid = GitterCheck->isChecked();
    return f;
}

bool TPlotAxisDlg::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString t = key->text();
        if (key->key() == Qt::Key_Backspace || t.size() != 1 || t[0].unicode() < 0x20 ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;
        const QChar c = t[0];
        if (c == ',' || c == '.') {
            edit->insert(QString(QChar(separator())));
            return true;
        }
        return !limitCharacter(c);
    }
    if (event->type() == QEvent::InputMethod) {
        // Characters composed from dead keys pass the same filter.
        auto* im = static_cast<QInputMethodEvent*>(event);
        QString kept;
        for (QChar c : im->commitString()) {
            if (c == ',' || c == '.')
                kept += QChar(separator());
            else if (limitCharacter(c))
                kept += c;
        }
        if (kept != im->commitString())
            im->setCommitString(kept, im->replacementStart(), im->replacementLength());
    }
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Leaving the window (the message box among others) is not leaving the edit.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && isVisible())
            strfromExit(edit);
    }
    return QDialog::eventFilter(watched, event);
}

bool TPlotAxisDlg::strfromExit(QLineEdit* edit)
{
    double v;
    if (checking_ || veltrane::riedit::textToDouble(edit->text().toStdString(), separator(), v))
        return true;
    checking_ = true;
    veltrane::showError("Error", "wrong Value");
    edit->setFocus();
    checking_ = false;
    return false;
}

void TPlotAxisDlg::accept()
{
    // OK from the keyboard skips the focus check: both limits once more.
    checking_ = false;
    for (QLineEdit* e : {strfrom, strto})
        if (!strfromExit(e))
            return;
    QDialog::accept();
}

bool ShowAxisDialog(TPlotAxisDlg& dlg, TLinePlot& plot, TAxis& axis)
{
    const char sep = separator();
    dlg.Sprache = plot.Sprache();
    if (&axis == &plot.XAxis())
        dlg.DialogTitle = 1;
    else if (&axis == &plot.Y1Axis())
        dlg.DialogTitle = plot.isY2Axis() ? 3 : 2;
    else
        dlg.DialogTitle = 4;
    // The fields show the tick range of the current limits: lay the plot out
    // first when it has not been painted since they changed.
    QImage current;
    plot.GetPlotBitmap(current);
    dlg.SetFields(veltrane::axisDialogFields(axis, sep));
    if (dlg.exec() != QDialog::Accepted)
        return false;
    const bool repaint = plot.repaintcomp();
    plot.Setrepaintcomp(false);
    veltrane::applyAxisDialogFields(dlg.Fields(), sep, axis);
    plot.Setrepaintcomp(repaint);
    return true;
}
