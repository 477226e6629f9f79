#include "BoundComponent.h"

#include "RegEx.h"
#include "RegExComponent.h"
#include "RegExException.h"

#include <string>

using namespace Qt::StringLiterals;

TEST(RegExEntrypoints, EverySignatureResolves)
{
    for (const std::string_view signature : RegExEntrySignatures) {
        EXPECT_FALSE(regex::LookupEntrypoint(signature).IsEmpty()) << signature;
        EXPECT_FALSE(LookupPluginEntrypoint(signature).IsEmpty()) << signature;
    }
}

TEST_F(BoundComponent, BindingReplacesTheTableWithEverySlotInOrder)
{
    AllocatePluginEntrypointsTable(0);
    const PluginEntrypoints& table = BindRegExEntrypoints();
    EXPECT_EQ(&table, &PluginEntrypointsTable());
    ASSERT_EQ(table.Count(), RegExEntryCount);
    for (int i = 0; i < RegExEntryCount; ++i) {
        EXPECT_FALSE(table.Get(i).IsEmpty()) << i;
    }
    // Neighbouring slots of different shapes hold the function of their own signature.
    EXPECT_NE(table.Get(static_cast<int>(RegExEntry::Search)).As<RegExSearchFn>(), nullptr);
    EXPECT_NE(table.Get(static_cast<int>(RegExEntry::SearchFrom)).As<RegExSearchFromFn>(), nullptr);
    EXPECT_NE(table.Get(static_cast<int>(RegExEntry::SubExpressionStartB))
                  .As<RegExSubExpressionStartBFn>(),
              nullptr);
    EXPECT_EQ(table.Get(static_cast<int>(RegExEntry::RegExInit)).As<RegExHookFn>(),
              regex::LookupEntrypoint(RegExEntrySignatures.front()).As<RegExHookFn>());
    EXPECT_NE(table.Get(static_cast<int>(RegExEntry::RegExExit)).As<RegExHookFn>(),
              table.Get(static_cast<int>(RegExEntry::RegExInit)).As<RegExHookFn>());
}

TEST(RegExEntrypoints, UnknownSignatureGivesEmptyEntry)
{
    for (const std::string_view signature :
         {"", "RegEx.Search", "RegEx.Search(TargetString as String)", "regex.__init",
          "RegEx.__init ", "RegExMatch.Replace(ReplacementPattern as String) as String",
          "RegEx.ReplacementPattern.Set"}) {
        EXPECT_TRUE(regex::LookupEntrypoint(signature).IsEmpty()) << signature;
    }
}

TEST(RegExEntrypoints, TableOutsideItsSlots)
{
    PluginEntrypoints table(2);
    EXPECT_TRUE(table.Get(-1).IsEmpty());
    EXPECT_TRUE(table.Get(2).IsEmpty());
    EXPECT_THROW(table.Set(2, PluginEntrypoint()), std::out_of_range);
    EXPECT_THROW(PluginEntrypoints(-1), std::invalid_argument);
}

TEST_F(BoundComponent, EmptyEntryThrowsNamingTheOperation)
{
    RegEx regEx;
    regEx.SearchPattern(u"a"_s);
    BindRegExEntrypoints().Set(static_cast<int>(RegExEntry::Search), PluginEntrypoint());
    try {
        regEx.Search(u"abc"_s);
        FAIL() << "no exception";
    } catch (const RegExException& e) {
        EXPECT_NE(std::string(e.what()).find("RegEx.Search(TargetString as String) as RegExMatch"),
                  std::string::npos)
            << e.what();
    }
    // The other operations stay usable.
    EXPECT_EQ(regEx.Replace(u"abc"_s), u"bc"_s);
}

TEST_F(BoundComponent, UnboundConstructorsThrow)
{
    AllocatePluginEntrypointsTable(0);
    EXPECT_THROW(RegEx(), RegExException);
    EXPECT_THROW(RegExOptions(), RegExException);
    EXPECT_THROW(RegExMatch(), RegExException);
}

TEST_F(BoundComponent, EntryInTheWrongSlotThrowsInsteadOfCalling)
{
    PluginEntrypoints& table = BindRegExEntrypoints();
    const auto search = static_cast<int>(RegExEntry::Search);
    const auto searchFrom = static_cast<int>(RegExEntry::SearchFrom);
    const PluginEntrypoint first = table.Get(search);
    table.Set(search, table.Get(searchFrom));
    table.Set(searchFrom, first);

    RegEx regEx;
    EXPECT_THROW(regEx.Search(u"x"_s), RegExException);
    EXPECT_THROW(regEx.Search(u"x"_s, 0), RegExException);
}

TEST_F(BoundComponent, ObjectsOutliveTheirTable)
{
    auto regEx = std::make_unique<RegEx>();
    regEx->SearchPattern(u"b"_s);
    std::shared_ptr<RegExMatch> match = regEx->Search(u"abc"_s);
    ASSERT_NE(match, nullptr);
    AllocatePluginEntrypointsTable(0);
    EXPECT_THROW(match->SubExpressionString(0), RegExException);
    // Destruction without bound exits must neither throw nor leak.
    match.reset();
    regEx.reset();
}
