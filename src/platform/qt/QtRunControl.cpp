#include "platform/qt/QtRunControl.h"

#include <QCoreApplication>

namespace veltrane {

void QtRunControl::ProcessMessages() { QCoreApplication::processEvents(); }

}  // namespace veltrane
