#pragma once

#include "GameFixture.h"

#include "terminal/frmTerminal.h"

#include <string>
#include <vector>

namespace kxtest {

// A started game whose server list holds one known server, with helpers to
// connect to it, type into the terminal and read the transcript back.
class TerminalFixture : public GameFixture {
protected:
    static constexpr int kSlot = 7;
    static constexpr const char* kName = "Heron Freight";
    static constexpr const char* kAddress = "12.34.56.78";
    static constexpr const char* kUser = "Rook";
    static constexpr const char* kPassword = "swordfish";
    static constexpr int kEnter = 13;

    void SetUp() override;

    kx::ServerRecord& server() { return state().Server[kSlot]; }
    kx::frmTerminal& term();
    // Presses "Connect" in the main window; the server greets with `banner`.
    void connect(int banner = 10);
    // Puts `line` into the input line and presses Enter.
    void type(const std::string& line);
    // Connects and logs in by typing; the server's note is drawn as `note`.
    void logIn(int note = 8);
    // Replaces the connected server's files: each entry is name, text and
    // whether it is the payment database.
    struct File {
        std::string name, text;
        bool database = false;
    };
    void setFiles(const std::vector<File>& files);
    // Where the login stands: "D" while disconnected, "N" while the name is
    // awaited, "P" while the password is; "" once logged in.
    std::string login();

    // The stored transcript, one entry per line with its ">".
    std::vector<std::string> transcript();
    // The transcript from line `from` on as the player reads it: without the
    // ">" and with wrapped "--" pieces joined to the line they continue.
    std::vector<std::string> said(std::size_t from = 0);
    std::vector<std::string> rows();
};

} // namespace kxtest
