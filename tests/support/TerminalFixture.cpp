#include "TerminalFixture.h"

namespace kxtest {

void TerminalFixture::SetUp()
{
    startGame();
    server() = {.Name = "Heron Freight", .Address = "12.34.56.78", .Vulnerability = 4,
                .MaxPayment = 1500, .UserName = kUser, .Password = kPassword};
    listOnly({kSlot});
}

void TerminalFixture::logIn()
{
    connect();
    type(kUser);
    random.pushRandom(10, 8);
    type(kPassword);
    ASSERT_EQ(login(), "") << "the login did not complete";
}

void TerminalFixture::setFiles(const std::vector<File>& files)
{
    state().ServerFiles = {};
    for (std::size_t i = 0; i < files.size(); ++i)
        state().ServerFiles.at(i + 1) = {.Text = files[i].text, .Name = files[i].name,
                                         .IsPaymentDatabase = files[i].database};
    state().FileCount = static_cast<float>(files.size());
}

std::vector<std::string> TerminalFixture::said(std::size_t from)
{
    std::vector<std::string> lines;
    const std::vector<std::string> stored = transcript();
    for (std::size_t i = from; i < stored.size(); ++i)
        if (stored[i].starts_with(">--") && i > from)
            lines.back() += stored[i].substr(3);
        else
            lines.push_back(stored[i].substr(1));
    return lines;
}

std::vector<std::string> TerminalFixture::rows()
{
    std::vector<std::string> captions;
    for (const auto& row : term().Term)
        captions.push_back(row.Caption);
    return captions;
}

} // namespace kxtest
