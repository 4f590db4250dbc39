#pragma once

#include <QString>

// Ids of the messages a document leaves in m_nLoadError when it refuses a file.
enum LoadMessage {
    kLoadOk = 0,
    kLoadTooOld = 24,
    kLoadTooNew = 25,
    kLoadNotCmr = 26,
    kLoadNotNational = 27,
    kLoadNotKombi = 28,
    kLoadNotForwarding = 29,
};

// The text of a load message; empty for 0 and unknown ids.
QString LoadMessageText(int id);
