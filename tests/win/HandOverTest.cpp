// The copy started to take over waits for the copy handing over, and only for
// a copy of this program.
#include <gtest/gtest.h>

#include <string>

#include "app/SingleInstance.h"
#include "framework/Handle.h"

namespace {

// A process of the given command line, started now.
CHandle Start(std::wstring commandLine, DWORD* id)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &started)) {
        return CHandle();
    }
    ::CloseHandle(started.hThread);
    *id = started.dwProcessId;
    return CHandle(started.hProcess);
}

}  // namespace

TEST(HandOverWait, WaitsForACopyOfThisProgramToEndAndForNoOtherProcess)
{
    DWORD id = 0;
    CHandle other = Start(L"notepad.exe", &id);
    ASSERT_TRUE(other);
    EXPECT_FALSE(WaitForHandingCopy(id)) << "not this program: no wait";
    EXPECT_EQ(::WaitForSingleObject(other, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "and it still runs";
    ::TerminateProcess(other, 0);

    // This program under another name: it ends by itself soon, and is not waited for either.
    wchar_t self[MAX_PATH], folder[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring renamed = std::wstring(folder) + L"other_program.exe";
    ASSERT_TRUE(::CopyFileW(self, renamed.c_str(), FALSE));
    CHandle stranger = Start(L"\"" + renamed + L"\" --gtest_filter=NoSuchTest", &id);
    ASSERT_TRUE(stranger);
    EXPECT_FALSE(WaitForHandingCopy(id)) << "another program's, though it ends meanwhile";
    ::WaitForSingleObject(stranger, INFINITE);
    ::DeleteFileW(renamed.c_str());

    CHandle copy = Start(L"\"" + std::wstring(self) + L"\" --gtest_filter=NoSuchTest", &id);
    ASSERT_TRUE(copy);
    EXPECT_TRUE(WaitForHandingCopy(id)) << "a copy of this program: waited for until it ended";
    EXPECT_EQ(::WaitForSingleObject(copy, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_FALSE(WaitForHandingCopy(::GetCurrentProcessId())) << "never for itself";
    EXPECT_FALSE(WaitForHandingCopy(0xFFFFFFF0u)) << "no such process";
}
