#include "widgets/settings/resetcommands.h"

#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"

#include <QCommandLinkButton>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

QString ResetTitle(ResetKind kind)
{
    switch (kind) {
    case ResetKind::All:
        return QCoreApplication::translate("Reset", "Alle Einstellungen löschen");
    case ResetKind::Workspace:
        return QCoreApplication::translate("Reset", "Fenster und Symbolleiste zurücksetzen");
    case ResetKind::Font:
        return QCoreApplication::translate("Reset", "Schriftgrößen zurücksetzen");
    }
    return {};
}

QString ResetText(ResetKind kind)
{
    QString text;
    switch (kind) {
    case ResetKind::All:
        text = QCoreApplication::translate(
            "Reset", "Mit diesem Aufruf werden alle Einstellungen dieses Programms\n"
                     "aus der Einstellungsdatei gelöscht, auch die Formularvorgaben,\n"
                     "die Ränder und die Liste der zuletzt geöffneten Dateien.\n"
                     "Die Adressdatei selbst bleibt erhalten.");
        break;
    case ResetKind::Workspace:
        text = QCoreApplication::translate(
            "Reset", "Mit diesem Aufruf werden Größe und Lage des Programmfensters\n"
                     "und die Anordnung der Symbolleiste auf die Ursprungswerte\n"
                     "zurückgesetzt.");
        break;
    case ResetKind::Font:
        text = QCoreApplication::translate(
            "Reset", "Mit diesem Aufruf werden die Schriftgrößen für Bildschirm, Eingabe\n"
                     "und Druck aus der Einstellungsdatei gelöscht und so auf die\n"
                     "Ursprungswerte zurückgesetzt. Die Werte unter\n"
                     "„Druckerschriftgrößen anpassen“ bleiben erhalten.");
        break;
    }
    // The reset happens only once the program has closed the normal way, which
    // asks about every changed note; a Cancel there keeps everything.
    return text + QLatin1String("\n\n") +
           QCoreApplication::translate(
               "Reset", "Danach wird das Programm beendet. Vorher fragt es bei jedem\n"
                        "geänderten Dokument, ob es gespeichert werden soll; brechen Sie\n"
                        "dort ab, bleibt alles, wie es ist. Beim nächsten Start gelten\n"
                        "die Ursprungswerte.");
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
    : QDialog(parent),
      m_proceed(new QCommandLinkButton(tr("Ja, Werte zurücksetzen, Programm beenden."), this)),
      m_cancel(new QCommandLinkButton(tr("Nein, zurück zum Programm."), this))
{
    setWindowTitle(ResetTitle(kind));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto* instruction = new QLabel(tr("Achtung!"), this);
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
