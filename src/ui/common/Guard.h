#pragma once

// The one place where an error that leaves a command or an event handler is shown: the standard error box
// with its text, and the program goes on.

#include "common/Exception.h"
#include "ui/common/MessageBox.h"

#include <exception>

class QWidget;

template <typename Body> void RunGuarded(QWidget* parent, Body&& body)
{
    try {
        body();
    } catch (const Exception& e) {
        TMessageBox::Error(parent, e.Message());
    } catch (const std::exception& e) {
        TMessageBox::Error(parent, QString::fromLocal8Bit(e.what()));
    }
}
