#pragma once

#include "Records.h"
#include "SkinTable.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kx {

inline constexpr int kServerSlots = 150;
inline constexpr int kWorldSize = 100;
inline constexpr int kItemSlots = 11;
inline constexpr int kPoolSize = 100;
inline constexpr int kFinalDay = 30;
inline constexpr int kFileSlots = 10;
inline constexpr char kLineBreak = '\xFF'; // separates the lines of a game text

// Tables are numbered from 1 as the game counts them; element 0 is unused.
template <typename T, int N>
using Slots = std::array<T, N + 1>;

struct ServerRecord {
    std::string Name; // the company; empty marks a free slot
    std::string Address; // host address, four numbers joined by "."
    std::int16_t Vulnerability = 0; // 1 to 10, the higher the easier
    std::int16_t MaxPayment = 0; // largest payment sent without approval
    std::string UserName;
    std::string Password;
    bool NoAccess = false; // the player is blocked from this server for good
};

// A file on the connected server.
struct ServerFile {
    std::int16_t Reserved = 0; // set to 0 for every generated file; nothing reads it
    std::string Text; // what "read" prints
    std::string Name; // what "dir" lists
    bool IsHintFile = false; // its text betrays the server's payment limit
    bool IsPaymentDatabase = false; // the file a payment is written to
};

// The store every window and procedure reads and writes.
struct GameState {
    // The player.
    std::string Alias; // empty until a game has started
    float Funds = 0;
    float Debt = 0;
    float BankFunds = 0;
    float DayCount = 0;
    bool Finished = false; // the final day has ended: the game is ranked and changes no more
    Slots<float, kItemSlots> Items{}; // 1 forwarding accounts, 2 holding accounts, 3-10 equipment
    float EquipmentRating = 0;
    float FavourServer = 0; // server a pager character asked to break into; 0 = none
    float FavourReward = 0;
    bool SoundOn = false;
    std::string SkinFolder;
    SkinTable Skin; // the skin's pictures, which the windows take

    // The world.
    Slots<ServerRecord, kServerSlots> Server{};
    Slots<std::string, kPoolSize> UserNamePool{};
    Slots<std::string, kPoolSize> PasswordPool{};

    // The terminal and the connected server.
    float ServerIndex = 0; // the server being connected to
    std::string CurrentServerName;
    bool AwaitingName = false;
    bool AwaitingPassword = false;
    bool Disconnected = false;
    std::vector<std::string> TermLines; // the transcript, every line starting with ">"
    float TermLineCount = 0;
    Slots<ServerFile, kFileSlots> ServerFiles{};
    float FileCount = 0;

    // The shop, for the visit under way: cleared when its window opens and closes.
    struct CatalogueRecord {
        std::string Name;
        float Number = 0; // the item, 1 to 11
    };
    std::vector<CatalogueRecord> ItemCatalogue; // one record per draw, in draw order
    Slots<float, kItemSlots> ShopStock{};
    Slots<float, kItemSlots> ItemPrice{}; // whole dollars, for buying and selling alike

    // The pager.
    std::string PagerText;
    double PagerScroll = 0; // x of the text inside the pager strip
    float PagerAnswer = 0; // 1 "Okay", 2 "Yes", 3 "No"

    // The game's records: its messages, oldest first, and a row per day.
    std::vector<PagerRecord> PagerLog;
    std::vector<LedgerDay> Ledger;
    // The guide: whether the player wants it shown, and the steps done.
    bool GuideOn = false;
    Slots<bool, kGuideSteps> GuideTicks{};
};

} // namespace kx
