#include "support/GameFixture.h"

#include <gtest/gtest.h>

namespace kxtest {
namespace {

class ServerList : public GameFixture {
protected:
    void SetUp() override { startGame(); }
};

TEST_F(ServerList, ListsExactlyTheDrawnServersInSlotOrder)
{
    listOnly({2, 13, 51, 62, 100});
    const kx::ListView& list = rara().ListView1;
    ASSERT_EQ(list.items.size(), 5u);
    const int slots[] = {2, 13, 51, 62, 100};
    for (int n = 1; n <= 5; ++n) {
        const kx::ServerRecord& server = state().Server[slots[n - 1]];
        const std::string number = std::to_string(n);
        EXPECT_EQ(list.items[n - 1],
                  (kx::ListView::Item{"server" + number,
                                      server.Name,
                                      {{"host" + number, server.Address},
                                       {"vulnt" + number, std::to_string(server.Vulnerability)}}}));
    }
    EXPECT_EQ(rara().Label2.Caption, "Vulnerable Servers - Total: 5");
    EXPECT_EQ(list.selected, 1);
    EXPECT_EQ(rara().SelectedServer, 2);
}

TEST_F(ServerList, FullAndEmptyLists)
{
    std::set<int> all;
    for (int slot = 1; slot <= kx::kWorldSize; ++slot)
        all.insert(slot);
    listOnly(all);
    EXPECT_EQ(rara().ListView1.items.size(), 100u);
    EXPECT_EQ(rara().ListView1.items.back().key, "server100");
    EXPECT_EQ(rara().Label2.Caption, "Vulnerable Servers - Total: 100");
    EXPECT_EQ(rara().SelectedServer, 1);

    listOnly({});
    EXPECT_TRUE(rara().ListView1.items.empty());
    EXPECT_EQ(rara().Label2.Caption, "Vulnerable Servers - Total: 0");
    EXPECT_EQ(rara().ListView1.selected, 0);
    EXPECT_EQ(rara().SelectedServer, 0) << "nothing listed, nothing selected";
}

TEST_F(ServerList, DrawsWithoutReseeding)
{
    const auto reseeds = random.reseeds.size();
    listOnly({1});
    EXPECT_EQ(random.reseeds.size(), reseeds);
}

TEST_F(ServerList, ItemClickSelectsThatServer)
{
    listOnly({5, 10, 51, 62});
    run([&] { rara().ListView1_ItemClick(3); });
    EXPECT_EQ(rara().SelectedServer, 51);
    // The clicked item is the one "Connect" uses from now on.
    EXPECT_EQ(rara().ListView1.selected, 3);
    for (int item : {0, 5, -1}) {
        run([&] { rara().ListView1_ItemClick(item); });
        EXPECT_EQ(rara().SelectedServer, 0) << "item " << item;
    }
}

struct Search {
    const char* answer;
    int selected; // item selected afterwards; 3 was selected before
    friend std::ostream& operator<<(std::ostream& out, const Search& s)
    {
        return out << '"' << s.answer << '"';
    }
};

class SearchTest : public ServerList, public ::testing::WithParamInterface<Search> {};

TEST_P(SearchTest, SelectsTheFirstItemStartingWithTheAnswer)
{
    // Bank of Boston, Micro Engineering Solutions Inc., Micron Electronics, Micro Warehouse.
    listOnly({5, 10, 51, 62});
    rara().ListView1.selected = 3;
    rara().SelectedServer = 51;
    platform.inputAnswers = {GetParam().answer};
    run([&] { rara().ListView1_DblClick(); });

    EXPECT_EQ(rara().ListView1.selected, GetParam().selected);
    EXPECT_EQ(rara().SelectedServer, 51) << "the search leaves the strip's server alone";
    const InputRequest prompt{"Please enter the beginning of the server name, or the entire "
                              "thing.  Also, remember to include spaces.",
                              "Search Server List", "Microsoft"};
    EXPECT_EQ(platform.inputs, std::vector<InputRequest>{prompt});
}

INSTANTIATE_TEST_SUITE_P(
    ServerList, SearchTest,
    ::testing::Values(Search{"micro", 2}, Search{"MICRO", 2}, Search{"Micro W", 4},
                      Search{"micron electronics", 3}, Search{"bank", 1},
                      Search{"", 1}, // an empty (or cancelled) search matches the first item
                      Search{"soft", 3}, // only beginnings match
                      Search{"Microsoft", 3}, Search{"Bank of Boston and more", 3},
                      Search{"microw", 3})); // blanks count

TEST_F(ServerList, SearchInAnEmptyListSelectsNothing)
{
    listOnly({});
    platform.inputAnswers = {""};
    run([&] { rara().ListView1_DblClick(); });
    EXPECT_EQ(rara().ListView1.selected, 0);
}

} // namespace
} // namespace kxtest
