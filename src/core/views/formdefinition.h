#pragma once

#include "views/formtype.h"

#include <QVector>

class CFieldStore;
class CSettingsStore;

// What a form's view tells the field store: how many boxes each page has, the
// initial font-size step and each page-1 box's alignment (0 left, 1 centred,
// 2 right). The documents need it without any window, so it lives in the core.
struct FormDefinition
{
    FormType type;
    quint16 fieldCount;
    quint16 followCount;
    quint16 fontSizeStep;
    QVector<quint8> alignment; // one entry per page-1 box
};

FormDefinition GetCmrFormDefinition();

// The national note exists in two editions; the 2009 one has the tunnel
// restriction code as an extra box at index 44.
enum class NationalEdition { Edition2007, Edition2009 };
// "Version" of the national section: 2009 selects the 2009 edition, any other
// value the 2007 one.
NationalEdition GetNationalEdition(const CSettingsStore& settings);
FormDefinition GetNationalFormDefinition(NationalEdition edition); // 127 or 126 boxes
FormDefinition GetKombiFormDefinition();                           // 138 boxes
FormDefinition GetForwardingFormDefinition();                      // 106 boxes
// The definition in force for a form type; the national form's box count depends
// on its edition setting.
FormDefinition GetFormDefinition(FormType type, const CSettingsStore& settings);

// Gives the store the form's boxes, all empty, with the definition's font-size
// step and alignments.
void ApplyFormDefinition(CFieldStore& store, const FormDefinition& definition);
