// The engine tests run in the locale KESTRIX_TEST_LOCALE names, or else in the
// one the environment names, as the game does: Qt takes it from there.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const char* wanted = std::getenv("KESTRIX_TEST_LOCALE");
    // A locale asked for but missing fails the run instead of passing in C unseen.
    if (!std::setlocale(LC_ALL, wanted ? wanted : "") && wanted) {
        std::fprintf(stderr, "The locale %s is missing: tools/setup.sh test makes it.\n", wanted);
        return 1;
    }
    return RUN_ALL_TESTS();
}
