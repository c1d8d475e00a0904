#include "app/ui/Pump.h"

#include <QCoreApplication>

namespace tw {

void PumpMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace tw
