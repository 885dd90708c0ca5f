#pragma once

#include "GameFixture.h"

namespace kxtest {

// A started game whose server list holds one known server, Heron Freight at
// 12.34.56.78, with helpers to connect to it, type into the terminal and read
// the transcript back.
class TerminalFixture : public GameFixture {
protected:
    static constexpr int kSlot = 7;
    static constexpr const char* kUser = "Rook";
    static constexpr const char* kPassword = "swordfish";
    struct File { std::string name, text; bool database = false; };

    void SetUp() override;
    kx::ServerRecord& server() { return state().Server[kSlot]; }
    kx::frmTerminal& term() { return window<kx::frmTerminal>(); }
    // Presses "Connect" in the main window; the server greets with `banner`.
    void connect(int banner = 10)
    {
        random.pushRandom(10, banner);
        run([&] { rara().Command1_Click(); });
    }
    // Puts `line` into the input line and presses Enter.
    void type(const std::string& line)
    {
        term().Text1.Text = line;
        run([&] { term().Text1_KeyPress(13); });
    }
    // Connects and logs in by typing; the server's note is "-=Heron Freight Server=-".
    void logIn();
    // Replaces the connected server's files.
    void setFiles(const std::vector<File>& files);
    // Where the login stands: "D" while disconnected, "N" while the name is
    // awaited, "P" while the password is; "" once logged in.
    std::string login()
    {
        const kx::GameState& s = state();
        return std::string(s.Disconnected ? "D" : "") + (s.AwaitingName ? "N" : "") +
               (s.AwaitingPassword ? "P" : "");
    }
    // The stored transcript, one entry per line with its ">".
    std::vector<std::string> transcript()
    {
        const auto& lines = state().TermLines;
        return {lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(state().TermLineCount)};
    }
    // The transcript from line `from` on as the player reads it: without the
    // ">" and with wrapped "--" pieces joined to the line they continue.
    std::vector<std::string> said(std::size_t from = 0);
    std::vector<std::string> rows(); // the captions of the terminal's rows
};

} // namespace kxtest
