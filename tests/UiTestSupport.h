#pragma once

// What the window tests share: answered message boxes, modal dialogs driven from a timer, and a main
// window on a real catalogue in a temporary folder.

#include "TestSupport.h"
#include "settings/uEnvironment.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/MessageBox.h"
#include "ui/main/uFrmMain.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// Records every message box and answers the ones with Yes and No from a queue (Yes when it runs dry).
class MessageRecorder
{
public:
    MessageRecorder()
    {
        TMessageBox::SetResponder([this](const TMessageBox::Message& message) {
            messages.append(message);
            return answers.isEmpty() ? true : answers.takeFirst();
        });
    }
    ~MessageRecorder() { TMessageBox::SetResponder({}); }

    QStringList Texts() const
    {
        QStringList texts;
        for (const auto& m : messages)
            texts << m.text;
        return texts;
    }
    bool Has(TMessageBox::Kind kind, const QString& text) const
    {
        for (const auto& m : messages)
            if (m.kind == kind && m.text == text)
                return true;
        return false;
    }

    QList<TMessageBox::Message> messages;
    QList<bool> answers;
};

// Runs fn on the next modal dialog of type D as soon as it is open; the test then starts the command that
// opens it. fn decides how the dialog ends (accept, reject, press OK...).
template <typename D> void WhenModal(std::function<void(D*)> fn, int timeoutMs = 10000)
{
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, fn, timeoutMs] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            fn(dialog);
            return;
        }
        *waited += 10;
        if (*waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            qWarning("no modal dialog of the expected type appeared");
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                other->reject();
        }
    });
    timer->start(10);
}

// The child of a dialog or window by its object name; a missing one ends the test program at once.
template <typename W> W* Child(QObject* parent, const char* name)
{
    auto* child = parent->findChild<W*>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

// A catalogue in a fresh temporary tree, with every message answered.
struct Catalogue
{
    TestEnvironment env;
    StoreFixture store{env.StateDir()};
    MessageRecorder messages;
};

// A main window on a fresh catalogue, with messages answered by the test.
class MainWindowFixture
{
public:
    MainWindowFixture()
        : env(std::make_unique<TestEnvironment>()), store(std::make_unique<StoreFixture>(env->StateDir())),
          window(std::make_unique<TfrmMain>())
    {}
    ~MainWindowFixture()
    {
        window.reset();
        store.reset();
    }
    Tdm& Store() { return store->Store(); }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<StoreFixture> store;
    std::unique_ptr<TfrmMain> window;
    MessageRecorder messages;
};
