#pragma once

// The program's four kinds of message box. Every message to the user goes through here, so that a test
// can answer them instead of a person.

#include <QString>

#include <functional>

class QWidget;

class TMessageBox
{
public:
    enum class Kind
    {
        Question,
        Information,
        Warning,
        Error
    };

    struct Message
    {
        Kind kind;
        QString text;
        bool withYesNo;
    };
    // Answers a box instead of showing it; the result counts as Yes for a box with Yes and No.
    using Responder = std::function<bool(const Message&)>;

    // A box with Yes and No; true only on Yes. Shown as a question unless another kind is named.
    static bool Ask(QWidget* parent, const QString& text, Kind kind = Kind::Question);
    static void Information(QWidget* parent, const QString& text);
    static void Warning(QWidget* parent, const QString& text);
    static void Error(QWidget* parent, const QString& text);

    static void SetResponder(Responder responder);

private:
    static bool Show(QWidget* parent, const Message& message);
};
