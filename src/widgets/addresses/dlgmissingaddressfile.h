#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The question about a missing address file, laid out as a task dialog: the
// message with an information icon, two command links (create, the default, or
// cancel) and an expandable area with the explanation. Accepted means create.
class CDlgMissingAddressFile : public QDialog
{
    Q_OBJECT

public:
    explicit CDlgMissingAddressFile(const QString& path, QWidget* parent = nullptr);

private:
    void SetDetailsShown(bool shown);

    QPushButton* m_detailsButton;
    QLabel* m_details;
    QString m_moreText;
    QString m_lessText;
};
