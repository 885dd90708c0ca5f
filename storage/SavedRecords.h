#pragma once

#include "core/Records.h"

#include <optional>
#include <string>
#include <vector>

namespace kx {

// A number as a saved game keeps it; nothing for a text that is not a number
// a game can hold.
std::optional<float> SavedNumber(const std::string& text);

// The game's records as one value each of a saved game's section: scrambled
// like every saved value, and every byte that would end the line, the entry
// or the section written as "%" and two hex digits, so that a reader of the
// other entries passes over them.
std::string MessagesValue(const std::vector<PagerRecord>& log);
std::string LedgerValue(const std::vector<LedgerDay>& ledger);
// The records a value holds: a record that cannot be read is left out, and a
// value that is not one of ours holds none.
std::vector<PagerRecord> ReadMessages(const std::string& value);
std::vector<LedgerDay> ReadLedger(const std::string& value);

} // namespace kx
