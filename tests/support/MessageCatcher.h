#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// Answers every modal message box that opens while it lives, and records what each said.
class MessageCatcher : public QObject {
public:
    struct Message {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };

    MessageCatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            m_messages.push_back({box->icon(), box->windowTitle(), box->text()});
            box->done(QMessageBox::Ok);
        });
        m_timer.start(5);
    }

    const QList<Message>& Messages() const { return m_messages; }
    QStringList Texts() const
    {
        QStringList texts;
        for (const Message& message : m_messages)
            texts << message.text;
        return texts;
    }
    void Clear() { m_messages.clear(); }

private:
    QTimer m_timer;
    QList<Message> m_messages;
};
