#include "FilePieces.h"
#include "OrdinaryFileTexts.h"
#include "ProgramBytes.h"

#include "core/Game.h"

#include <string_view>

namespace kx {

namespace {

std::string stemWith(Game& game, std::string_view ending)
{
    return RandomFileStem(game) + std::string(ending);
}

std::string stemAndLetters(Game& game)
{
    const std::string stem = RandomFileStem(game);
    return stem + "." + files::threeLetters(game);
}

std::string withLetters(std::string_view word, Game& game)
{
    return std::string(word) + files::threeLetters(game);
}

std::string mailName(Game& game)
{
    return "saved_mail" + std::to_string(game.Random(999)) + ".smf";
}

std::string fileName(Game& game, int kind)
{
    switch (kind) {
    case 1: case 14: case 22: case 23: case 24: case 25: return stemAndLetters(game);
    case 2: case 15: return stemWith(game, ".exe");
    case 3: return withLetters("price.", game);
    case 4: case 5: case 6: case 7: return mailName(game);
    case 8: return "finances.lis";
    case 9: return withLetters("log1.", game);
    case 10: return withLetters("log2.", game);
    case 11: return withLetters("log3.", game);
    case 12: return "trace.exe";
    case 13: return "trace.prj";
    case 16: return "readme.now";
    case 17: return "ibmaptiva.log";
    case 18: return "create.msg";
    case 19: return "groove.plg";
    case 20: return "category.lis";
    default: return "warrenty.txt"; // 21
    }
}

std::string dataBaseEntry(Game& game)
{
    const ServerRecord* server = game.ConnectedServerOrNull();
    if (!server)
        return {};
    const std::string date = game.platform().dateText();
    const std::string company = game.state.Server[game.Random(50)].Name;
    return "Data Base Entry: " + date + "\xFF" "Check sent to " + company + " for " +
           std::to_string(server->MaxPayment) + " for services rendered.";
}

std::string paymentsListed(Game& game)
{
    return "All payments up to " + game.platform().dateText() +
           " listed:\xFF" "1.  area\xFF" "2.  computer upgrade\xFF" "3.  technical support\xFF"
           "4.  software [$1,200!]\xFFThe software seems to be a big problem, but our funds should "
           "be lessened since we don't need to buy much more.";
}

std::string negativesMail(Game& game)
{
    const std::string sender = game.RandomFirstName();
    const std::string signature = game.RandomFirstName();
    return sender + ",\xFF  what do you mean no evidence?  you still have the negatives of him "
                    "with no clothes on don't you?\xFF" + signature;
}

std::string sentMessage(Game& game)
{
    return "message sent to *********@*****.*** on 9/23/00\xFFhey, do you still want to come over "
           "my place and fool around a little?\xFF" + game.RandomFirstName();
}

std::string connectionLog(const std::string& server)
{
    static constexpr const char* kTimes[] = {"3:04:24", "3:04:52", "3:05:31", "3:05:44",
                                             "3:06:10", "3:06:14", "3:06:35"};
    std::string log;
    for (const char* time : kTimes)
        log += "Connection to " + server + " at " + time + "\xFF";
    return log;
}

std::string folderWarning(Game& game)
{
    return files::texts::kMyFolder + ("\xFF" + files::blanks(13)) + "-" + game.RandomFirstName();
}

std::string fileText(Game& game, int kind)
{
    namespace t = files::texts;
    switch (kind) {
    case 1: return dataBaseEntry(game);
    case 2: return std::string(files::programBlockA());
    case 3: return paymentsListed(game);
    case 4: return negativesMail(game);
    case 5: return sentMessage(game);
    case 6: return t::kPiratedFilesMail;
    case 7: return t::kTestMail;
    case 8: return t::kFinanceList;
    case 9: return game.platform().dateText() + "/No connections";
    case 10: return connectionLog(game.state.CurrentServerName);
    case 11: return "System Failure.";
    case 12: case 15: return std::string(files::programBlockB());
    case 13: return t::kTraceProgram;
    case 14: return "Error";
    case 16: return folderWarning(game);
    case 17: return "IBM Aptiva Log for " + game.platform().dateText() + t::kVirusScan;
    case 18: return t::kCreateUserName;
    case 19: return t::kGroovePlugin;
    case 20: return "Category Undefined.";
    case 21: return t::kWarranty;
    case 22: return t::kAddress;
    case 23: return t::kTemporaryAccess;
    case 24: return t::kImageFile;
    default: return t::kTavrikBanner; // 25
    }
}

} // namespace

std::string MakeOrdinaryFile(Game& game, int slot)
{
    const int kind = game.Random(25);
    files::nameFile(game.state, slot, fileName(game, kind));
    return fileText(game, kind);
}

} // namespace kx
