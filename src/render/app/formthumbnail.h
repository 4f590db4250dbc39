#pragma once

#include "views/formtype.h"

#include <QPixmap>

// A small picture of a blank form for the new-file chooser: the sheet with the
// form's title and the outline of its main blocks.
QPixmap FormThumbnail(FormType type, const QSize& size);
