#pragma once

#include "core/documents/saveridentity.h"
#include "core/errors/error.h"
#include "core/settings/settingsstore.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

// Bytes from a hex string with optional spaces: Hex("06 12 02 00").
QByteArray Hex(const char* hex);
// UTF-16LE code units of an ASCII/Latin-1 string, as line strings store them.
QByteArray Utf16(const QString& text);
// A counted string as the program writes it: FF FE FF len units.
QByteArray CountedString(const QString& text);
// An 8-bit counted string as old program versions wrote it (Windows-1252).
QByteArray NarrowString(const QByteArray& bytes);
QByteArray Word(quint16 value);

// While it lives, no file of this process may grow beyond `bytes`: a write past
// the limit fails (EFBIG) the way a write on a full disk does (ENOSPC), without
// root and without touching other processes.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    qint64 m_oldSoftLimit;
    void (*m_oldHandler)(int);
};
// For ASSERT_TRUE(Succeeded(document.OnSaveDocument(path))): a failure shows
// its message.
::testing::AssertionResult Succeeded(const Error& error);
// Lets a failed EXPECT_EQ on errors show the messages.
void PrintTo(const Error& error, std::ostream* os);

// A parameterised case's description as a test name: its words run together,
// each with a capital ("goods row 1, box 6" gives "GoodsRow1Box6").
std::string TestCaseName(const char* description);

// A settings store in a folder of its own, deleted with the fixture; pins the
// computer and user names that documents write.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();
    CSettingsStore& Settings() { return *m_settings; }
    QString FilePath(const QString& name) const { return m_dir.filePath(name); }

    static constexpr const char* kComputer = "PC1";
    static constexpr const char* kUser = "anna";

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CSettingsStore> m_settings;
};
