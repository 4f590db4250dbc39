#pragma once

#include <QColor>
#include <QPalette>

// A dark desktop palette, as dark themes set it: light text on dark windows.
inline QPalette DarkPalette(const QPalette& base)
{
    QPalette dark = base;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Dark, QColor(0x20, 0x20, 0x20));
    return dark;
}
