#pragma once

#include <QString>

#include <stdexcept>

// A failure that escapes an event handler and is shown in the application's error box.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// A text that does not convert to a number or colour.
class ConvertError : public AppError {
public:
    using AppError::AppError;
};

// The silent abort: ends the running command without any message.
class SilentAbort {};
