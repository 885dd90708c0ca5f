#include "frmScorelist.h"

#include "KeptFiles.h"
#include "ScoreList.h"
#include "core/Game.h"
#include "core/LongAction.h"
#include "core/Numbers.h"

namespace kx {

frmScorelist::frmScorelist(Game& game) : WindowOf(game)
{
    Label2 = {{75, 75, 4410, 210}, ""};
    Label3 = {{4530, 100, 140, 135}, ""};
    Label4 = {{4770, 100, 135, 135}, ""};
    Label1 = {{300, 420, 4350, 195}, "Top Ten Kestrix Games"};
    ListView1.rect = {300, 720, 4350, 2760};
    Command1 = {{900, 3660, 1395, 315}, "Clear List"};
    Command2 = {{2655, 3660, 1395, 315}, "Close"};
}

void frmScorelist::Form_Load()
{
    Picture = game().state.Skin["scorelist.jpg"];
    ListView1.columns = {{"Kestrix", "", 0.5}, {"Score", "", 0.47}};
    ShowScores();
    game().Show(*this);
    game().PlaySound("/sounds/clap1.wav");
}

void frmScorelist::ShowPlace(int place)
{
    ShowScores();
    ListView1.selected = place;
    game().Show(*this);
}

void frmScorelist::ShowScores()
{
    ListView1.items.clear();
    ListView1.selected = 0;
    // An empty place shows as an empty row.
    for (const auto& place : ReadScores(KeptFileToRead(game(), kScoreFileName)))
        ListView1.items.push_back(
            {"", place ? place->name : "", {{"", place ? "$" + FormatAmount(place->score) : ""}}});
}

void frmScorelist::Command1_Click()
{
    const LongAction asking(*this);
    if (game().ShowPager("Are you sure you want to purge all score data?", true) != 2 || !asking)
        return;
    const std::error_code error = WriteScores({}, KeptFileToWrite(game(), kScoreFileName));
    ShowScores();
    if (error)
        game().ShowPager(WriteFailure(kScoresNotSaved, error), false);
}

void frmScorelist::Form_QueryUnload() { game().unload(*this); }

void frmScorelist::Command2_Click() { game().unload(*this); }

void frmScorelist::Label2_MouseDown() { game().platform().dragWindow(*this); }

void frmScorelist::Label3_Click() { game().platform().minimiseWindow(*this); }

void frmScorelist::Label4_Click() { game().unload(*this); }

} // namespace kx
