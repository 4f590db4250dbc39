#pragma once

#include "cli/clicommands.h"

#include <QStringList>
#include <QTextStream>

class CSettingsStore;

// Runs the command-line tool in-process and keeps what it printed.
class CliRunner
{
public:
    explicit CliRunner(CSettingsStore& settings) : m_settings(settings) {}

    int Run(const QStringList& args)
    {
        out.clear();
        err.clear();
        QTextStream o(&out), e(&err);
        const int code = RunCli(args, m_settings, o, e);
        o.flush();
        e.flush();
        return code;
    }

    QString out, err;

private:
    CSettingsStore& m_settings;
};
