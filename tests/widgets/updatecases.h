#pragma once

#include "core/update/updateindex.h"

#include <QList>

class LocalHttpServer;

// The answers of an update server, each in a folder of its own so that one
// server serves them all: "UpdateServer" set to the server's address followed by
// "/" and the folder makes the program ask for that case's index.
struct UpdateServerCase
{
    const char* folder;
    const char* description;
};

const QList<UpdateServerCase>& UpdateServerCases();

// Serves every case for a program of the given installed version.
void ServeUpdateCases(LocalHttpServer& server, const ProgramVersion& installed);
