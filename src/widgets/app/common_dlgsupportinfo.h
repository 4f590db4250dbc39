#pragma once

#include <QDialog>
#include <QList>
#include <QPair>

class QPlainTextEdit;
class QPushButton;

// The facts the maker's support asks for, as label and value rows.
struct SupportInfo
{
    QList<QPair<QString, QString>> rows;

    // One row a line, "Label: value", as copied to the clipboard.
    QString Text() const;
};

// The support information (Ctrl+Shift+Alt+I): the rows in a read-only text and
// a button that copies them to the clipboard.
class Common_DlgSupportInfo : public QDialog
{
    Q_OBJECT

public:
    explicit Common_DlgSupportInfo(SupportInfo info, QWidget* parent = nullptr);

    QPushButton* CopyButton() const { return m_copy; }
    QString Text() const { return m_info.Text(); }

private:
    SupportInfo m_info;
    QPushButton* m_copy;
};
