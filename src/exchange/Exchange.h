#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

namespace exchange {

// A list or a flyer that could not be read or written; what() holds the Italian message
// for the user, in UTF-8.
class ExchangeError : public std::runtime_error {
public:
    explicit ExchangeError(const QString& message)
        : std::runtime_error(message.toStdString())
    { }
    QString message() const { return QString::fromUtf8(what()); }
};

// The user stopped the work part-way; whatever it had written is taken back.
class Cancelled : public std::exception {
public:
    const char* what() const noexcept override { return "cancelled"; }
};

// Told how far a long piece of work has come; returns false to stop it. Called from the
// thread that runs the work.
using Progress = std::function<bool(qint64 done, qint64 total)>;

} // namespace exchange
