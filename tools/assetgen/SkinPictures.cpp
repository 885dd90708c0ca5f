#include "SkinPictures.h"

#include "WindowSkins.h"

namespace kx::art {

const std::array<SkinPicture, 11> skinPictures{{
    {"main.jpg", mainPicture},
    {"mview.jpg", mainStripPicture},
    {"servback.jpg", terminalPicture},
    {"popup.jpg", pagerPicture},
    {"pview.jpg", pagerStripPicture},
    {"finance.jpg", financePicture},
    {"shop.jpg", shopPicture},
    {"scorelist.jpg", scorelistPicture},
    {"messages.jpg", messagesPicture},
    {"ledger.jpg", ledgerPicture},
    {"guide.jpg", guidePicture},
}};

}
