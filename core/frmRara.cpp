#include "frmRara.h"

#include "Game.h"
#include "LongAction.h"
#include "Numbers.h"
#include "World.h"

#include <algorithm>
#include <cmath>

namespace kx {

namespace {

constexpr int kButtonWidth = 1095;
constexpr int kButtonHeight = 255;
constexpr int kLabelHeight = 195;
constexpr std::size_t kCaptionWidth = 51;

std::string dotted(std::string caption)
{
    caption.resize(kCaptionWidth, '.');
    return caption;
}

Label captionLabel(int top, const std::string& text)
{
    return {{120, top, 4500, kLabelHeight}, dotted(text)};
}

Label valueLabel(int top) { return {{4710, top, 1185, kLabelHeight}, "0"}; }

Button button(int left, int top, const std::string& caption)
{
    return {{left, top, kButtonWidth, kButtonHeight}, caption, true, true};
}

std::int16_t toInt16(double value)
{
    return static_cast<std::int16_t>(std::clamp(value, -32768.0, 32767.0));
}

} // namespace

frmRara::frmRara(Game& game) : WindowOf(game)
{
    Label1 = {{75, 75, 5370, 210}, ""};
    Label3 = {{5490, 100, 140, 135}, ""};
    Label4 = {{5730, 100, 135, 135}, ""};
    Label5 = captionLabel(480, "Funds");
    Label6 = captionLabel(720, "Forwarding Bank Accounts");
    Label7 = captionLabel(960, "Holding Bank Accounts");
    Label8 = captionLabel(1200, "Personal Debt");
    Label13 = captionLabel(1440, "Funds in Bank");
    Label9 = valueLabel(480);
    Label11 = valueLabel(720);
    Label10 = valueLabel(960);
    Label12 = valueLabel(1200);
    Label14 = valueLabel(1440);
    Label2 = {{120, 2280, 5775, kLabelHeight}, "Vulnerable Servers"};
    Command4 = button(120, 1680, "Save Game");
    Command5 = button(1290, 1680, "Load Game");
    Command3 = button(2460, 1680, "Finances");
    Command6 = button(3630, 1680, "Skip Day");
    Command7 = button(4800, 1680, "Other");
    Command1 = button(120, 4080, "Connect");
    Command2 = button(4800, 4080, "Items");
    for (Button* b : {&Command1, &Command3, &Command4, &Command5, &Command6, &Command7})
        b->Enabled = false;
    ListView1.rect = {120, 2400, 5775, 1575};
    ListView2.rect = ListView1.rect;
    ListView2.Visible = false;
    Picture1.rect = {1260, 4050, 3435, 315};
}

void frmRara::ShowFinished(bool finished)
{
    for (Button* b : {&Command1, &Command3, &Command4, &Command6})
        b->Enabled = !finished;
    // A finished game takes no more payments and buys and sells no more.
    for (WindowKind kind : {WindowKind::Terminal, WindowKind::Shop})
        if (Window* window = game().find(kind); window && finished)
            game().unload(*window);
}

void frmRara::SetUpColumns()
{
    ListView1.columns = {{"Server Name", "ServerNames", 0.5},
                         {"Host", "Host", 0.3},
                         {"Vuln", "Vuln", 0.16}};
}

void frmRara::ListServers()
{
    Game& g = game();
    ListView1.items.clear();
    ListView1.selected = 0;
    int n = 1;
    for (int i = 1; i <= kWorldSize; ++i) {
        const ServerRecord& server = g.state.Server[i];
        if (server.Name.empty())
            break;
        if (static_cast<int>(std::floor(3 * g.RandomUniform())) + 1 != 1)
            continue;
        const std::string number = std::to_string(n);
        ListView1.items.push_back({"server" + number,
                                   server.Name,
                                   {{"host" + number, server.Address},
                                    {"vulnt" + number, std::to_string(server.Vulnerability)}}});
        ++n;
    }
    Label2.Caption = "Vulnerable Servers - Total: " + std::to_string(n - 1);
    SelectedServer = 0;
    if (!ListView1.items.empty()) {
        ListView1.selected = 1;
        SelectedServer = static_cast<std::int16_t>(g.FindServer(ListView1.items[0].text).value_or(0));
    }
}

std::string frmRara::StatusLine(bool withDays) const
{
    const GameState& s = game().state;
    const std::string alias = UpperFirst(s.Alias);
    if (withDays && s.DayCount == kFinalDay)
        return alias + " on FINAL day";
    return alias + " on day " + NumberText(s.DayCount) + (withDays ? " out of 30" : "");
}

void frmRara::Form_Activate()
{
    Picture = game().state.Skin["main.jpg"];
    Picture1.Picture = game().state.Skin["mview.jpg"];
}

void frmRara::Form_Unload()
{
    game().DrawStatus();
}

void frmRara::Form_QueryUnload() { game().EndProgram(); }

void frmRara::Command6_Click() { game().EndDay(); }

void frmRara::Label1_MouseDown() { game().platform().dragWindow(*this); }

void frmRara::Label3_Click() { game().platform().minimiseWindow(*this); }

void frmRara::Label4_Click() { game().EndProgram(); }

void frmRara::ListView1_DblClick()
{
    const std::string answer = LowerCase(game().InputBox(
        "Please enter the beginning of the server name, or the entire thing.  Also, remember to "
        "include spaces.",
        "Search Server List", "Microsoft"));
    for (std::size_t k = 0; k < ListView1.items.size(); ++k) {
        if (LowerCase(ListView1.items[k].text.substr(0, answer.size())) == answer) {
            ListView1.selected = static_cast<int>(k) + 1;
            return;
        }
    }
}

void frmRara::ListView1_ItemClick(int item)
{
    // The list selects the clicked item itself before it reports the click.
    if (item >= 1 && item <= static_cast<int>(ListView1.items.size()))
        ListView1.selected = item;
    SelectedServer = 0;
    if (item >= 1 && item <= static_cast<int>(ListView1.items.size()))
        SelectedServer =
            static_cast<std::int16_t>(game().FindServer(ListView1.items[item - 1].text).value_or(0));
}

void frmRara::Picture1_Click()
{
    if (SelectedServer < 1 || SelectedServer > kServerSlots)
        return;
    const ServerRecord& server = game().state.Server[SelectedServer];
    InfoText = "Name:  " + server.Name + "     Address:  " + server.Address +
               "     Vulnerability:  " + std::to_string(server.Vulnerability);
    InfoX = toInt16(Picture1.ScaleWidth());
    if (server.NoAccess)
        InfoText += "     You do not have access to this server.";
    Timer1.Enabled = true;
}

void frmRara::Picture1_DblClick() { Timer1.Enabled = !Timer1.Enabled; }

void frmRara::Picture1_MouseMove(int button, int /*shift*/, double x, double /*y*/)
{
    if (button != 1 || InfoText.empty() || InfoX > Picture1.ScaleWidth())
        return;
    Timer1.Enabled = false;
    if (x > LastMouseX) {
        InfoX = toInt16(InfoX + 10);
        LastMouseX = toInt16(std::nearbyint(x));
    }
    if (x < LastMouseX) {
        InfoX = toInt16(InfoX - 10);
        LastMouseX = toInt16(std::nearbyint(x));
    }
    Timer1.Enabled = true;
}

void frmRara::Picture1_Paint() { Picture1.CurrentX = 5; }

void frmRara::Timer1_Timer()
{
    Game& g = game();
    Picture1.Cls();
    Picture1.CurrentX = InfoX;
    Picture1.CurrentY = 6;
    Picture1.Print(InfoText);
    InfoX = toInt16(InfoX - 2);
    if (InfoX < -g.platform().textWidth(FontRole::StatusStrip, InfoText)) {
        Timer1.Enabled = false;
        InfoText.clear();
        Picture1.Cls();
        Picture1.CurrentX = 5;
        Picture1.CurrentY = 6;
        Picture1.Print(StatusLine(false));
    }
}

} // namespace kx
