#pragma once
// The field-options dialog: the components shown, the pair of parts, the
// depth scale, the drawn thickness of the two half-spaces, the point count
// and the delay of the automatic calculation.
//
// Use: put a copy of the document's options into EHOptionpara and the
// polarisation type into PolArt, Execute(); on true EHOptionpara holds the
// new options and Recalc tells whether the fields must be computed again
// (a thickness or the point count changed) or only drawn again.

#include <QDialog>
#include <array>

#include "document/Records.h"
#include "gui/fields/plain/EHOptionModel.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class TRIEdit;

class TEHOptiondlg : public QDialog {
    Q_OBJECT
public:
    explicit TEHOptiondlg(QWidget* parent = nullptr);

    bool Execute();

    TEHOptionpara EHOptionpara;
    std::int32_t PolArt = paP;
    bool Recalc = false;

    // By component bit: Ex, Ey, Ez, Hx, Hy, Hz.
    QCheckBox* FieldCheck(int component) const { return checks_[std::size_t(component)]; }
    QCheckBox* FieldCheckEx;
    QCheckBox* FieldCheckHy;
    QCheckBox* FieldCheckEz;
    QCheckBox* FieldCheckHx;
    QCheckBox* FieldCheckEy;
    QCheckBox* FieldCheckHz;
    QButtonGroup* FieldPartGroup;
    QButtonGroup* XAxisGroup;
    TRIEdit* d_1HR;
    TRIEdit* d_nHR;
    TRIEdit* nPktanz;
    QComboBox* TimeBox;
    QPushButton* OkBtn;
    QPushButton* CloseBtn;

    void FormShow();
    EHOptionControls ReadControls() const;

public slots:
    // Takes the controls back, or shows why a value is refused and keeps
    // the dialog open on that edit.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LoadControls();
    std::array<QCheckBox*, 6> checks_{};
};
