#include "core/Game.h"
#include "frmTerminal.h"

#include <array>
#include <string_view>

namespace kx {

namespace {

using Picture = std::array<std::string_view, 5>;

// "Welcome" in letters of lines and slashes.
constexpr Picture kWelcomeLines = {
    "  __    __     _",
    " / / /\\ \\ \\___| | ___ ___  _ __ ___   ___",
    " \\ \\/  \\/ / _ \\ |/ __/ _ \\| '_ ` _ \\ / _ \\",
    "  \\  /\\  /  __/ | (_| (_) | | | | | |  __/",
    "   \\/  \\/ \\___|_|\\___\\___/|_| |_| |_|\\___|",
};

// "hello" and "welcome" in semicolons, commas and acute accents.
constexpr Picture kHelloDots = {
    ";;              ;;  ;;",
    ";;,,,    ,,,,   ;;  ;;   ,,,,",
    ";;  ;;  ;;,,;;  ;;  ;;  ;;  ;;",
    ";;  ;;  ;;      ;;  ;;  ;;  ;;",
    ";;  ;;  \xB4;,,;\xB4  ;;  ;;  \xB4;,,;\xB4",
};

constexpr Picture kWelcomeDots = {
    ";   ;  ;;;;  ;     ;\xB4\xB4;  ;\xB4\xB4; ;\xB4;,,  ;;;;",
    ";   ;  ;     ;     ;     ;  ; ; ; ;  ;",
    "; ; ;  ;;    ;     ;     ;  ; ; \xB4 ;  ;;",
    "; ; ;  ;  ;  ;  ;  ;  ;  ;  ; ;   ;  ;  ;",
    ";,;,\xB4  ;,;\xB4  ;,;\xB4  ;,;\xB4  ;,,; ;   ;  ;,;\xB4",
};

std::string joined(const Picture& picture)
{
    std::string text;
    for (std::string_view line : picture)
        text += std::string(line) + kLineBreak;
    return text;
}

} // namespace

std::string frmTerminal::WelcomeBanner()
{
    Game& g = game();
    const std::string br(1, kLineBreak);
    const std::string& name = g.state.CurrentServerName;
    const std::string time = g.platform().timeText();
    switch (g.Random(10)) {
    case 1:
        return "Welcome to the " + name + " network server.  You have been logged at " + time +
               " on " + g.platform().dateText() + ".  Please enter a user name and password.";
    case 2:
        return "IP not recognized." + br +
               "Please login with the guestname and password given to you by the server "
               "administrators." +
               br + "~" + name + " access bot [" + time + "]";
    case 3: {
        std::string padded = name;
        if (padded.size() < 50)
            padded.resize(50, ' ');
        return padded + "Welcome, please enter your user name and password.";
    }
    case 4:
        return joined(kWelcomeLines) + br + "Please enter a user name and password.";
    case 5:
        return joined(kHelloDots) + br + "    Hello.  Please log in.";
    case 6:
        return joined(kWelcomeDots) + br;
    case 7: {
        const std::string first = g.RandomFirstName();
        const std::string last = g.RandomLastName();
        return "Authorization required.  Enter your member name and password to gain access to "
               "the " +
               name + " Network Server.  Programmed by " + first + " " + last + "." + br + "[" +
               time + "]";
    }
    case 8: {
        const std::string first = g.RandomFirstName();
        const std::string last = g.RandomLastName();
        return "User;" + br +
               "     The following server provides files and documents that may be damaging to "
               "your computer.  If you enter in as a guest, then please do not copy any files to "
               "your hard drive.  If you do, and they damage your computer, " +
               name + " nor " + first + " " + last +
               "[Head Server Database Engineer] will be accountable for any harm.  Thank you.";
    }
    case 9:
        return "User name and password required.  Your IP address has been recorded at " + time +
               ".  If after three attempts you fail to login, your default email address saved on "
               "the server will recieve an email of the error with this IP address.  This is to "
               "insure that the login is the real person.";
    default:
        return "You are connected to a high security server.  Please enter your name and "
               "password, or enter both the name and password as 'default' if you want the "
               "server to access your files and input your saved name and password.";
    }
}

} // namespace kx
