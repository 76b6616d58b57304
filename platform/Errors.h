#pragma once
// The system's error: a message text for the user. Errors end the operation that raised them and
// are shown by the default error handler in a plain message box; the program carries on.

#include <QByteArray>
#include <QString>

#include <exception>
#include <utility>

class EError : public std::exception {
public:
    explicit EError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &Message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// The text of the exception being handled; call only inside a catch block.
QString CurrentExceptionText();

// The default error handler: shows the text of the exception being handled in a plain message
// box. Call only inside a catch block.
void HandleException();

// Runs a command under the default error handler: no exception leaves it.
template <class F>
void Guarded(F &&command)
{
    try {
        command();
    } catch (...) {
        HandleException();
    }
}
