#include "support/Files.h"

#include "storage/Settings.h"

#include <gtest/gtest.h>

namespace kxtest {
namespace {

namespace fs = std::filesystem;

// Sections and keys match in any letter case and a missing one reads as empty;
// a write changes its one line and keeps every other; a long value reads back cut.
TEST(Settings, AWriteChangesItsOneLineAndAnyCaseReadsItBack)
{
    const ScratchFolder scratch;
    const fs::path file = scratch.path() / "skinfolder.ehf";
    const struct { std::string before, section, key, value, after; } writes[] = {
        {"", "Kestrix", "SkinFolder", "/a", "[Kestrix]\r\nSkinFolder=/a\r\n"},
        {"; note\n[kestrix]\nskinfolder = /old\nother=1\n\n[Next]\nx=2", "KESTRIX", "SkinFolder", "/b",
         "; note\r\n[kestrix]\r\nSkinFolder=/b\r\nother=1\r\n\r\n[Next]\r\nx=2\r\n"},
        {"[Kestrix]\rother=1\r\r[Next]\r", "kestrix", "SkinFolder", "/c",
         "[Kestrix]\r\nother=1\r\nSkinFolder=/c\r\n\r\n[Next]\r\n"},
        {"[Next]\r\nx=2\r\n", "Kestrix", "SkinFolder", "/d]", "[Next]\r\nx=2\r\n[Kestrix]\r\nSkinFolder=/d]\r\n"},
        {"[Kestrix]\r\n", "Kestrix", "SkinFolder", "/e\n/f", "[Kestrix]\r\n"}}; // a line break is refused
    for (const auto& w : writes) {
        WriteBytes(file, w.before);
        const bool kept = w.value.find('\n') == std::string::npos;
        EXPECT_EQ(!kx::WriteSetting(w.section, w.key, w.value, file), kept);
        EXPECT_EQ(FileBytes(file), w.after) << w.before;
        EXPECT_EQ(kx::ReadSetting("kestrix", "SKINFOLDER", file), kept ? w.value : "");
    }
    const struct { std::string bytes, section, key, value; } reads[] = {
        {"[SKININFO]\r\n NAME =  Day light  \r\n", "SkinInfo", "Name", "Day light"},
        {"[a]\nk=1\n[b]\nk=2\n[b]\nk=3\n", "b", "k", "2"}, {"[a]\r\nx=1\r\n", "a", "k", ""},
        {"[a]\r\nk=1\r\n", "b", "k", ""}, {"[a]\r\nk=" + std::string(300, 'x'), "a", "k", std::string(254, 'x')}};
    for (const auto& r : reads) {
        WriteBytes(file, r.bytes);
        EXPECT_EQ(kx::ReadSetting(r.section, r.key, file), r.value) << r.bytes;
    }
    fs::remove(file);
    EXPECT_EQ(kx::ReadSetting("a", "k", file), "");
}

// A folder is what comes before the last separator, either kind.
TEST(Settings, FolderOfCutsAtTheLastSeparator)
{
    const std::pair<std::string, std::string> folders[] = {
        {"C:\\Games\\Kestrix\\skins\\Day\\main.jpg", "C:\\Games\\Kestrix\\skins\\Day"},
        {"/home/p/skins/a/main.jpg", "/home/p/skins/a"}, {"a\\b/c.jpg", "a\\b"}, {"/main.jpg", ""}, {"main.jpg", ""}};
    for (const auto& [path, folder] : folders)
        EXPECT_EQ(kx::FolderOf(path), folder) << path;
}

} // namespace
} // namespace kxtest
