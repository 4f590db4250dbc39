#include "widgets/app/dlgneuedatei.h"

#include "core/app/doctemplates.h"
#include "core/forms/nationallayout.h"
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

QToolButton* CDlgNeueDatei::PictureButton(int choice) const
{
    return m_buttons.value(m_choices.indexOf(choice));
}

const Forms::FormDescription* CDlgNeueDatei::ChosenForm() const
{
    const int at = m_choices.indexOf(m_choice);
    return at < 0 ? nullptr : m_forms[at];
}

CDlgNeueDatei::CDlgNeueDatei(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Tarvelomark - Neue Datei"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr(" Wählen Sie bitte, welches Formular Sie bearbeiten möchten.")));

    // The templates' order is the order of the choices 1 to 4; the national
    // note's older edition is choice 5 and stands beside the current one.
    struct Choice
    {
        int choice;
        const Forms::FormDescription* form;
        QString name;
    };
    QVector<Choice> choices;
    int number = 0;
    for (const DocTemplateInfo& form : DocTemplates()) {
        choices.append({++number, &Forms::NewestDescription(form.type), FormName(form.type)});
        if (form.type == FormType::National)
            choices.append({kNational2007,
                            &NationalLayout::Description(NationalEdition::Edition2007),
                            tr("%1 (Ausgabe 01/2007)").arg(FormName(form.type))});
    }

    auto* grid = new QGridLayout;
    int column = 0;
    for (const Choice& choice : choices) {
        const QString& name = choice.name;
        auto* button = new QToolButton(this);
        button->setIcon(QIcon(FormThumbnail(*choice.form, kPicture, devicePixelRatioF())));
        button->setIconSize(kPicture);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setAutoRaise(false);
        button->setAccessibleName(name);
        connect(button, &QToolButton::clicked, this, &CDlgNeueDatei::OnOk);
        m_buttons << button;
        m_choices << choice.choice;
        m_forms << choice.form;
        grid->addWidget(button, 0, column, Qt::AlignHCenter);
        auto* label = new QLabel(name);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFixedWidth(kPicture.width() + 16);
        grid->addWidget(label, 1, column++, Qt::AlignHCenter);
    }
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    auto* open = new QPushButton(tr("Vorhandenes Dokument öffnen..."));
    auto* cancel = new QPushButton(tr("Abbrechen"));
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
    const int at = m_buttons.indexOf(qobject_cast<QToolButton*>(focusWidget()));
    if (at < 0)
        return;
    m_choice = m_choices[at];
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
