#pragma once
// Paths of the program and the single-instance check.
#include <QString>

#include "ui/app_paths.h"

// The program's folders from the executable's full path: the folder ends with '/', and a last
// folder component that is a single dot is dropped ("/opt/lorn/./lorn" gives "/opt/lorn/").
AppPaths SetAppPaths(const QString& executablePath, const QString& settingsFileName);

// The platform's own texts (standard buttons, the edit field's menu, standard dialogs) in
// Russian, as on the system the program was made for. False when Qt's translation is missing.
bool InstallRussianTexts();

// True when another instance runs for this user; it has then been asked to come to the front.
// The first instance keeps its lock for its whole life through `instance`.
class SingleInstance;
bool OtherInstanceRunning(SingleInstance& instance);
