#include "servers/FilePieces.h"
#include "support/TerminalFixture.h"
#include "tools/sim/Clues.h"
#include "tools/sim/Player.h"

#include <optional>

namespace {

// What the simulator's players make of a file typed "read 1" on a logged-in
// terminal, from the screen as it prints it.  The limit is 1201, a quarter of
// which has a fraction.
class LimitReading : public kxtest::TerminalFixture {
protected:
    void SetUp() override
    {
        TerminalFixture::SetUp();
        logIn();
        server().MaxPayment = 1201;
    }
    std::optional<double> readBack(const std::string& text)
    {
        setFiles({{"file.txt", text}});
        const auto from = static_cast<std::ptrdiff_t>(transcript().size());
        type("read 1");
        const std::vector<std::string> stored = transcript();
        return kxsim::ReadLimit(kxsim::ScreenLines({stored.begin() + from, stored.end()}));
    }
};

// Kinds 1 to 3 name the longest company, so the sentence wraps before the number.
TEST_F(LimitReading, EveryHintFileTellsTheLimit)
{
    for (int kind = 1; kind <= 10; ++kind) {
        random.pushRandom(10, kind);
        random.pushRandom(20, 1);
        if (kind <= 3)
            random.pushRandom(99, 10);
        EXPECT_EQ(readBack(kx::MakeHintFile(game, 1)), 1201) << "hint kind " << kind;
    }
}

// The players read other files before they come to the hint file: the prices,
// times and sums those quote are no limit, but a logged check is.
TEST_F(LimitReading, OtherFilesTellNothingButALoggedCheck)
{
    for (int kind = 1; kind <= 25; ++kind) {
        random.pushRandom(25, kind);
        const std::optional<double> told = kind == 1 ? std::optional(1201.0) : std::nullopt;
        EXPECT_EQ(readBack(kx::MakeOrdinaryFile(game, 1)), told) << "file kind " << kind;
    }
}

} // namespace
