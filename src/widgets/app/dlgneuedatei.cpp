#include "widgets/app/dlgneuedatei.h"

#include "core/app/doctemplates.h"
#include "render/app/formthumbnail.h"
#include "widgets/app/formname.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QSize kPicture(96, 128);

} // namespace

CDlgNeueDatei::CDlgNeueDatei(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Tarvelomark - Neue Datei"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral(" Wählen Sie bitte, welches Formular Sie bearbeiten möchten.")));

    auto* grid = new QGridLayout;
    int column = 0;
    // The templates' order is the order of the choices 1 to 4.
    for (const DocTemplateInfo& form : DocTemplates()) {
        const QString name = FormName(form.type);
        auto* button = new QToolButton(this);
        button->setIcon(QIcon(
            FormThumbnail(Forms::NewestDescription(form.type), kPicture, devicePixelRatioF())));
        button->setIconSize(kPicture);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setAutoRaise(false);
        button->setAccessibleName(name);
        connect(button, &QToolButton::clicked, this, &CDlgNeueDatei::OnOk);
        m_buttons << button;
        grid->addWidget(button, 0, column, Qt::AlignHCenter);
        auto* label = new QLabel(name);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFixedWidth(kPicture.width() + 16);
        grid->addWidget(label, 1, column++, Qt::AlignHCenter);
    }
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    auto* open = new QPushButton(QStringLiteral("Vorhandenes Dokument öffnen..."));
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"));
    open->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(open, &QPushButton::clicked, this, [this] {
        m_choice = kOpenExisting;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(open);
    buttons->addStretch();
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    m_buttons.constFirst()->setFocus();
}

void CDlgNeueDatei::OnOk()
{
    int found = 0;
    for (int i = 0; i < m_buttons.size(); ++i)
        if (focusWidget() == m_buttons[i])
            found = i + 1;
    if (found == 0)
        return;
    m_choice = found;
    accept();
}

void CDlgNeueDatei::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OnOk();
        return;
    }
    QDialog::keyPressEvent(event);
}
