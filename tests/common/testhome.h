#pragma once

#include <QDir>
#include <QStandardPaths>

// Starts a test from an empty settings store in the test's own home (set by the test runner),
// whatever an earlier run left there.
inline void startWithCleanHome()
{
    QStandardPaths::setTestModeEnabled(true);
    // The settings store lives under the test-mode configuration folder.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir(config + QStringLiteral("/Harkel")).removeRecursively();
}
