// The three pages of the parameter dialog and its buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "controls/DialogButtons.h"
#include "controls/EnableRadioGroup.h"
#include "controls/RIEdit.h"
#include "gui/simulation/Simparamdlg.h"
#include "gui/common/UpDown.h"

namespace {

constexpr int NumberWidth = 78;

TRIEdit* numberEdit(QWidget* parent, const QString& name, TRIEditTyp type = reDouble, int width = NumberWidth)
{
    auto* e = new TRIEdit(parent);
    e->setObjectName(name);
    e->SetEditType(type);
    e->setFixedWidth(width);
    return e;
}

// Groups and edits that come and go keep their place, so the page does
// not jump when the polarisation, the prism or an axis kind changes.
void keepPlace(QWidget* w)
{
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

// The radio groups place their buttons themselves inside their size.
TEnableRadioGroup* radioGroup(QWidget* parent, const char* name, const QString& title, const QStringList& items,
                              int columns, int width)
{
    auto* g = new TEnableRadioGroup(parent);
    g->setObjectName(name);
    g->setTitle(title);
    g->SetColumns(columns);
    g->SetItems(items);
    const int h = QFontMetrics(g->font()).height();
    const int perColumn = (int(items.size()) + columns - 1) / columns;
    g->setFixedSize(width, h + 8 + perColumn * (h + 10));
    return g;
}

// A titled group holding one edit, created inside it so that the tab order
// follows the order of creation.
QGroupBox* editGroup(QWidget* parent, const char* name, const QString& title, const char* editName, TRIEdit*& edit)
{
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(name);
    auto* box = new QHBoxLayout(g);
    edit = numberEdit(g, editName);
    box->addWidget(edit);
    g->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    return g;
}

QLabel* headerPanel(QWidget* parent, const QString& name)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    return l;
}

}  // namespace

