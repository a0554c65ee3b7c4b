// A monotonic clock, so that a change of the system time neither stops nor
// floods the repaints.
#include "app/repaint_throttle.h"

namespace kinmora {

bool RepaintThrottle::due() {
    if (m_sinceRepaint.isValid() && m_sinceRepaint.elapsed() < m_interval.count()) return false;
    m_sinceRepaint.start();
    return true;
}

}  // namespace kinmora
