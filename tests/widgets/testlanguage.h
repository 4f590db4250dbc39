#pragma once

// The language a widget test runs in, so that one test can say what a person
// reads in German and in English. TVM_TEST_LANGUAGE=en runs it in English, "de"
// or nothing in German; tvm_widget_test_in_english (tests/CMakeLists.txt) adds
// the English run of chosen test functions beside the German run of them all.

#include "core/settings/language.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

inline ProgramLanguage TestLanguage()
{
    const QByteArray name = qgetenv("TVM_TEST_LANGUAGE");
    if (name.isEmpty() || name == "de")
        return ProgramLanguage::German;
    if (name != "en")
        qFatal("TVM_TEST_LANGUAGE is \"%s\"; it takes \"de\" or \"en\".", name.constData());
    return ProgramLanguage::English;
}

// Installs the test language's translators; for main(), once the application
// object exists. False, with a message, when the catalogue is missing, which
// would leave an English run quietly German.
inline bool InstallTestLanguage()
{
    if (InstallTranslators(TestLanguage()))
        return true;
    qCritical("The translators of the test language could not be installed.");
    return false;
}

// The value of the "Language" setting that makes the program choose the test
// language, for tests that start the program the way a person does.
inline int TestLanguageSetting()
{
    return TestLanguage() == ProgramLanguage::English ? 1 : 0;
}

// What a person reads in the test language.
inline QString InTestLanguage(const char* german, const char* english)
{
    return QString::fromUtf8(TestLanguage() == ProgramLanguage::English ? english : german);
}
