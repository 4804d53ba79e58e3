#include <gtest/gtest.h>

#include "document/Defaults.h"
#include "document/LayerSystemText.h"

using veltrane::LayerSystemLines;

namespace {

TSimparameter twoLayers()
{
    TSimparameter p;
    SetDefaultParameter(p);
    p.Layeranz = 2;
    p.Dicke[0] = 0;
    p.Eps[0].epsX = {2.25, 0};
    p.Dicke[1] = 50.5;
    p.Eps[1].epsX = {-12.1, 1.3};
    return p;
}

}  // namespace

TEST(LayerSystemText, IsotropicAndAnisotropicTables)
{
    TSimparameter p = twoLayers();
    std::vector<std::string> lines = LayerSystemLines(p, ',');
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "L-Nr|Thick/[nm]|EpsX-real |EpsX-imag ");
    EXPECT_EQ(lines[1], std::string(37, '-'));
    EXPECT_EQ(lines[3], "2   |50,5      |-12,1     |1,3       ");

    // One anisotropic layer: 81 wide, only its own Y and Z cells filled.
    p.Aniso[1] = 1;
    p.Eps[1].epsY = {2.5, 0.1};
    p.Eps[1].epsZ = {2.4, 0};
    p.EpsMode = emNKappa;
    lines = LayerSystemLines(p, '.');
    EXPECT_EQ(lines[0], "L-Nr|Thick/[nm]|n-X       |kapa-X    |n-Y       |kapa-Y    |n-Z       |kapa-Z    ");
    EXPECT_EQ(lines[1], std::string(81, '-'));
    EXPECT_EQ(lines[2], "1   |0         |2.25      |0         |          |          |          |          ");
    EXPECT_EQ(lines[3].substr(37), "|2.5       |0.1       |2.4       |0         ");
}

TEST(LayerSystemText, ALayerCountOutsideTheTableListsItsRows)
{
    TSimparameter p = twoLayers();
    p.Layeranz = 40;
    EXPECT_EQ(LayerSystemLines(p, '.').size(), 32u);
    p.Layeranz = -3;
    EXPECT_EQ(LayerSystemLines(p, '.').size(), 2u);
}
