#pragma once

#include <thread>

// Reading the font configuration (the fontconfig files of the desktop) is the largest
// single piece of start-up work, and it needs nothing from the toolkit. This reads it on
// a second thread while the application object connects to the display; join() waits for
// it before the first text is measured. Without the font library loaded it does nothing.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    void join();

private:
    std::thread m_thread;
};
