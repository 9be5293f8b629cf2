#include "runtime/win32/win32_shell.hpp"

#include <gtest/gtest.h>
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "runtime/codepage.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;

// The stand-in for Explorer, built beside this suite.
std::wstring openerProgram() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return (fs::path(self).parent_path() / L"page-opener.exe").wstring();
}

std::vector<std::wstring> argumentsAsParsed(const std::wstring& commandLine) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(commandLine.c_str(), &count);
    std::vector<std::wstring> parsed(arguments, arguments + count);
    LocalFree(arguments);
    return parsed;
}

TEST(QuotedArgument, ReadsBackAsTheSameTextWhateverItHolds) {
    for (const std::wstring argument :
         {L"http://127.0.0.1:8080/kovrel/ad/ad.html", L"", L"a b", L"say \"hi\"", L"end\\",
          L"two\\\\", L"slash\\\"quote", L"tab\there", L"\u89c4\u5219 & | < > ^ %PATH%"}) {
        const std::vector<std::wstring> parsed =
            argumentsAsParsed(L"program.exe " + quotedArgument(argument) + L" next");
        ASSERT_EQ(parsed.size(), 3u) << quotedArgument(argument);
        EXPECT_EQ(parsed[1], argument);
        EXPECT_EQ(parsed[2], L"next");
    }
}

TEST(WindowsExplorer, IsNamedByItsFullPathInTheWindowsFolder) {
    wchar_t folder[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryW(folder, MAX_PATH), 0u);
    EXPECT_EQ(fs::path(windowsExplorer()), fs::path(folder) / L"explorer.exe");
    EXPECT_TRUE(fs::is_regular_file(windowsExplorer()));
}

class Win32ShellTest : public ::testing::Test {
protected:
    Win32ShellTest() {
        SetEnvironmentVariableW(L"TESMOLEN_OPENER_FOLDER", temp.folder().wstring().c_str());
    }
    ~Win32ShellTest() override { SetEnvironmentVariableW(L"TESMOLEN_OPENER_FOLDER", nullptr); }

    // What the opener was given, once it has run.
    std::wstring openerArguments() {
        std::ofstream(temp.folder() / "go");
        for (int i = 0; i < 400 && !fs::exists(temp.folder() / "arguments"); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        const Bytes bytes = temp.read("arguments");
        return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()),
                            bytes.size() / sizeof(wchar_t));
    }

    testing::TempFolder temp;
};

TEST_F(Win32ShellTest, StartsTheOpenerWithThePageAsOneArgumentAndDoesNotWaitForIt) {
    Win32Shell shell(openerProgram());
    // A page whose address a command interpreter would split or expand; and GBK text, as the
    // program's texts are.
    const Text page =
        "http://127.0.0.1:8080/kovrel/ad/ad.html?a=1&b=%PATH%|x y\"z\\" + gbk(u8"规则");
    shell.openPage(page);
    EXPECT_FALSE(fs::exists(temp.folder() / "arguments")) << "returned before the opener finished";
    EXPECT_EQ(openerArguments(), gbkToWide(page) + L"\n");
}

}  // namespace
}  // namespace tesmolen
