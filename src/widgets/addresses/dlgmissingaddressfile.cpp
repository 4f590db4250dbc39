#include "widgets/addresses/dlgmissingaddressfile.h"

#include "core/addresses/addressfile.h"

#include <QCommandLinkButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CDlgMissingAddressFile::CDlgMissingAddressFile(const QString& path, QWidget* parent)
    : QDialog(parent)
{
    const MissingAddressFileTexts texts = GetMissingAddressFileTexts(path);
    setWindowTitle(texts.title);
    m_moreText = texts.moreInformation;
    m_lessText = texts.lessInformation;

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    // On the first use of the address book the file does not exist yet: that
    // is no fault, the question only offers to create it.
    icon->setPixmap(style()
                        ->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this)
                        .pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(texts.text, this);
    text->setObjectName(QStringLiteral("text"));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* create = new QCommandLinkButton(texts.createLink, this);
    create->setObjectName(QStringLiteral("create"));
    create->setDefault(true);
    create->setAutoDefault(true);
    auto* cancel = new QCommandLinkButton(texts.cancelLink, this);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(create, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_detailsButton = new QPushButton(this);
    m_detailsButton->setObjectName(QStringLiteral("details"));
    m_detailsButton->setFlat(true);
    m_detailsButton->setAutoDefault(false);
    m_details = new QLabel(texts.details, this);
    m_details->setObjectName(QStringLiteral("detailsText"));
    m_details->setWordWrap(true);
    connect(m_detailsButton, &QPushButton::clicked, this,
            [this] { SetDetailsShown(m_details->isHidden()); });

    auto* message = new QHBoxLayout;
    message->addWidget(icon);
    message->addWidget(text, 1);
    auto* details = new QHBoxLayout;
    details->addWidget(m_detailsButton);
    details->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addWidget(create);
    layout->addWidget(cancel);
    layout->addLayout(details);
    layout->addWidget(m_details);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough for a usual path on one line; the fixed size follows the
    // labels, not the window.
    text->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    m_details->setMinimumWidth(text->minimumWidth());
    SetDetailsShown(false);
    create->setFocus();
}

void CDlgMissingAddressFile::SetDetailsShown(bool shown)
{
    m_details->setVisible(shown);
    m_detailsButton->setText(shown ? m_lessText : m_moreText);
}
