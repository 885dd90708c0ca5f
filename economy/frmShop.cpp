#include "frmShop.h"

#include "ItemCatalogue.h"
#include "core/Game.h"
#include "core/LongAction.h"
#include "core/Numbers.h"
#include "core/frmRara.h"

#include <cmath>

namespace kx {

namespace {

constexpr int kLeftColumn = 1140, kRightColumn = 3675, kColumnWidth = 2400;

Label panelLine(int left, int top, const std::string& caption, int lines = 1)
{
    return {{left, top, kColumnWidth, 195 * lines}, caption};
}

// The main window's server list, which a tip names a server from.
const ListView* serverList(Game& game)
{
    const frmRara* rara = game.find<frmRara>();
    return rara ? &rara->ListView1 : nullptr;
}

} // namespace

frmShop::frmShop(Game& game) : WindowOf(game)
{
    Label8 = {{75, 75, 6570, 210}, ""};
    Label10 = {{6690, 100, 140, 135}, ""};
    Label9 = {{6930, 100, 135, 135}, ""};
    Picture1.rect = {120, 420, 900, 3975};
    Picture2.rect = {6195, 420, 900, 3975};
    ListView1.rect = {kLeftColumn, 420, kColumnWidth, 1860};
    ListView2.rect = {kRightColumn, 420, kColumnWidth, 1860};
    Label1 = panelLine(kLeftColumn, 2370, "Item Information:");
    Label2 = panelLine(kLeftColumn, 2610, "Name:", 2);
    Label3 = panelLine(kLeftColumn, 3030, "Amount:");
    Label4 = panelLine(kLeftColumn, 3270, "Sale Price:");
    Label5 = panelLine(kRightColumn, 2370, "Owned Item Information:");
    Label6 = panelLine(kRightColumn, 2610, "Name:", 2);
    Label7 = panelLine(kRightColumn, 3030, "Amount:");
    Command1 = {{kLeftColumn, 3960, 1095, 255}, "Buy Item"};
    Command2 = {{kRightColumn, 3960, 1095, 255}, "Sell Item"};
}

void frmShop::Form_Load()
{
    Game& g = game();
    GameState& s = g.state;
    const LongAction opening(*this);
    // A missing side picture is left undrawn; the shop opens all the same.
    for (auto [box, file] : {std::pair{&Picture1, "/sideitems.jpg"}, {&Picture2, "/sideitems2.jpg"}})
        box->Picture = g.platform().loadPicture(g.platform().programFolder() + file);
    Picture = s.Skin["shop.jpg"];
    ClearShop(s);
    StockShop(g);
    for (ListView* list : {&ListView1, &ListView2})
        list->columns.assign(4, {"", "", 0.25});
    for (const GameState::CatalogueRecord& record : s.ItemCatalogue) {
        const int n = static_cast<int>(record.Number);
        s.ShopStock[n] = s.ShopStock[n] + 1;
        s.ItemPrice[n] = QuotePrice(g, record.Number);
    }
    FillLists();
    g.Show(*this);
    g.DoEvents();
    if (!opening)
        return;
    // A player who owns nothing keeps the owned panel's bare captions.
    if (!ListView1.items.empty())
        ShowOffer(ListView1.items.front().text);
    if (!ListView2.items.empty())
        ShowOwned(ListView2.items.front().text);
}

void frmShop::Form_Unload() { ClearShop(game().state); }

void frmShop::Form_QueryUnload() { game().unload(*this); }

void frmShop::FillLists()
{
    const GameState& s = game().state;
    ListView1.items.clear();
    ListView2.items.clear();
    for (int n = 1; n <= kCatalogueItems; ++n) {
        const ListView::Item entry{"", ItemName(n), {}, ItemPicture(ItemName(n)).value_or(0)};
        if (s.ShopStock[n] > 0)
            ListView1.items.push_back(entry);
        if (s.Items[n] > 0 && n != kTip)
            ListView2.items.push_back(entry);
    }
    // A freshly filled list selects its first entry.
    ListView1.selected = ListView1.items.empty() ? 0 : 1;
    ListView2.selected = ListView2.items.empty() ? 0 : 1;
}

void frmShop::ShowOffer(const std::string& name)
{
    const GameState& s = game().state;
    const int n = ItemNumber(s, name).value_or(0);
    Label2.Caption = "Name:  " + name;
    Label3.Caption = "Amount:  " + NumberText(s.ShopStock[n]);
    Label4.Caption = "Sale Price:  " + NumberText(s.ItemPrice[n]);
}

void frmShop::ShowOwned(const std::string& name)
{
    const GameState& s = game().state;
    const int n = ItemNumber(s, name, true).value_or(0);
    Label6.Caption = "Name:  " + name;
    Label7.Caption = "Amount:  " + NumberText(s.Items[n]);
}

std::string frmShop::SelectedText(const ListView& list)
{
    if (list.selected < 1 || list.selected > static_cast<int>(list.items.size()))
        return "";
    return list.items[list.selected - 1].text;
}

void frmShop::Command1_Click()
{
    Game& g = game();
    GameState& s = g.state;
    g.SeedRandom();
    const std::string name = SelectedText(ListView1);
    const std::optional<int> item = ItemNumber(s, name);
    if (!item)
        return;
    const int n = *item;
    if (s.Funds <= s.ItemPrice[n]) {
        g.ShowPager("You don't have enough money to buy that item.", false);
        return;
    }
    const ListView* servers = serverList(g);
    if (n == kTip && (!servers || servers->items.empty())) {
        g.ShowPager("Nobody's worth a tip today.  Keep your money.", false);
        return;
    }
    s.ShopStock[n] = s.ShopStock[n] - 1;
    s.Funds = s.Funds - s.ItemPrice[n];
    NoteEvent(s, "Bought " + name + " for $" + FormatAmount(s.ItemPrice[n]));
    if (n == kTip) {
        const LongAction buying(*this);
        const int k = static_cast<int>(std::floor(g.RandomUniform() * 3)) + 1;
        const int j = g.Random(static_cast<std::int16_t>(servers->items.size()));
        const ServerRecord& server = s.Server[g.FindServer(servers->items[j - 1].text).value_or(0)];
        const std::string user = " --- UserName:  " + server.UserName;
        const std::string password = " --- UserPass:  " + server.Password;
        g.ShowPager("Server:  " + server.Name + (k == 2 ? "" : user) + (k == 1 ? "" : password), false);
        if (!buying)
            return;
    } else {
        s.Items[n] = s.Items[n] + 1;
    }
    FillLists();
    g.RefreshStatus();
    g.PlaySound("/sounds/cash1.wav");
}

void frmShop::Command2_Click()
{
    Game& g = game();
    GameState& s = g.state;
    const std::string name = SelectedText(ListView2);
    if (name.empty())
        return;
    const std::optional<int> item = ItemNumber(s, name);
    if (!item) {
        g.ShowPager("They are not buying that item at this shop.", false);
        return;
    }
    const int n = *item;
    s.ShopStock[n] = s.ShopStock[n] + 1;
    s.Funds = s.Funds + s.ItemPrice[n];
    NoteEvent(s, "Sold " + name + " for $" + FormatAmount(s.ItemPrice[n]));
    s.Items[n] = s.Items[n] - 1;
    FillLists();
    g.RefreshStatus();
    g.PlaySound("/sounds/beep1.wav");
}

void frmShop::ListView1_ItemClick(int item)
{
    if (item < 1 || item > static_cast<int>(ListView1.items.size()))
        return;
    ListView1.selected = item;
    const LongAction clicking(*this);
    game().DoEvents();
    if (clicking && item <= static_cast<int>(ListView1.items.size()))
        ShowOffer(ListView1.items[item - 1].text);
}

void frmShop::ListView2_ItemClick(int item)
{
    if (item < 1 || item > static_cast<int>(ListView2.items.size()))
        return;
    ListView2.selected = item;
    ShowOwned(ListView2.items[item - 1].text);
}

void frmShop::Label8_MouseDown() { game().platform().dragWindow(*this); }

void frmShop::Label9_Click() { game().unload(*this); }

void frmShop::Label10_Click() { game().platform().minimiseWindow(*this); }

} // namespace kx
