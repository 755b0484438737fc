#pragma once

#include <QString>

namespace billpay::gui {

// The built-in default file names ("C:\Bankfile.ABA", "A:\bankfile.afi" ...)
// as this platform can use them. On Windows they stand as they are; elsewhere
// their drive part is replaced by the user's home folder and the file name is
// kept ("A:\bankfile.afi" becomes ~/bankfile.afi). Any other name is returned
// unchanged.
QString PlatformFileName(const QString& defaultName);

}  // namespace billpay::gui
