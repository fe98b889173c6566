#pragma once

// What the store's statements share: the engine's own error text, and all-or-nothing runs.

#include "common/Exception.h"

#include <QSqlDatabase>
#include <QSqlError>

inline QString EngineText(const QSqlError& error)
{
    const QString engine = error.databaseText();
    return engine.isEmpty() ? error.text() : engine;
}

// Runs body in one transaction of db: committed when it returns, rolled back when it raises.
template <typename Body> void RunInTransaction(QSqlDatabase db, Body body)
{
    if (!db.transaction())
        throw Exception(EngineText(db.lastError()));
    try {
        body();
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        const QString text = EngineText(db.lastError());
        db.rollback();
        throw Exception(text);
    }
}

#include <QVariant>

// Texts are bound as texts even when empty: a null QString would reach the engine as NULL, and then
// "GroupName=?" could never find the shortcuts stored without a group.
inline QVariant Text(const QString& text)
{
    return text.isNull() ? QVariant(QString::fromLatin1("", 0)) : QVariant(text);
}
