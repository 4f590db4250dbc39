#include "settings/resetcommands.h"

#include "settings/settingkeys.h"
#include "settings/settingsstore.h"

#include <QCommandLinkButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const char* const kClosingNote = "\n\nDas Programm wird anschliessend ohne Rückfrage beendet.\n"
                                 "Geöffnete Dateien werden nicht gesichert!";

} // namespace

QString ResetTitle(ResetKind kind)
{
    switch (kind) {
    case ResetKind::All:
        return QStringLiteral("Registry-Einträge dieses Programms löschen");
    case ResetKind::Workspace:
        return QStringLiteral("Menü- und Symbolleisten-Modifikationen löschen");
    case ResetKind::Font:
        return QStringLiteral("Schriftgrößenmodifikationen löschen");
    }
    return {};
}

QString ResetText(ResetKind kind)
{
    QString text;
    switch (kind) {
    case ResetKind::All:
        text = QStringLiteral("Mit diesem Aufruf werden alle Einträge dieses\n"
                              "Programms in der Registry gelöscht!");
        break;
    case ResetKind::Workspace:
        text = QStringLiteral("Mit diesem Aufruf werden alle werden die Menü- und\n"
                              "Symbolleisten-Modifikationen dieses Programms\n"
                              "auf die Ursprungswerte zurückgesetzt!");
        break;
    case ResetKind::Font:
        text = QStringLiteral("Mit diesem Aufruf werden alle werden die\n"
                              "Schriftgrößenmodifikationen dieses Programms\n"
                              "auf die Ursprungswerte zurückgesetzt!");
        break;
    }
    return text + QString::fromUtf8(kClosingNote);
}

bool DeleteResetPart(CSettingsStore& settings, ResetKind kind)
{
    switch (kind) {
    case ResetKind::All:
        return settings.DeleteAll();
    case ResetKind::Workspace:
        return settings.DeleteSection(QLatin1String(Settings::kSectionWorkspace));
    case ResetKind::Font:
        return settings.DeleteSection(QLatin1String(Settings::kSectionFont));
    }
    return false;
}

CResetQuestion::CResetQuestion(ResetKind kind, QWidget* parent)
    : QDialog(parent), m_proceed(new QCommandLinkButton(
                           QStringLiteral("Ja, Werte zurücksetzen, Programm beenden."), this)),
      m_cancel(new QCommandLinkButton(QStringLiteral("Nein, zurück zum Programm."), this))
{
    setWindowTitle(ResetTitle(kind));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto* instruction = new QLabel(QStringLiteral("Achtung!"), this);
    QFont big = instruction->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    instruction->setFont(big);
    instruction->setStyleSheet(QStringLiteral("color: #1f3f8f"));
    auto* content = new QLabel(ResetText(kind), this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(instruction);
    texts->addSpacing(6);
    texts->addWidget(content);
    texts->addSpacing(8);
    texts->addWidget(m_proceed);
    texts->addWidget(m_cancel);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addLayout(texts);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_proceed, &QCommandLinkButton::clicked, this, [this] { done(kResetProceed); });
    connect(m_cancel, &QCommandLinkButton::clicked, this, [this] { done(kResetCancel); });
    m_cancel->setDefault(true);
    m_cancel->setFocus();
}
