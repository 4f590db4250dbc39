#include "widgets/app/common_dlgsupportinfo.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString SupportInfo::Text() const
{
    QString text;
    for (const auto& row : rows)
        text += row.first + QLatin1String(": ") + row.second + QLatin1Char('\n');
    return text;
}

Common_DlgSupportInfo::Common_DlgSupportInfo(SupportInfo info, QWidget* parent)
    : QDialog(parent), m_info(std::move(info))
{
    setWindowTitle(tr("Support-Informationen"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* intro = new QLabel(tr("Diese Angaben helfen dem Support bei Ihrer Anfrage. "
                                "Kopieren Sie sie und fügen Sie sie in Ihre Nachricht ein."),
                             this);
    intro->setWordWrap(true);

    auto* text = new QPlainTextEdit(m_info.Text(), this);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics(text->font());
    int widest = 0;
    for (const QString& line : m_info.Text().split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    text->setMinimumSize(qBound(420, widest + 40, 900),
                         metrics.lineSpacing() * (int(m_info.rows.size()) + 2));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Schließen"));
    m_copy =
        buttons->addButton(tr("In die &Zwischenablage kopieren"), QDialogButtonBox::ActionRole);
    connect(m_copy, &QPushButton::clicked, this, [this] {
        QGuiApplication::clipboard()->setText(m_info.Text());
        m_copy->setText(tr("Kopiert"));
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(text);
    layout->addWidget(buttons);
}
