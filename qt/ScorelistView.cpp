#include "ScorelistView.h"

#include "Look.h"

#include <QLabel>
#include <QPushButton>

namespace kx {

ScorelistView::ScorelistView(Game& game, frmScorelist& window) : FormView(game, window)
{
    addTitleStrip(window.Label2, &frmScorelist::Label2_MouseDown);
    addMark("_", window.Label3, &frmScorelist::Label3_Click);
    addMark("x", window.Label4, &frmScorelist::Label4_Click);
    bind(&frmScorelist::Label1)->setAlignment(Qt::AlignCenter);
    // The list is only looked at; the game just ranked stands chosen in it.
    list_ = new ReportList(window.ListView1, this);
    list_->setAccessibleName("Top ten");
    list_->setFocusPolicy(Qt::NoFocus);
    buttons_ = {bind(&frmScorelist::Command1, &frmScorelist::Command1_Click),
                bind(&frmScorelist::Command2, &frmScorelist::Command2_Click)};
    // Enter closes the list; clearing it takes a deliberate Tab first.
    buttons_[1]->setFocus();
    refresh();
}

void ScorelistView::refresh()
{
    if (const frmScorelist* window = form())
        list_->sync(window->ListView1);
}

} // namespace kx
