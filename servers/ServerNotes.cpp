#include "FilePieces.h"
#include "ServerFiles.h"

#include "core/Game.h"
#include "core/Numbers.h"

namespace kx {

namespace {

std::string checkSentNote(Game& game, int limit)
{
    const std::string writer = game.RandomFirstName();
    const std::string first = game.RandomFirstName();
    const std::string last = game.RandomLastName();
    const std::string signature = game.RandomFirstName();
    return "Hey " + writer +
           ",\xFF     I updated some of the files on our network.  If you see the rest of the "
           "workers here, tell them.  Also, I just sent out a check to " + first + " " + last +
           " worth " + std::to_string(limit) +
           " dollars for some things that were completed/added on the network.\xFF\xFF" +
           files::blanks(39) + "-" + signature;
}

std::string withheldPaymentsNote(int limit)
{
    return "All network workers-\xFF" "All payments will be withheld for one week, then sent out "
           "all on one day.  Only payments above " + std::to_string(limit) +
           " U.S. doallars will be examined and signed, the rest don't need to be.  Also, due to "
           "server security  problems, please only send payments to people if they request it.  "
           "Otherwise, just send an email that states the delay.  Thanks :]";
}

std::string bossNote(Game& game, const std::string& company)
{
    const std::string file = PickServerFile(game);
    const std::string signature = game.RandomFirstName();
    return "Welcome to the " + company + " network server.\xFFThe file titled " + file +
           " contains the highest payment to our current holder.  Please do not tamper with any "
           "checks being sent to the holder.  We've lost enough money from database errors as it "
           "is.\xFF" + files::blanks(17) + "-Your Boss\xFF" + files::blanks(19) + signature;
}

std::string dontEditNote(Game& game)
{
    const std::string reader = LowerCase(game.RandomFirstName());
    const std::string file = PickServerFile(game);
    const std::string colleague = game.RandomFirstName();
    return reader + ", don't edit the file " + file +
           ", it's charges were just updated last night.  i trust you and " + colleague +
           " will be able to hold back.";
}

std::string recentUpdatesNote(Game& game)
{
    std::string note = "Recent File Updates:";
    for (int i = 0; i < 4; ++i)
        note += "\xFF" + PickServerFile(game);
    return note;
}

std::string reconnectNote(Game& game)
{
    const int minutes = game.Random(30);
    const std::string writer = game.RandomFirstName();
    const int floor = game.Random(9);
    const int office = game.Random(300);
    return "Connection completed successfully.  The server has been having problems lately :[  "
           "You should reconnect after about " + std::to_string(minutes) +
           " minutes, you might need to reboot too if the server doesn't close down correctly.  "
           "If you have a problem, knock on my door.\xFF  " + writer + " [Floor " +
           std::to_string(floor) + ", Office #" + std::to_string(office) + "]";
}

std::string welcomeBackNote(Game& game)
{
    const std::string reader = game.RandomFirstName();
    const std::string colleague = game.RandomFirstName();
    return "Welcome back " + reader +
           ",\xFF  I sent you an email while you were gone, it should be saved there unless " +
           colleague + " was using your computer again.";
}

} // namespace

std::string ServerNote(Game& game)
{
    const int kind = game.Random(10);
    const ServerRecord* server = game.ConnectedServerOrNull();
    switch (kind) {
    case 1: return server ? checkSentNote(game, server->MaxPayment) : std::string();
    case 2: return server ? withheldPaymentsNote(server->MaxPayment) : std::string();
    case 3: return server ? bossNote(game, server->Name) : std::string();
    case 4: return dontEditNote(game);
    case 5: return recentUpdatesNote(game);
    case 6: return reconnectNote(game);
    case 7: return welcomeBackNote(game);
    case 8: return server ? "-=" + server->Name + " Server=-" : std::string();
    case 9: return server ? server->Name + " Main Server welcomes all employees." : std::string();
    default: // 10
        return game.RandomFirstName() +
               ", why do you keep connecting so much?  It slows our server down when you fool "
               "around with your name and password :\\";
    }
}

} // namespace kx
