#include "widgets/app/common_dlgsetdisplaysizefactor.h"

#include "core/settings/displaysize.h"
#include "render/views/viewzoom.h"
#include "widgets/defaults/dlgtooltip.h"
#include "widgets/views/krscrollviewbase.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kToolTipWidth = 300;

} // namespace

Common_DlgSetDisplaySizeFactor::Common_DlgSetDisplaySizeFactor(int formScaling, int screenScale,
                                                               QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Anzeigegröße verändern"));
    const CDlgToolTip tips(kToolTipWidth);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Hier können Sie die Anzeigegröße der Formulare festlegen."), this));

    auto* group = new QButtonGroup(this);
    auto* choices = new QVBoxLayout;
    choices->setContentsMargins(16, 4, 0, 4);
    for (int i = 0; i < DisplaySize::kChoiceCount; ++i) {
        const int percent = DisplaySize::ScalingForChoice(i);
        const QString text = i == 0 ? tr("Systemeinstellung benutzen (%1%)").arg(screenScale)
                                    : QStringLiteral("%1%").arg(percent);
        auto* button = new QRadioButton(text, this);
        group->addButton(button, i);
        choices->addWidget(button);
        m_choices[size_t(i)] = button;
        tips.AddTool(button, tr("Auswahl der Anzeigegröße"),
                     i == 0 ? tr("Die Formulare werden so groß dargestellt, wie es die "
                                 "Systemeinstellung für die Skalierung des Bildschirms "
                                 "vorgibt.")
                            : tr("Darstellung mit %1% Größe").arg(percent));
    }
    m_choices[size_t(DisplaySize::ChoiceForScaling(formScaling))]->setChecked(true);
    layout->addLayout(choices);

    auto* warning = new QLabel(tr("Wichtig: Nach einer Änderung wird das Programm beendet und "
                                  "neu gestartet. Vorher fragt es bei jedem geänderten "
                                  "Dokument, ob es gespeichert werden soll."),
                               this);
    warning->setObjectName(QStringLiteral("restartNote"));
    warning->setWordWrap(true);
    layout->addWidget(warning);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    ok->setText(tr("OK"));
    cancel->setText(tr("Abbrechen"));
    tips.AddTool(ok, tr("Schaltfläche \"OK\""), tr("Dialog beenden"));
    tips.AddTool(cancel, tr("Schaltfläche \"Abbruch\""),
                 tr("Abbruch des Dialogs, ohne die Änderungen zu sichern"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    // 272 x 188 dialog units in the original; wide enough for the warning's
    // three lines without crowding.
    setMinimumWidth(480);
}

int Common_DlgSetDisplaySizeFactor::SelectedScaling() const
{
    for (int i = 0; i < DisplaySize::kChoiceCount; ++i)
        if (m_choices[size_t(i)]->isChecked())
            return DisplaySize::ScalingForChoice(i);
    return 0;
}

QString Common_DlgSetDisplaySizeFactor::RestartQuestion()
{
    return tr("Die neue Anzeigegröße gilt erst nach einem Neustart.\n"
              "Soll das Programm jetzt beendet und neu gestartet werden?\n\n"
              "Vorher fragt es bei jedem geänderten Dokument, ob es gespeichert\n"
              "werden soll. Mit „Nein“ bleibt die bisherige Anzeigegröße.");
}

int Common_DlgSetDisplaySizeFactor::ScreenScale(const QWidget* widget)
{
    // Counted as the form views count it, so that the choice shows the factor
    // the forms are drawn with.
    return ViewZoom::ScaledFactor(CKRScrollViewBase::ScreenMetricsOf(widget).dpiX);
}
