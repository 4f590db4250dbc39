#pragma once

#include <QString>

class QWidget;

// The tool tips of the program's dialogs: a heading in bold over a description,
// shown for the control under the mouse. Descriptions are wrapped to a width of
// their own (the dialogs use 200 or 300 pixels), at the line breaks they carry
// and between words.
class CDlgToolTip
{
public:
    explicit CDlgToolTip(int descriptionWidth = 200) : m_descriptionWidth(descriptionWidth) {}

    void AddTool(QWidget* control, const QString& heading, const QString& description) const;

    // The rich text AddTool gives a control.
    static QString Text(const QString& heading, const QString& description, int width);

private:
    int m_descriptionWidth;
};
