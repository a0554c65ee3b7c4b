// Tells a long job on the user-interface thread when to repaint its progress:
// often enough to show it is working, rarely enough not to be slowed.
#pragma once

#include <QElapsedTimer>
#include <chrono>

namespace kinmora {

class RepaintThrottle {
public:
    explicit RepaintThrottle(std::chrono::milliseconds interval) : m_interval(interval) {}

    // True on the first call and whenever `interval` has passed since the
    // call that last returned true; false otherwise.
    bool due();

private:
    std::chrono::milliseconds m_interval;
    QElapsedTimer m_sinceRepaint;
};

}  // namespace kinmora
