#pragma once

#include "core/errors/error.h"

#include <QString>

// The sentence a person reads for a failure, in the program's language: the
// code's text from the one table of the context "Error", with the file (in the
// system's own notation), the position and the arguments filled in, and the
// cause's sentence on a line of its own below. Empty for no failure.
//
// Called where a failure is shown (widgets, the command-line tool), never where
// it happens.
QString ErrorMessage(const Error& error);
