#include "widgets/app/dlgabout.h"

#include "core/forms/cmrlayout.h"
#include "widgets/app/splashwnd.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kPublisherCount = 4;

} // namespace

CDlgAbout::CDlgAbout(const QString& versionText, const QString& buildDate, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Info über Tarvelomark"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* picture = new QLabel(this);
    picture->setPixmap(CSplashWnd::Picture().scaledToWidth(250, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignTop);

    auto* title = new QLabel(tr("Tarvelomark Version %1").arg(versionText), this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    title->setFont(bold);

    QStringList publishers;
    for (int i = 0; i < kPublisherCount; ++i)
        publishers << QStringLiteral("• ") + CmrLayout::FormPublisherName(i);
    auto* details =
        new QLabel(tr("Erstellt am %1\n\nFrachtbriefe ausfüllen und auf vorgedruckte "
                      "Formulare drucken:\nCMR-Frachtbrief, Nationaler Frachtbrief, "
                      "Kombi-Frachtbrief\nund Speditionsauftrag.\n\nFormulare der Verlage:\n%2")
                       .arg(buildDate, publishers.join(QLatin1Char('\n'))),
                   this);
    auto* notice = new QLabel(tr("© Norvak. Alle Rechte vorbehalten."), this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(details);
    texts->addStretch();
    texts->addWidget(notice);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    m_homepage = buttons->addButton(tr("&Homepage..."), QDialogButtonBox::ActionRole);
    m_support = buttons->addButton(tr("&Support-Informationen..."), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_homepage, &QPushButton::clicked, this, &CDlgAbout::HomepageRequested);
    connect(m_support, &QPushButton::clicked, this, &CDlgAbout::SupportInfoRequested);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
