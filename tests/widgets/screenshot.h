#pragma once

#include <QDir>
#include <QWidget>

// With TVM_SCREENSHOT_DIR set, what the user sees goes there as PNG, so that a
// dialog can be looked at as the tests leave it.
inline void Shot(QWidget* widget, const char* name)
{
    const QString dir = qEnvironmentVariable("TVM_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        widget->grab().save(QDir(dir).filePath(QLatin1String(name) + QLatin1String(".png")));
}