void TSimparamdlg::buildGeneralPage(QWidget* page)
{
    PolArtGroup = radioGroup(page, "PolArtGroup", "Polarisation",
                             {"P", "S", "P+S", "linear", "circular", "elliptical"}, 2, 230);
    AzimutGroup = editGroup(page, "AzimutGroup", "Azimut [°]", "nAzimut", nAzimut);
    EllipticGroup = editGroup(page, "EllipticGroup", "Elliptic [°]", "nElliptic", nElliptic);
    CircularGroup = radioGroup(page, "CircularGroup", "Direction", {"left", "right"}, 2, 150);
    for (QWidget* w : std::initializer_list<QWidget*>{AzimutGroup, EllipticGroup, CircularGroup})
        keepPlace(w);

    auto* wavelengthLabel = new QLabel("&Wavelength [nm]", page);
    nWellenlange = numberEdit(page, "nWellenlange");
    wavelengthLabel->setBuddy(nWellenlange);

    auto* prismGroup = new QGroupBox("Prism", page);
    PrismartBox = new QComboBox(prismGroup);
    PrismartBox->setObjectName("PrismartBox");
    PrismartBox->addItems({"no prism", "triangular prism", "cone prism", "halfcylinder prism", "hemisphere prism"});
    PrismreflekCheck = new QCheckBox("with Prism-Reflektion", prismGroup);
    PrismreflekCheck->setObjectName("PrismreflekCheck");
    PrismawinkelLabel = new QLabel("Prism angle [°]", prismGroup);
    nPrismawinkel = numberEdit(prismGroup, "nPrismawinkel");
    PrismawinkelLabel->setBuddy(nPrismawinkel);
    PhiGroupBox = editGroup(prismGroup, "PhiGroupBox", "Phi [°]", "nPhiangle", nPhiangle);
    for (QWidget* w : std::initializer_list<QWidget*>{PrismreflekCheck, PrismawinkelLabel, nPrismawinkel, PhiGroupBox})
        keepPlace(w);
    auto* prism = new QGridLayout(prismGroup);
    prism->addWidget(PrismartBox, 0, 0, 1, 2);
    prism->addWidget(PrismreflekCheck, 1, 0, 1, 2);
    prism->addWidget(PrismawinkelLabel, 2, 0);
    prism->addWidget(nPrismawinkel, 2, 1);
    prism->addWidget(PhiGroupBox, 3, 0, 1, 2);

    auto* commentLabel = new QLabel("&Comment", page);
    CommentEdit = new QLineEdit(page);
    CommentEdit->setObjectName("CommentEdit");
    CommentEdit->setMaxLength(250);
    commentLabel->setBuddy(CommentEdit);

    auto* polarisation = new QGridLayout;
    polarisation->addWidget(PolArtGroup, 0, 0, 1, 2);
    // The direction of circular light takes the place of azimuth and
    // ellipticity, which only the other kinds of light have.
    polarisation->addWidget(AzimutGroup, 1, 0, Qt::AlignLeft | Qt::AlignTop);
    polarisation->addWidget(EllipticGroup, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    polarisation->addWidget(CircularGroup, 1, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    polarisation->setRowStretch(2, 1);
    auto* wavelength = new QHBoxLayout;
    wavelength->addWidget(wavelengthLabel);
    wavelength->addWidget(nWellenlange);
    wavelength->addStretch();
    auto* right = new QVBoxLayout;
    right->addLayout(wavelength);
    right->addWidget(prismGroup);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(polarisation);
    columns->addSpacing(16);
    columns->addLayout(right);
    columns->addStretch();
    auto* comment = new QHBoxLayout;
    comment->addWidget(commentLabel);
    comment->addWidget(CommentEdit);
    auto* outer = new QVBoxLayout(page);
    outer->addLayout(columns);
    outer->addStretch();
    outer->addLayout(comment);

}

void TSimparamdlg::buildAxisPage(QWidget* page)
{
    auto* xGroup = new QGroupBox("X-Axis", page);
    XAxisBox = new QComboBox(xGroup);
    XAxisBox->setObjectName("XAxisBox");
    nX_von = numberEdit(xGroup, "nX_von");
    nX_bis = numberEdit(xGroup, "nX_bis");
    nXPktanz = numberEdit(xGroup, "nXPktanz", reInteger);
    nXLayerNr = numberEdit(xGroup, "nXLayerNr", reInteger, 44);
    XUpDown = new TUpDown(nXLayerNr, 1, MaxLayers, xGroup);
    XUpDown->setObjectName("XUpDown");
    XLayerLabel = new QLabel("Layer-Nr", xGroup);

    auto* zGroup = new QGroupBox("Z-Axis", page);
    ZAxisBox = new QComboBox(zGroup);
    ZAxisBox->setObjectName("ZAxisBox");
    ZvonLabel = new QLabel("from", zGroup);
    nZ_von = numberEdit(zGroup, "nZ_von");
    ZbisLabel = new QLabel("to", zGroup);
    nZ_bis = numberEdit(zGroup, "nZ_bis");
    ZColstepLabel = new QLabel("step", zGroup);
    nZColstep = numberEdit(zGroup, "nZColstep");
    nZLayerNr = numberEdit(zGroup, "nZLayerNr", reInteger, 44);
    ZUpDown = new TUpDown(nZLayerNr, 1, MaxLayers, zGroup);
    ZUpDown->setObjectName("ZUpDown");
    ZLayerLabel = new QLabel("Layer-Nr", zGroup);

    // Both axes in the same columns, so that their edits line up.
    auto axisRow = [](QGroupBox* g, QComboBox* box, const std::array<QLabel*, 4>& labels,
                      const std::array<QWidget*, 3>& edits, TRIEdit* layer, TUpDown* upDown) {
        box->setMinimumContentsLength(14);
        auto* grid = new QGridLayout(g);
        grid->addWidget(new QLabel("Parameter", g), 0, 0);
        grid->addWidget(box, 1, 0);
        for (int k = 0; k < 3; ++k) {
            grid->addWidget(labels[std::size_t(k)], 0, k + 1);
            grid->addWidget(edits[std::size_t(k)], 1, k + 1);
        }
        grid->addWidget(labels[3], 0, 4, 1, 2);
        grid->addWidget(layer, 1, 4);
        grid->addWidget(upDown, 1, 5);
        grid->setHorizontalSpacing(8);
        grid->setColumnStretch(6, 1);
        for (QWidget* w : std::initializer_list<QWidget*>{labels[0], labels[1], labels[2], labels[3], edits[0],
                                                          edits[1], edits[2], layer, upDown})
            keepPlace(w);
    };
    axisRow(xGroup, XAxisBox, {new QLabel("from", xGroup), new QLabel("to", xGroup), new QLabel("points", xGroup),
                               XLayerLabel},
            {nX_von, nX_bis, nXPktanz}, nXLayerNr, XUpDown);
    axisRow(zGroup, ZAxisBox, {ZvonLabel, ZbisLabel, ZColstepLabel, ZLayerLabel}, {nZ_von, nZ_bis, nZColstep},
            nZLayerNr, ZUpDown);

    ThetaGroup = editGroup(page, "ThetaGroup", "Theta [°]", "nTheta", nTheta);
    keepPlace(ThetaGroup);
    auto* theta = new QHBoxLayout;
    theta->addWidget(ThetaGroup);
    theta->addStretch();
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(xGroup);
    outer->addWidget(zGroup);
    outer->addLayout(theta);
    outer->addStretch();

}

void TSimparamdlg::buildLayerPage(QWidget* page)
{
    EpsGroup = radioGroup(page, "EpsGroup", "Input", {"(e'+ ie'')", "n ; k"}, 2, 230);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    grid->addWidget(new QLabel("Layer", page), 0, 0, 2, 1, Qt::AlignBottom | Qt::AlignRight);
    grid->addWidget(new QLabel("aniso", page), 0, 1, 2, 1, Qt::AlignBottom | Qt::AlignHCenter);
    grid->setColumnMinimumWidth(1, 48);
    auto* thickness = headerPanel(page, "Panel_Dicke");
    thickness->setText("Thickness\n[nm]");
    grid->addWidget(thickness, 0, 2, 2, 1);
    const char* const axes = "XYZ";
    for (int k = 0; k < 3; ++k) {
        const QString axis(QChar(axes[k]));
        Panel_Eps[std::size_t(k)] = headerPanel(page, "Panel_Eps" + axis);
        Panel_EpsR[std::size_t(k)] = headerPanel(page, "Panel_EpsR" + QString::number(k + 1));
        Panel_EpsI[std::size_t(k)] = headerPanel(page, "Panel_EpsI" + QString::number(k + 1));
        grid->addWidget(Panel_Eps[std::size_t(k)], 0, 3 + 2 * k, 1, 2);
        grid->addWidget(Panel_EpsR[std::size_t(k)], 1, 3 + 2 * k);
        grid->addWidget(Panel_EpsI[std::size_t(k)], 1, 4 + 2 * k);
    }
    // A wider dialog widens the edits alone: the number and the aniso box
    // of each row stay beside its first edit, the scroll bar beside its last.
    for (int k = 0; k < RowColumnCount; ++k)
        grid->setColumnStretch(2 + k, 1);
    const char* const columns[RowColumnCount] = {"Dicke", "EpsXR", "EpsXI", "EpsYR", "EpsYI", "EpsZR", "EpsZI"};
    for (int j = 0; j < SimparLayerRows; ++j) {
        RowControls& c = Rows[std::size_t(j)];
        const QString n = QString::number(j + 1);
        c.XSchichtNr = new QLabel(page);
        c.XSchichtNr->setObjectName("XSchichtNr" + n);
        c.XSchichtNr->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        c.XSchichtNr->setMinimumWidth(QFontMetrics(c.XSchichtNr->font()).horizontalAdvance("Layer"));
        c.Aniso = new QCheckBox(page);
        c.Aniso->setObjectName("Aniso" + n);
        c.Aniso->setProperty("tag", j + 1);
        grid->addWidget(c.XSchichtNr, 2 + j, 0);
        grid->addWidget(c.Aniso, 2 + j, 1, Qt::AlignCenter);
        for (int k = 0; k < RowColumnCount; ++k) {
            TRIEdit* e = numberEdit(page, columns[k] + n);
            e->setMinimumWidth(NumberWidth);
            e->setMaximumWidth(QWIDGETSIZE_MAX);
            e->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
            c.Edits[std::size_t(k)] = e;
            grid->addWidget(e, 2 + j, 2 + k);
        }
    }
    LayerScrollBar = new QScrollBar(Qt::Vertical, page);
    LayerScrollBar->setObjectName("LayerScrollBar");
    LayerScrollBar->setRange(1, TSimparamModel::MaxTopRow);
    LayerScrollBar->setPageStep(SimparLayerRows);
    LayerScrollBar->setValue(1);
    // Layers 8 to 30 must be reachable from the keyboard too.
    LayerScrollBar->setFocusPolicy(Qt::StrongFocus);
    grid->addWidget(LayerScrollBar, 2, 9, SimparLayerRows, 1);

    auto* outer = new QVBoxLayout(page);
    outer->addWidget(EpsGroup);
    outer->addLayout(grid);
    outer->addStretch();
}

void TSimparamdlg::buildButtons()
{
    auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    InsertBtn = button("InsertBtn", "Insert");
    DeleteBtn = button("DeleteBtn", "Delete");
    ExchangeBtn = button("ExchangeBtn", "Exchange");
    CopyBtn = button("CopyBtn", "Copy");
    MoveBtn = button("MoveBtn", "Move");
    // The layer buttons stand left of the row's stretch; Enter never
    // presses them, nor Cancel, only the default OK.
    const DialogButtons row = MakeDialogButtons(this, {.CancelTakesEnter = false});
    OkBtn = row.Ok;
    OkBtn->setAutoDefault(false);
    CancelBtn = row.Cancel;
    connect(InsertBtn, &QPushButton::clicked, this, [this] { LayerButtonClick(loInsert); });
    connect(DeleteBtn, &QPushButton::clicked, this, [this] { LayerButtonClick(loDelete); });
    connect(ExchangeBtn, &QPushButton::clicked, this, [this] { LayerButtonClick(loExchange); });
    connect(CopyBtn, &QPushButton::clicked, this, [this] { LayerButtonClick(loCopy); });
    connect(MoveBtn, &QPushButton::clicked, this, [this] { LayerButtonClick(loMove); });

    auto* buttons = row.Row;
    int at = 0;
    for (QPushButton* b : {InsertBtn, DeleteBtn, ExchangeBtn, CopyBtn, MoveBtn}) {
        keepPlace(b);
        buttons->insertWidget(at++, b);
    }
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(SimPageControl);
    outer->addLayout(buttons);
}
