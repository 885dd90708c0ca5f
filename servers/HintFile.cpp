#include "FilePieces.h"

#include "core/Game.h"
#include "core/Numbers.h"

#include <array>
#include <string_view>

namespace kx {

namespace {

// Draw 20 is a numbered news letter.
constexpr std::array<std::string_view, 19> kHintNames = {
    "payment.txt", "payroll.asc", "maxpay.txt", "control.txt", "check.ulr", "tamper.txt",
    "list1.rxd", "readme.ulr", "random.txt", "highprice.pad", "notebook.asc", "call.asc",
    "company.txt", "cashlog.log", "expenses.txt", "+expenselist.lis", "treeview.crl",
    "maxpay.rpf", "consumer.rpf",
};

std::string hintFileName(Game& game)
{
    const int draw = game.Random(20);
    if (draw == 20)
        return "employee_news_letter" + std::to_string(game.Random(10)) + ".rpf";
    return std::string(kHintNames[draw - 1]);
}

// Every kind lets the server's payment limit slip, some only as a fraction of it.
std::string hintText(Game& game, int kind, int limit)
{
    const std::string m = std::to_string(limit);
    switch (kind) {
    case 1:
    case 2:
    case 3: {
        const std::string company = game.state.Server[game.Random(99)].Name;
        return "Check sent to " + company + " for " + m + " U.S. dollars.";
    }
    case 4:
        return "Our current maximum payroll is $" + m +
               ".  This was mostly sent to our holder.  The second most was only half as much.  "
               "Don't worry, we can get 1.0565 percent of it back :D";
    case 5:
        return "Payment list\xFF$" + m + "*\xFF$325\xFF$760\xFF" + NumberText(limit * 0.25);
    case 6:
        return "Max payment = $" + m;
    case 7:
        return "Current max payment is $" + m;
    case 8:
        return game.platform().dateText() + "-Any outgoing payments over " + m +
               " will need to be approved of sending.";
    case 9:
        return game.state.Alias + ",\xFFserver payments must be around " + m +
               " if you don't want to get caught :]  take the advice for free.\xFF" +
               files::blanks(14) + "-your buddy, tavrik";
    default: // 10
        return "Outgoing payments were " + NumberText(limit * 0.25) + " and " +
               NumberText(limit * 0.75) + ".  They both went to the same company on the same day.";
    }
}

} // namespace

std::string MakeHintFile(Game& game, int slot)
{
    const int kind = game.Random(10);
    files::nameFile(game.state, slot, hintFileName(game));
    const ServerRecord* server = game.ConnectedServerOrNull();
    return server ? hintText(game, kind, server->MaxPayment) : std::string();
}

} // namespace kx
