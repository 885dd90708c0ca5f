#include "SavedRecords.h"

#include "Scramble.h"
#include "core/GameState.h"
#include "core/Numbers.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>

namespace kx {

namespace {

using Fields = std::vector<std::string>;

const char* const kScrambleKey = "qelvun";
constexpr char kRecordEnd = '\x1e';
constexpr char kFieldEnd = '\x1f';
// No game comes near this much money, and a value this large still leaves
// room below a float's limit for thirty days of interest.
constexpr double kLargestSaved = 1e15;

// What a line of the file cannot hold, and what would split a record's fields.
bool endsALine(unsigned char c) { return c <= ' ' || c == '%' || c == '=' || c == '[' || c == ']'; }
bool splitsAField(unsigned char c) { return c == '%' || c == kRecordEnd || c == kFieldEnd; }

// The bytes with those `mustEscape` picks written as "%" and two hex digits.
std::string escaped(const std::string& bytes, bool (*mustEscape)(unsigned char))
{
    static constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char c : bytes) {
        if (mustEscape(c))
            out += {'%', kHex[c >> 4], kHex[c & 15]};
        else
            out += static_cast<char>(c);
    }
    return out;
}

std::optional<std::string> unescaped(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const std::string digits = text.substr(i + 1, 2);
        unsigned byte = 0;
        if (digits.size() != 2 || digits.find_first_not_of("0123456789ABCDEF") != std::string::npos)
            return std::nullopt;
        std::from_chars(digits.data(), digits.data() + 2, byte, 16);
        out += static_cast<char>(byte);
        i += 2;
    }
    return out;
}

std::string value(const std::vector<Fields>& records)
{
    std::string plain;
    for (const Fields& record : records) {
        for (const std::string& text : record)
            plain += escaped(text, splitsAField) + kFieldEnd;
        plain += kRecordEnd;
    }
    return escaped(Scramble(plain, kScrambleKey, true), endsALine);
}

std::vector<Fields> records(const std::string& value)
{
    const std::optional<std::string> scrambled = unescaped(value);
    std::vector<Fields> out;
    if (!scrambled)
        return out;
    Fields record;
    std::string text;
    bool whole = true; // every field of the record reads back
    for (const char c : Scramble(*scrambled, kScrambleKey, false)) {
        if (c == kFieldEnd) {
            const std::optional<std::string> field = unescaped(std::exchange(text, {}));
            whole = whole && field;
            record.push_back(field.value_or(""));
        } else if (c == kRecordEnd) {
            if (whole && text.empty())
                out.push_back(std::move(record));
            record.clear();
            text.clear();
            whole = true;
        } else {
            text += c;
        }
    }
    return out;
}

std::optional<int> savedDay(const std::string& text)
{
    const std::optional<float> day = SavedNumber(text);
    if (!day || *day < 1 || *day > kFinalDay || *day != std::floor(*day))
        return std::nullopt;
    return static_cast<int>(*day);
}

} // namespace

std::optional<float> SavedNumber(const std::string& text)
{
    const std::optional<double> value = ReadNumberText(text);
    if (!value || !(std::fabs(*value) <= kLargestSaved))
        return std::nullopt;
    return static_cast<float>(*value);
}

std::string MessagesValue(const std::vector<PagerRecord>& log)
{
    std::vector<Fields> out;
    for (const PagerRecord& record : log)
        out.push_back({NumberText(record.Day), record.Answer, record.Text});
    return value(out);
}

std::string LedgerValue(const std::vector<LedgerDay>& ledger)
{
    std::vector<Fields> out;
    for (const LedgerDay& day : ledger) {
        Fields record{NumberText(day.Day), NumberText(day.Cash), NumberText(day.Debt), NumberText(day.Bank)};
        record.insert(record.end(), day.Events.begin(), day.Events.end());
        out.push_back(std::move(record));
    }
    return value(out);
}

std::vector<PagerRecord> ReadMessages(const std::string& value)
{
    std::vector<PagerRecord> log;
    for (const Fields& record : records(value)) {
        const std::optional<int> day = record.size() == 3 ? savedDay(record[0]) : std::nullopt;
        if (day)
            log.push_back({*day, record[2], record[1]});
    }
    if (log.size() > kMessagesKept)
        log.erase(log.begin(), log.end() - kMessagesKept);
    return log;
}

std::vector<LedgerDay> ReadLedger(const std::string& value)
{
    std::vector<LedgerDay> ledger;
    for (const Fields& record : records(value)) {
        if (record.size() < 4 || record.size() > 4 + kEventsKept)
            continue;
        const std::optional<int> day = savedDay(record[0]);
        const std::optional<float> cash = SavedNumber(record[1]), debt = SavedNumber(record[2]),
                                   bank = SavedNumber(record[3]);
        // Days follow each other upwards; a row out of order is not the game's.
        if (!day || !cash || !debt || !bank || (!ledger.empty() && *day <= ledger.back().Day))
            continue;
        ledger.push_back({*day, *cash, *debt, *bank, Fields(record.begin() + 4, record.end())});
    }
    return ledger;
}

} // namespace kx
