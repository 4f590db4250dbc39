#pragma once

#include "core/forms/formdescription.h"

#include <QString>
#include <QVector>

// What assistive technology calls the boxes of a form, read off the form's own
// captions, so that every form of the engine gets names without a table of its
// own: the caption nearest above the box that reaches over it (with the box
// number drawn at the same point, where the form has one), the heading just
// above an unnumbered caption, the single caption beside the box's rows at its
// left, and the row number where several boxes would otherwise share a name.
// For example "1 Absender" or "6 Kennzeichen, Zeile 2". Cells of a grid whose
// captions belong to the whole grid take the name the form gives them
// (BoxRecord::name). A box without any caption is "Feld <index + 1>".
//
// Units are those of the description; nothing is drawn and no font is needed.
struct BoxName
{
    QString name;        // short: a caption without its bracketed hint
    QString description; // the captions in full
};

// The names of the boxes of a page (1: the box table without the check boxes;
// any other page: its one follow-on box), for a publisher (captions may depend
// on it), in box order.
QVector<BoxName> BoxNames(const Forms::FormDescription& form, int page, int publisher);
