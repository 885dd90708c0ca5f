#include "FakePlatform.h"

#include "core/Game.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace kxtest {

namespace {

std::filesystem::path freshFolder()
{
    static int made = 0;
    return std::filesystem::temp_directory_path() /
           ("kestrix-test-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
}

// What the fake decodes: any file that is there and not empty.
struct FakeImage final : kx::ImageData {
    explicit FakeImage(std::filesystem::path from) : file(std::move(from)) {}
    std::filesystem::path file;
};

} // namespace

FakePlatform::FakePlatform() : HeadlessPlatform(freshFolder(), "/kestrix")
{
    answerPager = [this](const kx::frmPager& pager) { return scriptedPress(pager); };
}

FakePlatform::~FakePlatform()
{
    std::error_code ignored;
    std::filesystem::remove_all(data, ignored);
}

kx::Image FakePlatform::loadPicture(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error) || std::filesystem::file_size(file, error) == 0)
        return nullptr;
    return std::make_shared<const FakeImage>(file);
}

std::string FakePlatform::fileOf(const kx::Image& picture)
{
    return picture ? static_cast<const FakeImage&>(*picture).file.string() : std::string();
}

std::string FakePlatform::inputBox(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText)
{
    const InputRequest request{prompt, title, defaultText};
    inputs.push_back(request);
    events.push_back("input " + title);
    if (const auto hook = whileInputShows)
        hook(request);
    if (auto answer = next(inputAnswers))
        return *answer;
    ADD_FAILURE() << "Unscripted input box \"" << title << "\": " << prompt;
    return "Tester";
}

std::filesystem::path FakePlatform::scriptedFile(FileDialog dialog)
{
    events.push_back((dialog.saving ? "save " : "open ") + dialog.title);
    fileDialogs.push_back(std::move(dialog));
    if (auto answer = next(fileAnswers))
        return *answer;
    ADD_FAILURE() << "Unscripted file dialog \"" << fileDialogs.back().title << '"';
    return {};
}

void FakePlatform::runModal(kx::Window& window)
{
    const std::string& text = window.game().state.PagerText;
    if (window.kind() != kx::WindowKind::Pager) {
        events.push_back("modal " + window.Caption());
    } else if (&window != messageUp()) {
        const auto& pager = static_cast<const kx::frmPager&>(window);
        messages.push_back({text, pager.Command2.Visible, pager.Command3.Visible});
        events.push_back("pager " + text);
    }
    HeadlessPlatform::runModal(window);
}

Press FakePlatform::scriptedPress(const kx::frmPager& pager)
{
    const int press = next(pagerPresses).value_or(pager.Command1.Visible ? Okay : No);
    const kx::Button* offered[] = {nullptr, &pager.Command1, &pager.Command2, &pager.Command3};
    if (press != Close && !offered[press]->Visible)
        ADD_FAILURE() << "Scripted button " << press << " for \"" << pager.game().state.PagerText
                      << "\", which does not offer it";
    return static_cast<Press>(press);
}

} // namespace kxtest
