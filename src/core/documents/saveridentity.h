#pragma once

#include <QString>

// Every document file records the computer and the user that saved it.
struct SaverIdentity
{
    QString computerName;
    QString userName;
};

// The names the platform reports now (empty where it reports none), unless an
// override is in force.
SaverIdentity CurrentSaverIdentity();
// The names the platform reports, whatever override is in force.
SaverIdentity PlatformSaverIdentity();
// Pins the names, so that files written by tests and tools are reproducible byte
// for byte. Passing nullptr returns to the platform's names.
void SetSaverIdentityOverride(const SaverIdentity* identity);
