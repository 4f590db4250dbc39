#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers every modal window as it opens: message boxes are closed and their
// texts kept; any other window goes to `answer`. `seen` lists the class of each
// window in the order they came.
class ModalAnswerer
{
public:
    explicit ModalAnswerer(std::function<void(QWidget*)> answer = {}) : m_answer(std::move(answer))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start(5);
    }
    QStringList seen;
    QStringList messages;

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == m_last)
            return;
        m_last = modal;
        seen << QString::fromLatin1(modal->metaObject()->className());
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            box->done(QMessageBox::Ok);
            return;
        }
        if (m_answer)
            m_answer(modal);
    }

    std::function<void(QWidget*)> m_answer;
    QPointer<QWidget> m_last;
    QTimer m_timer;
};
