#include "TerminalFixture.h"

#include <stdexcept>

namespace kxtest {

void TerminalFixture::SetUp()
{
    startGame();
    kx::ServerRecord& s = server();
    s.Name = kName;
    s.Address = kAddress;
    s.UserName = kUser;
    s.Password = kPassword;
    s.Vulnerability = 4;
    s.MaxPayment = 1500;
    s.NoAccess = false;
    listOnly({kSlot});
    platform.clearRecords();
}

kx::frmTerminal& TerminalFixture::term()
{
    kx::frmTerminal* window = terminalWindow();
    if (!window)
        throw std::logic_error("the terminal is not loaded");
    return *window;
}

void TerminalFixture::connect(int banner)
{
    random.pushRandom(10, banner);
    run([&] { rara().Command1_Click(); });
}

void TerminalFixture::type(const std::string& line)
{
    term().Text1.Text = line;
    run([&] { term().Text1_KeyPress(kEnter); });
}

void TerminalFixture::logIn(int note)
{
    connect();
    type(kUser);
    random.pushRandom(10, note);
    type(kPassword);
    ASSERT_EQ(login(), "") << "the login did not complete";
}

std::string TerminalFixture::login()
{
    const kx::GameState& s = state();
    return std::string(s.Disconnected ? "D" : "") + (s.AwaitingName ? "N" : "") +
           (s.AwaitingPassword ? "P" : "");
}

void TerminalFixture::setFiles(const std::vector<File>& files)
{
    state().ServerFiles = {};
    int slot = 0;
    for (const File& f : files) {
        kx::ServerFile& file = state().ServerFiles.at(++slot);
        file.Name = f.name;
        file.Text = f.text;
        file.IsPaymentDatabase = f.database;
    }
    state().FileCount = static_cast<float>(slot);
}

std::vector<std::string> TerminalFixture::transcript()
{
    const auto count = static_cast<std::size_t>(state().TermLineCount);
    if (count > state().TermLines.size())
        throw std::logic_error("TermLineCount runs past TermLines");
    return {state().TermLines.begin(), state().TermLines.begin() + static_cast<std::ptrdiff_t>(count)};
}

std::vector<std::string> TerminalFixture::said(std::size_t from)
{
    std::vector<std::string> lines;
    const std::vector<std::string> stored = transcript();
    for (std::size_t i = from; i < stored.size(); ++i) {
        const std::string& line = stored[i];
        if (line.empty() || line[0] != '>')
            throw std::logic_error("a stored line without its \">\": " + line);
        if (line.starts_with(">--") && !lines.empty() && i > from)
            lines.back() += line.substr(3);
        else
            lines.push_back(line.substr(1));
    }
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
