#pragma once

#include <QString>

// What --help prints: every command, option and exit status, in German.
[[nodiscard]] QString UsageText();
// What --version prints.
[[nodiscard]] QString VersionText();
