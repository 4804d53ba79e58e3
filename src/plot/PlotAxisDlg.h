#pragma once
// The dialog in which the user edits one axis of a line plot: limits,
// number format, logarithmic scale, zero line, grid and title. The plot
// fills it from the axis and writes it back on OK (ShowAxisDialog).

#include <QDialog>
#include <string>

#include "plot/plain/Linedef.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TAxis;
class TLinePlot;

namespace veltrane {

// The dialog's fields as texts and flags, apart from any widget.
struct AxisDialogFields {
    std::string from, to, title;
    int format = 0;  // TZahlenFormat
    bool log = false, zero = false, grid = true;
};

// The tick range shown (StartValue, EndValue), not the stored limits.
AxisDialogFields axisDialogFields(const TAxis& axis, char sep);
// "wrong Value" when a limit does not convert, else empty.
std::string checkAxisDialogFields(const AxisDialogFields& f, char sep);
// Writes every field to the axis; the limits must have passed the check.
void applyAxisDialogFields(const AxisDialogFields& f, char sep, TAxis& axis);

}  // namespace veltrane

class TPlotAxisDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPlotAxisDlg(QWidget* parent = nullptr);

    // 1 X axis, 2 Y axis, 3 Y1 axis, 4 Y2 axis; any other keeps the caption.
    int DialogTitle = 1;
    TSprachart Sprache = deutsch;

    QLabel* Lfrom;
    QLineEdit* strfrom;
    QLabel* Lto;
    QLineEdit* strto;
    QLabel* Lformat;
    QComboBox* FormatBox;
    QCheckBox* logCheck;
    QCheckBox* ZeroCheck;
    QCheckBox* GitterCheck;
    QLabel* LTitle;
    QLineEdit* strTitle;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void SetFields(const veltrane::AxisDialogFields& f);
    veltrane::AxisDialogFields Fields() const;

    // Sets the captions from the caption table in the dialog's language.
    void FormShow();

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A limit that does not convert: the message, and the focus stays.
    bool strfromExit(QLineEdit* edit);

    bool checking_ = false;
};

// Fills the dialog from the axis, shows it and on OK writes it back with the
// plot's repainting suspended, so that the plot repaints once. The caption
// follows the axis: X, Y (no right axis), Y1 or Y2. True on OK.
bool ShowAxisDialog(TPlotAxisDlg& dlg, TLinePlot& plot, TAxis& axis);
