// The field options without their dialog: the check and the record written
// on OK.
#include <gtest/gtest.h>

#include "document/Defaults.h"
#include "document/NoValue.h"
#include "gui/fields/plain/EHOptionModel.h"

namespace {

TEHOptionpara defaults()
{
    TEHOptionpara o;
    SetEHOptionDefaults(o);
    return o;
}

TEST(FieldOptions, CheckRefusesNegativeThicknessesAndPointCounts)
{
    EHOptionControls c = LoadControls(defaults());
    EXPECT_FALSE(CheckEHOptions(c));
    c.Pktanz = MaxFieldPoints;
    EXPECT_FALSE(CheckEHOptions(c));
    c.d_1 = 0.0;
    EXPECT_FALSE(CheckEHOptions(c));

    auto failure = [](EHOptionControls c) { return CheckEHOptions(c).value_or(EHOptionFailure{"", -1}); };
    EHOptionControls bad = c;
    bad.d_1 = -0.5;
    bad.Pktanz = -1;
    EXPECT_EQ(failure(bad).Message, "1. Layer thickness must be >=0");
    EXPECT_EQ(failure(bad).Edit, eoD1);
    bad = c;
    bad.d_n = Riedit::NADN;
    EXPECT_EQ(failure(bad).Message, "Last Layer thickness must be >=0");
    for (int n : {-1, MaxFieldPoints + 1, Riedit::NAIN}) {
        bad = c;
        bad.Pktanz = n;
        EXPECT_EQ(failure(bad).Message, "Pktanz must be 0 - 100000") << n;
        EXPECT_EQ(failure(bad).Edit, eoPktanz);
    }
}

TEST(FieldOptions, OnlyThicknessesAndPointCountAskForARecalculation)
{
    TEHOptionpara o = defaults();
    o.Theta = 52.0;
    o.LayerNr = 2;
    EHOptionControls c = LoadControls(o);
    EXPECT_EQ(c.Part, 2);
    EXPECT_EQ(c.Scale, 0);
    c.Part = 0;
    c.Scale = 1;
    c.Fields[ehHy] = true;
    c.Timer = 3;
    EXPECT_FALSE(StoreControls(c, o));
    EXPECT_TRUE(o.Fields.Contains(ehRealImag));
    EXPECT_FALSE(o.Fields.Contains(ehSqrPhase));
    EXPECT_TRUE(o.Fields.Contains(ehRelative));
    EXPECT_FALSE(o.Fields.Contains(ehAbsolute));
    EXPECT_TRUE(o.Fields.Contains(ehHy));
    EXPECT_EQ(o.Timer, 3);
    EXPECT_EQ(o.Theta, 52.0);
    EXPECT_EQ(o.LayerNr, 2);
    c.d_n = 30.0;
    EXPECT_TRUE(StoreControls(c, o));
    c.Pktanz = 400;
    EXPECT_TRUE(StoreControls(c, o));
    EXPECT_EQ(o.Pktanz, 400);
}

}  // namespace
