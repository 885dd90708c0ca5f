#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What the game remembers of the game under way: every pager message with
// its answer, and each day's money with what happened that day.
namespace kx {

class Game;
struct GameState;

// The steps of a first break-in that the guide walks a newcomer through, in order.
enum class GuideStep { Connect = 1, LogIn, ReadLimit, Pay, NextDay, Save };
inline constexpr int kGuideSteps = 6;

struct PagerRecord {
    int Day = 0;
    std::string Text;
    std::string Answer; // the caption of the button pressed
    bool operator==(const PagerRecord&) const = default;
};

struct LedgerDay {
    int Day = 0;
    float Cash = 0, Debt = 0, Bank = 0; // as the day ended, or as they stand today
    std::vector<std::string> Events; // in the order they happened
    bool operator==(const LedgerDay&) const = default;
};

// The log keeps the newest messages; a day keeps its first events.
inline constexpr std::size_t kMessagesKept = 500;
inline constexpr std::size_t kEventsKept = 100;

// Forgets the records of the game before: a new game starts with none.
void ClearRecords(GameState& s);
// Keeps a message with its answer under today's day.
void RecordMessage(GameState& s, const std::string& text, const std::string& answer);
// Today's row takes the money as it stands.
void NoteFigures(GameState& s);
// Adds what happened to today's row.
void NoteEvent(GameState& s, const std::string& event);
// The player has just done a step of the guide: it stays ticked until a new
// game starts the checklist again, and the windows showing it follow.
void TickGuide(Game& game, GuideStep step);
// The first step not yet ticked; past the last when all are.
int CurrentGuideStep(const GameState& s);
// The opening words of a text, with "..." when there is more.
std::string FirstWords(const std::string& text, std::size_t words);

} // namespace kx
