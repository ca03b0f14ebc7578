#pragma once

#include <QString>

// Outcome of a store operation. A failed operation has written nothing and says why in a
// sentence the screens can show as it stands.
class [[nodiscard]] StoreResult
{
public:
    static StoreResult success() { return StoreResult(QString()); }
    static StoreResult failure(const QString &message) { return StoreResult(message.isEmpty() ? QStringLiteral("?") : message); }

    bool ok() const { return m_message.isEmpty(); }
    explicit operator bool() const { return ok(); }
    const QString &message() const { return m_message; }

private:
    explicit StoreResult(const QString &message) : m_message(message) {}
    QString m_message;
};
