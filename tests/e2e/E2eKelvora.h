#pragma once
// Fixture for tests of the real program: each test gets its own copy of Kelvora.exe in
// a fresh folder (the program keeps its list file beside itself), and every copy it
// starts is ended when the test ends, whatever happened.
#include "E2eDriver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace e2e {

class KelvoraTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::make_unique<TempFolder>();
        exe_ = folder_->Path() + "Kelvora.exe";
        ASSERT_TRUE(CopyFileA(KelvoraExe().c_str(), exe_.c_str(), FALSE))
            << "cannot copy " << KelvoraExe() << " to " << exe_;
    }
    void TearDown() override {
        // Processes first: the folder cannot go while the program runs from it.
        first_.Kill();
        second_.Kill();
        folder_.reset();
    }

    // Starts the copy and waits for its main window; the window handle or nullptr.
    HWND StartAndWaitForMainWindow(Process& process) {
        process = Process::Start(exe_);
        return WaitForWindow(process, kMainWindowClass, "Kelvora", kStartTimeoutMs);
    }

    std::string ListFilePath() const { return folder_->Path() + "p.txt"; }

    static constexpr const char* kMainWindowClass = "TForm1";
    std::unique_ptr<TempFolder> folder_;
    std::string exe_;
    Process first_, second_;
};

}  // namespace e2e
