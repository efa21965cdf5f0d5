#pragma once

#include <thread>

// Two pieces of Qt's start-up that each take milliseconds and need nothing of
// the window, done ahead on a second core while Qt sets up the application:
// loading the X11 platform plugin with its libraries (when the desktop is an
// X11 one), then fontconfig's reading of the system's font set-up, which Qt
// leaves until the window measures its first text. Qt's own calls then find
// both done, and report any failure as they always have.
class ReadAhead {
public:
    ReadAhead();
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // Waits for the reading, so that Qt never reads the font set-up a second
    // time alongside it. Called once the application object exists.
    void finish();

private:
    void* platformPlugin_ = nullptr;
    std::jthread worker_;
};
