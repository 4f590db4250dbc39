#pragma once

#include "core/forms/formtype.h"
#include "widgets/app/helptopicscope.h"
#include "widgets/defaults/dlgtooltip.h"

#include <QDate>
#include <QDialog>

class CSettingsStore;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// What the four dialogs of the default texts ("Formularvorgaben") share: the
// publisher and date format lists, the automatic-date switch, the buttons, the
// help topic and the conversion of box texts between the settings and the edit
// boxes.
//
// A dialog reads its section of the settings when it is built and writes it only
// in accept(); reject() writes nothing. Texts are stored with CR LF line breaks,
// as the boxes of a form keep them. The settings store outlives the dialog.
class CDlgDefaultBase : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContextId = 107;

    // The publishers, in the order every list shows them; the index is the number
    // stored as "Hersteller".
    static QStringList PublisherNames();
    // The date formats of the automatic date, in the order the lists show them.
    static const QList<int>& DateFormatCodes();

    void done(int result) override;

protected:
    CDlgDefaultBase(CSettingsStore& settings, FormType type, const QDate& today, QWidget* parent);

    QString Section() const;
    CSettingsStore& Store() const { return m_settings; }

    // Controls named after the key they edit, so that tests find them.
    QPlainTextEdit* CreateTextBox(const char* key, const QString& storedText);
    QLineEdit* CreateLine(const char* key, const QString& storedText);
    QCheckBox* CreateCheck(const QString& text, const char* key, bool checked);
    QRadioButton* CreateRadio(const QString& text, const QString& name);
    // Filled, with "Hersteller" (or the first item) selected.
    QComboBox* CreatePublisherList();
    // Today's date in every format, the one of "Datumformat" selected.
    QComboBox* CreateDateFormatList();
    // The box that takes place and date of issue: the automatic-date switch, the
    // place and the date format, with their tool tips under `heading`, laid out
    // in a group box. The place and the format are only asked for while the
    // automatic date is on.
    struct IssueDateControls
    {
        QCheckBox* autoDate = nullptr;
        QLineEdit* place = nullptr;
        QComboBox* formats = nullptr;
    };
    QGroupBox* CreateIssueDateGroup(const QString& title, const QString& switchText,
                                    const QString& heading, const QString& storedPlace,
                                    IssueDateControls& controls);
    // The dialog's layout: two equal columns of groups above the buttons, at the
    // size its contents need.
    void SetColumnsLayout(QLayout* left, QLayout* right, const QString& cancelText);
    // OK, cancel with the given text, and "Hilfe", with their tool tips.
    QDialogButtonBox* CreateButtons(const QString& cancelText);

    static int SelectedData(const QComboBox* list);
    static QString EditText(const QPlainTextEdit* edit);
    static QString EditText(const QLineEdit* edit);
    static int Checked(const QCheckBox* check);
    static QString TrimRight(const QString& text);
    // The tool tip description of a sender's box.
    static QString SenderDescription();
    // The publisher list's tool tip, which every dialog shows.
    void AddPublisherToolTip(QComboBox* list) const;

    CDlgToolTip m_toolTip{200};

private:
    CSettingsStore& m_settings;
    FormType m_type;
    QDate m_today;
    CHelpTopicScope m_helpTopic{kHelpContextId};
};
