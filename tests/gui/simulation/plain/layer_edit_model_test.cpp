// The layer-number check without its dialog: every number in turn.
#include <gtest/gtest.h>

#include "document/NoValue.h"
#include "gui/simulation/plain/LayerEditModel.h"
#include "gui/simulation/plain/LayerRows.h"

namespace {

std::vector<std::string> messages(const std::vector<LayerEditFailure>& failures)
{
    std::vector<std::string> m;
    for (const auto& f : failures)
        m.push_back(f.Message);
    return m;
}

TEST(LayerEdit, ChecksEveryNumberInTurn)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(messages(CheckLayerNumbers(loExchange, 2, 2)), V{"Layer-Nr1 and Layer-Nr2 do be the same"});
    EXPECT_EQ(messages(CheckLayerNumbers(loDelete, 31, 31)), V{"wrong Layer-Nr1 (1-30)"});
    EXPECT_EQ(messages(CheckLayerNumbers(loExchange, 0, 0)),
              (V{"wrong Layer-Nr1 (1-30)", "wrong Layer-Nr2 (1-30)", "Layer-Nr1 and Layer-Nr2 do be the same"}));
    EXPECT_EQ(CheckLayerNumbers(loInsert, 30, Riedit::NAIN).size(), 0u);
    EXPECT_EQ(CheckLayerNumbers(loCopy, 1, Riedit::NAIN).at(0), (LayerEditFailure{"wrong Layer-Nr2 (1-30)", 2}));
}

}  // namespace
