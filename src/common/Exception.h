#pragma once

#include <QByteArray>
#include <QString>

#include <exception>
#include <utility>

// Every failure that reaches a user command travels as one of these; its text is what the error box shows.
class Exception : public std::exception
{
public:
    explicit Exception(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

    const QString& Message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
