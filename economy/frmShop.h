#pragma once

#include "core/Controls.h"
#include "core/Window.h"

namespace kx {

// The shop some pager messages open: today's offers, the player's items, and
// buying and selling at this visit's prices.  Not modal.
class frmShop final : public WindowOf<WindowKind::Shop> {
public:
    explicit frmShop(Game& game);

    std::string Caption() const override { return "Buy/Sell Items"; }
    Rect Frame() const override { return {0, 0, 7215, 4515}; }

    ListView ListView1; // the shop's offers, one entry per item in stock
    ListView ListView2; // the player's items, one entry per item held
    Label Label1; // "Item Information:"
    Label Label2, Label3, Label4; // name, stock and price of the offer clicked
    Label Label5; // "Owned Item Information:"
    Label Label6, Label7; // name and amount held of the owned item clicked
    Button Command1; // "Buy Item"
    Button Command2; // "Sell Item"
    PictureBox Picture1, Picture2; // the side pictures
    Label Label8; // title strip: drags the window
    Label Label9; // corner mark: closes the window
    Label Label10; // corner mark: minimises the window

    // Stocks the shop afresh and fills both lists and panels.
    void Form_Load();
    void Form_Unload() override;
    void Form_QueryUnload();
    void Command1_Click();
    void Command2_Click();
    void ListView1_ItemClick(int item);
    void ListView2_ItemClick(int item);
    void Label8_MouseDown();
    void Label9_Click();
    void Label10_Click();

private:
    void FillLists();
    void ShowOffer(const std::string& name);
    void ShowOwned(const std::string& name);
    // The text of the list's selected entry, or "" when none is selected.
    static std::string SelectedText(const ListView& list);
};

} // namespace kx
