#pragma once

#include "widgets/update/common_dlgwebupdated.h"

class CSettingsStore;
class QWidget;

// The two web commands of the help menu: "Tarvelomark Update vom Internet..."
// and "Homepage im Internet...". Addresses come from the settings ("UpdateServer"
// and "Homepage" in section "Settings"), read each time a command runs.

// Opens the address with QDesktopServices.
BrowserOpener DesktopBrowserOpener();

// The running program's version, from the build.
ProgramVersion InstalledProgramVersion();

// Everything the update dialog needs, from the settings and the user's
// documents folder.
WebUpdateSetup ReadWebUpdateSetup(const CSettingsStore& settings, BrowserOpener opener);

// Runs the update dialog modally.
void CheckForUpdate(const CSettingsStore& settings, QWidget* parent,
                    BrowserOpener opener = DesktopBrowserOpener());

// Opens the home page in the browser; tells the user when the address is not a
// web address or no browser could be started.
void OpenHomepage(const CSettingsStore& settings, QWidget* parent,
                  BrowserOpener opener = DesktopBrowserOpener());
