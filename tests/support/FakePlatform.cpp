#include "FakePlatform.h"

#include "core/Game.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace kxtest {

FakePlatform::FakePlatform()
{
    static int made = 0;
    data = std::filesystem::temp_directory_path() /
           ("kestrix-test-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
}

FakePlatform::~FakePlatform()
{
    std::error_code ignored;
    std::filesystem::remove_all(data, ignored);
}

std::filesystem::path FakePlatform::dataFolder()
{
    std::filesystem::create_directories(data);
    return data;
}

namespace {

// What the fake decodes: any file that is there and not empty.
struct FakeImage final : kx::ImageData {
    explicit FakeImage(std::filesystem::path from) : file(std::move(from)) {}
    std::filesystem::path file;
};

} // namespace

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
    if (inputAnswers.empty()) {
        ADD_FAILURE() << "Unscripted input box \"" << title << "\": " << prompt;
        return "Tester";
    }
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::filesystem::path FakePlatform::answerFileDialog(FileDialog dialog)
{
    events.push_back((dialog.saving ? "save " : "open ") + dialog.title);
    fileDialogs.push_back(std::move(dialog));
    if (fileAnswers.empty()) {
        ADD_FAILURE() << "Unscripted file dialog \"" << fileDialogs.back().title << '"';
        return {};
    }
    std::filesystem::path answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

void FakePlatform::runModal(kx::Window& window)
{
    kx::Game& game = window.game();
    if (window.kind() != kx::WindowKind::Pager) {
        // The player's part is the hook's; a window it leaves open is closed.
        events.push_back("modal " + window.Caption());
        if (const auto hook = whileModal)
            hook(window);
        if (game.isLoaded(window))
            game.dispatch([&] { game.unload(window); });
        return;
    }
    auto& pager = static_cast<kx::frmPager&>(window);
    // Waited on again (a new message queued behind it), the message showing
    // is answered without being recorded twice.
    if (&window != pagerUp_) {
        pagerUp_ = &window;
        messages.push_back({game.state.PagerText, pager.Command2.Visible, pager.Command3.Visible});
        events.push_back("pager " + game.state.PagerText);
        if (const auto hook = whilePagerShows)
            hook(pager);
        if (!game.isLoaded(pager))
            return;
    }
    int press = pager.Command1.Visible ? Okay : No;
    if (!pagerPresses.empty()) {
        press = pagerPresses.front();
        pagerPresses.pop_front();
    }
    const kx::Button* offered[] = {nullptr, &pager.Command1, &pager.Command2, &pager.Command3};
    if (press != Close && !offered[press]->Visible)
        ADD_FAILURE() << "Scripted button " << press << " for \"" << game.state.PagerText
                      << "\", which does not offer it";
    using Click = void (kx::frmPager::*)();
    static constexpr Click clicks[] = {&kx::frmPager::Form_QueryUnload, &kx::frmPager::Command1_Click,
                                       &kx::frmPager::Command2_Click, &kx::frmPager::Command3_Click};
    game.dispatch([&] { std::invoke(clicks[press], pager); });
}

} // namespace kxtest
