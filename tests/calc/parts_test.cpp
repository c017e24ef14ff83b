#include <gtest/gtest.h>

#include <set>
#include <string>

#include "parts/logicoutputs.h"

namespace {

std::string narrow(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

// Every output of the list: a level that can drive a base, guaranteed up to a current, below the
// highest it reaches; a key of its own that finds it; where its figures come from.
TEST(LogicOutputs, EachRowConsistent)
{
    std::set<std::u16string_view> keys;
    for (const LogicOutput &o : logicOutputs()) {
        SCOPED_TRACE(narrow(o.key));
        EXPECT_GT(o.figures.ViLowest, 0.7);
        EXPECT_LT(o.figures.ViLowest, o.figures.ViHighest);
        EXPECT_GT(o.figures.currentLimit, 0);
        EXPECT_FALSE(o.source.empty());
        EXPECT_FALSE(o.temperature.empty());
        EXPECT_TRUE(keys.insert(o.key).second) << "key used twice";
        EXPECT_EQ(logicOutputByKey(o.key), &o);
        const std::u16string name = outputName(o, u",");
        EXPECT_EQ(name.find(u"%1"), std::u16string::npos);
        EXPECT_EQ(name.find(u"%2"), std::u16string::npos);
    }
    EXPECT_EQ(logicOutputByKey(u"74HC"), nullptr);
}

} // namespace
