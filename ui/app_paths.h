#pragma once
#include <QString>

// The program's folders, derived from the executable's location.
struct AppPaths {
  QString AppDir;     // the executable's folder, ending with '/'
  QString IniPath;    // AppDir + "Param.ini"
  QString ReportDir;  // AppDir + "Report/"
};
