#pragma once
// The simulation-parameter dialog: polarisation, wavelength, prism, the X
// scan and the optional Z parameter, Theta and Phi, the comment and the
// table of up to 30 layers, 7 rows at a time.
//
// Use: construct it once with the document; Execute() fills it from
// doc.Simparameter, shows it modally and returns true when OK passed every
// check and wrote doc.Simparameter. The caller then runs the simulation
// and updates its commands; on false nothing was written. The dialog keeps
// its layer-operation numbers across showings; a new document calls
// ResetDialog() (and SetDefaultParameter on the record).
//
// Its logic lives in TSimparamModel; this class binds the widgets to it.

#include <QDialog>
#include <array>

#include "document/Document.h"
#include "gui/simulation/plain/SimparamModel.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTabWidget;
class TEnableRadioGroup;
class TLayerEditdlg;
class TRIEdit;
class TUpDown;

class TSimparamdlg : public QDialog, private TLayerRowView {
    Q_OBJECT
public:
    explicit TSimparamdlg(Document& doc, QWidget* parent = nullptr);

    bool Execute();

    // The record of a new document (the defaults of every field).
    static void SetDefaultParameter(TSimparameter& p);
    // Layer-operation numbers 1 and 2, rows renamed, the Layer page active.
    void ResetDialog();

    TSimparamModel& Model() { return model_; }

    // One visible row of the layer table.
    struct RowControls {
        QLabel* XSchichtNr;
        QCheckBox* Aniso;
        std::array<TRIEdit*, RowColumnCount> Edits;  // Dicke, EpsXR, EpsXI, ... EpsZI
    };

    QTabWidget* SimPageControl;
    // General page
    TEnableRadioGroup* PolArtGroup;
    QGroupBox* AzimutGroup;
    TRIEdit* nAzimut;
    QGroupBox* EllipticGroup;
    TRIEdit* nElliptic;
    TEnableRadioGroup* CircularGroup;
    TRIEdit* nWellenlange;
    QComboBox* PrismartBox;
    QCheckBox* PrismreflekCheck;
    QLabel* PrismawinkelLabel;
    TRIEdit* nPrismawinkel;
    QGroupBox* PhiGroupBox;
    TRIEdit* nPhiangle;
    QLineEdit* CommentEdit;
    // Axis page
    QComboBox* XAxisBox;
    TRIEdit* nX_von;
    TRIEdit* nX_bis;
    TRIEdit* nXPktanz;
    QLabel* XLayerLabel;
    TRIEdit* nXLayerNr;
    TUpDown* XUpDown;
    QComboBox* ZAxisBox;
    QLabel* ZvonLabel;
    TRIEdit* nZ_von;
    QLabel* ZbisLabel;
    TRIEdit* nZ_bis;
    QLabel* ZColstepLabel;
    TRIEdit* nZColstep;
    QLabel* ZLayerLabel;
    TRIEdit* nZLayerNr;
    TUpDown* ZUpDown;
    QGroupBox* ThetaGroup;
    TRIEdit* nTheta;
    // Layer page
    TEnableRadioGroup* EpsGroup;
    std::array<QLabel*, 3> Panel_Eps;   // Panel_EpsX, Panel_EpsY, Panel_EpsZ
    std::array<QLabel*, 3> Panel_EpsR;  // Panel_EpsR1 .. 3
    std::array<QLabel*, 3> Panel_EpsI;  // Panel_EpsI1 .. 3
    std::array<RowControls, SimparLayerRows> Rows;
    QScrollBar* LayerScrollBar;
    // Buttons
    QPushButton* InsertBtn;
    QPushButton* DeleteBtn;
    QPushButton* ExchangeBtn;
    QPushButton* CopyBtn;
    QPushButton* MoveBtn;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;
    TLayerEditdlg* LayerEditdlg;

    // Fills every control from the record and shows the first rows.
    void FormShow();

public slots:
    // OK: store the rows, check, and write the record or show the message.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildGeneralPage(QWidget* page);
    void buildAxisPage(QWidget* page);
    void buildLayerPage(QWidget* page);
    void buildButtons();

    // Between the model's form and the controls outside the layer table.
    void WriteForm();
    void ReadForm();
    // After a refusal: the page of the input it is about, scrolled to its
    // layer, with the focus in it.
    void ShowInput(const SimparamRefusal& refusal);

    TSchichtparameter ReadRow(int j) const override;
    void ShowRow(int j, int layer, const TSchichtparameter& row) override;

    bool RunLayerEdit(int code, int& a, int& b);
    void LayerButtonClick(int code);
    void LayerScrollBarScroll(int position);
    void AnisoClick(int j);
    void SimPageControlChange();
    void PolArtGroupClick();
    void PrismartBoxChange();
    void EpsGroupClick();
    void XAxisBoxChange();
    void ZAxisBoxChange();
    SimparamVisibility applyVisibility();

    Document& doc_;
    TSimparamModel model_;
};
