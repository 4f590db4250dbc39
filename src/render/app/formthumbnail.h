#pragma once

#include "core/forms/formdescription.h"

#include <QPixmap>

// A small picture of a blank form for the new-file chooser: the sheet with the
// form's own lines, drawn from its description, so that every form and edition
// looks like itself.
QPixmap FormThumbnail(const Forms::FormDescription& form, const QSize& size,
                      qreal devicePixelRatio = 1);
