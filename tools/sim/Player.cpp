#include "Player.h"

#include "core/Numbers.h"
#include "core/frmRara.h"
#include "economy/frmPager.h"
#include "economy/frmShop.h"
#include "shell/frmGuide.h"
#include "terminal/frmTerminal.h"

#include <algorithm>

namespace kxsim {

namespace {

constexpr int kEnter = 13;
const std::string kNoAccess = "You do not have access to this server.";

// A figure as a label shows it: "$-1,234", "12", "Sale Price:  53".
double figure(const std::string& caption)
{
    std::string digits = caption.substr(caption.find_last_of(" $") + 1);
    std::erase(digits, ',');
    return kx::ParseNumber(digits).value_or(0);
}

} // namespace

// Nothing comes with the program here: the folder stands for the program's
// own too, so every file a game keeps stays in it.
Player::Player(std::uint64_t seed, const std::filesystem::path& folder)
    : platform_(folder, folder.string()), random_(seed)
{
    platform_.answerInput = [](const std::string&, const std::string& title, const std::string&) {
        return title == "Welcome newbie!" ? std::string("Sim") : std::string();
    };
    platform_.whilePagerShows = [this](kx::frmPager&) {
        lost_ = lost_ || game_.state.PagerText.ends_with("Game Over.");
    };
}

void Player::start() { game_.start(); }

bool Player::playing() const
{
    const kx::frmRara* rara = game_.find<kx::frmRara>();
    return !lost_ && !game_.ended() && rara && rara->Command6.Enabled;
}

double Player::cash() const
{
    const kx::frmRara* rara = game_.find<kx::frmRara>();
    return rara ? figure(rara->Label9.Caption) : 0;
}

double Player::forwardingAccounts() const
{
    const kx::frmRara* rara = game_.find<kx::frmRara>();
    return rara ? figure(rara->Label11.Caption) : 0;
}

std::string Player::statusLine() const
{
    const kx::frmRara* rara = game_.find<kx::frmRara>();
    return rara && !rara->Picture1.printed.empty() ? rara->Picture1.printed.back().text : "";
}

std::vector<ListedServer> Player::servers() const
{
    std::vector<ListedServer> listed;
    if (const kx::frmRara* rara = game_.find<kx::frmRara>())
        for (const kx::ListView::Item& item : rara->ListView1.items)
            listed.push_back({static_cast<int>(listed.size()) + 1, item.text,
                              static_cast<int>(figure(item.subItems.back().text))});
    return listed;
}

bool Player::barred(const ListedServer& server)
{
    kx::frmRara* rara = game_.find<kx::frmRara>();
    if (!rara)
        return true;
    click([&] {
        rara->ListView1_ItemClick(server.item);
        rara->Picture1_Click();
    });
    return rara->InfoText.ends_with(kNoAccess);
}

void Player::connect(const ListedServer& server)
{
    if (kx::frmRara* rara = game_.find<kx::frmRara>())
        click([&] {
            rara->ListView1_ItemClick(server.item);
            rara->Command1_Click();
        });
}

void Player::skipDay()
{
    if (kx::frmRara* rara = game_.find<kx::frmRara>(); rara && rara->Command6.Enabled)
        click([rara] { rara->Command6_Click(); });
}

void Player::type(const std::string& line)
{
    if (kx::frmTerminal* terminal = game_.find<kx::frmTerminal>()) {
        terminal->Text1.Text = line;
        click([terminal] { terminal->Text1_KeyPress(kEnter); });
    }
}

std::vector<std::string> Player::command(const std::string& line)
{
    type("cls");
    type(line);
    if (!game_.find<kx::frmTerminal>())
        return {};
    const auto& lines = game_.state.TermLines;
    const auto count = static_cast<std::ptrdiff_t>(game_.state.TermLineCount);
    return ScreenLines({lines.begin(), lines.begin() + count});
}

bool Player::shopOpen() const { return game_.find<kx::frmShop>() != nullptr; }

bool Player::buy(const std::string& item)
{
    kx::frmShop* shop = game_.find<kx::frmShop>();
    if (!shop)
        return false;
    const auto& offers = shop->ListView1.items;
    const auto offer = std::ranges::find(offers, item, &kx::ListView::Item::text);
    if (offer == offers.end())
        return false;
    const int k = static_cast<int>(offer - offers.begin()) + 1;
    // Clicking the offer shows its price; it lets events run, which may close the shop.
    click([shop, k] { shop->ListView1_ItemClick(k); });
    shop = game_.find<kx::frmShop>();
    if (!shop || !(cash() > figure(shop->Label4.Caption)))
        return false;
    click([shop] { shop->Command1_Click(); });
    return true;
}

void Player::closeShop()
{
    if (kx::frmShop* shop = game_.find<kx::frmShop>())
        click([shop] { shop->Label9_Click(); });
}

std::vector<std::string> ScreenLines(const std::vector<std::string>& transcript)
{
    std::vector<std::string> lines;
    for (const std::string& stored : transcript) {
        const std::string line = stored.substr(1);
        // A file listing's "-->" is no continuation.
        if (line.starts_with("--") && !line.starts_with("-->") && !lines.empty())
            lines.back() += line.substr(2);
        else
            lines.push_back(line);
    }
    return lines;
}

std::vector<int> Player::guideTicked() const
{
    std::vector<int> ticked;
    if (const kx::frmGuide* guide = game_.find<kx::frmGuide>())
        for (const auto& row : guide->ListView1.items)
            if (row.subItems.at(1).text == "done")
                ticked.push_back(std::stoi(row.text));
    return ticked;
}

} // namespace kxsim
